#include "tests/support/TestSupport.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormReader.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

void TestSupport::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        Component::deleteFreed();
    }
}

void TestSupport::FormDeleter::operator()(TForm *f) const
{
    Component::free(f);
    Component::deleteFreed();
}

TestSupport::FormPtr TestSupport::loadForm(const QString &text)
{
    FormPtr form(new TForm(nullptr));
    loadInto(form.get(), text);
    return form;
}

void TestSupport::expectDefinitionError(const std::function<void()> &load, const QString &file, int line, int column,
                                        const char *says)
{
    try {
        load();
        ADD_FAILURE() << "no error";
    } catch (const DefinitionError &e) {
        EXPECT_EQ(e.file(), file);
        EXPECT_EQ(e.line(), line) << e.text().toStdString();
        EXPECT_EQ(e.column(), column) << e.text().toStdString();
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(says))) << e.text().toStdString();
    }
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

void TestSupport::restoreResponder()
{
    Dialogs::setResponder([](const Dialogs::Request &r) {
        return r.buttons.testFlag(Dialogs::MsgButton::mbOK) ? int(Dialogs::mrOk) : int(Dialogs::mrYes);
    });
}
