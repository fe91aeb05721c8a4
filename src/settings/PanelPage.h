#pragma once

#include "base/ControlArray.h"
#include "settings/Options.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace settings {

class ColorButton;
class OptionBinding;
class frmOption;

// Options page 1, "パネルと整理券番号表示": the panel pictures per backlight state and the
// ticket-number labels (shown, numbering style, colour per backlight state).
class PanelPage
{
public:
    explicit PanelPage(frmOption &window) : m_window(window) {}

    void build(QGroupBox *page);
    void bind(OptionBinding &binding);
    // Sets the controls the check box and the option buttons govern, then follows them.
    void startRules();

    // Fills Combo2 with the numbering styles and selects the first.
    void AddComboItem();
    // "..." chooses the user's picture for backlight state `index`.
    void Command6_Click(int index);

    QGroupBox *Frame4 = nullptr;
    // 0 built-in automatically, 1 set one by one; per state (OFF, ON1, ON2) the built-in picture
    // is 7, 3, 4 and the user's picture 6, 2, 5.
    std::array<QRadioButton *, 8> Option3{};
    // Per backlight state, by Backlight: the picture choice, its "..." and its file.
    base::ControlArray<QGroupBox *, 3, Backlight> Frame6{};
    base::ControlArray<QPushButton *, 3, Backlight> Command6{};
    base::ControlArray<QLineEdit *, 3, Backlight> txtSelectPanel{};
    QLabel *Label5 = nullptr;
    QCheckBox *Check1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QComboBox *Combo2 = nullptr;
    QCheckBox *Check2 = nullptr;
    base::ControlArray<ColorButton *, 3, Backlight> Command5{}; // ticket-number colour by Backlight
    QLabel *Label15 = nullptr;

private:
    void buildPictureChoices(QGroupBox *page);
    void buildTicketNumbers(QGroupBox *page);
    // The three picture groups are there exactly when the pictures are set one by one.
    void applyPanelChoiceRule();

    frmOption &m_window;
};

} // namespace settings
