#include "CDateEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

CDateEdit::CDateEdit(QWidget* parent) : QDateEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

bool CDateEdit::eventFilter(QObject* watched, QEvent* event)
{
    // The press has placed the cursor; a release without a dragged selection selects that part.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        !lineEdit()->hasSelectedText())
        setSelectedSection(currentSection());
    return QDateEdit::eventFilter(watched, event);
}

void CDateEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).isDigit() && !lineEdit()->hasSelectedText() && AtStartOfPart())
        setSelectedSection(currentSection());
    QDateEdit::keyPressEvent(event);
}

bool CDateEdit::AtStartOfPart() const
{
    const QString text = lineEdit()->text();
    const int at = lineEdit()->cursorPosition();
    return at < text.size() && text.at(at).isLetterOrNumber() &&
           (at == 0 || !text.at(at - 1).isLetterOrNumber());
}
