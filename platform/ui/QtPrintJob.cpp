#include "platform/ui/QtPrintJob.h"

#include "platform/UserError.h"
#include "platform/ui/PrinterPage.h"

#include <QFile>
#include <algorithm>

namespace {
// Qt's PDF writer does not notice a write that fails (a full disk, a file size limit) and
// reports success with the file cut short; a finished PDF ends with its end-of-file marker.
bool isWholePdf(const QString& path) {
    QFile file(path);
    constexpr qint64 tail = 64;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - tail)))
        return false;
    return file.readAll().trimmed().endsWith("%%EOF");
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
    const QPrinter& device = printer_->printer;
    if (device.outputFormat() == QPrinter::PdfFormat && !isWholePdf(device.outputFileName()))
        throw UserError(QStringLiteral("Printing on \"%1\" failed: \"%2\" could not be written "
                                       "whole")
                            .arg(printerName_, device.outputFileName()));
}

bool QtPrintJob::end() {
    printer_->page.setJobPainter(nullptr);
    return painter_.end();
}
