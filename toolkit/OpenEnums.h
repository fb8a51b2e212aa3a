#pragma once

// Enumerations whose properties also take plain integers in a definition,
// because their keys name only some of the values (colours).

#include <QMetaEnum>

namespace OpenEnums {
bool acceptsIntegers(const QMetaEnum &e);
}
