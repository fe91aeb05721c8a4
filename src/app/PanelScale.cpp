#include "app/PanelScale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace app {
namespace {

// Screen names are what the windowing system calls its outputs ("HDMI-1", "DP-2"): printable,
// short, on one line.
bool isScreenName(QStringView text)
{
    return text.size() <= PanelScale::MaxScreenNameLength
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

} // namespace

QString PanelScale::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("harune/panel.conf"));
}

PanelScale PanelScale::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return {};
    PanelScale scale;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QStringView key = line.left(eq).trimmed();
        const QStringView value = line.mid(eq + 1).trimmed();
        bool ok = false;
        if (key == u"scale") {
            const int n = value.toInt(&ok);
            // A value no menu offers means the file is not ours as written: the original size.
            if (!ok || n < MinFactor || n > MaxFactor)
                return {};
            scale.factor = n;
        } else if (key == u"fullscreen") {
            const int n = value.toInt(&ok);
            if (!ok || (n != 0 && n != 1))
                return {};
            scale.fullScreen = n == 1;
        } else if (key == u"screen" && isScreenName(value)) {
            scale.screen = value.toString();
        }
    }
    return scale;
}

bool PanelScale::save(const QString &path, const PanelScale &scale)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral("scale=%1\nfullscreen=%2\nscreen=%3\n")
                             .arg(std::clamp(scale.factor, MinFactor, MaxFactor))
                             .arg(scale.fullScreen ? 1 : 0)
                             .arg(isScreenName(scale.screen) ? scale.screen : QString());
    file.write(text.toUtf8());
    return file.commit();
}

int PanelScale::fittingFactor(QSize panel, QSize area)
{
    if (panel.isEmpty())
        return MinFactor;
    const int fit = std::min(area.width() / panel.width(), area.height() / panel.height());
    return std::clamp(fit, MinFactor, MaxFactor);
}

QRect PanelScale::centred(QSize panel, int factor, QSize area)
{
    const QSize size = panel * factor;
    return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

} // namespace app
