#include "../support/AccessibleNames.h"
#include "AppFixture.h"
#include "UserView.h"
#include "app/mdl731_000.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "settings/ColorButton.h"
#include "settings/ControlValues.h"
#include "settings/DigitPage.h"
#include "settings/FolderPage.h"
#include "settings/Options.h"
#include "settings/PanelPage.h"
#include "settings/SoundPage.h"
#include "settings/StopNamePage.h"
#include "settings/TicketPage.h"
#include "settings/frmOption.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

using ui::MessagePresenter;

namespace {

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

QString labels(app::Form1 &panel, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << panel.lblSeiriNum[i]->text();
    return out.join(u',');
}

} // namespace

class Options : public AppFixture
{
protected:
    settings::frmOption &options() { return forms->optionsWindow(); }

    void numberLabels(int style, int zeroFill)
    {
        int16_t s = static_cast<int16_t>(style);
        int16_t z = static_cast<int16_t>(zeroFill);
        app::mdl731_000::SeirikenNumSet(panel(), s, z);
    }

    QString userPanelFile(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

    void chooseUserPanel(int state, const QString &path)
    {
        static constexpr int userButton[3] = {6, 2, 5};
        options().panelPage().Option3[1]->setChecked(true);
        options().panelPage().Option3[userButton[state]]->setChecked(true);
        options().panelPage().txtSelectPanel[state]->setText(path);
    }

    QTemporaryDir dir;
};

TEST_F(Options, TabPassesThroughTheShownPageOnlyInReadingOrder)
{
    // Every group of controls in view: the image choices, the information digits, the plug-in.
    options().panelPage().Option3[1]->setChecked(true);
    for (QCheckBox *box : {options().digitPage().Check3[0], options().digitPage().Check3[1], options().digitPage().Check3[2],
                           options().digitPage().Check3[3]})
        box->setChecked(true);
    options().ticketPage().chkUseSeiriPrev->setChecked(true);
    showActive(options());
    for (int page = 0; page < 6; ++page) {
        options().Option1[page]->click();
        options().Option1[page]->setFocus();
        const QList<QWidget *> stops = tabStops(&options());
        ASSERT_GE(stops.size(), 3) << page;
        // Round the window from the page's selector: the page, then "OK", then the selector again.
        EXPECT_EQ(stops.back(), options().Option1[page]) << page;
        EXPECT_EQ(stops.at(stops.size() - 2), options().Command4) << page;
        for (QWidget *w : stops) // seen where its caption or its text begins
            EXPECT_TRUE(userCanSee(w, QPoint(4, w->height() / 2))) << page << " " << w->objectName().toStdString();
        for (qsizetype k = 1; k + 2 < stops.size(); ++k)
            EXPECT_TRUE(readsAfter(stops[k - 1], stops[k]))
                << page << ": " << stops[k - 1]->objectName().toStdString() << " then " << stops[k]->objectName().toStdString();
        if (page == 0) {
            EXPECT_EQ(stops.first(), options().folderPage().Text2[0]);
        }
        if (page == 2) {
            EXPECT_EQ(stops.indexOf(options().digitPage().Combo4[0]), stops.indexOf(options().digitPage().Check3[0]) + 1);
        }
        if (page == 4) {
            EXPECT_TRUE(stops.contains(options().soundPage().txtSelectSound[7])); // forward/back sounds in view
            EXPECT_FALSE(stops.contains(options().soundPage().txtSelectSound[3]));
        }
    }
    options().hide();
}

TEST_F(Options, ArrowKeysStepThroughThePagesEnterIsOkAndEscapeCloses)
{
    showActive(options());
    options().Option1[0]->setFocus();
    const std::pair<int, int> steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Right, 2}, {Qt::Key_Up, 1},
                                         {Qt::Key_Left, 0}, {Qt::Key_Up, 5},    {Qt::Key_Down, 0}};
    for (const auto &[key, page] : steps) {
        pressKey(&options(), key);
        EXPECT_EQ(options().focusWidget(), options().Option1[page]) << page;
        EXPECT_TRUE(options().Option1[page]->isChecked()) << page;
        EXPECT_TRUE(userCanSee(options().Frame1[page])) << page;
    }

    // Enter in a text box is "OK": the display options reach the panel and the window closes.
    options().digitPage().Command8[2]->setBackColor(0x0000FF);
    pressKey(&options(), Qt::Key_Tab);
    ASSERT_EQ(options().focusWidget(), options().folderPage().Text2[0]);
    pressKey(&options(), Qt::Key_Return);
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(panel().Degit[1]->DegitForeColor(), 0x0000FFu);

    // Escape closes the window as its close box does; the panel waits for the next "OK".
    showActive(options());
    options().digitPage().Command8[2]->setBackColor(0x00FF00);
    options().folderPage().Text2[0]->setFocus();
    pressKey(&options(), Qt::Key_Escape);
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(panel().Degit[1]->DegitForeColor(), 0x0000FFu);
}

TEST_F(Options, EveryControlHasANameAScreenReaderCanSpeak)
{
    const QStringList unnamed = unnamedFocusableControls(&options());
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
    // Names made from the captions beside the controls.
    EXPECT_EQ(spokenName(options().folderPage().Command3[0]), QStringLiteral("運賃データのフォルダーを選ぶ"));
    EXPECT_EQ(spokenName(options().Option1[5]), QStringLiteral("整理券プレビュー"));
    EXPECT_EQ(spokenName(options().digitPage().Combo4[4]), QStringLiteral("表示するデータの列"));
    EXPECT_EQ(spokenName(options().stopNamePage().Combo3), QStringLiteral("停名のフォントオプション"));
    // The preview digit reads what it shows.
    QAccessibleInterface *preview = QAccessible::queryAccessibleInterface(options().digitPage().M_Degit1);
    EXPECT_EQ(preview->text(QAccessible::Name), QStringLiteral("デジタル部品のプレビュー"));
    EXPECT_EQ(preview->text(QAccessible::Value), QStringLiteral("1234"));
}

TEST_F(Options, PageButtonsAndTwoLineCaptionsAnswerAClickAnywhereOnTheirFace)
{
    options().show();
    for (int page : {4, 1, 5, 0}) {
        QRadioButton *selector = options().Option1[page];
        clickAt(selector, selector->rect().bottomRight() - QPoint(4, 4));
        EXPECT_TRUE(selector->isChecked()) << page;
        EXPECT_TRUE(userCanSee(options().Frame1[page])) << page;
    }
    options().Option1[4]->click();
    for (int i : {1, 3}) {
        if (i == 3)
            options().soundPage().Option5[0]->click();
        QRadioButton *wrapped = options().soundPage().Option2[i];
        // On the second line of the caption, right of the middle.
        clickAt(wrapped, QPoint(wrapped->width() * 2 / 3, wrapped->height() - 5));
        EXPECT_TRUE(wrapped->isChecked()) << i;
    }
    options().hide();
}

TEST_F(Options, StartUpShowsTheNumbersOneToThirtyInWhite)
{
    EXPECT_EQ(labels(panel(), 1, 3), QStringLiteral("１,２,３"));
    EXPECT_EQ(panel().lblSeiriNum[30]->text(), QStringLiteral("３０"));
    EXPECT_EQ(panel().lblSeiriNum[1]->font().family(), QStringLiteral("M_NumC2"));
    EXPECT_TRUE(panel().lblSeiriNum[12]->isVisible());
    EXPECT_EQ(textColour(panel().lblSeiriNum[12]), QColor(Qt::white));
    EXPECT_EQ(options().panelPage().Combo2->count(), 12);
    EXPECT_EQ(options().panelPage().Combo2->itemText(0), QStringLiteral("1,2,3... 30 （既定の表示）"));
    EXPECT_EQ(options().panelPage().Combo2->itemText(3), QStringLiteral("「なし」、2,3... 30"));
    EXPECT_EQ(options().panelPage().Combo2->itemText(10), QStringLiteral("(無地)、1,2... 29"));
}

TEST_F(Options, NumberingStyles)
{
    numberLabels(3, 1);
    EXPECT_EQ(panel().lblSeiriNum[1]->text(), QStringLiteral("な　し"));
    EXPECT_EQ(labels(panel(), 2, 4), QStringLiteral("０２,０３,０４"));
    EXPECT_EQ(panel().lblSeiriNum[30]->text(), QStringLiteral("３０"));

    numberLabels(1, 0);
    EXPECT_EQ(labels(panel(), 1, 3), QStringLiteral("０,１,２"));
    EXPECT_EQ(panel().lblSeiriNum[30]->text(), QStringLiteral("２９"));
    EXPECT_EQ(panel().lblSeiriNum[1]->font().family(), QStringLiteral("M_NumC2"));

    numberLabels(10, 0);
    EXPECT_EQ(panel().lblSeiriNum[1]->text(), QString());
    EXPECT_EQ(labels(panel(), 2, 3), QStringLiteral("１,２"));
    EXPECT_EQ(panel().lblSeiriNum[30]->text(), QStringLiteral("２９"));

    numberLabels(4, 0);
    EXPECT_EQ(panel().lblSeiriNum[1]->text(), QStringLiteral("無　券"));
    EXPECT_EQ(panel().lblSeiriNum[1]->font().family(), QStringLiteral("IPAPGothic"));
    numberLabels(0, 0);
    EXPECT_EQ(panel().lblSeiriNum[1]->font().family(), QStringLiteral("M_NumC2"));
    EXPECT_EQ(panel().lblSeiriNum[1]->text(), QStringLiteral("１"));
    EXPECT_EQ(panel().lblSeiriNum[7]->text(), QStringLiteral("７"));

    numberLabels(0, 1);
    EXPECT_EQ(panel().lblSeiriNum[7]->text(), QStringLiteral("０７"));
    EXPECT_EQ(panel().lblSeiriNum[0]->text(), QString());
}

TEST_F(Options, OkAppliesVisibilityNumberingAndColours)
{
    options().panelPage().Check1->setChecked(false);
    options().panelPage().Combo2->setCurrentIndex(7);
    options().digitPage().Command8[0]->setBackColor(0x101010);
    options().digitPage().Command8[1]->setBackColor(0x202020);
    options().digitPage().Command8[2]->setBackColor(0x0000FF);
    options().Command4->click();
    for (int i = 1; i <= 30; ++i) {
        EXPECT_FALSE(panel().lblSeiriNum[i]->isVisible()) << i;
        EXPECT_EQ(panel().Degit[i]->BackColor(), 0x101010u) << i;
        EXPECT_EQ(panel().Degit[i]->BaseForeColor(), 0x202020u) << i;
        EXPECT_EQ(panel().Degit[i]->DegitForeColor(), 0x0000FFu) << i;
    }
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(panel().TimeDegit[k]->BackColor(), 0x101010u);
        EXPECT_EQ(panel().TimeDegit[k]->DegitForeColor(), 0x0000FFu);
    }
    EXPECT_EQ(panel().lblSeiriNum[1]->text(), QStringLiteral("券なし"));
    // The cells show the new colours at once: the background of a blank cell.
    EXPECT_EQ(panel().Degit[5]->surface().pixel(0, 0), qRgb(0x10, 0x10, 0x10));
    // Cell 0 and label 0 stay as they were.
    EXPECT_EQ(panel().Degit[0]->BackColor(), 0x808080u);
    EXPECT_EQ(panel().lblSeiriNum[0]->text(), QString());
    EXPECT_FALSE(options().isVisible());
}

TEST_F(Options, GreyCheckBoxesCountAsShownButNotBold)
{
    settings::setCheckValue(options().panelPage().Check1, 2);
    settings::setCheckValue(options().stopNamePage().Check4, 2);
    settings::setCheckValue(options().stopNamePage().Check5, 2);
    options().SetProp();
    EXPECT_TRUE(panel().lblSeiriNum[3]->isVisible());
    EXPECT_FALSE(panel().ChimeiCtl->FontBold());
    EXPECT_FALSE(panel().ChimeiCtl->TsugiwaBold());
    settings::setCheckValue(options().stopNamePage().Check4, 1);
    options().SetProp();
    EXPECT_TRUE(panel().ChimeiCtl->FontBold());
}

TEST_F(Options, UnselectedListsPassMinusOne)
{
    ASSERT_EQ(options().stopNamePage().Combo3->currentIndex(), -1);
    ASSERT_EQ(options().stopNamePage().Combo5->currentIndex(), -1);
    ASSERT_EQ(options().stopNamePage().Combo6->currentIndex(), -1);
    options().SetProp();
    EXPECT_EQ(panel().ChimeiCtl->FontMode(), -1);
    EXPECT_EQ(panel().ChimeiCtl->TsugiwaFontMode(), -1);
    EXPECT_EQ(panel().ChimeiCtl->TsugiwaMode(), 0);
    options().stopNamePage().Combo6->setCurrentIndex(2);
    options().SetProp();
    EXPECT_EQ(panel().ChimeiCtl->TsugiwaMode(), 2);
}

TEST_F(Options, NoBacklightSelectedSwitchesToTheOn2State)
{
    console().Option4[0]->setAutoExclusive(false);
    console().Option4[0]->setChecked(false);
    QPixmap on2(10, 10);
    on2.fill(Qt::red);
    panel().imgRes[2] = on2;
    options().panelPage().Command5[2]->setBackColor(0x123456);
    options().SetProp();
    // The backlight handler is called for ON2: its picture and its number colour.
    EXPECT_EQ(panel().picture().toImage().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(textColour(panel().lblSeiriNum[4]), QColor(0x56, 0x34, 0x12));
}

TEST_F(Options, BacklightSwitchColoursTheNumbers)
{
    options().panelPage().Command5[1]->setBackColor(0x00FF00);
    console().Option4[1]->click();
    EXPECT_EQ(textColour(panel().lblSeiriNum[9]), QColor(0, 255, 0));
    console().Option4[0]->click();
    EXPECT_EQ(textColour(panel().lblSeiriNum[9]), QColor(Qt::white));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Options, MissingUserPictureKeepsThePanelSilently)
{
    const QImage before = panel().picture().toImage();
    chooseUserPanel(1, dir.filePath(QStringLiteral("gone.bmp")));
    options().panelPage().Command5[1]->setBackColor(0x0000FF);
    console().Option4[1]->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(panel().picture().toImage(), before);
    EXPECT_EQ(textColour(panel().lblSeiriNum[1]), QColor(255, 0, 0));
}

TEST_F(Options, UserPictureThatIsNotAPictureIsReported)
{
    const QImage before = panel().picture().toImage();
    chooseUserPanel(2, userPanelFile(QStringLiteral("notes.bmp"), "this is only text\n"));
    options().panelPage().Command5[2]->setBackColor(0x00FFFF);
    console().Option4[2]->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("エラーです。\r\n\r\nエラーコード：481　指定した画像の内容が不正です。この部分では扱えません。"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(messages.shown[0].icon, MessagePresenter::Icon::Error);
    EXPECT_EQ(panel().picture().toImage(), before);
    EXPECT_EQ(textColour(panel().lblSeiriNum[30]), QColor(255, 255, 0));
}

TEST_F(Options, UserPictureIsShownUnscaledOverTheGrey)
{
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(qRgb(0, 0, 200));
    const QString path = dir.filePath(QStringLiteral("small.bmp"));
    ASSERT_TRUE(small.save(path, "BMP"));
    chooseUserPanel(0, path);
    console().Option4[1]->click();
    console().Option4[0]->click();
    const QImage shown = panel().grab().toImage();
    EXPECT_EQ(shown.pixel(10, 10), qRgb(0, 0, 200));
    EXPECT_EQ(shown.pixel(99, 49), qRgb(0, 0, 200));
    EXPECT_EQ(shown.pixel(620, 40), qRgb(0xF0, 0xF0, 0xF0));

    // A PNG is not one of the panel picture formats.
    const QString png = dir.filePath(QStringLiteral("small.png"));
    ASSERT_TRUE(small.save(png, "PNG"));
    options().panelPage().txtSelectPanel[0]->setText(png);
    console().Option4[1]->click();
    console().Option4[0]->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("481")));
}

TEST_F(Options, EnablingRulesFollowTheirCheckBoxes)
{
    EXPECT_FALSE(options().digitPage().Combo4[0]->isEnabled());
    EXPECT_FALSE(options().digitPage().Check3[4]->isEnabled());
    options().digitPage().Check3[0]->setChecked(true);
    EXPECT_TRUE(options().digitPage().Combo4[0]->isEnabled());
    EXPECT_TRUE(options().digitPage().Check3[4]->isEnabled());
    options().digitPage().Check3[0]->setChecked(false);
    EXPECT_FALSE(options().digitPage().Combo4[0]->isEnabled());
    EXPECT_FALSE(options().digitPage().Check3[4]->isEnabled());

    options().digitPage().Check3[3]->setChecked(true);
    EXPECT_TRUE(options().digitPage().Combo4[3]->isEnabled());
    EXPECT_TRUE(options().digitPage().Combo4[4]->isEnabled());

    EXPECT_TRUE(options().panelPage().Frame3->isEnabled());
    options().panelPage().Check1->setChecked(false);
    EXPECT_FALSE(options().panelPage().Frame3->isEnabled());

    for (QGroupBox *g : options().panelPage().Frame6)
        EXPECT_TRUE(g->isHidden());
    options().panelPage().Option3[1]->setChecked(true);
    for (QGroupBox *g : options().panelPage().Frame6) {
        EXPECT_FALSE(g->isHidden());
        EXPECT_TRUE(g->isEnabled());
    }
    options().panelPage().Option3[0]->setChecked(true);
    for (QGroupBox *g : options().panelPage().Frame6)
        EXPECT_TRUE(g->isHidden());

    EXPECT_TRUE(options().ticketPage().Frame10->isHidden());
    options().ticketPage().chkUseSeiriPrev->setChecked(true);
    EXPECT_FALSE(options().ticketPage().Frame10->isHidden());
    EXPECT_FALSE(options().ticketPage().Frame7->isHidden());
}

TEST_F(Options, InitialStateOfTheControls)
{
    auto &o = options();
    EXPECT_TRUE(o.Option1[0]->isChecked());
    EXPECT_TRUE(o.soundPage().Option5[1]->isChecked());
    EXPECT_TRUE(o.soundPage().Option2[0]->isChecked());
    EXPECT_TRUE(o.soundPage().Option6[1]->isChecked());
    EXPECT_TRUE(o.soundPage().Option2[2]->isChecked());
    EXPECT_TRUE(o.soundPage().Option7[0]->isChecked());
    EXPECT_TRUE(o.ticketPage().Option4[0]->isChecked());
    EXPECT_TRUE(o.panelPage().Option3[0]->isChecked());
    EXPECT_TRUE(o.panelPage().Option3[7]->isChecked());
    EXPECT_TRUE(o.panelPage().Option3[3]->isChecked());
    EXPECT_TRUE(o.panelPage().Option3[4]->isChecked());
    EXPECT_EQ(o.digitPage().Combo4[0]->count(), 30);
    EXPECT_EQ(o.digitPage().Combo4[4]->count(), 150);
    EXPECT_EQ(o.soundPage().Combo1->count(), 150);
    EXPECT_EQ(o.soundPage().Combo1->currentIndex(), 0);
    EXPECT_EQ(o.ticketPage().Label10->text(), QStringLiteral("2026/12/07"));
    EXPECT_EQ(o.digitPage().M_Degit1->DegitSize(), 2);
    EXPECT_EQ(o.panelPage().Command5[1]->BackColor(), 0xC0FFC0u);
    EXPECT_EQ(o.stopNamePage().Command9[1]->BackColor(), 0x00FFFFu);
    EXPECT_EQ(o.soundPage().txtSelectSound[2], nullptr);
    EXPECT_EQ(forms->options().soundFile(settings::SoundSlot::RouteSetting), QString());
    EXPECT_EQ(o.folderPage().Text2[0]->text(), QString());
}

TEST_F(Options, ColourPickerChangesTheButtonAndThePreviewOnlyWhenConfirmed)
{
    auto answerColour = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentColor(QColor(10, 20, 30));
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
    };
    answerColour(false);
    options().digitPage().Command8[2]->click();
    EXPECT_EQ(options().digitPage().Command8[2]->BackColor(), 0x72D2F8u);

    answerColour(true);
    options().digitPage().Command8[2]->click();
    EXPECT_EQ(options().digitPage().Command8[2]->BackColor(), base::rgb(10, 20, 30));
    EXPECT_EQ(options().digitPage().M_Degit1->DegitForeColor(), base::rgb(10, 20, 30));
    EXPECT_EQ(options().digitPage().M_Degit1->BackColor(), 0x808080u);
    // Nothing reaches the panel before "OK".
    EXPECT_EQ(panel().Degit[1]->DegitForeColor(), 0x72D2F8u);
}

TEST_F(Options, CancelledPickersChangeNothing)
{
    options().folderPage().Text2[0]->setText(QStringLiteral("/data/fares"));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    options().folderPage().Command3[0]->click();
    EXPECT_EQ(options().folderPage().Text2[0]->text(), QStringLiteral("/data/fares"));
}

TEST_F(Options, PagesComeToTheFront)
{
    options().show();
    options().Option1[3]->click();
    const QPoint probe = options().Frame1[0]->geometry().center();
    QWidget *w = options().childAt(probe);
    while (w && w->parentWidget() != &options())
        w = w->parentWidget();
    EXPECT_EQ(w, options().Frame1[3]);
    options().hide();
}

TEST_F(Options, TheWindowAndTheOptionsFollowEachOther)
{
    settings::Options &model = forms->options();
    // A control writes its option at once, before "OK".
    options().soundPage().txtSelectSound[9]->setText(QStringLiteral("/x.wav"));
    EXPECT_EQ(model.soundFile(settings::SoundSlot::StepColumnValue2), QStringLiteral("/x.wav"));
    options().panelPage().Option3[1]->click();
    EXPECT_EQ(model.panel().PanelAuto, 0);
    EXPECT_EQ(model.panel().PanelManual, -1);
    EXPECT_TRUE(options().panelPage().Option3[1]->isChecked());
    options().digitPage().Combo4[3]->setCurrentIndex(7);
    EXPECT_EQ(model.columnDigit().cell, 8);
    // Typing goes on where the cursor is: the window does not write the text back.
    QLineEdit *folder = options().folderPage().Text2[0];
    folder->setText(QStringLiteral("/abc"));
    folder->setCursorPosition(1);
    folder->insert(QStringLiteral("X"));
    EXPECT_EQ(model.fareDataFolder(), QStringLiteral("/Xabc"));
    EXPECT_EQ(folder->cursorPosition(), 2);

    // A change from outside the window shows in its controls, and the enabling rules follow.
    model.change([](settings::OptionRecords &r) {
        r.degit.InfoOrderUse = 1;
        r.panel.SeiriNumStyle = 3;
        r.panel.PanelAuto = -1;
        r.panel.PanelManual = 0;
        r.chimei.ChimeiTsugiwaColor = 0x123456;
        r.seiriken.FixedDate = QStringLiteral("2030/01/01");
    });
    EXPECT_TRUE(options().digitPage().Check3[0]->isChecked());
    EXPECT_TRUE(options().digitPage().Combo4[0]->isEnabled());
    EXPECT_TRUE(options().digitPage().Check3[4]->isEnabled());
    EXPECT_EQ(options().panelPage().Combo2->currentIndex(), 3);
    EXPECT_TRUE(options().panelPage().Option3[0]->isChecked());
    EXPECT_TRUE(options().panelPage().Frame6[1]->isHidden());
    EXPECT_EQ(options().stopNamePage().Command9[2]->BackColor(), 0x123456u);
    EXPECT_EQ(options().ticketPage().Label10->text(), QStringLiteral("2030/01/01"));
    EXPECT_EQ(options().soundPage().txtSelectSound[9]->text(), QStringLiteral("/x.wav"));
}
