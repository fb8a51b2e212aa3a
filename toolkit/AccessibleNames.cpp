#include "toolkit/AccessibleNames.h"

#include "toolkit/Control.h"
#include "toolkit/NotebookPage.h"
#include "toolkit/TStringGrid.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace AccessibleNames {

namespace {

// Distances in pixels, as the forms are laid out. A label names a field on
// its line when its middle lies on the field's first line (a list's first
// row, not its whole height) and it ends at most BesideGap before the field,
// which spans the widest label column of the forms (short labels at 4,
// fields at 200). A label above may end AboveGap before the field, a few
// pixels more than the forms' own gaps, since labels take the height of the
// font they are shown in.
constexpr int Slack = 3;
constexpr int FirstLineHeight = 26;
constexpr int BesideGap = 170;
constexpr int AboveGap = 16;
constexpr int AboveIndent = 12;
// A field continues a line or a column only when it stands right after the
// previous field of that line, or right below the field above.
constexpr int LineGap = 12;
constexpr int ColumnGap = 8;
constexpr int ColumnIndent = 4;

// Only a text with a letter in it says what something is: a hint of digits is
// a code the screen reads, a label of digits or dashes shows a value.
bool isText(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Edges just past a rectangle, so that gaps are counted in whole pixels.
int rightOf(const QRect &r)
{
    return r.x() + r.width();
}

int bottomOf(const QRect &r)
{
    return r.y() + r.height();
}

bool onLineOf(const QRect &field, int y)
{
    const int top = field.top() - Slack;
    const int bottom = field.top() + std::min(field.height(), FirstLineHeight) + Slack;
    return y >= top && y <= bottom;
}

bool overlapsHorizontally(const QRect &a, const QRect &b)
{
    return a.left() < rightOf(b) && b.left() < rightOf(a);
}

// Of several candidates at about one place, the one defined last before
// `field` (controls stacked there, shown one at a time, come with their own
// label defined just before them); else the geometrically nearest, which
// `nearer` orders.
template<typename Nearer>
int choose(const QList<int> &candidates, int field, Nearer nearer)
{
    int best = -1;
    for (int c : candidates) {
        if (c < field && (best < 0 || c > best))
            best = c;
    }
    if (best >= 0)
        return best;
    for (int c : candidates) {
        if (best < 0 || nearer(c, best))
            best = c;
    }
    return best;
}

// Each field looks at every item, and for a label beside it at every item
// again: cubic in the controls of one form, which number a few hundred at
// most, and run once per loaded form.
class Pairer
{
public:
    explicit Pairer(const QList<Item> &items)
        : m_items(items)
        , m_matches(items.size())
    {
    }

    QList<Match> run()
    {
        for (int f = 0; f < m_items.size(); ++f) {
            if (isField(f))
                m_matches[f] = {besideLabel(f), Pairing::Beside};
        }
        for (int f = 0; f < m_items.size(); ++f) {
            if (isField(f) && m_matches[f].label < 0)
                m_matches[f] = {aboveLabel(f), Pairing::Above};
        }
        // Continuations pass along a line or down a column, one field per
        // round: at most as many rounds as there are items.
        for (bool changed = true; changed;) {
            changed = false;
            for (int f = 0; f < m_items.size(); ++f) {
                if (!isField(f) || m_matches[f].label >= 0)
                    continue;
                if (const int g = previousOnLine(f); g >= 0 && m_matches[g].label >= 0) {
                    m_matches[f] = {m_matches[g].label, Pairing::Line};
                    changed = true;
                } else if (const int h = fieldAbove(f); h >= 0 && m_matches[h].label >= 0) {
                    m_matches[f] = {m_matches[h].label, Pairing::Column};
                    changed = true;
                }
            }
        }
        for (Match &m : m_matches) {
            if (m.label < 0)
                m = {};
        }
        return m_matches;
    }

private:
    bool isField(int i) const { return m_items[i].kind == Item::Field; }
    bool isLabel(int i) const { return m_items[i].kind == Item::Label && isText(m_items[i].text); }
    bool sibling(int a, int b) const { return a != b && m_items[a].parent == m_items[b].parent; }
    const QRect &rect(int i) const { return m_items[i].rect; }

    int besideLabel(int f) const
    {
        const QRect &fr = rect(f);
        QList<int> candidates;
        for (int l = 0; l < m_items.size(); ++l) {
            if (!isLabel(l) || !sibling(l, f))
                continue;
            const QRect &lr = rect(l);
            if (lr.left() >= fr.left() || !onLineOf(fr, lr.center().y()) || fr.left() - rightOf(lr) > BesideGap)
                continue;
            if (!controlBetween(l, f))
                candidates << l;
        }
        // The nearest label wins; one further left stands for the text between.
        int nearest = std::numeric_limits<int>::min();
        for (int l : candidates)
            nearest = std::max(nearest, rightOf(rect(l)));
        candidates.removeIf([&](int l) { return rightOf(rect(l)) < nearest - Slack; });
        return choose(candidates, f, [&](int a, int b) { return rightOf(rect(a)) > rightOf(rect(b)); });
    }

    // Whether another control stands on the line between label `l` and field `f`.
    bool controlBetween(int l, int f) const
    {
        const QRect &lr = rect(l);
        const QRect &fr = rect(f);
        for (int g = 0; g < m_items.size(); ++g) {
            if (g == f || m_items[g].kind == Item::Label || !sibling(g, f))
                continue;
            const QRect &gr = rect(g);
            if (gr.left() >= lr.left() && rightOf(gr) <= fr.left() + Slack && gr.top() <= lr.center().y()
                && bottomOf(gr) >= lr.center().y())
                return true;
        }
        return false;
    }

    int aboveLabel(int f) const
    {
        const QRect &fr = rect(f);
        QList<int> candidates;
        for (int l = 0; l < m_items.size(); ++l) {
            if (!isLabel(l) || !sibling(l, f) || usedAsLabel(l))
                continue;
            const QRect &lr = rect(l);
            if (bottomOf(lr) <= fr.top() + Slack && fr.top() - bottomOf(lr) <= AboveGap && overlapsHorizontally(lr, fr))
                candidates << l;
        }
        // Labels side by side above a field are headings of its columns.
        for (int a : candidates) {
            for (int b : candidates) {
                if (!overlapsHorizontally(rect(a), rect(b)))
                    return -1;
            }
        }
        const int l = choose(candidates, f, [&](int a, int b) { return bottomOf(rect(a)) > bottomOf(rect(b)); });
        return l >= 0 && std::abs(rect(l).left() - fr.left()) <= AboveIndent ? l : -1;
    }

    bool usedAsLabel(int l) const
    {
        return std::any_of(m_matches.begin(), m_matches.end(), [l](const Match &m) { return m.label == l; });
    }

    int previousOnLine(int f) const
    {
        const QRect &fr = rect(f);
        QList<int> candidates;
        for (int g = 0; g < m_items.size(); ++g) {
            if (!isField(g) || !sibling(g, f))
                continue;
            const QRect &gr = rect(g);
            if (rightOf(gr) <= fr.left() + Slack && fr.left() - rightOf(gr) <= LineGap && onLineOf(fr, gr.top() + Slack))
                candidates << g;
        }
        return choose(candidates, f, [&](int a, int b) { return rightOf(rect(a)) > rightOf(rect(b)); });
    }

    int fieldAbove(int f) const
    {
        const QRect &fr = rect(f);
        QList<int> candidates;
        for (int g = 0; g < m_items.size(); ++g) {
            if (!isField(g) || !sibling(g, f))
                continue;
            const QRect &gr = rect(g);
            if (bottomOf(gr) <= fr.top() + Slack && fr.top() - bottomOf(gr) <= ColumnGap
                && std::abs(gr.left() - fr.left()) <= ColumnIndent)
                candidates << g;
        }
        return choose(candidates, f, [&](int a, int b) { return bottomOf(rect(a)) > bottomOf(rect(b)); });
    }

    const QList<Item> &m_items;
    QList<Match> m_matches;
};

// Controls that the forms give no text at all, named for what they are. An
// entry with a range names the controls <control><n> for n in the range
// "<name> <n>", as the row of options they stand in numbers them.
struct GivenName {
    const char *form;
    const char *control;
    int first;
    int last;
    const char *name;
};
const GivenName GivenNames[] = {
    {"AccSrch1Fm", "CheckBox", 7, 10, "Product type"},
    {"Query2Fm", "Test", 1, 10, "Preferred type"},
    {"Query2Fm", "CheckBox", 1, 10, "Preferred type"},
    {"MailDtlFm", "IncBtn", 0, 0, "Include"},
    {"MailDtlFm", "ExcBtn", 0, 0, "Exclude"},
    {"MailDtlFm", "List2", 0, 0, "Contact types available"},
    {"CustDtlFm", "Salesman", 0, 0, "Salesman"},
    {"CustDtlFm", "PosList", 0, 0, "Position"},
    {"usrdef2fm", "StretchHandle1", 0, 0, "Move and resize handles"},
    {"UsrAct4Fm", "SpeedButton1", 0, 0, "Calls graph"},
};

QString givenName(const QWidget *form, const QWidget *control)
{
    const QString name = control->objectName();
    for (const GivenName &g : GivenNames) {
        if (form->objectName() != QLatin1String(g.form))
            continue;
        const QLatin1String stem(g.control);
        if (g.first == 0 && g.last == 0) {
            if (name == stem)
                return QLatin1String(g.name);
            continue;
        }
        if (!name.startsWith(stem))
            continue;
        bool ok = false;
        const int n = QStringView(name).mid(stem.size()).toInt(&ok);
        if (ok && n >= g.first && n <= g.last)
            return QStringLiteral("%1 %2").arg(QLatin1String(g.name)).arg(n);
    }
    return {};
}

bool hasOwnText(const QWidget *w)
{
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    return button && !button->text().trimmed().isEmpty();
}

bool takesFocus(const QWidget *w)
{
    return w->focusPolicy() != Qt::NoFocus;
}

// The title of the box or notebook page a control stands in.
QString containerTitle(const QWidget *parent)
{
    if (const auto *box = qobject_cast<const QGroupBox *>(parent))
        return box->title();
    if (const auto *page = qobject_cast<const NotebookPage *>(parent))
        return page->Caption();
    return {};
}

// A container that holds one field and, beside it, a panel of nothing but
// text (a header's title beside its help text): that text is the field's
// title.
QString titlePanelText(const QWidget *field)
{
    const QWidget *parent = field->parentWidget();
    QStringList title;
    for (const QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w == field || !Control::from(w))
            continue;
        const QList<QWidget *> inside = w->findChildren<QWidget *>();
        if (takesFocus(w) || std::any_of(inside.begin(), inside.end(), takesFocus))
            return {};
        if (qobject_cast<const QLabel *>(w) || inside.isEmpty())
            continue;
        QStringList texts;
        for (const QWidget *i : inside) {
            const auto *label = qobject_cast<const QLabel *>(i);
            if (!label || label->text().trimmed().isEmpty())
                return {};
            texts << label->text();
        }
        if (!title.isEmpty())
            return {};
        title = texts;
    }
    return title.join(u' ');
}

void setName(QWidget *w, const QString &name)
{
    if (w->accessibleName().isEmpty())
        w->setAccessibleName(name);
}

} // namespace

QList<Match> pairLabels(const QList<Item> &items)
{
    return Pairer(items).run();
}

QStringList columnHeadings(const QRect &grid, const QList<QPair<int, int>> &columns, const QList<Item> &texts)
{
    QStringList headings;
    for (const auto &[left, width] : columns) {
        QString heading;
        for (const Item &t : texts) {
            const int middle = t.rect.center().x();
            const bool above = bottomOf(t.rect) <= grid.top() + Slack && grid.top() - bottomOf(t.rect) <= AboveGap;
            if (above && isText(t.text) && middle >= left && middle < left + width)
                heading = t.text;
        }
        headings << heading;
    }
    return headings;
}

void nameControls(QWidget *form)
{
    // The form's controls in definition order, with the labels and the fields
    // among them as the pairing sees them.
    QList<QWidget *> widgets;
    QList<Item> items;
    QHash<const QWidget *, int> parents;
    const auto addItem = [&](QWidget *w, Item::Kind kind, const QString &text) {
        const int parent = int(parents.value(w->parentWidget(), int(parents.size())));
        parents.insert(w->parentWidget(), parent);
        widgets << w;
        items << Item{kind, parent, w->geometry(), text};
    };
    const Component *owner = Component::from(form);
    if (!owner)
        return;
    for (int c = 0; c < owner->componentCount(); ++c) {
        QObject *o = owner->componentAt(c);
        if (!o || !o->isWidgetType() || !Control::from(o))
            continue;
        auto *w = static_cast<QWidget *>(o);
        if (!form->isAncestorOf(w))
            continue;
        if (const auto *label = qobject_cast<QLabel *>(w); label && !takesFocus(w))
            addItem(w, Item::Label, label->text());
        else
            addItem(w, takesFocus(w) ? Item::Field : Item::Other, {});
    }
    const QList<Match> matches = pairLabels(items);
    const auto nameGrid = [&](int i) {
        auto *grid = qobject_cast<TStringGrid *>(widgets[i]);
        if (!grid || grid->FixedRows() > 0)
            return;
        QList<Item> texts;
        for (int j = 0; j < widgets.size(); ++j) {
            if (j != i && items[j].parent == items[i].parent)
                texts << Item{Item::Label, items[j].parent, items[j].rect, widgets[j]->property("Caption").toString()};
        }
        QList<QPair<int, int>> columns;
        int x = grid->x() + grid->frameWidth();
        for (int c = 0; c < grid->ColCount(); ++c) {
            const int width = grid->ColWidth(c) + grid->GridLineWidth();
            if (c >= grid->FixedCols())
                columns.append({x, width});
            x += width;
        }
        QStringList headings = columnHeadings(grid->geometry(), columns, texts);
        // A grid of one column with nothing above it: its name heads it.
        if (headings.size() == 1 && headings.first().isEmpty())
            headings = QStringList{grid->accessibleName()};
        grid->setColumnHeadings(headings);
    };

    for (int i = 0; i < items.size(); ++i) {
        QWidget *w = widgets[i];
        // Scroll bars act (a page up or down) and are told apart by direction.
        if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
            area->verticalScrollBar()->setAccessibleName(QStringLiteral("Vertical"));
            area->horizontalScrollBar()->setAccessibleName(QStringLiteral("Horizontal"));
        }
        if (items[i].kind != Item::Field) {
            // A button out of the tab order that shows only a picture.
            if (const QString name = givenName(form, w); !name.isEmpty())
                setName(w, name);
            continue;
        }
        if (hasOwnText(w))
            continue;
        const Match &m = matches[i];
        const bool direct = m.how == Pairing::Beside || m.how == Pairing::Above;
        const QString hint = Control::from(w)->Hint();
        QString name = givenName(form, w);
        if (name.isEmpty() && direct) {
            name = items[m.label].text;
            // A label beside twin fields (one shown at a time) stays the
            // buddy of the first.
            auto *label = static_cast<QLabel *>(widgets[m.label]);
            if (!label->buddy())
                label->setBuddy(w);
        }
        if (name.isEmpty() && isText(hint))
            name = hint;
        if (name.isEmpty() && m.label >= 0)
            name = items[m.label].text;
        if (name.isEmpty())
            name = containerTitle(w->parentWidget());
        if (name.isEmpty())
            name = titlePanelText(w);
        // A grid or list that nothing on the form names, and a control that
        // fills the form, are the form's own content, as its caption says.
        if (name.isEmpty() && (qobject_cast<QAbstractItemView *>(w) || Control::from(w)->Align() == Tk::TAlign::alClient))
            name = form->windowTitle();
        if (!name.trimmed().isEmpty())
            setName(w, name);
        nameGrid(i);
        if (name.trimmed().isEmpty())
            continue;
        // The focus goes to widgets inside some controls (the line edit of an
        // editable combo box); assistive technology asks those.
        for (QWidget *inner : w->findChildren<QWidget *>()) {
            if (takesFocus(inner) && !Control::from(inner) && !hasOwnText(inner))
                setName(inner, name);
        }
    }
}

QList<QWidget *> focusableWidgets(QWidget *window)
{
    QList<QWidget *> found;
    QList<QWidget *> all = window->findChildren<QWidget *>();
    all.prepend(window);
    for (QWidget *w : all) {
        if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus)
            found << w;
    }
    return found;
}

} // namespace AccessibleNames

namespace {

AccessibleNames::Listener &listener()
{
    static AccessibleNames::Listener l;
    return l;
}

} // namespace

void AccessibleNames::announce(QObject *object, QAccessible::Event event)
{
    QAccessibleEvent e(object, event);
    QAccessible::updateAccessibility(&e);
    if (listener())
        listener()(object, event);
}

void AccessibleNames::setListener(Listener l)
{
    listener() = std::move(l);
}
