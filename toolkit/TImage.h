#pragma once

// A picture from an image file or resource, drawn at the top left, centred
// or stretched to the control's size.

#include "toolkit/ControlWidget.h"

#include <QImage>
#include <QWidget>

class TImage : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(QString Picture READ PictureName WRITE SetPictureName)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TImage(QObject *owner);

    // The image file or resource the picture came from; throws
    // std::invalid_argument when it does not exist.
    QString PictureName() const { return m_pictureName; }
    void SetPictureName(const QString &name);
    // A picture named by file or resource is decoded when it is first
    // painted or asked for.
    QImage Picture() const;
    void SetPicture(const QImage &image);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Center() const { return m_center; }
    void SetCenter(bool center);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void loaded() override;

private:
    void adjust();
    const QImage &decoded() const;

    mutable QImage m_picture;
    mutable bool m_pending = false;
    QSize m_pictureSize;
    QString m_pictureName;
    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
    bool m_transparent = false;
};
