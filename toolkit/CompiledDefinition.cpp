#include "toolkit/CompiledDefinition.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr char TreeMagic[] = "RavikDef1";

class TreeWriter
{
public:
    QByteArray bytes{TreeMagic, sizeof TreeMagic};

    void number(qint64 n) { bytes.append(reinterpret_cast<const char *>(&n), sizeof n); }
    void raw(const QByteArray &b)
    {
        number(b.size());
        bytes.append(b);
    }
    void text(const QString &s)
    {
        number(s.size());
        bytes.append(reinterpret_cast<const char *>(s.constData()), s.size() * qsizetype(sizeof(QChar)));
    }
    void value(const DefValue &v)
    {
        number(qint64(v.kind));
        number(v.line);
        number(v.column);
        number(v.integer);
        text(v.text);
        number(v.names.size());
        for (const QString &n : v.names)
            text(n);
        number(qint64(v.items.size()));
        for (const DefValue &item : v.items)
            value(item);
        raw(v.bytes);
    }
    void node(const DefNode &n)
    {
        text(n.name);
        raw(n.className);
        number(n.line);
        number(n.column);
        number(qint64(n.properties.size()));
        for (const DefProperty &p : n.properties) {
            raw(p.name);
            number(p.line);
            number(p.column);
            value(p.value);
        }
        number(qint64(n.children.size()));
        for (const DefNode &child : n.children)
            node(child);
    }
};

class TreeReader
{
public:
    TreeReader(const QByteArray &bytes, const QString &file)
        : m_at(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
        , m_file(file)
    {
        if (m_end - m_at < qsizetype(sizeof TreeMagic) || std::memcmp(m_at, TreeMagic, sizeof TreeMagic) != 0)
            damaged();
        m_at += sizeof TreeMagic;
    }

    void walk(DefVisitor &visitor)
    {
        {
            const DefNode n = block();
            visitor.enter(n);
        }
        for (qint64 i = count(); i > 0; --i)
            walk(visitor);
        visitor.leave();
    }

    void end() const
    {
        if (m_at != m_end)
            damaged();
    }

private:
    // A block's name, class and properties, up to the count of its nested blocks.
    DefNode block()
    {
        DefNode n;
        n.name = text();
        n.className = raw();
        n.line = int(number());
        n.column = int(number());
        n.properties.resize(size_t(count()));
        for (DefProperty &p : n.properties) {
            p.name = raw();
            p.line = int(number());
            p.column = int(number());
            p.value = value();
        }
        return n;
    }

    [[noreturn]] void damaged() const
    {
        throw DefinitionError(m_file, 0, 0, QStringLiteral("the compiled definition is damaged"));
    }
    const char *take(qint64 n)
    {
        if (n < 0 || n > m_end - m_at)
            damaged();
        const char *p = m_at;
        m_at += n;
        return p;
    }
    qint64 number()
    {
        qint64 n;
        std::memcpy(&n, take(sizeof n), sizeof n);
        return n;
    }
    // A count of further entries, each of which takes at least one byte.
    qint64 count()
    {
        const qint64 n = number();
        if (n < 0 || n > m_end - m_at)
            damaged();
        return n;
    }
    QByteArray raw()
    {
        const qint64 n = number();
        return QByteArray(take(n), qsizetype(n));
    }
    QString text()
    {
        const qint64 n = number();
        if (n < 0 || n > (m_end - m_at) / qint64(sizeof(QChar)))
            damaged();
        QString s(qsizetype(n), Qt::Uninitialized);
        std::memcpy(s.data(), take(n * qint64(sizeof(QChar))), size_t(n) * sizeof(QChar));
        return s;
    }
    DefValue value()
    {
        DefValue v;
        const qint64 kind = number();
        if (kind < qint64(DefValue::Kind::Integer) || kind > qint64(DefValue::Kind::Binary))
            damaged();
        v.kind = DefValue::Kind(kind);
        v.line = int(number());
        v.column = int(number());
        v.integer = number();
        v.text = text();
        for (qint64 i = count(); i > 0; --i)
            v.names << text();
        v.items.resize(size_t(count()));
        for (DefValue &item : v.items)
            item = value();
        v.bytes = raw();
        return v;
    }

    const char *m_at;
    const char *m_end;
    QString m_file;
};

// Builds the tree of the blocks handed on: a block left is complete, and
// goes into the block that encloses it.
class TreeBuilder : public DefVisitor
{
public:
    void enter(const DefNode &block) override { m_open.push_back(block); }
    void leave() override
    {
        DefNode done = std::move(m_open.back());
        m_open.pop_back();
        if (m_open.empty())
            root = std::move(done);
        else
            m_open.back().children.push_back(std::move(done));
    }

    DefNode root;

private:
    std::vector<DefNode> m_open;
};

} // namespace

QByteArray CompiledDefinition::write(const DefNode &root)
{
    TreeWriter w;
    w.node(root);
    return w.bytes;
}

DefNode CompiledDefinition::read(const QByteArray &bytes, const QString &fileName)
{
    TreeBuilder builder;
    walk(bytes, fileName, builder);
    return std::move(builder.root);
}

void CompiledDefinition::walk(const QByteArray &bytes, const QString &fileName, DefVisitor &visitor)
{
    TreeReader r(bytes, fileName);
    r.walk(visitor);
    r.end();
}
