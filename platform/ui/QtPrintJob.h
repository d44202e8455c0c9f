#pragma once

#include "platform/PrinterSystem.h"

#include <QPainter>
#include <QString>
#include <memory>

struct PagedPrinter;

// One document on a Qt printer. The job owns the painter for the whole document; callers
// draw through page(), and finish() ends the document, which sends it to the printer (or
// writes the PDF file).
class QtPrintJob : public PrintJob {
  public:
    // Begins the document; throws UserError naming the printer when it cannot begin.
    QtPrintJob(std::shared_ptr<PagedPrinter> printer, const QString& printerName,
               const QString& title);
    // A job dropped without finish() is being abandoned after an error: it is aborted so
    // that a half-drawn page does not go out.
    ~QtPrintJob() override;

    QPaintDevice* page() override;
    int pageCopies() const override;
    void newPage() override;
    void finish() override;

  private:
    bool end();

    void putPdfInPlace();
    void dropPdf();

    std::shared_ptr<PagedPrinter> printer_; // shared so the job outlives a change of printer
    QString printerName_;
    // A PDF is written beside its file and takes its name only once it is whole, so that a
    // failed print (a full disk) leaves an earlier file of that name as it was.
    QString pdfFile_;
    QString pdfBeingWritten_;
    QPainter painter_;
};
