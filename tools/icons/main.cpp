// Writes the program's icon for installing: the scalable SVG and the PNG sizes of the desktop's
// icon theme, all drawn from the product picture's mark.
#include "app/ProductPicture.h"
#include "app/ui/ProgramIcon.h"
#include "platform/SvgDrawSurface.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vellamo-icons FOLDER NAME\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    SvgDrawSurface svg(ProductPicture::kIconSize, ProductPicture::kIconSize);
    ProductPicture::DrawIcon(svg);
    QFile file(folder.filePath(name + QStringLiteral(".svg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.Document().toUtf8()) < 0)
        return 1;
    for (int size : {48, 256})
        if (!ProgramIcon::Image(size).save(folder.filePath(QStringLiteral("%1-%2.png").arg(name).arg(size))))
            return 1;
    return 0;
}
