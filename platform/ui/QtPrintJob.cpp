#include "platform/ui/QtPrintJob.h"

#include "platform/UserError.h"
#include "platform/ui/PrinterPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

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
    if (device.outputFormat() == QPrinter::PdfFormat) {
        const QFileInfo named(device.outputFileName());
        pdfFile_ = named.isSymLink() ? named.symLinkTarget() : named.filePath();
        const QFileInfo target(pdfFile_);
        pdfBeingWritten_ =
            target.dir().filePath(QStringLiteral(".%1.%2")
                                      .arg(target.fileName())
                                      .arg(QRandomGenerator::global()->generate(), 0, 36));
        device.setOutputFileName(pdfBeingWritten_);
    }
    const bool begun = painter_.begin(&device);
    if (!pdfFile_.isEmpty() && !begun) {
        device.setOutputFileName(pdfFile_);
        dropPdf();
    }
    if (!begun)
        throw UserError(cannotBegin(device, printerName_));
    printer_->page.setJobPainter(&painter_);
}

QtPrintJob::~QtPrintJob() {
    if (painter_.isActive()) {
        printer_->printer.abort();
        end();
    }
    dropPdf();
}

QPaintDevice* QtPrintJob::page() {
    return painter_.isActive() ? &printer_->page : nullptr;
}

int QtPrintJob::pageCopies() const {
    const QPrinter& device = printer_->printer;
    return device.supportsMultipleCopies() ? 1 : std::max(1, device.copyCount());
}

void QtPrintJob::newPage() {
    if (painter_.isActive() && !printer_->printer.newPage())
        throw UserError(QStringLiteral("Printing on \"%1\" failed").arg(printerName_));
}

void QtPrintJob::finish() {
    if (!painter_.isActive())
        return;
    if (!end() || printer_->printer.printerState() == QPrinter::Error)
        throw UserError(QStringLiteral("Printing on \"%1\" failed").arg(printerName_));
    if (!pdfFile_.isEmpty())
        putPdfInPlace();
}

// Qt's PDF writer does not tell when its file could not be written whole; a whole PDF ends with
// its end-of-file mark.
void QtPrintJob::putPdfInPlace() {
    printer_->printer.setOutputFileName(pdfFile_);
    QFile written(pdfBeingWritten_);
    const bool whole = written.open(QIODevice::ReadOnly) && written.size() > 16 &&
                       written.seek(written.size() - 16) && written.read(16).contains("%%EOF");
    written.close();
    if (!whole)
        throw UserError(QStringLiteral("Cannot create file \"%1\". The PDF could not be written "
                                       "whole; is the disk full?")
                            .arg(pdfFile_));
    if (std::rename(QFile::encodeName(pdfBeingWritten_).constData(),
                    QFile::encodeName(pdfFile_).constData()) != 0)
        throw UserError(QStringLiteral("Cannot create file \"%1\". %2")
                            .arg(pdfFile_, QString::fromLocal8Bit(std::strerror(errno))));
    pdfBeingWritten_.clear();
}

void QtPrintJob::dropPdf() {
    if (!pdfBeingWritten_.isEmpty())
        QFile::remove(pdfBeingWritten_);
    pdfBeingWritten_.clear();
    if (!pdfFile_.isEmpty())
        printer_->printer.setOutputFileName(pdfFile_);
}

bool QtPrintJob::end() {
    printer_->page.setJobPainter(nullptr);
    return painter_.end();
}
