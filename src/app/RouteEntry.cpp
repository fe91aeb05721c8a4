#include "app/RouteEntry.h"

#include "fare/RoutePath.h"

namespace app {

void RouteEntry::press(KeypadKey key)
{
    if (key == KeyRoute) {
        m_keypadRoute = true;
        m_routeDigits.clear();
    } else if (key == KeySection) {
        m_keypadRoute = false;
        m_sectionDigits.clear();
    } else if (key >= Key0 && key <= Key9) {
        QString &display = m_keypadRoute ? m_routeDigits : m_sectionDigits;
        const int limit = m_keypadRoute ? RouteDigits : SectionDigits;
        if (display.size() < limit)
            display += QString::number(int(key));
    }
}

bool RouteEntry::choose(DigitList list, int position, std::optional<int> digit)
{
    const int lists = list == DigitList::Route ? RouteDigitLists : SectionDigitLists;
    if (position < 0 || position >= lists || (digit && (*digit < 0 || *digit > 9)))
        return false;
    if (list == DigitList::Route)
        m_routeChoices[position] = digit;
    else
        m_sectionChoices[position] = digit;
    return true;
}

std::optional<int> RouteEntry::choice(DigitList list, int position) const
{
    if (list == DigitList::Route)
        return position >= 0 && position < RouteDigitLists ? m_routeChoices[position] : std::nullopt;
    return position >= 0 && position < SectionDigitLists ? m_sectionChoices[position] : std::nullopt;
}

QString RouteEntry::chosenDigits(DigitList list) const
{
    const int lists = list == DigitList::Route ? RouteDigitLists : SectionDigitLists;
    QString digits;
    for (int j = 0; j < lists; ++j) {
        if (const std::optional<int> digit = choice(list, j))
            digits += QString::number(*digit);
    }
    return digits;
}

fare::RouteRequest RouteEntry::request(EntryFrameKind frame, const QString &fareFolder) const
{
    fare::RouteRequest request;
    request.fareFolder = fareFolder;
    const bool keypad = frame == KeypadFrame;
    request.routeNo = keypad ? m_routeDigits : chosenDigits(DigitList::Route);
    request.section = fare::SectionFromText(keypad ? m_sectionDigits : chosenDigits(DigitList::Section));
    return request;
}

} // namespace app
