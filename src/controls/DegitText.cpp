#include "controls/DegitText.h"

#include <cmath>

namespace controls {
namespace {

DegitValue substituteZero(const DegitValue &value, int16_t zeroMode)
{
    const DegitValue blank{QString()};
    const DegitValue zero{0};
    switch (static_cast<ZeroMode>(zeroMode)) {
    case ZeroMode::Blank:
        return (value.equals(0) || value.isEmptyText()) ? blank : value;
    case ZeroMode::Zero:
        return (value.equals(0) || value.isEmptyText()) ? zero : value;
    case ZeroMode::BlankMinusOneZero:
        if (value.equals(-1))
            return zero;
        return value.equals(0) ? blank : value;
    case ZeroMode::ZeroMinusOneZero:
        return (value.equals(-1) || value.equals(0) || value.isEmptyText()) ? zero : value;
    }
    // A negative mode is stored unchanged and substitutes nothing.
    return value;
}

// Formatting with a pattern of `digits` zeros: whole numbers, at least that many digits.
QString zeroFilled(double number, int digits)
{
    const double rounded = std::round(number);
    const QString magnitude = std::fabs(rounded) < 1e15
                                  ? QString::number(static_cast<qint64>(std::fabs(rounded)))
                                  : QString::number(std::fabs(rounded), 'f', 0);
    const QString padded = magnitude.rightJustified(digits, u'0');
    return rounded < 0 ? QStringLiteral("-") + padded : padded;
}

} // namespace

QString composeDegitText(DegitValue value, int16_t zeroMode, int16_t fillZero, int16_t shift)
{
    value = substituteZero(value, zeroMode);
    QString text = value.toString();
    // A negative count from stored settings is treated as no fill.
    if (value.isNumeric() && fillZero > 0 && std::isfinite(value.toNumber()))
        text = zeroFilled(value.toNumber(), fillZero);
    if (shift >= 1)
        text += QString(shift, u' ');
    return text;
}

} // namespace controls
