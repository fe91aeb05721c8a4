#include "reslib/JapaneseFileColumns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace reslib {
namespace {

// The columns of Qt's file system model.
enum Column { Name = 0, Size = 1, Kind = 2, Modified = 3 };

} // namespace

QVariant JapaneseFileColumns::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files || index.column() == Name)
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    const QLocale locale; // the program's own, Japanese
    switch (index.column()) {
    case Size:
        if (info.isFile())
            return locale.formattedDataSize(info.size());
        break;
    case Kind:
        if (info.isDir())
            return QStringLiteral("フォルダー");
        break;
    case Modified:
        return locale.toString(info.lastModified(), QLocale::ShortFormat);
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}

} // namespace reslib
