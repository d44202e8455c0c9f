#include "platform/ui/QtPrintJob.h"

#include "platform/UserError.h"
#include "platform/ui/PrinterPage.h"

#include <QFile>

namespace {
// A file printer fails to begin when it cannot make its file: the user needs the file and why.
QString cannotBegin(QPrinter& device, const QString& printerName) {
    if (device.outputFormat() != QPrinter::PdfFormat)
        return QStringLiteral("Printer \"%1\" cannot begin the document").arg(printerName);
    QFile file(device.outputFileName());
    file.open(QIODevice::WriteOnly | QIODevice::Append); // only to learn why not
    return QStringLiteral("Cannot create file \"%1\". %2").arg(file.fileName(), file.errorString());
}
} // namespace

QtPrintJob::QtPrintJob(std::shared_ptr<PagedPrinter> printer, const QString& printerName,
                       const QString& title)
    : printer_(std::move(printer)), printerName_(printerName) {
    QPrinter& device = printer_->printer;
    if (!device.isValid())
        throw UserError(QStringLiteral("Printer \"%1\" is not valid").arg(printerName_));
    device.setDocName(title);
    if (!painter_.begin(&device))
        throw UserError(cannotBegin(device, printerName_));
    printer_->page.setJobPainter(&painter_);
}

QtPrintJob::~QtPrintJob() {
    if (!painter_.isActive())
        return;
    printer_->printer.abort();
    end();
}

QPaintDevice* QtPrintJob::page() {
    return painter_.isActive() ? &printer_->page : nullptr;
}

void QtPrintJob::finish() {
    if (!painter_.isActive())
        return;
    if (!end() || printer_->printer.printerState() == QPrinter::Error)
        throw UserError(QStringLiteral("Printing on \"%1\" failed").arg(printerName_));
}

bool QtPrintJob::end() {
    printer_->page.setJobPainter(nullptr);
    return painter_.end();
}
