#include "tests/support/TestSupport.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/FormReader.h"

#include <QApplication>
#include <QTest>

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
    loadInto(form.get(), text);
    return form;
}

void TestSupport::loadInto(TForm *form, const QString &text)
{
    FormReader::load(form, text, QStringLiteral("test.form"));
    form->doCreate();
}

bool TestSupport::showActive(QWidget *window)
{
    if (auto *form = qobject_cast<TForm *>(window))
        form->Show();
    else
        window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}
