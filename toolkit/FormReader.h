#pragma once

// Loads a form definition into a root component (normally a form): creates
// every nested component through the class registry with the root as owner,
// sets their published properties in stored order, then resolves references
// between components and binds event handlers by name, and finally tells every
// loaded component that loading has ended. Any fault raises DefinitionError
// and frees what was created, so that a form is never half loaded.

#include "toolkit/DefinitionError.h"

#include <QByteArray>
#include <QString>

class QObject;
struct DefNode;

class FormReader
{
public:
    static void load(QObject *root, const QString &text, const QString &fileName);
    static void load(QObject *root, const DefNode &definition, const QString &fileName);
    // Loads a compiled definition (CompiledDefinition) block by block as it is
    // read, without building its tree.
    static void loadCompiled(QObject *root, const QByteArray &bytes, const QString &fileName);
    // Reads the definition from a file or a resource path (":/forms/...").
    static void loadFile(QObject *root, const QString &path);
    // The text of a definition file, or DefinitionError when it cannot be read.
    static QString readText(const QString &path);
};
