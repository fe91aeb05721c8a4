#include "fare/Hy3Reader.h"

#include "base/Cp932.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace fare {
namespace {

int16_t Int16At(const char *p)
{
    return qFromLittleEndian<qint16>(p);
}

// Reads exactly n bytes into out; false when the device ends first.
bool ReadExactly(QIODevice &device, qint64 n, QByteArray &out)
{
    out = device.read(n);
    return out.size() == n;
}

} // namespace

Hy3Content Hy3Reader::ReadFile(const QString &path, int maxRecords)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Hy3Content c;
        c.problem = Hy3Problem::CannotOpen;
        c.systemError = file.errorString();
        return c;
    }
    return Read(file, maxRecords);
}

Hy3Content Hy3Reader::Parse(const QByteArray &bytes, int maxRecords)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Read(buffer, maxRecords);
}

Hy3Content Hy3Reader::Read(QIODevice &device, int maxRecords)
{
    Hy3Content c;
    c.size = device.isSequential() ? 0 : device.size();
    QByteArray field;
    if (!ReadExactly(device, 2, field)) {
        c.problem = Hy3Problem::NoCount;
        return c;
    }
    c.count = Int16At(field.constData());
    const int wanted = qMin<int>(qMax<int>(c.count, 0), qMax(maxRecords, 0));
    // A hostile count must not reserve more records than the file could possibly hold.
    const qint64 fit = c.size / (2 + Hy3FixedBytes) + 1;
    c.records.reserve(
        static_cast<size_t>(device.isSequential() ? wanted : qMin<qint64>(wanted, fit)));

    QByteArray fixed;
    for (int g = 1; g <= wanted; ++g) {
        const qint64 start = device.pos();
        auto fail = [&](Hy3Problem p) {
            c.problem = p;
            c.problemRecord = g;
            c.problemOffset = start;
            return c;
        };
        Hy3Record r;
        if (!ReadExactly(device, 2, field))
            return fail(Hy3Problem::Truncated);
        const quint16 length = qFromLittleEndian<quint16>(field.constData());
        if (!ReadExactly(device, length, r.Name) || !ReadExactly(device, Hy3FixedBytes, fixed))
            return fail(Hy3Problem::Truncated);
        if (!base::Cp932::isValid(r.Name)) {
            c.badName = r.Name;
            return fail(Hy3Problem::BadName);
        }
        r.TicketNo = Int16At(fixed.constData());
        for (int k = 0; k < FareColumns; ++k)
            r.Fares[k] = Int16At(fixed.constData() + 2 + 2 * k);
        c.records.push_back(std::move(r));
    }
    if (c.complete() && !device.isSequential())
        c.trailingBytes = device.size() - device.pos();
    return c;
}

} // namespace fare
