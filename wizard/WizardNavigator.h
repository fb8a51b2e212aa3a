#pragma once

// Where the wizard is and where its buttons take it, without a window: the
// current step, the history that Back returns along, the way list that maps
// steps to pages, the page remembered by the switch between the dialog page
// and the wizard pages, and the target of Next. The page change itself is the
// host's; the navigator asks for it and learns whether it went through.

#include <optional>

class TIntegerList;
class TPageList;

class WizardNavigator
{
public:
    class Host
    {
    public:
        virtual ~Host() = default;
        // The page change to `step`; false when it was vetoed or refused.
        virtual bool changePage(int step) = 0;
        // The step an element sends Next to from `step` (a checked jump
        // radio button), if one decides.
        virtual std::optional<int> jumpTarget(int step) = 0;
        // Asked by Next on a way-list step that goes on to the next one;
        // `next` arrives as step + 1 and may be changed.
        virtual void askPageChange(int step, int &next) = 0;
    };

    WizardNavigator(Host &host, TPageList &wayList, TIntegerList &history);

    // The current step; the page change sets it.
    int page() const { return m_page; }
    void setPage(int step) { m_page = step; }
    int numPages() const { return m_numPages; }
    void setNumPages(int n) { m_numPages = n; }
    int startPage() const { return m_startPage; }
    // Also remembered as the page to return to while no history says more.
    void setStartPage(int step);
    bool rememberPage() const { return m_rememberPage; }
    void setRememberPage(bool remember) { m_rememberPage = remember; }
    bool useHistory() const { return m_useHistory; }
    void setUseHistory(bool use) { m_useHistory = use; }
    bool wayListEnabled() const { return m_wayListEnabled; }
    void setWayListEnabled(bool enabled) { m_wayListEnabled = enabled; }
    int rememberedPage() const { return m_rememberedPage; }

    // The page shown at `step` (the step itself without a way list); -1 for
    // a step the way list does not hold.
    int physicalPage(int step) const;
    // Whether Next finishes at `step`.
    bool isLastStep(int step) const;
    // The last step the wizard can stand on.
    int lastStep() const;
    bool backEnabled() const;
    // Whether Next is enabled on `step`; nothing where it keeps its state
    // (the dialog page with a way list).
    std::optional<bool> nextEnabled(int step) const;
    // The step Next goes to without a way list.
    int nextTarget();

    void next();
    void back();
    // Switches between the dialog page and the wizard pages.
    void change();
    // Records the current step in the history, then goes to `step`.
    void jumpTo(int step);
    // One page back or on (the arrow keys), past the history, the way list
    // and the Next target; false where there is no such page.
    bool stepBy(int delta);

private:
    Host &m_host;
    TPageList &m_wayList;
    TIntegerList &m_history;
    int m_page = 0;
    int m_numPages = 0;
    int m_startPage = 1;
    int m_rememberedPage = 1;
    bool m_rememberPage = false;
    bool m_useHistory = true;
    bool m_wayListEnabled = false;
};
