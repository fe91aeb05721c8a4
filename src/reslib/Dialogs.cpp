#include "reslib/KBP4Res.h"

#include "base/Cp932.h"
#include "reslib/JapaneseFileColumns.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace reslib {
namespace {

QDialogButtonBox *okCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QColor fromColorRef(int32_t ref)
{
    const auto v = static_cast<uint32_t>(ref);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int32_t toColorRef(const QColor &c)
{
    return static_cast<int32_t>(static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8)
                                | (static_cast<uint32_t>(c.blue()) << 16));
}

// "desc\0pattern\0desc\0pattern\0\0" -> "desc (pattern);;desc (pattern)"
QString toQtFilter(const QByteArray &filter)
{
    const QList<QByteArray> items = filter.split('\0');
    QStringList parts;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        if (items[i].isEmpty())
            break;
        const QString description = base::Cp932::toUnicode(items[i]);
        const QString patterns = base::Cp932::toUnicode(items[i + 1]).replace(u';', u' ');
        // Patterns are matched without regard to case, as the platform's file system does.
        QStringList both;
        for (const QString &p : patterns.split(u' ', Qt::SkipEmptyParts)) {
            both << p;
            if (p.toLower() != p)
                both << p.toLower();
            if (p.toUpper() != p)
                both << p.toUpper();
        }
        parts << QStringLiteral("%1 (%2)").arg(description, both.join(u' '));
    }
    return parts.join(QStringLiteral(";;"));
}

} // namespace

int32_t Call_dlg100(QWidget *owner, int16_t keta, int16_t &zeroMode, int16_t &shift,
                    int16_t &fillZero)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("dlg100"));
    dialog.setWindowTitle(QStringLiteral("デジタル数字の設定"));
    auto *form = new QFormLayout;

    auto *zero = new QComboBox(&dialog);
    zero->setObjectName(QStringLiteral("zeroMode"));
    // The list position is the ZeroMode (controls::ZeroMode names them).
    zero->addItems({QStringLiteral("0 は表示しない"), QStringLiteral("0 を表示する"),
                    QStringLiteral("0 は表示しない（-1 を 0 と表示）"),
                    QStringLiteral("0 と -1 を 0 と表示")});
    zero->setCurrentIndex(zeroMode >= 0 && zeroMode < 4 ? zeroMode : 0);
    form->addRow(QStringLiteral("ゼロの表示："), zero);

    const int maxShift = keta > 1 ? keta - 1 : 0;
    auto *shiftBox = new QSpinBox(&dialog);
    shiftBox->setObjectName(QStringLiteral("shift"));
    shiftBox->setRange(0, maxShift);
    shiftBox->setValue(qBound(0, int(shift), maxShift));
    form->addRow(QStringLiteral("桁ずらし（右端から空ける桁数）："), shiftBox);

    const int maxFill = keta > 0 ? keta : 0;
    auto *fillBox = new QSpinBox(&dialog);
    fillBox->setObjectName(QStringLiteral("fillZero"));
    fillBox->setRange(0, maxFill);
    fillBox->setValue(qBound(0, int(fillZero), maxFill));
    form->addRow(QStringLiteral("ゼロ埋めの桁数（0 でゼロ埋めなし）："), fillBox);

    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(okCancel(&dialog));

    // The caller reads the three values back whatever the result, so a cancelled dialog hands
    // back the ones it was opened with.
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    zeroMode = static_cast<int16_t>(zero->currentIndex());
    shift = static_cast<int16_t>(shiftBox->value());
    fillZero = static_cast<int16_t>(fillBox->value());
    return 1;
}

int32_t Call_dlg110(QWidget *owner, int32_t /*mode*/, const QString &text)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("dlg110"));
    dialog.setWindowTitle(QStringLiteral("バージョン情報"));
    // The text comes with CR LF line ends.
    auto *label = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), &dialog);
    label->setObjectName(QStringLiteral("aboutText"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(buttons);
    dialog.exec();
    return 0;
}

int32_t Call_dlg111(QWidget *owner, SystemTime &date)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("dlg111"));
    dialog.setWindowTitle(QStringLiteral("日付の選択"));
    auto *calendar = new QCalendarWidget(&dialog);
    calendar->setObjectName(QStringLiteral("calendar"));
    const QDate given(date.wYear, date.wMonth, date.wDay);
    calendar->setSelectedDate(given.isValid() ? given : QDate::currentDate());
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(calendar);
    layout->addWidget(okCancel(&dialog));
    QObject::connect(calendar, &QCalendarWidget::activated, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const QDate chosen = calendar->selectedDate();
    date.wYear = static_cast<int16_t>(chosen.year());
    date.wMonth = static_cast<int16_t>(chosen.month());
    date.wDay = static_cast<int16_t>(chosen.day());
    date.wDayOfWeek = static_cast<int16_t>(chosen.dayOfWeek() % 7);
    return 1;
}

int32_t Kb3ChooseColor(QWidget *owner, int32_t &colour, int32_t *customColors)
{
    // Qt's dialog offers sixteen custom slotCount; the seventeenth colour of the table is kept as
    // it came in.
    const int slotCount = qMin(QColorDialog::customCount(), CustomColorCount);
    for (int i = 0; i < slotCount; ++i)
        QColorDialog::setCustomColor(i, fromColorRef(customColors[i]));

    QColorDialog dialog(fromColorRef(colour), owner);
    dialog.setObjectName(QStringLiteral("kb3ChooseColor"));
    dialog.setWindowTitle(QStringLiteral("色の設定"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;

    for (int i = 0; i < slotCount; ++i)
        customColors[i] = toColorRef(QColorDialog::customColor(i));
    if (!chosen)
        return 0;
    colour = toColorRef(dialog.selectedColor());
    return 1;
}

QString Kb3FileDlg(QWidget *owner, int32_t /*flags*/, const QByteArray &filter,
                   const QString &initialName, const QString &title)
{
    QFileDialog dialog(owner, title, QString(), toQtFilter(filter));
    dialog.setObjectName(QStringLiteral("kb3FileDlg"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new JapaneseFileColumns(&dialog));
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString Kb3FolderDlg(QWidget *owner, const QString &title)
{
    QFileDialog dialog(owner, title);
    dialog.setObjectName(QStringLiteral("kb3FolderDlg"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new JapaneseFileColumns(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace reslib
