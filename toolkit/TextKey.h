#pragma once

// What a text measured or shaped in a font depends on: the font, the
// resolution it is laid out at, the width it is wrapped in (-1 when it is
// not) and the text. The key of the memos that keep such results.

#include <QFont>
#include <QHashFunctions>
#include <QString>

struct TextKey {
    QFont font;
    qreal dpi = 0;
    int width = -1;
    QString text;
    bool operator==(const TextKey &) const = default;
};

inline size_t qHash(const TextKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, key.dpi, key.width, key.text);
}
