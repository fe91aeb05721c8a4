#include "FareFiles.h"

#include "fare/RoutePath.h"
#include "fare/RouteState.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fare;
using namespace faretest;

namespace {

class RouteSetting : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString folder() const { return dir.path(); }
    void writeRoute(const QString &key, const QByteArray &bytes)
    {
        ASSERT_TRUE(WriteBytes(dir.filePath(key + QStringLiteral(".hy3")), bytes));
    }
    void writeRoute(const QString &key, const std::vector<Hy3Record> &records)
    {
        writeRoute(key, Encode(records));
    }
    RouteDecision set(const QString &routeNo, int section)
    {
        return state.SetRoute({folder(), routeNo, section});
    }
    RouteDecision set(const QString &routeNo, const QString &sectionText)
    {
        return set(routeNo, SectionFromText(sectionText));
    }

    // Route 1 with 4 stops, set at section 2 and stepped once forward.
    void loadOldRoute()
    {
        writeRoute(QStringLiteral("1"), Stops(4, QStringLiteral("旧")));
        ASSERT_TRUE(set(QStringLiteral("1"), 2).accepted());
        ASSERT_TRUE(state.StepForward());
        oldTable = state.Table();
    }
    void expectOldRouteStays()
    {
        EXPECT_EQ(state.Table(), oldTable);
        EXPECT_EQ(state.RowCount(), 4);
        EXPECT_EQ(state.CurIndex(), 2);
        EXPECT_EQ(state.StartSection(), 2);
        EXPECT_EQ(state.RouteNo(), QStringLiteral("1"));
        EXPECT_EQ(state.Current().StopName, QStringLiteral("旧3"));
        // Stepping still works on the old route.
        EXPECT_TRUE(state.StepForward());
        EXPECT_FALSE(state.StepForward());
        EXPECT_TRUE(state.StepBack());
    }

    QTemporaryDir dir;
    RouteState state;
    FareTable oldTable;
};

} // namespace

TEST(RoutePath, FolderKeyAndFileName)
{
    EXPECT_EQ(FolderWithSeparator(QString()), QString());
    EXPECT_EQ(FolderWithSeparator(QStringLiteral("/data")), QStringLiteral("/data/"));
    EXPECT_EQ(FolderWithSeparator(QStringLiteral("/data/")), QStringLiteral("/data/"));
    EXPECT_EQ(RouteKey(QStringLiteral("00123")), QStringLiteral("123"));
    EXPECT_EQ(RouteKey(QString()), QStringLiteral("0"));
    EXPECT_EQ(RouteKey(QStringLiteral("00000")), QStringLiteral("0"));
    EXPECT_EQ(FareFilePath(QStringLiteral("fares"), QStringLiteral("0450")),
              QStringLiteral("fares/450.hy3"));
    EXPECT_EQ(FareFilePath(QString(), QString()), QStringLiteral("0.hy3"));
}

TEST_F(RouteSetting, RouteWithLeadingZerosLoadsTheFileOfItsNumber)
{
    writeRoute(QStringLiteral("12"), Stops(6));
    const RouteDecision d = set(QStringLiteral("00012"), 3);
    ASSERT_TRUE(d.accepted()) << d.message.toStdString();
    EXPECT_TRUE(d.filePath.endsWith(QStringLiteral("/12.hy3")));
    EXPECT_EQ(state.RouteNo(), QStringLiteral("00012"));
    EXPECT_EQ(state.RowCount(), 6);
    EXPECT_EQ(state.StartSection(), 3);
    EXPECT_EQ(state.CurIndex(), 2);
    EXPECT_EQ(state.Current().StopName, QStringLiteral("停留所3"));
    EXPECT_EQ(state.Table().Row(6).Fare(150), 750);
    EXPECT_TRUE(state.Table().Row(7).StopName.isEmpty());
}

TEST_F(RouteSetting, EmptyRouteLoadsZeroAndFolderGetsItsSeparator)
{
    writeRoute(QStringLiteral("0"), Stops(2));
    EXPECT_TRUE(state.SetRoute({folder() + u'/', QString(), 1}).accepted());
    EXPECT_TRUE(state.SetRoute({folder(), QString(), 1}).accepted());
}

TEST_F(RouteSetting, SectionZeroOrEmptyStartsAtTheFirstRow)
{
    writeRoute(QStringLiteral("5"), Stops(3));
    for (const QString &section : {QStringLiteral("0"), QString(), QStringLiteral("000")}) {
        const RouteDecision d = set(QStringLiteral("5"), section);
        ASSERT_TRUE(d.accepted());
        EXPECT_EQ(state.StartSection(), 1);
        EXPECT_EQ(state.CurIndex(), 0);
    }
}

TEST_F(RouteSetting, SectionAbove300BecomesThe300thRow)
{
    writeRoute(QStringLiteral("7"), Stops(300));
    RouteDecision d = set(QStringLiteral("7"), QStringLiteral("450"));
    EXPECT_EQ(d.StartSection, 300);
    EXPECT_EQ(d.outcome, RouteOutcome::SectionTooLarge);

    writeRoute(QStringLiteral("7"), Stops(301));
    d = set(QStringLiteral("7"), QStringLiteral("450"));
    ASSERT_TRUE(d.accepted());
    EXPECT_EQ(state.CurIndex(), 299);
    EXPECT_TRUE(state.StepForward());
    EXPECT_EQ(state.Current().StopName, QStringLiteral("停留所301"));
    EXPECT_FALSE(state.StepForward());
}

TEST_F(RouteSetting, TheLastRowIsNeverAStartingSection)
{
    writeRoute(QStringLiteral("3"), Stops(5));
    for (int section = 1; section <= 4; ++section)
        EXPECT_TRUE(set(QStringLiteral("3"), section).accepted()) << section;
    const RouteDecision d = set(QStringLiteral("3"), 5);
    EXPECT_EQ(d.outcome, RouteOutcome::SectionTooLarge);
    EXPECT_EQ(d.message, QStringLiteral("指定した区間はデータの数よりも多いです...\r\n"
                                        "  解決法：正しい区間を入力して下さい."));
}

TEST_F(RouteSetting, KnownRefusalsShowTheirMessagesAndKeepTheOldRoute)
{
    loadOldRoute();

    RouteDecision d = set(QStringLiteral("99"), 1);
    EXPECT_EQ(d.outcome, RouteOutcome::NoData);
    EXPECT_EQ(d.message, QStringLiteral("指定した系統のデータがありません..."));

    // A zero count refuses the route even when records follow it.
    writeRoute(QStringLiteral("20"), EncodeWithCount(Stops(3), 0));
    d = set(QStringLiteral("20"), 1);
    EXPECT_EQ(d.outcome, RouteOutcome::ZeroRecords);
    EXPECT_EQ(d.message,
              QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります..."));

    writeRoute(QStringLiteral("21"), EncodeWithCount(Stops(3), -3));
    EXPECT_EQ(set(QStringLiteral("21"), 1).outcome, RouteOutcome::SectionTooLarge);

    writeRoute(QStringLiteral("22"), Stops(3));
    EXPECT_EQ(set(QStringLiteral("22"), 3).outcome, RouteOutcome::SectionTooLarge);

    expectOldRouteStays();
}

TEST_F(RouteSetting, BrokenFilesAreRefusedAndKeepTheOldRoute)
{
    loadOldRoute();

    writeRoute(QStringLiteral("30"), Stops(302));
    RouteDecision d = set(QStringLiteral("30"), 1);
    EXPECT_EQ(d.outcome, RouteOutcome::TooManyRecords);
    EXPECT_TRUE(d.message.contains(QStringLiteral("302")));
    expectOldRouteStays();

    const QByteArray good = Encode(Stops(10));
    writeRoute(QStringLiteral("31"), good.left(good.size() - 100));
    d = set(QStringLiteral("31"), 1);
    EXPECT_EQ(d.outcome, RouteOutcome::Truncated);
    EXPECT_EQ(d.message, QStringLiteral("指定した系統のデータが途中で切れています(10件目)...\r\n"
                                        "  解決法：データを作り直して下さい."));
    expectOldRouteStays();

    writeRoute(QStringLiteral("32"), QByteArray("\x05", 1));
    EXPECT_EQ(set(QStringLiteral("32"), 1).outcome, RouteOutcome::Truncated);

    auto records = Stops(4);
    records[2].Name = QByteArray("\x83\x6f\x83\x58\xff", 5);
    writeRoute(QStringLiteral("33"), records);
    d = set(QStringLiteral("33"), 1);
    EXPECT_EQ(d.outcome, RouteOutcome::BadStopName);
    EXPECT_TRUE(d.message.startsWith(QStringLiteral("指定した系統のデータの3件目の停留所名")));

    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("34.hy3")));
    d = set(QStringLiteral("34"), 1);
    EXPECT_EQ(d.outcome, RouteOutcome::ReadError);
    EXPECT_TRUE(
        d.message.startsWith(QStringLiteral("指定した系統のデータを読み込めません...\r\n")));

    expectOldRouteStays();
}

TEST_F(RouteSetting, DoubleByteNamesAreReadWithTheirLengthInBytes)
{
    writeRoute(QStringLiteral("8"), {Record(QStringLiteral("市立総合医療センター前"), 1, {170}),
                                     Record(QStringLiteral("ﾊﾙﾈ駅"), 2, {-1, 190})});
    ASSERT_TRUE(set(QStringLiteral("8"), 1).accepted());
    EXPECT_EQ(state.Table().Row(1).StopName, QStringLiteral("市立総合医療センター前"));
    EXPECT_EQ(state.Table().Row(1).Fare(1), 170);
    EXPECT_EQ(state.Table().Row(2).StopName, QStringLiteral("ﾊﾙﾈ駅"));
    EXPECT_EQ(state.Table().Row(2).TicketNo, 2);
    EXPECT_EQ(state.Table().Row(2).Fare(2), 190);
}

TEST_F(RouteSetting, ANewRouteLeavesNothingOfTheOldOne)
{
    loadOldRoute();
    writeRoute(QStringLiteral("2"), Stops(2, QStringLiteral("新")));
    ASSERT_TRUE(set(QStringLiteral("2"), 1).accepted());
    EXPECT_EQ(state.RowCount(), 2);
    EXPECT_TRUE(state.Table().Row(3).StopName.isEmpty());
    EXPECT_EQ(state.Table().Row(4).Fare(1), 0);
}

TEST(RouteStepping, StopsAtBothEndsAndDoesNothingWithoutARoute)
{
    RouteState state;
    EXPECT_FALSE(state.StepForward());
    EXPECT_FALSE(state.StepBack());
    EXPECT_EQ(state.CurrentRow(), 1);
}
