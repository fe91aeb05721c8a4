#include "app/mdl731_000.h"

#include "app/Form1.h"

#include <QFileInfo>

namespace app::mdl731_000 {

void SeirikenNumSet(Form1 &, int16_t &, int16_t &) {}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

} // namespace app::mdl731_000
