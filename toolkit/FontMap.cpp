#include "toolkit/FontMap.h"

#include <QApplication>

QString FontMap::family(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == u"ms sans serif" || n == u"system" || n == u"arial" || n == u"ms shell dlg" || n == u"tahoma")
        return QStringLiteral("Liberation Sans");
    if (n == u"times new roman" || n == u"times" || n == u"ms serif")
        return QStringLiteral("Liberation Serif");
    if (n == u"courier new" || n == u"courier" || n == u"fixedsys")
        return QStringLiteral("Liberation Mono");
    return name;
}

int FontMap::pixelSize(int height)
{
    if (height < 0)
        return -height;
    if (height > 0)
        return qMax(1, (height * 4 + 2) / 5);
    return 11;
}

QFont FontMap::font(const QString &name, int height, Tk::TFontStyles style)
{
    QFont f(family(name));
    int px = pixelSize(height);
    // The classic dialog face is a narrow bitmap font: its texts take the
    // widths of the outline face one pixel in eleven smaller, so that
    // captions and memo lines laid out for it keep to their places.
    if (name.trimmed().compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0)
        px = qMax(1, qRound(px * 10.0 / 11.0));
    f.setPixelSize(px);
    // The platform's "System" font is a bold face at every size.
    const bool system = name.trimmed().compare(u"System", Qt::CaseInsensitive) == 0;
    f.setBold(system || style.testFlag(Tk::TFontStyle::fsBold));
    f.setItalic(style.testFlag(Tk::TFontStyle::fsItalic));
    f.setUnderline(style.testFlag(Tk::TFontStyle::fsUnderline));
    f.setStrikeOut(style.testFlag(Tk::TFontStyle::fsStrikeOut));
    f.setStyleStrategy(QFont::PreferMatch);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void FontMap::install()
{
    for (const char *name : {"MS Sans Serif", "System", "Arial", "Times New Roman", "Courier New", "MS Shell Dlg"})
        QFont::insertSubstitution(QString::fromLatin1(name), family(QString::fromLatin1(name)));
    if (QCoreApplication::instance())
        QApplication::setFont(font(QStringLiteral("MS Sans Serif"), -11, {}));
}
