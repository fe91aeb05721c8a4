#include "settings/ValueRules.h"

#include "settings/IniFields.h"
#include "settings/OptionLists.h"

#include <map>
#include <string_view>

namespace settings {
namespace {

constexpr int CheckLowest = 0;
constexpr int CheckHighest = 2;
constexpr int NoSelection = -1;

ValueRule check(const char *field, const char *control)
{
    return {field, QString::fromLatin1(control), CheckLowest, CheckHighest};
}

ValueRule list(const char *field, const char *control, const QStringList &entries)
{
    return {field, QString::fromLatin1(control), NoSelection, int(entries.size()) - 1};
}

// The plain number fields of one set of records, by name, as the field list walks them.
template<class Int16, class Int32>
class NumberFields
{
public:
    void begin(const IniField &) {}
    void end() {}
    void int16(const IniField &f, Int16 &value) { m_int16[f.name] = &value; }
    void int32(const IniField &f, Int32 &value) { m_int32[f.name] = &value; }
    template<class Colour>
    void colour32(const IniField &, Colour &)
    {
    }
    template<class Text>
    void text(const IniField &, Text &)
    {
    }

    // The field as its control takes it: narrowed to 16 bits.
    int16_t shown(std::string_view name) const
    {
        if (const auto i = m_int16.find(name); i != m_int16.end())
            return *i->second;
        return static_cast<int16_t>(*m_int32.at(name));
    }

    // Gives the field the value of the same field of `other`.
    template<class Other>
    void copyFrom(std::string_view name, const Other &other)
    {
        if (const auto i = m_int16.find(name); i != m_int16.end())
            *i->second = *other.m_int16.at(name);
        else
            *m_int32.at(name) = *other.m_int32.at(name);
    }

private:
    template<class, class>
    friend class NumberFields;

    std::map<std::string_view, Int16 *> m_int16;
    std::map<std::string_view, Int32 *> m_int32;
};

} // namespace

const std::vector<ValueRule> &ValueRules::options()
{
    static const std::vector<ValueRule> rules = [] {
        const QStringList cells = OptionLists::cellNumbers();
        const QStringList columns = OptionLists::columnNumbers();
        return std::vector<ValueRule>{
            check("UseSeiriNum", "Check1"),
            list("SeiriNumStyle", "Combo2", OptionLists::ticketNumberStyles()),
            check("SeiriNumZero", "Check2"),
            check("InfoOrderUse", "Check3_0"),
            list("InfoOrderCell", "Combo4_0", cells),
            check("InfoFromZero", "Check3_4"),
            check("InfoSeiriUse", "Check3_1"),
            list("InfoSeiriCell", "Combo4_1", cells),
            check("InfoKeitouUse", "Check3_2"),
            list("InfoKeitouCell", "Combo4_2", cells),
            check("InfoColumnUse", "Check3_3"),
            list("InfoColumnNo", "Combo4_4", columns),
            list("InfoColumnCell", "Combo4_3", cells),
            list("ChimeiFontMode", "Combo3", OptionLists::stopNameFonts()),
            check("ChimeiBold", "Check4"),
            list("ChimeiTsugiwaMode", "Combo6", OptionLists::tsugiwaModes()),
            list("ChimeiTsugiwaFontMode", "Combo5", OptionLists::tsugiwaFonts()),
            check("ChimeiTsugiwaBold", "Check5"),
            list("SndStepColumn", "Combo1", columns),
            check("UseSeiriPrev", "chkUseSeiriPrev"),
        };
    }();
    return rules;
}

const std::vector<ValueRule> &ValueRules::console()
{
    static const std::vector<ValueRule> rules = {
        {"ScrollSpeed", QStringLiteral("HScroll1_0"), ScrollSpeedLowest, ScrollSpeedHighest},
        {"ScrollWait", QStringLiteral("HScroll1_1"), ScrollWaitLowest, ScrollWaitHighest},
        check("PreviewOpen", "Check4"),
        check("LateNight", "Check2"),
    };
    return rules;
}

IniStatus ValueRules::keepAcceptable(IniRecords &records, const IniRecords &current,
                                     const std::vector<ValueRule> &rules)
{
    NumberFields<int16_t, int32_t> target;
    int16_t targetCount = 0;
    visitIniFields(target, records, targetCount);
    NumberFields<const int16_t, const int32_t> before;
    const int16_t beforeCount = 0;
    visitIniFields(before, current, beforeCount);

    IniStatus first;
    for (const ValueRule &rule : rules) {
        const int16_t value = target.shown(rule.field);
        if (value >= rule.lowest && value <= rule.highest)
            continue;
        target.copyFrom(rule.field, before);
        if (first.ok())
            first = invalidValue(rule.control);
    }
    return first;
}

IniStatus ValueRules::invalidValue(const QString &control)
{
    using base::LegacyError;
    return IniStatus::failure(LegacyError::InvalidPropertyValue,
                              IniStatus::codeText(LegacyError::InvalidPropertyValue) + QStringLiteral("(%1)").arg(control));
}

} // namespace settings
