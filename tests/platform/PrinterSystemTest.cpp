#include "platform/Canvas.h"
#include "platform/UserError.h"
#include "platform/ui/QtPrinterSystem.h"

#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int dpi = 600;
constexpr int quarterInch = dpi / 4;

// Builds the printers under a given default locale, which decides the PDF printer's paper.
class LocaleScope {
  public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }

  private:
    QLocale saved_;
};

QtPrinterSystem& selectPdf(QtPrinterSystem& printers) {
    printers.select(printers.printerNames().size() - 1);
    return printers;
}

// PDF pages are sized in whole points; A4 is 595 x 842 of them.
int paperPointsToPixels(int points) {
    return qRound(points * double(dpi) / 72);
}

// How the PDF writer stores a text such as the document title: UTF-16, big-endian, with a
// byte-order mark.
QByteArray pdfText(const QString& text) {
    QByteArray bytes("\xFE\xFF");
    for (const QChar character : text) {
        bytes.append(char(character.unicode() >> 8));
        bytes.append(char(character.unicode() & 0xFF));
    }
    return bytes;
}

int pageCount(const QByteArray& pdf) {
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/");
}

} // namespace

TEST(QtPrinterSystem, PdfPrinterIsLastAndChosenWithoutDefault) {
    QtPrinterSystem printers;
    const QStringList names = printers.printerNames();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.constLast(), QStringLiteral("Print to PDF"));
    EXPECT_EQ(names.count(QStringLiteral("Print to PDF")), 1);
    if (names.size() == 1) {
        EXPECT_EQ(printers.selectedIndex(), 0);
    }

    const int before = printers.selectedIndex();
    printers.select(-1);
    printers.select(names.size());
    EXPECT_EQ(printers.selectedIndex(), before);
}

TEST(QtPrinterSystem, PdfPrinterMeasuresLetterOrA4WithQuarterInchMargins) {
    struct Case {
        QLocale locale;
        int width;
        int height;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), 17 * dpi / 2, 11 * dpi},
        {QLocale(QLocale::German, QLocale::Germany), paperPointsToPixels(595),
         paperPointsToPixels(842)},
    };
    for (const Case& paper : cases) {
        SCOPED_TRACE(paper.locale.name().toStdString());
        const LocaleScope scope(paper.locale);
        QtPrinterSystem printers;
        const DeviceCapabilities caps = selectPdf(printers).capabilities();
        EXPECT_EQ(caps.pixelsPerInchX, dpi);
        EXPECT_EQ(caps.pixelsPerInchY, dpi);
        EXPECT_EQ(caps.physicalWidth, paper.width);
        EXPECT_EQ(caps.physicalHeight, paper.height);
        EXPECT_EQ(caps.physicalOffsetX, quarterInch);
        EXPECT_EQ(caps.physicalOffsetY, quarterInch);
        EXPECT_EQ(caps.pageWidth, paper.width - 2 * quarterInch);
        EXPECT_EQ(caps.pageHeight, paper.height - 2 * quarterInch);
        EXPECT_EQ(caps.numColors, -1);
    }
}

TEST(QtPrinterSystem, OrientationAndCopiesRoundTrip) {
    const LocaleScope scope(QLocale(QLocale::English, QLocale::UnitedStates));
    QtPrinterSystem printers;
    selectPdf(printers);
    EXPECT_EQ(printers.orientation(), PageOrientation::Portrait);
    EXPECT_EQ(printers.copies(), 1);
    const DeviceCapabilities portrait = printers.capabilities();

    printers.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(printers.orientation(), PageOrientation::Landscape);
    const DeviceCapabilities landscape = printers.capabilities();
    EXPECT_EQ(landscape.pageWidth, portrait.pageHeight);
    EXPECT_EQ(landscape.pageHeight, portrait.pageWidth);
    EXPECT_EQ(landscape.physicalWidth, portrait.physicalHeight);
    EXPECT_EQ(landscape.physicalHeight, portrait.physicalWidth);
    EXPECT_EQ(landscape.physicalOffsetX, quarterInch);

    for (const int copies : {4, 1, 3}) {
        printers.setCopies(copies);
        EXPECT_EQ(printers.copies(), copies);
        EXPECT_EQ(printers.selectedPrinter().copyCount(), copies);
    }
    printers.setCopies(0);
    EXPECT_EQ(printers.copies(), 3);

    printers.setOrientation(PageOrientation::Portrait);
    EXPECT_EQ(printers.capabilities().pageWidth, portrait.pageWidth);
}

TEST(QtPrinterSystem, PrintsOnePagePdfFromSeveralCanvases) {
    const LocaleScope scope(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("not yet there/sheet.pdf"));
    QtPrinterSystem printers;
    selectPdf(printers).setPdfOutputPath(path);
    const DeviceCapabilities caps = printers.capabilities();

    std::unique_ptr<PrintJob> job = printers.beginDocument(QStringLiteral("Tilettes"));
    QPaintDevice* page = job->page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->width(), caps.pageWidth);
    EXPECT_EQ(page->height(), caps.pageHeight);
    EXPECT_EQ(page->logicalDpiY(), dpi);
    // The bands and the perforation dots are drawn by separate canvases, one after another;
    // all of them must land on the same page of the same document.
    for (int band = 0; band < 3; ++band) {
        Canvas canvas(page);
        canvas.fillRect({0, band * quarterInch, caps.pageWidth, (band + 1) * quarterInch},
                        makeColour(band * 100, 0, 0));
    }
    {
        Canvas dots(page);
        dots.setPen(3, colours::black);
        dots.moveTo(0, 0);
        dots.lineTo(caps.pageWidth - 1, caps.pageHeight - 1);
    }
    EXPECT_TRUE(printers.selectedPrinter().paintingActive());
    job->finish();
    EXPECT_FALSE(printers.selectedPrinter().paintingActive());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_TRUE(pdf.contains(pdfText(QStringLiteral("Tilettes"))));
}

TEST(QtPrinterSystem, UnwritablePdfPathIsAUserError) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile blocker(folder.filePath(QStringLiteral("a file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtPrinterSystem printers;
    const QString pdf = folder.filePath(QStringLiteral("a file/sheet.pdf"));
    selectPdf(printers).setPdfOutputPath(pdf);
    try {
        printers.beginDocument(QStringLiteral("Tilettes"));
        FAIL() << "a document that cannot be written must not begin";
    } catch (const UserError& failure) {
        // The file is named, with the reason it cannot be made.
        EXPECT_EQ(failure.message(), QStringLiteral("Cannot create file \"%1\". %2")
                                         .arg(pdf, QString::fromLocal8Bit(std::strerror(ENOTDIR))))
            << failure.what();
    }
}

TEST(QtPrinterSystem, AbandonedJobLeavesThePrinterUsable) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    QtPrinterSystem printers;
    selectPdf(printers).setPdfOutputPath(path);
    {
        std::unique_ptr<PrintJob> abandoned = printers.beginDocument(QStringLiteral("First"));
        Canvas canvas(abandoned->page());
        canvas.fillRect({0, 0, 100, 100}, colours::red);
    }
    EXPECT_FALSE(printers.selectedPrinter().paintingActive());
    std::unique_ptr<PrintJob> job = printers.beginDocument(QStringLiteral("Second"));
    job->finish();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.contains(pdfText(QStringLiteral("Second"))));
}
