#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPaintDevice;

enum class PageOrientation { Portrait, Landscape };

// What the printer measurements need of the selected printer, in its device pixels.
struct DeviceCapabilities {
    int pageWidth = 0;  // printable width
    int pageHeight = 0; // printable height
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
    int physicalWidth = 0; // whole sheet
    int physicalHeight = 0;
    int physicalOffsetX = 0; // unprintable left margin
    int physicalOffsetY = 0; // unprintable top margin
    int numColors = 0;
};

// An open print job: one page to draw on, or one per copy where the printer cannot make copies.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    virtual QPaintDevice* page() = 0;
    // How many times the page is to be drawn: once when the printer makes the copies itself,
    // once a copy when it cannot (a PDF file has no copy count, only pages).
    virtual int pageCopies() const = 0;
    // Ends the page drawn and begins the next one of the same document.
    virtual void newPage() = 0;
    // Finishes the document; throws UserError when the printer fails.
    virtual void finish() = 0;
};

// The printers of the system. There is always at least one: the built-in PDF printer
// at the end of the list.
class PrinterSystem {
  public:
    virtual ~PrinterSystem() = default;

    virtual QStringList printerNames() const = 0;
    virtual int selectedIndex() const = 0;
    virtual void select(int index) = 0;
    virtual PageOrientation orientation() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    virtual int copies() const = 0;
    virtual void setCopies(int copies) = 0;
    virtual DeviceCapabilities capabilities() const = 0;
    // The paper sizes the selected printer takes, by name, and the one it is set to.
    virtual QStringList paperSizes() const = 0;
    virtual QString paperSize() const = 0;
    virtual void setPaperSize(const QString& name) = 0;
    // True when the selected printer writes a file instead of paper; the program then asks the
    // user where, and hands the answer over before the document begins.
    virtual bool printsToFile() const = 0;
    virtual void setOutputFile(const QString& path) = 0;

    // Begins a document on the selected printer; throws UserError when that fails.
    virtual std::unique_ptr<PrintJob> beginDocument(const QString& title) = 0;
};
