#include "toolkit/DefinitionParser.h"

#include <limits>

QString DefValue::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Integer: return QStringLiteral("an integer");
    case Kind::String: return QStringLiteral("a string");
    case Kind::Identifier: return QStringLiteral("an identifier");
    case Kind::Set: return QStringLiteral("a set");
    case Kind::List: return QStringLiteral("a list");
    case Kind::Binary: return QStringLiteral("a binary value");
    }
    return {};
}

namespace {

// Nesting deeper than this is refused rather than risking the stack.
constexpr int MaxDepth = 200;

class Parser
{
public:
    Parser(const QString &text, const QString &file)
        : m_text(text)
        , m_file(file)
    {
    }

    DefNode parseFile()
    {
        skipSpace();
        DefNode root = parseBlock(0);
        skipSpace();
        if (!atEnd())
            fail(QStringLiteral("expected the end of the definition after the root block"));
        return root;
    }

private:
    [[noreturn]] void fail(const QString &message) const { throw DefinitionError(m_file, m_line, m_column, message); }
    [[noreturn]] void failAt(int line, int column, const QString &message) const
    {
        throw DefinitionError(m_file, line, column, message);
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek(int ahead = 0) const
    {
        const qsizetype p = m_pos + ahead;
        return p < m_text.size() ? m_text.at(p) : QChar();
    }
    QChar take()
    {
        const QChar c = m_text.at(m_pos++);
        if (c == u'\n') {
            ++m_line;
            m_column = 1;
        } else {
            ++m_column;
        }
        return c;
    }

    // The scanning loops below look at the characters directly and keep the
    // line and column as take() does; plain ASCII is decided without Unicode
    // tables, which a form definition is almost entirely made of.
    void skipSpace()
    {
        const QChar *d = m_text.constData();
        const qsizetype n = m_text.size();
        while (m_pos < n) {
            const char16_t c = d[m_pos].unicode();
            if (c == u'\n') {
                ++m_line;
                m_column = 1;
            } else if (c == u' ' || c == u'\t' || c == u'\r') {
                ++m_column;
            } else if (c == u'#') {
                while (m_pos < n && d[m_pos].unicode() != u'\n') {
                    ++m_pos;
                    ++m_column;
                }
                continue;
            } else if (!QChar(c).isSpace()) {
                return;
            } else {
                ++m_column;
            }
            ++m_pos;
        }
    }

    static bool isAsciiLetter(char16_t c) { return (c | 0x20) >= u'a' && (c | 0x20) <= u'z'; }
    static bool isIdentStart(QChar c)
    {
        const char16_t u = c.unicode();
        return u < 0x80 ? isAsciiLetter(u) || u == u'_' : c.isLetter();
    }
    static bool isIdentPart(QChar c)
    {
        const char16_t u = c.unicode();
        return u < 0x80 ? isAsciiLetter(u) || (u >= u'0' && u <= u'9') || u == u'_' : c.isLetterOrNumber();
    }

    QString describeHere() const
    {
        if (atEnd())
            return QStringLiteral("the end of the definition");
        const QChar c = peek();
        if (c == u'\n')
            return QStringLiteral("the end of the line");
        return QStringLiteral("'%1'").arg(c);
    }

    void expect(QChar c, const char *what)
    {
        skipSpace();
        if (atEnd() || peek() != c)
            fail(QStringLiteral("expected %1 but found %2").arg(QLatin1String(what), describeHere()));
        take();
    }

    QString identifier(const char *what)
    {
        skipSpace();
        if (atEnd() || !isIdentStart(peek()))
            fail(QStringLiteral("expected %1 but found %2").arg(QLatin1String(what), describeHere()));
        const qsizetype start = m_pos;
        const QChar *d = m_text.constData();
        while (m_pos < m_text.size() && isIdentPart(d[m_pos]))
            ++m_pos;
        m_column += int(m_pos - start);
        return m_text.mid(start, m_pos - start);
    }

    DefNode parseBlock(int depth)
    {
        if (depth > MaxDepth)
            fail(QStringLiteral("blocks are nested too deeply"));
        DefNode node;
        skipSpace();
        node.line = m_line;
        node.column = m_column;
        node.name = identifier("a component name");
        expect(u':', "':' after the component name");
        node.className = identifier("a class name").toLatin1();
        expect(u'{', "'{' to open the block");
        for (;;) {
            skipSpace();
            if (atEnd())
                failAt(node.line, node.column, QStringLiteral("the block of %1 is not closed with '}'").arg(node.name));
            if (peek() == u'}') {
                take();
                return node;
            }
            const int line = m_line;
            const int column = m_column;
            const QString first = identifier("a property name, a component block or '}'");
            skipSpace();
            if (!atEnd() && peek() == u':') {
                // A nested component block: rewind to its name.
                m_pos -= first.size();
                m_line = line;
                m_column = column;
                node.children.push_back(parseBlock(depth + 1));
                continue;
            }
            DefProperty prop;
            prop.line = line;
            prop.column = column;
            QString name = first;
            while (!atEnd() && peek() == u'.') {
                take();
                name += u'.';
                name += identifier("a property name after '.'");
                skipSpace();
            }
            prop.name = name.toLatin1();
            expect(u'=', "'=' after the property name");
            prop.value = parseValue(depth);
            node.properties.push_back(std::move(prop));
        }
    }

    DefValue parseValue(int depth)
    {
        if (depth > MaxDepth)
            fail(QStringLiteral("values are nested too deeply"));
        skipSpace();
        DefValue v;
        v.line = m_line;
        v.column = m_column;
        if (atEnd())
            fail(QStringLiteral("expected a value but found the end of the definition"));
        const QChar c = peek();
        if (c == u'"') {
            v.kind = DefValue::Kind::String;
            v.text = parseString();
        } else if (c == u'-' || c.isDigit()) {
            v.kind = DefValue::Kind::Integer;
            v.integer = parseInteger();
        } else if (isIdentStart(c)) {
            v.kind = DefValue::Kind::Identifier;
            v.text = identifier("an identifier");
            // Dotted identifiers name a component of another form: "Form1.Panel1".
            while (!atEnd() && peek() == u'.') {
                take();
                v.text += u'.';
                v.text += identifier("a name after '.'");
            }
        } else if (c == u'[') {
            v.kind = DefValue::Kind::Set;
            take();
            skipSpace();
            if (!atEnd() && peek() == u']') {
                take();
            } else {
                for (;;) {
                    v.names << identifier("a set element");
                    skipSpace();
                    if (!atEnd() && peek() == u',') {
                        take();
                        continue;
                    }
                    expect(u']', "',' or ']' in the set");
                    break;
                }
            }
        } else if (c == u'(') {
            v.kind = DefValue::Kind::List;
            take();
            skipSpace();
            if (!atEnd() && peek() == u')') {
                take();
            } else {
                for (;;) {
                    DefValue item = parseValue(depth + 1);
                    if (item.kind != DefValue::Kind::Integer && item.kind != DefValue::Kind::String
                        && item.kind != DefValue::Kind::Identifier)
                        failAt(item.line, item.column,
                               QStringLiteral("a list holds integers, strings or identifiers, not %1")
                                   .arg(DefValue::kindName(item.kind)));
                    v.items.push_back(std::move(item));
                    skipSpace();
                    if (!atEnd() && peek() == u',') {
                        take();
                        continue;
                    }
                    expect(u')', "',' or ')' in the list");
                    break;
                }
            }
        } else if (c == u'<') {
            v.kind = DefValue::Kind::Binary;
            v.bytes = parseBinary();
        } else {
            fail(QStringLiteral("expected a value but found %1").arg(describeHere()));
        }
        return v;
    }

    static int hexDigit(QChar c)
    {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            return u - '0';
        if (u >= 'a' && u <= 'f')
            return u - 'a' + 10;
        if (u >= 'A' && u <= 'F')
            return u - 'A' + 10;
        return -1;
    }

    qint64 parseInteger()
    {
        const int line = m_line;
        const int column = m_column;
        bool negative = false;
        if (peek() == u'-') {
            negative = true;
            take();
        }
        if (atEnd() || !peek().isDigit())
            fail(QStringLiteral("expected a digit but found %1").arg(describeHere()));
        quint64 value = 0;
        const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
        int base = 10;
        if (peek() == u'0' && (peek(1) == u'x' || peek(1) == u'X')) {
            take();
            take();
            base = 16;
            if (atEnd() || hexDigit(peek()) < 0)
                fail(QStringLiteral("expected a hexadecimal digit after 0x but found %1").arg(describeHere()));
        }
        while (!atEnd()) {
            const char16_t u = peek().unicode();
            const int d = base == 16 ? hexDigit(peek()) : (u >= u'0' && u <= u'9' ? int(u - u'0') : -1);
            if (d < 0)
                break;
            if (value > (limit - quint64(d)) / quint64(base))
                failAt(line, column, QStringLiteral("the integer is too large"));
            value = value * quint64(base) + quint64(d);
            ++m_pos; // a digit, never a line break
            ++m_column;
        }
        if (!atEnd() && isIdentPart(peek()))
            fail(QStringLiteral("expected the end of the integer but found %1").arg(describeHere()));
        if (negative)
            return value == quint64(std::numeric_limits<qint64>::max()) + 1 ? std::numeric_limits<qint64>::min()
                                                                            : -qint64(value);
        return qint64(value);
    }

    QString parseString()
    {
        const int line = m_line;
        const int column = m_column;
        take(); // opening quote
        QString s;
        const QChar *d = m_text.constData();
        for (;;) {
            // A run of plain characters is copied at once.
            const qsizetype start = m_pos;
            while (m_pos < m_text.size()) {
                const char16_t u = d[m_pos].unicode();
                if (u == u'"' || u == u'\\' || u == u'\n')
                    break;
                ++m_pos;
            }
            if (m_pos > start) {
                s.append(d + start, m_pos - start);
                m_column += int(m_pos - start);
            }
            if (atEnd() || peek() == u'\n')
                failAt(line, column, QStringLiteral("the string is not closed on its line"));
            const QChar c = take();
            if (c == u'"')
                return s;
            if (c != u'\\') {
                s += c;
                continue;
            }
            if (atEnd())
                failAt(line, column, QStringLiteral("the string is not closed on its line"));
            const int escLine = m_line;
            const int escColumn = m_column - 1;
            const QChar e = take();
            switch (e.unicode()) {
            case '"': s += u'"'; break;
            case '\\': s += u'\\'; break;
            case 'n': s += u'\n'; break;
            case 't': s += u'\t'; break;
            case 'r': s += u'\r'; break;
            case 'u': {
                if (atEnd() || peek() != u'{')
                    failAt(escLine, escColumn, QStringLiteral("expected '{' after \\u"));
                take();
                char32_t code = 0;
                int digits = 0;
                while (!atEnd() && hexDigit(peek()) >= 0) {
                    code = code * 16 + char32_t(hexDigit(take()));
                    if (++digits > 6)
                        failAt(escLine, escColumn, QStringLiteral("too many digits in \\u{...}"));
                }
                if (atEnd() || peek() != u'}' || digits == 0)
                    failAt(escLine, escColumn, QStringLiteral("expected hexadecimal digits and '}' in \\u{...}"));
                take();
                if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    failAt(escLine, escColumn, QStringLiteral("\\u{%1} is not a character").arg(quint32(code), 0, 16));
                s += QString::fromUcs4(&code, 1);
                break;
            }
            default:
                failAt(escLine, escColumn, QStringLiteral("unknown escape \\%1 in the string").arg(e));
            }
        }
    }

    QByteArray parseBinary()
    {
        const int line = m_line;
        const int column = m_column;
        take(); // '<'
        QByteArray bytes;
        int pending = -1;
        int pendingLine = 0;
        int pendingColumn = 0;
        for (;;) {
            if (atEnd())
                failAt(line, column, QStringLiteral("the binary value is not closed with '>'"));
            const QChar c = peek();
            if (c == u'>') {
                if (pending >= 0)
                    failAt(pendingLine, pendingColumn,
                           QStringLiteral("odd number of hexadecimal digits in the binary value"));
                take();
                return bytes;
            }
            if (c.isSpace()) {
                if (pending >= 0)
                    failAt(pendingLine, pendingColumn,
                           QStringLiteral("a byte needs two hexadecimal digits before the space"));
                take();
                continue;
            }
            const int d = hexDigit(c);
            if (d < 0)
                fail(QStringLiteral("expected a hexadecimal digit or '>' but found %1").arg(describeHere()));
            if (pending < 0) {
                pending = d;
                pendingLine = m_line;
                pendingColumn = m_column;
            } else {
                bytes.append(char(pending * 16 + d));
                pending = -1;
            }
            ++m_pos; // a digit, never a line break
            ++m_column;
        }
    }

    const QString &m_text;
    QString m_file;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

} // namespace

DefNode DefinitionParser::parse(const QString &text, const QString &fileName)
{
    Parser parser(text, fileName);
    return parser.parseFile();
}
