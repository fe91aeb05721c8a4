#include "controls/DegitValue.h"

#include <QRegularExpression>
#include <cmath>

namespace controls {
namespace {

bool readNumber(const QString &text, double *out)
{
    static const QRegularExpression numeric(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!numeric.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (ok && out)
        *out = v;
    return ok;
}

} // namespace

bool DegitValue::isNumeric() const
{
    return !m_isText || readNumber(m_text, nullptr);
}

double DegitValue::toNumber() const
{
    if (!m_isText)
        return m_number;
    double v = 0;
    readNumber(m_text, &v);
    return v;
}

QString DegitValue::toString() const
{
    if (m_isText)
        return m_text;
    if (std::isfinite(m_number) && m_number == std::trunc(m_number) && std::fabs(m_number) < 1e15)
        return QString::number(static_cast<qint64>(m_number));
    return QString::number(m_number, 'g', 15);
}

bool DegitValue::operator==(const DegitValue &other) const
{
    if (m_isText != other.m_isText)
        return false;
    return m_isText ? m_text == other.m_text : m_number == other.m_number;
}

} // namespace controls
