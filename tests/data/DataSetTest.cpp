#include "data/DataCatalogue.h"
#include "data/EDatabaseError.h"
#include "data/TBatchMove.h"
#include "data/TDataSource.h"
#include "data/TQuery.h"
#include "data/TStringField.h"
#include "data/TTable.h"
#include "tests/support/TestSupport.h"
#include "toolkit/FormWriter.h"

#include <gtest/gtest.h>

using TestSupport::loadForm;
using Kind = DataCatalogue::Kind;
using Entry = DataCatalogue::Entry;

namespace {

// Declarations as the campaign, query builder, account list and responses
// screens make them, in one form.
const char *const declarations = R"def(Form1: TForm {
  MailAct: TTable { DatabaseName = "Holvintele" TableName = "MALACT01.DB" }
  DataSource1: TDataSource { DataSet = MailAct }
  MailDtl: TTable {
    DatabaseName = "Holvintele"
    IndexFieldNames = "Reference;Posn;Line"
    MasterFields = "Reference;Posn"
    MasterSource = DataSource1
    TableName = "MALDTL01"
  }
  DataSource2: TDataSource { DataSet = MailDtl }
  MailAcc: TTable { DatabaseName = "holvintele" IndexFieldNames = "REFERENCE;POSN;LINE" TableName = "MALACC01" }
  Query1: TQuery { DatabaseName = "HOLVINTELE" RequestLive = true UniDirectional = true }
  Result: TTable { Active = false DatabaseName = "HolvinteleLocal" TableName = "TELRCM" }
  BatchMove1: TBatchMove {
    AbortOnKeyViol = false
    AbortOnProblem = false
    Destination = Result
    Mode = batAppend
    Source = Query1
  }
  Ctrl: TTable { DatabaseName = "Holvintele" TableName = "CTRL01.DB" }
  DataSource3: TDataSource { DataSet = Ctrl }
  DBText1: TDBText { Left = 24 Top = 16 Width = 65 Height = 17 DataField = "PrefT01" DataSource = DataSource3 }
  DBText2: TDBText { Left = 24 Top = 40 Width = 65 Height = 17 DataField = "PrefT02" DataSource = DataSource3 }
  OwnerTbl: TTable {
    DatabaseName = "Holvintele"
    IndexFieldNames = "OWNER"
    TableName = "OWNER"
    OwnerTblOWNER: TStringField { FieldName = "OWNER" Size = 10 }
    OwnerTblNAME: TStringField { FieldName = "NAME" Size = 30 }
  }
  Batch: TBatchMove { RecordCount = 1 }
  Table2: TTable { }
  Rsp: TQuery {
    DatabaseName = "holvintele"
    SQL = (" SELECT UserName,Year_,Week_no,Response, sum(Qty)", "FROM Usrcall",
           "Where UserName= \"Alvor\" AND Response<>\".\" AND Week_no = \"53\"",
           "GROUP BY UserName,Year_,Week_no, Response", "ORDER BY UserName,Year_,Week_no, Response")
  }
}
)def";

QList<Entry> expectedCatalogue()
{
    const QStringList rspSql{" SELECT UserName,Year_,Week_no,Response, sum(Qty)", "FROM Usrcall",
                             "Where UserName= \"Alvor\" AND Response<>\".\" AND Week_no = \"53\"",
                             "GROUP BY UserName,Year_,Week_no, Response", "ORDER BY UserName,Year_,Week_no, Response"};
    return {
        {.name = "MailAct", .kind = Kind::Table, .alias = "Holvintele", .database = "Holvintele", .table = "MALACT01.DB",
         .dataSources = {"DataSource1"}},
        {.name = "DataSource1", .kind = Kind::DataSource, .dataSet = "MailAct"},
        {.name = "MailDtl", .kind = Kind::Table, .alias = "Holvintele", .database = "Holvintele", .table = "MALDTL01",
         .indexFields = {"Reference", "Posn", "Line"}, .masterSource = "DataSource1", .masterFields = {"Reference", "Posn"},
         .dataSources = {"DataSource2"}},
        {.name = "DataSource2", .kind = Kind::DataSource, .dataSet = "MailDtl"},
        {.name = "MailAcc", .kind = Kind::Table, .alias = "holvintele", .database = "Holvintele", .table = "MALACC01",
         .indexFields = {"REFERENCE", "POSN", "LINE"}},
        {.name = "Query1", .kind = Kind::Query, .alias = "HOLVINTELE", .database = "Holvintele", .requestLive = true,
         .uniDirectional = true},
        {.name = "Result", .kind = Kind::Table, .alias = "HolvinteleLocal", .database = "HolvinteleLocal", .table = "TELRCM"},
        {.name = "BatchMove1", .kind = Kind::BatchMove, .source = "Query1", .destination = "Result",
         .abortOnKeyViol = false, .abortOnProblem = false},
        {.name = "Ctrl", .kind = Kind::Table, .alias = "Holvintele", .database = "Holvintele", .table = "CTRL01.DB",
         .dataSources = {"DataSource3"}, .boundControls = {"DBText1.PrefT01", "DBText2.PrefT02"}},
        {.name = "DataSource3", .kind = Kind::DataSource, .dataSet = "Ctrl"},
        {.name = "OwnerTbl", .kind = Kind::Table, .alias = "Holvintele", .database = "Holvintele", .table = "OWNER",
         .indexFields = {"OWNER"}, .fields = {"OWNER", "NAME"}},
        {.name = "Batch", .kind = Kind::BatchMove, .recordCount = 1},
        {.name = "Table2", .kind = Kind::Table},
        {.name = "Rsp", .kind = Kind::Query, .alias = "holvintele", .database = "Holvintele", .sql = rspSql},
    };
}

void expectCatalogue(const QList<Entry> &actual, const QList<Entry> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(actual.at(i) == expected.at(i)) << "entry " << i << " (" << expected.at(i).name.toStdString() << ")";
}

} // namespace

TEST(DataSets, DeclarationsReadBackWithEveryValue)
{
    auto form = loadForm(QString::fromUtf8(declarations));
    expectCatalogue(DataCatalogue::entries(form.get()), expectedCatalogue());

    auto *ownerTbl = qobject_cast<TTable *>(form->findComponent(u"OwnerTbl"));
    ASSERT_TRUE(ownerTbl);
    auto *nameField = qobject_cast<TStringField *>(ownerTbl->FindField(u"name"));
    ASSERT_TRUE(nameField);
    EXPECT_EQ(nameField->Size(), 30);
    EXPECT_EQ(nameField->objectName(), "OwnerTblNAME");
    EXPECT_EQ(qobject_cast<TStringField *>(ownerTbl->FieldByName("Owner"))->Size(), 10);

    // The two spellings of the campaign key name the same index; another
    // order does not.
    auto *mailAcc = qobject_cast<TTable *>(form->findComponent(u"MailAcc"));
    auto *mailDtl = qobject_cast<TTable *>(form->findComponent(u"MailDtl"));
    ASSERT_TRUE(mailAcc && mailDtl);
    EXPECT_TRUE(mailAcc->isIndexedOn(mailDtl->IndexFieldNames()));
    EXPECT_FALSE(mailAcc->isIndexedOn("Posn;Reference;Line"));
    EXPECT_FALSE(mailAcc->isIndexedOn("Reference;Posn"));
    EXPECT_FALSE(qobject_cast<TTable *>(form->findComponent(u"Table2"))->isIndexedOn(""));
    EXPECT_EQ(mailDtl->tableFileName(), "MALDTL01.DB");
}

TEST(DataSets, WrittenDefinitionReadsBackToTheSameCatalogue)
{
    auto form = loadForm(QString::fromUtf8(declarations));
    const QString written = FormWriter::write(form.get());
    EXPECT_FALSE(written.contains("Active")) << "a dataset is stored closed";
    auto again = loadForm(written);
    expectCatalogue(DataCatalogue::entries(again.get()), expectedCatalogue());
    EXPECT_EQ(FormWriter::write(again.get()), written);
}

TEST(DataSets, NothingIsOpenAfterLoading)
{
    auto form = loadForm(QString::fromUtf8(declarations));
    EXPECT_TRUE(DataCatalogue::openDataSets(form.get()).isEmpty());
    int datasets = 0;
    for (const auto &component : form->componentSnapshot()) {
        if (auto *ds = qobject_cast<TDataSet *>(component.data())) {
            ++datasets;
            EXPECT_FALSE(ds->Active()) << ds->objectName().toStdString();
            EXPECT_EQ(ds->State(), Db::TDataSetState::dsInactive);
        }
    }
    EXPECT_EQ(datasets, 9);
    auto *source = qobject_cast<TDataSource *>(form->findComponent(u"DataSource3"));
    ASSERT_TRUE(source);
    EXPECT_EQ(source->State(), Db::TDataSetState::dsInactive);
}

TEST(DataSets, ActivatingIsRefusedWithAClearError)
{
    auto form = loadForm(QStringLiteral(R"(Form1: TForm {
      OwnerTbl: TTable { DatabaseName = "holvintele" TableName = "OWNER" }
      Scratch: TTable { DatabaseName = "HolvinteleLocal" }
      Elsewhere: TTable { DatabaseName = "Nowhere" TableName = "X" }
      Table2: TTable { }
      Query1: TQuery { DatabaseName = "Holvintele" }
    })"));
    const struct {
        const char *component;
        const char *message;
    } rows[] = {
        {"OwnerTbl", "Cannot open OwnerTbl (table OWNER): the database Holvintele is not available in this demonstration."},
        {"Scratch", "Cannot open Scratch: the database HolvinteleLocal is not available in this demonstration."},
        {"Elsewhere", "Cannot open Elsewhere (table X): the database alias \"Nowhere\" is unknown."},
        {"Table2", "Cannot open Table2: it names no database, and no database is available in this demonstration."},
        {"Query1", "Cannot open Query1: the database Holvintele is not available in this demonstration."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.component);
        auto *ds = qobject_cast<TDataSet *>(form->findComponent(QString::fromLatin1(row.component)));
        ASSERT_TRUE(ds);
        try {
            ds->SetActive(true);
            ADD_FAILURE() << "activation was not refused";
        } catch (const EDatabaseError &e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(row.message));
        }
        EXPECT_THROW(ds->Open(), EDatabaseError);
        // Through the published property as a script or the designer would set it.
        EXPECT_THROW(ds->setProperty("Active", true), EDatabaseError);
        EXPECT_FALSE(ds->Active());
        ds->SetActive(false);
        ds->Close();
        EXPECT_FALSE(ds->Active());
    }
    auto *query = qobject_cast<TQuery *>(form->findComponent(u"Query1"));
    EXPECT_THROW(query->ExecSQL(), EDatabaseError);
}

TEST(DataSets, DefinitionStoringActiveIsRefusedWhereItSaysSo)
{
    const QString text = QStringLiteral("Form1: TForm {\n"
                                        "  OwnerTbl: TTable {\n"
                                        "    DatabaseName = \"Holvintele\"\n"
                                        "    Active = true\n"
                                        "  }\n"
                                        "}\n");
    try {
        auto form = loadForm(text);
        ADD_FAILURE() << "a dataset stored active was loaded";
    } catch (const DefinitionError &e) {
        EXPECT_EQ(e.file(), "test.form");
        EXPECT_EQ(e.line(), 4);
        EXPECT_EQ(e.column(), 14);
        EXPECT_TRUE(e.message().contains("Active")) << e.text().toStdString();
        EXPECT_TRUE(e.message().contains("Holvintele is not available")) << e.text().toStdString();
    }
}

TEST(DataSets, BatchMoveWithoutItsDatasetsIsRefusedBeforeTouchingAny)
{
    auto form = loadForm(QStringLiteral(R"(Form1: TForm {
      Table1: TTable { DatabaseName = "Holvintele" TableName = "ScrHed" }
      Table2: TTable { }
      NoEnds: TBatchMove { RecordCount = 1 }
      OnlySource: TBatchMove { Source = Table1 }
      OnlyDestination: TBatchMove { Destination = Table2 }
      Itself: TBatchMove { Source = Table1 Destination = Table1 }
      Both: TBatchMove { Source = Table1 Destination = Table2 RecordCount = 1 }
    })"));
    for (const char *name : {"NoEnds", "OnlySource", "OnlyDestination", "Itself"}) {
        SCOPED_TRACE(name);
        auto *move = qobject_cast<TBatchMove *>(form->findComponent(QString::fromLatin1(name)));
        ASSERT_TRUE(move);
        try {
            move->Execute();
            ADD_FAILURE() << "the batch move ran";
        } catch (const EDatabaseError &e) {
            EXPECT_EQ(e.message(), "Invalid batch move parameters");
            EXPECT_STREQ(e.what(), "Invalid batch move parameters");
        }
    }
    // With both datasets given it has to open the source, which is refused.
    auto *both = qobject_cast<TBatchMove *>(form->findComponent(u"Both"));
    try {
        QMetaObject::invokeMethod(both, "Execute");
        ADD_FAILURE() << "the batch move ran";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.message().startsWith("Cannot open Table1 (table ScrHed)")) << e.what();
    }
    EXPECT_TRUE(DataCatalogue::openDataSets(form.get()).isEmpty());
    EXPECT_EQ(both->MovedCount(), 0);
}

TEST(DataSets, FreeingALinkedDatasetLeavesNoDanglingLink)
{
    auto form = loadForm(QStringLiteral(R"(Form1: TForm {
      Table1: TTable { DatabaseName = "Holvintele" TableName = "ScrHed" }
      Table2: TTable { }
      DataSource1: TDataSource { DataSet = Table1 }
      Detail: TTable { MasterSource = DataSource1 MasterFields = "CODE" }
      BatchMove1: TBatchMove { Source = Table1 Destination = Table2 }
    })"));
    Component::free(form->findComponent(u"Table1"));
    Component::free(form->findComponent(u"DataSource1"));
    TestSupport::settle();
    auto *move = qobject_cast<TBatchMove *>(form->findComponent(u"BatchMove1"));
    ASSERT_TRUE(move);
    EXPECT_EQ(move->Source(), nullptr);
    try {
        move->Execute();
        ADD_FAILURE() << "the batch move ran";
    } catch (const EDatabaseError &e) {
        EXPECT_EQ(e.message(), "Invalid batch move parameters");
    }
    const auto detail = DataCatalogue::find(form.get(), u"detail");
    ASSERT_TRUE(detail);
    EXPECT_TRUE(detail->masterSource.isEmpty());
    EXPECT_EQ(detail->masterFields, QStringList{"CODE"});
}

TEST(DataSets, FieldsAreMatchedIgnoringCaseAndNamedOnce)
{
    auto form = loadForm(QStringLiteral(R"(Form1: TForm {
      OwnerTbl: TTable {
        OwnerTblOWNER: TStringField { FieldName = "OWNER" Size = 10 }
        OwnerTblNAME: TStringField { FieldName = "NAME" Size = 30 }
      }
    })"));
    auto *table = qobject_cast<TTable *>(form->findComponent(u"OwnerTbl"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->FieldCount(), 2);
    EXPECT_EQ(table->FindField(u"owner"), table->FieldByName("Owner"));
    EXPECT_EQ(table->FindField(u"OWNERS"), nullptr);
    try {
        table->FieldByName("Company");
        ADD_FAILURE() << "an unknown field was found";
    } catch (const EDatabaseError &e) {
        EXPECT_EQ(e.message(), "OwnerTbl: Field 'Company' not found");
    }
    // Freeing a field takes it out of its table's list.
    Component::free(table->FindField(u"owner"));
    TestSupport::settle();
    EXPECT_EQ(table->FieldCount(), 1);
    EXPECT_EQ(table->FindField(u"OWNER"), nullptr);
}

TEST(DataSets, FaultyDeclarationsAreRefusedWithTheirPlace)
{
    const struct {
        const char *what;
        const char *text;
        int line;
        const char *says;
    } rows[] = {
        {"a field named twice",
         "Form1: TForm {\n OwnerTbl: TTable {\n  F1: TStringField { FieldName = \"OWNER\" }\n"
         "  F2: TStringField { FieldName = \"owner\" }\n }\n}\n",
         4, "the field name owner is used twice"},
        {"a text field of no characters",
         "Form1: TForm {\n OwnerTbl: TTable {\n  F1: TStringField { Size = 0 }\n }\n}\n", 3, "at least one character"},
        {"a field outside a dataset",
         "Form1: TForm {\n DataSource1: TDataSource {\n  F1: TStringField { }\n }\n}\n", 3, "cannot hold"},
        {"a detail of itself",
         "Form1: TForm {\n T1: TTable { MasterSource = S1 }\n S1: TDataSource { DataSet = T1 }\n}\n", 3,
         "Circular datalinks are not allowed"},
        {"a loop through two tables",
         "Form1: TForm {\n T1: TTable { MasterSource = S2 }\n S1: TDataSource { DataSet = T1 }\n"
         " T2: TTable { MasterSource = S1 }\n S2: TDataSource { DataSet = T2 }\n}\n",
         5, "Circular datalinks are not allowed"},
        {"a batch move into a query",
         "Form1: TForm {\n Q1: TQuery { }\n B1: TBatchMove { Destination = Q1 }\n}\n", 3, "needs a TTable"},
        {"a negative record count", "Form1: TForm {\n B1: TBatchMove { RecordCount = -1 }\n}\n", 2, "cannot be negative"},
        {"an unknown batch mode", "Form1: TForm {\n B1: TBatchMove { Mode = batMerge }\n}\n", 2, "batMerge"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        try {
            auto form = loadForm(QString::fromLatin1(row.text));
            ADD_FAILURE() << "the definition was loaded";
        } catch (const DefinitionError &e) {
            EXPECT_EQ(e.line(), row.line) << e.text().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(row.says))) << e.text().toStdString();
        }
    }
}
