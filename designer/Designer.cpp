#include "designer/Designer.h"

#include "designer/TCheckListBox.h"
#include "designer/TStretchHandle.h"
#include "designer/usrdef2.h"
#include "toolkit/ClassRegistry.h"

void Designer::registerClasses()
{
    ClassRegistry &r = ClassRegistry::instance();
    r.add<TCheckListBox>();
    r.add<TStretchHandle>();
    r.add<Tusrdef2fm>();
}
