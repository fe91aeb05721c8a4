// The panel's displays as a screen reader meets them, through Qt's accessibility layer.
#include "ChimeiTestSupport.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "controls/ManualScrollClock.h"
#include "controls/ShownTextAccessible.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <gtest/gtest.h>

#include <vector>

using controls::ChimeiCtl_DX;
using controls::DegitValue;
using controls::M_Degit;

namespace {

struct Heard
{
    QObject *object;
    QAccessible::Event type;
    QString text; // the new value, the inserted text, or the name at the time
};

std::vector<Heard> heard;

void hear(QAccessibleEvent *event)
{
    QString text;
    if (event->type() == QAccessible::ValueChanged)
        text = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
    else if (event->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
    else if (QAccessibleInterface *iface = event->accessibleInterface())
        text = iface->text(QAccessible::Name);
    heard.push_back({event->object(), event->type(), text});
}

// What a screen reader would read from the control: name, value and text.
struct Reading
{
    QString name, value, text;
};

Reading read(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    if (!iface || !iface->textInterface())
        return {};
    return {iface->text(QAccessible::Name), iface->text(QAccessible::Value), iface->textInterface()->text(0, -1)};
}

} // namespace

// A screen reader listens: what the displays announce is recorded (the offscreen platform has no
// accessibility bridge to pass it to).
class ScreenReader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        heard.clear();
        m_previous = controls::ShownTextAccessible::divertAnnouncements(&hear);
    }
    void TearDown() override { controls::ShownTextAccessible::divertAnnouncements(m_previous); }

    static std::vector<QString> texts(QObject *object, QAccessible::Event type)
    {
        std::vector<QString> out;
        for (const Heard &h : heard)
            if (h.object == object && h.type == type)
                out.push_back(h.text);
        return out;
    }

private:
    QAccessible::UpdateHandler m_previous = nullptr;
};

TEST_F(ScreenReader, DigitCellReadsItsNameAndTheDigitsItLights)
{
    M_Degit cell;
    cell.setAccessibleName(QStringLiteral("整理券 3 の運賃"));
    cell.setValue(170);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&cell)->role(), QAccessible::StaticText);
    const Reading fare = read(&cell);
    EXPECT_EQ(fare.name, QStringLiteral("整理券 3 の運賃"));
    EXPECT_EQ(fare.value, QStringLiteral("170"));
    EXPECT_EQ(fare.text, QStringLiteral("170"));

    cell.ResetDegit(-1); // the lamp test lights every cell
    EXPECT_EQ(read(&cell).value, QStringLiteral("8888"));
    cell.ResetDegit(0);
    EXPECT_EQ(read(&cell).text, QString());
    cell.setShift(1); // the kept blank cell at the right is not read
    cell.setValue(120);
    EXPECT_EQ(read(&cell).value, QStringLiteral("120"));
    cell.setShift(0);
    cell.setValue(12345); // only four cells
    EXPECT_EQ(read(&cell).text, QStringLiteral("2345"));
    cell.setValue(12345);
    cell.setValue(0); // zero shows blank
    EXPECT_EQ(read(&cell).value, QString());
    EXPECT_EQ(read(&cell).name, QStringLiteral("整理券 3 の運賃"));

    // Each change was announced once, as a new value and a new text; a redraw that changes
    // nothing is silent.
    const std::vector<QString> changes{QStringLiteral("170"), QStringLiteral("8888"), QString(),
                                       QStringLiteral("120"), QStringLiteral("2345"), QString()};
    EXPECT_EQ(texts(&cell, QAccessible::ValueChanged), changes);
    EXPECT_EQ(texts(&cell, QAccessible::TextUpdated), changes);
}

TEST_F(ScreenReader, StopNameDisplayReadsAndAnnouncesTheNameItShows)
{
    controls::ManualScrollClock clock;
    ChimeiCtl_DX display(nullptr, &clock);
    display.SetChimei(QStringLiteral("市役所前"));
    const Reading stop = read(&display);
    EXPECT_EQ(stop.name, QStringLiteral("市役所前"));
    EXPECT_EQ(stop.text, QStringLiteral("市役所前"));

    // The prefix is read once it is drawn, with the next name.
    display.setTsugiwaMode(1);
    EXPECT_EQ(read(&display).name, QStringLiteral("市役所前"));
    display.SetChimei(QStringLiteral("中央病院前バスターミナル")); // a long name that scrolls
    EXPECT_EQ(read(&display).text, QStringLiteral("次は中央病院前バスターミナル"));
    display.SetChimei(QStringLiteral("中央病院前バスターミナル"));
    display.SetChimei(QString());
    EXPECT_EQ(read(&display).name, QString());

    const std::vector<QString> names{QStringLiteral("市役所前"), QStringLiteral("次は中央病院前バスターミナル"), QString()};
    EXPECT_EQ(texts(&display, QAccessible::NameChanged), names);
    EXPECT_EQ(texts(&display, QAccessible::TextUpdated), names);
}
