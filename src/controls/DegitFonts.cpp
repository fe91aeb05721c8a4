#include "controls/DegitFonts.h"

#include <QFontDatabase>

static void initDigitFontResources()
{
    Q_INIT_RESOURCE(digit_fonts);
}

namespace controls {

bool DegitFonts::ensureLoaded()
{
    static const bool loaded = [] {
        initDigitFontResources();
        bool all = true;
        for (const char *file : {":/fonts/M_DegitA.ttf", ":/fonts/M_DegitB.ttf", ":/fonts/M_DegitC.ttf",
                                 ":/fonts/M_NumC2.ttf"}) {
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
                all = false;
        }
        return all;
    }();
    return loaded;
}

QString DegitFonts::family(int16_t degitStyle)
{
    ensureLoaded();
    switch (degitStyle) {
    case 1:
        return QStringLiteral("M_DegitB");
    case 2:
        return QStringLiteral("M_DegitC");
    default:
        return QStringLiteral("M_DegitA");
    }
}

QString DegitFonts::numberFamily()
{
    ensureLoaded();
    return QStringLiteral("M_NumC2");
}

} // namespace controls
