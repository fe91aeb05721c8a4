#pragma once

#include "app/ConsoleController.h"
#include "app/ConsoleView.h"
#include "app/PanelView.h"

#include <QStringList>

#include <array>
#include <functional>

// The panel and the console as the console controller drives them, for tests without windows.
// Every call is written into one log shared with the services, so that a test reads the order
// of everything the console did: "panel name 系統選別中", "console enable DataForward on",
// "play /route.wav S1". What a window would show is kept for reading too.
class RecordingPanel final : public app::PanelView
{
public:
    explicit RecordingPanel(QStringList &log) : m_log(log) {}

    void setCellValue(int cell, int value) override;
    void setCellText(int cell, const QString &digits) override;
    void lightAllCells() override;
    void blankAllCells() override;
    void letPaintsThrough() override;
    void letPendingEventsRun() override;
    int16_t tsugiwaMode() const override { return tsugiwa; }
    void setTsugiwaMode(int16_t mode) override;
    void SetChimei(const QString &name) override;
    void setScroll(int16_t speed, int32_t startWait) override;
    void stopClock() override;
    bool clockShown() const override { return clockCellsShown; }
    void startClock() override;
    void showBuiltInPicture(settings::Backlight state) override;
    void setPicture(const QPixmap &picture) override;
    void colourTicketNumbers(base::OleColor colour) override;

    // Runs where a window would let waiting events run: what arrives meanwhile.
    std::function<void()> eventsArriving;
    std::array<QString, 31> cells; // what each cell was last given, as text
    QString name;                   // the last name set
    int16_t tsugiwa = 0;
    bool clockCellsShown = false;

private:
    QStringList &m_log;
};

class RecordingConsole final : public app::ConsoleView
{
public:
    explicit RecordingConsole(QStringList &log) : m_log(log) {}

    void showKeypadEntry(const QString &routeDigits, const QString &sectionDigits) override;
    void showDigitChoice(app::DigitList list, int position, std::optional<int> digit) override;
    void enableControl(app::ConsoleControl control, bool enabled) override;
    void setTapeCaption(const QString &caption) override;
    void showDisplayClear(bool on) override;
    void showLateNight(app::CheckValue value) override;
    void showScrollValue(app::ScrollSetting bar, int value) override;
    void showBacklight(settings::Backlight state) override;
    void showPreviewSwitch(app::CheckValue value) override;
    void sendEntryFrameBack(app::EntryFrameKind frame) override;
    void RefreshSeirikenPrev(const ticket::PreviewOptions &options, ticket::PreviewStop stop) override;
    void showMessage(const QString &text, const QString &title, app::MessageIcon icon) override;
    QWidget *dialogOwner() override { return nullptr; }

    static QString nameOf(app::ConsoleControl control);

    QStringList messages; // the texts of the message boxes shown

private:
    QStringList &m_log;
};

// Both views over one log, ready to hand to a controller.
struct RecordingViews
{
    explicit RecordingViews(QStringList &log) : panel(log), console(log) {}
    app::ConsoleController::Views views();

    RecordingPanel panel;
    RecordingConsole console;
};

// The lines of `log` that do not start with any of `prefixes`.
QStringList without(const QStringList &log, const QStringList &prefixes);
