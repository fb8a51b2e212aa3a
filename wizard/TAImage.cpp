#include "wizard/TAImage.h"

TAImage::TAImage(QObject *owner)
    : TImage(owner)
    , m_element(this, this, false)
{
    m_element.attach(owner);
}
