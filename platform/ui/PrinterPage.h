#pragma once

#include <QPaintDevice>
#include <QPrinter>

class QPainter;
class QPrinterInfo;

// The page of an open print job as a paint device of its own. Every painter begun on it
// joins the job's one painter instead of starting a document, so the page can be drawn by
// several canvases in turn (the bands, then the perforation dots) and still leave the
// printer with one page of one job. Outside a job nothing can paint on it.
class PrinterPage : public QPaintDevice {
  public:
    explicit PrinterPage(QPrinter& printer);
    PrinterPage(const PrinterPage&) = delete;
    PrinterPage& operator=(const PrinterPage&) = delete;

    // The painter that holds the printer's document open, or null between jobs.
    void setJobPainter(QPainter* painter) { jobPainter_ = painter; }

    QPaintEngine* paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;
    QPainter* sharedPainter() const override;

  private:
    QPrinter& printer_;
    QPainter* jobPainter_ = nullptr;
};

// A printer and its page, made and dropped together: once a painter has joined the job
// through the page, the printer's paint engine keeps referring to that page for good.
struct PagedPrinter {
    explicit PagedPrinter(const QPrinterInfo& info)
        : printer(info, QPrinter::HighResolution), page(printer) {}

    QPrinter printer;
    PrinterPage page;
};
