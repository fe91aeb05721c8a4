#include "settings/OptionLists.h"

namespace settings {
namespace {

QStringList numbers(int last)
{
    QStringList out;
    for (int n = 1; n <= last; ++n)
        out << QString::number(n);
    return out;
}

} // namespace

QStringList OptionLists::ticketNumberStyles()
{
    const QString patterns[12] = {
        QStringLiteral("1,2,3..."),        QStringLiteral("0,1,2..."),        QStringLiteral("「なし」、1,2..."),
        QStringLiteral("「なし」、2,3..."), QStringLiteral("「無券」、1,2..."), QStringLiteral("「無券」、2,3..."),
        QStringLiteral("「券なし」、1,2..."), QStringLiteral("「券なし」、2,3..."), QStringLiteral("「券無し」、1,2..."),
        QStringLiteral("「券無し」、2,3..."), QStringLiteral("(無地)、1,2..."),  QStringLiteral("(無地)、2,3..."),
    };
    QStringList entries;
    for (int i = 0; i < 12; ++i) {
        // Styles that number from 0, or that give ticket 1 a word, end at 29.
        const bool endsAt29 = (i == 1) || (i >= 2 && i % 2 == 0);
        QString entry = patterns[i] + (endsAt29 ? QStringLiteral(" 29") : QStringLiteral(" 30"));
        if (i == 0)
            entry += QStringLiteral(" （既定の表示）");
        entries << entry;
    }
    return entries;
}

QStringList OptionLists::cellNumbers()
{
    return numbers(CellCount);
}

QStringList OptionLists::columnNumbers()
{
    return numbers(ColumnCount);
}

QStringList OptionLists::stopNameFonts()
{
    return {QStringLiteral("ゴシック体"), QStringLiteral("明朝体"), QStringLiteral("漢字はゴシック、それ以外は明朝"),
            QStringLiteral("漢字は明朝、それ以外はゴシック"), QStringLiteral("英数字はゴシック、それ以外は明朝")};
}

QStringList OptionLists::tsugiwaModes()
{
    return {QStringLiteral("「次は」表示なし"), QStringLiteral("「次は」を表示（「は」が小さい）"),
            QStringLiteral("「次は」を表示（同じ大きさ）")};
}

QStringList OptionLists::tsugiwaFonts()
{
    return {QStringLiteral("すべてゴシック体"), QStringLiteral("「は」だけ明朝体"), QStringLiteral("すべて明朝体"),
            QStringLiteral("「は」だけゴシック体")};
}

} // namespace settings
