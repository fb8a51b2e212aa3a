#pragma once

// A sheet of a page control: its caption is the text of its tab, which can be
// hidden (a sheet whose tab is hidden is not shown), and PageIndex is its
// position among the control's sheets.

#include "toolkit/NotebookPage.h"

class NotebookHost;

class TTabSheet : public NotebookPage
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex STORED false)

public:
    explicit TTabSheet(QObject *owner);

    // The page control that holds the sheet, or null.
    NotebookHost *PageControl() const;
    // The position among the control's sheets; -1 outside one.
    int PageIndex() const;
    void SetPageIndex(int index);
};
