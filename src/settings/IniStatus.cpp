#include "settings/IniStatus.h"

namespace settings {

IniStatus IniStatus::missingFile(Code code, const QString &description)
{
    return IniStatus{Kind::Missing, code, description};
}

IniStatus IniStatus::failure(Code code, const QString &description)
{
    return IniStatus{Kind::Failed, code, description};
}

QString IniStatus::codeText(Code code)
{
    switch (code) {
    case NoError:
        return QString();
    case ValueTooLong:
        return QStringLiteral("設定値が長すぎるため保存できません。");
    case BadFileName:
        return QStringLiteral("ファイル名が不正です。");
    case FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case DeviceIoError:
        return QStringLiteral("デバイス I/O エラーです。");
    case DiskFull:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case PermissionDenied:
        return QStringLiteral("書き込みできません。");
    case PathAccessError:
        return QStringLiteral("パス名が無効です。");
    }
    return QString();
}

QString IniStatus::errorMessage(int code, const QString &description)
{
    return QStringLiteral("エラー Code:") + QString::number(code) + QStringLiteral("\r\n")
           + QStringLiteral("内容:") + description;
}

} // namespace settings
