#pragma once

// The enumerations of the dataset components, registered with Qt's
// meta-object system so that form definitions name their values by key.

#include <QObject>

namespace Db {
Q_NAMESPACE

// What a batch move does with the destination's records.
enum class TBatchMode { batAppend, batUpdate, batAppendUpdate, batDelete, batCopy };
Q_ENUM_NS(TBatchMode)

// The state a data source reports to its bound controls.
enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
Q_ENUM_NS(TDataSetState)

} // namespace Db
