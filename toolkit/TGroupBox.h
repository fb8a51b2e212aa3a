#pragma once

// A framed box with a caption that groups other controls.

#include "toolkit/ControlWidget.h"

#include <QGroupBox>

class TGroupBox : public ControlWidget<QGroupBox>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TGroupBox(QObject *owner);

    QString Caption() const { return title(); }
    void SetCaption(const QString &caption) { setTitle(caption); }
    QRect clientRect() const override;
};
