#include "toolkit/MaskFormat.h"

#include <gtest/gtest.h>

namespace {
const QString kDateMask = QStringLiteral("!00/00/0000;1;_");
}

TEST(MaskFormat, DateMaskParts)
{
    const MaskFormat m = MaskFormat::parse(kDateMask);
    ASSERT_EQ(m.size(), 10);
    EXPECT_TRUE(m.savesLiterals());
    EXPECT_TRUE(m.leadingBlanks());
    EXPECT_EQ(m.blank(), u'_');
    EXPECT_EQ(m.positions().at(2).kind, MaskFormat::Kind::Literal);
    EXPECT_EQ(m.positions().at(2).literal, u'/');
    EXPECT_TRUE(m.positions().at(9).required);
    EXPECT_EQ(m.blankText(), QStringLiteral("  /  /    "));
    // '/' stands for the date separator of the locale.
    EXPECT_EQ(MaskFormat::parse(kDateMask, u'.').blankText(), QStringLiteral("  .  .    "));
    EXPECT_TRUE(MaskFormat::parse(QString()).isEmpty());
}

TEST(MaskFormat, TranslatesToQtInputMasks)
{
    const std::pair<const char *, const char *> rows[] = {
        {"!00/00/0000;1;_", "99/99/9999;_"},
        {"!0000-00-00;1;_", "9999-99-99;_"},
        {"!00.00.00;1;_", "99.99.99;_"},
        {"999;0; ", "000; "},
        {">LL<ll<>cC", ">AA<aa!xX;_"},
        {"\\A0a", "\\A9n;_"},
        {"(999) #", "(000) #;_"},
        {"99:99", "00:00;_"},
        {"00_00", "99 99;_"},
        {"", ""},
    };
    for (const auto &[mask, qt] : rows)
        EXPECT_EQ(MaskFormat::parse(QString::fromLatin1(mask)).qtInputMask(), QString::fromLatin1(qt)) << mask;
}

TEST(MaskFormat, TextToCellsAndBack)
{
    struct Row {
        const char *mask;
        const char *text;
        const char *cells;
        const char *textBack;
    };
    const Row rows[] = {
        {"!00/00/0000;1;_", "14/12/1997", "14/12/1997", "14/12/1997"},
        {"!00/00/0000;1;_", "", "  /  /    ", "  /  /    "},
        {"!00/00/0000;1;_", "1", "1 /  /    ", "1 /  /    "},
        // Literal positions take whatever the text has there.
        {"!00/00/0000;1;_", "14-12-1997", "14/12/1997", "14/12/1997"},
        {"!00/00/0000;1;_", " 4/ 2/1998", " 4/ 2/1998", " 4/ 2/1998"},
        {"!00/00/0000;1;_", "ab/cd/1997xyz", "  /  /1997", "  /  /1997"},
        // Without saved literals the characters fill the data positions.
        {"00/00;0;_", "1412", "14/12", "1412"},
        {"000;0;_", "12", "12 ", "12 "},
        {"!000;0;_", "12", " 12", " 12"},
        {">LL;0;_", "ab", "AB", "AB"},
        {"LL;0;_", "a1", "a ", "a "},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(std::string(r.mask) + " <- \"" + r.text + "\"");
        const MaskFormat m = MaskFormat::parse(QString::fromLatin1(r.mask));
        const QString cells = m.cellsFromText(QString::fromLatin1(r.text));
        EXPECT_EQ(cells, QString::fromLatin1(r.cells));
        EXPECT_EQ(m.textFromCells(cells), QString::fromLatin1(r.textBack));
    }
}

TEST(MaskFormat, CellsFromTheShownText)
{
    const MaskFormat m = MaskFormat::parse(kDateMask);
    EXPECT_EQ(m.cellsFromDisplay(QStringLiteral("__/__/____")), QStringLiteral("  /  /    "));
    EXPECT_EQ(m.cellsFromDisplay(QStringLiteral("_4/12/19__")), QStringLiteral(" 4/12/19  "));
    EXPECT_EQ(m.cellsFromDisplay(QStringLiteral("14/12")), QStringLiteral("14/12/    "));
}

TEST(MaskFormat, BlankAndComplete)
{
    struct Row {
        const char *mask;
        const char *cells;
        bool blank;
        bool complete;
        int firstMissing;
    };
    const Row rows[] = {
        {"!00/00/0000;1;_", "  /  /    ", true, false, 0},
        {"!00/00/0000;1;_", "1 /  /    ", false, false, 1},
        {"!00/00/0000;1;_", "14/12/199 ", false, false, 9},
        {"!00/00/0000;1;_", "14/12/1997", false, true, -1},
        {"99/99;1;_", "1 /  ", false, true, -1},
        {"99/99;1;_", "  /  ", true, true, -1},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(std::string(r.mask) + " \"" + r.cells + "\"");
        const MaskFormat m = MaskFormat::parse(QString::fromLatin1(r.mask));
        const QString cells = QString::fromLatin1(r.cells);
        EXPECT_EQ(m.isBlank(cells), r.blank);
        EXPECT_EQ(m.isComplete(cells), r.complete);
        EXPECT_EQ(m.firstMissing(cells), r.firstMissing);
    }
}
