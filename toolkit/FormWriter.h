#pragma once

// Writes a form (or any root component) as a form definition that the reader
// reads back to the same components and values: the published properties of
// every component in declaration order, its bound events, the values it
// stores itself, and its nested components in creation order. Embedded forms
// are left out; they have definitions of their own.

#include <QString>

class QObject;

class FormWriter
{
public:
    static QString write(const QObject *root);
};
