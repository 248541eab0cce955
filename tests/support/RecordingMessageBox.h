#pragma once

#include "platform/IMessageBox.h"
#include "support/QtPrinters.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// Records every message box the core shows and answers from a script (OK when it runs out).
class RecordingMessageBox : public IMessageBox
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Result Show(const QString& text, Icon icon, Buttons buttons) override
    {
        m_shown.push_back({text, icon, buttons});
        if (m_answers.empty())
            return Result::Ok;
        const Result r = m_answers.front();
        m_answers.pop_front();
        return r;
    }

    void Answer(Result r) { m_answers.push_back(r); }
    void Clear() { m_shown.clear(); }
    const std::vector<Shown>& ShownBoxes() const { return m_shown; }
    QStringList Texts() const
    {
        QStringList t;
        for (const Shown& s : m_shown)
            t << s.text;
        return t;
    }

private:
    std::vector<Shown> m_shown;
    std::deque<Result> m_answers;
};
