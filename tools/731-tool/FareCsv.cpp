#include "731-tool/FareCsv.h"

#include "731-tool/CsvField.h"

#include "base/Cp932.h"

namespace tool {
namespace {

enum FareCsvColumn : int { NameColumn = 0, TicketColumn = 1, FirstFareColumn = 2 };

QString FieldName(int index)
{
    if (index == NameColumn)
        return QStringLiteral("name");
    if (index == TicketColumn)
        return QStringLiteral("ticket");
    return QStringLiteral("f%1").arg(index - FirstFareColumn + 1);
}

// The first character of `text` that CP932 cannot hold, as 'x' (U+XXXX).
QString FirstUnwritable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, n);
        if (!base::Cp932::canEncode(one)) {
            const QString code = QString::number(one.toUcs4().value(0), 16).toUpper();
            return QStringLiteral("'%1' (U+%2)").arg(one, code.rightJustified(4, u'0'));
        }
        i += n - 1;
    }
    return {};
}

bool ParseInt16(const QString &text, int16_t &value)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        value = 0;
        return true;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < -32768 || v > 32767)
        return false;
    value = static_cast<int16_t>(v);
    return true;
}

} // namespace

QString FareCsvHeader()
{
    QStringList names{FieldName(NameColumn), FieldName(TicketColumn)};
    for (int k = 1; k <= fare::FareColumns; ++k)
        names << QStringLiteral("f%1").arg(k);
    return names.join(u',');
}

QString FareCsvLine(const QString &name, const fare::Hy3Record &record)
{
    QString line = QuoteCsvField(name);
    line += u',' + QString::number(record.TicketNo);
    for (int16_t f : record.Fares)
        line += u',' + QString::number(f);
    return line;
}

FareCsvHeaderKind FareCsvHeaderOf(const QStringList &fields)
{
    if (fields.size() <= TicketColumn)
        return FareCsvHeaderKind::None;
    const QString name = fields[NameColumn].trimmed();
    const QString ticket = fields[TicketColumn].trimmed();
    if (ticket.isEmpty() || IsWholeNumber(ticket))
        return FareCsvHeaderKind::None;
    if (name.compare(QLatin1String("name"), Qt::CaseInsensitive) == 0
        && ticket.compare(QLatin1String("ticket"), Qt::CaseInsensitive) == 0)
        return FareCsvHeaderKind::English;
    const QStringList japaneseNames{QStringLiteral("停留所名"), QStringLiteral("停留所")};
    const QStringList japaneseTickets{QStringLiteral("整理券番号"), QStringLiteral("整理券")};
    if (japaneseNames.contains(name) && japaneseTickets.contains(ticket))
        return FareCsvHeaderKind::Japanese;
    return FareCsvHeaderKind::Unknown;
}

CsvRecord RecordFromCsv(const QStringList &fields)
{
    CsvRecord r;
    constexpr int maxFields = FirstFareColumn + fare::FareColumns;
    if (fields.size() > maxFields) {
        r.error = QStringLiteral("%1 fields, at most %2 (name, ticket, f1..f150)")
                      .arg(fields.size())
                      .arg(maxFields);
        return r;
    }
    if (fields.size() <= TicketColumn) {
        r.error = QStringLiteral("field ticket is missing; a line holds the stop name, the ticket number "
                                 "and the fares");
        return r;
    }
    if (fields[TicketColumn].trimmed().isEmpty()) {
        r.error = QStringLiteral("field ticket is empty; write the ticket number issued at this stop");
        return r;
    }
    const QString name = RestoreControls(fields[NameColumn]);
    bool writable = false;
    r.record.Name = base::Cp932::fromUnicode(name, &writable);
    if (!writable) {
        r.error = QStringLiteral("the name \"%1\" holds %2, which Shift-JIS (CP932) cannot write")
                      .arg(ShowControls(name), FirstUnwritable(name));
        return r;
    }
    if (r.record.Name.size() > fare::Hy3MaxNameBytes) {
        r.error = QStringLiteral("the name is %1 bytes long in CP932, at most %2 fit")
                      .arg(r.record.Name.size())
                      .arg(fare::Hy3MaxNameBytes);
        return r;
    }
    for (int i = TicketColumn; i < fields.size(); ++i) {
        int16_t value = 0;
        if (!ParseInt16(fields[i], value)) {
            r.error = QStringLiteral("field %1 is \"%2\", not a whole number from -32768 to 32767")
                          .arg(FieldName(i), ShowControls(fields[i]));
            return r;
        }
        if (i == TicketColumn)
            r.record.TicketNo = value;
        else
            r.record.Fares[i - FirstFareColumn] = value;
    }
    return r;
}

} // namespace tool
