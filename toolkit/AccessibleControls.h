#pragma once

// How the toolkit's own controls appear to assistive technology: a form's
// window is a frame; speed buttons, buttons and clickable panels are push
// buttons with a name and the press action; a notebook's tab row shows only
// the tabs that are shown; hidden controls are left out. A container may
// also put a group of its own (a wizard's current page) between itself and
// its children, so that a screen reader speaks the group when the focus
// enters it.

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace AccessibleControls {

// Installs the interfaces; the application does it once at start.
void install();

// The name a clickable control without caption or hint stands for, made of
// the name of its click handler: "DetailBtnClick" gives "Detail",
// "NextDateLblClick" gives "Next Date".
QString nameFromHandler(const QString &handler);

} // namespace AccessibleControls

// A panel that assistive technology sees between `container` and every
// child of it whose interface is the toolkit's, named and described by the
// given texts. The newest group of a container is the one in force; each is
// a new object to assistive technology, so a screen reader speaks it even
// when the focus moves between controls of the same container.
class AccessibleGroup : public QObject
{
    Q_OBJECT

public:
    AccessibleGroup(QWidget *container, const QString &name, const QString &description);
    ~AccessibleGroup() override;

    QWidget *container() const { return m_container; }
    QString name() const { return m_name; }
    QString description() const { return m_description; }
    // Names and describes the group anew, and says so.
    void describe(const QString &name, const QString &description);
    // The group in force for `container`, or null.
    static AccessibleGroup *of(const QWidget *container);

private:
    QPointer<QWidget> m_container;
    QString m_name;
    QString m_description;
};
