#pragma once

#include "ui/MessagePresenter.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace ui {

// Message boxes written down instead of shown, and answered from a script: for running the
// program headless (731-tool render) and for tests. With the script used up, a question is
// answered No and any other box OK.
class RecordingMessagePresenter final : public MessagePresenter
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    Answer show(QWidget *, const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        shown.push_back({text, title, buttons, icon});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

    // The texts of every box so far, in order.
    QStringList texts() const
    {
        QStringList out;
        for (const Shown &s : shown)
            out << s.text;
        return out;
    }

    std::deque<Answer> answers;
    std::vector<Shown> shown;
};

} // namespace ui
