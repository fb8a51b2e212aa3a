// The arrows of scroll bars and drop-down buttons, drawn by the style
// itself: the classic triangle, in the text colour, grey when disabled.

#include "tests/support/TestSupport.h"

#include "toolkit/ClassicStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOption>

#include <gtest/gtest.h>

namespace {

// The columns and rows of `image` holding pixels of `colour`.
QRect extent(const QImage &image, const QColor &colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

QImage arrow(QStyle::PrimitiveElement element, bool enabled)
{
    ClassicStyle style;
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOption option;
    option.rect = image.rect();
    option.palette = QApplication::palette();
    option.state = enabled ? QStyle::State_Enabled : QStyle::State_None;
    QPainter p(&image);
    style.drawPrimitive(element, &option, &p);
    return image;
}

} // namespace

TEST(ClassicStyle, ArrowsAreTheClassicTriangles)
{
    const QColor text = QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
    const QRect down = extent(arrow(QStyle::PE_IndicatorArrowDown, true), text);
    EXPECT_EQ(down.size(), QSize(7, 4));
    EXPECT_NEAR(down.center().x(), 7, 1);
    const QRect right = extent(arrow(QStyle::PE_IndicatorArrowRight, true), text);
    EXPECT_EQ(right.size(), QSize(4, 7));
    // The tip of an up arrow is its top row, of one pixel.
    const QImage up = arrow(QStyle::PE_IndicatorArrowUp, true);
    const QRect upExtent = extent(up, text);
    int tip = 0;
    for (int x = 0; x < 16; ++x)
        tip += up.pixelColor(x, upExtent.top()) == text;
    EXPECT_EQ(tip, 1);
    // Disabled: no pixel in the text colour of enabled arrows.
    const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (disabled != text) {
        EXPECT_TRUE(extent(arrow(QStyle::PE_IndicatorArrowDown, false), text).isEmpty());
    }
}
