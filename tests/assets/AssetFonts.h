// Loads the application's own fonts from the source tree, once per test program.
#pragma once

#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QStringList>

namespace assettest {

inline QString assetPath(const QString &relative)
{
    return QStringLiteral(HARUNE_SOURCE_DIR "/assets/") + relative;
}

// The families the font file registers; empty when it cannot be loaded.
inline QStringList loadAssetFont(const QString &fileName)
{
    static QHash<QString, QStringList> loaded;
    const auto it = loaded.constFind(fileName);
    if (it != loaded.constEnd())
        return *it;
    const int id = QFontDatabase::addApplicationFont(assetPath(QStringLiteral("fonts/") + fileName));
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    loaded.insert(fileName, families);
    return families;
}

} // namespace assettest
