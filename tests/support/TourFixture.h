#pragma once

// A test fixture that starts the tour as the program does: every class
// registered, the main form Form1 loaded from its definition and shown. The
// screen of the current page is found by its class.

#include "tests/support/TestSupport.h"

#include "tour/Unit1.h"
#include "wizard/TAssistent.h"

#include <gtest/gtest.h>

class TourFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    TAssistent *wizard() const { return Form1->Assistent1; }
    // Moves the tour to `page` the way screens do, by writing the wizard's page.
    void gotoPage(int page);
    // The screen of class T that Form1 currently owns, or null.
    template<typename T>
    T *screen() const
    {
        for (int i = 0; i < Form1->componentCount(); ++i) {
            if (auto *s = qobject_cast<T *>(Form1->componentAt(i)))
                return s;
        }
        return nullptr;
    }
    // Every screen form Form1 owns at the moment.
    QList<TForm *> screens() const;
};
