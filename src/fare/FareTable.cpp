#include "fare/FareTable.h"

#include <limits>

namespace fare {
namespace {

// Optional sign, then one or more digits: a number, however large.
bool IsInteger(const QString &text)
{
    qsizetype i = (text.startsWith(u'+') || text.startsWith(u'-')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return true;
}

bool FitsInt16(long long v)
{
    return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
}

FareStatus CheckCell(int row, int column)
{
    if (!FareTable::IsRow(row))
        return FareStatus::RowOutOfRange;
    if (column < 1 || column > CellColumns)
        return FareStatus::ColumnOutOfRange;
    return FareStatus::Ok;
}

void StoreNumber(FareRow &r, int column, int16_t value)
{
    if (column == 2)
        r.TicketNo = value;
    else
        r.Fares[column - 3] = value;
}

} // namespace

QString DescribeFareStatus(FareStatus status)
{
    switch (status) {
    case FareStatus::Ok:
        return {};
    case FareStatus::RowOutOfRange:
    case FareStatus::ColumnOutOfRange:
        return QStringLiteral("インデックスが有効範囲にありません。");
    case FareStatus::Overflow:
        return QStringLiteral("オーバーフローしました。");
    case FareStatus::TypeMismatch:
        return QStringLiteral("型が一致しません。");
    }
    return {};
}

FareTable::FareTable() : m_rows(MaxRows) {}

void FareTable::ClearFareTable()
{
    for (FareRow &r : m_rows)
        r = FareRow{};
}

FareStatus FareTable::SetFareCell(int row, int column, const QString &value)
{
    if (const FareStatus s = CheckCell(row, column); s != FareStatus::Ok)
        return s;
    FareRow &r = m_rows[row - 1];
    if (column == 1) {
        r.StopName = value;
        return FareStatus::Ok;
    }
    const QString text = value.trimmed();
    if (!IsInteger(text))
        return FareStatus::TypeMismatch;
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (!ok || !FitsInt16(number))
        return FareStatus::Overflow;
    StoreNumber(r, column, static_cast<int16_t>(number));
    return FareStatus::Ok;
}

FareStatus FareTable::SetFareCell(int row, int column, int value)
{
    if (const FareStatus s = CheckCell(row, column); s != FareStatus::Ok)
        return s;
    FareRow &r = m_rows[row - 1];
    if (column == 1) {
        r.StopName = QString::number(value);
        return FareStatus::Ok;
    }
    if (!FitsInt16(value))
        return FareStatus::Overflow;
    StoreNumber(r, column, static_cast<int16_t>(value));
    return FareStatus::Ok;
}

FareStatus FareTable::SetRow(int row, const FareRow &value)
{
    if (!IsRow(row))
        return FareStatus::RowOutOfRange;
    m_rows[row - 1] = value;
    return FareStatus::Ok;
}

const FareRow &FareTable::Row(int row) const
{
    static const FareRow empty;
    return IsRow(row) ? m_rows[row - 1] : empty;
}

} // namespace fare
