#include "reslib/KBP4Res.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

// The file picker's kind and date columns follow the program's Japanese locale, not the
// system's, and name a folder in Japanese.
TEST(FilePicker, ListsFoldersAndDatesInJapanese)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("音源")));
    QFile wav(dir.filePath(QStringLiteral("pon.wav")));
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.write("RIFF");
    wav.close();
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);

    QStringList kinds;
    QStringList dates;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr);
        // The rows come from Qt's file system thread.
        for (QDeadlineTimer deadline(20000); view->model()->rowCount(view->rootIndex()) < 2 && !deadline.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            kinds << model->index(row, 2, view->rootIndex()).data().toString();
            dates << model->index(row, 3, view->rootIndex()).data().toString();
        }
        dialog->reject();
    });
    const QByteArray filter("Wave(*.wav)\0*.wav\0\0", 20);
    EXPECT_TRUE(reslib::Kb3FileDlg(nullptr, 0, filter, dir.filePath(QStringLiteral("pon.wav")), QStringLiteral("サウンドの選択")).isEmpty());

    ASSERT_EQ(kinds.size(), 2) << kinds.join(u'|').toStdString();
    EXPECT_TRUE(kinds.contains(QStringLiteral("フォルダー"))) << kinds.join(u'|').toStdString();
    const QString wavDate = japanese.toString(QFileInfo(wav.fileName()).lastModified(), QLocale::ShortFormat);
    EXPECT_TRUE(dates.contains(wavDate)) << dates.join(u'|').toStdString() << " / " << wavDate.toStdString();
}
