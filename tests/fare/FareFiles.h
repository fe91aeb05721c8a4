#pragma once

// Small helpers that make fare data files for the tests.

#include "fare/Hy3Record.h"
#include "fare/Hy3Writer.h"
#include "base/Cp932.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <initializer_list>
#include <vector>

namespace faretest {

inline fare::Hy3Record Record(const QString &name, int16_t ticket,
                              std::initializer_list<int16_t> fares = {})
{
    fare::Hy3Record r;
    r.Name = base::Cp932::fromUnicode(name);
    r.TicketNo = ticket;
    int k = 0;
    for (int16_t f : fares)
        r.Fares[k++] = f;
    return r;
}

// n records "停留所1".."停留所n", ticket g, Fares(i) = 100 * g + i.
inline std::vector<fare::Hy3Record> Stops(int n, const QString &prefix = QStringLiteral("停留所"))
{
    std::vector<fare::Hy3Record> records;
    for (int g = 1; g <= n; ++g) {
        fare::Hy3Record r = Record(prefix + QString::number(g), int16_t(g));
        for (int k = 0; k < fare::FareColumns; ++k)
            r.Fares[k] = int16_t(100 * g + k + 1);
        records.push_back(r);
    }
    return records;
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray Encode(const std::vector<fare::Hy3Record> &records)
{
    return fare::Hy3Writer::Encode(records);
}

// The encoded records with the count field replaced.
inline QByteArray EncodeWithCount(const std::vector<fare::Hy3Record> &records, int16_t count)
{
    QByteArray bytes = Encode(records);
    bytes[0] = char(count & 0xFF);
    bytes[1] = char((count >> 8) & 0xFF);
    return bytes;
}

} // namespace faretest
