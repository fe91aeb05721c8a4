#include "../plugins/PluginFiles.h"
#include "AppFixture.h"
#include "base/Cp932.h"
#include "settings/FolderPage.h"
#include "settings/TicketPage.h"
#include "settings/frmOption.h"
#include "ticket/mdlSeiriken.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using ui::MessagePresenter;

namespace {

QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList items(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// Answers the plug-in file dialog as soon as it opens: picks `file`, or cancels when it is empty.
// What the dialog offered is kept for the test to look at.
struct FileDialogAnswer
{
    QString title;
    QStringList filters;
};

void answerFileDialog(const QString &file, FileDialogAnswer *seen = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (seen) {
            seen->title = dialog->windowTitle();
            seen->filters = dialog->nameFilters();
        }
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

class TicketPlugins : public AppFixture
{
protected:
    settings::frmOption &options() { return forms->optionsWindow(); }

    void choose(const QString &file, FileDialogAnswer *seen = nullptr)
    {
        // The button is reachable only with the preview in use.
        options().ticketPage().chkUseSeiriPrev->setChecked(true);
        answerFileDialog(file, seen);
        options().ticketPage().Command1->click();
    }

    void usePreview(const QString &plugin)
    {
        options().ticketPage().chkUseSeiriPrev->setChecked(true);
        ASSERT_EQ(options().ticketPage().SetPlgin(plugin), 2);
        options().ticketPage().txtSeiriPlgDir->setText(plugin);
    }

    void refresh(int16_t n = 6, const QString &ticketDate = QStringLiteral("12-07-2026"))
    {
        ticket::PreviewStop stop;
        stop.stopName = QStringLiteral("市役所前");
        stop.ticketNo = 5;
        stop.row = n;
        stop.routeNo = QStringLiteral("00123");
        stop.ticketDate = ticketDate;
        console().RefreshSeirikenPrev(ticket::PreviewOptionsOf(forms->options()), stop);
    }

    QRgb previewCentre()
    {
        const QImage shown = ticket::PreviewImage(console().picSeirikenPrev);
        return shown.pixel(shown.width() / 2, shown.height() / 2);
    }

    QTemporaryDir dir;
};

TEST_F(TicketPlugins, ABarcodePluginListsNineLines)
{
    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("full")), 2);
    EXPECT_EQ(lines(options().ticketPage().List1), (QStringList{
                                          QStringLiteral("日付の印字 ---> 可能"),
                                          QStringLiteral("時刻の印字 ---> 可能"),
                                          QStringLiteral("系統番号の印字 ---> 可能"),
                                          QStringLiteral("停名の印字 ---> 可能"),
                                          QStringLiteral("バーコード印字 ---> 可能"),
                                          QStringLiteral("バーコード本数 ---> 2"),
                                          QStringLiteral("バーコード系統方式 ---> 連番式"),
                                          QStringLiteral("設定可能な系統範囲 ---> 1 ～ 500"),
                                          QStringLiteral("停留所認識範囲 ---> 1 ～ 99"),
                                          QStringLiteral("社名切り替え:---> 可能"),
                                      }));
    EXPECT_EQ(options().ticketPage().txtPlginComment->toPlainText(), QStringLiteral("試験用プラグイン\n１行目\n２行目"));
    EXPECT_EQ(items(console().Combo1), (QStringList{QStringLiteral("東西バス"), QStringLiteral("南北交通")}));
    // 3000 x 1500 twips.
    EXPECT_EQ(console().picSeirikenPrev->size(), QSize(200, 100));
    // Taking over the plug-in is not choosing it: the file name is Command1's to set.
    EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), QString());
}

TEST_F(TicketPlugins, OtherBarcodeValuesListSixLines)
{
    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("plain")), 2);
    EXPECT_EQ(lines(options().ticketPage().List1), (QStringList{
                                          QStringLiteral("日付の印字 ---> 可能"),
                                          QStringLiteral("時刻の印字 ---> 不可"),
                                          QStringLiteral("系統番号の印字 ---> 可能"),
                                          QStringLiteral("停名の印字 ---> 不可"),
                                          QStringLiteral("バーコード印字 ---> 不可"),
                                          QStringLiteral("社名切り替え:---> 不可"),
                                      }));
    EXPECT_EQ(console().Combo1->count(), 0);
    EXPECT_EQ(console().picSeirikenPrev->size(), QSize(120, 60));

    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("nobarcode")), 2);
    EXPECT_EQ(options().ticketPage().List1->count(), 6);
    EXPECT_EQ(options().ticketPage().List1->item(4)->text(), QStringLiteral("バーコード印字 ---> 不可"));
}

TEST_F(TicketPlugins, FlagsCountOnlyWhenOneAndNumbersKeepTheirSign)
{
    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("oddvalues")), 2);
    EXPECT_EQ(lines(options().ticketPage().List1), (QStringList{
                                          QStringLiteral("日付の印字 ---> 不可"),
                                          QStringLiteral("時刻の印字 ---> 不可"),
                                          QStringLiteral("系統番号の印字 ---> 可能"),
                                          QStringLiteral("停名の印字 ---> 可能"),
                                          QStringLiteral("バーコード印字 ---> 可能"),
                                          QStringLiteral("バーコード本数 ---> -2"),
                                          QStringLiteral("バーコード系統方式 ---> 系統番号＋往復フラグ"),
                                          QStringLiteral("設定可能な系統範囲 ---> 1 ～ -1"),
                                          QStringLiteral("停留所認識範囲 ---> -3 ～ 0"),
                                          QStringLiteral("社名切り替え:---> 可能"),
                                      }));
    EXPECT_EQ(console().Combo1->count(), 2);
}

TEST_F(TicketPlugins, RefusedNamesChangeNothing)
{
    options().ticketPage().SetPlgin(testPlugin("full"));
    const QStringList before = lines(options().ticketPage().List1);
    EXPECT_EQ(options().ticketPage().SetPlgin(QString()), 0);
    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("notaplugin")), 0);
    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("oldversion")), 0);
    EXPECT_EQ(options().ticketPage().SetPlgin(testPlugin("refuses")), 0);
    EXPECT_EQ(lines(options().ticketPage().List1), before);
    EXPECT_EQ(console().Combo1->count(), 2);
    EXPECT_EQ(console().picSeirikenPrev->size(), QSize(200, 100));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TicketPlugins, ChoosingAPluginTakesItOver)
{
    FileDialogAnswer seen;
    choose(testPlugin("full"), &seen);
    EXPECT_EQ(seen.title, QStringLiteral("プラグインの選択"));
    ASSERT_FALSE(seen.filters.isEmpty());
    EXPECT_TRUE(seen.filters[0].startsWith(QStringLiteral("整理券プラグイン(*.4SP)")));
    EXPECT_EQ(QFileInfo(options().ticketPage().txtSeiriPlgDir->text()), QFileInfo(testPlugin("full")));
    EXPECT_EQ(options().ticketPage().List1->count(), 10);
    EXPECT_EQ(console().Combo1->count(), 2);

    // Another plug-in replaces the company list rather than adding to it.
    choose(testPlugin("plain"));
    EXPECT_EQ(QFileInfo(options().ticketPage().txtSeiriPlgDir->text()), QFileInfo(testPlugin("plain")));
    EXPECT_EQ(console().Combo1->count(), 0);
    EXPECT_EQ(options().ticketPage().List1->count(), 6);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TicketPlugins, CancellingTheDialogChangesNothing)
{
    choose(testPlugin("full"));
    console().Combo1->setCurrentIndex(1);
    const QString file = options().ticketPage().txtSeiriPlgDir->text();
    choose(QString());
    EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), file);
    EXPECT_EQ(options().ticketPage().List1->count(), 10);
    EXPECT_EQ(items(console().Combo1), (QStringList{QStringLiteral("東西バス"), QStringLiteral("南北交通")}));
    EXPECT_EQ(console().Combo1->currentIndex(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TicketPlugins, AFileThatIsNoPluginShowsTheLoadErrorAndKeepsThePrevious)
{
    choose(testPlugin("full"));
    console().Combo1->setCurrentIndex(1);
    const QString file = options().ticketPage().txtSeiriPlgDir->text();
    const QStringList list = lines(options().ticketPage().List1);
    const QString comment = options().ticketPage().txtPlginComment->toPlainText();

    const QByteArray sample = fileBytes(samplePlugin());
    const QString refused[] = {
        writeFile(dir.filePath(QStringLiteral("readme.4SP")), "not a plug-in"),
        writeFile(dir.filePath(QStringLiteral("cut.4SP")), sample.left(8192)),
        testPlugin("notaplugin"),
    };
    for (const QString &bad : refused) {
        messages.shown.clear();
        choose(bad);
        ASSERT_EQ(messages.shown.size(), 1u) << bad.toStdString();
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"));
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("プラグインロードエラー"));
        EXPECT_EQ(messages.shown[0].buttons, MessagePresenter::Buttons::Ok);
        EXPECT_EQ(messages.shown[0].icon, MessagePresenter::Icon::Error);
        EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), file);
        EXPECT_EQ(lines(options().ticketPage().List1), list);
        EXPECT_EQ(options().ticketPage().txtPlginComment->toPlainText(), comment);
        // The plug-in still in use keeps its companies and the choice among them.
        EXPECT_EQ(console().Combo1->count(), 2);
        EXPECT_EQ(console().Combo1->currentIndex(), 1);
    }
}

TEST_F(TicketPlugins, ClearingLeavesTheCompaniesAndThePreviewSize)
{
    choose(testPlugin("full"));
    options().ticketPage().Command11->click();
    EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), QString());
    EXPECT_EQ(options().ticketPage().List1->count(), 0);
    EXPECT_EQ(options().ticketPage().txtPlginComment->toPlainText(), QString());
    EXPECT_EQ(console().Combo1->count(), 2);
    EXPECT_EQ(console().picSeirikenPrev->size(), QSize(200, 100));
    EXPECT_EQ(options().ticketPage().Command11->text(), QStringLiteral("×"));
}

TEST_F(TicketPlugins, UsingThePreviewShowsItsSettings)
{
    for (QGroupBox *g : {options().ticketPage().Frame10, options().ticketPage().Frame7})
        EXPECT_FALSE(g->isEnabled());
    options().ticketPage().chkUseSeiriPrev->setChecked(true);
    for (QGroupBox *g : {options().ticketPage().Frame10, options().ticketPage().Frame7})
        EXPECT_TRUE(g->isEnabled());
    options().ticketPage().chkUseSeiriPrev->setChecked(false);
    for (QGroupBox *g : {options().ticketPage().Frame10, options().ticketPage().Frame7})
        EXPECT_FALSE(g->isEnabled());
}

TEST_F(TicketPlugins, TheSwitchOpensAndHidesThePreview)
{
    const QRect narrow = console().geometry();
    EXPECT_EQ(narrow.width(), 353);
    EXPECT_GE(console().picSeirikenPrev->x(), narrow.width());
    EXPECT_EQ(console().Check4->text(), QStringLiteral(">>"));

    // The console starts in the screen's bottom-right corner, so it grows leftwards and stays
    // wholly on the screen; hidden again, it is back in its corner.
    const QRect corner = console().frameGeometry();
    console().Check4->click();
    EXPECT_EQ(console().width(), 594); // 9000 twips less the frame
    EXPECT_EQ(console().minimumWidth(), console().maximumWidth());
    EXPECT_EQ(console().Check4->text(), QStringLiteral("<<"));
    EXPECT_EQ(console().Check4->toolTip(), QStringLiteral("整理券プレビューを隠します\nキー: F5"));
    EXPECT_EQ(console().height(), narrow.height());
    EXPECT_EQ(console().frameGeometry().topRight(), corner.topRight());

    console().Check4->click();
    EXPECT_EQ(console().width(), 353);
    EXPECT_EQ(console().frameGeometry(), corner);
    EXPECT_EQ(console().Check4->text(), QStringLiteral(">>"));
    EXPECT_EQ(console().Check4->toolTip(), QStringLiteral("整理券プレビューを開きます\nキー: F5"));

    // The settings file sets the switch without a click.
    console().Check4->setChecked(true);
    EXPECT_EQ(console().width(), 594);
}

TEST_F(TicketPlugins, RefreshDrawsWithTheChosenCompany)
{
    DrawLog log;
    usePreview(testPlugin("full"));
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(8, 1, 2)));
    refresh();
    console().Combo1->setCurrentIndex(1);
    refresh(7);
    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0], (QByteArrayList{base::Cp932::fromUnicode(QStringLiteral("市役所前")), "12-07-2026",
                                        "08:01:02", "123", "5", "6", "-1", "198x98"}));
    EXPECT_EQ(calls[1][5], QByteArray("7"));
    EXPECT_EQ(calls[1][6], QByteArray("1"));
    EXPECT_EQ(previewCentre(), 0xFF00FF00u);
}

TEST_F(TicketPlugins, WithoutCompaniesTheDrawGetsMinusOne)
{
    DrawLog log;
    usePreview(testPlugin("nobarcode"));
    EXPECT_EQ(console().Combo1->count(), 0);
    refresh();
    ASSERT_EQ(log.calls().size(), 1);
    EXPECT_EQ(log.calls()[0][6], QByteArray("-1"));
}

TEST_F(TicketPlugins, NotInUseThePreviewIsClearedAndNothingDrawn)
{
    DrawLog log;
    usePreview(testPlugin("full"));
    refresh();
    ASSERT_EQ(previewCentre(), 0xFF00FF00u);
    options().ticketPage().chkUseSeiriPrev->setChecked(false);
    refresh();
    refresh();
    EXPECT_EQ(log.calls().size(), 1);
    EXPECT_NE(previewCentre(), 0xFF00FF00u);
    EXPECT_EQ(previewCentre(), console().picSeirikenPrev->palette().color(QPalette::Window).rgb());
}

TEST_F(TicketPlugins, TheDateKeptAtRouteSettingOutlivesMidnight)
{
    DrawLog log;
    usePreview(testPlugin("full"));
    options().ticketPage().Option4[1]->setChecked(true);
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 58, 0)));
    const QString ticketDate = ticket::TicketDateAtRouteSetting(ticket::PreviewOptionsOf(forms->options()), clock.now());
    refresh(6, ticketDate);
    clock.advance(5 * 60 * 1000);
    refresh(7, ticketDate);
    options().ticketPage().Option4[0]->setChecked(true);
    refresh(8, ticketDate);
    options().ticketPage().Option4[2]->setChecked(true);
    refresh(9, ticketDate);
    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[0][1], QByteArray("12-07-2026"));
    EXPECT_EQ(calls[1][1], QByteArray("12-07-2026"));
    EXPECT_EQ(calls[1][2], QByteArray("00:03:00"));
    EXPECT_EQ(calls[2][1], QByteArray("12-08-2026"));
    EXPECT_EQ(calls[3][1], options().ticketPage().Label10->text().toLatin1());
}

TEST_F(TicketPlugins, RightPressOpensTheMenuThatCopiesThePreview)
{
    usePreview(samplePlugin());
    console().Check4->setChecked(true);
    console().show();
    refresh();
    QLabel *preview = console().picSeirikenPrev;
    const QPoint at(10, 10);
    QMouseEvent left(QEvent::MouseButtonPress, QPointF(at), QPointF(preview->mapToGlobal(at)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(preview, &left);
    EXPECT_FALSE(console().MnuHide->isVisible());
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(at), QPointF(preview->mapToGlobal(at)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(preview, &right);
    EXPECT_TRUE(console().MnuHide->isVisible());
    ASSERT_EQ(console().MnuHide->actions().size(), 1);
    EXPECT_EQ(console().MnuHide->actions()[0]->text(), QStringLiteral("コピー(&C)"));

    QApplication::clipboard()->setText(QStringLiteral("earlier"));
    console().MnuHideCopy->trigger();
    console().MnuHide->hide();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(QApplication::clipboard()->text(), QString());
    const QImage shown = ticket::PreviewImage(preview);
    ASSERT_EQ(copied.size(), shown.size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
}

TEST_F(TicketPlugins, TheSampleTicketOnTheConsole)
{
    usePreview(samplePlugin());
    console().Combo1->setCurrentIndex(0);
    console().Check4->setChecked(true);
    console().show();
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 30, 0)));
    refresh(7);
    EXPECT_EQ(console().picSeirikenPrev->size(), QSize(220, 142));
    const QImage console_ = console().grab().toImage();
    const QRect area = console().picSeirikenPrev->geometry();
    ASSERT_TRUE(console_.rect().contains(area));
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(console_.pixel(x, y)) < 96 ? 1 : 0;
    }
    EXPECT_GT(ink, 800);
    // HARUNE_SCREENSHOT_DIR keeps the picture for a look.
    const QString keep = qEnvironmentVariable("HARUNE_SCREENSHOT_DIR");
    if (!keep.isEmpty())
        console_.save(QDir(keep).filePath(QStringLiteral("console_ticket_preview.png")));
}

TEST_F(TicketPlugins, EveryDisplayUpdateDrawsTheTicketOfItsStop)
{
    DrawLog log;
    usePreview(testPlugin("full"));
    options().ticketPage().Option4[1]->setChecked(true);
    options().folderPage().Text2[0]->setText(QStringLiteral(HARUNE_SOURCE_DIR "/data/demo"));
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 0)));
    driver().keyInRoute(QStringLiteral("1"), QStringLiteral("3"));
    clock.advance(2 * 60 * 1000); // past midnight
    console().Command2[1]->click();
    console().Command2[0]->click(); // back to stop 3
    console().Command2[0]->click(); // stop 2: stepping back goes below the starting section
    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 4);
    // Stop 3 of demo route 1 is 本町二丁目, ticket 3; then stop 4, 市役所前.
    EXPECT_EQ(calls[0][0], base::Cp932::fromUnicode(QStringLiteral("本町二丁目")));
    EXPECT_EQ(calls[0][4], QByteArray("3"));
    EXPECT_EQ(calls[0][5], QByteArray("3"));
    EXPECT_EQ(calls[1][0], base::Cp932::fromUnicode(QStringLiteral("市役所前")));
    EXPECT_EQ(calls[1][5], QByteArray("4"));
    EXPECT_EQ(calls[2][5], QByteArray("3"));
    EXPECT_EQ(calls[3][5], QByteArray("2"));
    // The date kept at route setting, the route as a number.
    for (const auto &call : calls) {
        EXPECT_EQ(call[1], QByteArray("12-07-2026"));
        EXPECT_EQ(call[3], QByteArray("1"));
    }
}

TEST_F(TicketPlugins, APluginInAFolderNamedOutsideTheCodePageLoadsAndOutlivesARestart)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Données")));
    const QString plugin = dir.filePath(QStringLiteral("Données/full.4SP"));
    ASSERT_TRUE(QFile::copy(testPlugin("full"), plugin));
    choose(plugin);
    EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), plugin);
    EXPECT_EQ(options().ticketPage().List1->count(), 10);
    // Told once that the name is kept beside the settings file.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(plugin));
    refresh();
    EXPECT_EQ(previewCentre(), 0xFF00FF00u);

    restart();
    EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), plugin);
    EXPECT_EQ(options().ticketPage().List1->count(), 10);
    EXPECT_EQ(console().Combo1->count(), 2);
}

TEST_F(TicketPlugins, APluginThatCrashedIsLeftOutAtTheNextStartWhichSaysSoOnce)
{
    const QString plugin = dir.filePath(QStringLiteral("crashes.4SP"));
    ASSERT_TRUE(QFile::copy(testPlugin("full"), plugin));
    usePreview(plugin);
    restart();
    ASSERT_EQ(options().ticketPage().List1->count(), 10);

    // A run that died while drawing: its marker names the plug-in, its process is gone.
    qint64 gone = 0;
    {
        QProcess child;
        child.start(QStringLiteral("true"), {});
        ASSERT_TRUE(child.waitForFinished());
        gone = child.processId();
    }
    const QString config = services.settingsFallbackFolder;
    writeFile(QDir(config).filePath(QStringLiteral("plugin-call.%1").arg(gone)), plugin.toUtf8());
    const size_t before = messages.shown.size();

    restart();
    ASSERT_EQ(messages.shown.size(), before + 2); // the close confirmation, then the notice
    EXPECT_TRUE(messages.shown.back().text.contains(plugin));
    EXPECT_EQ(messages.shown.back().icon, MessagePresenter::Icon::Warning);
    EXPECT_EQ(options().ticketPage().List1->count(), 0);
    // The setting itself is kept.
    EXPECT_EQ(options().ticketPage().txtSeiriPlgDir->text(), plugin);

    restart();
    EXPECT_EQ(messages.shown.size(), before + 3); // only the close confirmation
    EXPECT_EQ(options().ticketPage().List1->count(), 0);

    // Chosen again, it is taken over.
    choose(plugin);
    EXPECT_EQ(options().ticketPage().List1->count(), 10);
}
