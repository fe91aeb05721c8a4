#include "fare/RoutePath.h"

#include "fare/FareRow.h"

namespace fare {
namespace {

QString LeadingDigits(const QString &text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] >= u'0' && text[n] <= u'9')
        ++n;
    return text.left(n);
}

} // namespace

QString FolderWithSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString RouteKey(const QString &routeNo)
{
    QString digits = LeadingDigits(routeNo);
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[zeros] == u'0')
        ++zeros;
    digits.remove(0, zeros);
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

QString FareFilePath(const QString &fareFolder, const QString &routeNo)
{
    return FolderWithSeparator(fareFolder) + RouteKey(routeNo) + QStringLiteral(".hy3");
}

int SectionFromText(const QString &sectionText)
{
    const QString key = RouteKey(sectionText);
    // Anything longer than six digits is far above the highest section; keep it from overflowing.
    return key.size() > 6 ? 999999 : key.toInt();
}

int16_t NormalizeSection(int section)
{
    if (section < 1)
        return 1;
    if (section > MaxSection)
        return MaxSection;
    return static_cast<int16_t>(section);
}

} // namespace fare
