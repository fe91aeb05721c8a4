#pragma once

#include "base/LegacyError.h"

#include <QPixmap>
#include <QString>

namespace app {

// A user's panel picture, loaded the way the unit loads pictures: bitmaps, GIF and JPEG only.
// A failure carries the platform's error number, which the backlight switch reports.
struct UserPicture
{
    QPixmap picture;
    base::LegacyError error = base::LegacyError::None;

    bool loaded() const { return error == base::LegacyError::None; }

    static UserPicture load(const QString &path);
    // The message the backlight switch shows for an error number.
    static QString errorMessage(base::LegacyError error);
};

// The check the backlight switch makes before it loads a user's picture: true when `path`
// names an ordinary file (not a folder, not hidden).
bool FileExists(const QString &path);

} // namespace app
