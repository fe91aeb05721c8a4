#pragma once

#include "settings/IniRecords.h"
#include "settings/IniStatus.h"

#include <QString>

#include <vector>

namespace settings {

// What the control showing a stored number can take. The unit's controls refuse anything else
// with the platform's "invalid property value" failure (380): a list index outside its list, a
// check-box state other than 0 to 2, a scroll-bar value outside the bar's range. Option buttons
// take any value (non-zero selects), so they have no rule.
struct ValueRule
{
    const char *field; // as the settings file's field list names it
    QString control;   // the control that refuses it, as the message names it
    int lowest;
    int highest;
};

// The rules for the settings file's records, and the check that applies them.
class ValueRules
{
public:
    // The console's two scroll bars.
    static constexpr int ScrollSpeedLowest = 1;
    static constexpr int ScrollSpeedHighest = 2000;
    static constexpr int ScrollWaitLowest = 0;
    static constexpr int ScrollWaitHighest = 3000;

    // The option records' numbers, in the order the options take them from a settings file.
    static const std::vector<ValueRule> &options();
    // The console's numbers, in the order the console takes them. A scroll value is narrowed to
    // 16 bits before it reaches its bar.
    static const std::vector<ValueRule> &console();

    // Every number of `records` that one of `rules` refuses is replaced by the same field of
    // `current` (so the control keeps what it showed) while the others stay as they are. Returns
    // the refusal of the first such number in the rules' order; Ok when there is none.
    static IniStatus keepAcceptable(IniRecords &records, const IniRecords &current,
                                    const std::vector<ValueRule> &rules);

    // The failure a control reports for a value it cannot take.
    static IniStatus invalidValue(const QString &control);
};

} // namespace settings
