#include "toolkit/Printing.h"

#include "toolkit/Application.h"
#include "toolkit/PagePrinter.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <cups/cups.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

#include <optional>

namespace {

struct Hooks {
    QString pdfPath;
    QString moduleFolder;
    bool noPrinter = false;
    bool noService = false;
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

// The print module, loaded the first time something is printed. It lies in
// the program's library folder, found from the program's own folder the same
// way in the build tree as where the tour is installed.
struct PrintModule {
    PagePrinter::DefaultPrinter defaultPrinter = nullptr;
    PagePrinter::Print print = nullptr;
    QString problem;

    explicit PrintModule(const QString &folder)
    {
        QLibrary library(folder + QStringLiteral("/ravik-print"));
        if (library.load()) {
            defaultPrinter = reinterpret_cast<PagePrinter::DefaultPrinter>(library.resolve(PagePrinter::DefaultPrinterEntry));
            print = reinterpret_cast<PagePrinter::Print>(library.resolve(PagePrinter::PrintEntry));
        }
        if (!defaultPrinter || !print)
            problem = library.errorString();
    }
};

// Loaded once; again only when a test has moved the folder it lies in.
const PrintModule &printModule()
{
    static QString loadedFrom;
    static std::optional<PrintModule> module;
    const QString folder = hooks().moduleFolder.isEmpty()
        ? QCoreApplication::applicationDirPath() + QStringLiteral("/" RAVIK_PRINT_MODULE_FOLDER)
        : hooks().moduleFolder;
    if (!module || folder != loadedFrom) {
        module.emplace(folder);
        loadedFrom = folder;
    }
    return *module;
}

} // namespace

QString Printing::noPrinterMessage()
{
    return QStringLiteral("No printer is set up on this computer, so the screen cannot be printed.");
}

QString Printing::noDefaultPrinterMessage(bool serviceReachable)
{
    if (serviceReachable)
        return noPrinterMessage();
    return QStringLiteral("The printing service of this computer does not answer, so the screen cannot be printed. "
                          "Start the printing service (CUPS) and try again.");
}

QString Printing::jobRefusedMessage(const QString &printer)
{
    return QStringLiteral("The printer \"%1\" did not accept the page, so the screen was not printed.").arg(printer);
}

QString Printing::moduleMissingMessage(const QString &reason)
{
    return QStringLiteral("The part of Ravik Tour that prints could not be loaded (%1), so the screen cannot be printed. "
                          "Install the program again and try again.")
        .arg(reason);
}

QString Printing::notAcceptingMessage(const QString &printer)
{
    return QStringLiteral("The printer \"%1\" does not accept print jobs now, so the screen cannot be printed. "
                          "Let the printer accept jobs again and try again.")
        .arg(printer);
}

#ifdef Q_OS_UNIX
namespace {

// The printing service's client library, opened the first time a printer is
// asked about rather than at start: linked in, it and what it pulls in (TLS,
// Kerberos, service discovery) cost every start of the program several
// milliseconds and megabytes for a question asked only when printing.
struct ServiceClient {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    ServiceClient()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return;
        getNamedDest = reinterpret_cast<decltype(getNamedDest)>(library.resolve("cupsGetNamedDest"));
        getOption = reinterpret_cast<decltype(getOption)>(library.resolve("cupsGetOption"));
        freeDests = reinterpret_cast<decltype(freeDests)>(library.resolve("cupsFreeDests"));
    }
    bool usable() const { return getNamedDest && getOption && freeDests; }
};

const ServiceClient &serviceClient()
{
    static const ServiceClient client;
    return client;
}

} // namespace
#endif

bool Printing::printerAcceptsJobs(const QString &printer)
{
#ifdef Q_OS_UNIX
    // Qt hands the page to the service without looking at the answer; a
    // printer told to refuse jobs would take none, and nothing would say so.
    const ServiceClient &cups = serviceClient();
    if (!cups.usable())
        return true;
    const QByteArray name = printer.toLocal8Bit();
    cups_dest_t *dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return true;
    const char *accepting = cups.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool accepts = !accepting || std::strcmp(accepting, "false") != 0;
    cups.freeDests(1, dest);
    return accepts;
#else
    Q_UNUSED(printer);
    return true;
#endif
}

bool Printing::printingServiceReachable()
{
#ifdef Q_OS_UNIX
    // The service listens on a local socket, and on the loopback port 631.
    const auto answers = [](const sockaddr *address, socklen_t size) {
        const int fd = ::socket(address->sa_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool ok = fd >= 0 && ::connect(fd, address, size) == 0;
        if (fd >= 0)
            ::close(fd);
        return ok;
    };
    for (const char *path : {"/run/cups/cups.sock", "/var/run/cups/cups.sock"}) {
        sockaddr_un local{};
        local.sun_family = AF_UNIX;
        std::strncpy(local.sun_path, path, sizeof local.sun_path - 1);
        if (answers(reinterpret_cast<const sockaddr *>(&local), sizeof local))
            return true;
    }
    sockaddr_in loopback{};
    loopback.sin_family = AF_INET;
    loopback.sin_port = htons(631);
    loopback.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return answers(reinterpret_cast<const sockaddr *>(&loopback), sizeof loopback);
#else
    return true;
#endif
}

void Printing::setPdfOutput(const QString &path)
{
    hooks().pdfPath = path;
}

void Printing::setModuleFolder(const QString &folder)
{
    hooks().moduleFolder = folder;
}

void Printing::simulateNoPrinter(bool none)
{
    hooks().noPrinter = none;
}

void Printing::simulateNoService(bool none)
{
    hooks().noService = none;
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
    const PrintModule &module = printModule();
    if (!module.print)
        return fail(moduleMissingMessage(module.problem));
    PagePrinter::Page page{image, jobName.isEmpty() ? QStringLiteral("Ravik") : jobName, QString(), h.pdfPath};
    if (page.pdfPath.isEmpty()) {
        if (!h.noPrinter)
            module.defaultPrinter(&page.printer);
        if (page.printer.isEmpty())
            return fail(noDefaultPrinterMessage(h.noPrinter ? !h.noService : printingServiceReachable()));
        if (!printerAcceptsJobs(page.printer))
            return fail(notAcceptingMessage(page.printer));
    }
    if (!module.print(&page))
        return fail(jobRefusedMessage(page.printer));
    return true;
}
