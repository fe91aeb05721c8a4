#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace base {

// The program's own small settings files beside the settings file's layout (the voice, the
// panel's size): "key=value" lines in UTF-8 in the user's configuration folder. A file that
// cannot be read or is larger than its owner allows reads as none; lines without a key are
// skipped; writes go through the atomic writer.
class KeyValueFile
{
public:
    using Entries = QList<std::pair<QString, QString>>;

    // ~/.config/harune/<fileName> (or under $XDG_CONFIG_HOME).
    static QString configPath(const QString &fileName);

    // The file's entries in order, keys and values trimmed.
    static std::optional<Entries> read(const QString &path, qsizetype maxBytes);

    // Replaces the file with one line per entry, making its folder when missing.
    static bool write(const QString &path, const Entries &entries);
};

} // namespace base
