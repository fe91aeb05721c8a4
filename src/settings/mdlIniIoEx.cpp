#include "settings/mdlIniIoEx.h"

#include "base/AtomicFile.h"
#include "settings/IniJsonDump.h"
#include "settings/IniReader.h"
#include "settings/IniWriter.h"
#include "base/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cerrno>

namespace settings {
namespace {

using base::LegacyError;

QString describe(LegacyError code, const QString &path, const QString &detail = QString())
{
    QString text = IniStatus::codeText(code) + QLatin1Char(' ') + QDir::toNativeSeparators(path);
    if (!detail.isEmpty())
        text += QStringLiteral(" (") + detail + QLatin1Char(')');
    return text;
}

LegacyError codeFor(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ResourceError:
        return LegacyError::DiskFull;
    case QFileDevice::PermissionsError:
        return LegacyError::PermissionDenied;
    case QFileDevice::OpenError:
    case QFileDevice::RenameError:
        return LegacyError::PathFileAccessError;
    default:
        return LegacyError::DeviceIoError;
    }
}

IniStatus fileFailure(const QFileDevice &file, const QString &path)
{
    const LegacyError code = codeFor(file.error());
    return IniStatus::failure(code, describe(code, path, base::FileErrorText::of(file.error(), path)));
}

LegacyError codeFor(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return LegacyError::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return LegacyError::PermissionDenied;
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
        return LegacyError::PathFileAccessError;
    default:
        return LegacyError::DeviceIoError;
    }
}

} // namespace

QByteArray mdlIniIoEx::encode(const IniRecords &records, QString *overlongField)
{
    IniWriter writer;
    const int16_t cellCount = DegitCellCount;
    visitIniFields(writer, records, cellCount);
    if (overlongField)
        *overlongField = writer.overlongField();
    return writer.bytes();
}

IniRecords mdlIniIoEx::decode(const QByteArray &bytes, const IniRecords &base, IniDecodeInfo *info)
{
    IniRecords records = base;
    IniReader reader(bytes);
    int16_t storedCellCount = 0;
    visitIniFields(reader, records, storedCellCount);
    if (info) {
        info->storedCellCount = storedCellCount;
        info->complete = !reader.ranShort();
        info->bytesUsed = reader.position();
    }
    return records;
}

IniStatus mdlIniIoEx::save(const IniRecords &records, const QString &path)
{
    QString overlongField;
    const QByteArray bytes = encode(records, &overlongField);
    if (!overlongField.isEmpty())
        return IniStatus::failure(LegacyError::InvalidCall,
                                  IniStatus::codeText(LegacyError::InvalidCall) + QLatin1Char(' ') + overlongField);
    if (path.isEmpty())
        return IniStatus::failure(LegacyError::BadFileName, IniStatus::codeText(LegacyError::BadFileName));

    return writeFile(path, bytes);
}

IniStatus mdlIniIoEx::writeFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return IniStatus::failure(LegacyError::PathFileAccessError, describe(LegacyError::PathFileAccessError, folder));
    const base::AtomicFile::Result written = base::AtomicFile::write(path, bytes);
    if (written.ok())
        return IniStatus::success();
    const LegacyError code = codeFor(written.error);
    return IniStatus::failure(code, describe(code, path, base::FileErrorText::ofSystemError(written.error)));
}

IniLoadResult mdlIniIoEx::load(const QString &path, const IniRecords &base)
{
    IniLoadResult result;
    result.records = base;
    if (path.isEmpty()) {
        result.status = IniStatus::missingFile(LegacyError::BadFileName, IniStatus::codeText(LegacyError::BadFileName));
        return result;
    }
    if (!QFileInfo::exists(path)) {
        result.status = IniStatus::missingFile(LegacyError::FileNotFound, describe(LegacyError::FileNotFound, path));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = fileFailure(file, path);
        return result;
    }
    // Nothing past the largest possible layout can be a field, so a huge file costs no memory.
    const QByteArray bytes = file.read(MaxFileSize);
    if (file.error() != QFileDevice::NoError) {
        result.status = fileFailure(file, path);
        return result;
    }
    // An empty file holds nothing at all, as when a save was cut off before its first byte.
    if (bytes.isEmpty()) {
        result.status = IniStatus::missingFile(LegacyError::FileNotFound, describe(LegacyError::FileNotFound, path));
        return result;
    }
    result.bytes = bytes;
    result.records = decode(bytes, base, &result.info);
    return result;
}

QByteArray mdlIniIoEx::dumpJson(const IniRecords &records, int16_t cellCount)
{
    IniJsonDump dump;
    visitIniFields(dump, records, cellCount);
    return QJsonDocument(dump.root()).toJson(QJsonDocument::Indented);
}

} // namespace settings
