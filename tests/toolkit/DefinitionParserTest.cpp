// The definition syntax: what parses to what, and where a fault is reported.

#include "tests/support/TestSupport.h"
#include "toolkit/CompiledDefinition.h"
#include "toolkit/DefinitionParser.h"

#include <gtest/gtest.h>

namespace {

DefNode parse(const QString &text)
{
    return DefinitionParser::parse(text, QStringLiteral("t.form"));
}

} // namespace

TEST(DefinitionParser, ReadsNestedBlocksAndEveryKindOfValue)
{
    const DefNode parsed = parse(QStringLiteral(
        "# a comment\n"
        "Form1: TForm1 {\n"
        "  Caption = \"Ravik \\\"demo\\\" \\u{e9}t\\u{e9} \u00fc\"\n"
        "  Left = -12\n"
        "  Color = 0xFFFF00\n"
        "  Align = alClient\n"
        "  Font.Style = [fsBold, fsItalic]\n"
        "  Empty = []\n"
        "  Items = (\"a\", \"b\")\n"
        "  Widths = (1, -2, 3)\n"
        "  BLWizard.Data = <01000000 02000000\n   08000000>\n"
        "  Panel1: TPanel {\n"
        "    Label1: TLabel { Caption = \"x\" }\n"
        "  }\n"
        "}\n"));
    // The tree the build ships for a definition reads back as the text parses;
    // damaged bytes are refused, never read past their end: cut short at any
    // length, with a byte too many, or with any one byte set to all ones (a
    // count or length far beyond what follows).
    const QByteArray bytes = CompiledDefinition::write(parsed);
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(CompiledDefinition::read(bytes.left(n), QStringLiteral("t.form")), DefinitionError) << n;
        QByteArray flipped = bytes;
        flipped[n] = char(0xFF);
        try {
            CompiledDefinition::read(flipped, QStringLiteral("t.form"));
        } catch (const DefinitionError &) {
        }
    }
    EXPECT_THROW(CompiledDefinition::read(bytes + '\0', QStringLiteral("t.form")), DefinitionError);
    for (const DefNode &root : {parsed, CompiledDefinition::read(bytes, QStringLiteral("t.form"))}) {
        EXPECT_EQ(root.name, QStringLiteral("Form1"));
        EXPECT_EQ(root.className, QByteArray("TForm1"));
        ASSERT_EQ(root.properties.size(), 9u);
        EXPECT_EQ(root.properties[0].value.text, QStringLiteral("Ravik \"demo\" \u00e9t\u00e9 \u00fc"));
        EXPECT_EQ(root.properties[1].value.integer, -12);
        EXPECT_EQ(root.properties[2].value.integer, 0xFFFF00);
        EXPECT_EQ(root.properties[3].value.kind, DefValue::Kind::Identifier);
        EXPECT_EQ(root.properties[4].name, QByteArray("Font.Style"));
        EXPECT_EQ(root.properties[4].value.names, QStringList({QStringLiteral("fsBold"), QStringLiteral("fsItalic")}));
        EXPECT_TRUE(root.properties[5].value.names.isEmpty());
        EXPECT_EQ(root.properties[6].value.items.size(), 2u);
        EXPECT_EQ(root.properties[7].value.items[1].integer, -2);
        EXPECT_EQ(root.properties[8].value.bytes, QByteArray::fromHex("010000000200000008000000"));
        ASSERT_EQ(root.children.size(), 1u);
        ASSERT_EQ(root.children[0].children.size(), 1u);
        EXPECT_EQ(root.children[0].children[0].line, 14);
        EXPECT_EQ(root.children[0].children[0].column, 5);
    }
}

TEST(DefinitionParser, ReportsFaultsWithLineAndColumn)
{
    struct Row {
        const char *name;
        const char *text;
        int line;
        int column;
        const char *says;
    };
    const Row rows[] = {
        {"bad token", "F: TForm {\n  Left = @\n}", 2, 10, "expected a value"},
        {"unterminated string", "F: TForm {\n  Caption = \"abc\n}", 2, 13, "not closed"},
        {"odd hex digits", "F: TForm {\n  D.Data = <0102 0 03>\n}", 2, 18, "two hexadecimal digits"},
        {"odd hex digits at end", "F: TForm {\n  D.Data = <010>\n}", 2, 15, "odd number"},
        {"bad hex digit", "F: TForm {\n  D.Data = <01zz>\n}", 2, 15, "hexadecimal digit"},
        {"unclosed block", "F: TForm {\n  A: TLabel {\n}", 1, 1, "not closed"},
        {"missing equals", "F: TForm {\n  Left 5\n}", 2, 8, "'='"},
        {"missing class", "F: {\n}", 1, 4, "class name"},
        {"trailing text", "F: TForm {\n}\nG", 3, 1, "end of the definition"},
        {"integer overflow", "F: TForm {\n  Left = 99999999999999999999\n}", 2, 10, "too large"},
        {"unknown escape", "F: TForm {\n  Caption = \"a\\qb\"\n}", 2, 15, "unknown escape"},
        {"surrogate escape", "F: TForm {\n  Caption = \"\\u{d800}\"\n}", 2, 14, "not a character"},
        {"set of strings", "F: TForm {\n  S = [\"a\"]\n}", 2, 8, "set element"},
        {"nested list", "F: TForm {\n  S = ((1))\n}", 2, 8, "list holds"},
        {"digits then letters", "F: TForm {\n  Left = 12ab\n}", 2, 12, "end of the integer"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TestSupport::expectDefinitionError([&] { parse(QString::fromUtf8(row.text)); }, QStringLiteral("t.form"), row.line,
                                           row.column, row.says);
    }
}

TEST(DefinitionParser, RefusesPathologicalNestingWithoutExhaustingTheStack)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("A%1: TPanel {\n").arg(i);
    EXPECT_THROW(parse(text), DefinitionError);
}
