// The main of every test program: a QApplication on Qt's offscreen platform,
// the classic look, and a check after each test that no form was left behind.

#include "tests/support/TestSupport.h"

#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Printing.h"
#include "toolkit/TFontDialog.h"
#include "toolkit/TOpenDialog.h"
#include "toolkit/TForm.h"
#include "toolkit/Toolkit.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class LeftoverFormCheck : public testing::EmptyTestEventListener
{
    void OnTestEnd(const testing::TestInfo &info) override
    {
        if (info.result()->Failed())
            return;
        TestSupport::settle();
        int forms = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<TForm *>(w))
                ++forms;
        }
        EXPECT_EQ(forms, 0) << "a test left a form behind";
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    Application::initialize();
    Toolkit::registerClasses();
    // No test may block on a modal box: every box is answered with its first
    // button (OK) unless a test installs its own responder.
    TestSupport::restoreResponder();
    // The file and font dialogs are cancelled, and nothing reaches a printer.
    TOpenDialog::setResponder([](TOpenDialog &) { return false; });
    TFontDialog::setResponder([](TFontDialog &) { return false; });
    Printing::simulateNoPrinter(true);
    Printing::setModuleFolder(QStringLiteral(RAVIK_PRINT_MODULE_BUILT));
    testing::UnitTest::GetInstance()->listeners().Append(new LeftoverFormCheck);
    return RUN_ALL_TESTS();
}
