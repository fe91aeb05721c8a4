#include "731-tool/CsvField.h"

#include <QRegularExpression>

namespace tool {
namespace {

constexpr char16_t FirstPicture = u'\u2400';
constexpr char16_t DeletePicture = u'\u2421';

bool IsControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString ShowControls(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown) {
        if (c.unicode() == 0x7F)
            c = QChar(DeletePicture);
        else if (c.unicode() < 0x20)
            c = QChar(char16_t(FirstPicture + c.unicode()));
    }
    return shown;
}

QString RestoreControls(const QString &text)
{
    QString restored = text;
    for (QChar &c : restored) {
        if (c.unicode() == DeletePicture)
            c = QChar(0x7F);
        else if (c.unicode() >= FirstPicture && c.unicode() < FirstPicture + 0x20)
            c = QChar(char16_t(c.unicode() - FirstPicture));
    }
    return restored;
}

QString QuoteCsvField(const QString &field)
{
    const bool quote = field.contains(u',') || field.contains(u'"') || std::any_of(field.begin(), field.end(), IsControl);
    const QString shown = ShowControls(field);
    if (!quote)
        return shown;
    QString quoted = shown;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool IsWholeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    return number.match(text.trimmed()).hasMatch();
}

} // namespace tool
