#include "toolkit/Colors.h"

#include <QApplication>

namespace {
QColor systemColor(int index)
{
    const QPalette p = QApplication::instance() ? QApplication::palette() : Colors::classicPalette();
    switch (index) {
    case 0x00: return QColor(0xC0, 0xC0, 0xC0);                 // scroll bar
    case 0x01: return QColor(0x00, 0x80, 0x80);                 // desktop
    case 0x02: return QColor(0x00, 0x00, 0x80);                 // active caption
    case 0x03: return QColor(0x80, 0x80, 0x80);                 // inactive caption
    case 0x04: return p.color(QPalette::Window);                // menu
    case 0x05: return p.color(QPalette::Base);                  // window
    case 0x06: return QColor(Qt::black);                        // window frame
    case 0x07: return p.color(QPalette::WindowText);            // menu text
    case 0x08: return p.color(QPalette::Text);                  // window text
    case 0x09: return QColor(Qt::white);                        // caption text
    case 0x0A: return p.color(QPalette::Window);                // active border
    case 0x0B: return p.color(QPalette::Window);                // inactive border
    case 0x0C: return QColor(0x80, 0x80, 0x80);                 // application work space
    case 0x0D: return p.color(QPalette::Highlight);
    case 0x0E: return p.color(QPalette::HighlightedText);
    case 0x0F: return p.color(QPalette::Button);                // button face
    case 0x10: return p.color(QPalette::Dark);                  // button shadow
    case 0x11: return p.color(QPalette::Disabled, QPalette::Text);
    case 0x12: return p.color(QPalette::ButtonText);
    case 0x13: return QColor(0xC0, 0xC0, 0xC0);
    case 0x14: return p.color(QPalette::Light);                 // button highlight
    case 0x15: return p.color(QPalette::Shadow);
    case 0x16: return p.color(QPalette::Midlight);
    case 0x17: return p.color(QPalette::ToolTipText);
    case 0x18: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
    }
}
} // namespace

QColor Colors::toQColor(Tk::TColor color)
{
    const quint32 v = quint32(int(color));
    if (v & 0x80000000u)
        return systemColor(int(v & 0xFF));
    if (color == Tk::TColor::clNone || color == Tk::TColor::clDefault)
        return QColor(Qt::transparent);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

Tk::TColor Colors::fromRgb(int red, int green, int blue)
{
    return Tk::TColor((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

bool Colors::isSystemColor(Tk::TColor color)
{
    return quint32(int(color)) & 0x80000000u;
}

QPalette Colors::classicPalette()
{
    const QColor face(0xC0, 0xC0, 0xC0);
    QPalette p(face);
    p.setColor(QPalette::Window, face);
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, face);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    p.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Link, Qt::blue);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Light, Qt::white);
    return p;
}
