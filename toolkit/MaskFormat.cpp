#include "toolkit/MaskFormat.h"

namespace {

// Splits at ';' that no backslash escapes.
QStringList splitFields(const QString &mask)
{
    QStringList fields;
    QString field;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == u'\\' && i + 1 < mask.size()) {
            field += c;
            field += mask.at(++i);
        } else if (c == u';') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

bool isQtMaskCharacter(QChar c)
{
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{};");
    return special.contains(c);
}

} // namespace

MaskFormat MaskFormat::parse(const QString &mask, QChar dateSeparator, QChar timeSeparator)
{
    MaskFormat m;
    const QStringList fields = splitFields(mask);
    if (fields.size() > 1 && fields.at(1).trimmed() == u"0")
        m.m_saveLiterals = false;
    if (fields.size() > 2 && !fields.at(2).isEmpty())
        m.m_blank = fields.at(2).at(0);

    const QString &body = fields.at(0);
    Case charCase = Case::AsTyped;
    auto data = [&](Kind kind, bool required) { m.m_positions.append({kind, required, QChar(), charCase}); };
    auto literal = [&](QChar c) { m.m_positions.append({Kind::Literal, false, c, charCase}); };
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        switch (c.unicode()) {
        case u'!': m.m_leadingBlanks = true; break;
        case u'>': charCase = Case::Upper; break;
        case u'<':
            if (i + 1 < body.size() && body.at(i + 1) == u'>') {
                charCase = Case::AsTyped;
                ++i;
            } else {
                charCase = Case::Lower;
            }
            break;
        case u'\\':
            if (i + 1 < body.size())
                literal(body.at(++i));
            break;
        case u'0': data(Kind::Digit, true); break;
        case u'9': data(Kind::Digit, false); break;
        case u'#': data(Kind::DigitOrSign, false); break;
        case u'L': data(Kind::Letter, true); break;
        case u'l': data(Kind::Letter, false); break;
        case u'A': data(Kind::LetterOrDigit, true); break;
        case u'a': data(Kind::LetterOrDigit, false); break;
        case u'C': data(Kind::Any, true); break;
        case u'c': data(Kind::Any, false); break;
        case u'/': literal(dateSeparator); break;
        case u':': literal(timeSeparator); break;
        case u'_': literal(u' '); break;
        default: literal(c); break;
        }
    }
    return m;
}

QString MaskFormat::qtInputMask() const
{
    if (isEmpty())
        return QString();
    QString out;
    Case charCase = Case::AsTyped;
    for (const Position &p : m_positions) {
        if (p.charCase != charCase) {
            charCase = p.charCase;
            out += charCase == Case::Upper ? u'>' : charCase == Case::Lower ? u'<' : u'!';
        }
        switch (p.kind) {
        case Kind::Literal:
            if (isQtMaskCharacter(p.literal))
                out += u'\\';
            out += p.literal;
            break;
        // Qt's 9 is a required digit and its 0 an optional one.
        case Kind::Digit: out += p.required ? u'9' : u'0'; break;
        case Kind::DigitOrSign: out += u'#'; break;
        case Kind::Letter: out += p.required ? u'A' : u'a'; break;
        case Kind::LetterOrDigit: out += p.required ? u'N' : u'n'; break;
        case Kind::Any: out += p.required ? u'X' : u'x'; break;
        }
    }
    out += u';';
    out += m_blank;
    return out;
}

QChar MaskFormat::convert(int pos, QChar c) const
{
    switch (m_positions.at(pos).charCase) {
    case Case::Upper: return c.toUpper();
    case Case::Lower: return c.toLower();
    case Case::AsTyped: break;
    }
    return c;
}

bool MaskFormat::accepts(int pos, QChar c) const
{
    if (pos < 0 || pos >= size() || c.isSpace())
        return false;
    switch (m_positions.at(pos).kind) {
    case Kind::Literal: return false;
    case Kind::Digit: return c.isDigit();
    case Kind::DigitOrSign: return c.isDigit() || c == u'+' || c == u'-';
    case Kind::Letter: return c.isLetter();
    case Kind::LetterOrDigit: return c.isLetterOrNumber();
    case Kind::Any: return c.isPrint();
    }
    return false;
}

QString MaskFormat::blankCells() const
{
    QString cells;
    cells.reserve(size());
    for (const Position &p : m_positions)
        cells += p.kind == Kind::Literal ? p.literal : QChar(u' ');
    return cells;
}

QString MaskFormat::cellsFromDisplay(const QString &display) const
{
    QString cells = blankCells();
    for (int i = 0; i < size() && i < display.size(); ++i) {
        const QChar c = display.at(i);
        if (isData(i) && c != m_blank && accepts(i, c))
            cells[i] = convert(i, c);
    }
    return cells;
}

QString MaskFormat::cellsFromText(const QString &text) const
{
    QString cells = blankCells();
    if (m_saveLiterals) {
        // Position by position; the text's characters at literal positions
        // are not looked at.
        for (int i = 0; i < size() && i < text.size(); ++i) {
            if (isData(i) && accepts(i, text.at(i)))
                cells[i] = convert(i, text.at(i));
        }
        return cells;
    }
    QList<int> data;
    for (int i = 0; i < size(); ++i) {
        if (isData(i))
            data << i;
    }
    QString chars = text.left(data.size());
    if (m_leadingBlanks && chars.size() < data.size())
        chars = QString(data.size() - chars.size(), u' ') + chars;
    for (int k = 0; k < chars.size(); ++k) {
        const int pos = data.at(k);
        if (accepts(pos, chars.at(k)))
            cells[pos] = convert(pos, chars.at(k));
    }
    return cells;
}

QString MaskFormat::textFromCells(const QString &cells) const
{
    if (m_saveLiterals)
        return cells;
    QString text;
    for (int i = 0; i < size() && i < cells.size(); ++i) {
        if (isData(i))
            text += cells.at(i);
    }
    return text;
}

bool MaskFormat::isBlank(const QString &cells) const
{
    for (int i = 0; i < size() && i < cells.size(); ++i) {
        if (isData(i) && cells.at(i) != u' ')
            return false;
    }
    return true;
}

bool MaskFormat::isComplete(const QString &cells) const
{
    return firstMissing(cells) < 0;
}

int MaskFormat::firstMissing(const QString &cells) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_positions.at(i).required && (i >= cells.size() || cells.at(i) == u' '))
            return i;
    }
    return -1;
}
