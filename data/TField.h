#pragma once

// A persistent field of a dataset: declared in the dataset's block of a form
// definition with the name of the column it stands for. The dataset owns the
// list of its fields; field names are unique in a dataset, ignoring case.

#include "data/FieldContainer.h"
#include "toolkit/Component.h"

#include <QObject>
#include <QPointer>

class TField : public QObject, public Component
{
    Q_OBJECT
    Q_INTERFACES(Component)
    Q_PROPERTY(QString FieldName READ FieldName WRITE SetFieldName)
    Q_PROPERTY(QString DisplayLabel READ DisplayLabel WRITE SetDisplayLabel)
    Q_PROPERTY(int DisplayWidth READ DisplayWidth WRITE SetDisplayWidth)
    Q_PROPERTY(bool Required READ Required WRITE SetRequired)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TField(QObject *owner);
    ~TField() override;

    QString FieldName() const { return m_fieldName; }
    // Refuses a name that another field of the same dataset has.
    void SetFieldName(const QString &name);
    // The field name unless a label of its own is set.
    QString DisplayLabel() const { return m_displayLabel.isEmpty() ? m_fieldName : m_displayLabel; }
    void SetDisplayLabel(const QString &label) { m_displayLabel = label; }
    int DisplayWidth() const { return m_displayWidth > 0 ? m_displayWidth : defaultDisplayWidth(); }
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    bool Required() const { return m_required; }
    void SetRequired(bool required) { m_required = required; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    // The dataset that holds the field, null outside one.
    QObject *DataSet() const { return m_dataSet; }
    // Called by the dataset that takes the field into its list.
    void setDataSet(QObject *dataSet, const FieldContainer *container);

    QObject *definitionParent() const override;
    bool storesProperty(const char *name) const override;

protected:
    virtual int defaultDisplayWidth() const { return 10; }

private:
    QString m_fieldName;
    QString m_displayLabel;
    int m_displayWidth = 0;
    bool m_required = false;
    bool m_readOnly = false;
    bool m_visible = true;
    QPointer<QObject> m_dataSet;
    // The dataset's side as a field container; valid while m_dataSet is.
    const FieldContainer *m_container = nullptr;
};
