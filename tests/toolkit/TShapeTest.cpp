#include "tests/support/TestSupport.h"

#include "toolkit/Bevels.h"
#include "toolkit/TBevel.h"
#include "toolkit/TShape.h"

#include <QPainter>

#include <gtest/gtest.h>

TEST(TShape, FigureBoxes)
{
    struct Row {
        Tk::TShapeType shape;
        QSize size;
        QRect box;
    };
    const Row rows[] = {
        {Tk::TShapeType::stRectangle, {100, 50}, {0, 0, 100, 50}},
        {Tk::TShapeType::stEllipse, {100, 50}, {0, 0, 100, 50}},
        {Tk::TShapeType::stRoundRect, {100, 50}, {0, 0, 100, 50}},
        {Tk::TShapeType::stSquare, {100, 50}, {25, 0, 50, 50}},
        {Tk::TShapeType::stCircle, {51, 49}, {1, 0, 49, 49}},
        {Tk::TShapeType::stRoundSquare, {40, 80}, {0, 20, 40, 40}},
    };
    for (const Row &r : rows)
        EXPECT_EQ(TShape::figureBox(r.size, r.shape), r.box) << int(r.shape);
    EXPECT_EQ(TShape::outlinePath(QRect(0, 0, 10, 10), 2), QRectF(1, 1, 8, 8));
    EXPECT_EQ(TShape::outlinePath(QRect(0, 0, 10, 10), 1), QRectF(0.5, 0.5, 9, 9));
    EXPECT_EQ(TShape::outlinePath(QRect(0, 0, 10, 10), 0), QRectF(0, 0, 10, 10));
    EXPECT_EQ(TShape::cornerRadius(QRect(0, 0, 80, 40)), 5.0);
}

TEST(TShape, PaintsPenAndBrush)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      Circle: TShape { Left = 0 Top = 0 Width = 51 Height = 49 Shape = stCircle
                       Pen.Color = clBlue Pen.Width = 2 Brush.Color = clFuchsia }
      Box: TShape { Left = 60 Top = 0 Width = 40 Height = 20 Pen.Color = clRed Brush.Style = bsClear }
    })"));
    auto *circle = form->findChild<TShape *>(QStringLiteral("Circle"));
    auto *box = form->findChild<TShape *>(QStringLiteral("Box"));
    const QImage c = circle->grab().toImage();
    EXPECT_EQ(c.pixelColor(25, 24), QColor(Qt::magenta));   // filled inside
    EXPECT_EQ(c.pixelColor(25, 0), QColor(Qt::blue));       // outline at the top
    EXPECT_NE(c.pixelColor(1, 1), QColor(Qt::magenta));     // corners are outside
    EXPECT_NE(c.pixelColor(1, 1), QColor(Qt::blue));

    const QImage b = box->grab().toImage();
    EXPECT_EQ(b.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(b.pixelColor(39, 19), QColor(Qt::red));
    EXPECT_NE(b.pixelColor(20, 10), QColor(Qt::white));   // no brush
    circle->Pen()->SetStyle(Tk::TPenStyle::psClear);
    EXPECT_EQ(circle->grab().toImage().pixelColor(25, 1), QColor(Qt::magenta));
}

TEST(TBevel, LoweredAndRaisedAreMirrors)
{
    auto form = TestSupport::loadForm(QStringLiteral(R"(Form1: TForm {
      Low: TBevel { Width = 20 Height = 20 Shape = bsBox Style = bsLowered }
      High: TBevel { Left = 30 Width = 20 Height = 20 Shape = bsBox Style = bsRaised }
      Line: TBevel { Left = 60 Width = 20 Height = 20 Shape = bsTopLine }
    })"));
    const QImage low = form->findChild<TBevel *>(QStringLiteral("Low"))->grab().toImage();
    const QImage high = form->findChild<TBevel *>(QStringLiteral("High"))->grab().toImage();
    const QImage line = form->findChild<TBevel *>(QStringLiteral("Line"))->grab().toImage();
    EXPECT_EQ(low.pixelColor(0, 5), high.pixelColor(19, 5));
    EXPECT_EQ(low.pixelColor(19, 5), high.pixelColor(0, 5));
    EXPECT_NE(low.pixelColor(0, 5), low.pixelColor(19, 5));
    EXPECT_EQ(line.pixelColor(5, 0), low.pixelColor(0, 5));
    EXPECT_EQ(line.pixelColor(5, 1), low.pixelColor(19, 5));
    EXPECT_NE(line.pixelColor(5, 10), line.pixelColor(5, 0));
}

TEST(Bevels, FilledFramesSetTheSamePixelsAsStrokedOnes)
{
    // Frames are filled a pixel line at a time where a logical pixel is a
    // device pixel; they must set exactly the pixels the strokes set,
    // corners and degenerate sizes included.
    const QColor tl(10, 20, 30), br(200, 100, 50);
    for (int w = 1; w <= 7; ++w) {
        for (int h = 1; h <= 7; ++h) {
            for (int width = 1; width <= 3; ++width) {
                QImage filled(10, 10, QImage::Format_RGB32), stroked = filled;
                filled.fill(Qt::white);
                stroked.fill(Qt::white);
                QRect inner;
                {
                    QPainter p(&filled);
                    inner = Bevels::frame3D(p, QRect(1, 2, w, h), tl, br, width);
                    Bevels::horizontalLine(p, 2, 7, 9, tl);
                }
                {
                    QPainter p(&stroked);
                    QRect r(1, 2, w, h);
                    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i, r.adjust(1, 1, -1, -1)) {
                        const int rr = r.left() + r.width() - 1, b = r.top() + r.height() - 1;
                        p.setPen(tl);
                        p.drawLine(r.left(), b, r.left(), r.top());
                        p.drawLine(r.left(), r.top(), rr, r.top());
                        p.setPen(br);
                        p.drawLine(rr, r.top(), rr, b);
                        p.drawLine(rr, b, r.left(), b);
                    }
                    EXPECT_EQ(inner, r);
                    p.setPen(tl);
                    p.drawLine(2, 9, 7, 9);
                }
                EXPECT_TRUE(filled == stroked) << w << "x" << h << " width " << width;
            }
        }
    }
}
