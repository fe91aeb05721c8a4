#pragma once

#include "app/PanelDrag.h"
#include "app/PanelView.h"
#include "base/ControlArray.h"
#include "app/WindowPlacement.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createDesignControls();
    // Fare cell `cell`, or the hidden cell 0 for a number outside 1 to 30.
    controls::M_Degit *cellOrHidden(int cell) const;
    void applyRoundedOutline();
    void moveToScreenOrigin();

    Forms &m_forms;
    QPixmap m_picture;
    PanelDrag m_drag;
    WindowPlacement m_placement;
};

} // namespace app
