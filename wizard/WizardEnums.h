#pragma once

// The enumerations of the wizard framework, registered with Qt's meta-object
// system so that form definitions name their values by key.

#include <QObject>

namespace Wz {
Q_NAMESPACE

enum class AssistentStyle { asWizard, asNone, asTabbed };
Q_ENUM_NS(AssistentStyle)

enum class TJumpMode { jmAbsolut, jmRelativ };
Q_ENUM_NS(TJumpMode)

enum class TFormCreate { fcOnCreate, fcOnDemand, fcOnDemandFree };
Q_ENUM_NS(TFormCreate)

} // namespace Wz
