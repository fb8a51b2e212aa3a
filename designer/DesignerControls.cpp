#include "designer/DesignerControls.h"

#include "designer/TCheckListBox.h"
#include "designer/TStretchHandle.h"
#include "toolkit/ClassRegistry.h"

void DesignerControls::registerClasses()
{
    ClassRegistry &r = ClassRegistry::instance();
    r.add<TCheckListBox>();
    r.add<TStretchHandle>();
}
