#include "CColorEdit.h"

#include "controls/ProgramFont.h"

#include <QKeyEvent>

const CColorEdit::Colors CColorEdit::kEditable{QColor(0, 0, 0), QColor(244, 244, 255)};
const CColorEdit::Colors CColorEdit::kEditableFocused{QColor(0, 0, 0), QColor(255, 255, 255)};
const CColorEdit::Colors CColorEdit::kLocked{QColor(0, 0, 128), QColor(224, 224, 255)};

CColorEdit::CColorEdit(QWidget* parent) : QLineEdit(parent)
{
    setFont(ProgramFont(11));
    setTextMargins(0, 0, 0, 0);
    Repaint();
}

void CColorEdit::SetColors(const Colors& unfocused, const Colors& focused)
{
    m_unfocused = unfocused;
    m_focused = focused;
    Repaint();
}

void CColorEdit::SetLocked(bool locked)
{
    m_locked = locked;
    setReadOnly(locked);
    // Locked fields look locked whether focused or not.
    if (locked)
        SetColors(kLocked, kLocked);
    else
        SetColors(kEditable, kEditableFocused);
}

void CColorEdit::Repaint()
{
    const Colors c = CurrentColors();
    QPalette p = palette();
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::Base, c.background);
    setPalette(p);
    update();
}

void CColorEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    Repaint();
}

void CColorEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Repaint();
    emit focusLost();
}

void CColorEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_locked && event != QKeySequence::Copy) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CColorEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (m_locked)
        return;
    QLineEdit::inputMethodEvent(event);
}

void CColorEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_locked)
        return; // no Paste to offer
    QLineEdit::contextMenuEvent(event);
}
