#include "731-tool/Hy3Checker.h"

#include "731-tool/Hy3Commands.h"

#include "fare/FareDisplay.h"
#include "fare/FareRow.h"
#include "fare/Hy3Reader.h"
#include "fare/RoutePath.h"

#include <QFileInfo>

namespace tool {
namespace {

// Route setting opens "<route key>.hy3"; any other name is never opened.
bool IsRouteFileName(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName();
    return fileName.endsWith(QLatin1String(".hy3")) && !base.isEmpty()
           && fare::RouteKey(base) == base;
}

// Fares shown in the fare cells must be doubled at late-night fare within signed 16 bits.
void CheckFares(const fare::Hy3Content &content, const QString &path, std::vector<Finding> &findings)
{
    int g = 0;
    for (const fare::Hy3Record &r : content.records) {
        ++g;
        for (int cell : fare::UndoublableCells(r.Fares))
            findings.push_back({path, QStringLiteral("record %1: fare f%2 is %3, which late-night "
                                                     "fare cannot double (%4 at most)")
                                          .arg(g)
                                          .arg(cell)
                                          .arg(r.Fares[cell - 1])
                                          .arg(fare::LargestDoublableFare)});
    }
}

} // namespace

bool Hy3Checker::claims(const QString &fileName) const
{
    return fileName.endsWith(QLatin1String(".hy3"), Qt::CaseInsensitive);
}

void Hy3Checker::check(const QString &path, std::vector<Finding> &findings) const
{
    auto add = [&](const QString &what) { findings.push_back({path, what}); };
    if (!IsRouteFileName(QFileInfo(path).fileName()))
        add(QStringLiteral("route setting never opens this file: route files are named "
                           "<route number>.hy3, without leading zeros"));

    const fare::Hy3Content content = fare::Hy3Reader::ReadFile(path);
    // With no records to read, whatever follows the count is what the count leaves out.
    const QString unread = content.count <= 0 && content.trailingBytes > 0
                               ? QStringLiteral("; %1 bytes follow it").arg(content.trailingBytes)
                               : QString();
    if (const QString problem = DescribeHy3Problem(content); !problem.isEmpty())
        add(problem + unread);
    if (content.problem == fare::Hy3Problem::CannotOpen
        || content.problem == fare::Hy3Problem::NoCount)
        return;

    if (content.count == 0)
        add(QStringLiteral("the record count is 0; route setting refuses the route") + unread);
    else if (content.count == 1)
        add(QStringLiteral(
            "only 1 record: no starting section can be set (the last row never is one)"));
    if (content.count > fare::MaxRows)
        add(QStringLiteral(
                "%1 records: rows beyond %2 do not fit the fare table and the route is refused")
                .arg(content.count)
                .arg(fare::MaxRows));
    CheckFares(content, path, findings);
    if (content.count > 0 && content.trailingBytes > 0)
        add(QStringLiteral(
                "%1 bytes after record %2 are not part of the data (is the count too low?)")
                .arg(content.trailingBytes)
                .arg(content.count));
}

} // namespace tool
