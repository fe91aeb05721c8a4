#include "app/mdl731_000.h"

#include "app/Form1.h"
#include "controls/DegitFonts.h"
#include "base/FaceNames.h"

#include <QLabel>

namespace app::mdl731_000 {
namespace {

// What ticket 1 shows in the styles that give it a word; empty for the plain styles.
QString firstLabelText(int style)
{
    switch (style) {
    case 2:
    case 3:
        return QStringLiteral("な　し");
    case 4:
    case 5:
        return QStringLiteral("無　券");
    case 6:
    case 7:
        return QStringLiteral("券なし");
    case 8:
    case 9:
        return QStringLiteral("券無し");
    default:
        return QString();
    }
}

QString fullWidthDigits(const QString &ascii)
{
    QString out;
    for (QChar c : ascii)
        out += (c >= u'0' && c <= u'9') ? QChar(c.unicode() - u'0' + 0xFF10) : c;
    return out;
}

void setFamily(QLabel *label, const QString &family)
{
    QFont f = label->font();
    f.setFamily(family);
    label->setFont(f);
}

} // namespace

QString ticketNumberText(int number, bool zeroFill)
{
    const QString digits = zeroFill ? QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) : QString::number(number);
    return fullWidthDigits(digits);
}

void SeirikenNumSet(Form1 &panel, int16_t &style, int16_t &zeroFill)
{
    QLabel *first = panel.lblSeiriNum[1];
    if (style < 2) {
        setFamily(first, controls::DegitFonts::numberFamily());
    } else {
        setFamily(first, base::FaceNames::resolve(base::FaceNames::ProportionalGothic));
        first->setText(firstLabelText(style));
    }

    int from = 0;
    int offset = 0;
    if (style == 0) {
        from = 1;
    } else if (style == 1) {
        from = 1;
        offset = -1;
    } else if (style >= 2 && style <= 10 && style % 2 == 0) {
        from = 2;
        offset = -1;
    } else if (style >= 3 && style <= 11) {
        from = 2;
    } else {
        return;
    }
    for (int i = from; i <= 30; ++i)
        panel.lblSeiriNum[i]->setText(ticketNumberText(i + offset, zeroFill != 0));
}

} // namespace app::mdl731_000
