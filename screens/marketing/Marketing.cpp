#include "screens/marketing/Marketing.h"

#include "screens/marketing/Calender.h"
#include "screens/marketing/Maildtl.h"
#include "toolkit/ClassRegistry.h"

void Marketing::registerClasses()
{
    ClassRegistry::instance().add<TCalenderFm>();
    ClassRegistry::instance().add<TMailDtlFm>();
}
