#include "ProgramFont.h"

#include <QStringList>

QFont ProgramFont(int pixelHeight, int weight)
{
    QFont f;
    f.setFamilies(QStringList() << QStringLiteral("Tahoma") << QStringLiteral("Liberation Sans")
                                << QStringLiteral("DejaVu Sans Condensed") << QStringLiteral("sans-serif"));
    // Heights are those of the character cell, as the handheld asks for its fonts; the em of
    // these faces is about five sixths of the cell.
    f.setPixelSize(qMax(1, (pixelHeight * 5 + 3) / 6));
    f.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    return f;
}
