#pragma once

// The wizard's pages as assistive technology meets them: each page's elements
// stand in an area of their own, named by the page's title and described by
// its help text; the wizard's buttons stand in a strip named so after the page
// shown, so that the focus moving from a page onto a button (a page that Tab
// cannot enter) still crosses into a panel named by the new page's title.

#include <QHash>

#include <functional>

class AccessibleGroup;
class Control;
class QWidget;

class WizardPageAreas
{
public:
    // `isButton` tells the wizard's own buttons, which stand beside the
    // areas; `pageCount` gives the number of wizard pages.
    WizardPageAreas(QWidget *wizard, std::function<bool(const QWidget *)> isButton, std::function<int()> pageCount);
    // The areas go first, while the wizard and its parts still answer.
    ~WizardPageAreas();
    WizardPageAreas(const WizardPageAreas &) = delete;
    WizardPageAreas &operator=(const WizardPageAreas &) = delete;

    // Gives every page an area, where it has none.
    void make();
    // Names and describes physical page `page`'s area as the wizard is named
    // and described now.
    void describe(int page);
    // Moves the focus to `first`, the page's first control.
    void focus(Control *first);

private:
    // The first page whose area holds `w`; -1 for none (a button).
    int pageOf(const QWidget *w) const;

    QWidget *m_wizard;
    std::function<bool(const QWidget *)> m_isButton;
    std::function<int()> m_pageCount;
    QHash<int, AccessibleGroup *> m_areas;
    AccessibleGroup *m_strip = nullptr;
};
