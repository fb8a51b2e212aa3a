#pragma once

// A page of a tabbed notebook; its caption is the text of its tab.

#include "toolkit/NotebookPage.h"

class TTabPage : public NotebookPage
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TTabPage(QObject *owner);
};
