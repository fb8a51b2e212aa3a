#include "toolkit/FormReader.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/CompiledDefinition.h"
#include "toolkit/Component.h"
#include "toolkit/Control.h"
#include "toolkit/DefinitionParser.h"
#include "toolkit/Filer.h"
#include "toolkit/OpenEnums.h"

#include <QFile>
#include <QHash>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QSet>
#include <QWidget>

#include <functional>
#include <limits>
#include <memory>

namespace {

bool isPublishedName(const QByteArray &name)
{
    return !name.isEmpty() && name.at(0) >= 'A' && name.at(0) <= 'Z';
}

bool isObjectPointer(const QMetaType &type)
{
    return type.flags().testFlag(QMetaType::PointerToQObject);
}

// Finds the stored value `name` among those a component defines itself.
class LookupFiler : public Filer
{
public:
    explicit LookupFiler(const QByteArray &name)
        : m_name(name)
    {
    }
    void defineInteger(const QByteArray &name, const std::function<void(qint64)> &read,
                       const std::function<qint64()> &, bool) override
    {
        if (name == m_name)
            readInteger = read;
    }
    void defineBinary(const QByteArray &name, const std::function<void(const QByteArray &)> &read,
                      const std::function<QByteArray()> &, bool) override
    {
        if (name == m_name)
            readBinary = read;
    }
    std::function<void(qint64)> readInteger;
    std::function<void(const QByteArray &)> readBinary;

private:
    QByteArray m_name;
};

class Reader : public DefVisitor
{
public:
    Reader(QObject *root, const QString &file)
        : m_root(root)
        , m_rootComponent(Component::from(root))
        , m_file(file)
    {
    }

    // Loads the definition that `walk` hands to the reader block by block.
    void run(const std::function<void(DefVisitor &)> &walk)
    {
        try {
            walk(*this);
            resolve();
        } catch (...) {
            // Free what was created, newest first, and leave the root as it was.
            for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
                Component::free(it->data());
            if (m_rootLoading)
                m_rootComponent->setLoading(false);
            throw;
        }
        finish();
    }

    void enter(const DefNode &block) override
    {
        if (m_enclosing.empty()) {
            enterRoot(block);
            m_enclosing.push_back(m_root);
        } else {
            m_enclosing.push_back(createChild(block, m_enclosing.back()));
        }
    }

    void leave() override { m_enclosing.pop_back(); }

private:
    struct PendingReference {
        QPointer<QObject> object;
        QMetaProperty property;
        QString name;
        int line;
        int column;
    };
    struct PendingEvent {
        QPointer<QObject> object;
        QByteArray event;
        QByteArray handler;
        int line;
        int column;
    };

    [[noreturn]] void fail(int line, int column, const QString &message) const
    {
        throw DefinitionError(m_file, line, column, message);
    }

    QString className(const QObject *o) const { return QString::fromLatin1(o->metaObject()->className()); }

    void enterRoot(const DefNode &node)
    {
        if (!m_rootComponent)
            fail(node.line, node.column, QStringLiteral("the object that should receive the definition is no component"));
        const QByteArray rootClass = m_root->metaObject()->className();
        if (node.className != rootClass)
            fail(node.line, node.column,
                 QStringLiteral("the definition is for class %1 but is loaded into %2")
                     .arg(QString::fromLatin1(node.className), QString::fromLatin1(rootClass)));
        m_rootComponent->setLoading(true);
        m_rootLoading = true;
        m_root->setObjectName(node.name);
        applyProperties(m_root, node);
    }

    // Creates the component of block `node` inside `enclosing`, with its properties set.
    QObject *createChild(const DefNode &node, QObject *enclosing)
    {
        const ClassRegistry &registry = ClassRegistry::instance();
        if (!registry.contains(node.className))
            fail(node.line, node.column, QStringLiteral("unknown class %1").arg(QString::fromLatin1(node.className)));
        if (node.name.compare(m_root->objectName(), Qt::CaseInsensitive) == 0
            || m_rootComponent->findComponent(node.name))
            fail(node.line, node.column, QStringLiteral("a component named %1 exists already").arg(node.name));

        QObject *object = nullptr;
        {
            const Component::DefinitionCreation creation;
            object = registry.create(node.className, m_root);
        }
        if (!object)
            fail(node.line, node.column, QStringLiteral("class %1 could not be created").arg(QString::fromLatin1(node.className)));
        m_created.emplace_back(object);
        Component *component = Component::from(object);
        if (!component)
            fail(node.line, node.column, QStringLiteral("class %1 is no component").arg(QString::fromLatin1(node.className)));
        component->setLoading(true);
        object->setObjectName(node.name);

        auto *widget = qobject_cast<QWidget *>(object);
        if (widget) {
            auto *container = qobject_cast<QWidget *>(enclosing);
            if (!container)
                fail(node.line, node.column,
                     QStringLiteral("control %1 cannot stand inside %2, which is no control").arg(node.name, className(enclosing)));
            if (Control *control = Control::from(object))
                control->SetParent(container);
            else
                widget->setParent(container);
        } else if (enclosing != m_root) {
            Component *holder = Component::from(enclosing);
            if (!holder || !holder->acceptChild(object))
                fail(node.line, node.column,
                     QStringLiteral("%1 cannot hold %2").arg(className(enclosing), QString::fromLatin1(node.className)));
        }
        applyProperties(object, node);
        return object;
    }

    void applyProperties(QObject *object, const DefNode &node)
    {
        for (const DefProperty &prop : node.properties)
            applyProperty(object, prop);
    }

    void applyProperty(QObject *object, const DefProperty &prop)
    {
        // Most names are plain; only a dotted one is split into its steps.
        const QList<QByteArray> path = prop.name.contains('.') ? prop.name.split('.') : QList<QByteArray>{prop.name};
        if (path.size() == 1 && Component::eventIndex(object->metaObject(), prop.name) >= 0) {
            if (prop.value.kind != DefValue::Kind::Identifier)
                fail(prop.value.line, prop.value.column,
                     QStringLiteral("event %1 takes the name of a handler, not %2")
                         .arg(QString::fromLatin1(prop.name), DefValue::kindName(prop.value.kind)));
            m_events.push_back({object, prop.name, prop.value.text.toLatin1(), prop.value.line, prop.value.column});
            return;
        }

        QObject *target = object;
        for (int i = 0; i + 1 < path.size(); ++i) {
            const QByteArray &segment = path.at(i);
            const int index = isPublishedName(segment) ? target->metaObject()->indexOfProperty(segment.constData()) : -1;
            if (index < 0)
                fail(prop.line, prop.column,
                     QStringLiteral("class %1 has no property %2").arg(className(target), QString::fromLatin1(segment)));
            const QMetaProperty mp = target->metaObject()->property(index);
            if (!isObjectPointer(mp.metaType()))
                fail(prop.line, prop.column,
                     QStringLiteral("property %1 of class %2 has no properties of its own")
                         .arg(QString::fromLatin1(segment), className(target)));
            QObject *sub = mp.read(target).value<QObject *>();
            if (!sub)
                fail(prop.line, prop.column,
                     QStringLiteral("property %1 of class %2 is empty").arg(QString::fromLatin1(segment), className(target)));
            target = sub;
        }

        const QByteArray &last = path.last();
        const int index = isPublishedName(last) ? target->metaObject()->indexOfProperty(last.constData()) : -1;
        if (index >= 0) {
            writeProperty(target, target->metaObject()->property(index), prop);
            return;
        }
        if (auto *persistent = dynamic_cast<Persistent *>(target)) {
            LookupFiler filer(last);
            persistent->defineProperties(filer);
            if (filer.readInteger) {
                if (prop.value.kind != DefValue::Kind::Integer)
                    fail(prop.value.line, prop.value.column,
                         QStringLiteral("%1 takes an integer, not %2").arg(QString::fromLatin1(prop.name), DefValue::kindName(prop.value.kind)));
                guarded(prop, [&] { filer.readInteger(prop.value.integer); });
                return;
            }
            if (filer.readBinary) {
                if (prop.value.kind != DefValue::Kind::Binary)
                    fail(prop.value.line, prop.value.column,
                         QStringLiteral("%1 takes a binary value, not %2").arg(QString::fromLatin1(prop.name), DefValue::kindName(prop.value.kind)));
                guarded(prop, [&] { filer.readBinary(prop.value.bytes); });
                return;
            }
        }
        fail(prop.line, prop.column, QStringLiteral("class %1 has no property %2").arg(className(target), QString::fromLatin1(last)));
    }

    template<typename F>
    void guarded(const DefProperty &prop, F &&f)
    {
        try {
            f();
        } catch (const DefinitionError &) {
            throw;
        } catch (const std::exception &e) {
            fail(prop.value.line, prop.value.column,
                 QStringLiteral("%1: %2").arg(QString::fromLatin1(prop.name), QString::fromUtf8(e.what())));
        }
    }

    [[noreturn]] void wrongType(const DefProperty &prop, const QString &expected) const
    {
        fail(prop.value.line, prop.value.column,
             QStringLiteral("%1 takes %2, not %3").arg(QString::fromLatin1(prop.name), expected, DefValue::kindName(prop.value.kind)));
    }

    int enumValue(const QMetaEnum &me, const QString &key, const DefProperty &prop, int line, int column) const
    {
        bool ok = false;
        const int value = me.keyToValue(key.toLatin1().constData(), &ok);
        if (!ok) {
            QStringList keys;
            for (int i = 0; i < me.keyCount(); ++i)
                keys << QString::fromLatin1(me.key(i));
            fail(line, column,
                 QStringLiteral("%1 is no value of %2 (one of: %3)")
                     .arg(key, QString::fromLatin1(prop.name), keys.join(QStringLiteral(", "))));
        }
        return value;
    }

    void writeProperty(QObject *target, const QMetaProperty &mp, const DefProperty &prop)
    {
        const DefValue &v = prop.value;
        const QMetaType type = mp.metaType();
        if (isObjectPointer(type) && !mp.isWritable())
            fail(prop.line, prop.column,
                 QStringLiteral("property %1 holds an object; set its properties as %1.Name").arg(QString::fromLatin1(prop.name)));
        if (!mp.isWritable())
            fail(prop.line, prop.column, QStringLiteral("property %1 cannot be set").arg(QString::fromLatin1(prop.name)));

        QVariant value;
        if (mp.isFlagType()) {
            if (v.kind != DefValue::Kind::Set)
                wrongType(prop, QStringLiteral("a set"));
            int bits = 0;
            for (const QString &name : v.names)
                bits |= enumValue(mp.enumerator(), name, prop, v.line, v.column);
            value = QVariant(type, &bits);
        } else if (mp.isEnumType()) {
            int n = 0;
            if (v.kind == DefValue::Kind::Identifier) {
                n = enumValue(mp.enumerator(), v.text, prop, v.line, v.column);
            } else if (v.kind == DefValue::Kind::Integer && OpenEnums::acceptsIntegers(mp.enumerator())) {
                if (v.integer < std::numeric_limits<int>::min() || v.integer > std::numeric_limits<quint32>::max())
                    fail(v.line, v.column, QStringLiteral("%1 is out of range").arg(v.integer));
                n = int(quint32(v.integer));
            } else {
                wrongType(prop, QStringLiteral("a value of %1").arg(QString::fromLatin1(mp.enumerator().enumName())));
            }
            value = QVariant(type, &n);
        } else if (isObjectPointer(type)) {
            if (v.kind != DefValue::Kind::Identifier)
                wrongType(prop, QStringLiteral("the name of a component"));
            m_references.push_back({target, mp, v.text, v.line, v.column});
            return;
        } else {
            switch (type.id()) {
            case QMetaType::Bool:
                if (v.kind != DefValue::Kind::Identifier || (v.text != u"true" && v.text != u"false"))
                    wrongType(prop, QStringLiteral("true or false"));
                value = v.text == u"true";
                break;
            case QMetaType::Int:
            case QMetaType::Short:
            case QMetaType::SChar: {
                if (v.kind != DefValue::Kind::Integer)
                    wrongType(prop, QStringLiteral("an integer"));
                const qint64 lo = type.id() == QMetaType::Int ? std::numeric_limits<int>::min()
                                  : type.id() == QMetaType::Short ? std::numeric_limits<short>::min() : -128;
                const qint64 hi = type.id() == QMetaType::Int ? std::numeric_limits<int>::max()
                                  : type.id() == QMetaType::Short ? std::numeric_limits<short>::max() : 127;
                if (v.integer < lo || v.integer > hi)
                    fail(v.line, v.column, QStringLiteral("%1 is out of range for %2").arg(v.integer).arg(QString::fromLatin1(prop.name)));
                value = QVariant::fromValue(v.integer).value<int>();
                value.convert(type);
                break;
            }
            case QMetaType::UInt:
            case QMetaType::UShort:
            case QMetaType::UChar: {
                if (v.kind != DefValue::Kind::Integer)
                    wrongType(prop, QStringLiteral("an integer"));
                const qint64 hi = type.id() == QMetaType::UInt ? std::numeric_limits<uint>::max()
                                  : type.id() == QMetaType::UShort ? 65535 : 255;
                if (v.integer < 0 || v.integer > hi)
                    fail(v.line, v.column, QStringLiteral("%1 is out of range for %2").arg(v.integer).arg(QString::fromLatin1(prop.name)));
                value = QVariant::fromValue(uint(v.integer));
                value.convert(type);
                break;
            }
            case QMetaType::LongLong:
                if (v.kind != DefValue::Kind::Integer)
                    wrongType(prop, QStringLiteral("an integer"));
                value = v.integer;
                break;
            case QMetaType::Double:
                if (v.kind != DefValue::Kind::Integer)
                    wrongType(prop, QStringLiteral("a number"));
                value = double(v.integer);
                break;
            case QMetaType::QString:
                if (v.kind != DefValue::Kind::String)
                    wrongType(prop, QStringLiteral("a string"));
                value = v.text;
                break;
            case QMetaType::QStringList: {
                if (v.kind != DefValue::Kind::List)
                    wrongType(prop, QStringLiteral("a list of strings"));
                QStringList list;
                for (const DefValue &item : v.items) {
                    if (item.kind != DefValue::Kind::String)
                        fail(item.line, item.column,
                             QStringLiteral("%1 holds strings, not %2").arg(QString::fromLatin1(prop.name), DefValue::kindName(item.kind)));
                    list << item.text;
                }
                value = list;
                break;
            }
            case QMetaType::QByteArray:
                if (v.kind != DefValue::Kind::Binary)
                    wrongType(prop, QStringLiteral("a binary value"));
                value = v.bytes;
                break;
            default:
                if (type == QMetaType::fromType<QList<int>>()) {
                    if (v.kind != DefValue::Kind::List)
                        wrongType(prop, QStringLiteral("a list of integers"));
                    QList<int> list;
                    for (const DefValue &item : v.items) {
                        if (item.kind != DefValue::Kind::Integer || item.integer < std::numeric_limits<int>::min()
                            || item.integer > std::numeric_limits<int>::max())
                            fail(item.line, item.column, QStringLiteral("%1 holds integers").arg(QString::fromLatin1(prop.name)));
                        list << int(item.integer);
                    }
                    value = QVariant::fromValue(list);
                    break;
                }
                fail(prop.line, prop.column,
                     QStringLiteral("property %1 has type %2, which definitions cannot set")
                         .arg(QString::fromLatin1(prop.name), QString::fromLatin1(type.name())));
            }
        }
        bool ok = false;
        guarded(prop, [&] { ok = mp.write(target, value); });
        if (!ok)
            fail(prop.line, prop.column, QStringLiteral("property %1 refused the value").arg(QString::fromLatin1(prop.name)));
    }

    QObject *findByName(const QString &name) const
    {
        if (name.compare(m_root->objectName(), Qt::CaseInsensitive) == 0)
            return m_root;
        return m_rootComponent->findComponent(name);
    }

    void resolve()
    {
        for (const PendingReference &ref : m_references) {
            if (!ref.object)
                continue;
            QObject *value = nullptr;
            if (ref.name != u"nil") {
                value = findByName(ref.name);
                if (!value)
                    fail(ref.line, ref.column, QStringLiteral("no component named %1 to refer to").arg(ref.name));
                const QMetaObject *wanted = ref.property.metaType().metaObject();
                if (wanted && !value->metaObject()->inherits(wanted))
                    fail(ref.line, ref.column,
                         QStringLiteral("%1 is a %2, but %3 needs a %4")
                             .arg(ref.name, className(value), QString::fromLatin1(ref.property.name()),
                                  QString::fromLatin1(wanted->className())));
            }
            QVariant v(ref.property.metaType(), &value);
            bool ok = false;
            try {
                ok = ref.property.write(ref.object, v);
            } catch (const std::exception &e) {
                fail(ref.line, ref.column, QString::fromUtf8(e.what()));
            }
            if (!ok)
                fail(ref.line, ref.column,
                     QStringLiteral("property %1 refused %2").arg(QString::fromLatin1(ref.property.name()), ref.name));
        }
        for (const PendingEvent &ev : m_events) {
            Component *c = Component::from(ev.object);
            if (!c)
                continue;
            const QString error = c->bindEvent(ev.event, m_root, ev.handler);
            if (!error.isEmpty())
                fail(ev.line, ev.column, error);
        }
    }

    void finish()
    {
        for (auto &p : m_created) {
            if (Component *c = Component::from(p))
                c->setLoading(false);
        }
        m_rootComponent->setLoading(false);
        for (auto &p : m_created) {
            if (Component *c = Component::from(p))
                c->loaded();
        }
        m_rootComponent->loaded();
    }

    QObject *m_root;
    Component *m_rootComponent;
    QString m_file;
    std::vector<QPointer<QObject>> m_created;
    std::vector<PendingReference> m_references;
    std::vector<PendingEvent> m_events;
    // The objects of the blocks entered and not yet left, the root first.
    std::vector<QObject *> m_enclosing;
    bool m_rootLoading = false;
};

} // namespace

void FormReader::load(QObject *root, const QString &text, const QString &fileName)
{
    const DefNode node = DefinitionParser::parse(text, fileName);
    load(root, node, fileName);
}

void FormReader::load(QObject *root, const DefNode &definition, const QString &fileName)
{
    Reader reader(root, fileName);
    reader.run([&](DefVisitor &visitor) { walkDefinition(definition, visitor); });
}

void FormReader::loadCompiled(QObject *root, const QByteArray &bytes, const QString &fileName)
{
    Reader reader(root, fileName);
    reader.run([&](DefVisitor &visitor) { CompiledDefinition::walk(bytes, fileName, visitor); });
}

QString FormReader::readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DefinitionError(path, 0, 0, QStringLiteral("cannot open the definition: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        throw DefinitionError(path, 0, 0, QStringLiteral("the definition is not valid UTF-8 text"));
    return text;
}

void FormReader::loadFile(QObject *root, const QString &path)
{
    // The definitions compiled into the program never change. A file on disk
    // is read afresh every time.
    if (!path.startsWith(u':')) {
        load(root, readText(path), path);
        return;
    }
    // The build ships beside each definition the tree it parses to, as bytes.
    // The first form of a class is made straight from them, block by block,
    // so that the main form, made once, leaves no tree of itself behind. A
    // class made again (a screen shown anew) keeps its tree from then on, and
    // every further form of it is made from that.
    static QHash<QString, std::shared_ptr<const DefNode>> trees;
    static QSet<QString> made;
    if (const std::shared_ptr<const DefNode> known = trees.value(path)) {
        load(root, *known, path);
        return;
    }
    QFile compiled(path + QStringLiteral(".tree"));
    std::shared_ptr<const DefNode> tree;
    if (!compiled.open(QIODevice::ReadOnly)) {
        tree = std::make_shared<const DefNode>(DefinitionParser::parse(readText(path), path));
    } else if (!made.contains(path)) {
        loadCompiled(root, compiled.readAll(), path);
        made.insert(path);
        return;
    } else {
        tree = std::make_shared<const DefNode>(CompiledDefinition::read(compiled.readAll(), path));
    }
    trees.insert(path, tree);
    load(root, *tree, path);
}
