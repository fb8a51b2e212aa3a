#include "data/Data.h"

#include "data/TBatchMove.h"
#include "data/TDBEdit.h"
#include "data/TDBGrid.h"
#include "data/TDBText.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/TStringField.h"
#include "data/TTable.h"
#include "toolkit/ClassRegistry.h"

void Data::registerClasses()
{
    ClassRegistry &r = ClassRegistry::instance();
    r.add<TBatchMove>();
    r.add<TDBEdit>();
    r.add<TDBGrid>();
    r.add<TDBText>();
    r.add<TDataSource>();
    r.add<TQuery>();
    r.add<TStringField>();
    r.add<TTable>();
}
