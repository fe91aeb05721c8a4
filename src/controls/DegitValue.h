#pragma once

#include <QString>

namespace controls {

// What a digit cell is given to show: a number (fares, clock values) or a text (the all-"8" test
// pattern, the empty text for blank, a route number with its leading zeros).
class DegitValue
{
public:
    DegitValue() = default;
    DegitValue(int number) : m_number(number) {}
    DegitValue(double number) : m_number(number) {}
    DegitValue(const QString &text) : m_isText(true), m_text(text) {}
    DegitValue(const char *text) : DegitValue(QString::fromUtf8(text)) {}

    bool isText() const { return m_isText; }
    bool isEmptyText() const { return m_isText && m_text.isEmpty(); }

    // A number, or a text that reads as one (surrounding blanks allowed, as the platform allows).
    bool isNumeric() const;
    double toNumber() const;

    // Compares numerically; a text that does not read as a number equals no number.
    bool equals(double number) const { return isNumeric() && toNumber() == number; }

    // The text form: numbers in plain decimal, texts as they are.
    QString toString() const;

    bool operator==(const DegitValue &other) const;

private:
    bool m_isText = false;
    double m_number = 0;
    QString m_text;
};

} // namespace controls
