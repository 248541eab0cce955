#pragma once

#include <QString>

// Message boxes as the core asks for them; the caption is always the program's title.
// The GUI shows real boxes, tests record the texts and script the answers.
class IMessageBox
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Stop,
    };
    enum class Buttons
    {
        Ok,
        OkCancel,
        OkCancelDefaultCancel, // a question whose OK deletes: a stray Enter keeps the data
    };
    enum class Result
    {
        Ok,
        Cancel,
    };

    virtual ~IMessageBox() = default;
    virtual Result Show(const QString& text, Icon icon, Buttons buttons) = 0;

    bool Ask(const QString& text, Icon icon = Icon::Warning)
    {
        return Show(text, icon, Buttons::OkCancel) == Result::Ok;
    }
    void Tell(const QString& text, Icon icon = Icon::Information) { Show(text, icon, Buttons::Ok); }
    bool AskBeforeDeleting(const QString& text, Icon icon = Icon::Warning)
    {
        return Show(text, icon, Buttons::OkCancelDefaultCancel) == Result::Ok;
    }
};
