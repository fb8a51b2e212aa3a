#pragma once

// A memo of values that cost much to make and are asked for again and again:
// a text measured in a font, a date written in a pattern. It holds at most
// `Capacity` of them and starts afresh when full, so that keys without end
// (texts as they are typed) cannot make it grow for ever.

#include <QHash>

template<typename Key, typename Value, qsizetype Capacity = 4096>
class BoundedCache
{
public:
    // The value kept for `key`, made by `make()` the first time.
    template<typename Make>
    const Value &get(const Key &key, Make &&make)
    {
        if (const auto known = m_values.constFind(key); known != m_values.cend())
            return *known;
        if (m_values.size() >= Capacity)
            m_values.clear();
        return *m_values.insert(key, make());
    }

    void clear() { m_values.clear(); }

private:
    QHash<Key, Value> m_values;
};
