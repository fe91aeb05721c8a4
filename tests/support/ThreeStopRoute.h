#pragma once

#include "base/Cp932.h"
#include "fare/Hy3Record.h"

#include <vector>

// A small route for the console's tests: three stops "停留所1".."停留所3", stop r charging
// 10 * r + i for ticket i. Header only, so that only tests that use it link the fare library.
inline std::vector<fare::Hy3Record> threeStopRoute()
{
    std::vector<fare::Hy3Record> records;
    for (int r = 1; r <= 3; ++r) {
        fare::Hy3Record rec;
        rec.Name = base::Cp932::fromUnicode(QStringLiteral("停留所%1").arg(r));
        rec.TicketNo = static_cast<int16_t>(r);
        for (int i = 1; i <= 30; ++i)
            rec.Fares[i - 1] = static_cast<int16_t>(10 * r + i);
        records.push_back(rec);
    }
    return records;
}
