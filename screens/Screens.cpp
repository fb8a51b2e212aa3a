#include "screens/Screens.h"

#include "data/Data.h"
#include "designer/Designer.h"
#include "screens/accounts/Accounts.h"
#include "screens/marketing/Marketing.h"
#include "screens/supervisor/Supervisor.h"
#include "toolkit/Toolkit.h"
#include "tour/Tour.h"
#include "wizard/Wizard.h"

void Screens::registerAll()
{
    Toolkit::registerClasses();
    Data::registerClasses();
    Wizard::registerClasses();
    Designer::registerClasses();
    Tour::registerClasses();
    Accounts::registerClasses();
    Marketing::registerClasses();
    Supervisor::registerClasses();
}
