#include "TicketBarcode.h"

#include <cstdio>
#include <numeric>

namespace sample {
namespace {

constexpr int Narrow = 1;
constexpr int Wide = 3;

// Which of a digit's five elements are wide.
constexpr const char *Patterns[10] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                      "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

int width(char element)
{
    return element == 'w' ? Wide : Narrow;
}

} // namespace

std::string TicketBarcode::digits(int route, int stop, int ticket)
{
    if (route < 1 || route > MaxRoute || stop < 1 || stop > MaxStop || ticket < 0 || ticket > MaxTicket)
        return {};
    char body[16];
    std::snprintf(body, sizeof body, "%04d%03d%02d", route, stop, ticket);
    // Weights 3 and 1 from the right, as retail codes do.
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (body[8 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    std::string out(body);
    out += char('0' + (10 - sum % 10) % 10);
    return out;
}

std::vector<int> TicketBarcode::elements(const std::string &digits)
{
    if (digits.empty() || digits.size() % 2 != 0)
        return {};
    std::vector<int> out = {Narrow, Narrow, Narrow, Narrow};
    for (size_t i = 0; i < digits.size(); i += 2) {
        const char *bars = Patterns[digits[i] - '0'];
        const char *spaces = Patterns[digits[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            out.push_back(width(bars[k]));
            out.push_back(width(spaces[k]));
        }
    }
    out.insert(out.end(), {Wide, Narrow, Narrow});
    return out;
}

int TicketBarcode::totalModules(const std::vector<int> &elements)
{
    return std::accumulate(elements.begin(), elements.end(), 0) + 2 * QuietModules;
}

} // namespace sample
