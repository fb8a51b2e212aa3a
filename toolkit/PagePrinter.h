#pragma once

// The part of printing that needs Qt's print support. It is built as a module
// of its own, which the program loads the first time it prints, so that Qt's
// print support and the libraries it brings in are not loaded at every start.
// The module is looked up by these entry points only.

#include <QImage>
#include <QString>

namespace PagePrinter {

// One page: the image, as large as fits, on the printer named, or into a PDF
// file instead when `pdfPath` is not empty.
struct Page {
    QImage image;
    QString jobName;
    QString printer;
    QString pdfPath;
};

// Sets `name` to the default printer's name, empty when none is set up.
using DefaultPrinter = void (*)(QString *name);
inline constexpr char DefaultPrinterEntry[] = "ravikDefaultPrinter";

// Prints `page`; false when the printer did not take it.
using Print = bool (*)(const Page *page);
inline constexpr char PrintEntry[] = "ravikPrintPage";

} // namespace PagePrinter
