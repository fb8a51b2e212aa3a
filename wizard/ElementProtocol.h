#pragma once

// Calls the page element protocol by name. An element class declares the
// operations as Q_INVOKABLE (SetNewPosition(int), SetNumApos(int),
// JumpTarget(int)); the wizard calls them on every component of its form
// whose class has them and skips the others, so it knows no element class.

#include <QByteArray>

#include <optional>

class QMetaObject;
class QObject;

class ElementProtocol
{
public:
    // The index of the method `signature` ("SetNewPosition(int)") of the
    // class, or -1; looked up once per class.
    static int methodIndex(const QMetaObject *mo, const QByteArray &signature);

    // Calls `signature` with `value` on every component owned by `owner`,
    // last to first. The walk goes over a snapshot, so components that the
    // calls create are not visited, and components that the calls free or
    // hand to another owner are skipped.
    static void callAll(QObject *owner, const QByteArray &signature, int value);

    // Asks the components owned by `owner`, first to last, through
    // `signature`, a method returning a QVariant; the first component that
    // answers with an integer decides.
    static std::optional<int> firstAnswer(QObject *owner, const QByteArray &signature, int value);
};
