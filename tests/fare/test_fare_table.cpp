#include "fare/FareTable.h"

#include <gtest/gtest.h>

using namespace fare;

TEST(FareTable, StartsEmptyAndClearsBackToEmpty)
{
    FareTable table;
    for (int r : {1, 150, 301}) {
        EXPECT_TRUE(table.Row(r).StopName.isEmpty());
        EXPECT_EQ(table.Row(r).TicketNo, 0);
        EXPECT_EQ(table.Row(r).Fare(150), 0);
    }
    table.SetFareCell(7, 1, QStringLiteral("市役所前"));
    table.SetFareCell(7, 2, 7);
    table.SetFareCell(7, 152, 3);
    table.ClearFareTable();
    EXPECT_EQ(table, FareTable());
}

TEST(FareTable, ColumnsMapToNameTicketAndFares)
{
    FareTable table;
    EXPECT_EQ(table.SetFareCell(1, 1, QStringLiteral("駅前")), FareStatus::Ok);
    EXPECT_EQ(table.SetFareCell(1, 2, 12), FareStatus::Ok);
    EXPECT_EQ(table.SetFareCell(1, 3, 230), FareStatus::Ok);
    EXPECT_EQ(table.SetFareCell(1, 152, QStringLiteral(" -1 ")), FareStatus::Ok);
    EXPECT_EQ(table.SetFareCell(301, 1, 42), FareStatus::Ok);

    EXPECT_EQ(table.Row(1).StopName, QStringLiteral("駅前"));
    EXPECT_EQ(table.Row(1).TicketNo, 12);
    EXPECT_EQ(table.Row(1).Fare(1), 230);
    EXPECT_EQ(table.Row(1).Fare(150), -1);
    EXPECT_EQ(table.Row(301).StopName, QStringLiteral("42"));
}

TEST(FareTable, OutOfRangeWritesAreErrorsAndStoreNothing)
{
    FareTable table;
    EXPECT_EQ(table.SetFareCell(0, 3, 1), FareStatus::RowOutOfRange);
    EXPECT_EQ(table.SetFareCell(302, 3, 1), FareStatus::RowOutOfRange);
    EXPECT_EQ(table.SetFareCell(1, 0, 1), FareStatus::ColumnOutOfRange);
    EXPECT_EQ(table.SetFareCell(1, 153, QStringLiteral("1")), FareStatus::ColumnOutOfRange);
    EXPECT_EQ(table.SetFareCell(1, 3, 40000), FareStatus::Overflow);
    EXPECT_EQ(table.SetFareCell(1, 3, QStringLiteral("99999999999999999999")),
              FareStatus::Overflow);
    EXPECT_EQ(table.SetFareCell(1, 2, QStringLiteral("十二")), FareStatus::TypeMismatch);
    EXPECT_EQ(table.SetFareCell(1, 2, QString()), FareStatus::TypeMismatch);
    EXPECT_EQ(table, FareTable());

    EXPECT_EQ(DescribeFareStatus(FareStatus::RowOutOfRange),
              QStringLiteral("インデックスが有効範囲にありません。"));
    EXPECT_TRUE(DescribeFareStatus(FareStatus::Ok).isEmpty());
}

TEST(FareTable, RowsOutsideTheTableReadAsEmpty)
{
    FareTable table;
    table.SetFareCell(1, 1, QStringLiteral("始発"));
    EXPECT_TRUE(table.Row(0).StopName.isEmpty());
    EXPECT_TRUE(table.Row(302).StopName.isEmpty());
    EXPECT_EQ(table.Row(-5).Fare(1), 0);
}
