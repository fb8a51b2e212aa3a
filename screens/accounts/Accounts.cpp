#include "screens/accounts/Accounts.h"

#include "toolkit/ClassRegistry.h"

void Accounts::registerClasses()
{
}
