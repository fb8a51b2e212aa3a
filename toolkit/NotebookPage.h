#pragma once

// A page of a notebook (a tabbed notebook's page or a page control's sheet):
// a container whose caption is its tab. The notebook that holds it places it,
// and shows it only while it is the active page and its tab is shown; the
// page's own bounds and visible flag do not move or show it.

#include "toolkit/ControlWidget.h"

#include <QWidget>

class NotebookPage : public ControlWidget<QWidget>
{
    Q_OBJECT

public:
    explicit NotebookPage(QObject *owner);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);

    // Set by the notebook that takes the page in, cleared when it lets go.
    void setInNotebook(bool inNotebook) { m_inNotebook = inNotebook; }
    bool inNotebook() const { return m_inNotebook; }
    void SetBounds(int left, int top, int width, int height) override;

signals:
    // The caption or the tab's visibility changed.
    void tabChanged();

protected:
    bool managesOwnVisibility() const override { return m_inNotebook; }
    void parentChanged() override;

private:
    QString m_caption;
    bool m_tabVisible = true;
    bool m_inNotebook = false;
};
