#include "toolkit/OpenEnums.h"

#include <cstring>

bool OpenEnums::acceptsIntegers(const QMetaEnum &e)
{
    return std::strcmp(e.enumName(), "TColor") == 0 && std::strcmp(e.scope(), "Tk") == 0;
}
