#pragma once

#include <QColor>
#include <QLineEdit>

// An edit field with one text/background colour pair when unfocused and one when focused. A
// locked field ignores key presses, typed characters and paste.
class CColorEdit : public QLineEdit
{
    Q_OBJECT

public:
    struct Colors
    {
        QColor text;
        QColor background;
    };
    static const Colors kEditable;
    static const Colors kEditableFocused;
    static const Colors kLocked;

    explicit CColorEdit(QWidget* parent = nullptr);

    void SetColors(const Colors& unfocused, const Colors& focused);
    // Locking also gives the locked colours; unlocking the editable ones.
    void SetLocked(bool locked);
    bool IsLocked() const { return m_locked; }
    // The pair in use now.
    Colors CurrentColors() const { return hasFocus() ? m_focused : m_unfocused; }

signals:
    void focusLost();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Repaint();

    Colors m_unfocused = kEditable;
    Colors m_focused = kEditableFocused;
    bool m_locked = false;
};
