#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace app {

// How large the panel is shown: its picture enlarged by a whole number (1 to 4) so that dots and
// segments stay sharp, or full screen on a named screen, the largest whole enlargement that fits,
// centred on black. Kept from one run to the next in a small text file of its own in the user's
// configuration folder; the settings file of the original has no room for it.
//
//   scale=3
//   fullscreen=0
//   screen=HDMI-1
//
// A missing, unreadable or damaged file gives the panel as the original shows it: 1×, in a
// window. Unknown lines are passed over.
class PanelScale
{
public:
    static constexpr int MinFactor = 1;
    static constexpr int MaxFactor = 4;
    static constexpr qint64 MaxFileBytes = 4096;
    static constexpr int MaxScreenNameLength = 128;

    int factor = 1;
    bool fullScreen = false;
    // The screen the panel fills, by its name (QScreen::name()); empty for the panel's own.
    QString screen;

    // 1×, in a window: exactly as the original shows the panel.
    bool isOriginal() const { return factor == 1 && !fullScreen; }
    bool operator==(const PanelScale &) const = default;

    // "panel.conf" in the program's folder of the user's configuration (~/.config/harune/).
    static QString defaultPath();
    // As the file says; 1× in a window when it is missing, unreadable, too large or damaged.
    static PanelScale load(const QString &path);
    // Replaces the file whole (written aside, then renamed over it); false when it could not
    // be, in which case the file is as it was.
    static bool save(const QString &path, const PanelScale &scale);

    // The largest enlargement, 1 to 4, at which a panel of `panel` pixels fits in `area`.
    static int fittingFactor(QSize panel, QSize area);
    // Where a panel of `panel` pixels enlarged by `factor` lies when centred in `area`.
    static QRect centred(QSize panel, int factor, QSize area);
};

} // namespace app
