#include "toolkit/Printing.h"

#include "toolkit/Application.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

struct Hooks {
    QString pdfPath;
    bool noPrinter = false;
};

Hooks &hooks()
{
    static Hooks h;
    return h;
}

bool fail(const QString &message)
{
    Application::reportError(message);
    return false;
}

} // namespace

QString Printing::noPrinterMessage()
{
    return QStringLiteral("No printer is set up on this computer, so the screen cannot be printed.");
}

void Printing::setPdfOutput(const QString &path)
{
    hooks().pdfPath = path;
}

void Printing::simulateNoPrinter(bool none)
{
    hooks().noPrinter = none;
}

QRect Printing::placeOnPage(const QSize &imageSize, const QRect &page)
{
    if (imageSize.isEmpty() || page.isEmpty())
        return QRect();
    const QSize fitted = imageSize.scaled(page.size(), Qt::KeepAspectRatio);
    return QRect(page.left() + (page.width() - fitted.width()) / 2, page.top(), fitted.width(), fitted.height());
}

bool Printing::printImage(QWidget *widget)
{
    if (!widget)
        return false;
    return printImage(widget->grab().toImage(), widget->windowTitle());
}

bool Printing::printImage(const QImage &image, const QString &jobName)
{
    if (image.isNull())
        return fail(QStringLiteral("There is nothing to print."));
    const Hooks &h = hooks();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName.isEmpty() ? QStringLiteral("Ravik") : jobName);
    if (!h.pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(h.pdfPath);
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (h.noPrinter || info.isNull())
            return fail(noPrinterMessage());
        printer.setPrinterName(info.printerName());
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(QStringLiteral("The printer could not be started, so the screen was not printed."));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = placeOnPage(image.size(), QRect(QPoint(0, 0), page.size()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    if (!painter.end())
        return fail(QStringLiteral("The page could not be sent to the printer."));
    return true;
}
