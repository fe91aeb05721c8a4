#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace settings {

class ColorButton;
class OptionBinding;
class frmOption;

// Options page 3, "停名の設定": the "次は" prefix and the stop name's colours, fonts and bold.
class StopNamePage
{
public:
    explicit StopNamePage(frmOption &window) : m_window(window) {}

    void build(QGroupBox *page);
    void bind(OptionBinding &binding);

    QGroupBox *Frame12 = nullptr;
    QGroupBox *Frame11 = nullptr;
    QComboBox *Combo6 = nullptr; // "次は" shown and how
    QComboBox *Combo5 = nullptr; // "次は" font
    QComboBox *Combo3 = nullptr; // stop-name font
    QCheckBox *Check5 = nullptr; // "次は" bold
    QCheckBox *Check4 = nullptr; // stop-name bold
    // Stop-name background, stop-name text, "次は" text.
    std::array<ColorButton *, 3> Command9{};

private:
    frmOption &m_window;
};

} // namespace settings
