#pragma once

// A captioned box of radio buttons, one per line of Items, laid out in Columns.
// OnClick is raised whenever ItemIndex changes, by the user or by code (but
// not while the form is being loaded).

#include "toolkit/ControlWidget.h"

#include <QGroupBox>
#include <QList>
#include <QRect>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public ControlWidget<QGroupBox>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)

public:
    explicit TRadioGroup(QObject *owner);

    QString Caption() const { return title(); }
    void SetCaption(const QString &caption) { setTitle(caption); }
    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);

    QRadioButton *Button(int index) const;
    int Count() const { return int(m_items.size()); }

    // Places `count` buttons in `columns` columns of a box width x height
    // whose caption font is `textHeight` pixels high: buttons go down each
    // column first, the rows share the height below the caption.
    static QList<QRect> buttonRects(int width, int height, int textHeight, int count, int columns);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool nativeClick() const override { return true; }

private:
    void rebuild();
    void arrange();
    void buttonToggled(int index, bool checked);

    QStringList m_items;
    int m_itemIndex = -1;
    int m_columns = 1;
    QList<QRadioButton *> m_buttons;
    QButtonGroup *m_group;
    int m_updating = 0;
};
