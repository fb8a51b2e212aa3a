#pragma once

// Helpers shared by the tests: loading a definition from text into a fresh
// form, answering modal dialogs, letting deferred work run.

#include "toolkit/TForm.h"

#include <QEvent>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable Qt values in test failures.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace TestSupport {

// Runs pending events and deletes what was freed.
void settle();

// Puts back the tests' answer to every modal box: its first button (OK).
void restoreResponder();

// A form loaded from definition text; freed with Component::free.
struct FormDeleter {
    void operator()(TForm *f) const;
};
using FormPtr = std::unique_ptr<TForm, FormDeleter>;

// A plain form whose definition is `text` (root class TForm).
FormPtr loadForm(const QString &text);

// Runs `load` and checks that it raises a DefinitionError in `file` at
// line:column whose message contains `says`.
void expectDefinitionError(const std::function<void()> &load, const QString &file, int line, int column,
                           const char *says);
// Loads `text` into a new form of class T (whose handler slots the
// definition can bind) and raises OnCreate.
void loadInto(TForm *form, const QString &text);
template<typename T>
std::unique_ptr<T, FormDeleter> loadFormOf(const QString &text)
{
    std::unique_ptr<T, FormDeleter> form(new T(nullptr));
    loadInto(form.get(), text);
    return form;
}

// The component `name` of `form`, which the test expects to be a T.
template<typename T>
T *component(const TForm *form, const char *name)
{
    T *c = qobject_cast<T *>(form->findComponent(QString::fromLatin1(name)));
    EXPECT_TRUE(c) << name << " is no " << T::staticMetaObject.className();
    return c;
}

// Counts the objects made with a watched object as their parent (a drag,
// for one, which offers no signal of its own).
struct ChildrenMade : QObject {
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::ChildAdded;
        return false;
    }
    int count = 0;
};

// Shows `window` and makes it the active window, so that focus changes and
// keys behave as for a user; false when the platform did not activate it.
bool showActive(QWidget *window);

} // namespace TestSupport
