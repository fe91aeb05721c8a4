#pragma once

#include "base/ControlArray.h"
#include "settings/Options.h"

#include <QString>

#include <array>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace reslib {
struct PlgInfo;
}

namespace settings {

class OptionBinding;
class frmOption;

// Options page 5, "整理券プレビュー": the ticket preview in use or not, its plug-in (with what
// the plug-in can print and its notes) and the date the ticket prints.
class TicketPage
{
public:
    explicit TicketPage(frmOption &window) : m_window(window) {}

    void build(QGroupBox *page);
    void bind(OptionBinding &binding);
    // Shows the plug-in and date groups as the check box says, then follows it.
    void startRules();

    // Choose a plug-in (Command1), clear it (Command11), take over a file (SetPlgin: 0 when the
    // name is empty or the file is refused, 2 when taken over), choose the fixed date (Command7).
    void Command1_Click();
    void Command11_Click();
    // `refusal`, when given, says why a file is refused, in English.
    int32_t SetPlgin(const QString &file, QString *refusal = nullptr);
    void Command7_Click();

    QCheckBox *chkUseSeiriPrev = nullptr;
    QGroupBox *Frame10 = nullptr;
    QLineEdit *txtSeiriPlgDir = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command11 = nullptr;
    QListWidget *List1 = nullptr;
    QPlainTextEdit *txtPlginComment = nullptr;
    QGroupBox *Frame7 = nullptr;
    // The date: at each print, kept at route setting, fixed (Label10).
    base::ControlArray<QRadioButton *, 3, TicketDateMode> Option4{}; // the date the ticket prints
    QLabel *Label10 = nullptr;
    QPushButton *Command7 = nullptr;

private:
    void buildPluginGroup(QGroupBox *page);
    void buildDateGroup(QGroupBox *page);
    void applyPreviewRule();
    void listPlgInfo(const reslib::PlgInfo &info);

    frmOption &m_window;
};

} // namespace settings
