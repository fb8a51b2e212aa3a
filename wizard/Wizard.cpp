#include "wizard/Wizard.h"

#include "toolkit/ClassRegistry.h"
#include "wizard/AssiA.h"
#include "wizard/AssiC.h"

void Wizard::registerClasses()
{
    ClassRegistry &r = ClassRegistry::instance();
    r.add<TAssistent>();
    r.add<TDesignButton>();
    r.add<TABox>();
    r.add<TAForm>();
    r.add<TAGroupBox>();
    r.add<TAImage>();
    r.add<TAJumpBitBtn>();
    r.add<TAJumpRadioBtn>();
    r.add<TAPanel>();
}
