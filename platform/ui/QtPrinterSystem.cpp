#include "platform/ui/QtPrinterSystem.h"

#include "platform/PlainFile.h"
#include "platform/UserError.h"
#include "platform/ui/PrintQueueState.h"
#include "platform/ui/PrinterPage.h"
#include "platform/ui/QtPrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

constexpr int pdfResolution = 600;
constexpr double quarterInchInPoints = 18.0;

QPageLayout::Orientation toQtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

// Letter where people use it, A4 everywhere else. The default locale is the system's
// unless the program (or a test) sets another.
QPageSize localPaperSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

// A job sent to a queue that refuses jobs is lost without a word, and one sent to a stopped
// queue waits there unprinted: the user is told instead, before anything is sent.
void refuseQueueThatWouldNotPrint(const QString& queue) {
    switch (printQueueState(queue)) {
    case PrintQueueState::RefusingJobs:
        throw UserError(QStringLiteral("Printer \"%1\" is not accepting jobs, so nothing was "
                                       "printed. Choose another printer with Printer Setup.")
                            .arg(queue));
    case PrintQueueState::Stopped:
        throw UserError(QStringLiteral("Printer \"%1\" is stopped, so nothing was printed. Start "
                                       "it again, or choose another printer with Printer Setup.")
                            .arg(queue));
    case PrintQueueState::Ready:
    case PrintQueueState::Unknown:
        break;
    }
}

} // namespace

const QString QtPrinterSystem::pdfPrinterName = QStringLiteral("Print to PDF");

QString QtPrinterSystem::defaultPdfOutputPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/print.pdf");
}

QtPrinterSystem::QtPrinterSystem()
    : names_(QPrinterInfo::availablePrinterNames()), pdfOutputPath_(defaultPdfOutputPath()) {
    names_.append(pdfPrinterName);
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    const int defaultIndex = systemDefault.isEmpty() ? -1 : names_.indexOf(systemDefault);
    selected_ = defaultIndex >= 0 && !isPdfPrinter(defaultIndex) ? defaultIndex : pdfPrinterIndex();
    current_ = makePrinter(selected_);
}

QtPrinterSystem::~QtPrinterSystem() = default;

QStringList QtPrinterSystem::printerNames() const {
    return names_;
}

int QtPrinterSystem::selectedIndex() const {
    return selected_;
}

void QtPrinterSystem::select(int index) {
    if (index < 0 || index >= names_.size() || index == selected_)
        return;
    selected_ = index;
    current_ = makePrinter(index);
}

PageOrientation QtPrinterSystem::orientation() const {
    return orientation_;
}

void QtPrinterSystem::setOrientation(PageOrientation orientation) {
    orientation_ = orientation;
    current_->printer.setPageOrientation(toQtOrientation(orientation));
}

int QtPrinterSystem::copies() const {
    return copies_;
}

void QtPrinterSystem::setCopies(int copies) {
    if (copies < 1)
        return;
    copies_ = copies;
    current_->printer.setCopyCount(copies);
}

DeviceCapabilities QtPrinterSystem::capabilities() const {
    const int resolution = current_->printer.resolution();
    const QPageLayout layout = current_->printer.pageLayout();
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect printable = layout.paintRectPixels(resolution);
    DeviceCapabilities capabilities;
    capabilities.pageWidth = printable.width();
    capabilities.pageHeight = printable.height();
    capabilities.pixelsPerInchX = resolution;
    capabilities.pixelsPerInchY = resolution;
    capabilities.physicalWidth = paper.width();
    capabilities.physicalHeight = paper.height();
    capabilities.physicalOffsetX = printable.left();
    capabilities.physicalOffsetY = printable.top();
    // What colour drivers report for "more colours than a palette holds"; grey-only ones
    // report two.
    capabilities.numColors = current_->printer.colorMode() == QPrinter::Color ? -1 : 2;
    return capabilities;
}

std::unique_ptr<PrintJob> QtPrinterSystem::beginDocument(const QString& title) {
    const QString outputFile = current_->printer.outputFileName();
    // Opening a pipe for writing would wait for a reader; a device is no place for a PDF.
    if (current_->printer.outputFormat() == QPrinter::PdfFormat && isPipeOrDevice(outputFile))
        throw UserError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(outputFile, pipeOrDeviceReason()));
    if (current_->printer.outputFormat() == QPrinter::PdfFormat)
        QDir().mkpath(QFileInfo(outputFile).absolutePath());
    else
        refuseQueueThatWouldNotPrint(names_.at(selected_));
    return std::make_unique<QtPrintJob>(current_, names_.at(selected_), title);
}

void QtPrinterSystem::setPdfOutputPath(const QString& path) {
    pdfOutputPath_ = path;
    if (isPdfPrinter(selected_))
        current_->printer.setOutputFileName(path);
}

QPrinter& QtPrinterSystem::selectedPrinter() {
    return current_->printer;
}

QStringList QtPrinterSystem::paperSizes() const {
    QStringList names;
    if (!isPdfPrinter(selected_))
        for (const QPageSize& size :
             QPrinterInfo::printerInfo(names_.at(selected_)).supportedPageSizes())
            names << size.name();
    // A file takes any paper; a printer that lists none gets the common ones to choose from.
    if (names.isEmpty())
        for (const QPageSize::PageSizeId id : {QPageSize::Letter, QPageSize::Legal, QPageSize::A4,
                                               QPageSize::A5, QPageSize::A3, QPageSize::Executive})
            names << QPageSize(id).name();
    return names;
}

QString QtPrinterSystem::paperSize() const {
    return current_->printer.pageLayout().pageSize().name();
}

void QtPrinterSystem::setPaperSize(const QString& name) {
    if (!isPdfPrinter(selected_)) {
        for (const QPageSize& size :
             QPrinterInfo::printerInfo(names_.at(selected_)).supportedPageSizes())
            if (size.name() == name) {
                current_->printer.setPageSize(size);
                return;
            }
    }
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const QPageSize size(static_cast<QPageSize::PageSizeId>(id));
        if (size.name() == name) {
            current_->printer.setPageSize(size);
            return;
        }
    }
}

bool QtPrinterSystem::isPdfPrinter(int index) const {
    return index == pdfPrinterIndex();
}

int QtPrinterSystem::pdfPrinterIndex() const {
    return static_cast<int>(names_.size()) - 1;
}

std::shared_ptr<PagedPrinter> QtPrinterSystem::makePrinter(int index) const {
    if (isPdfPrinter(index))
        return makePdfPrinter();
    auto paged = std::make_shared<PagedPrinter>(QPrinterInfo::printerInfo(names_.at(index)));
    QPrinter* printer = &paged->printer;
    printer->setPageOrientation(toQtOrientation(orientation_));
    printer->setCopyCount(copies_);
    return paged;
}

std::shared_ptr<PagedPrinter> QtPrinterSystem::makePdfPrinter() const {
    auto paged = std::make_shared<PagedPrinter>(QPrinterInfo());
    QPrinter* printer = &paged->printer;
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(pdfResolution);
    printer->setColorMode(QPrinter::Color);
    printer->setFullPage(false);
    const QMarginsF quarterInch(quarterInchInPoints, quarterInchInPoints, quarterInchInPoints,
                                quarterInchInPoints);
    printer->setPageLayout(QPageLayout(localPaperSize(), toQtOrientation(orientation_), quarterInch,
                                       QPageLayout::Point));
    printer->setOutputFileName(pdfOutputPath_);
    printer->setCopyCount(copies_);
    return paged;
}
