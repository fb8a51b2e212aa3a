#include "designer/Designer.h"

#include "designer/DesignerControls.h"
#include "designer/usrdef2.h"
#include "toolkit/ClassRegistry.h"

void Designer::registerClasses()
{
    DesignerControls::registerClasses();
    ClassRegistry::instance().add<Tusrdef2fm>();
}
