#include "731-tool/TpCsvChecker.h"

#include "731-tool/TapeCsv.h"

#include "sound/BroadcastData.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace tool {
namespace {

// The route key of a name the tape may open: "12tp.csv" (in any case) gives "12".
QString RouteKeyOf(const QString &fileName)
{
    static const QRegularExpression routeName(QStringLiteral("^(0|[1-9][0-9]{0,4})tp\\.csv$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = routeName.match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

bool TpCsvChecker::claims(const QString &fileName) const
{
    return fileName.endsWith(QStringLiteral("tp.csv"), Qt::CaseInsensitive);
}

void TpCsvChecker::check(const QString &path, std::vector<Finding> &findings) const
{
    auto report = [&](const QString &what) { findings.push_back({path, what}); };

    const QFileInfo info(path);
    const QString key = RouteKeyOf(info.fileName());
    if (key.isEmpty()) {
        report(QStringLiteral("the tape reads <route>tp.csv, with the route number written without leading zeros; "
                              "this name is never read"));
    } else {
        // The tape takes a name in other letter case only when no file has the exact name.
        const QString opened = sound::BroadcastData::resolvedPath(sound::BroadcastData::filePath(info.path(), key));
        if (QFileInfo(opened).fileName() != info.fileName())
            report(QStringLiteral("the tape of route %1 opens %2 instead; this file is never read")
                       .arg(key, QFileInfo(opened).fileName()));
    }

    const sound::BroadcastReading reading = sound::BroadcastData::readFile(path);
    for (const sound::BroadcastFault &fault : reading.faults)
        report(DescribeBroadcastFault(fault));
}

} // namespace tool
