#include "app/Form1.h"

#include "app/Forms.h"
#include "app/SettingsFile.h"
#include "app/PanelLayout.h"
#include "app/ScaledPanelView.h"
#include "app/ScreenFit.h"
#include "app/frmCtl.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/DegitFonts.h"
#include "controls/M_Degit.h"
#include "controls/PropertyBag.h"
#include "base/Clock.h"
#include "base/Twips.h"
#include "ui/WindowShape.h"
#include "settings/SetProp.h"
#include "settings/frmOption.h"

#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QWindow>

static void initPanelPictureResource()
{
    Q_INIT_RESOURCE(panel_picture);
}

namespace app {

using controls::M_Degit;
using controls::PropertyBag;
using base::px;
using base::pxRect;

namespace {

// The grey the window shows where its picture does not reach.
const QColor WindowGrey(0xF0, 0xF0, 0xF0);

PropertyBag fareCellDesign()
{
    return PropertyBag().with(QStringLiteral("Keta"), 4).with(QStringLiteral("DegitSize"), 0).with(QStringLiteral("DegitStyle"), 1);
}

PropertyBag clockCellDesign()
{
    return PropertyBag().with(QStringLiteral("Keta"), 2).with(QStringLiteral("DegitSize"), 0).with(QStringLiteral("DegitStyle"), 0);
}

PropertyBag stopNameDesign()
{
    return PropertyBag().with(QStringLiteral("BackColor"), 0x404040).with(QStringLiteral("ForeColor"), 0x80C0FF);
}

} // namespace

Form1::Form1(Forms &forms)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_forms(forms), m_drag(*this, QApplication::startDragDistance())
{
    initPanelPictureResource();
    // The built-in face of the unit, stored with the window.
    imgRes[0] = QPixmap(QStringLiteral(":/panel/panel.gif"));
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(base::pxSize(layout::PanelClientWidth, layout::PanelClientHeight));
    createDesignControls();
}

Form1::~Form1()
{
    // The stop-name display lets go of the view before the view goes.
    if (m_scaledView)
        ChimeiCtl->showMagnifiedIn(nullptr, QPoint(), 1);
}

void Form1::createDesignControls()
{
    using namespace layout;

    ChimeiCtl = new controls::ChimeiCtl_DX(stopNameDesign(), this, m_forms.services().scrollClock);
    ChimeiCtl->setObjectName(QStringLiteral("ChimeiCtl"));
    ChimeiCtl->setGeometry(pxRect(ChimeiLeft, ChimeiTop, ChimeiWidth, ChimeiHeight));
    ChimeiCtl->setAccessibleDescription(QStringLiteral("停名表示"));

    for (int i = 0; i < 2; ++i) {
        TimeDegit[i] = new M_Degit(clockCellDesign(), this);
        TimeDegit[i]->setObjectName(QStringLiteral("TimeDegit%1").arg(i));
        TimeDegit[i]->setGeometry(pxRect(ClockLefts[i], ClockTop, ClockWidth, ClockHeight));
        TimeDegit[i]->setAccessibleName(i == 0 ? QStringLiteral("時計（時）") : QStringLiteral("時計（分）"));
        TimeDegit[i]->hide();
    }

    Degit[0] = new M_Degit(fareCellDesign(), this);
    Degit[0]->setObjectName(QStringLiteral("Degit0"));
    Degit[0]->setGeometry(pxRect(HiddenCellLeft, HiddenCellTop, CellWidth, CellHeight));
    Degit[0]->hide();

    lblSeiriNum[0] = new QLabel(this);
    lblSeiriNum[0]->setObjectName(QStringLiteral("lblSeiriNum0"));
    lblSeiriNum[0]->hide();

    for (int i = 1; i <= 30; ++i) {
        auto *cell = new M_Degit(fareCellDesign(), this);
        cell->setObjectName(QStringLiteral("Degit%1").arg(i));
        cell->setGeometry(pxRect(cellLeft(i), cellTop(i), CellWidth, CellHeight));
        // A screen reader names each cell by its ticket position; its value is the fare shown.
        cell->setAccessibleName(QStringLiteral("整理券 %1 の運賃").arg(i));
        connect(cell, &M_Degit::DblClick, this, [this, i] { Degit_DblClick(i); });
        Degit[i] = cell;

        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblSeiriNum%1").arg(i));
        label->setGeometry(pxRect(cellLeft(i), labelTop(i), CellWidth, LabelHeight));
        label->setAlignment(Qt::AlignCenter);
        QFont numberFont(controls::DegitFonts::numberFamily());
        numberFont.setPointSizeF(9.75);
        label->setFont(numberFont);
        label->setAttribute(Qt::WA_TranslucentBackground);
        // Clicks go through the numbers to the panel, which drags the window.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(p);
        lblSeiriNum[i] = label;
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::Form_Load()
{
    if (m_forms.services().closeSounds)
        m_forms.services().closeSounds();

    for (int i = 1; i <= 30; ++i)
        Degit[i]->setValue(0);

    // The options window is loaded here, hidden, as the original's start-up defaults load it.
    m_forms.optionsWindow();
    m_forms.options().setStartUpDefaults();
    imgRes[1] = imgRes[0];
    imgRes[2] = imgRes[0];
    setPicture(imgRes[0]);
    settings::SetProp(m_forms.options(), m_forms);

    frmCtl &console = m_forms.console();
    console.show();
    console.raise();
    console.activateWindow();

    moveToScreenOrigin();
    console.moveToBottomRight();
    applyRoundedOutline();
    update();

    SettingsFile::LoadIniInfo(m_forms);
}

void Form1::moveToScreenOrigin()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    move(screen ? screen->geometry().topLeft() : QPoint(0, 0));
}

void Form1::applyRoundedOutline()
{
    const QRect client = rect();
    setMask(ui::roundedRegion(0, 0, client.right() + 1, client.bottom() + 1, 3, 3));
}

void Form1::GetFormInfo(settings::FormInfo &info) const
{
    const QPoint stored = m_placement.twipsToStore(pos());
    info.PanelLeft = stored.x();
    info.PanelTop = stored.y();
}

void Form1::SetFormInfo(const settings::FormInfo &info)
{
    // A position on no screen (another monitor, a damaged file) would leave the panel where no
    // one can reach it.
    move(m_placement.stored(QPoint(info.PanelLeft, info.PanelTop), frameGeometry(), QMargins(), ScreenFit::screenAreas()));
}

void Form1::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

controls::M_Degit *Form1::cellOrHidden(int cell) const
{
    return (cell >= 0 && cell <= 30) ? Degit[cell] : Degit[0];
}

void Form1::setCellValue(int cell, int value)
{
    cellOrHidden(cell)->setValue(value);
}

void Form1::setCellText(int cell, const QString &digits)
{
    cellOrHidden(cell)->setValue(controls::DegitValue(digits));
}

void Form1::lightAllCells()
{
    for (int i = 1; i <= 30; ++i)
        Degit[i]->ResetDegit(-1);
}

void Form1::blankAllCells()
{
    for (int i = 1; i <= 30; ++i)
        Degit[i]->ResetDegit(0);
}

void Form1::letPaintsThrough()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Form1::letPendingEventsRun()
{
    QCoreApplication::processEvents();
}

int16_t Form1::tsugiwaMode() const
{
    return ChimeiCtl->TsugiwaMode();
}

void Form1::setTsugiwaMode(int16_t mode)
{
    ChimeiCtl->setTsugiwaMode(mode);
}

void Form1::SetChimei(const QString &name)
{
    ChimeiCtl->SetChimei(name);
}

void Form1::setScroll(int16_t speed, int32_t startWait)
{
    ChimeiCtl->setSpeed(speed);
    ChimeiCtl->setScrollStartWait(startWait);
}

void Form1::stopClock()
{
    Timer1->stop();
    TimeDegit[0]->setValue(QString());
    TimeDegit[1]->setValue(QString());
}

bool Form1::clockShown() const
{
    return TimeDegit[0]->isVisible();
}

void Form1::startClock()
{
    Timer1->start();
}

void Form1::showBuiltInPicture(settings::Backlight state)
{
    setPicture(imgRes[state]);
}

void Form1::colourTicketNumbers(base::OleColor colour)
{
    for (int i = 1; i <= 30; ++i) {
        QLabel *label = lblSeiriNum[i];
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, base::toQColor(colour));
        label->setPalette(p);
    }
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), WindowGrey);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}

void Form1::Degit_DblClick(int index)
{
    M_Degit *clicked = Degit[index];
    if (!clicked->UserSet())
        return;
    frmCtl &console = m_forms.console();
    console.setEnabled(false);
    if (clicked->ShowSetDlg() == 1) {
        const int16_t zeroMode = clicked->ZeroMode();
        const int16_t shift = clicked->Shift();
        const int16_t fillZero = clicked->FillZero();
        for (int j = 1; j <= 30; ++j) {
            const controls::DegitValue kept = Degit[j]->Value();
            Degit[j]->setShift(shift);
            Degit[j]->setFillZero(fillZero);
            Degit[j]->setZeroMode(zeroMode);
            Degit[j]->setValue(kept);
        }
    }
    console.setEnabled(true);
}

void Form1::Timer1_Timer()
{
    const QString now = m_forms.services().clock->now().time().toString(QStringLiteral("HH:mm:ss"));
    TimeDegit[0]->setValue(now.mid(0, 2).toInt());
    TimeDegit[1]->setValue(now.mid(3, 2).toInt());
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(*event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(*event);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release(*event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The program is closed from the console only.
    event->ignore();
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    showScaleMenu(event->globalPos());
}

QMenu *Form1::showScaleMenu(QPoint globalPos)
{
    // Of no window: a choice made in it may close the window it was opened on.
    auto *menu = new QMenu;
    menu->setObjectName(QStringLiteral("PanelScaleMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto *sizes = new QActionGroup(menu);
    for (int factor = PanelScale::MinFactor; factor <= PanelScale::MaxFactor; ++factor) {
        const QString text = factor == 1 ? QStringLiteral("等倍 (1×)") : QStringLiteral("%1倍 (%1×)").arg(factor);
        QAction *action = menu->addAction(text, this, [this, factor] {
            chooseScale({factor, false, m_scale.screen});
        });
        action->setCheckable(true);
        action->setChecked(!m_scale.fullScreen && m_scale.factor == factor);
        sizes->addAction(action);
    }
    menu->addSeparator();
    QMenu *screens = menu->addMenu(QStringLiteral("全画面表示"));
    for (QScreen *screen : QGuiApplication::screens()) {
        const QString name = screen->name();
        const QSize size = screen->geometry().size();
        QAction *action = screens->addAction(QStringLiteral("%1 (%2×%3)").arg(name).arg(size.width()).arg(size.height()),
                                             this, [this, name] {
                                                 chooseScale({m_scale.factor, true, name});
                                             });
        action->setCheckable(true);
        action->setChecked(m_scale.fullScreen && m_scale.screen == name);
        sizes->addAction(action);
    }
    menu->popup(globalPos);
    return menu;
}

void Form1::restoreScale()
{
    const QString &file = m_forms.services().panelScaleFile;
    if (!file.isEmpty())
        applyScale(PanelScale::load(file));
}

void Form1::chooseScale(const PanelScale &scale)
{
    applyScale(scale);
    const QString &file = m_forms.services().panelScaleFile;
    if (!file.isEmpty() && !PanelScale::save(file, m_scale))
        qWarning("%s: the panel's size cannot be kept", qPrintable(file));
}

void Form1::applyScale(const PanelScale &scale)
{
    m_scale = scale;
    m_scale.factor = std::clamp(scale.factor, PanelScale::MinFactor, PanelScale::MaxFactor);
    if (m_scale.isOriginal()) {
        if (!m_scaledView)
            return;
        const QPoint where = m_scaledView->fillsScreen() ? pos() : m_scaledView->frameGeometry().topLeft();
        ChimeiCtl->showMagnifiedIn(nullptr, QPoint(), 1);
        // Later: the view may be the one asking, from its own event handler.
        m_scaledView->hide();
        m_scaledView.release()->deleteLater();
        move(where);
        showOnScreen(true);
        return;
    }
    showOnScreen(false);
    if (!m_scaledView) {
        m_scaledView = std::make_unique<ScaledPanelView>(*this);
        connect(m_scaledView.get(), &ScaledPanelView::menuRequested, this, &Form1::showScaleMenu);
        connect(m_scaledView.get(), &ScaledPanelView::leaveFullScreenRequested, this,
                [this] { chooseScale({m_scale.factor, false, m_scale.screen}); });
        // The panel window goes where the view goes, so that the settings file keeps the place.
        connect(m_scaledView.get(), &ScaledPanelView::movedTo, this, [this](QPoint topLeft) { move(topLeft); });
    }
    showEnlargedView();
}

void Form1::showEnlargedView()
{
    if (m_scale.fullScreen) {
        QScreen *chosen = screen() ? screen() : QGuiApplication::primaryScreen();
        for (QScreen *s : QGuiApplication::screens())
            if (s->name() == m_scale.screen)
                chosen = s;
        m_scaledView->showFullScreenOn(*chosen);
    } else {
        m_scaledView->showEnlarged(m_scale.factor, pos());
    }
    const int f = m_scaledView->factor();
    ChimeiCtl->showMagnifiedIn(m_scaledView.get(), m_scaledView->panelOrigin() + ChimeiCtl->pos() * f, f);
}

// Off the screen, the panel and its controls go on painting (for the view to copy) and count
// as shown.
void Form1::showOnScreen(bool onScreen)
{
    if (testAttribute(Qt::WA_DontShowOnScreen) != onScreen)
        return;
    const bool shown = isVisible();
    if (shown)
        hide();
    setAttribute(Qt::WA_DontShowOnScreen, !onScreen);
    if (shown)
        show();
}

} // namespace app
