#pragma once

#include "platform/PrinterSystem.h"
#include "platform/UserError.h"

#include <QImage>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// A printer system with settable measurements. Each document draws into a white page image
// of the printable size; finished pages are kept in printedPages for the test to inspect.
class FakePrinterSystem : public PrinterSystem {
  public:
    QStringList names{QStringLiteral("Fake Printer"), QStringLiteral("Print to PDF")};
    int selected = 0;
    PageOrientation pageOrientation = PageOrientation::Portrait;
    int copyCount = 1;
    DeviceCapabilities caps;
    bool failBegin = false;  // beginDocument throws
    bool failFinish = false; // finish throws
    QString paper = QStringLiteral("Letter");
    bool toFile = false; // behaves as a printer that writes a file
    QString outputFile;
    int documentsBegun = 0;
    QString lastTitle;
    std::vector<QImage> printedPages;
    std::function<void()> whenBeginning; // runs as a document begins

    // A letter-sized page at 600 pixels per inch with quarter-inch margins all round.
    static DeviceCapabilities letterAt600() {
        DeviceCapabilities c;
        c.pageWidth = 4800;
        c.pageHeight = 6300;
        c.pixelsPerInchX = 600;
        c.pixelsPerInchY = 600;
        c.physicalWidth = 5100;
        c.physicalHeight = 6600;
        c.physicalOffsetX = 150;
        c.physicalOffsetY = 150;
        c.numColors = -1;
        return c;
    }

    FakePrinterSystem() : caps(letterAt600()) {}
    explicit FakePrinterSystem(const DeviceCapabilities& capabilities) : caps(capabilities) {}

    QStringList printerNames() const override { return names; }
    int selectedIndex() const override { return selected; }
    void select(int index) override { selected = index; }
    PageOrientation orientation() const override { return pageOrientation; }
    void setOrientation(PageOrientation orientation) override { pageOrientation = orientation; }
    int copies() const override { return copyCount; }
    void setCopies(int copies) override { copyCount = copies; }
    // Turned sideways, the page is as wide as it was high.
    DeviceCapabilities capabilities() const override {
        if (pageOrientation == PageOrientation::Portrait)
            return caps;
        DeviceCapabilities turned = caps;
        std::swap(turned.pageWidth, turned.pageHeight);
        std::swap(turned.physicalWidth, turned.physicalHeight);
        std::swap(turned.physicalOffsetX, turned.physicalOffsetY);
        return turned;
    }
    QStringList paperSizes() const override {
        return {QStringLiteral("Letter"), QStringLiteral("A4")};
    }
    QString paperSize() const override { return paper; }
    void setPaperSize(const QString& name) override { paper = name; }
    bool printsToFile() const override { return toFile; }
    void setOutputFile(const QString& path) override { outputFile = path; }

    std::unique_ptr<PrintJob> beginDocument(const QString& title) override {
        if (whenBeginning)
            whenBeginning();
        if (failBegin)
            throw UserError(QStringLiteral("Printer is not ready"));
        ++documentsBegun;
        lastTitle = title;
        return std::make_unique<Job>(*this);
    }

  private:
    class Job : public PrintJob {
      public:
        explicit Job(FakePrinterSystem& owner)
            : owner_(owner), page_(std::max(1, owner.caps.pageWidth),
                                   std::max(1, owner.caps.pageHeight), QImage::Format_RGB32) {
            page_.fill(Qt::white);
        }
        QPaintDevice* page() override { return &page_; }
        // Like a print queue, the fake makes its copies itself.
        int pageCopies() const override { return 1; }
        void newPage() override {
            owner_.printedPages.push_back(page_);
            page_.fill(Qt::white);
        }
        void finish() override {
            if (owner_.failFinish)
                throw UserError(QStringLiteral("Printer error"));
            owner_.printedPages.push_back(page_);
        }

      private:
        FakePrinterSystem& owner_;
        QImage page_;
    };
};
