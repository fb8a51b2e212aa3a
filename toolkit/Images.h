#pragma once

// Loading the pictures that forms name (glyphs, images) from a file or a
// resource path.

#include <QImage>
#include <QSize>
#include <QString>

namespace Images {
// Throws std::invalid_argument naming the file when it cannot be read as an
// image, so that a form definition that names it reports where.
QImage load(const QString &name);
// The picture's size, read from its header without decoding it; throws as
// load() does.
QSize size(const QString &name);
}
