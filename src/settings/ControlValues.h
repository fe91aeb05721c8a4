#pragma once

#include <cstdint>

class QCheckBox;
class QRadioButton;

namespace settings {

// The values of the options' controls as the settings records hold them.

// A check box: 0 unchecked, 1 checked, 2 grey.
int checkValue(const QCheckBox *box);
void setCheckValue(QCheckBox *box, int value);

// An option button: -1 selected, 0 not. Selecting one deselects its siblings; deselecting one
// leaves its siblings as they are, even when none is selected then.
int16_t optionValue(const QRadioButton *button);
void setOptionValue(QRadioButton *button, int16_t value);

} // namespace settings
