#pragma once

#include <QString>

class QWidget;

namespace ui {

// Every message box of the program goes through a presenter, so that tests can read the text
// and answer the question.
class MessagePresenter
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Question, Error, Warning, Information };
    enum class Answer { Ok, Yes, No };

    virtual ~MessagePresenter() = default;
    virtual Answer show(QWidget *owner, const QString &text, const QString &title, Buttons buttons,
                        Icon icon) = 0;

    // The application title that message boxes without a title of their own carry.
    static QString applicationTitle() { return QStringLiteral("ハルネVer4"); }
};

// Message boxes on screen.
class QtMessagePresenter final : public MessagePresenter
{
public:
    Answer show(QWidget *owner, const QString &text, const QString &title, Buttons buttons, Icon icon) override;
};

} // namespace ui
