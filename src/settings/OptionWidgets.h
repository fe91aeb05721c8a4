#pragma once

#include "base/OleColor.h"

#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace settings {

class ColorButton;

// The controls of the options pages, each made with its name and place in one call.
namespace make {

QLabel *label(QWidget *parent, const QString &text, const QRect &r, bool wrap = false);
QPushButton *button(QWidget *parent, const QString &text, const QString &name, const QRect &r);
QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &r);
QComboBox *dropDown(QWidget *parent, const QString &name, const QRect &r);
QCheckBox *checkBox(QWidget *parent, const QString &text, const QString &name, const QRect &r);
QRadioButton *optionButton(QWidget *parent, const QString &text, const QString &name, const QRect &r);
QGroupBox *frame(QWidget *parent, const QString &title, const QString &name, const QRect &r);
ColorButton *colorButton(QWidget *parent, const QString &name, const QRect &r);

} // namespace make

// Gives a control that has no caption of its own the name a screen reader speaks for it. The
// text beside it, when there is one, becomes its label too (on Linux a combo box is named by its
// entry and read with that label and its description).
void nameControl(QWidget *control, const QString &name, QLabel *beside = nullptr);

// Where in a check box's caption the text `prefix` ends, in the check box's own coordinates;
// the lists that complete such a sentence sit in the blank that follows it.
int captionOffset(const QCheckBox *box, const QString &prefix);

// Flips a control's own enabled state, whatever its parents say: the enabling rules of the
// options window work this way.
void flipEnabled(QWidget *w);

} // namespace settings
