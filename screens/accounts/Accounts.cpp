#include "screens/accounts/Accounts.h"

#include "screens/accounts/Accsrch1.h"
#include "screens/accounts/Cust.h"
#include "screens/accounts/Custcom.h"
#include "screens/accounts/Custdtl.h"
#include "toolkit/ClassRegistry.h"

void Accounts::registerClasses()
{
    ClassRegistry::instance().add<TCustListFm>();
    ClassRegistry::instance().add<TCustDtlFm>();
    ClassRegistry::instance().add<TCustComfm>();
    ClassRegistry::instance().add<TAccSrch1Fm>();
}
