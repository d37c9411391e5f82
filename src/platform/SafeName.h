#pragma once

#include <QString>

// Names that become one component of a path in the program folder (user names, window names).
namespace SafeName {

// Not empty, not "." or "..", no separator, wildcard, quote or control character.
bool isUsable(const QString &name);

} // namespace SafeName
