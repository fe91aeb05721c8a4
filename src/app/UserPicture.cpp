#include "app/UserPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace app {

using base::LegacyError;

UserPicture UserPicture::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, LegacyError::FileNotFound};
    if (!info.isFile() || !info.isReadable())
        return {{}, LegacyError::PathFileAccessError};

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    if (format != "bmp" && format != "gif" && format != "jpeg" && format != "jpg")
        return {{}, LegacyError::InvalidPicture};
    const QImage image = reader.read();
    if (image.isNull()) {
        switch (reader.error()) {
        case QImageReader::FileNotFoundError:
            return {{}, LegacyError::FileNotFound};
        case QImageReader::DeviceError:
            return {{}, LegacyError::DeviceIoError};
        default:
            return {{}, LegacyError::InvalidPicture};
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (pixmap.isNull())
        return {{}, LegacyError::OutOfMemory};
    return {pixmap, LegacyError::None};
}

QString UserPicture::errorMessage(LegacyError error)
{
    QString text = QStringLiteral("エラーです。\r\n\r\nエラーコード：") + QString::number(base::number(error));
    switch (error) {
    case LegacyError::OutOfMemory:
    case LegacyError::OutOfStackSpace:
    case LegacyError::InternalError:
        text += QStringLiteral("　内部的なエラーです。あおば交通へ報告してください。エラー場所：frmCtl.Option4_Click()");
        break;
    case LegacyError::FileNotFound:
    case LegacyError::PathFileAccessError:
    case LegacyError::PathNotFound:
        text += QStringLiteral("　画像ファイルが見つからないか、指定している場所が不正です。");
        break;
    case LegacyError::DeviceIoError:
    case LegacyError::DeviceUnavailable:
        text += QStringLiteral("　デバイスエラーもしくは準備が出来ていません。");
        break;
    case LegacyError::InvalidPicture:
        text += QStringLiteral("　指定した画像の内容が不正です。この部分では扱えません。");
        break;
    default:
        break;
    }
    return text;
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

} // namespace app
