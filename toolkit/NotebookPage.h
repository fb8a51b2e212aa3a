#pragma once

// A page of a notebook (a tabbed notebook's page or a page control's sheet):
// a container whose caption is its tab. The notebook places it, and shows it
// only while it is the active page and its tab is shown; the page's own
// bounds and visible flag do not move or show it.

#include "toolkit/ControlWidget.h"

#include <QPointer>
#include <QWidget>

class NotebookHost;

class NotebookPage : public ControlWidget<QWidget>
{
    Q_OBJECT

public:
    explicit NotebookPage(QObject *owner);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);
    // The position among the notebook's pages; -1 outside a notebook.
    int PageIndex() const;
    void SetPageIndex(int index);

    NotebookHost *host() const;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    bool managesOwnVisibility() const override { return true; }
    void parentChanged() override;

private:
    QString m_caption;
    bool m_tabVisible = true;
    QPointer<NotebookHost> m_host;
};
