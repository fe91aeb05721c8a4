#include "app/ConsoleDesign.h"

#include "app/EntryFrame.h"
#include "base/Twips.h"
#include "settings/ValueRules.h"
#include "ui/WindowShape.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace app {

namespace {

// Where the two route-entry frames lie, one on top of the other (pixels).
const QRect EntryFrameRect(4, 2, 152, 167);

QPushButton *makeButton(QWidget *parent, const QString &caption, const QString &name, const QRect &geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLabel *makeLabel(QWidget *parent, const QString &caption, const QRect &geometry, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(caption, parent);
    l->setGeometry(geometry);
    l->setAlignment(align);
    return l;
}

// All ten digits of a digit list are in view at once: the rows share the list's height and the
// digits are drawn as tall as a row.
void showAllDigits(QListWidget *list)
{
    const int rows = list->count();
    const int rowHeight = (list->height() - 2 * list->frameWidth()) / rows;
    QFont f = list->font();
    f.setPixelSize(rowHeight);
    list->setFont(f);
    list->setUniformItemSizes(true);
    for (int row = 0; row < rows; ++row) {
        list->item(row)->setSizeHint(QSize(list->width() - 2 * list->frameWidth(), rowHeight));
        list->item(row)->setTextAlignment(Qt::AlignCenter);
    }
}

// What a screen reader calls the digit list for 10^power: the leftmost list is the highest place.
QString placeName(int power)
{
    static const QString names[] = {QStringLiteral("一の位"), QStringLiteral("十の位"), QStringLiteral("百の位"),
                                    QStringLiteral("千の位"), QStringLiteral("万の位")};
    return names[power];
}

} // namespace

void ConsoleDesign::createControls(QWidget *console)
{
    m_console = console;
    createRouteEntryFrames();
    createSteppingControls();
    createSwitches();
    createTapeGroup();
    createPreviewArea();
}

QWidget *ConsoleDesign::widgetOf(ConsoleControl control) const
{
    switch (control) {
    case ConsoleControl::DigitListFrame:
        return Frame1[DigitListFrame];
    case ConsoleControl::KeypadFrame:
        return Frame1[KeypadFrame];
    case ConsoleControl::DataBack:
        return Command2[DataBack];
    case ConsoleControl::DataForward:
        return Command2[DataForward];
    case ConsoleControl::DisplayClear:
        return Check1;
    case ConsoleControl::NightAndScroll:
        return Frame6;
    case ConsoleControl::TapeGroup:
        return grpM_Tape;
    case ConsoleControl::TapeNext:
        return cmdTapeNext;
    case ConsoleControl::TapeBack:
        return cmdTapeBack;
    case ConsoleControl::TapeStop:
        return cmdTapeStop;
    case ConsoleControl::TapeSet:
        break;
    }
    return cmdTapeSet;
}

std::optional<int> ConsoleDesign::chosenDigit(DigitList list, int position) const
{
    // The list's current item, when that is selected.
    const QListWidget *w = list == DigitList::Route ? List2[position] : List3[position];
    const QListWidgetItem *item = w->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return w->row(item);
}

void ConsoleDesign::createRouteEntryFrames()
{
    createDigitListFrame();
    createKeypadFrame();
    // The keypad lies on top at design.
    Frame1[DigitListFrame]->hide();
}

void ConsoleDesign::createDigitListFrame()
{
    auto *frame = new EntryFrame(DigitListFrame, m_console);
    frame->setGeometry(EntryFrameRect);
    Frame1[DigitListFrame] = frame;
    // The frames have no caption; their names say which way of entry is on top.
    frame->setAccessibleName(QStringLiteral("桁リストで系統入力"));

    makeLabel(frame, QStringLiteral("系　統"), QRect(6, 6, 85, 16), Qt::AlignCenter);
    makeLabel(frame, QStringLiteral("区間"), QRect(95, 6, 51, 16), Qt::AlignCenter);
    const QStringList digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    auto makeList = [&](const QString &name, int x) {
        auto *list = new QListWidget(frame);
        list->setObjectName(name);
        list->addItems(digits);
        list->setGeometry(x, 24, 17, 104);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        showAllDigits(list);
        return list;
    };
    for (int j = 0; j < RouteDigitLists; ++j) {
        List2[j] = makeList(QStringLiteral("List2_%1").arg(j), 6 + 17 * j);
        List2[j]->setAccessibleName(QStringLiteral("系統 ") + placeName(RouteDigitLists - 1 - j));
    }
    for (int j = 0; j < SectionDigitLists; ++j) {
        List3[j] = makeList(QStringLiteral("List3_%1").arg(j), 95 + 17 * j);
        List3[j]->setAccessibleName(QStringLiteral("区間 ") + placeName(SectionDigitLists - 1 - j));
    }

    makeLabel(frame, QStringLiteral("系統設定"), QRect(6, 136, 52, 22));
    Command1[DigitListFrame] = makeButton(frame, QStringLiteral("リセット"), QStringLiteral("Command1_0"), QRect(58, 134, 88, 26));
}

void ConsoleDesign::createKeypadFrame()
{
    auto *frame = new EntryFrame(KeypadFrame, m_console);
    frame->setGeometry(EntryFrameRect);
    Frame1[KeypadFrame] = frame;
    frame->setAccessibleName(QStringLiteral("テンキーで系統入力"));

    // The display: route digits, a dash, section digits.
    auto display = [&](const QString &name, const QRect &r) {
        auto *l = makeLabel(frame, QString(), r, Qt::AlignRight | Qt::AlignVCenter);
        l->setObjectName(name);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, QColor(0x80, 0xFF, 0x80));
        l->setPalette(p);
        QFont f = l->font();
        f.setFamily(QStringLiteral("Monospace"));
        f.setPixelSize(15);
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    Label2[0] = display(QStringLiteral("Label2_0"), QRect(8, 8, 70, 22));
    Label2[1] = makeLabel(frame, QStringLiteral("-"), QRect(78, 8, 12, 22), Qt::AlignCenter);
    Label2[1]->setObjectName(QStringLiteral("Label2_1"));
    Label2[2] = display(QStringLiteral("Label2_2"), QRect(90, 8, 54, 22));
    // A screen reader speaks the digits keyed in, then what they are.
    Label2[0]->setAccessibleDescription(QStringLiteral("入力した系統"));
    Label2[2]->setAccessibleDescription(QStringLiteral("入力した区間"));

    // Keys in three rows of four: 7 8 9 系統 / 4 5 6 区間 / 1 2 3 0.
    const KeypadKey grid[3][4] = {{Key7, Key8, Key9, KeyRoute}, {Key4, Key5, Key6, KeySection}, {Key1, Key2, Key3, Key0}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const KeypadKey k = grid[row][col];
            const QString caption = k <= Key9 ? QString::number(k) : (k == KeyRoute ? QStringLiteral("系統") : QStringLiteral("区間"));
            CommandButton1[k] = makeButton(frame, caption, QStringLiteral("CommandButton1_%1").arg(k),
                                           QRect(6 + col * 35, 36 + row * 31, 30, 27));
        }
    }
    Command1[KeypadFrame] = makeButton(frame, QStringLiteral("リセット"), QStringLiteral("Command1_1"), QRect(8, 134, 136, 26));
}

void ConsoleDesign::createSteppingControls()
{
    Command2[DataForward] = makeButton(m_console, QStringLiteral("データ送り"), QStringLiteral("Command2_1"), QRect(160, 4, 86, 32));
    Command2[DataBack] = makeButton(m_console, QStringLiteral("データ戻し"), QStringLiteral("Command2_0"), QRect(160, 38, 86, 32));
    Command2[DataBack]->setEnabled(false);
    Command2[DataForward]->setEnabled(false);

    Check1 = new QCheckBox(QStringLiteral("表示消去"), m_console);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(162, 72, 84, 18);
    Check1->setEnabled(false);

    Frame6 = new QGroupBox(m_console);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setAccessibleName(QStringLiteral("深夜料金とスクロール"));
    Frame6->setGeometry(250, 64, 99, 82);
    Check2 = new QCheckBox(QStringLiteral("深夜料金"), Frame6);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(5, 3, 90, 18);
    const QString captions[2] = {QStringLiteral("ｽｸﾛｰﾙ速度"), QStringLiteral("ｽｸﾛｰﾙ間隔")};
    // The captions' half-width kana read badly aloud; the bars are named in full-width.
    const QString spoken[2] = {QStringLiteral("スクロール速度"), QStringLiteral("スクロール間隔")};
    using settings::ValueRules;
    const int ranges[2][2] = {{ValueRules::ScrollSpeedLowest, ValueRules::ScrollSpeedHighest},
                              {ValueRules::ScrollWaitLowest, ValueRules::ScrollWaitHighest}};
    for (int i = 0; i < 2; ++i) {
        const int y = 22 + i * 29;
        makeLabel(Frame6, captions[i], QRect(5, y, 60, 14));
        Label1[i] = makeLabel(Frame6, QString::number(ranges[i][0]), QRect(62, y, 32, 14), Qt::AlignRight | Qt::AlignVCenter);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        HScroll1[i] = new QScrollBar(Qt::Horizontal, Frame6);
        HScroll1[i]->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        HScroll1[i]->setRange(ranges[i][0], ranges[i][1]);
        HScroll1[i]->setSingleStep(1);
        HScroll1[i]->setPageStep(1);
        HScroll1[i]->setValue(ranges[i][0]);
        HScroll1[i]->setGeometry(5, y + 14, 89, 13);
        HScroll1[i]->setAccessibleName(spoken[i]);
        // Tab reaches the bars, and the right arrow key makes the value larger: a scroll bar's
        // own keys run the other way round.
        HScroll1[i]->setFocusPolicy(Qt::TabFocus);
        HScroll1[i]->setInvertedControls(false);
    }
}

void ConsoleDesign::createSwitches()
{
    Frame2 = new QGroupBox(QStringLiteral("バックライト"), m_console);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(160, 90, 86, 58);
    const QString captions[3] = {QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    const QRect places[3] = {QRect(8, 14, 70, 14), QRect(8, 28, 70, 14), QRect(8, 42, 70, 14)};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = new QRadioButton(captions[i], Frame2);
        Option4[i]->setObjectName(QStringLiteral("Option4_%1").arg(i));
        Option4[i]->setGeometry(places[i]);
    }
    // "OFF" at design.
    Option4[0]->setChecked(true);

    Command4 = makeButton(m_console, QStringLiteral("設定..."), QStringLiteral("Command4"), QRect(250, 149, 48, 22));
    Command8 = makeButton(m_console, QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), QStringLiteral("Command8"), QRect(300, 149, 49, 22));

    Check4 = new QCheckBox(QStringLiteral(">>"), m_console);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    Check4->setGeometry(162, 151, 84, 20);
    // ">>" and "<<" say nothing aloud; checked means the preview is open.
    Check4->setAccessibleName(QStringLiteral("整理券プレビュー"));
}

void ConsoleDesign::createTapeGroup()
{
    grpM_Tape = new QGroupBox(QStringLiteral("音合使用不可"), m_console);
    grpM_Tape->setObjectName(QStringLiteral("grpM_Tape"));
    grpM_Tape->setGeometry(250, 2, 99, 60);
    grpM_Tape->setEnabled(false);
    cmdTapeSet = makeButton(grpM_Tape, QStringLiteral("調整"), QStringLiteral("cmdTapeSet"), QRect(4, 15, 44, 20));
    cmdTapeStop = makeButton(grpM_Tape, QStringLiteral("■"), QStringLiteral("cmdTapeStop"), QRect(51, 15, 44, 20));
    cmdTapeBack = makeButton(grpM_Tape, QStringLiteral("戻し"), QStringLiteral("cmdTapeBack"), QRect(4, 37, 44, 20));
    cmdTapeNext = makeButton(grpM_Tape, QStringLiteral("送り"), QStringLiteral("cmdTapeNext"), QRect(51, 37, 44, 20));
    cmdTapeStop->setAccessibleName(QStringLiteral("停止"));
    for (QPushButton *b : {cmdTapeSet, cmdTapeStop, cmdTapeBack, cmdTapeNext})
        b->setEnabled(false);
}

void ConsoleDesign::createPreviewArea()
{
    Label4 = makeLabel(m_console, QStringLiteral("整理券プレビュー"), QRect(362, 4, 92, 18));
    Label4->setObjectName(QStringLiteral("Label4"));
    Combo1 = new QComboBox(m_console);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(456, 2, 132, 22);
    Combo1->setAccessibleName(QStringLiteral("整理券の会社"));
    picSeirikenPrev = new QLabel(m_console);
    picSeirikenPrev->setObjectName(QStringLiteral("picSeirikenPrev"));
    picSeirikenPrev->setGeometry(362, 26, 140, 140);
    picSeirikenPrev->setAutoFillBackground(true);
    picSeirikenPrev->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picSeirikenPrev->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picSeirikenPrev->setAccessibleName(QStringLiteral("整理券プレビュー"));

    MnuHide = new QMenu(m_console);
    MnuHide->setObjectName(QStringLiteral("MnuHide"));
    MnuHideCopy = MnuHide->addAction(QStringLiteral("コピー(&C)"));
    MnuHideCopy->setObjectName(QStringLiteral("MnuHideCopy"));

    showPreviewArea(false);
}

void ConsoleDesign::showPreviewArea(bool open)
{
    // Outside the narrow console the preview's controls are hidden, not only cut off, so that
    // they take neither the focus nor keys.
    for (QWidget *w : std::initializer_list<QWidget *>{Label4, Combo1, picSeirikenPrev})
        w->setVisible(open);
}

void ConsoleDesign::roundKeypadButtons()
{
    // The key's face is drawn inside its rounded outline, so the outline shows as the key's edge.
    const QString keyStyle = QStringLiteral(
        "QPushButton { margin: 2px 2px 2px 2px; border: 1px solid #6a6a6a; border-radius: 2px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd, stop:1 #dcdcdc); }"
        "QPushButton:pressed { background: #c8c8c8; }"
        "QPushButton:disabled { color: #a0a0a0; }");
    for (int i = 0; i < KeypadKeys; ++i) {
        KeyRegions[i] = ui::roundedRegion(2, 2, 28, 25, 2, 2);
        CommandButton1[i]->setStyleSheet(keyStyle);
        CommandButton1[i]->setMask(KeyRegions[i]);
    }
}

void ConsoleDesign::releaseKeyRegions()
{
    // The keys keep their outlines; only our own copies are let go.
    for (QRegion &r : KeyRegions)
        r = QRegion();
}

} // namespace app
