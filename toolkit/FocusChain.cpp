#include "toolkit/FocusChain.h"

#include "toolkit/Control.h"

#include <QHash>

#include <algorithm>
#include <climits>

namespace {

using Places = QHash<const QWidget *, int>;

// The place in the ring of `w`'s window of each widget that `wanted` accepts.
// Only those are kept: the ring holds every widget of the window, and most
// questions are about a few of them.
template<typename Wanted>
Places placesIn(const QWidget *w, Wanted wanted)
{
    Places places;
    const QWidget *start = w->window();
    const QWidget *x = start;
    int place = 0;
    do {
        if (wanted(x)) {
            if (places.contains(x))
                break;   // Qt keeps the ring closed; met twice, it ends all the same
            places.insert(x, place);
        }
        ++place;
        x = x->nextInFocusChain();
    } while (x && x != start);
    return places;
}

// The places of the widgets inside `root` (`root` too).
Places placesInside(const QWidget *root)
{
    if (root->isWindow())
        return placesIn(root, [](const QWidget *) { return true; });
    return placesIn(root, [root](const QWidget *x) { return x == root || root->isAncestorOf(x); });
}

QList<Control *> controlsOf(const QWidget *parent, const Places &places)
{
    QList<Control *> list;
    for (QObject *o : parent->children()) {
        if (!o->isWidgetType() || static_cast<QWidget *>(o)->isWindow())
            continue;
        if (Control *c = Control::from(o); c && c->isWindowed())
            list << c;
    }
    std::stable_sort(list.begin(), list.end(), [&](const Control *a, const Control *b) {
        return places.value(a->widget(), INT_MAX) < places.value(b->widget(), INT_MAX);
    });
    return list;
}

void collect(const QWidget *parent, const Places &places, const FocusChain::Reorder &reorder, QList<QWidget *> &chain)
{
    const auto add = [&](QWidget *w, bool windowed) {
        if (!w->focusProxy() && (windowed || w->focusPolicy() != Qt::NoFocus))
            chain << w;
        collect(w, places, reorder, chain);
    };
    for (QObject *o : parent->children()) {
        if (o->isWidgetType() && !static_cast<QWidget *>(o)->isWindow() && !Control::from(o))
            add(static_cast<QWidget *>(o), false);
    }
    QList<Control *> controls = controlsOf(parent, places);
    reorder(controls);
    for (Control *c : controls)
        add(c->widget(), true);
}

} // namespace

QList<Control *> FocusChain::controlsOf(const QWidget *parent)
{
    if (!parent)
        return {};
    return ::controlsOf(parent, placesIn(parent, [parent](const QWidget *x) { return x->parentWidget() == parent; }));
}

void FocusChain::arrange(QWidget *root, const Reorder &reorder)
{
    QList<QWidget *> chain{root};
    collect(root, placesInside(root), reorder, chain);
    QList<QWidget *> lifted;
    for (QWidget *w : chain) {
        if (w->focusPolicy() == Qt::NoFocus && !w->focusProxy()) {
            w->setFocusPolicy(Qt::TabFocus);
            lifted << w;
        }
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        if (chain[i - 1]->nextInFocusChain() != chain[i])
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    for (QWidget *w : lifted)
        w->setFocusPolicy(Qt::NoFocus);
}
