// Draws the two chart pictures of the tour (campaign results and a user's
// calls graph) and writes them as PNG files into forms/images/.
// Run from the source root: build/tools/make_pictures forms/images

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <numeric>

namespace {

const QColor face(0xC0, 0xC0, 0xC0);
const QColor shadow(0x80, 0x80, 0x80);

void bevel(QPainter &p, const QRect &r, bool raised)
{
    p.setPen(raised ? Qt::white : shadow);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? shadow : Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void window(QPainter &p, const QRect &r, const QString &title)
{
    p.fillRect(r, face);
    bevel(p, r.adjusted(0, 0, -1, -1), true);
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, QColor(0x00, 0x00, 0x80));
    g.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    const QRect bar(r.left() + 3, r.top() + 3, r.width() - 6, 18);
    p.fillRect(bar, g);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    // close box
    const QRect box(bar.right() - 16, bar.top() + 2, 14, 14);
    p.fillRect(box, face);
    bevel(p, box, true);
    p.setPen(Qt::black);
    p.drawLine(box.left() + 4, box.top() + 4, box.right() - 4, box.bottom() - 4);
    p.drawLine(box.right() - 4, box.top() + 4, box.left() + 4, box.bottom() - 4);
}

void button(QPainter &p, const QRect &r, const QString &text)
{
    p.setBrush(Qt::NoBrush);
    p.fillRect(r, face);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    bevel(p, r.adjusted(1, 1, -2, -2), true);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

void axesAndGrid(QPainter &p, const QRect &plot, int maxValue, int step)
{
    p.fillRect(plot, Qt::white);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(10);
    p.setFont(f);
    for (int v = 0; v <= maxValue; v += step) {
        const int y = plot.bottom() - v * plot.height() / maxValue;
        p.setPen(QPen(QColor(0xD8, 0xD8, 0xD8), 1, Qt::DotLine));
        if (v > 0)
            p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(Qt::black);
        p.drawLine(plot.left() - 4, y, plot.left(), y);
        p.drawText(QRect(plot.left() - 40, y - 7, 34, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void bar3d(QPainter &p, const QRect &r, const QColor &c)
{
    const int d = 5;
    QPolygon top, side;
    top << r.topLeft() << QPoint(r.left() + d, r.top() - d) << QPoint(r.right() + d, r.top() - d) << r.topRight();
    side << r.topRight() << QPoint(r.right() + d, r.top() - d) << QPoint(r.right() + d, r.bottom() - d) << r.bottomRight();
    p.setPen(Qt::black);
    p.setBrush(c.lighter(130));
    p.drawPolygon(top);
    p.setBrush(c.darker(140));
    p.drawPolygon(side);
    p.setBrush(c);
    p.drawRect(r);
}

void legend(QPainter &p, const QRect &r, const QStringList &names, const QList<QColor> &colors, const QString &title)
{
    p.setBrush(Qt::NoBrush);
    p.fillRect(r, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(r.left() + 6, r.top() + 4, r.width() - 12, 14), Qt::AlignLeft | Qt::AlignVCenter, title);
    f.setBold(false);
    p.setFont(f);
    for (int i = 0; i < names.size(); ++i) {
        const int y = r.top() + 22 + i * 16;
        p.fillRect(QRect(r.left() + 8, y + 2, 10, 10), colors[i]);
        p.drawRect(QRect(r.left() + 8, y + 2, 10, 10));
        p.drawText(QRect(r.left() + 24, y, r.width() - 28, 14), Qt::AlignLeft | Qt::AlignVCenter, names[i]);
    }
}

QImage campaignResults()
{
    QImage img(600, 396, QImage::Format_RGB32);
    img.fill(face);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    window(p, img.rect(), QStringLiteral("Campaign Results - Campaign 3/98"));

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(12, 28, 300, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Responses by activity  (623 responses, 3 activities)"));

    const QRect plot(58, 60, 380, 270);
    axesAndGrid(p, plot, 100, 10);
    const QStringList responses = {QStringLiteral("No interest"), QStringLiteral("Considering"),
                                   QStringLiteral("Purchasing"), QStringLiteral("Positive")};
    const QList<QColor> colors = {QColor(0xC0, 0x30, 0x30), QColor(0xE0, 0xB0, 0x20), QColor(0x30, 0x90, 0x40),
                                  QColor(0x20, 0x50, 0xB0)};
    const int values[3][4] = {{34, 61, 88, 57}, {27, 45, 79, 52}, {23, 37, 71, 49}};
    const QStringList groups = {QStringLiteral("Line 1  01/05"), QStringLiteral("Line 2  02/05"),
                                QStringLiteral("Line 3  03/05")};
    const int groupWidth = plot.width() / 3;
    for (int g = 0; g < 3; ++g) {
        for (int r = 0; r < 4; ++r) {
            const int h = values[g][r] * plot.height() / 100;
            const QRect bar(plot.left() + g * groupWidth + 18 + r * 22, plot.bottom() - h, 16, h);
            bar3d(p, bar, colors[r]);
        }
        p.setPen(Qt::black);
        p.setFont(f);
        p.drawText(QRect(plot.left() + g * groupWidth, plot.bottom() + 4, groupWidth, 14), Qt::AlignCenter, groups[g]);
    }
    p.save();
    p.translate(16, plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-60, -8, 120, 16), Qt::AlignCenter, QStringLiteral("Accounts"));
    p.restore();
    p.drawText(QRect(plot.left(), plot.bottom() + 20, plot.width(), 14), Qt::AlignCenter, QStringLiteral("Activity line and send date"));

    legend(p, QRect(458, 60, 128, 92), responses, colors, QStringLiteral("Response"));
    const QStringList options = {QStringLiteral("&Bar"), QStringLiteral("&Pie"), QStringLiteral("&3D"),
                                 QStringLiteral("&Figures"), QStringLiteral("P&rint"), QStringLiteral("&Close")};
    for (int i = 0; i < options.size(); ++i)
        button(p, QRect(470, 172 + i * 32, 104, 25), QString(options[i]).remove(u'&'));
    return img;
}

QImage userCallsGraph()
{
    QImage img(601, 396, QImage::Format_RGB32);
    img.fill(face);
    QPainter p(&img);
    window(p, img.rect(), QStringLiteral("User Calls - Alvor  01/10/1997 to 31/10/1997"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(12, 28, 400, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Calls and responses per working day"));

    const QRect plot(58, 56, 400, 280);
    axesAndGrid(p, plot, 50, 10);
    const int days = 23;
    // October's 726 calls, as the calls-by-month screen gives them.
    const double calls[days] = {27, 31, 27, 34, 30, 28, 33, 36, 32, 26, 29, 35, 38, 33, 30, 28, 32, 37, 34, 31, 27, 33, 35};
    const double responses[days] = {11, 13, 9, 15, 12, 10, 14, 16, 13, 9, 12, 15, 17, 14, 12, 11, 13, 16, 15, 12, 10, 14, 15};
    const int step = plot.width() / days;
    for (int i = 0; i < days; ++i) {
        const int h = int(calls[i] * plot.height() / 50);
        p.fillRect(QRect(plot.left() + i * step + 3, plot.bottom() - h, step - 6, h), QColor(0x50, 0x80, 0xC8));
        p.setPen(Qt::black);
        p.drawRect(QRect(plot.left() + i * step + 3, plot.bottom() - h, step - 6, h));
        if (i % 2 == 0)
            p.drawText(QRect(plot.left() + i * step - 4, plot.bottom() + 4, step + 8, 12), Qt::AlignCenter, QString::number(i + 1));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    for (int i = 0; i < days; ++i) {
        const QPointF pt(plot.left() + i * step + step / 2.0, plot.bottom() - responses[i] * plot.height() / 50);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    for (int i = 0; i < days; ++i) {
        const QPointF pt(plot.left() + i * step + step / 2.0, plot.bottom() - responses[i] * plot.height() / 50);
        p.setBrush(QColor(0xC0, 0x20, 0x20));
        p.drawEllipse(pt, 2.5, 2.5);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setFont(f);
    p.drawText(QRect(plot.left(), plot.bottom() + 18, plot.width(), 14), Qt::AlignCenter, QStringLiteral("Working day of the month"));
    legend(p, QRect(476, 56, 112, 60), {QStringLiteral("Calls"), QStringLiteral("Responses")},
           {QColor(0x50, 0x80, 0xC8), QColor(0xC0, 0x20, 0x20)}, QStringLiteral("October 1997"));
    p.setFont(f);
    p.drawText(QRect(476, 130, 120, 60), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Total calls  %1\nResponses    %2\nAverage      %3")
                   .arg(std::accumulate(std::begin(calls), std::end(calls), 0.0))
                   .arg(std::accumulate(std::begin(responses), std::end(responses), 0.0))
                   .arg(std::accumulate(std::begin(calls), std::end(calls), 0.0) / days, 0, 'f', 1));
    const QStringList options = {QStringLiteral("Daily"), QStringLiteral("Weekly"), QStringLiteral("Print"), QStringLiteral("Close")};
    for (int i = 0; i < options.size(); ++i)
        button(p, QRect(484, 214 + i * 32, 96, 25), options[i]);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("forms/images");
    QDir().mkpath(dir);
    bool ok = campaignResults().save(dir + QStringLiteral("/campaign_results.png"));
    ok = userCallsGraph().save(dir + QStringLiteral("/user_calls_graph.png")) && ok;
    if (!ok) {
        std::fprintf(stderr, "could not write the pictures into %s\n", qPrintable(dir));
        return 1;
    }
    return 0;
}
