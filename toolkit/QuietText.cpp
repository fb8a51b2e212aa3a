#include "toolkit/QuietText.h"

namespace {

int depth = 0;
// The handler that was in place before the first QuietText, or null for
// Qt's own delivery.
QAccessible::UpdateHandler outer = nullptr;

bool isTextNews(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        return true;
    default:
        return false;
    }
}

} // namespace

QuietText::QuietText()
{
    if (depth++ == 0)
        outer = QAccessible::installUpdateHandler(&QuietText::filter);
}

QuietText::~QuietText()
{
    if (--depth == 0)
        QAccessible::installUpdateHandler(outer);
}

void QuietText::filter(QAccessibleEvent *event)
{
    if (isTextNews(event->type()))
        return;
    // Passed on through the outer handler, or Qt's delivery where there is
    // none. Qt has told a table of its model's change before it asked this
    // handler, and tells it again on the way through: the second time as a
    // reset, which only drops the lines it keeps, so that none is moved twice.
    QAccessible::installUpdateHandler(outer);
    if (event->type() == QAccessible::TableModelChanged) {
        QAccessibleTableModelChangeEvent reset(event->accessibleInterface(),
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    } else {
        QAccessible::updateAccessibility(event);
    }
    QAccessible::installUpdateHandler(&QuietText::filter);
}
