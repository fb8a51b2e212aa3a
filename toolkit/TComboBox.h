#pragma once

// A drop-down list, editable (csDropDown) or not (csDropDownList). OnChange is
// raised when the user edits the text or picks a line; OnClick when the user
// picks a line. Code that sets Text or ItemIndex raises neither.

#include "toolkit/ControlWidget.h"

#include <QComboBox>

class TComboBox : public ControlWidget<QComboBox>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(Tk::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)

Q_SIGNALS:
    void OnChange(QObject *Sender);
    void OnDropDown(QObject *Sender);

public:
    explicit TComboBox(QObject *owner);

    Tk::TComboBoxStyle Style() const { return m_style; }
    void SetStyle(Tk::TComboBoxStyle style);
    QStringList Items() const;
    void SetItems(const QStringList &items);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    QString Text() const { return currentText(); }
    void SetText(const QString &text);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int n) { setMaxVisibleItems(std::max(1, n)); }
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height) { m_itemHeight = height; }

    int Count() const { return count(); }
    int AddItem(const QString &text);
    void ClearItems();
    int IndexOf(const QString &text) const;
    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool nativeClick() const override { return true; }
    void loaded() override;
    // A font change before the drop-down list was ever built is passed to
    // the box once its size or its list is asked for: Qt's own handling
    // builds the list at every change, and a box takes its parent's font
    // each time it is placed on a form.
    void changeEvent(QEvent *event) override;

private:
    bool hasDropDownList() const;
    void applyPendingFontChange() const;

    // Makes the box editable or not as its style says.
    void applyStyle();

    Tk::TComboBoxStyle m_style = Tk::TComboBoxStyle::csDropDown;
    int m_maxLength = 0;
    bool m_sorted = false;
    int m_itemHeight = 16;
    int m_programmatic = 0;
    mutable bool m_fontChangePending = false;
};
