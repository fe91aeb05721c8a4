#include "settings/IniRecords.h"

namespace settings {

IniRecords IniRecords::initial(const QDate &today)
{
    IniRecords records;
    records.seiriken.FixedDate = formatFixedDate(today);
    return records;
}

QString IniRecords::formatFixedDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace settings
