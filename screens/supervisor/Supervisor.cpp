#include "screens/supervisor/Supervisor.h"

#include "toolkit/ClassRegistry.h"

void Supervisor::registerClasses()
{
}
