#include "app/frmCtl.h"

#include "app/ConsoleController.h"
#include "app/ConsoleKeyboard.h"
#include "app/EntryFrame.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/ScreenFit.h"
#include "app/SettingsFile.h"
#include "app/VersionBox.h"
#include "base/Clock.h"
#include "base/ProgramInfo.h"
#include "base/Twips.h"
#include "reslib/KBP4Res.h"
#include "settings/ControlValues.h"
#include "settings/IniRecords.h"
#include "settings/frmOption.h"
#include "sound/mdlM_Tape.h"
#include "ticket/mdlSeiriken.h"
#include "ui/MessagePresenter.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>

namespace app {

using settings::Backlight;
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

} // namespace

frmCtl::frmCtl(Forms &forms)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_forms(forms)
{
    setObjectName(QStringLiteral("frmCtl"));
    setWindowTitle(QStringLiteral("集中操作盤"));
    setFixedSize(base::pxSize(ClientWidth, ClientHeight));
    createControls(this);
    picSeirikenPrev->installEventFilter(this);
    connectHandlers();
    m_keyboard = new ConsoleKeyboard(
        this, *this, ConsoleShortcuts(controller(), {[this] { Command4_Click(); }, [this] { Command8_Click(); }}));
}

frmCtl::~frmCtl()
{
    // Controls being torn down tell the controller nothing.
    for (QObject *child : findChildren<QObject *>())
        child->blockSignals(true);
}

ConsoleController &frmCtl::controller()
{
    return m_forms.controller();
}

// Every handler is one call into the controller.
void frmCtl::connectHandlers()
{
    for (int k = 0; k < KeypadKeys; ++k)
        connect(CommandButton1[k], &QPushButton::clicked, this, [this, k] { controller().pressKey(KeypadKey(k)); });
    // A list answers its user's choice of a digit, by mouse or by key, and not the item that
    // Qt makes current when the list merely takes the focus.
    for (int j = 0; j < RouteDigitLists; ++j)
        connect(List2[j], &QListWidget::itemSelectionChanged, this,
                [this, j] { controller().chooseDigit(DigitList::Route, j, chosenDigit(DigitList::Route, j)); });
    for (int j = 0; j < SectionDigitLists; ++j)
        connect(List3[j], &QListWidget::itemSelectionChanged, this,
                [this, j] { controller().chooseDigit(DigitList::Section, j, chosenDigit(DigitList::Section, j)); });
    for (EntryFrameKind frame : {DigitListFrame, KeypadFrame}) {
        connect(Command1[frame], &QPushButton::clicked, this, [this, frame] { controller().setRoute(frame); });
        connect(Frame1[frame], &EntryFrame::DblClick, this, &frmCtl::Frame1_DblClick);
    }
    for (StepDirection direction : {DataBack, DataForward})
        connect(Command2[direction], &QPushButton::clicked, this, [this, direction] { controller().step(direction); });
    connect(cmdTapeNext, &QPushButton::clicked, this, [this] { controller().tapeNext(); });
    connect(cmdTapeBack, &QPushButton::clicked, this, [this] { controller().tapeBack(); });
    connect(cmdTapeStop, &QPushButton::clicked, this, [this] { controller().tapeStop(); });
    connect(cmdTapeSet, &QPushButton::clicked, this, [this] { controller().tapeSettings(); });
    connect(Command4, &QPushButton::clicked, this, &frmCtl::Command4_Click);
    connect(Command8, &QPushButton::clicked, this, &frmCtl::Command8_Click);
    connect(MnuHideCopy, &QAction::triggered, this, &frmCtl::MnuHideCopy_Click);
    connectSwitches();
}

// The switches act however they change, by hand or by the program.
void frmCtl::connectSwitches()
{
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { controller().setDisplayClear(on); });
    connect(Check2, &QCheckBox::stateChanged, this,
            [this] { controller().setLateNight(CheckValue(settings::checkValue(Check2))); });
    connect(Check4, &QCheckBox::stateChanged, this,
            [this] { controller().setPreviewSwitch(CheckValue(settings::checkValue(Check4))); });
    for (ScrollSetting bar : {ScrollSpeedBar, ScrollWaitBar})
        connect(HScroll1[bar], &QScrollBar::valueChanged, this, [this, bar](int value) { controller().setScroll(bar, value); });
    for (Backlight state : {Backlight::Off, Backlight::On1, Backlight::On2}) {
        connect(Option4[state], &QRadioButton::toggled, this, [this, state](bool on) {
            if (on)
                controller().setBacklight(state);
            else
                controller().backlightDeselected(state);
        });
    }
}

// --- what the controller shows ---

void frmCtl::showKeypadEntry(const QString &routeDigits, const QString &sectionDigits)
{
    Label2[0]->setText(routeDigits);
    Label2[2]->setText(sectionDigits);
}

void frmCtl::showDigitChoice(DigitList list, int position, std::optional<int> digit)
{
    if (chosenDigit(list, position) == digit)
        return;
    QListWidget *w = list == DigitList::Route ? List2[position] : List3[position];
    const QSignalBlocker quiet(w);
    if (digit)
        w->setCurrentRow(*digit);
    else
        w->clearSelection();
}

void frmCtl::enableControl(ConsoleControl control, bool enabled)
{
    widgetOf(control)->setEnabled(enabled);
}

void frmCtl::setTapeCaption(const QString &caption)
{
    grpM_Tape->setTitle(caption);
}

void frmCtl::showDisplayClear(bool on)
{
    const QSignalBlocker quiet(Check1);
    Check1->setChecked(on);
}

void frmCtl::showLateNight(CheckValue value)
{
    const QSignalBlocker quiet(Check2);
    if (settings::checkValue(Check2) != int(value))
        settings::setCheckValue(Check2, int(value));
}

void frmCtl::showScrollValue(ScrollSetting bar, int value)
{
    {
        const QSignalBlocker quiet(HScroll1[bar]);
        HScroll1[bar]->setValue(value);
    }
    Label1[bar]->setText(QString::number(HScroll1[bar]->value()));
}

void frmCtl::showBacklight(Backlight state)
{
    const QSignalBlocker quiet(Option4[state]);
    Option4[state]->setChecked(true);
}

void frmCtl::showPreviewSwitch(CheckValue value)
{
    {
        const QSignalBlocker quiet(Check4);
        if (settings::checkValue(Check4) != int(value))
            settings::setCheckValue(Check4, int(value));
    }
    const bool open = Check4->isChecked();
    fitPreviewWidth(open);
    showPreviewArea(open);
    Check4->setText(open ? QStringLiteral("<<") : QStringLiteral(">>"));
    const QString does = open ? QStringLiteral("整理券プレビューを隠します") : QStringLiteral("整理券プレビューを開きます");
    Check4->setToolTip(does + u'\n' + ConsoleKeyboard::keyHint(ConsoleAction::PreviewSwitch));
}

void frmCtl::fitPreviewWidth(bool open)
{
    const int clientWidth = base::px((open ? OpenPreviewWidth : HiddenPreviewWidth) - FrameWidth);
    const QRect frame = windowFrame();
    const int frameWidth = clientWidth + frame.width() - width();
    const QRect placed = open ? m_placement.widened(frame, frameWidth, screen()->geometry())
                              : m_placement.narrowed(frame, frameWidth);
    if (placed.topLeft() != frame.topLeft())
        move(placed.topLeft());
    setFixedWidth(clientWidth);
}

void frmCtl::sendEntryFrameBack(EntryFrameKind frame)
{
    Frame1[frame]->lower();
    // The frame underneath is hidden as well as covered, so that its controls take neither the
    // focus nor keys.
    Frame1[frame]->hide();
    Frame1[1 - frame]->show();
    m_keyboard->followEntryFrame();
}

void frmCtl::RefreshSeirikenPrev(const ticket::PreviewOptions &options, ticket::PreviewStop stop)
{
    stop.corpIndex = Combo1->currentIndex();
    ticket::RefreshPreview(picSeirikenPrev, options, stop, *m_forms.services().clock);
}

void frmCtl::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    m_forms.services().messages->show(this, text, title.isEmpty() ? MessagePresenter::applicationTitle() : title,
                                      MessagePresenter::Buttons::Ok,
                                      icon == MessageIcon::Error ? MessagePresenter::Icon::Error : MessagePresenter::Icon::None);
}

// --- the window's own handlers ---

void frmCtl::Form_Load()
{
    Form1 &panel = m_forms.panel();
    panel.setWindowTitle(QStringLiteral("ハルネケーション - 型番:") + base::executableBaseName());
    roundKeypadButtons();
    controller().initSpeech();
}

void frmCtl::Frame1_DblClick(int index)
{
    controller().sendEntryFrameBack(EntryFrameKind(index));
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

void frmCtl::GetCtrlDataInfo(settings::CtrlDataInfo &info) const
{
    const QPoint stored = m_placement.twipsToStore(windowFrame().topLeft());
    info.CtlLeft = stored.x();
    info.CtlTop = stored.y();
    m_forms.controller().GetCtrlDataInfo(info);
}

settings::IniStatus frmCtl::SetCtrlDataInfo(const settings::CtrlDataInfo &stored)
{
    // A position on no screen (another monitor, a damaged file) would leave the console where
    // no one can reach it.
    move(m_placement.stored(QPoint(stored.CtlLeft, stored.CtlTop), windowFrame(), windowFrameMargins(),
                            ScreenFit::screenAreas()));
    return controller().SetCtrlDataInfo(stored);
}

void frmCtl::Command4_Click()
{
    Form1 &panel = m_forms.panel();
    panel.setEnabled(false);
    setEnabled(false);
    m_forms.optionsWindow().exec();
    panel.setEnabled(true);
    setEnabled(true);
    controller().redrawStopName();
}

QString frmCtl::versionText() const
{
    return VersionBoxText(base::executableBaseName(), m_forms.services().clock->now().date().year());
}

void frmCtl::Command8_Click()
{
    Form1 &panel = m_forms.panel();
    panel.setEnabled(false);
    reslib::Call_dlg110(this, 1, versionText());
    panel.setEnabled(true);
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
    controller().blankStopName();
    releaseKeyRegions();
    if (m_forms.services().closeSounds)
        m_forms.services().closeSounds();
    controller().tape().ReleaseSpeech();
    SettingsFile::SaveIniInfo(m_forms);
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
