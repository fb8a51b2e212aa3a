// Which pop-up menu a right-click opens: the control's own, the nearest
// enclosing control's when it has none, or the widget's built-in menu (an
// edit box's) before any enclosing one.

#include "tests/support/TestSupport.h"

#include "toolkit/TPopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QListView>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The pop-up menus open after a right-click on `at`; all are closed again.
QList<QMenu *> rightClick(QWidget *at)
{
    const QPoint local(at->width() / 2, at->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, at->mapToGlobal(local));
    QCoreApplication::sendEvent(at, &event);
    QList<QMenu *> open;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible()) {
            open << m;
            m->hide();
        }
    }
    TestSupport::settle();
    return open;
}

} // namespace

TEST(PopupMenu, RightClickOpensTheNearestMenu)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm { Width = 400 Height = 300
      PopupMenu = FormMenu
      List1: TListBox { Left = 8 Top = 8 Width = 120 Height = 100 Items = ("a", "b") }
      Box: TGroupBox { Left = 140 Top = 8 Width = 200 Height = 120
        Check: TCheckBox { Left = 8 Top = 20 Width = 100 Height = 17 Caption = "c" }
        Own: TPanel { Left = 8 Top = 50 Width = 100 Height = 40 PopupMenu = PanelMenu }
      }
      Edit1: TEdit { Left = 8 Top = 140 Width = 120 Height = 21 }
      FormMenu: TPopupMenu { A: TMenuItem { Caption = "Form item" } }
      PanelMenu: TPopupMenu { B: TMenuItem { Caption = "Panel item" } }
    })"));
    form->show();
    auto *formMenu = qobject_cast<TPopupMenu *>(form->findComponent(u"FormMenu"));
    auto *panelMenu = qobject_cast<TPopupMenu *>(form->findComponent(u"PanelMenu"));
    ASSERT_TRUE(formMenu && panelMenu);
    auto *list = form->findChild<QListView *>(QStringLiteral("List1"));
    ASSERT_TRUE(list);

    struct Row {
        const char *where;
        QWidget *at;
        QMenu *expected;
    };
    const Row rows[] = {
        {"the form", form.get(), formMenu->menu()},
        {"a list's items", list->viewport(), formMenu->menu()},
        {"a check box in a group box", form->findChild<QWidget *>(QStringLiteral("Check")), formMenu->menu()},
        {"the group box", form->findChild<QWidget *>(QStringLiteral("Box")), formMenu->menu()},
        {"a panel with its own menu", form->findChild<QWidget *>(QStringLiteral("Own")), panelMenu->menu()},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.where);
        ASSERT_TRUE(r.at);
        EXPECT_EQ(rightClick(r.at), QList<QMenu *>({r.expected}));
    }

    // An edit box answers with its own menu of editing commands.
    const QList<QMenu *> onEdit = rightClick(form->findChild<QWidget *>(QStringLiteral("Edit1")));
    ASSERT_EQ(onEdit.size(), 1);
    EXPECT_NE(onEdit.at(0), formMenu->menu());
}
