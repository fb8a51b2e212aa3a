#include "toolkit/PagePrinter.h"
#include "toolkit/Printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT void ravikDefaultPrinter(QString *name)
{
    *name = QPrinterInfo::defaultPrinter().printerName();
}

extern "C" Q_DECL_EXPORT bool ravikPrintPage(const PagePrinter::Page *page)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page->jobName);
    if (!page->pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(page->pdfPath);
    } else {
        printer.setPrinterName(page->printer);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = Printing::placeOnPage(page->image.size(), QRect(QPoint(0, 0), area.size()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, page->image);
    return painter.end();
}
