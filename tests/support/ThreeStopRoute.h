#pragma once

#include "base/Cp932.h"
#include "fare/Hy3Record.h"
#include "fare/Hy3Writer.h"
#include "settings/Options.h"

#include <QDir>

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

// Route 1 written into `folder`, and the options of a console that reads it there and plays
// "/route.wav", "/key.wav" and "/step.wav" (names a test finds in its log, never files).
inline bool useThreeStopRoute(const QString &folder, settings::OptionRecords &r)
{
    r.folder.FareDataDir = folder;
    r.sound.SndKeitou = QStringLiteral("/route.wav");
    r.sound.SndReset = QStringLiteral("/key.wav");
    r.sound.SndStepFile = QStringLiteral("/step.wav");
    return fare::Hy3Writer::WriteFile(QDir(folder).filePath(QStringLiteral("1.hy3")), threeStopRoute());
}
