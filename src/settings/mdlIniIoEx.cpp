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

QString describe(IniStatus::Code code, const QString &path, const QString &detail = QString())
{
    QString text = IniStatus::codeText(code) + QLatin1Char(' ') + QDir::toNativeSeparators(path);
    if (!detail.isEmpty())
        text += QStringLiteral(" (") + detail + QLatin1Char(')');
    return text;
}

IniStatus::Code codeFor(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::ResourceError:
        return IniStatus::DiskFull;
    case QFileDevice::PermissionsError:
        return IniStatus::PermissionDenied;
    case QFileDevice::OpenError:
    case QFileDevice::RenameError:
        return IniStatus::PathAccessError;
    default:
        return IniStatus::DeviceIoError;
    }
}

IniStatus fileFailure(const QFileDevice &file, const QString &path)
{
    const IniStatus::Code code = codeFor(file.error());
    return IniStatus::failure(code, describe(code, path, base::FileErrorText::of(file.error(), path)));
}

IniStatus::Code codeFor(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return IniStatus::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return IniStatus::PermissionDenied;
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
        return IniStatus::PathAccessError;
    default:
        return IniStatus::DeviceIoError;
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
        return IniStatus::failure(IniStatus::ValueTooLong,
                                  IniStatus::codeText(IniStatus::ValueTooLong) + QLatin1Char(' ') + overlongField);
    if (path.isEmpty())
        return IniStatus::failure(IniStatus::BadFileName, IniStatus::codeText(IniStatus::BadFileName));

    return writeFile(path, bytes);
}

IniStatus mdlIniIoEx::writeFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return IniStatus::failure(IniStatus::PathAccessError, describe(IniStatus::PathAccessError, folder));
    const base::AtomicFile::Result written = base::AtomicFile::write(path, bytes);
    if (written.ok())
        return IniStatus::success();
    const IniStatus::Code code = codeFor(written.error);
    return IniStatus::failure(code, describe(code, path, base::FileErrorText::ofSystemError(written.error)));
}

IniLoadResult mdlIniIoEx::load(const QString &path, const IniRecords &base)
{
    IniLoadResult result;
    result.records = base;
    if (path.isEmpty()) {
        result.status = IniStatus::missingFile(IniStatus::BadFileName, IniStatus::codeText(IniStatus::BadFileName));
        return result;
    }
    if (!QFileInfo::exists(path)) {
        result.status = IniStatus::missingFile(IniStatus::FileNotFound, describe(IniStatus::FileNotFound, path));
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
        result.status = IniStatus::missingFile(IniStatus::FileNotFound, describe(IniStatus::FileNotFound, path));
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
