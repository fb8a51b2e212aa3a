#include "wizard/CaptionFormat.h"

namespace {

class Formatter
{
public:
    Formatter(const QString &pattern, const QList<int> &args)
        : m_pattern(pattern)
        , m_args(args)
    {
    }

    std::optional<QString> run(QString *error)
    {
        QString out;
        while (m_pos < m_pattern.size()) {
            const QChar c = m_pattern.at(m_pos++);
            if (c != u'%') {
                out += c;
                continue;
            }
            if (peek() == u'%') {
                ++m_pos;
                out += u'%';
                continue;
            }
            if (!conversion(out)) {
                if (error)
                    *error = m_error;
                return std::nullopt;
            }
        }
        return out;
    }

private:
    QChar peek() const { return m_pos < m_pattern.size() ? m_pattern.at(m_pos) : QChar(); }

    bool fail(const QString &message)
    {
        m_error = message;
        return false;
    }

    // A run of digits, or * for the next argument; -1 when there is neither.
    bool number(int *value)
    {
        *value = -1;
        if (peek() == u'*') {
            ++m_pos;
            return nextArgument(value);
        }
        qint64 n = -1;
        while (peek().isDigit()) {
            n = std::max<qint64>(n, 0) * 10 + peek().digitValue();
            if (n > 9999)
                return fail(QStringLiteral("a width or precision above 9999"));
            ++m_pos;
        }
        *value = int(n);
        return true;
    }

    bool nextArgument(int *value)
    {
        if (m_next >= m_args.size())
            return fail(QStringLiteral("more conversions than the %1 integers given").arg(m_args.size()));
        *value = m_args.at(m_next++);
        return true;
    }

    bool conversion(QString &out)
    {
        const qsizetype start = m_pos - 1;
        int first = -1;
        if (!number(&first))
            return false;
        if (peek() == u':') {
            ++m_pos;
            if (first < 0 || first >= m_args.size())
                return fail(QStringLiteral("argument index %1 is outside the %2 integers given").arg(first).arg(m_args.size()));
            m_next = first;
            first = -1;
        }
        const bool leftJustify = peek() == u'-';
        if (leftJustify)
            ++m_pos;
        int width = first;
        if (width < 0 && !number(&width))
            return false;
        int precision = -1;
        if (peek() == u'.') {
            ++m_pos;
            if (!number(&precision))
                return false;
        }
        if (m_pos >= m_pattern.size())
            return fail(QStringLiteral("the conversion at position %1 has no type").arg(start + 1));
        const QChar type = m_pattern.at(m_pos++).toLower();
        if (type != u'd' && type != u'u' && type != u'x')
            return fail(QStringLiteral("%%%1 does not take an integer").arg(type));
        int value = 0;
        if (!nextArgument(&value))
            return false;

        QString digits;
        bool negative = false;
        if (type == u'd') {
            negative = value < 0;
            digits = QString::number(qAbs(qint64(value)));
        } else if (type == u'u') {
            digits = QString::number(quint32(value));
        } else {
            digits = QString::number(quint32(value), 16).toUpper();
        }
        if (precision > digits.size())
            digits = QString(precision - digits.size(), u'0') + digits;
        if (negative)
            digits.prepend(u'-');
        if (width > digits.size()) {
            const QString pad(width - digits.size(), u' ');
            digits = leftJustify ? digits + pad : pad + digits;
        }
        out += digits;
        return true;
    }

    const QString &m_pattern;
    const QList<int> &m_args;
    qsizetype m_pos = 0;
    qsizetype m_next = 0;
    QString m_error;
};

} // namespace

std::optional<QString> CaptionFormat::format(const QString &pattern, const QList<int> &args, QString *error)
{
    return Formatter(pattern, args).run(error);
}
