#include "toolkit/TImage.h"

#include "toolkit/Images.h"

#include <QPainter>

#include <stdexcept>

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
    m_pictureSize = Images::size(name);
    m_picture = QImage();
    m_pending = true;
    m_pictureName = name;
    adjust();
    update();
}

void TImage::SetPicture(const QImage &image)
{
    m_picture = image;
    m_pending = false;
    m_pictureSize = image.size();
    m_pictureName.clear();
    adjust();
    update();
}

QImage TImage::Picture() const
{
    return decoded();
}

const QImage &TImage::decoded() const
{
    if (m_pending) {
        m_pending = false;
        // The name was read as a picture already; should the file have gone
        // since, nothing is drawn.
        try {
            m_picture = Images::load(m_pictureName);
        } catch (const std::invalid_argument &) {
            m_picture = QImage();
        }
    }
    return m_picture;
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
    if (m_autoSize && !m_pictureSize.isEmpty() && !isLoading())
        SetBounds(Left(), Top(), m_pictureSize.width(), m_pictureSize.height());
}

void TImage::loaded()
{
    ControlWidget<QWidget>::loaded();
    // An auto-sized image read from a definition takes its picture's size
    // whichever order the two properties came in.
    adjust();
}

void TImage::paintEvent(QPaintEvent *)
{
    const QImage &picture = decoded();
    if (picture.isNull())
        return;
    QPainter p(this);
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), picture);
    } else if (m_center) {
        p.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
    } else {
        p.drawImage(0, 0, picture);
    }
}
