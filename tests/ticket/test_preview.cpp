#include "../plugins/PluginFiles.h"
#include "FakeServices.h"
#include "ticket/mdlSeiriken.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <limits>

using namespace ticket;

TEST(TicketTexts, DatesAndTimesAsTheTicketPrintsThem)
{
    const QDateTime morning(QDate(2026, 3, 4), QTime(7, 5, 9));
    EXPECT_EQ(SystemDateText(morning), QStringLiteral("03-04-2026"));
    EXPECT_EQ(TimeText(morning), QStringLiteral("07:05:09"));
    EXPECT_EQ(TimeText(QDateTime(QDate(2026, 3, 4), QTime(23, 59, 59))), QStringLiteral("23:59:59"));
    EXPECT_EQ(TimeText(QDateTime(QDate(2026, 3, 4), QTime(0, 0, 0))), QStringLiteral("00:00:00"));
}

TEST(TicketTexts, TheDateChoice)
{
    const QDateTime now(QDate(2026, 12, 8), QTime(0, 0, 1));
    PreviewOptions options;
    options.fixedDate = QStringLiteral("2025/01/31");
    EXPECT_EQ(DateText(options, QStringLiteral("12-07-2026"), now), QStringLiteral("12-08-2026"));
    options.dateMode = settings::TicketDateMode::KeptAtRouteSetting;
    EXPECT_EQ(DateText(options, QStringLiteral("12-07-2026"), now), QStringLiteral("12-07-2026"));
    options.dateMode = settings::TicketDateMode::Fixed;
    EXPECT_EQ(DateText(options, QStringLiteral("12-07-2026"), now), QStringLiteral("2025/01/31"));

    // What route setting keeps.
    EXPECT_EQ(TicketDateAtRouteSetting(options, now), QStringLiteral("2025/01/31"));
    options.dateMode = settings::TicketDateMode::KeptAtRouteSetting;
    EXPECT_EQ(TicketDateAtRouteSetting(options, now), QStringLiteral("12-08-2026"));
    options.dateMode = settings::TicketDateMode::AtPrint;
    EXPECT_EQ(TicketDateAtRouteSetting(options, now), QStringLiteral("12-08-2026"));
}

TEST(TicketTexts, RouteNumberReadAsANumber)
{
    EXPECT_EQ(RouteNumber(QStringLiteral("00123")), 123);
    EXPECT_EQ(RouteNumber(QString()), 0);
    EXPECT_EQ(RouteNumber(QStringLiteral("  42")), 42);
    EXPECT_EQ(RouteNumber(QStringLiteral("12abc")), 12);
    EXPECT_EQ(RouteNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(RouteNumber(QStringLiteral("-7")), -7);
    EXPECT_EQ(RouteNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(RouteNumber(QStringLiteral("3.5")), 4);
    EXPECT_EQ(RouteNumber(QStringLiteral("99999999999")), std::numeric_limits<int32_t>::max());
}

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        picture.resize(40, 30);
        options.use = true;
        options.pluginFile = testPlugin("full");
        stop.stopName = QStringLiteral("市役所前");
        stop.ticketNo = 5;
        stop.row = 6;
        stop.routeNo = QStringLiteral("00123");
        stop.ticketDate = QStringLiteral("12-07-2026");
    }

    QRgb centre() { return PreviewImage(&picture).pixel(20, 15); }
    QRgb background() { return picture.palette().color(picture.backgroundRole()).rgb(); }

    QLabel picture;
    PreviewOptions options;
    PreviewStop stop;
    FakeClock clock;
    DrawLog log;
};

TEST_F(Preview, DrawsThroughThePlugin)
{
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(18, 4, 5)));
    RefreshPreview(&picture, options, stop, clock);
    ASSERT_EQ(log.calls().size(), 1);
    EXPECT_EQ(log.calls()[0], (QByteArrayList{"\x8e\x73\x96\xf0\x8f\x8a\x91\x4f", "12-07-2026", "18:04:05", "123", "5",
                                              "6", "-1", "40x30"}));
    EXPECT_EQ(centre(), 0xFF00FF00u);
}

TEST_F(Preview, ClearedAndNotDrawnWhenNotInUse)
{
    RefreshPreview(&picture, options, stop, clock);
    ASSERT_EQ(centre(), 0xFF00FF00u);
    options.use = false;
    RefreshPreview(&picture, options, stop, clock);
    EXPECT_EQ(log.calls().size(), 1);
    EXPECT_EQ(centre(), background());
}

TEST_F(Preview, ClearedWhenThePluginIsGoneOrRefused)
{
    RefreshPreview(&picture, options, stop, clock);
    options.pluginFile.clear();
    RefreshPreview(&picture, options, stop, clock);
    EXPECT_EQ(centre(), background());
    options.pluginFile = testPlugin("notaplugin");
    RefreshPreview(&picture, options, stop, clock);
    EXPECT_EQ(centre(), background());
    EXPECT_EQ(log.calls().size(), 1);
}

TEST_F(Preview, KeptDateSurvivesMidnight)
{
    options.dateMode = settings::TicketDateMode::KeptAtRouteSetting;
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 0)));
    stop.ticketDate = TicketDateAtRouteSetting(options, clock.now());
    RefreshPreview(&picture, options, stop, clock);
    clock.advance(2 * 60 * 1000);
    RefreshPreview(&picture, options, stop, clock);
    ASSERT_EQ(log.calls().size(), 2);
    EXPECT_EQ(log.calls()[1][1], QByteArray("12-07-2026"));
    EXPECT_EQ(log.calls()[1][2], QByteArray("00:01:00"));

    // The date at print follows the clock.
    options.dateMode = settings::TicketDateMode::AtPrint;
    RefreshPreview(&picture, options, stop, clock);
    EXPECT_EQ(log.calls()[2][1], QByteArray("12-08-2026"));
}
