#include "screens/marketing/Marketing.h"

#include "toolkit/ClassRegistry.h"

void Marketing::registerClasses()
{
}
