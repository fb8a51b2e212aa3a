#include "tour/Tour.h"

#include "toolkit/ClassRegistry.h"
#include "tour/Unit1.h"

void Tour::registerClasses()
{
    ClassRegistry::instance().add<TForm1>();
}
