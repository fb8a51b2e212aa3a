#pragma once

// Reads the text of a form definition into a DefNode tree. The grammar:
//
//   block    := name ':' class '{' (block | property)* '}'
//   property := name ('.' name)* '=' value
//   value    := integer | string | identifier | set | list | binary
//   set      := '[' identifier (',' identifier)* ']'       (may be empty)
//   list     := '(' value (',' value)* ')'                  (may be empty)
//   binary   := '<' hex digits, white space between bytes allowed '>'
//
// Integers are decimal or 0x-prefixed hexadecimal, optionally negative.
// Strings are in double quotes with the escapes \" \\ \n \t \r and \u{hex};
// the text is UTF-8. '#' starts a comment that runs to the end of the line.
// Any fault raises DefinitionError with the file, line and column.

#include "toolkit/DefinitionError.h"
#include "toolkit/FormDefinition.h"

class DefinitionParser
{
public:
    static DefNode parse(const QString &text, const QString &fileName);
};
