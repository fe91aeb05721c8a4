#include "settings/ControlValues.h"

#include <QCheckBox>
#include <QRadioButton>

namespace settings {

int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox *box, int value)
{
    if (value == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
    }
}

int16_t optionValue(const QRadioButton *button)
{
    return button->isChecked() ? -1 : 0;
}

void setOptionValue(QRadioButton *button, int16_t value)
{
    if (value != 0) {
        // Selecting one deselects its siblings and runs its handler.
        button->setChecked(true);
        return;
    }
    if (button->isChecked()) {
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
}

} // namespace settings
