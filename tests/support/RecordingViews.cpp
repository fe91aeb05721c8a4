#include "RecordingViews.h"

#include <QPixmap>

void RecordingPanel::setCellValue(int cell, int value)
{
    cells[cell >= 0 && cell <= 30 ? cell : 0] = QString::number(value);
    m_log << QStringLiteral("panel cell %1 %2").arg(cell).arg(value);
}

void RecordingPanel::setCellText(int cell, const QString &digits)
{
    cells[cell >= 0 && cell <= 30 ? cell : 0] = digits;
    m_log << QStringLiteral("panel cell %1 \"%2\"").arg(cell).arg(digits);
}

void RecordingPanel::lightAllCells()
{
    cells.fill(QStringLiteral("8888"));
    m_log << QStringLiteral("panel cells lit");
}

void RecordingPanel::blankAllCells()
{
    cells.fill(QString());
    m_log << QStringLiteral("panel cells blank");
}

void RecordingPanel::letPaintsThrough()
{
    m_log << QStringLiteral("panel paints through");
    if (eventsArriving)
        eventsArriving();
}

void RecordingPanel::letPendingEventsRun()
{
    m_log << QStringLiteral("panel events run");
    if (eventsArriving)
        eventsArriving();
}

void RecordingPanel::setTsugiwaMode(int16_t mode)
{
    tsugiwa = mode;
    m_log << QStringLiteral("panel tsugiwa %1").arg(mode);
}

void RecordingPanel::SetChimei(const QString &text)
{
    name = text;
    m_log << QStringLiteral("panel name %1").arg(text);
}

void RecordingPanel::setScroll(int16_t speed, int32_t startWait)
{
    m_log << QStringLiteral("panel scroll %1 %2").arg(speed).arg(startWait);
}

void RecordingPanel::stopClock()
{
    m_log << QStringLiteral("panel clock stop");
}

void RecordingPanel::startClock()
{
    m_log << QStringLiteral("panel clock start");
}

void RecordingPanel::showBuiltInPicture(settings::Backlight state)
{
    m_log << QStringLiteral("panel picture built-in %1").arg(int(state));
}

void RecordingPanel::setPicture(const QPixmap &picture)
{
    m_log << QStringLiteral("panel picture %1x%2").arg(picture.width()).arg(picture.height());
}

void RecordingPanel::colourTicketNumbers(base::OleColor colour)
{
    m_log << QStringLiteral("panel numbers %1").arg(colour, 6, 16, QLatin1Char('0'));
}

void RecordingConsole::showKeypadEntry(const QString &routeDigits, const QString &sectionDigits)
{
    m_log << QStringLiteral("console keypad %1-%2").arg(routeDigits, sectionDigits);
}

void RecordingConsole::showDigitChoice(app::DigitList list, int position, std::optional<int> digit)
{
    m_log << QStringLiteral("console list %1 %2 %3")
                 .arg(list == app::DigitList::Route ? QStringLiteral("route") : QStringLiteral("section"))
                 .arg(position)
                 .arg(digit ? QString::number(*digit) : QStringLiteral("none"));
}

QString RecordingConsole::nameOf(app::ConsoleControl control)
{
    static const char *const names[] = {"DigitListFrame", "KeypadFrame", "DataBack", "DataForward",
                                        "DisplayClear", "NightAndScroll", "TapeGroup", "TapeNext",
                                        "TapeBack", "TapeStop", "TapeSet"};
    return QString::fromLatin1(names[int(control)]);
}

void RecordingConsole::enableControl(app::ConsoleControl control, bool enabled)
{
    m_log << QStringLiteral("console enable %1 %2").arg(nameOf(control), enabled ? QStringLiteral("on") : QStringLiteral("off"));
}

void RecordingConsole::setTapeCaption(const QString &caption)
{
    m_log << QStringLiteral("console tape %1").arg(caption);
}

void RecordingConsole::showDisplayClear(bool on)
{
    m_log << QStringLiteral("console display clear %1").arg(on ? 1 : 0);
}

void RecordingConsole::showLateNight(app::CheckValue value)
{
    m_log << QStringLiteral("console late night %1").arg(int(value));
}

void RecordingConsole::showScrollValue(app::ScrollSetting bar, int value)
{
    m_log << QStringLiteral("console scroll bar %1 %2").arg(int(bar)).arg(value);
}

void RecordingConsole::showBacklight(settings::Backlight state)
{
    m_log << QStringLiteral("console backlight %1").arg(int(state));
}

void RecordingConsole::showPreviewSwitch(app::CheckValue value)
{
    m_log << QStringLiteral("console preview switch %1").arg(int(value));
}

void RecordingConsole::sendEntryFrameBack(app::EntryFrameKind frame)
{
    m_log << QStringLiteral("console frame back %1").arg(int(frame));
}

void RecordingConsole::RefreshSeirikenPrev(const ticket::PreviewOptions &, ticket::PreviewStop stop)
{
    m_log << QStringLiteral("console ticket preview %1 %2").arg(stop.row).arg(stop.stopName);
}

void RecordingConsole::showMessage(const QString &text, const QString &title, app::MessageIcon)
{
    messages << text;
    m_log << QStringLiteral("console message %1%2").arg(title.isEmpty() ? QString() : title + QStringLiteral(": "), text);
}

app::ConsoleController::Views RecordingViews::views()
{
    return {[this]() -> app::PanelView & { return panel; }, [this]() -> app::ConsoleView & { return console; }};
}

QStringList without(const QStringList &log, const QStringList &prefixes)
{
    QStringList out;
    for (const QString &line : log) {
        bool dropped = false;
        for (const QString &prefix : prefixes)
            dropped = dropped || line.startsWith(prefix);
        if (!dropped)
            out << line;
    }
    return out;
}
