#pragma once

// Printing the image of a form as it is shown: one page on the default
// printer, the image scaled to fit the page with its proportions kept. With
// no printer set up, with the printing service out of reach, or with the job
// refused, the user is told which in an error box. Tests send the page to a
// PDF file instead of a printer.

#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

namespace Printing {

// Prints `widget` as shown (its whole area, children included); false, after
// an error box, when nothing could be printed.
bool printImage(QWidget *widget);
// Prints an image the same way.
bool printImage(const QImage &image, const QString &jobName);

// Where an image of `imageSize` stands on a page whose printable area is
// `page`: as large as fits, proportions kept, centred across and at the top.
inline QRect placeOnPage(const QSize &imageSize, const QRect &page)
{
    if (imageSize.isEmpty() || page.isEmpty())
        return QRect();
    const QSize fitted = imageSize.scaled(page.size(), Qt::KeepAspectRatio);
    return QRect(page.left() + (page.width() - fitted.width()) / 2, page.top(), fitted.width(), fitted.height());
}

// The message shown when no printer is set up.
QString noPrinterMessage();
// Why no default printer was found: none is set up, or the printing service
// that knows them could not be asked.
QString noDefaultPrinterMessage(bool serviceReachable);
// The message shown when `printer` did not take the page.
QString jobRefusedMessage(const QString &printer);
QString notAcceptingMessage(const QString &printer);
// The message shown when the part of the program that prints cannot be
// loaded; `reason` is the loader's.
QString moduleMissingMessage(const QString &reason);
// Whether the printing service lets `printer` take jobs now (true where the
// service does not say, or its client library cannot be opened).
bool printerAcceptsJobs(const QString &printer);
// Whether the printing service of this computer answers on its local socket.
bool printingServiceReachable();

// Test hooks: a non-empty path sends every page to that PDF file instead of
// the default printer; simulateNoPrinter pretends that no printer is set up
// (with the service answering unless simulateNoService says otherwise);
// setModuleFolder says where the print module was built, for programs that do
// not run from where the tour is installed or built.
void setPdfOutput(const QString &path);
void setModuleFolder(const QString &folder);
void simulateNoPrinter(bool none);
void simulateNoService(bool none);

} // namespace Printing
