#include "fare/Hy3Writer.h"

#include "base/AtomicFile.h"

#include <QtEndian>

namespace fare {
namespace {

void AppendInt16(QByteArray &out, qint16 v)
{
    char b[2];
    qToLittleEndian<qint16>(v, b);
    out.append(b, 2);
}

void AppendUInt16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian<quint16>(v, b);
    out.append(b, 2);
}

} // namespace

QByteArray Hy3Writer::Encode(const std::vector<Hy3Record> &records, QString *error)
{
    if (records.size() > size_t(Hy3MaxCount)) {
        if (error)
            *error = QStringLiteral("%1 records do not fit the 16-bit record count (at most %2)")
                         .arg(records.size())
                         .arg(Hy3MaxCount);
        return {};
    }
    QByteArray out;
    qsizetype total = 2;
    for (const Hy3Record &r : records)
        total += 2 + r.Name.size() + Hy3FixedBytes;
    out.reserve(total);
    AppendInt16(out, static_cast<qint16>(records.size()));
    for (size_t g = 0; g < records.size(); ++g) {
        const Hy3Record &r = records[g];
        if (r.Name.size() > Hy3MaxNameBytes) {
            if (error)
                *error = QStringLiteral("record %1: the name is %2 bytes long, at most %3 fit")
                             .arg(g + 1)
                             .arg(r.Name.size())
                             .arg(Hy3MaxNameBytes);
            return {};
        }
        AppendUInt16(out, static_cast<quint16>(r.Name.size()));
        out.append(r.Name);
        AppendInt16(out, r.TicketNo);
        for (int16_t f : r.Fares)
            AppendInt16(out, f);
    }
    return out;
}

bool Hy3Writer::WriteFile(const QString &path, const std::vector<Hy3Record> &records,
                          QString *error)
{
    QString why;
    const QByteArray bytes = Encode(records, &why);
    if (bytes.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    const base::AtomicFile::Result written = base::AtomicFile::write(path, bytes);
    if (!written.ok() && error)
        *error = written.reason;
    return written.ok();
}

} // namespace fare
