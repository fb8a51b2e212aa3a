#pragma once

// A form with the wizard's and the form hosts' handlers for the tests: it
// records what the events told it and answers as the test says.

#include "tests/support/TestSupport.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormReader.h"
#include "wizard/AssiA.h"
#include "wizard/AssiC.h"
#include "wizard/Wizard.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

class WizardTestForm : public TForm
{
    Q_OBJECT

public:
    explicit WizardTestForm(QObject *owner = nullptr)
        : TForm(owner)
    {
    }

    TAssistent *wizard() const { return qobject_cast<TAssistent *>(findComponent(u"Assistent1")); }
    template<typename T>
    T *component(const char *name) const
    {
        return qobject_cast<T *>(findComponent(QString::fromLatin1(name)));
    }

    // Answers of the handlers; null means the default.
    std::function<bool(int from, int &to)> canChange;
    std::function<void(int current, int &next)> askChange;
    bool cancelAnswer = true;
    // Runs when an element's OnClick handler ElementClick is called.
    std::function<void()> onElementClick;
    // Told of every form a host frees, beside the record in `freed`.
    std::function<void(QObject *host, TForm *form)> freeing;
    // Makes the form a host asks for.
    std::function<TForm *()> makeForm;

    QList<int> pageChanges;
    QList<QPair<int, int>> canChangeCalls;
    QList<int> helpClicks;
    QList<int> cancelClicks;
    int getFormCalls = 0;
    struct Freed {
        QPointer<QObject> host;
        QPointer<TForm> form;
        QWidget *parentThen = nullptr;   // the form's parent when it was told
    };
    std::vector<Freed> freed;

public slots:
    bool Assistent1CanPageChange(QObject *, int from, int &to)
    {
        canChangeCalls << qMakePair(from, to);
        return canChange ? canChange(from, to) : true;
    }
    void Assistent1PageChange(QObject *, int page) { pageChanges << page; }
    void Assistent1AskPageChange(QObject *, int current, int &next)
    {
        if (askChange)
            askChange(current, next);
    }
    void Assistent1HelpClick(QObject *, int page) { helpClicks << page; }
    bool Assistent1CancelClick(QObject *, int page)
    {
        cancelClicks << page;
        return cancelAnswer;
    }
    void ElementClick(QObject *)
    {
        if (onElementClick)
            onElementClick();
    }
    TForm *AFormGetForm()
    {
        ++getFormCalls;
        return makeForm ? makeForm() : nullptr;
    }
    void AFormFreeForm(QObject *host, TForm *form)
    {
        freed.push_back({host, form, form->parentWidget()});
        if (freeing)
            freeing(host, form);
    }
};

namespace WizardTest {

struct Deleter {
    void operator()(TForm *f) const { Component::free(f); }
};
template<typename T>
using Ptr = std::unique_ptr<T, Deleter>;

// Loads `text`, whose root block is of class T, into a new T.
template<typename T = WizardTestForm>
Ptr<T> load(const QString &text)
{
    Wizard::registerClasses();
    Ptr<T> form(new T(nullptr));
    FormReader::load(form.get(), text, QStringLiteral("test.form"));
    form->doCreate();
    return form;
}

// The binary value of a definition holding `values` as little-endian
// 32-bit integers: "<01000000 02000000>".
QString hex(const QList<int> &values);
// A ShowContainer table: shown (Shown = 1) at the given pages, with each
// entry's place (left, top) as given in `places` (0, 0 elsewhere).
QString table(int pages, const QList<int> &shownOn, const QList<QPoint> &places = {});

// A wizard of `pages` pages at `page` with the test form's handlers, holding
// `children` (element blocks), inside a form of 400 x 300 at (100, 100).
QString wizardForm(int pages, int page, const QString &wizardProperties, const QString &children);

} // namespace WizardTest
