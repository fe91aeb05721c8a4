#include "731-tool/FareCsv.h"

#include "base/Cp932.h"

namespace tool {
namespace {

QString FieldName(int index)
{
    if (index == 0)
        return QStringLiteral("name");
    if (index == 1)
        return QStringLiteral("ticket");
    return QStringLiteral("f%1").arg(index - 1);
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
    QStringList names{QStringLiteral("name"), QStringLiteral("ticket")};
    for (int k = 1; k <= fare::FareColumns; ++k)
        names << QStringLiteral("f%1").arg(k);
    return names.join(u',');
}

QString QuoteCsvField(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n')
        && !field.contains(u'\r'))
        return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString FareCsvLine(const QString &name, const fare::Hy3Record &record)
{
    QString line = QuoteCsvField(name);
    line += u',' + QString::number(record.TicketNo);
    for (int16_t f : record.Fares)
        line += u',' + QString::number(f);
    return line;
}

CsvText ParseCsv(const QString &text)
{
    CsvText csv;
    CsvRow row;
    QString field;
    int line = 1;
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field has just closed
    row.line = 1;
    auto endField = [&] {
        row.fields << field;
        field.clear();
        afterQuote = false;
    };
    auto endRow = [&] {
        endField();
        csv.rows.push_back(row);
        row = CsvRow{};
        row.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
                afterQuote = true;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\n' || (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')) {
            if (c == u'\r')
                ++i;
            ++line;
            endRow();
        } else if (afterQuote) {
            csv.error = QStringLiteral("text after the closing quote of a field");
            csv.errorLine = line;
            return csv;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted) {
        csv.error = QStringLiteral("a quoted field is not closed");
        csv.errorLine = row.line;
        return csv;
    }
    if (!field.isEmpty() || !row.fields.isEmpty() || afterQuote)
        endRow();
    return csv;
}

bool IsFareCsvHeader(const QStringList &fields)
{
    return fields.size() >= 2 && fields[0].trimmed() == QLatin1String("name")
           && fields[1].trimmed() == QLatin1String("ticket");
}

CsvRecord RecordFromCsv(const QStringList &fields)
{
    CsvRecord r;
    constexpr int maxFields = 2 + fare::FareColumns;
    if (fields.size() > maxFields) {
        r.error = QStringLiteral("%1 fields, at most %2 (name, ticket, f1..f150)")
                      .arg(fields.size())
                      .arg(maxFields);
        return r;
    }
    const QString name = fields.value(0);
    bool writable = false;
    r.record.Name = base::Cp932::fromUnicode(name, &writable);
    if (!writable) {
        r.error = QStringLiteral("the name \"%1\" holds %2, which CP932 cannot write")
                      .arg(name, FirstUnwritable(name));
        return r;
    }
    if (r.record.Name.size() > fare::Hy3MaxNameBytes) {
        r.error = QStringLiteral("the name is %1 bytes long in CP932, at most %2 fit")
                      .arg(r.record.Name.size())
                      .arg(fare::Hy3MaxNameBytes);
        return r;
    }
    for (int i = 1; i < fields.size(); ++i) {
        int16_t value = 0;
        if (!ParseInt16(fields[i], value)) {
            r.error = QStringLiteral("field %1 is \"%2\", not a whole number from -32768 to 32767")
                          .arg(FieldName(i), fields[i]);
            return r;
        }
        if (i == 1)
            r.record.TicketNo = value;
        else
            r.record.Fares[i - 2] = value;
    }
    return r;
}

} // namespace tool
