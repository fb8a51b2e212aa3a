#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Smoke, LoadsAForm)
{
    auto form = TestSupport::loadForm(QStringLiteral("Form1: TForm { Caption = \"Hi\" Label1: TLabel { Caption = \"x\" } }"));
    EXPECT_EQ(form->Caption(), QStringLiteral("Hi"));
}
