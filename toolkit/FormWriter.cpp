#include "toolkit/FormWriter.h"

#include "toolkit/Component.h"
#include "toolkit/Filer.h"
#include "toolkit/TForm.h"
#include "toolkit/OpenEnums.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QWidget>

namespace {

QString quoted(const QString &s)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            out += c;
            out += s.at(++i);
            continue;
        }
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default:
            if (c.isSurrogate())
                out += QChar(QChar::ReplacementCharacter);   // a lone half is no character
            else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16);
            else
                out += c;
        }
    }
    return out + u'"';
}

QString hexBytes(const QByteArray &bytes)
{
    QString out = QStringLiteral("<");
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            out += (i % 32 == 0) ? QStringLiteral("\n") : QStringLiteral(" ");
        out += QStringLiteral("%1").arg(quint8(bytes.at(i)), 2, 16, QLatin1Char('0'));
    }
    return out + u'>';
}

class CollectFiler : public Filer
{
public:
    struct Entry {
        QByteArray name;
        QString text;
    };
    void defineInteger(const QByteArray &name, const std::function<void(qint64)> &, const std::function<qint64()> &write,
                       bool stored) override
    {
        if (stored && write)
            entries.push_back({name, QString::number(write())});
    }
    void defineBinary(const QByteArray &name, const std::function<void(const QByteArray &)> &,
                      const std::function<QByteArray()> &write, bool stored) override
    {
        if (stored && write)
            entries.push_back({name, hexBytes(write())});
    }
    std::vector<Entry> entries;
};

class Writer
{
public:
    explicit Writer(const QObject *root)
        : m_root(root)
        , m_rootComponent(Component::from(root))
    {
    }

    QString run()
    {
        writeBlock(m_root, 0);
        return m_out;
    }

private:
    void line(int depth, const QString &text)
    {
        m_out += QString(depth * 2, u' ');
        m_out += text;
        m_out += u'\n';
    }

    // The component whose block holds `o`: its nearest widget ancestor that
    // is the root or a component of the root, or the component it names.
    const QObject *blockParent(const QObject *o) const
    {
        if (const Component *c = Component::from(o)) {
            if (QObject *p = c->definitionParent())
                return p;
        }
        if (o->isWidgetType()) {
            for (const QWidget *w = static_cast<const QWidget *>(o)->parentWidget(); w; w = w->parentWidget()) {
                if (w == m_root)
                    return m_root;
                if (const Component *c = Component::from(w); c && c->owner() == m_root)
                    return w;
            }
        }
        return m_root;
    }

    void writeBlock(const QObject *o, int depth)
    {
        line(depth, QStringLiteral("%1: %2 {").arg(o->objectName(), QString::fromLatin1(o->metaObject()->className())));
        writeProperties(o, QByteArray(), depth + 1);
        if (const Component *c = Component::from(o)) {
            for (const QByteArray &event : c->boundEvents())
                line(depth + 1, QStringLiteral("%1 = %2").arg(QString::fromLatin1(event), QString::fromLatin1(c->handlerName(event))));
        }
        if (m_rootComponent) {
            for (int i = 0; i < m_rootComponent->componentCount(); ++i) {
                const QObject *child = m_rootComponent->componentAt(i);
                if (!child || child->objectName().isEmpty() || qobject_cast<const TForm *>(child))
                    continue;
                if (blockParent(child) == o)
                    writeBlock(child, depth + 1);
            }
        }
        line(depth, QStringLiteral("}"));
    }

    // Published properties first, then the values the object stores itself.
    void writeProperties(const QObject *o, const QByteArray &prefix, int depth)
    {
        const auto *persistent = dynamic_cast<const Persistent *>(o);
        const QMetaObject *mo = o->metaObject();
        for (int i = 0; i < mo->propertyCount(); ++i) {
            const QMetaProperty mp = mo->property(i);
            const QByteArray name = mp.name();
            if (name.isEmpty() || name.at(0) < 'A' || name.at(0) > 'Z' || !mp.isStored())
                continue;
            if (persistent && !persistent->storesProperty(name.constData()))
                continue;
            const QMetaType type = mp.metaType();
            const QVariant value = mp.read(o);
            if (type.flags().testFlag(QMetaType::PointerToQObject)) {
                QObject *target = value.value<QObject *>();
                if (!target)
                    continue;
                if (!Component::from(target) && target->parent() == o) {
                    writeProperties(target, prefix + name + '.', depth);
                } else if (mp.isWritable() && !target->objectName().isEmpty()) {
                    line(depth, QStringLiteral("%1 = %2").arg(QString::fromLatin1(prefix + name), target->objectName()));
                }
                continue;
            }
            if (!mp.isWritable())
                continue;
            const QString text = format(mp, value);
            if (!text.isNull())
                line(depth, QStringLiteral("%1 = %2").arg(QString::fromLatin1(prefix + name), text));
        }
        if (persistent) {
            CollectFiler filer;
            const_cast<Persistent *>(persistent)->defineProperties(filer);
            for (const auto &e : filer.entries)
                line(depth, QStringLiteral("%1 = %2").arg(QString::fromLatin1(prefix + e.name), e.text));
        }
    }

    static QString format(const QMetaProperty &mp, const QVariant &value)
    {
        const QMetaType type = mp.metaType();
        if (mp.isFlagType()) {
            const QMetaEnum me = mp.enumerator();
            const int bits = value.toInt();
            QStringList names;
            for (int k = 0; k < me.keyCount(); ++k) {
                const int v = me.value(k);
                if (v != 0 && (bits & v) == v)
                    names << QString::fromLatin1(me.key(k));
            }
            return u'[' + names.join(QStringLiteral(", ")) + u']';
        }
        if (mp.isEnumType()) {
            const QMetaEnum me = mp.enumerator();
            int v = 0;
            const QVariant copy = value;
            v = *static_cast<const int *>(copy.constData());
            if (const char *key = me.valueToKey(v))
                return QString::fromLatin1(key);
            if (OpenEnums::acceptsIntegers(me))
                return QStringLiteral("0x%1").arg(quint32(v), 6, 16, QLatin1Char('0'));
            return QString::number(v);
        }
        switch (type.id()) {
        case QMetaType::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::SChar:
        case QMetaType::LongLong: return QString::number(value.toLongLong());
        case QMetaType::UInt:
        case QMetaType::UShort:
        case QMetaType::UChar: return QString::number(value.toULongLong());
        case QMetaType::Double: return QString::number(qRound64(value.toDouble()));
        case QMetaType::QString: return quoted(value.toString());
        case QMetaType::QByteArray: return hexBytes(value.toByteArray());
        case QMetaType::QStringList: {
            QStringList parts;
            for (const QString &s : value.toStringList())
                parts << quoted(s);
            return u'(' + parts.join(QStringLiteral(", ")) + u')';
        }
        default:
            if (type == QMetaType::fromType<QList<int>>()) {
                QStringList parts;
                for (int n : value.value<QList<int>>())
                    parts << QString::number(n);
                return u'(' + parts.join(QStringLiteral(", ")) + u')';
            }
            return QString();
        }
    }

    const QObject *m_root;
    const Component *m_rootComponent;
    QString m_out;
};

} // namespace

QString FormWriter::write(const QObject *root)
{
    return Writer(root).run();
}
