#pragma once

// A parsed form definition as bytes. The build turns the .form files shipped
// inside the program into this, so that the program reads them without
// parsing text; the tree read back is the one the text parses to, with the
// lines and columns that errors found while loading it name.

#include "toolkit/DefinitionError.h"
#include "toolkit/FormDefinition.h"

namespace CompiledDefinition {
QByteArray write(const DefNode &root);
// Throws DefinitionError naming `fileName` when the bytes hold no tree.
DefNode read(const QByteArray &bytes, const QString &fileName);
// Hands the blocks to `visitor` as they are read, without building the tree:
// each block is freed once handed on, before the blocks nested in it. Throws
// DefinitionError as read() does, possibly after some blocks were handed on.
void walk(const QByteArray &bytes, const QString &fileName, DefVisitor &visitor);
}
