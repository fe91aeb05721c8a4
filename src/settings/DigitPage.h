#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace controls {
class M_Degit;
}

namespace settings {

class ColorButton;
class OptionBinding;
class frmOption;

// Options page 2, "デジタル部品と情報用数字": the information digits (stop order, ticket number,
// route number, a fare-data column, each in a chosen cell) and the colours of the digit cells,
// with a preview digit.
class DigitPage
{
public:
    explicit DigitPage(frmOption &window) : m_window(window) {}

    void build(QGroupBox *page);
    void bind(OptionBinding &binding);
    // Sets the controls the check boxes govern, then follows the check boxes.
    void startRules();

    // The preview digit takes the three colours of the Command8 buttons.
    void recolourPreviewDigit();

    std::array<QGroupBox *, 2> Frame5{};
    // 0 stop order, 1 ticket number, 2 route number, 3 column value, 4 "0から数える".
    std::array<QCheckBox *, 5> Check3{};
    // The cells of Check3(0) to Check3(3), and (4) the column of Check3(3).
    std::array<QComboBox *, 5> Combo4{};
    QLabel *Label7 = nullptr;
    // Background, unlit segments, lit segments.
    std::array<ColorButton *, 3> Command8{};
    controls::M_Degit *M_Degit1 = nullptr;

private:
    void buildInformationDigits(QGroupBox *page);
    void buildColours(QGroupBox *page);

    frmOption &m_window;
};

} // namespace settings
