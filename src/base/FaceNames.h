#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace base {

// The Japanese faces the unit was designed with are not on this platform; IPA faces of the same
// kind (fixed-pitch gothic and mincho, proportional gothic) stand in for them. Every place that
// names a face by its original name goes through here.
class FaceNames
{
public:
    // The family to ask for. Names without a stand-in are returned unchanged.
    static QString resolve(const QString &faceName);

    // A font of the face `faceName` at `pixelSize` pixels that the platform will not replace
    // by a look-alike when the stand-in is present.
    static QFont font(const QString &faceName, int pixelSize);

    static const QString Gothic;            // "ＭＳ ゴシック"
    static const QString Mincho;            // "ＭＳ 明朝"
    static const QString ProportionalGothic; // "ＭＳ Ｐゴシック"
};

} // namespace base
