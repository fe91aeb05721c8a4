#include "settings/IniStatus.h"

namespace settings {

using base::LegacyError;

IniStatus IniStatus::missingFile(LegacyError code, const QString &description)
{
    return IniStatus{Kind::Missing, code, description};
}

IniStatus IniStatus::failure(LegacyError code, const QString &description)
{
    return IniStatus{Kind::Failed, code, description};
}

QString IniStatus::codeText(LegacyError code)
{
    switch (code) {
    case LegacyError::InvalidCall:
        return QStringLiteral("設定値が長すぎるため保存できません。");
    case LegacyError::BadFileName:
        return QStringLiteral("ファイル名が不正です。");
    case LegacyError::FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case LegacyError::DeviceIoError:
        return QStringLiteral("デバイス I/O エラーです。");
    case LegacyError::DiskFull:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case LegacyError::PermissionDenied:
        return QStringLiteral("書き込みできません。");
    case LegacyError::PathFileAccessError:
        return QStringLiteral("パス名が無効です。");
    case LegacyError::InvalidPropertyValue:
        return QStringLiteral("プロパティの値が不正です。");
    default:
        return QString();
    }
}

QString IniStatus::errorMessage(LegacyError code, const QString &description)
{
    return QStringLiteral("エラー Code:") + QString::number(base::number(code)) + QStringLiteral("\r\n")
           + QStringLiteral("内容:") + description;
}

} // namespace settings
