#include "ticket/TicketTexts.h"

#include <QDateTime>

#include <cmath>
#include <limits>

namespace ticket {
namespace {

// The leading number of `text`: blanks, an optional sign, digits and a decimal fraction.
double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

PreviewOptions PreviewOptionsOf(const settings::Options &options)
{
    PreviewOptions preview;
    preview.use = options.ticketPreviewEnabled();
    preview.pluginFile = options.ticketPluginFile();
    preview.dateMode = options.ticketDateMode();
    preview.fixedDate = options.fixedDateText();
    return preview;
}

QString SystemDateText(const QDateTime &now)
{
    return now.date().toString(QStringLiteral("MM-dd-yyyy"));
}

QString TimeText(const QDateTime &now)
{
    return now.time().toString(QStringLiteral("HH:mm:ss"));
}

QString TicketDateAtRouteSetting(const PreviewOptions &options, const QDateTime &now)
{
    return options.dateMode == settings::TicketDateMode::Fixed ? options.fixedDate : SystemDateText(now);
}

QString DateText(const PreviewOptions &options, const QString &ticketDate, const QDateTime &now)
{
    switch (options.dateMode) {
    case settings::TicketDateMode::KeptAtRouteSetting:
        return ticketDate;
    case settings::TicketDateMode::Fixed:
        return options.fixedDate;
    case settings::TicketDateMode::AtPrint:
        break;
    }
    return SystemDateText(now);
}

int32_t RouteNumber(const QString &routeNo)
{
    const double rounded = std::nearbyint(leadingNumber(routeNo)); // half to even
    if (rounded >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

} // namespace ticket
