#pragma once

#include "platform/IMessageBox.h"

class QWidget;

// Message boxes as real dialogs with the program's title. On a platform with no screen to show
// them on (offscreen, minimal), the text goes to standard error and a question is answered
// Cancel: nothing is deleted or done that nobody agreed to.
class QtMessageBox : public IMessageBox
{
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    Result Show(const QString& text, Icon icon, Buttons buttons) override;
    // False on the offscreen and minimal platforms, where no one can answer a box.
    static bool HasScreen();

private:
    QWidget* m_parent;
};
