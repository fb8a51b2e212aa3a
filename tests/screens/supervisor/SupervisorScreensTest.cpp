// The user activity, calls by month and responses screens inside the running
// tour: their lists and grids, the pop-up menus, the buttons that do nothing,
// hiding a screen inside its page, printing and the closed datasets.

#include "tests/support/TourFixture.h"

#include "data/DataCatalogue.h"
#include "screens/supervisor/Usract1.h"
#include "screens/supervisor/Usract4.h"
#include "screens/supervisor/Usrrsp.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Printing.h"
#include "toolkit/TButton.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStringGrid.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int UserActivityPage = 11;
constexpr int CallsByMonthPage = 12;
constexpr int GraphPage = 13;
constexpr int ResponsesPage = 14;

class SupervisorScreens : public TourFixture
{
protected:
    void SetUp() override
    {
        TourFixture::SetUp();
        Dialogs::clearShown();
    }
    void TearDown() override
    {
        Printing::setPdfOutput(QString());
        Printing::simulateNoPrinter(true);
        TourFixture::TearDown();
    }

    template<typename T>
    T *child(QObject *form, const char *name) const
    {
        return TestSupport::component<T>(static_cast<TForm *>(form), name);
    }
    TMenuItem *menuItem(TForm *form, const char *caption) const
    {
        auto *menu = child<TPopupMenu>(form, "PopupMenu1");
        TMenuItem *item = menu ? menu->itemByCaption(QLatin1String(caption)) : nullptr;
        EXPECT_TRUE(item) << caption;
        return item;
    }
    // Right-clicks `at` and chooses `caption` from the pop-up menu that opens.
    void chooseFromPopup(QWidget *at, const QString &caption)
    {
        const QPoint local(at->width() / 2, at->height() / 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, at->mapToGlobal(local));
        QCoreApplication::sendEvent(at, &event);
        QMenu *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
                shown = m;
        }
        ASSERT_TRUE(shown) << "no pop-up menu opened";
        QAction *chosen = nullptr;
        for (QAction *a : shown->actions()) {
            if (QString(a->text()).remove(u'&') == caption)
                chosen = a;
        }
        ASSERT_TRUE(chosen) << caption.toStdString();
        shown->hide();
        chosen->trigger();
        TestSupport::settle();
    }
};

} // namespace

TEST_F(SupervisorScreens, UserActivityListsSixUsersWithTheFirstSelected)
{
    gotoPage(UserActivityPage);
    auto *fm = screen<TUsrAct1Fm>();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->Caption(), QStringLiteral("User Activity"));
    EXPECT_TRUE(fm->isVisible());
    ASSERT_EQ(fm->List1->Count(), 6);
    EXPECT_EQ(fm->List1->Item(3), QStringLiteral("Alvor")) << "the user of the responses statement";
    EXPECT_EQ(fm->List1->ItemIndex(), 0);
    EXPECT_EQ(fm->List1->Columns(), 2);
    const QStringList items = fm->List1->Items();
    EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), 6) << "six different users";
}

TEST_F(SupervisorScreens, MonthlyFromThePopupMovesToCallsByMonth)
{
    // The screen's menu opens wherever the visitor right-clicks on it: on the
    // form itself, on the user list or on the group box around it.
    for (const char *where : {"form", "list", "group box"}) {
        SCOPED_TRACE(where);
        gotoPage(UserActivityPage);
        auto *fm = screen<TUsrAct1Fm>();
        ASSERT_TRUE(fm);
        const QString at = QLatin1String(where);
        QWidget *target = at == u"form" ? static_cast<QWidget *>(fm)
                        : at == u"list" ? fm->List1->viewport()
                                        : child<QWidget>(fm, "GroupBox2");
        chooseFromPopup(target, QStringLiteral("Monthly"));
        EXPECT_EQ(wizard()->Page(), CallsByMonthPage);
        EXPECT_FALSE(screen<TUsrAct1Fm>()) << "the user activity screen goes with its page";
        ASSERT_TRUE(screen<TUsrAct4Fm>());
        EXPECT_TRUE(screen<TUsrAct4Fm>()->isVisible());
    }
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(SupervisorScreens, ButtonsAndItemsWithoutActionKeepTheTourWhereItIs)
{
    gotoPage(UserActivityPage);
    auto *fm = screen<TUsrAct1Fm>();
    ASSERT_TRUE(fm);
    for (const char *name : {"Mthbtn", "WeekBtn", "DailyBtn", "CloseBtn"}) {
        SCOPED_TRACE(name);
        auto *button = child<TButton>(fm, name);
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
        TestSupport::settle();
        EXPECT_EQ(wizard()->Page(), UserActivityPage);
        ASSERT_EQ(screen<TUsrAct1Fm>(), fm);
        EXPECT_TRUE(fm->isVisible());
    }
    for (const char *caption : {"Weekly", "Daily", "Close"}) {
        SCOPED_TRACE(caption);
        menuItem(fm, caption)->Click();
        TestSupport::settle();
        EXPECT_EQ(wizard()->Page(), UserActivityPage);
        ASSERT_EQ(screen<TUsrAct1Fm>(), fm);
        EXPECT_TRUE(fm->isVisible());
    }

    gotoPage(CallsByMonthPage);
    auto *calls = screen<TUsrAct4Fm>();
    ASSERT_TRUE(calls);
    for (const char *name : {"RespBtn", "CloseBtn"})
        QTest::mouseClick(child<TButton>(calls, name), Qt::LeftButton);
    child<TSpeedButton>(calls, "SpeedButton1")->Click();
    TestSupport::settle();
    EXPECT_EQ(wizard()->Page(), CallsByMonthPage);
    ASSERT_EQ(screen<TUsrAct4Fm>(), calls);
    EXPECT_TRUE(calls->isVisible());
    EXPECT_TRUE(Dialogs::shown().isEmpty());
}

TEST_F(SupervisorScreens, CallsByMonthGridHoldsTenMonthsOf1997)
{
    gotoPage(CallsByMonthPage);
    auto *fm = screen<TUsrAct4Fm>();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->Caption(), QStringLiteral("User Calls by Month :"));
    TStringGrid *grid = fm->Grid1;
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->ColWidths(), QList<int>({64, 71, 70}));
    EXPECT_EQ(grid->DefaultRowHeight(), 17);
    EXPECT_EQ(grid->RowTexts(0), QStringList({"Year", "Month", "Calls"}));
    EXPECT_EQ(grid->RowTexts(1), QStringList({"1997", "1", "581"}));
    EXPECT_EQ(grid->RowTexts(5), QStringList({"1997", "5", "742"}));
    EXPECT_EQ(grid->RowTexts(10), QStringList({"1997", "10", "726"}));
    EXPECT_EQ(grid->Cell(0, 11), QString());
    // The three columns fill the grid beside its vertical scroll bar: no
    // column is cut and nothing scrolls sideways.
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(SupervisorScreens, CloseHidesTheScreenInsideItsPage)
{
    struct Row {
        int page;
        const char *how;   // a button name, or a pop-up caption after "menu:"
    };
    const Row rows[] = {
        {CallsByMonthPage, "menu:Close"},
        {ResponsesPage, "menu:Close"},
        {ResponsesPage, "CloseBtn"},
        {ResponsesPage, "Escape"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.how);
        SCOPED_TRACE(r.page);
        gotoPage(r.page);
        TForm *fm = r.page == ResponsesPage ? static_cast<TForm *>(screen<TUsrRspFm>()) : screen<TUsrAct4Fm>();
        ASSERT_TRUE(fm);
        ASSERT_TRUE(fm->isVisible());
        const QString how = QLatin1String(r.how);
        if (how.startsWith(u"menu:")) {
            menuItem(fm, r.how + 5)->Click();
        } else if (how == u"Escape") {
            ASSERT_TRUE(TestSupport::showActive(Form1));
            child<TStringGrid>(fm, "Grid1")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(child<TButton>(fm, r.how), Qt::LeftButton);
        }
        TestSupport::settle();
        EXPECT_EQ(wizard()->Page(), r.page) << "the tour stays on its page";
        ASSERT_TRUE(screens().contains(fm)) << "hidden, not freed";
        EXPECT_FALSE(fm->isVisible());

        // Coming back to the page shows a new screen.
        gotoPage(GraphPage);
        EXPECT_TRUE(screens().isEmpty()) << "the picture page has no screen";
        gotoPage(r.page);
        ASSERT_EQ(screens().size(), 1);
        EXPECT_TRUE(screens().at(0)->isVisible());
    }
}

TEST_F(SupervisorScreens, ResponsesGridHoldsFourResponsesAndNoRowMore)
{
    gotoPage(ResponsesPage);
    auto *fm = screen<TUsrRspFm>();
    ASSERT_TRUE(fm);
    EXPECT_EQ(fm->Caption(), QStringLiteral("Responses ")) << "with its trailing blank";
    TStringGrid *grid = fm->Grid1;
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->ColWidths(), QList<int>({171, 64}));
    const QList<QStringList> expected{
        {"Response", "Calls"}, {"No interest", "84"}, {"Considering", "143"}, {"Purchasing", "238"}, {"Positive", "158"},
    };
    for (int r = 0; r < expected.size(); ++r)
        EXPECT_EQ(grid->RowTexts(r), expected.at(r)) << "row " << r;
    EXPECT_EQ(grid->Cell(0, 5), QString());
}

TEST_F(SupervisorScreens, PrintPutsTheScreenOnOnePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int page : {UserActivityPage, CallsByMonthPage, ResponsesPage}) {
        SCOPED_TRACE(page);
        gotoPage(page);
        ASSERT_EQ(screens().size(), 1);
        TForm *fm = screens().at(0);
        const QString path = dir.filePath(QStringLiteral("page%1.pdf").arg(page));
        Printing::setPdfOutput(path);
        menuItem(fm, "Print")->Click();
        TestSupport::settle();
        EXPECT_TRUE(Dialogs::shown().isEmpty());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(file.readAll());
        EXPECT_TRUE(pdf.startsWith(u"%PDF"));
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))), 1);
        EXPECT_GE(pdf.count(QRegularExpression(QStringLiteral("/Subtype\\s*/Image"))), 1);
        EXPECT_EQ(wizard()->Page(), page) << "printing does not move the tour";
    }

    // Without a printer the visitor is told so, and the screen stays.
    Printing::setPdfOutput(QString());
    Printing::simulateNoPrinter(true);
    menuItem(screens().at(0), "Print")->Click();
    TestSupport::settle();
    ASSERT_EQ(Dialogs::shown().size(), 1);
    EXPECT_EQ(Dialogs::shown().at(0).text, Printing::noPrinterMessage());
    EXPECT_TRUE(screens().at(0)->isVisible());
}

TEST_F(SupervisorScreens, PaintEnablesTheActivityScreensAgain)
{
    for (int page : {UserActivityPage, CallsByMonthPage}) {
        SCOPED_TRACE(page);
        gotoPage(page);
        ASSERT_EQ(screens().size(), 1);
        TForm *fm = screens().at(0);
        fm->SetEnabled(false);
        fm->repaint();
        EXPECT_TRUE(fm->Enabled());
    }
    gotoPage(ResponsesPage);
    TForm *responses = screens().at(0);
    responses->SetEnabled(false);
    responses->repaint();
    EXPECT_FALSE(responses->Enabled()) << "the responses screen has no paint handler";
}

TEST_F(SupervisorScreens, DatasetsAreDeclaredAndStayClosed)
{
    struct Row {
        int page;
        const char *dataSet;
        DataCatalogue::Kind kind;
        const char *table;
        const char *dataSource;
    };
    const Row rows[] = {
        {UserActivityPage, "Users", DataCatalogue::Kind::Table, "USERS", "DataSource1"},
        {CallsByMonthPage, "Query1", DataCatalogue::Kind::Query, "", "DataSource4"},
        {ResponsesPage, "Query1", DataCatalogue::Kind::Query, "", "DataSource2"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.page);
        gotoPage(r.page);
        ASSERT_EQ(screens().size(), 1);
        const TForm *fm = screens().at(0);
        const auto entry = DataCatalogue::find(fm, QString::fromLatin1(r.dataSet));
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->kind, r.kind);
        EXPECT_EQ(entry->alias, QStringLiteral("holvintele")) << "written in lower case";
        EXPECT_EQ(entry->database, QStringLiteral("Holvintele"));
        EXPECT_EQ(entry->table, QLatin1String(r.table));
        EXPECT_EQ(entry->dataSources, QStringList({QLatin1String(r.dataSource)}));
        EXPECT_FALSE(entry->active);
        EXPECT_TRUE(DataCatalogue::openDataSets(fm).isEmpty());
        EXPECT_EQ(DataCatalogue::entries(fm).size(), 2) << "one dataset and its data source";
        if (r.page == CallsByMonthPage) {
            EXPECT_TRUE(entry->sql.isEmpty());
        }
        if (r.page == ResponsesPage) {
            EXPECT_EQ(entry->sql, QStringList({
                                      " SELECT UserName,Year_,Week_no,Response, sum(Qty)",
                                      "FROM Usrcall",
                                      "Where UserName= \"Alvor\" AND Response<>\".\" AND Week_no = \"53\"",
                                      "GROUP BY UserName,Year_,Week_no, Response",
                                      "ORDER BY UserName,Year_,Week_no, Response",
                                  }));
        }
    }
    EXPECT_TRUE(Dialogs::shown().isEmpty()) << "no screen complains about a missing database";
}
