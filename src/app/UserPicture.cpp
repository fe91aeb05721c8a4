#include "app/UserPicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace app {
namespace {

constexpr int FileNotFound = 53;
constexpr int PathFileAccessError = 75;
constexpr int DeviceIOError = 57;
constexpr int InvalidPicture = 481;
constexpr int OutOfMemory = 7;

} // namespace

UserPicture UserPicture::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, FileNotFound};
    if (!info.isFile() || !info.isReadable())
        return {{}, PathFileAccessError};

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    if (format != "bmp" && format != "gif" && format != "jpeg" && format != "jpg")
        return {{}, InvalidPicture};
    const QImage image = reader.read();
    if (image.isNull()) {
        switch (reader.error()) {
        case QImageReader::FileNotFoundError:
            return {{}, FileNotFound};
        case QImageReader::DeviceError:
            return {{}, DeviceIOError};
        default:
            return {{}, InvalidPicture};
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (pixmap.isNull())
        return {{}, OutOfMemory};
    return {pixmap, 0};
}

QString UserPicture::errorMessage(int errorNumber)
{
    QString text = QStringLiteral("エラーです。\r\n\r\nエラーコード：") + QString::number(errorNumber);
    switch (errorNumber) {
    case 7:
    case 28:
    case 51:
        text += QStringLiteral("　内部的なエラーです。あおば交通へ報告してください。エラー場所：frmCtl.Option4_Click()");
        break;
    case 53:
    case 75:
    case 76:
        text += QStringLiteral("　画像ファイルが見つからないか、指定している場所が不正です。");
        break;
    case 57:
    case 68:
        text += QStringLiteral("　デバイスエラーもしくは準備が出来ていません。");
        break;
    case 481:
        text += QStringLiteral("　指定した画像の内容が不正です。この部分では扱えません。");
        break;
    default:
        break;
    }
    return text;
}

} // namespace app
