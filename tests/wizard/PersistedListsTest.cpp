// The persisted lists: their stored form (a count and packed little-endian
// entries) read and written back byte for byte, and their list operations.

#include "tests/wizard/WizardTestForm.h"
#include "toolkit/FormWriter.h"
#include "wizard/AssiL.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The value written for `name` in `text`, with white space removed; empty
// when the name is not written.
QString writtenValue(const QString &text, const QString &name)
{
    const QRegularExpression re(QStringLiteral("(?:^|\\s)%1 = (<[^>]*>|\\S+)").arg(QRegularExpression::escape(name)));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return {};
    return m.captured(1).remove(QRegularExpression(QStringLiteral("\\s")));
}

const QString TourLists = QStringLiteral(R"(Form1: TForm {
  Assistent1: TAssistent {
    NumPages = 15
    BLWizard.Num = 7
    BLWizard.Data = <01000000 02000000 08000000 03000000 04000000 05000000 06000000>
    BLDialog.Num = 5
    BLDialog.Data = <01000000 02000000 08000000 03000000 06000000>
    WayList.NumPages = 0
    HistoryNumPages = 0
    FormSize = <4b020000 23030000 3f020000 23030000>
    Box1: TABox {
      ShowContainer.NumApos = 16
      ShowContainer.Data = <2d000000 11000000 01000000 %1>
    }
  }
})");

QString zeros(int bytes)
{
    return QString(bytes * 2, u'0');
}

} // namespace

TEST(PersistedLists, TourValuesWriteBackByteForByte)
{
    Wizard::registerClasses();
    auto form = TestSupport::loadForm(TourLists.arg(zeros(180)));
    const QString text = FormWriter::write(form.get());

    const struct {
        const char *name;
        QString value;   // empty: must not be written
    } rows[] = {
        {"BLWizard.Num", QStringLiteral("7")},
        {"BLWizard.Data", QStringLiteral("<01000000020000000800000003000000040000000500000006000000>")},
        {"BLDialog.Num", QStringLiteral("5")},
        {"BLDialog.Data", QStringLiteral("<0100000002000000080000000300000006000000>")},
        {"WayList.NumPages", QStringLiteral("0")},
        {"WayList.Data", QString()},
        {"HistoryNumPages", QStringLiteral("0")},
        {"HistoryData", QString()},
        {"FormSize", QStringLiteral("<4b020000230300003f02000023030000>")},
        {"ShowContainer.NumApos", QStringLiteral("16")},
        {"ShowContainer.Data", QStringLiteral("<2d0000001100000001000000") + zeros(180) + u'>'},
    };
    for (const auto &row : rows)
        EXPECT_EQ(writtenValue(text, QString::fromLatin1(row.name)), row.value) << row.name;

    // What was written reads back to the same definition.
    auto again = TestSupport::loadForm(text);
    EXPECT_EQ(FormWriter::write(again.get()), text);
}

TEST(PersistedLists, StoredValuesReachTheWizardAndElements)
{
    Wizard::registerClasses();
    auto form = TestSupport::loadForm(TourLists.arg(zeros(180)));
    auto *wizard = qobject_cast<TAssistent *>(form->findComponent(u"Assistent1"));
    auto *box = qobject_cast<TABox *>(form->findComponent(u"Box1"));
    ASSERT_TRUE(wizard && box);
    EXPECT_EQ(wizard->BLWizard()->values(), QList<int>({1, 2, 8, 3, 4, 5, 6}));
    EXPECT_EQ(wizard->BLDialog()->values(), QList<int>({1, 2, 8, 3, 6}));
    EXPECT_EQ(wizard->WizardFormHeight(), 587);
    EXPECT_EQ(wizard->WizardFormWidth(), 803);
    EXPECT_EQ(wizard->DialogFormHeight(), 575);
    EXPECT_EQ(wizard->DialogFormWidth(), 803);
    ASSERT_EQ(box->ShowContainer()->Count(), 16);
    EXPECT_EQ(box->ShowContainer()->Get(0), (TApos{45, 17, 1}));
    for (int i = 1; i < 16; ++i)
        EXPECT_EQ(box->ShowContainer()->Get(i), TApos{}) << i;
}

TEST(PersistedLists, EmptyListWritesOnlyItsCountAndReadsBackEmpty)
{
    Wizard::registerClasses();
    auto form = TestSupport::loadForm(QStringLiteral("Form1: TForm { Assistent1: TAssistent { BLDialog.Num = 0 } }"));
    auto *wizard = qobject_cast<TAssistent *>(form->findComponent(u"Assistent1"));
    // The default list had five entries; a stored count of 0 empties it.
    EXPECT_EQ(wizard->BLDialog()->Count(), 0);
    const QString text = FormWriter::write(form.get());
    EXPECT_EQ(writtenValue(text, QStringLiteral("BLDialog.Num")), QStringLiteral("0"));
    EXPECT_TRUE(writtenValue(text, QStringLiteral("BLDialog.Data")).isEmpty());
    auto again = TestSupport::loadForm(text);
    EXPECT_EQ(qobject_cast<TAssistent *>(again->findComponent(u"Assistent1"))->BLDialog()->Count(), 0);
}

TEST(PersistedLists, DataReplacesTheEntriesAnElementMadeAtConstruction)
{
    Wizard::registerClasses();
    // Constructed on page 0 of 4 pages, the box starts with 5 entries, shown
    // on page 0; the stored three entries replace them.
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm { Assistent1: TAssistent {
        NumPages = 4
        Box1: TABox { ShowContainer.NumApos = 3 ShowContainer.Data = %1 } } })")
                                          .arg(WizardTest::hex({7, 8, 0, 9, 10, 1, 11, 12, 0})));
    const TAposList *list = qobject_cast<TABox *>(form->findComponent(u"Box1"))->ShowContainer();
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Get(0), (TApos{7, 8, 0}));
    EXPECT_EQ(list->Get(1), (TApos{9, 10, 1}));
    EXPECT_EQ(list->Get(2), (TApos{11, 12, 0}));
}

TEST(PersistedLists, BadStoredValuesAreRefusedWithFileLineAndColumn)
{
    Wizard::registerClasses();
    const struct {
        const char *name;
        QString properties;
        const char *message;
    } rows[] = {
        {"data shorter than its count", QStringLiteral("BLWizard.Num = 3\n BLWizard.Data = <01000000 08000000>"),
         "8 bytes"},
        {"data longer than its count", QStringLiteral("WayList.NumPages = 1\n WayList.Data = <01000000 02000000 03000000>"),
         "12 bytes"},
        {"history data without count", QStringLiteral("HistoryData = <01000000>"), "4 bytes"},
        {"negative count", QStringLiteral("BLDialog.Num = -1"), "-1"},
        {"huge count", QStringLiteral("BLDialog.Num = 2000000000"), "2000000000"},
        {"form size of three integers", QStringLiteral("FormSize = <01000000 02000000 03000000>"), "12 bytes"},
        {"missing glyph", QStringLiteral("BtnNext.Glyph = \":/forms/glyphs/none.png\""), "none.png"},
    };
    for (const auto &row : rows) {
        auto form = std::make_unique<TForm>(nullptr);
        const QString text = QStringLiteral("Form1: TForm {\n Assistent1: TAssistent {\n %1 } }").arg(row.properties);
        try {
            FormReader::load(form.get(), text, QStringLiteral("bad.form"));
            ADD_FAILURE() << row.name << ": accepted";
        } catch (const DefinitionError &e) {
            EXPECT_EQ(e.file(), QStringLiteral("bad.form")) << row.name;
            EXPECT_GE(e.line(), 3) << row.name;
            EXPECT_GT(e.column(), 0) << row.name;
            EXPECT_TRUE(e.message().contains(QLatin1String(row.message))) << row.name << ": " << e.text().toStdString();
        }
        Component::free(form.release());
    }
}

TEST(PersistedLists, IntegerListOperations)
{
    TIntegerList list;
    for (int v : {5, 6, 7})
        list.Add(v);
    list.Delete(3);    // not below the count: nothing
    list.Delete(-1);
    EXPECT_EQ(list.values(), QList<int>({5, 6, 7}));
    list.Delete(1);
    EXPECT_EQ(list.values(), QList<int>({5, 7}));
    list.Put(0, 9);
    EXPECT_EQ(list.Get(0), 9);
    EXPECT_THROW(list.Get(2), std::out_of_range);
    EXPECT_THROW(list.Put(-1, 0), std::out_of_range);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(PersistedLists, AposListSetCountAppendsZerosOrCutsTheEnd)
{
    TAposList list;
    for (int i = 0; i < 16; ++i)
        list.Add({i, i + 100, i % 2});
    list.SetCount(18);
    ASSERT_EQ(list.Count(), 18);
    EXPECT_EQ(list.Get(15), (TApos{15, 115, 1}));
    EXPECT_EQ(list.Get(16), TApos{});
    EXPECT_EQ(list.Get(17), TApos{});
    list.SetCount(3);
    ASSERT_EQ(list.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list.Get(i), (TApos{i, i + 100, i % 2}));
    EXPECT_THROW(list.Get(3), std::out_of_range);
}

TEST(PersistedLists, PackedBytesAreLittleEndianSigned)
{
    EXPECT_EQ(PackedList::pack({1, -2, 0x01020304}).toHex(), QByteArray("01000000feffffff04030201"));
    EXPECT_EQ(PackedList::unpack(QByteArray::fromHex("feffffff04030201"), 1, 2), (std::vector<qint32>{-2, 0x01020304}));
    EXPECT_THROW(PackedList::unpack(QByteArray(7, 0), 1, 2), std::invalid_argument);
}
