#pragma once

// The program's window icon in the sizes it ships, each read from its file
// only when a size is first asked for: a platform that shows no icon never
// decodes one.

#include <QIcon>
#include <QString>

namespace WindowIcon {
// The icon whose size n is read from `pattern` with %1 replaced by n.
QIcon fromFiles(const QString &pattern, const QList<int> &sizes);
}
