#include "ui/JapaneseQt.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <gtest/gtest.h>

// Qt's own dialogs speak Japanese whatever the user's locale: standard buttons, the file picker,
// the calendar's month names.
TEST(JapaneseQt, QtsOwnDialogsSpeakJapanese)
{
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
        GTEST_SKIP() << "Qt's Japanese translations (qt6-translations-l10n) are not installed";
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(ui::JapaneseQt::install(*qApp));

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));

    QFileDialog picker;
    picker.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel *label : picker.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("ファイル名(&N):"))) << labels.join(u'|').toStdString();

    QCalendarWidget calendar;
    EXPECT_EQ(calendar.locale().monthName(1), QStringLiteral("1月"));
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
}
