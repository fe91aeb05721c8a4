#include "settings/OptionCopy.h"

#include "settings/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>

namespace settings::OptionCopy {

IniStatus invalidValue(const QString &control)
{
    using base::LegacyError;
    return IniStatus::failure(LegacyError::InvalidPropertyValue,
                              IniStatus::codeText(LegacyError::InvalidPropertyValue) + QStringLiteral("(%1)").arg(control));
}

int16_t optionValue(const QRadioButton *button)
{
    return button->isChecked() ? -1 : 0;
}

IniStatus setOptionValue(QRadioButton *button, int16_t value)
{
    if (value != 0) {
        // Selecting one deselects its siblings and runs its handler.
        button->setChecked(true);
        return {};
    }
    if (button->isChecked()) {
        // Deselecting leaves the siblings as they are, even if none is selected then.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
    return {};
}

IniStatus setCheck(QCheckBox *box, int16_t value)
{
    if (value < 0 || value > 2)
        return invalidValue(box->objectName());
    setCheckValue(box, value);
    return {};
}

int16_t listIndex(const QComboBox *list)
{
    return static_cast<int16_t>(list->currentIndex());
}

IniStatus setListIndex(QComboBox *list, int16_t index)
{
    if (index < -1 || index >= list->count())
        return invalidValue(list->objectName());
    list->setCurrentIndex(index);
    return {};
}

IniStatus setScrollValue(QScrollBar *bar, int16_t value)
{
    if (value < bar->minimum() || value > bar->maximum())
        return invalidValue(bar->objectName());
    bar->setValue(value);
    return {};
}

} // namespace settings::OptionCopy
