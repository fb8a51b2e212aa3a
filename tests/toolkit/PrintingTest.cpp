#include "tests/support/TestSupport.h"

#include "toolkit/Dialogs.h"
#include "toolkit/Printing.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PrintingTest : public testing::Test
{
protected:
    void SetUp() override { Dialogs::clearShown(); }
    void TearDown() override
    {
        Printing::setPdfOutput(QString());
        Printing::simulateNoPrinter(true);
        Printing::setModuleFolder(QStringLiteral(RAVIK_PRINT_MODULE_BUILT));
    }
};

} // namespace

TEST_F(PrintingTest, ImageFitsThePageKeepingItsProportions)
{
    struct Row {
        QSize image;
        QRect page;
        QRect placed;
    };
    const Row rows[] = {
        {{800, 600}, {0, 0, 4000, 6000}, {0, 0, 4000, 3000}},     // wide image on a tall page
        {{300, 900}, {0, 0, 4000, 6000}, {1000, 0, 2000, 6000}},  // tall image, centred across
        {{100, 100}, {50, 50, 400, 200}, {150, 50, 200, 200}},
        {{0, 0}, {0, 0, 400, 200}, {}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(Printing::placeOnPage(r.image, r.page), r.placed);
}

TEST_F(PrintingTest, FormImageGoesOnOnePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("form.pdf"));
    Printing::setPdfOutput(path);
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm { Width = 400 Height = 300
      Panel1: TPanel { Left = 10 Top = 10 Width = 200 Height = 100 Caption = "Print me" Color = clAqua }
    })"));
    form->Print();
    EXPECT_TRUE(Dialogs::shown().isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))), 1);
    EXPECT_GE(text.count(QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))), 1);
}

// Printing is loaded as a module when first used: where it is missing, the
// user is told so, and nothing is called through a missing entry point.
TEST_F(PrintingTest, AMissingPrintModuleIsAClearMessage)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    Printing::setModuleFolder(empty.path());
    Printing::setPdfOutput(empty.filePath(QStringLiteral("form.pdf")));
    auto form = TestSupport::loadForm(QStringLiteral("Form1: TForm { Width = 100 Height = 100 }"));
    EXPECT_FALSE(Printing::printImage(form.get()));
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().at(0).type, Dialogs::MsgType::mtError);
    EXPECT_TRUE(Dialogs::shown().at(0).text.startsWith(QStringLiteral("The part of Ravik Tour that prints could not be loaded (")));
    EXPECT_FALSE(QFile::exists(empty.filePath(QStringLiteral("form.pdf"))));
}

TEST_F(PrintingTest, NoPrinterIsAClearMessage)
{
    const struct {
        const char *name;
        bool serviceAnswers;
        QString message;
    } rows[] = {
        {"no printer set up", true, Printing::noPrinterMessage()},
        {"printing service down", false, Printing::noDefaultPrinterMessage(false)},
    };
    auto form = TestSupport::loadForm(QStringLiteral("Form1: TForm { Width = 100 Height = 100 }"));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Dialogs::clearShown();
        Printing::simulateNoPrinter(true);
        Printing::simulateNoService(!row.serviceAnswers);
        EXPECT_FALSE(Printing::printImage(form.get()));
        TestSupport::settle();
        ASSERT_EQ(Dialogs::shown().size(), 1);
        EXPECT_EQ(Dialogs::shown().at(0).type, Dialogs::MsgType::mtError);
        EXPECT_EQ(Dialogs::shown().at(0).text, row.message);
    }
    Printing::simulateNoService(false);
    EXPECT_NE(Printing::noDefaultPrinterMessage(false), Printing::noPrinterMessage());
}
