#pragma once

// While one lives, assistive technology hears nothing of text put into
// controls (caret moves, inserted, removed or replaced text). A container
// that builds a new view (a wizard turning the page) keeps quiet so: a
// screen reader would take a control whose text changed, and that has the
// focus by the time it reads the news, for the focus already, and then speak
// nothing of the move into the new view.

#include <QAccessible>

class QuietText
{
public:
    QuietText();
    ~QuietText();
    QuietText(const QuietText &) = delete;
    QuietText &operator=(const QuietText &) = delete;

private:
    static void filter(QAccessibleEvent *event);
};
