#include "platform/ui/QtPrintJob.h"

#include "platform/UserError.h"
#include "platform/ui/PrinterPage.h"

QtPrintJob::QtPrintJob(std::shared_ptr<PagedPrinter> printer, const QString& printerName,
                       const QString& title)
    : printer_(std::move(printer)), printerName_(printerName) {
    QPrinter& device = printer_->printer;
    if (!device.isValid())
        throw UserError(QStringLiteral("Printer \"%1\" is not valid").arg(printerName_));
    device.setDocName(title);
    if (!painter_.begin(&device))
        throw UserError(
            QStringLiteral("Printer \"%1\" cannot begin the document").arg(printerName_));
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
