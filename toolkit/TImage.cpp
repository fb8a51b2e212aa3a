#include "toolkit/TImage.h"

#include "toolkit/Images.h"

#include <QPainter>

TImage::TImage(QObject *owner)
    : ControlWidget<QWidget>(owner)
{
    setFocusable(false);
    setWindowed(false);
    resize(105, 105);
}

void TImage::SetPictureName(const QString &name)
{
    if (name.isEmpty()) {
        SetPicture(QImage());
        return;
    }
    SetPicture(Images::load(name));
    m_pictureName = name;
}

void TImage::SetPicture(const QImage &image)
{
    m_picture = image;
    m_pictureName.clear();
    adjust();
    update();
}

void TImage::SetStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TImage::SetCenter(bool center)
{
    m_center = center;
    update();
}

void TImage::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    adjust();
}

void TImage::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TImage::adjust()
{
    if (m_autoSize && !m_picture.isNull() && !isLoading())
        SetBounds(Left(), Top(), m_picture.width(), m_picture.height());
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    } else if (m_center) {
        p.drawImage((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2, m_picture);
    } else {
        p.drawImage(0, 0, m_picture);
    }
}
