#pragma once

// A list of text lines with one selected line (ItemIndex). OnClick is raised
// when the user moves the selection, by mouse or keyboard, and when the left
// mouse button is released over the list. Owner-drawn styles draw their lines
// through drawItem.
//
// The lines live in the list's model from the start; the view takes the model
// up (selection, current line, layout) only when the list is first shown or
// its selection is asked for. A list that is never shown, as the tour's hidden
// sample lists are, costs a plain text list and no more.

#include "toolkit/ControlWidget.h"

#include <QListView>

class ListBoxLines;

class TListBox : public ControlWidget<QListView>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex STORED false)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE SetExtendedSelect)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(Tk::TListBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE SetIntegralHeight)
    Q_PROPERTY(Tk::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)

public:
    explicit TListBox(QObject *owner);

    QStringList Items() const;
    void SetItems(const QStringList &items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);
    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool multi);
    bool ExtendedSelect() const { return m_extendedSelect; }
    void SetExtendedSelect(bool extended);
    // Until set, the height of a line of the list's font.
    int ItemHeight() const { return m_itemHeight > 0 ? m_itemHeight : defaultItemHeight(); }
    virtual void SetItemHeight(int height);
    Tk::TListBoxStyle Style() const { return m_style; }
    void SetStyle(Tk::TListBoxStyle style);
    bool IntegralHeight() const { return m_integralHeight; }
    void SetIntegralHeight(bool integral) { m_integralHeight = integral; }
    Tk::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(Tk::TBorderStyle style);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width) { m_tabWidth = width; }

    int Count() const;
    QString Item(int index) const;
    void SetItem(int index, const QString &text);
    // Appends (or, when sorted, inserts in order); returns the line's index.
    int AddItem(const QString &text);
    void InsertItem(int index, const QString &text);
    void DeleteItem(int index);
    void ClearItems();
    int IndexOf(const QString &text) const;
    bool Selected(int index) const;
    // The line under a point of the list's viewport, -1 if none.
    int ItemAtPos(const QPoint &viewportPos) const;
    QRect ItemRect(int index) const;

protected:
    // Draws one line of an owner-drawn list; the default draws the text.
    virtual void drawItem(QPainter &painter, int index, const QRect &rect, bool selected, bool focused);
    // Called when the lines change, for classes that keep data per line.
    virtual void itemsChanged() {}
    // Data a line carries beside its text, under an item role.
    QVariant lineData(int index, int role) const;
    void setLineData(int index, int role, const QVariant &value);
    bool viewportEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool nativeClick() const override { return true; }

private:
    friend class ListBoxDelegate;
    void updateGrid();
    int defaultItemHeight() const;
    // Gives the view its model, once; whether it has it.
    void attach() const;
    bool attached() const;
    QModelIndex lineIndex(int index) const;

    bool m_sorted = false;
    int m_columns = 0;
    bool m_multiSelect = false;
    bool m_extendedSelect = true;
    int m_itemHeight = 0;
    Tk::TListBoxStyle m_style = Tk::TListBoxStyle::lbStandard;
    bool m_integralHeight = false;
    Tk::TBorderStyle m_borderStyle = Tk::TBorderStyle::bsSingle;
    int m_tabWidth = 0;
    int m_programmatic = 0;
    ListBoxLines *m_lines;
};
