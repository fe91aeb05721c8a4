#pragma once

#include "settings/IniStatus.h"

#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QScrollBar;

namespace settings {

// Setting stored values into controls. A value a control cannot take (a list index outside
// its list, a check-box state other than 0 to 2, a scroll-bar value outside its range) is
// refused with the platform's "invalid property value" failure, as the unit's controls refuse
// it; the caller stops applying settings there.
namespace OptionCopy {

IniStatus invalidValue(const QString &control);

// Option buttons: -1 selected, 0 not selected.
int16_t optionValue(const QRadioButton *button);
IniStatus setOptionValue(QRadioButton *button, int16_t value);
IniStatus setCheck(QCheckBox *box, int16_t value);
int16_t listIndex(const QComboBox *list);
IniStatus setListIndex(QComboBox *list, int16_t index);
IniStatus setScrollValue(QScrollBar *bar, int16_t value);

} // namespace OptionCopy
} // namespace settings
