#include "SafeName.h"

namespace SafeName {

bool isUsable(const QString &name)
{
    if (name.trimmed().isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (QStringView(u"/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

} // namespace SafeName
