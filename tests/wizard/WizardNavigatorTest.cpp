// The wizard's navigation model without a window: where Next, Back, Change,
// JumpTo and the arrow keys go, and what the history keeps when the page
// change is vetoed, redirected or finishes.

#include "toolkit/Filer.h"
#include "wizard/TIntegerList.h"
#include "wizard/TPageList.h"
#include "wizard/WizardNavigator.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Stands in for the wizard: the page change asks `veto` (which may redirect)
// and notes every step it was asked for; -1 finishes without moving.
struct Host : WizardNavigator::Host {
    WizardNavigator *nav = nullptr;
    std::function<bool(int &)> veto;
    std::optional<int> jump;
    QList<int> asked;
    bool changePage(int step) override
    {
        asked << step;
        if (veto && !veto(step))
            return false;
        if (step != -1)
            nav->setPage(step);
        return true;
    }
    std::optional<int> jumpTarget(int) override { return jump; }
    void askPageChange(int step, int &next) override { next = step + 3; }
};

// Fills a way list as a definition does: (ShowPage, NextStep) per step.
void fill(TPageList &list, const QList<int> &entries)
{
    struct Reader : Filer {
        QList<int> entries;
        void defineInteger(const QByteArray &, const std::function<void(qint64)> &read,
                           const std::function<qint64()> &, bool) override { read(entries.size() / 2); }
        void defineBinary(const QByteArray &, const std::function<void(const QByteArray &)> &read,
                          const std::function<QByteArray()> &, bool) override
        {
            read(TPageList::pack(std::vector<qint32>(entries.begin(), entries.end())));
        }
    } reader;
    reader.entries = entries;
    list.defineProperties(reader);
}

} // namespace

TEST(WizardNavigator, MovesAndTheHistory)
{
    struct Row {
        const char *name;
        int page;
        QList<int> history;
        std::function<void(WizardNavigator &, Host &)> act;
        int wantPage;
        QList<int> wantHistory;
        QList<int> wantAsked;
    };
    const auto veto = [](Host &h) { h.veto = [](int &) { return false; }; };
    const Row rows[] = {
        {"Next goes on and records", 2, {}, [](auto &n, auto &) { n.next(); }, 3, {2}, {3}},
        {"vetoed Next records nothing", 2, {}, [&](auto &n, auto &h) { veto(h); n.next(); }, 2, {}, {3}},
        {"redirected Next keeps where it left",
         2, {}, [](auto &n, auto &h) { h.veto = [](int &to) { return (to = 5), true; }; n.next(); }, 5, {2}, {3}},
        {"Next follows a checked jump button", 2, {}, [](auto &n, auto &h) { h.jump = 6; n.next(); }, 6, {2}, {6}},
        {"Next on the last page finishes", 8, {}, [](auto &n, auto &) { n.next(); }, 8, {}, {-1}},
        {"vetoed JumpTo keeps the page it left", 2, {}, [&](auto &n, auto &h) { veto(h); n.jumpTo(5); }, 2, {2}, {5}},
        {"Back returns along the history", 5, {1, 3}, [](auto &n, auto &) { n.back(); }, 3, {1}, {3}},
        {"Back with no history stays", 7, {}, [](auto &n, auto &) { n.back(); }, 7, {}, {}},
        {"vetoed Back keeps its entry", 5, {1, 3}, [&](auto &n, auto &h) { veto(h); n.back(); }, 5, {1, 3}, {3}},
        {"redirected Back keeps its entry",
         5, {3}, [](auto &n, auto &h) { h.veto = [](int &to) { return (to = 4), true; }; n.back(); }, 4, {3}, {3}},
        {"Change leaves for the dialog page", 6, {2}, [](auto &n, auto &) { n.change(); }, 0, {2}, {0}},
        {"Change back starts again", 0, {2}, [](auto &n, auto &) { n.change(); }, 1, {}, {1}},
        {"Change back to the remembered page", 6, {2},
         [](auto &n, auto &) { n.setRememberPage(true); n.change(); n.change(); }, 6, {2}, {0, 6}},
        {"arrow keys stop at the ends", 1, {}, [](auto &n, auto &) { n.stepBy(-1); n.stepBy(1); }, 2, {}, {2}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TPageList wayList;
        TIntegerList history;
        history.setValues(row.history);
        Host host;
        WizardNavigator nav(host, wayList, history);
        host.nav = &nav;
        nav.setNumPages(8);
        nav.setPage(row.page);
        row.act(nav, host);
        EXPECT_EQ(nav.page(), row.wantPage);
        EXPECT_EQ(history.values(), row.wantHistory);
        EXPECT_EQ(host.asked, row.wantAsked);
    }
}

TEST(WizardNavigator, WayListMapsStepsAndDecidesNext)
{
    TPageList wayList;
    TIntegerList history;
    // Step 1 shows page 4 and asks; 2 shows 2 and follows the jump button;
    // 3 shows 7 and goes to step 1; 4 shows 5 and is the last.
    fill(wayList, {4, -1, 2, -3, 7, 1, 5, -2});
    Host host;
    WizardNavigator nav(host, wayList, history);
    host.nav = &nav;
    nav.setNumPages(8);
    nav.setWayListEnabled(true);
    EXPECT_EQ(nav.physicalPage(0), 0);
    EXPECT_EQ(nav.physicalPage(3), 7);
    EXPECT_EQ(nav.physicalPage(5), -1);
    EXPECT_EQ(nav.lastStep(), 4);
    EXPECT_TRUE(nav.isLastStep(4));
    EXPECT_EQ(nav.nextEnabled(4), false);
    EXPECT_EQ(nav.nextEnabled(0), std::nullopt);

    const std::pair<int, int> nexts[] = {{1, 4}, {2, 3}, {3, 1}, {4, -1}};
    host.jump = 3;
    for (const auto &[from, to] : nexts) {
        nav.setPage(from);
        host.asked.clear();
        nav.next();
        EXPECT_EQ(host.asked, QList<int>{to}) << "from step " << from;
    }
}
