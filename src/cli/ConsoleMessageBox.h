#pragma once

#include "platform/IMessageBox.h"

// Messages of the core on the command line: each on standard error; questions are answered OK.
class ConsoleMessageBox : public IMessageBox
{
public:
    Result Show(const QString& text, Icon icon, Buttons buttons) override;
};
