// The arrows of scroll bars and drop-down buttons, drawn by the style
// itself: the classic triangle, in the text colour, grey when disabled.

#include "tests/support/TestSupport.h"

#include "toolkit/ClassicStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cstdlib>
#include <memory>

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

TEST(ClassicStyle, EdgesAreTheBaseStylesPixels)
{
    // Buttons, frames and grid headings have their edges filled rather than stroked;
    // every state must come out as the base style draws it.
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Windows")));
    ClassicStyle style;
    const auto draw = [](const QStyle &s, const QStyleOption &option, bool control, int element) {
        QImage image(48, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        if (control)
            s.drawControl(QStyle::ControlElement(element), &option, &p);
        else
            s.drawPrimitive(QStyle::PrimitiveElement(element), &option, &p);
        return image;
    };
    const QStyle::State states[] = {QStyle::State_None, QStyle::State_Raised, QStyle::State_Sunken, QStyle::State_On,
                                    QStyle::State_Sunken | QStyle::State_On, QStyle::State_Raised | QStyle::State_On};
    const QRect rects[] = {{2, 2, 40, 18}, {1, 1, 5, 5}, {3, 3, 4, 9}, {0, 0, 3, 3}, {5, 5, 2, 7}};
    for (const QStyle::State state : states) {
        for (const QRect &rect : rects) {
            for (const bool enabled : {true, false}) {
                QStyleOptionButton button;
                button.rect = rect;
                button.palette = QApplication::palette();
                button.state = state | (enabled ? QStyle::State_Enabled : QStyle::State_None);
                for (const auto features : {QStyleOptionButton::None, QStyleOptionButton::DefaultButton}) {
                    button.features = features;
                    EXPECT_TRUE(draw(style, button, false, QStyle::PE_PanelButtonCommand)
                                == draw(*base, button, false, QStyle::PE_PanelButtonCommand))
                        << "button state " << int(state) << " features " << int(features) << " rect " << rect.width() << "x" << rect.height();
                }
                for (const int lineWidth : {0, 1, 2}) {
                    QStyleOptionFrame frame;
                    frame.rect = rect;
                    frame.palette = button.palette;
                    frame.state = button.state | (lineWidth == 1 ? QStyle::State_HasFocus : QStyle::State_None);
                    frame.lineWidth = lineWidth;
                    for (const auto element : {QStyle::PE_Frame, QStyle::PE_FrameLineEdit, QStyle::PE_PanelLineEdit})
                        EXPECT_TRUE(draw(style, frame, false, element) == draw(*base, frame, false, element))
                            << "frame " << int(element) << " state " << int(state) << " line " << lineWidth << " rect " << rect.width() << "x" << rect.height();
                }
                for (const QStyle::State extra : {QStyle::State(QStyle::State_None), QStyle::State_AutoRaise | QStyle::State_MouseOver}) {
                    QStyleOptionToolButton tool;
                    tool.rect = rect;
                    tool.palette = button.palette;
                    tool.state = button.state | extra;
                    EXPECT_TRUE(draw(style, tool, false, QStyle::PE_PanelButtonTool) == draw(*base, tool, false, QStyle::PE_PanelButtonTool))
                        << "tool state " << int(tool.state) << " rect " << rect.width() << "x" << rect.height();
                }
                // The radio indicator is copied from a picture drawn once:
                // within two levels of what drawing gives, for every state and
                // colour, and never the picture of another.
                QStyleOptionButton radio = button;
                radio.rect = QRect(rect.topLeft(), QSize(13, 13));
                for (const QStyle::State check : {QStyle::State_On, QStyle::State_Off}) {
                    radio.state = button.state | check;
                    for (const QColor field : {QColor(Qt::white), QColor(Qt::yellow)}) {
                        radio.palette.setColor(QPalette::Base, field);
                        const QImage ours = draw(style, radio, false, QStyle::PE_IndicatorRadioButton);
                        const QImage theirs = draw(*base, radio, false, QStyle::PE_IndicatorRadioButton);
                        int worst = 0;
                        for (int y = 0; y < ours.height(); ++y)
                            for (int x = 0; x < ours.width(); ++x) {
                                const QRgb a = ours.pixel(x, y), b = theirs.pixel(x, y);
                                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                                  std::abs(qBlue(a) - qBlue(b))});
                            }
                        EXPECT_LE(worst, 2) << "radio state " << int(radio.state) << " base " << field.name().toStdString();
                    }
                }
                QStyleOptionHeader header;
                header.rect = rect;
                header.palette = button.palette;
                header.state = button.state;
                EXPECT_TRUE(draw(style, header, true, QStyle::CE_HeaderSection) == draw(*base, header, true, QStyle::CE_HeaderSection))
                    << "heading state " << int(state) << " rect " << rect.width() << "x" << rect.height();
            }
        }
    }
}
