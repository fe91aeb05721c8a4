#include "731-tool/TpCsvChecker.h"

#include "base/Cp932.h"
#include "sound/BroadcastData.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace tool {

bool TpCsvChecker::claims(const QString &fileName) const
{
    return fileName.endsWith(QStringLiteral("tp.csv"), Qt::CaseInsensitive);
}

void TpCsvChecker::check(const QString &path, std::vector<Finding> &findings) const
{
    const QString name = QFileInfo(path).fileName();
    auto report = [&](const QString &what) { findings.push_back({path, what}); };

    static const QRegularExpression routeName(QStringLiteral("^(0|[1-9][0-9]{0,4})tp\\.csv$"));
    if (!routeName.match(name).hasMatch())
        report(QStringLiteral("the tape reads <route>tp.csv, with the route number written without leading zeros; this name is never read"));

    QFile file(path);
    if (file.size() > sound::BroadcastData::MaxFileBytes) {
        report(QStringLiteral("larger than %1 bytes; not read").arg(sound::BroadcastData::MaxFileBytes));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("cannot be read"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        report(QStringLiteral("empty; the tape stays off"));
        return;
    }
    // Each line on its own, so that every bad line is named.
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && (lines.last().isEmpty() || lines.last() == "\x1a"))
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const int number = static_cast<int>(i + 1);
        if (line.isEmpty()) {
            report(QStringLiteral("line %1: blank; every line must hold an announcement").arg(number));
            continue;
        }
        if (!base::Cp932::isValid(line)) {
            report(QStringLiteral("line %1: bytes that are not Shift-JIS text").arg(number));
            continue;
        }
        if (!sound::BroadcastData::parse(line))
            report(QStringLiteral("line %1: not three values (text, step flag, sound flag) with 16-bit flags; "
                                  "a text holding a comma must be in double quotes")
                       .arg(number));
    }
}

} // namespace tool
