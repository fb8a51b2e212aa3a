#include "tests/support/TourFixture.h"

#include "screens/Screens.h"

#include <QTest>

void TourFixture::SetUp()
{
    Screens::registerAll();
    QString error;
    ASSERT_TRUE(TForm1::start(&error)) << error.toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
}

void TourFixture::TearDown()
{
    Component::free(Form1);
    Form1 = nullptr;
    TestSupport::settle();
}

void TourFixture::gotoPage(int page)
{
    wizard()->SetPage(page);
    TestSupport::settle();
}

QList<TForm *> TourFixture::screens() const
{
    QList<TForm *> list;
    for (int i = 0; i < Form1->componentCount(); ++i) {
        if (auto *s = qobject_cast<TForm *>(Form1->componentAt(i)))
            list << s;
    }
    return list;
}
