#include "fare/RouteSetting.h"

#include "fare/Hy3Reader.h"
#include "fare/RoutePath.h"

#include "base/Cp932.h"
#include "base/FileErrorText.h"

#include <QFileInfo>

namespace fare {
namespace {

const QString Crlf = QStringLiteral("\r\n");

QString RemakeAdvice()
{
    return Crlf + QStringLiteral("  解決法：データを作り直して下さい.");
}

RouteDecision Refuse(RouteDecision d, RouteOutcome outcome, const QString &message)
{
    d.outcome = outcome;
    d.message = message;
    return d;
}

FareTable TableFromRecords(const std::vector<Hy3Record> &records)
{
    FareTable table;
    int row = 1;
    for (const Hy3Record &r : records) {
        FareRow fr;
        fr.StopName = base::Cp932::toUnicode(r.Name);
        fr.TicketNo = r.TicketNo;
        fr.Fares = r.Fares;
        table.SetRow(row++, fr);
    }
    return table;
}

} // namespace

QString NoDataMessage()
{
    return QStringLiteral("指定した系統のデータがありません...");
}

QString ZeroRecordsMessage()
{
    return QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
}

QString SectionTooLargeMessage()
{
    return QStringLiteral("指定した区間はデータの数よりも多いです...") + Crlf
           + QStringLiteral("  解決法：正しい区間を入力して下さい.");
}

QString TooManyRecordsMessage(int count)
{
    return QStringLiteral("指定した系統のデータは停留所の数(%1)が%2を超えています...")
               .arg(count)
               .arg(MaxRows)
           + Crlf + QStringLiteral("  解決法：停留所の数を%1以内にして下さい.").arg(MaxRows);
}

QString TruncatedMessage(int record)
{
    const QString where =
        record > 0 ? QStringLiteral("%1件目").arg(record) : QStringLiteral("データの数");
    return QStringLiteral("指定した系統のデータが途中で切れています(%1)...").arg(where)
           + RemakeAdvice();
}

QString BadStopNameMessage(int record)
{
    return QStringLiteral("指定した系統のデータの%1件目の停留所名に読めない文字があります...")
               .arg(record)
           + RemakeAdvice();
}

QString ReadErrorMessage(const QString &why)
{
    return QStringLiteral("指定した系統のデータを読み込めません...") + Crlf + QStringLiteral("  ")
           + why;
}

RouteDecision DecideRoute(const RouteRequest &request)
{
    RouteDecision d;
    d.RouteNo = request.routeNo;
    d.StartSection = NormalizeSection(request.section);
    d.filePath = FareFilePath(request.fareFolder, request.routeNo);

    const QFileInfo info(d.filePath);
    if (!info.exists())
        return Refuse(std::move(d), RouteOutcome::NoData, NoDataMessage());
    if (info.isDir())
        return Refuse(std::move(d), RouteOutcome::ReadError,
                      ReadErrorMessage(QStringLiteral("%1 はフォルダーです。").arg(d.filePath)));

    // Records beyond the table's rows are never needed: such a file is refused anyway.
    const Hy3Content content = Hy3Reader::ReadFile(d.filePath, MaxRows);
    switch (content.problem) {
    case Hy3Problem::CannotOpen:
        // The reader's own reason is the system's English; the message is Japanese.
        return Refuse(std::move(d), RouteOutcome::ReadError,
                      ReadErrorMessage(d.filePath + QStringLiteral(" : ")
                                       + base::FileErrorText::of(QFileDevice::OpenError, d.filePath)));
    case Hy3Problem::NoCount:
        return Refuse(std::move(d), RouteOutcome::Truncated, TruncatedMessage(0));
    default:
        break;
    }

    const int n = content.count;
    if (n == 0)
        return Refuse(std::move(d), RouteOutcome::ZeroRecords, ZeroRecordsMessage());
    if (d.StartSection > n - 1)
        return Refuse(std::move(d), RouteOutcome::SectionTooLarge, SectionTooLargeMessage());
    if (n > MaxRows)
        return Refuse(std::move(d), RouteOutcome::TooManyRecords, TooManyRecordsMessage(n));
    if (content.problem == Hy3Problem::Truncated)
        return Refuse(std::move(d), RouteOutcome::Truncated,
                      TruncatedMessage(content.problemRecord));
    if (content.problem == Hy3Problem::BadName)
        return Refuse(std::move(d), RouteOutcome::BadStopName,
                      BadStopNameMessage(content.problemRecord));

    d.outcome = RouteOutcome::Accepted;
    d.table = TableFromRecords(content.records);
    d.RowCount = static_cast<int16_t>(n);
    d.CurIndex = static_cast<int16_t>(d.StartSection - 1);
    return d;
}

} // namespace fare
