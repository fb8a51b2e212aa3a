#include "screens/supervisor/Supervisor.h"

#include "screens/supervisor/Usract1.h"
#include "screens/supervisor/Usract4.h"
#include "screens/supervisor/Usrrsp.h"
#include "toolkit/ClassRegistry.h"

void Supervisor::registerClasses()
{
    ClassRegistry::instance().add<TUsrAct1Fm>();
    ClassRegistry::instance().add<TUsrAct4Fm>();
    ClassRegistry::instance().add<TUsrRspFm>();
}
