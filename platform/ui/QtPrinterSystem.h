#pragma once

#include "platform/PrinterSystem.h"

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
struct PagedPrinter;

// The system's printers through Qt and CUPS, followed by the built-in PDF printer, which is
// always last and is selected when the system names no default printer. Only the selected
// printer is held open; choosing another one builds it afresh, keeping the orientation and
// the copy count.
class QtPrinterSystem : public PrinterSystem {
  public:
    static const QString pdfPrinterName; // "Print to PDF"

    // Where the PDF printer writes: the application's local data folder unless changed.
    static QString defaultPdfOutputPath();

    QtPrinterSystem();
    ~QtPrinterSystem() override;

    QStringList printerNames() const override;
    int selectedIndex() const override;
    void select(int index) override;
    PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    int copies() const override;
    void setCopies(int copies) override;
    DeviceCapabilities capabilities() const override;
    QStringList paperSizes() const override;
    QString paperSize() const override;
    void setPaperSize(const QString& name) override;
    std::unique_ptr<PrintJob> beginDocument(const QString& title) override;

    QString pdfOutputPath() const { return pdfOutputPath_; }
    // Takes effect at once when the PDF printer is selected, else when it next is.
    void setPdfOutputPath(const QString& path);
    bool printsToFile() const override { return isPdfPrinter(selected_); }
    void setOutputFile(const QString& path) override { setPdfOutputPath(path); }

    // The selected printer itself.
    QPrinter& selectedPrinter();

  private:
    bool isPdfPrinter(int index) const;
    int pdfPrinterIndex() const;
    std::shared_ptr<PagedPrinter> makePrinter(int index) const;
    std::shared_ptr<PagedPrinter> makePdfPrinter() const;

    QStringList names_;
    int selected_ = 0;
    QString pdfOutputPath_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    int copies_ = 1;
    std::shared_ptr<PagedPrinter> current_;
};
