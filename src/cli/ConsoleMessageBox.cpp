#include "ConsoleMessageBox.h"

#include <cstdio>

IMessageBox::Result ConsoleMessageBox::Show(const QString& text, Icon, Buttons)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return Result::Ok;
}
