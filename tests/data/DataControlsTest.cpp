#include "data/DataCatalogue.h"
#include "data/TDBEdit.h"
#include "data/TDBGrid.h"
#include "data/TDBText.h"
#include "data/TDataSource.h"
#include "tests/support/TestSupport.h"
#include "toolkit/FormWriter.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

using TestSupport::loadForm;
using Column = TDBGrid::Column;

namespace {

const char *const screen = R"(Form1: TForm {
  Width = 640
  Height = 300
  Ctrl: TTable { DatabaseName = "Holvintele" TableName = "CTRL01.DB" }
  DataSource1: TDataSource { DataSet = Ctrl }
  Country: TDBEdit { Left = 8 Top = 8 Width = 121 DataField = "Country" }
  BoundEdit: TDBEdit { Left = 8 Top = 40 Width = 121 DataField = "Name" DataSource = DataSource1 Text = "typed at design" }
  DBText1: TDBText { Left = 200 Top = 8 Width = 65 Height = 17 DataField = "PrefT01" DataSource = DataSource1 }
  Loose: TDBText { Left = 200 Top = 30 Width = 65 Height = 17 DataField = "PrefT02" }
  Ngrpgrid: TDBGrid {
    Left = 8 Top = 104 Width = 481 Height = 61
    Hint = "42"
    ColumnFields = ("owner", "customerstatus", "account", "company", "address1", "address2", "address3", "address4", "postcode")
    ColumnTitles = ("Owner", "Status", "Account", "Company", "Address1", "Address2", "Address3", "Address4", "Postcode")
    ColumnWidths = (-1, -1, -1, 90, 84, 97, 96, 96, -1)
  }
  Grid2: TDBGrid { Left = 8 Top = 180 ColumnFields = ("Date", "Objective") DataSource = DataSource1 }
}
)";

template<typename T>
T *component(const TestSupport::FormPtr &form, const char *name)
{
    return TestSupport::component<T>(form.get(), name);
}

} // namespace

TEST(DataControls, GridColumnsFromParallelLists)
{
    const struct {
        const char *what;
        QStringList fields;
        QStringList titles;
        QList<int> widths;
        QList<Column> columns;
    } rows[] = {
        {"all given", {"owner", "company"}, {"Owner", "Company"}, {-1, 90}, {{"owner", "Owner", 64}, {"company", "Company", 90}}},
        {"titles fall back to the field", {"account", "postcode"}, {"Account"}, {}, {{"account", "Account", 64}, {"postcode", "postcode", 64}}},
        {"an empty title is the field name", {"account"}, {""}, {70}, {{"account", "account", 70}}},
        {"a titled column without a field", {}, {"Text"}, {120}, {{"", "Text", 120}}},
        {"widths beyond the fields", {"a"}, {}, {10, 20}, {{"a", "a", 10}, {"", "", 20}}},
        {"a hidden column keeps width 0", {"a"}, {}, {0}, {{"a", "a", 0}}},
        {"any negative width is the default", {"a"}, {}, {-7}, {{"a", "a", 64}}},
        {"no columns", {}, {}, {}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(TDBGrid::columnLayout(row.fields, row.titles, row.widths), row.columns);
    }
}

TEST(DataControls, ShowNothingWithoutOpenData)
{
    auto form = loadForm(QString::fromUtf8(screen));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    EXPECT_TRUE(component<TDBEdit>(form, "Country")->text().isEmpty());
    EXPECT_TRUE(component<TDBEdit>(form, "BoundEdit")->text().isEmpty());
    EXPECT_TRUE(component<TDBText>(form, "DBText1")->text().isEmpty());
    EXPECT_TRUE(component<TDBText>(form, "Loose")->text().isEmpty());

    auto *grid = component<TDBGrid>(form, "Ngrpgrid");
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->recordCount(), 0);
    EXPECT_EQ(grid->model()->rowCount(), 0);
    ASSERT_EQ(grid->model()->columnCount(), 9);
    const QStringList titles{"Owner", "Status", "Account", "Company", "Address1", "Address2", "Address3", "Address4", "Postcode"};
    const QList<int> widths{64, 64, 64, 90, 84, 97, 96, 96, 64};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), titles.at(c));
        EXPECT_EQ(grid->horizontalHeader()->sectionSize(c), widths.at(c)) << "column " << c;
    }
    EXPECT_EQ(grid->columns().at(1).field, "customerstatus");
    EXPECT_TRUE(grid->horizontalHeader()->isVisible());

    auto *bound = component<TDBGrid>(form, "Grid2");
    EXPECT_EQ(bound->recordCount(), 0);
    EXPECT_EQ(bound->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Objective");
    // Painting an empty grid with a closed data source must work too.
    EXPECT_FALSE(form->grab().isNull());
}

TEST(DataControls, EditWithoutDataSourceTakesTyping)
{
    auto form = loadForm(QString::fromUtf8(screen));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto *country = component<TDBEdit>(form, "Country");
    ASSERT_TRUE(country);
    QTest::mouseClick(country, Qt::LeftButton);
    QTest::keyClicks(country, "Norway");
    EXPECT_EQ(country->text(), "Norway");
    QTest::keyClick(country, Qt::Key_Backspace);
    EXPECT_EQ(country->text(), "Norwa");
}

TEST(DataControls, SurviveTheirDataSourceAndDatasetGoing)
{
    auto form = loadForm(QString::fromUtf8(screen));
    auto *text = component<TDBText>(form, "DBText1");
    auto *grid = component<TDBGrid>(form, "Grid2");
    auto *edit = component<TDBEdit>(form, "BoundEdit");
    ASSERT_TRUE(text && grid && edit);

    Component::free(form->findComponent(u"Ctrl"));
    TestSupport::settle();
    EXPECT_TRUE(text->text().isEmpty());
    EXPECT_EQ(DataCatalogue::find(form.get(), u"DataSource1")->dataSet, QString());

    Component::free(form->findComponent(u"DataSource1"));
    TestSupport::settle();
    EXPECT_EQ(text->DataSource(), nullptr);
    EXPECT_EQ(grid->DataSource(), nullptr);
    EXPECT_EQ(edit->DataSource(), nullptr);
    EXPECT_EQ(grid->recordCount(), 0);
    EXPECT_EQ(grid->model()->columnCount(), 2);
    EXPECT_TRUE(text->text().isEmpty());
    // Now an ordinary edit: it keeps what is typed.
    edit->SetText("kept");
    EXPECT_EQ(edit->text(), "kept");
}

TEST(DataControls, FieldValuesAreNotStoredButBindingsAre)
{
    auto form = loadForm(QString::fromUtf8(screen));
    component<TDBEdit>(form, "Country")->SetText("typed");
    const QString written = FormWriter::write(form.get());
    EXPECT_FALSE(written.contains("typed")) << written.toStdString();
    const qsizetype label = written.indexOf("DBText1: TDBText {");
    ASSERT_GE(label, 0);
    const QString labelBlock = written.mid(label, written.indexOf(u'}', label) - label);
    EXPECT_FALSE(labelBlock.contains("Caption")) << labelBlock.toStdString();
    auto again = loadForm(written);
    auto *text = component<TDBText>(again, "DBText1");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->DataField(), "PrefT01");
    ASSERT_TRUE(text->DataSource());
    EXPECT_EQ(text->DataSource()->objectName(), "DataSource1");
    EXPECT_EQ(component<TDBGrid>(again, "Ngrpgrid")->columns(), component<TDBGrid>(form, "Ngrpgrid")->columns());
    EXPECT_EQ(component<TDBGrid>(again, "Ngrpgrid")->ColumnWidths(), (QList<int>{-1, -1, -1, 90, 84, 97, 96, 96, -1}));
    EXPECT_EQ(DataCatalogue::find(again.get(), u"Ctrl")->boundControls,
              (QStringList{"BoundEdit.Name", "DBText1.PrefT01", "Grid2"}));
}
