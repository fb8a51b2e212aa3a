#include "toolkit/ClassicStyle.h"

#include "toolkit/Bevels.h"

#include <QPainter>
#include <QPixmapCache>
#include <QPolygon>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

ClassicStyle::ClassicStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
}

namespace {

// The face of a button: a checked one that is not held down shows the
// classic dotted light pattern, any other the button colour.
QBrush buttonFace(const QStyleOption &option, bool checkedLook)
{
    return checkedLook ? QBrush(option.palette.light().color(), Qt::Dense4Pattern) : option.palette.brush(QPalette::Button);
}

// Draws `element` as the base style does, from a picture drawn once for its
// size, state and colours: the round radio indicator is drawn with
// antialiased paths, which cost far more than copying the pixels. Only where
// the painter's pixels are whole pixels of the device, so that the copy
// stands where drawing would; false where it drew nothing. The copy is within
// a level or two of drawing, where antialiased edges are blended twice.
bool drawRemembered(const QStyle &base, QStyle::PrimitiveElement element, const QStyleOption &option,
                    QPainter *painter, const QWidget *widget)
{
    const QTransform &transform = painter->deviceTransform();
    const qreal ratio = painter->device()->devicePixelRatio();
    if (transform.type() > QTransform::TxScale || ratio != qRound(ratio) || transform.m11() != ratio
        || transform.m22() != ratio || transform.dx() != qRound(transform.dx()) || transform.dy() != qRound(transform.dy())
        || option.rect.isEmpty())
        return false;
    const QStyle::State kept = QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange | QStyle::State_Sunken
        | QStyle::State_Enabled;
    QString key = QStringLiteral("ravik-indicator-%1-%2-%3x%4-%5")
                      .arg(int(element))
                      .arg(int(option.state & kept))
                      .arg(option.rect.width())
                      .arg(option.rect.height())
                      .arg(ratio);
    for (const auto role : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow,
                            QPalette::Base, QPalette::Button, QPalette::Text, QPalette::WindowText, QPalette::Window})
        key += u'-' + QString::number(option.palette.color(role).rgba(), 16);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(option.rect.size() * int(ratio));
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOption at(option);
        at.rect.moveTo(0, 0);
        QPainter p(&picture);
        base.drawPrimitive(element, &at, &p, widget);
        p.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(option.rect.topLeft(), picture);
    return true;
}

} // namespace

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    switch (element) {
    case PE_IndicatorArrowUp:
    case PE_IndicatorArrowDown:
    case PE_IndicatorArrowLeft:
    case PE_IndicatorArrowRight: {
        const QRect r = option->rect;
        if (r.width() <= 1 || r.height() <= 1)
            return;
        // A solid triangle as the classic arrows are (7 pixels wide and 4
        // deep in a scroll bar's button), centred, moved while pressed.
        const int half = std::clamp(std::min(r.width(), r.height()) / 2, 2, 3);
        QPoint c = r.center();
        if (option->state & State_Sunken)
            c += QPoint(proxy()->pixelMetric(PM_ButtonShiftHorizontal, option, widget),
                        proxy()->pixelMetric(PM_ButtonShiftVertical, option, widget));
        const int base = -(half + 1) / 2;   // offset of the base from the centre
        QPolygon triangle;
        switch (element) {
        case PE_IndicatorArrowUp:
            triangle << QPoint(c.x() - half, c.y() - base) << QPoint(c.x() + half, c.y() - base)
                     << QPoint(c.x(), c.y() - base - half);
            break;
        case PE_IndicatorArrowDown:
            triangle << QPoint(c.x() - half, c.y() + base) << QPoint(c.x() + half, c.y() + base)
                     << QPoint(c.x(), c.y() + base + half);
            break;
        case PE_IndicatorArrowLeft:
            triangle << QPoint(c.x() - base, c.y() - half) << QPoint(c.x() - base, c.y() + half)
                     << QPoint(c.x() - base - half, c.y());
            break;
        default:
            triangle << QPoint(c.x() + base, c.y() - half) << QPoint(c.x() + base, c.y() + half)
                     << QPoint(c.x() + base + half, c.y());
            break;
        }
        const QColor colour = option->palette.color(option->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                                                    QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        if (!(option->state & State_Enabled)) {
            // The classic disabled look: grey over a white shadow.
            painter->setPen(option->palette.color(QPalette::Light));
            painter->setBrush(option->palette.color(QPalette::Light));
            painter->drawPolygon(triangle.translated(1, 1));
        }
        painter->setPen(colour);
        painter->setBrush(colour);
        painter->drawPolygon(triangle);
        painter->restore();
        return;
    }
    case PE_Frame:
    case PE_FrameLineEdit:
        if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option)) {
            drawFrameEdges(*frame, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_PanelLineEdit:
        if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option); frame && frame->lineWidth > 0) {
            const int w = frame->lineWidth;
            painter->fillRect(frame->rect.adjusted(w, w, -w, -w), frame->palette.brush(QPalette::Base));
            drawFrameEdges(*frame, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_PanelButtonTool:
        if (!(option->state & State_AutoRaise)) {
            const State state = option->state;
            const QBrush fill = buttonFace(*option, !(state & State_Sunken) && (state & State_On));
            if (state & (State_Raised | State_Sunken | State_On))
                Bevels::winButton(*painter, option->rect, option->palette, state & (State_Sunken | State_On), &fill);
            else
                painter->fillRect(option->rect, fill);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_PanelButtonCommand:
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
            const State state = option->state;
            const bool pressedDefault = (button->features & QStyleOptionButton::DefaultButton) && (state & State_Sunken);
            if (!pressedDefault && (state & (State_Raised | State_On | State_Sunken))) {
                const QBrush fill = buttonFace(*option, !(state & State_Sunken) && (state & State_On));
                Bevels::winButton(*painter, option->rect, option->palette, state & (State_Sunken | State_On), &fill);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_IndicatorRadioButton:
        if (!drawRemembered(*baseStyle(), element, *option, painter, widget))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ClassicStyle::drawFrameEdges(const QStyleOptionFrame &frame, QPainter *painter)
{
    // A raised frame has a button's edges, a sunken one a panel's with the
    // window colour inside, and a plain one a raised panel's.
    if (frame.state & State_Raised) {
        Bevels::winButton(*painter, frame.rect, frame.palette, frame.state & State_Sunken);
    } else if (frame.state & State_Sunken) {
        QPalette palette = frame.palette;
        palette.setColor(QPalette::Midlight, frame.palette.window().color());
        Bevels::winPanel(*painter, frame.rect, palette, true);
    } else {
        Bevels::winPanel(*painter, frame.rect, frame.palette, false);
    }
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == CE_HeaderSection && (option->state & (State_Raised | State_Sunken))) {
        const QBrush fill = buttonFace(*option, option->state & State_On);
        Bevels::winButton(*painter, option->rect, option->palette, option->state & State_Sunken, &fill);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
