#include "base/FaceNames.h"

#include <array>
#include <utility>

namespace base {

const QString FaceNames::Gothic = QStringLiteral("ＭＳ ゴシック");
const QString FaceNames::Mincho = QStringLiteral("ＭＳ 明朝");
const QString FaceNames::ProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");

namespace {

struct Substitute
{
    const char16_t *original;
    const char *standIn;
};

// The ASCII spellings name the same faces and are accepted too.
constexpr std::array<Substitute, 6> Substitutes{{
    {u"ＭＳ ゴシック", "IPAGothic"},
    {u"ＭＳ 明朝", "IPAMincho"},
    {u"ＭＳ Ｐゴシック", "IPAPGothic"},
    {u"MS Gothic", "IPAGothic"},
    {u"MS Mincho", "IPAMincho"},
    {u"MS PGothic", "IPAPGothic"},
}};

} // namespace

QString FaceNames::resolve(const QString &faceName)
{
    const QString name = faceName.trimmed();
    for (const Substitute &s : Substitutes) {
        if (name.compare(QString::fromUtf16(s.original), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.standIn);
    }
    return faceName;
}

QFont FaceNames::font(const QString &faceName, int pixelSize)
{
    QFont f;
    f.setFamilies(QStringList{resolve(faceName)});
    f.setPixelSize(pixelSize);
    return f;
}

} // namespace base
