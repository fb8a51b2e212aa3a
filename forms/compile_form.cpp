// Build step: parses a form definition and writes the tree it parses to as
// bytes, which the program reads in place of the text.
//     compile_form INPUT.form OUTPUT
// A definition that does not parse fails the build with the reason.

#include "toolkit/CompiledDefinition.h"
#include "toolkit/DefinitionParser.h"
#include "toolkit/FormReader.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: compile_form INPUT.form OUTPUT\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    try {
        const QByteArray bytes = CompiledDefinition::write(DefinitionParser::parse(FormReader::readText(input), input));
        QFile out(QString::fromLocal8Bit(argv[2]));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
            std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
            return 1;
        }
    } catch (const DefinitionError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
