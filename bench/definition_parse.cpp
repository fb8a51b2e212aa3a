// How long reading a large form definition takes: a generated definition of
// about 200 KB with nested blocks and every kind of value, parsed to its tree.

#include "toolkit/DefinitionParser.h"

#include <benchmark/benchmark.h>

namespace {

QString generate(int targetBytes)
{
    QString text = QStringLiteral("Form1: TForm1 {\n  Caption = \"Ravik Demonstration\"\n");
    int i = 0;
    while (text.size() < targetBytes) {
        text += QStringLiteral("  Panel%1: TPanel {\n"
                               "    Left = %2\n    Top = %3\n    Width = 781\n    Height = 437\n"
                               "    Caption = \"Heading \\\"%1\\\" \u00e9\"\n"
                               "    Color = 0xFFFF00\n    Align = alTop\n"
                               "    Font.Style = [fsBold, fsItalic]\n"
                               "    ShowContainer.NumApos = 16\n"
                               "    ShowContainer.Data = <2d000000 11000000 01000000 00000000 00000000 00000000\n"
                               "      00000000 00000000 00000000 00000000 00000000 00000000>\n"
                               "    Memo%1: TMemo {\n"
                               "      Lines = (\"This screen is the main user interface.\", \"Double-click an account.\")\n"
                               "      ColWidths = (83, 171, 107, 107, 107, 74, 62)\n"
                               "    }\n"
                               "  }\n")
                    .arg(i)
                    .arg(i % 700)
                    .arg(i % 500);
        ++i;
    }
    text += QStringLiteral("}\n");
    return text;
}

void BM_ParseDefinition200KB(benchmark::State &state)
{
    const QString text = generate(200 * 1024);
    for (auto _ : state) {
        DefNode root = DefinitionParser::parse(text, QStringLiteral("bench.form"));
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.toUtf8().size());
    state.counters["bytes"] = double(text.toUtf8().size());
}
BENCHMARK(BM_ParseDefinition200KB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
