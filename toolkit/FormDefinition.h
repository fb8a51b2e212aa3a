#pragma once

// The parsed form of a form definition: a tree of component blocks, each with
// its name, class, property assignments in stored order and nested blocks.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

struct DefValue
{
    enum class Kind { Integer, String, Identifier, Set, List, Binary };

    Kind kind = Kind::Integer;
    qint64 integer = 0;
    QString text;                 // String: the text; Identifier: the name
    QStringList names;            // Set: the identifiers
    std::vector<DefValue> items;  // List: the elements (integers, strings, identifiers)
    QByteArray bytes;             // Binary
    int line = 0;
    int column = 0;

    static QString kindName(Kind kind);
};

struct DefProperty
{
    QByteArray name;   // possibly dotted: "Font.Name", "BLWizard.Data"
    DefValue value;
    int line = 0;
    int column = 0;
};

struct DefNode
{
    QString name;
    QByteArray className;
    std::vector<DefProperty> properties;
    std::vector<DefNode> children;
    int line = 0;
    int column = 0;
};

// Takes a definition's blocks in stored order: `enter` for each block before
// the blocks nested in it, `leave` after them. A block entered may come
// without its nested blocks filled in (when they are read as they come);
// a visitor goes by the calls, not by `children`.
class DefVisitor
{
public:
    virtual ~DefVisitor() = default;
    virtual void enter(const DefNode &block) = 0;
    virtual void leave() = 0;
};

inline void walkDefinition(const DefNode &block, DefVisitor &visitor)
{
    visitor.enter(block);
    for (const DefNode &nested : block.children)
        walkDefinition(nested, visitor);
    visitor.leave();
}
