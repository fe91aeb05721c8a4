#include "reslib/KBP4Res.h"

namespace reslib {

// Plug-in loading is not wired up yet: every file is refused and nothing is drawn.

int32_t KB4_GetPlgInfo(const QByteArray &, PlgInfo &)
{
    return 0;
}

int32_t KB4_SetPlgComment(const QByteArray &, QWidget *)
{
    return 0;
}

int32_t KB4_SetCorpAddList(const QByteArray &, QWidget *)
{
    return 0;
}

int32_t KB4_DrawSeiriken(const QByteArray &, void *, const QByteArray &, const QByteArray &,
                         const QByteArray &, int32_t, int32_t, int32_t, int32_t)
{
    return 0;
}

} // namespace reslib
