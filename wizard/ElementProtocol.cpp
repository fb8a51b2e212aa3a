#include "wizard/ElementProtocol.h"

#include "toolkit/Component.h"

namespace {

// The elements among the components that `owner` holds now and still holds
// when the walk reaches them.
template<typename F>
void forEachElement(QObject *owner, bool lastFirst, F &&f)
{
    const Component *o = Component::from(owner);
    if (!o)
        return;
    const auto snapshot = o->componentSnapshot();
    const auto visit = [&](QObject *target) {
        const Component *c = Component::from(target);
        if (!c || c->owner() != owner || c->isDestroying())
            return true;
        if (auto *e = qobject_cast<ElementProtocol *>(target))
            return f(e);
        return true;
    };
    if (lastFirst) {
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            if (!visit(it->data()))
                return;
        }
    } else {
        for (const auto &p : snapshot) {
            if (!visit(p.data()))
                return;
        }
    }
}

} // namespace

std::optional<int> ElementProtocol::nextTarget(int) const
{
    return std::nullopt;
}

void ElementProtocol::setNewPosition(QObject *owner, int page)
{
    forEachElement(owner, true, [page](ElementProtocol *e) {
        e->SetNewPosition(page);
        return true;
    });
}

void ElementProtocol::setNumApos(QObject *owner, int count)
{
    forEachElement(owner, true, [count](ElementProtocol *e) {
        e->SetNumApos(count);
        return true;
    });
}

std::optional<int> ElementProtocol::nextTargetOf(QObject *owner, int page)
{
    std::optional<int> answer;
    forEachElement(owner, false, [&](ElementProtocol *e) {
        answer = e->nextTarget(page);
        return !answer;
    });
    return answer;
}
