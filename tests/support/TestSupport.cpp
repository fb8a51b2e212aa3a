#include "tests/support/TestSupport.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/FormReader.h"

#include <QCoreApplication>

void TestSupport::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        Component::flushDeferred();
    }
}

void TestSupport::FormDeleter::operator()(TForm *f) const
{
    Component::free(f);
}

TestSupport::FormPtr TestSupport::loadForm(const QString &text)
{
    FormPtr form(new TForm(nullptr));
    FormReader::load(form.get(), text, QStringLiteral("test.form"));
    form->doCreate();
    return form;
}
