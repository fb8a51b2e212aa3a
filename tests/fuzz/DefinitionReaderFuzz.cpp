// Feeds arbitrary bytes to the form-definition reader. Whatever the input,
// reading must either give a form or refuse with an error that names a line
// and a column; a form that was read must write out as a definition that
// reads again. Any other outcome aborts, so that the fuzzer reports it.

#include "data/Data.h"
#include "toolkit/Component.h"
#include "toolkit/DefinitionParser.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormReader.h"
#include "toolkit/FormWriter.h"
#include "toolkit/TForm.h"
#include "toolkit/Toolkit.h"
#include "wizard/Wizard.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(detail));
    std::abort();
}

void checkRefusal(const DefinitionError &e)
{
    if (e.line() < 1 || e.column() < 1 || e.message().isEmpty())
        fail("refusal without a place", e.text());
}

// Reads `text` into a fresh form; true when it was read.
bool readForm(const QString &text, QString *written)
{
    auto *form = new TForm(nullptr);
    bool ok = false;
    try {
        FormReader::load(form, text, QStringLiteral("fuzz.form"));
        ok = true;
        if (written)
            *written = FormWriter::write(form);
    } catch (const DefinitionError &e) {
        checkRefusal(e);
    }
    Component::free(form);
    Component::deleteFreed();
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    Toolkit::registerClasses();
    Data::registerClasses();
    Wizard::registerClasses();
    // A box opened while a form is read is answered at once.
    Dialogs::setResponder([](const Dialogs::Request &) { return int(Dialogs::mrOk); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        DefinitionParser::parse(text, QStringLiteral("fuzz.form"));
    } catch (const DefinitionError &e) {
        checkRefusal(e);
        return 0;
    }
    // Building the widgets costs far more than parsing; large inputs are
    // parsed only.
    if (size > 16 * 1024)
        return 0;
    QString written;
    if (readForm(text, &written) && !readForm(written, nullptr))
        fail("a written form does not read again", written);
    return 0;
}
