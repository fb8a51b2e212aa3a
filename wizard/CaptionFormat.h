#pragma once

// Formats a caption pattern with integer arguments, as in "Wizard - Page %d of
// %d". A conversion is % [index:] [-] [width] [.precision] type, where width
// and precision may be * (taken from the arguments) and type is d (decimal),
// u (unsigned decimal) or x (upper-case hexadecimal); %% is a percent sign.
// A pattern that asks for anything else, or for more arguments than there
// are, is refused with a message saying why.

#include <QList>
#include <QString>

#include <optional>

class CaptionFormat
{
public:
    static std::optional<QString> format(const QString &pattern, const QList<int> &args, QString *error = nullptr);
};
