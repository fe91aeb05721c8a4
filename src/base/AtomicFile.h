#pragma once

#include <QByteArray>
#include <QString>

namespace base {

// The one way this program and its tool write a file. The bytes go to a temporary file in the
// target's folder, which is flushed and then renamed over the target, so that the target is
// either the old file, whole, or the new one, whole: a full disk, a lost permission or a kill
// in the middle never leaves a cut-off file where a good one was. Every failure carries the
// system's own reason.
class AtomicFile
{
public:
    enum class Durability {
        Synced, // on the disk before the rename (files that must survive a power cut)
        Cached, // only the rename is atomic (short-lived markers that a crash must find)
    };

    struct Result
    {
        int error = 0;  // errno of the step that failed, 0 when the file was written
        QString reason; // the system's description of `error`, empty when written

        bool ok() const { return error == 0; }
    };

    // Replaces `path` with `bytes`. A symbolic link is followed, so that the link stays and the
    // file it names is replaced; a replaced file keeps its permissions. With `createFolder` a
    // missing folder is made first.
    static Result write(const QString &path, const QByteArray &bytes, Durability durability = Durability::Synced,
                        bool createFolder = false);

    // Removes temporary files that a write into `path` left behind when it was killed before its
    // rename ("<name>.XXXXXX" beside it, as this class and Qt's save files name them). Returns
    // how many were removed.
    static int removeStaleTemporaries(const QString &path);

    // The system's description of an errno value.
    static QString reasonFor(int error);
};

} // namespace base
