#include "toolkit/FocusChain.h"

#include "toolkit/Control.h"

#include <QHash>

#include <algorithm>
#include <climits>

namespace {

using Places = QHash<const QWidget *, int>;

// Each widget's place in the ring of `w`'s window.
Places placesIn(const QWidget *w)
{
    Places places;
    const QWidget *start = w->window();
    const QWidget *x = start;
    do {
        places.insert(x, int(places.size()));
        x = x->nextInFocusChain();
    } while (x && x != start && !places.contains(x));
    return places;
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
    return parent ? ::controlsOf(parent, placesIn(parent)) : QList<Control *>();
}

void FocusChain::arrange(QWidget *root, const Reorder &reorder)
{
    QList<QWidget *> chain{root};
    collect(root, placesIn(root), reorder, chain);
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
