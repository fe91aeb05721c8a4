#include "app/frmCtl.h"

#include "app/Form1.h"
#include "app/EntryFrame.h"
#include "app/Forms.h"
#include "app/ModuleCalls.h"
#include "app/PanelUpdate.h"
#include "app/RouteEntry.h"
#include "app/ScreenFit.h"
#include "app/UserPicture.h"
#include "app/mdl731_000.h"
#include "controls/ChimeiCtl_DX.h"
#include "base/Clock.h"
#include "base/ProgramInfo.h"
#include "base/Twips.h"
#include "ui/MessagePresenter.h"
#include "ui/WindowShape.h"
#include "reslib/KBP4Res.h"
#include "settings/ControlValues.h"
#include "settings/IniRecords.h"
#include "settings/Options.h"
#include "settings/ValueRules.h"
#include "settings/frmOption.h"
#include "sound/mdlM_Tape.h"
#include "ticket/mdlSeiriken.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

namespace app {

using ui::MessagePresenter;

namespace {

// The console's client area at design, and its two widths with the ticket preview hidden and
// shown (window widths, twips).
constexpr int ClientWidth = 5295;
constexpr int ClientHeight = 2595;
constexpr int HiddenPreviewWidth = 5385;
constexpr int OpenPreviewWidth = 9000;
// The window frame's share of a window width.
constexpr int FrameWidth = HiddenPreviewWidth - ClientWidth;

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

} // namespace

frmCtl::frmCtl(Forms &forms)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_forms(forms)
{
    setObjectName(QStringLiteral("frmCtl"));
    setWindowTitle(QStringLiteral("集中操作盤"));
    setFixedSize(base::pxSize(ClientWidth, ClientHeight));
    createControls();
}

frmCtl::~frmCtl() = default;

void frmCtl::createControls()
{
    createRouteEntryFrames();
    createSteppingControls();
    createSwitches();
    createTapeGroup();
    createPreviewArea();
    connectRouteHandlers();
}

void frmCtl::connectRouteHandlers()
{
    for (int k = 0; k < 12; ++k)
        connect(CommandButton1[k], &QPushButton::clicked, this, [this, k] { CommandButton1_Click(k); });
    // A list answers its user's choice of a digit, by mouse or by key, and not the item that
    // Qt makes current when the list merely takes the focus.
    for (int j = 0; j < 5; ++j)
        connect(List2[j], &QListWidget::itemSelectionChanged, this, [this, j] { List2_Click(j); });
    for (int j = 0; j < 3; ++j)
        connect(List3[j], &QListWidget::itemSelectionChanged, this, [this, j] { List3_Click(j); });
    for (int i = 0; i < 2; ++i) {
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    }
    connect(Check1, &QCheckBox::toggled, this, &frmCtl::Check1_Click);
    connect(cmdTapeNext, &QPushButton::clicked, this, &frmCtl::cmdTapeNext_Click);
    connect(cmdTapeBack, &QPushButton::clicked, this, &frmCtl::cmdTapeBack_Click);
    connect(cmdTapeStop, &QPushButton::clicked, this, &frmCtl::cmdTapeStop_Click);
    connect(cmdTapeSet, &QPushButton::clicked, this, &frmCtl::cmdTapeSet_Click);
}

void frmCtl::createRouteEntryFrames()
{
    createDigitListFrame();
    createKeypadFrame();
    // The keypad lies on top at design.
    Frame1[0]->hide();
}

void frmCtl::createDigitListFrame()
{
    auto *frame = new EntryFrame(0, this);
    connect(frame, &EntryFrame::DblClick, this, &frmCtl::Frame1_DblClick);
    frame->setGeometry(EntryFrameRect);
    Frame1[0] = frame;

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
    for (int j = 0; j < 5; ++j)
        List2[j] = makeList(QStringLiteral("List2_%1").arg(j), 6 + 17 * j);
    for (int j = 0; j < 3; ++j)
        List3[j] = makeList(QStringLiteral("List3_%1").arg(j), 95 + 17 * j);

    makeLabel(frame, QStringLiteral("系統設定"), QRect(6, 136, 52, 22));
    Command1[0] = makeButton(frame, QStringLiteral("リセット"), QStringLiteral("Command1_0"), QRect(58, 134, 88, 26));
}

void frmCtl::createKeypadFrame()
{
    auto *frame = new EntryFrame(1, this);
    connect(frame, &EntryFrame::DblClick, this, &frmCtl::Frame1_DblClick);
    frame->setGeometry(EntryFrameRect);
    Frame1[1] = frame;

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

    // Keys in three rows of four: 7 8 9 系統 / 4 5 6 区間 / 1 2 3 0.
    const int grid[3][4] = {{7, 8, 9, 10}, {4, 5, 6, 11}, {1, 2, 3, 0}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int k = grid[row][col];
            const QString caption = k < 10 ? QString::number(k) : (k == 10 ? QStringLiteral("系統") : QStringLiteral("区間"));
            CommandButton1[k] = makeButton(frame, caption, QStringLiteral("CommandButton1_%1").arg(k),
                                           QRect(6 + col * 35, 36 + row * 31, 30, 27));
        }
    }
    Command1[1] = makeButton(frame, QStringLiteral("リセット"), QStringLiteral("Command1_1"), QRect(8, 134, 136, 26));
}

void frmCtl::createSteppingControls()
{
    Command2[1] = makeButton(this, QStringLiteral("データ送り"), QStringLiteral("Command2_1"), QRect(160, 4, 86, 32));
    Command2[0] = makeButton(this, QStringLiteral("データ戻し"), QStringLiteral("Command2_0"), QRect(160, 38, 86, 32));
    Command2[0]->setEnabled(false);
    Command2[1]->setEnabled(false);

    Check1 = new QCheckBox(QStringLiteral("表示消去"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(162, 72, 84, 18);
    Check1->setEnabled(false);

    Frame6 = new QGroupBox(this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setGeometry(250, 64, 99, 82);
    Check2 = new QCheckBox(QStringLiteral("深夜料金"), Frame6);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(5, 3, 90, 18);
    const QString captions[2] = {QStringLiteral("ｽｸﾛｰﾙ速度"), QStringLiteral("ｽｸﾛｰﾙ間隔")};
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
    }
}

void frmCtl::createSwitches()
{
    Frame2 = new QGroupBox(QStringLiteral("バックライト"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(160, 90, 86, 58);
    const QString captions[3] = {QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    const QRect places[3] = {QRect(8, 14, 70, 14), QRect(8, 28, 70, 14), QRect(8, 42, 70, 14)};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = new QRadioButton(captions[i], Frame2);
        Option4[i]->setObjectName(QStringLiteral("Option4_%1").arg(i));
        Option4[i]->setGeometry(places[i]);
    }
    // "OFF" at design; the switch acts from here on.
    Option4[0]->setChecked(true);
    for (int i = 0; i < 3; ++i) {
        // Selecting a state, by hand or by the program, switches the backlight.
        connect(Option4[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            int16_t index = static_cast<int16_t>(i);
            Option4_Click(index);
        });
    }

    Command4 = makeButton(this, QStringLiteral("設定..."), QStringLiteral("Command4"), QRect(250, 149, 48, 22));
    connect(Command4, &QPushButton::clicked, this, &frmCtl::Command4_Click);
    Command8 = makeButton(this, QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), QStringLiteral("Command8"), QRect(300, 149, 49, 22));
    connect(Command8, &QPushButton::clicked, this, &frmCtl::Command8_Click);

    Check4 = new QCheckBox(QStringLiteral(">>"), this);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    Check4->setGeometry(162, 151, 84, 20);
}

void frmCtl::createTapeGroup()
{
    grpM_Tape = new QGroupBox(QStringLiteral("音合使用不可"), this);
    grpM_Tape->setObjectName(QStringLiteral("grpM_Tape"));
    grpM_Tape->setGeometry(250, 2, 99, 60);
    grpM_Tape->setEnabled(false);
    cmdTapeSet = makeButton(grpM_Tape, QStringLiteral("調整"), QStringLiteral("cmdTapeSet"), QRect(4, 15, 44, 20));
    cmdTapeStop = makeButton(grpM_Tape, QStringLiteral("■"), QStringLiteral("cmdTapeStop"), QRect(51, 15, 44, 20));
    cmdTapeBack = makeButton(grpM_Tape, QStringLiteral("戻し"), QStringLiteral("cmdTapeBack"), QRect(4, 37, 44, 20));
    cmdTapeNext = makeButton(grpM_Tape, QStringLiteral("送り"), QStringLiteral("cmdTapeNext"), QRect(51, 37, 44, 20));
    for (QPushButton *b : {cmdTapeSet, cmdTapeStop, cmdTapeBack, cmdTapeNext})
        b->setEnabled(false);
}

void frmCtl::createPreviewArea()
{
    Label4 = makeLabel(this, QStringLiteral("整理券プレビュー"), QRect(362, 4, 92, 18));
    Label4->setObjectName(QStringLiteral("Label4"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(456, 2, 132, 22);
    picSeirikenPrev = new QLabel(this);
    picSeirikenPrev->setObjectName(QStringLiteral("picSeirikenPrev"));
    picSeirikenPrev->setGeometry(362, 26, 140, 140);
    picSeirikenPrev->setAutoFillBackground(true);
    picSeirikenPrev->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picSeirikenPrev->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picSeirikenPrev->installEventFilter(this);

    MnuHide = new QMenu(this);
    MnuHide->setObjectName(QStringLiteral("MnuHide"));
    MnuHideCopy = MnuHide->addAction(QStringLiteral("コピー(&C)"));
    MnuHideCopy->setObjectName(QStringLiteral("MnuHideCopy"));
    connect(MnuHideCopy, &QAction::triggered, this, &frmCtl::MnuHideCopy_Click);

    // The settings file sets the switch as well as the operator does.
    connect(Check4, &QCheckBox::stateChanged, this, &frmCtl::Check4_Click);
    showPreviewArea(false);
}

void frmCtl::showPreviewArea(bool open)
{
    // Outside the narrow console the preview's controls are hidden, not only cut off, so that
    // they take neither the focus nor keys.
    for (QWidget *w : std::initializer_list<QWidget *>{Label4, Combo1, picSeirikenPrev})
        w->setVisible(open);
}

void frmCtl::Check4_Click()
{
    const bool open = Check4->isChecked();
    const int clientWidth = base::px((open ? OpenPreviewWidth : HiddenPreviewWidth) - FrameWidth);
    const QRect frame = windowFrame();
    const int frameWidth = clientWidth + frame.width() - width();
    // The wider console grows leftwards where it would not fit on the screen.
    const QRect placed = open ? m_placement.widened(frame, frameWidth, screen()->geometry())
                              : m_placement.narrowed(frame, frameWidth);
    if (placed.topLeft() != frame.topLeft())
        move(placed.topLeft());
    setFixedWidth(clientWidth);
    showPreviewArea(open);
    Check4->setText(open ? QStringLiteral("<<") : QStringLiteral(">>"));
    Check4->setToolTip(open ? QStringLiteral("整理券プレビューを隠します") : QStringLiteral("整理券プレビューを開きます"));
}

bool frmCtl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle()) {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
            followWindowFrame();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == picSeirikenPrev && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            MnuHide->popup(press->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCtl::MnuHideCopy_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(ticket::PreviewImage(picSeirikenPrev));
}

ticket::PreviewOptions frmCtl::SeirikenPreviewOptions() const
{
    const settings::Options &options = m_forms.options();
    ticket::PreviewOptions preview;
    preview.use = options.ticketPreviewEnabled();
    preview.pluginFile = options.ticketPluginFile();
    preview.dateMode = options.ticketDateMode();
    preview.fixedDate = options.fixedDateText();
    return preview;
}

void frmCtl::RefreshSeirikenPrev(const QString &stopName, int16_t ticketNo, int16_t n, const QString &routeNo,
                                 const QString &ticketDate)
{
    ticket::PreviewStop stop;
    stop.stopName = stopName;
    stop.ticketNo = ticketNo;
    stop.row = n;
    stop.routeNo = routeNo;
    stop.ticketDate = ticketDate;
    stop.corpIndex = Combo1->currentIndex();
    ticket::RefreshPreview(picSeirikenPrev, SeirikenPreviewOptions(), stop, *m_forms.services().clock);
}

void frmCtl::Form_Load()
{
    Form1 &panel = m_forms.panel();
    panel.setWindowTitle(QStringLiteral("ハルネケーション - 型番:") + base::executableBaseName());
    roundKeypadButtons();
    initSpeech(m_forms);
}

void frmCtl::roundKeypadButtons()
{
    // The key's face is drawn inside its rounded outline, so the outline shows as the key's edge.
    const QString keyStyle = QStringLiteral(
        "QPushButton { margin: 2px 2px 2px 2px; border: 1px solid #6a6a6a; border-radius: 2px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd, stop:1 #dcdcdc); }"
        "QPushButton:pressed { background: #c8c8c8; }"
        "QPushButton:disabled { color: #a0a0a0; }");
    for (int i = 0; i < 12; ++i) {
        KeyRegions[i] = ui::roundedRegion(2, 2, 28, 25, 2, 2);
        CommandButton1[i]->setStyleSheet(keyStyle);
        CommandButton1[i]->setMask(KeyRegions[i]);
    }
}

void frmCtl::releaseKeyRegions()
{
    // The keys keep their outlines; only our own copies are let go.
    for (QRegion &r : KeyRegions)
        r = QRegion();
}

void frmCtl::moveToBottomRight()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(m_placement.bottomRight(windowFrame(), windowFrameMargins(), screen->geometry()));
}

QMargins frmCtl::windowFrameMargins() const
{
    // Asked of the window itself: the widget's own copy is brought up to date only when the
    // window moves, and a window manager may frame the console without moving it.
    const QWindow *window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

QRect frmCtl::windowFrame() const
{
    // The window's own geometry is already up to date when the window hears of a move; the
    // widget's follows after.
    const QWindow *window = windowHandle();
    return window ? window->frameGeometry() : geometry();
}

void frmCtl::followWindowFrame()
{
    if (const std::optional<QPoint> to = m_placement.frameChanged(windowFrame(), windowFrameMargins()))
        move(*to);
}

void frmCtl::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window manager frames the console after it is shown; the window hears of it when it
    // is exposed or moved.
    if (QWindow *window = windowHandle(); window && !m_watchingWindow) {
        window->installEventFilter(this);
        m_watchingWindow = true;
    }
}

void frmCtl::Option4_Click(int16_t &index)
{
    if (index < 0 || index > 2)
        return;
    const settings::Options &options = m_forms.options();
    const auto state = static_cast<settings::Backlight>(index);
    Form1 &panel = m_forms.panel();
    const base::OleColor colour = options.ticketNumberColor(state);

    if (options.panelsIndividual() && options.userPanelChosen(state)) {
        const QString path = options.userPanelFile(state);
        // A picture that is no longer there leaves the panel as it is, without a word.
        if (mdl731_000::FileExists(path)) {
            const UserPicture loaded = UserPicture::load(path);
            if (loaded.loaded())
                panel.setPicture(loaded.picture);
            else
                m_forms.services().messages->show(this, UserPicture::errorMessage(loaded.error),
                                                  QStringLiteral("エラー"), MessagePresenter::Buttons::Ok,
                                                  MessagePresenter::Icon::Error);
        }
    } else {
        panel.setPicture(panel.imgRes[index]);
    }

    for (int i = 1; i <= 30; ++i) {
        QLabel *label = panel.lblSeiriNum[i];
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, base::toQColor(colour));
        label->setPalette(p);
    }
}

void frmCtl::GetCtrlDataInfo(settings::CtrlDataInfo &info) const
{
    const QPoint stored = m_placement.twipsToStore(windowFrame().topLeft());
    info.CtlLeft = stored.x();
    info.CtlTop = stored.y();
    info.ScrollSpeed = HScroll1[0]->value();
    info.ScrollWait = HScroll1[1]->value();
    info.EntryMode = EntryMode;
    info.PreviewOpen = static_cast<int16_t>(settings::checkValue(Check4));
    info.LateNight = static_cast<int16_t>(settings::checkValue(Check2));
}

settings::IniStatus frmCtl::SetCtrlDataInfo(const settings::CtrlDataInfo &stored)
{
    // A position on no screen (another monitor, a damaged file) would leave the console where
    // no one can reach it.
    move(m_placement.stored(QPoint(stored.CtlLeft, stored.CtlTop), windowFrame(), windowFrameMargins(),
                            ScreenFit::screenAreas()));
    // A value its control cannot take leaves the control as it was; the values after it still
    // apply. A value equal to the bar's own changes nothing, so the display keeps its defaults then.
    settings::IniRecords taken;
    settings::IniRecords current;
    taken.ctrlData = stored;
    GetCtrlDataInfo(current.ctrlData);
    const settings::IniStatus refused =
        settings::ValueRules::keepAcceptable(taken, current, settings::ValueRules::console());
    const settings::CtrlDataInfo &info = taken.ctrlData;
    HScroll1[0]->setValue(static_cast<int16_t>(info.ScrollSpeed));
    HScroll1[1]->setValue(static_cast<int16_t>(info.ScrollWait));
    EntryMode = info.EntryMode;
    settings::setCheckValue(Check4, info.PreviewOpen);
    settings::setCheckValue(Check2, info.LateNight);
    if (EntryMode == 0 || EntryMode == 1)
        Frame1_DblClick(EntryMode);
    return refused;
}

QString frmCtl::currentStopName() const
{
    return m_forms.route().Current().StopName;
}

void frmCtl::CommandButton1_Click(int k)
{
    RouteEntry::keypadKey(m_forms, k);
}

void frmCtl::List2_Click(int)
{
    RouteEntry::routeDigitChosen(m_forms);
}

void frmCtl::List3_Click(int)
{
    RouteEntry::sectionDigitChosen(m_forms);
}

void frmCtl::Command1_Click(int index)
{
    RouteEntry::setRoute(m_forms, index);
}

void frmCtl::DispData(int16_t n)
{
    PanelUpdate::showRow(m_forms, n);
}

void frmCtl::Command2_Click(int index)
{
    PanelUpdate::step(m_forms, index);
}

void frmCtl::Check1_Click()
{
    PanelUpdate::displayClearChanged(m_forms);
}

void frmCtl::HScroll1_Change(int index)
{
    PanelUpdate::scrollSettingChanged(m_forms, index);
}

void frmCtl::cmdTapeNext_Click()
{
    sound::mdlM_Tape &tape = m_forms.tape();
    tape.TapeNext();
    // The fare display moves along when the entry the tape stands on asks for it.
    if (tape.EntryStepFlag(tape.GetTapePos()) == 1)
        Command2_Click(1);
}

void frmCtl::cmdTapeBack_Click()
{
    sound::mdlM_Tape &tape = m_forms.tape();
    tape.TapeBack();
    if (tape.EntryStepFlag(tape.GetTapePos()) == 1)
        Command2_Click(0);
}

void frmCtl::cmdTapeStop_Click()
{
    m_forms.tape().StopAnnouncement();
}

void frmCtl::cmdTapeSet_Click()
{
    m_forms.tape().ShowVoiceSettings(this);
}

void frmCtl::RefreshTicketPreview(int16_t n)
{
    const fare::RouteState &route = m_forms.route();
    const fare::FareRow &row = route.Table().Row(n);
    RefreshSeirikenPrev(row.StopName, row.TicketNo, n, route.RouteNo(), TicketDate);
}

void frmCtl::Command4_Click()
{
    Form1 &panel = m_forms.panel();
    panel.setEnabled(false);
    setEnabled(false);
    m_forms.optionsWindow().exec();
    panel.setEnabled(true);
    setEnabled(true);
    panel.ChimeiCtl->SetChimei(QString());
    panel.ChimeiCtl->SetChimei(currentStopName());
}

QString frmCtl::versionText() const
{
    const QString crlf = QStringLiteral("\r\n");
    const int year = m_forms.services().clock->now().date().year();
    return QStringLiteral("機種：") + base::executableBaseName() + crlf
           + QStringLiteral("バージョン：") + QStringLiteral(HARUNE_VERSION) + QStringLiteral("  ServiceRelease 1") + crlf
           + crlf
           + QStringLiteral("発売元：ハルネ・プロジェクト") + crlf
           + QStringLiteral("開発：ハルネ開発チーム 2002-") + QString::number(year) + crlf;
}

void frmCtl::Command8_Click()
{
    Form1 &panel = m_forms.panel();
    panel.setEnabled(false);
    reslib::Call_dlg110(this, 1, versionText());
    panel.setEnabled(true);
}

void frmCtl::Frame1_DblClick(int index)
{
    EntryMode = static_cast<int16_t>(index);
    Frame1[index]->lower();
    // The frame underneath is hidden as well as covered, so that its controls take neither the
    // focus nor keys.
    Frame1[index]->hide();
    Frame1[1 - index]->show();
}

bool frmCtl::QueryUnload()
{
    const auto answer = m_forms.services().messages->show(this, QStringLiteral("ハルネを終了しますか？"),
                                                          QStringLiteral("ハルネの終了確認"),
                                                          MessagePresenter::Buttons::YesNo, MessagePresenter::Icon::Question);
    if (answer != MessagePresenter::Answer::Yes)
        return false;
    UnloadConfirmed();
    return true;
}

void frmCtl::UnloadConfirmed()
{
    m_forms.panel().ChimeiCtl->SetChimei(QString());
    releaseKeyRegions();
    closeAllSounds(m_forms);
    releaseSpeech(m_forms);
    saveIniInfo(m_forms);
    if (m_forms.services().quit)
        m_forms.services().quit();
}

void frmCtl::closeEvent(QCloseEvent *event)
{
    if (QueryUnload())
        event->accept();
    else
        event->ignore();
}

} // namespace app
