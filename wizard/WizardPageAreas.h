#pragma once

// The wizard's pages as assistive technology meets them: each page's elements
// stand in an area of their own, named by the page's title and described by
// its help text, and a page that Tab cannot enter takes the focus as a whole.

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
    // Moves the focus into physical page `page`: to `first` or, where Tab
    // reaches nothing of the page's own, to its area.
    void focus(int page, Control *first);

private:
    // The first page whose area holds `w`; -1 for none (a button).
    int pageOf(const QWidget *w) const;
    // Whether Tab reaches a shown control of the page (not a button).
    bool pageHasTabStop() const;

    QWidget *m_wizard;
    std::function<bool(const QWidget *)> m_isButton;
    std::function<int()> m_pageCount;
    QHash<int, AccessibleGroup *> m_areas;
};
