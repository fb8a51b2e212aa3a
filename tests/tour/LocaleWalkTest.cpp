// The whole tour walked under several locales: every page shows its screen
// or picture, the date mask and sample dates follow the locale's short date
// order, and nothing fails on the way.

#include "tests/support/TourFixture.h"

#include "toolkit/Dialogs.h"
#include "toolkit/Locale.h"
#include "wizard/TAForm.h"

namespace {

class LocaleWalk : public TourFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        Locale::useLocale(QString::fromLatin1(GetParam()));
        TourFixture::SetUp();
    }
    void TearDown() override
    {
        TourFixture::TearDown();
        Locale::useSystem();
    }
};

// Pages whose content is a screen.
const int ScreenPages[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15};

} // namespace

TEST_P(LocaleWalk, EveryPageShowsAndDatesFollowTheLocale)
{
    const QString format = Locale::shortDateFormat();
    ASSERT_TRUE(Locale::isNumericFormat(format)) << format.toStdString();
    const QChar sep = Locale::dateSeparator();
    // The mask has the separator where the format has it, and the sample
    // date reads back as the same day under the locale.
    EXPECT_EQ(Unit1::DateEditMask.count(sep), 2);
    const QString sample = Unit1::SampleDateText(QStringLiteral("14"), QStringLiteral("12"), QStringLiteral("1997"));
    EXPECT_EQ(Locale::parseDate(sample, format, 1997), QDate(1997, 12, 14)) << sample.toStdString();

    Dialogs::clearShown();
    for (int page = 0; page <= 15; ++page) {
        SCOPED_TRACE(page);
        gotoPage(page);
        EXPECT_EQ(wizard()->Page(), page);
        const bool screenPage = std::find(std::begin(ScreenPages), std::end(ScreenPages), page) != std::end(ScreenPages);
        const QList<TForm *> shown = screens();
        EXPECT_EQ(shown.size(), screenPage ? 1 : 0);
        for (TForm *s : shown)
            EXPECT_TRUE(s->isVisible());
    }
    // Walking the tour raised no message.
    EXPECT_TRUE(Dialogs::shown().isEmpty()) << Dialogs::shown().first().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleWalk, ::testing::Values("en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "C"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });
