#include "settings/OptionWidgets.h"

#include "settings/ColorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace settings {
namespace make {
namespace {

template<class W>
W *placed(W *w, const QString &name, const QRect &r)
{
    w->setObjectName(name);
    w->setGeometry(r);
    return w;
}

} // namespace

QLabel *label(QWidget *parent, const QString &text, const QRect &r, bool wrap)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | (wrap ? Qt::AlignTop : Qt::AlignVCenter));
    return l;
}

QPushButton *button(QWidget *parent, const QString &text, const QString &name, const QRect &r)
{
    return placed(new QPushButton(text, parent), name, r);
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &r)
{
    return placed(new QLineEdit(parent), name, r);
}

QComboBox *dropDown(QWidget *parent, const QString &name, const QRect &r)
{
    return placed(new QComboBox(parent), name, r);
}

QCheckBox *checkBox(QWidget *parent, const QString &text, const QString &name, const QRect &r)
{
    return placed(new QCheckBox(text, parent), name, r);
}

QRadioButton *optionButton(QWidget *parent, const QString &text, const QString &name, const QRect &r)
{
    return placed(new QRadioButton(text, parent), name, r);
}

QGroupBox *frame(QWidget *parent, const QString &title, const QString &name, const QRect &r)
{
    return placed(new QGroupBox(title, parent), name, r);
}

ColorButton *colorButton(QWidget *parent, const QString &name, const QRect &r)
{
    return placed(new ColorButton(parent), name, r);
}

} // namespace make

void nameControl(QWidget *control, const QString &name, QLabel *beside)
{
    control->setAccessibleName(name);
    // On Linux a combo box is named by its entry; the description carries what it chooses, for
    // the lists that sit in a sentence and have no label of their own.
    if (qobject_cast<QComboBox *>(control))
        control->setAccessibleDescription(name);
    if (beside)
        beside->setBuddy(control);
}

int captionOffset(const QCheckBox *box, const QString &prefix)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box);
    const int spacing = box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    return indicator + spacing + box->fontMetrics().horizontalAdvance(prefix);
}

void flipEnabled(QWidget *w)
{
    w->setEnabled(w->testAttribute(Qt::WA_Disabled));
}

} // namespace settings
