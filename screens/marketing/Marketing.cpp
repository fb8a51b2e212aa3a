#include "screens/marketing/Marketing.h"

#include "screens/marketing/Calender.h"
#include "screens/marketing/Maildtl.h"
#include "screens/marketing/Query.h"
#include "screens/marketing/Query2.h"
#include "screens/marketing/scriptR1.h"
#include "toolkit/ClassRegistry.h"

void Marketing::registerClasses()
{
    ClassRegistry::instance().add<TCalenderFm>();
    ClassRegistry::instance().add<TMailDtlFm>();
    ClassRegistry::instance().add<TQueryFm>();
    ClassRegistry::instance().add<TQuery2Fm>();
    ClassRegistry::instance().add<TScriptR1Fm>();
}
