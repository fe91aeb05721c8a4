#include "app/PanelScale.h"

#include "base/KeyValueFile.h"

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
    return base::KeyValueFile::configPath(QStringLiteral("panel.conf"));
}

PanelScale PanelScale::load(const QString &path)
{
    const std::optional<base::KeyValueFile::Entries> entries = base::KeyValueFile::read(path, MaxFileBytes);
    if (!entries)
        return {};
    PanelScale scale;
    for (const auto &[key, value] : *entries) {
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
            scale.screen = value;
        }
    }
    return scale;
}

bool PanelScale::save(const QString &path, const PanelScale &scale)
{
    return base::KeyValueFile::write(
        path, {{QStringLiteral("scale"), QString::number(std::clamp(scale.factor, MinFactor, MaxFactor))},
               {QStringLiteral("fullscreen"), QString::number(scale.fullScreen ? 1 : 0)},
               {QStringLiteral("screen"), isScreenName(scale.screen) ? scale.screen : QString()}});
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
