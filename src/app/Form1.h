#pragma once

#include "app/DraggedWindow.h"
#include "app/PanelScale.h"
#include "app/PanelView.h"
#include "base/ControlArray.h"
#include "app/WindowPlacement.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QMenu;
class QTimer;

namespace controls {
class M_Degit;
class ChimeiCtl_DX;
} // namespace controls

namespace settings {
struct FormInfo;
}

namespace app {

class Forms;
class ScaledPanelView;

// The panel: the simulated fare display unit. A frameless window with a rounded outline, its
// face a picture, the stop-name display at the top and thirty fare cells in three rows of ten.
// The console controller drives it as its PanelView.
class Form1 : public QWidget, public PanelView
{
    Q_OBJECT

public:
    explicit Form1(Forms &forms);
    ~Form1() override;

    // The load handler: the program's start-up sequence.
    void Form_Load();

    // The panel's position for the settings file, in twips.
    void GetFormInfo(settings::FormInfo &info) const;
    void SetFormInfo(const settings::FormInfo &info);

    // The window background picture, drawn unscaled from the top left corner.
    void setPicture(const QPixmap &picture) override;
    const QPixmap &picture() const { return m_picture; }

    // PanelView
    void setCellValue(int cell, int value) override;
    void setCellText(int cell, const QString &digits) override;
    void lightAllCells() override;
    void blankAllCells() override;
    void letPaintsThrough() override;
    void letPendingEventsRun() override;
    int16_t tsugiwaMode() const override;
    void setTsugiwaMode(int16_t mode) override;
    void SetChimei(const QString &name) override;
    void setScroll(int16_t speed, int32_t startWait) override;
    void stopClock() override;
    bool clockShown() const override;
    void startClock() override;
    void showBuiltInPicture(settings::Backlight state) override;
    void colourTicketNumbers(base::OleColor colour) override;

    // Degit(0) exists only to absorb writes aimed at cell 0; Degit(1..30) are the fare cells.
    std::array<controls::M_Degit *, 31> Degit{};
    std::array<controls::M_Degit *, 2> TimeDegit{};
    std::array<QLabel *, 31> lblSeiriNum{};
    // The built-in panel picture and the pictures of the backlight states, by Backlight.
    base::ControlArray<QPixmap, 3, settings::Backlight> imgRes;
    controls::ChimeiCtl_DX *ChimeiCtl = nullptr;
    QTimer *Timer1 = nullptr;

    void Degit_DblClick(int index);
    void Timer1_Timer();

    // How large the panel is shown. At 1× in a window the panel is this window, exactly as the
    // original shows it; otherwise this window stays off the screen and a ScaledPanelView shows
    // its picture enlarged.
    const PanelScale &scale() const { return m_scale; }
    void applyScale(const PanelScale &scale);
    // The user's choice: applied, and kept in the file of AppServices::panelScaleFile.
    void chooseScale(const PanelScale &scale);
    // The scale kept from the last run; before the panel is first shown.
    void restoreScale();
    // The enlarged panel; null at 1× in a window.
    ScaledPanelView *scaledView() const { return m_scaledView.get(); }
    // The panel's menu of sizes, at a point of the screen.
    QMenu *showScaleMenu(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createDesignControls();
    // Fare cell `cell`, or the hidden cell 0 for a number outside 1 to 30.
    controls::M_Degit *cellOrHidden(int cell) const;
    void applyRoundedOutline();
    void moveToScreenOrigin();
    void showOnScreen(bool onScreen);
    void showEnlargedView();

    Forms &m_forms;
    QPixmap m_picture;
    DraggedWindow m_drag;
    WindowPlacement m_placement;
    PanelScale m_scale;
    std::unique_ptr<ScaledPanelView> m_scaledView;
};

} // namespace app
