#include "base/FileErrorText.h"

#include <QFileInfo>

#include <cerrno>

namespace base {

QString FileErrorText::of(QFileDevice::FileError error, const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("ファイルではなくフォルダーです。");
    switch (error) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::PermissionsError:
        return QStringLiteral("アクセスが拒否されました。");
    case QFileDevice::ResourceError:
        return QStringLiteral("ディスクの空き容量かシステムの資源が足りません。");
    case QFileDevice::ReadError:
        return QStringLiteral("ファイルを読み込めません。");
    case QFileDevice::WriteError:
        return QStringLiteral("ファイルに書き込めません。");
    case QFileDevice::RenameError:
        return QStringLiteral("ファイルを置き換えられません。");
    case QFileDevice::OpenError:
        if (!info.exists())
            return QStringLiteral("ファイルが見つかりません。");
        return QStringLiteral("ファイルを開けません。");
    default:
        return QStringLiteral("ファイルを扱えません。");
    }
}

QString FileErrorText::ofSystemError(int error)
{
    switch (error) {
    case 0:
        return QString();
    case ENOSPC:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量が上限に達しています。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case EIO:
        return QStringLiteral("デバイス I/O エラーです。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました。");
    case EROFS:
        return QStringLiteral("読み取り専用の場所です。");
    case ENOENT:
        return QStringLiteral("ファイルまたはフォルダーが見つかりません。");
    case EISDIR:
        return QStringLiteral("ファイルではなくフォルダーです。");
    case ENOTDIR:
        return QStringLiteral("パスの途中にフォルダーでないものがあります。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case ENOMEM:
        return QStringLiteral("メモリが不足しています。");
    default:
        return QStringLiteral("システムエラーです（番号 %1）。").arg(error);
    }
}

} // namespace base
