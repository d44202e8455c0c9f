#include "app/TForm1.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/PictureFile.h"
#include "platform/TiletteUnits.h"
#include "platform/ui/QtPrinterSystem.h"
#include "print/PdfPages.h"
#include "print/PrivateCupsServer.h"
#include "setup/SetupFile.h"
#include "setup/SetupWriter.h"
#include "sheet/PrintPerforations.h"
#include "support/ScriptedDialogs.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace {

// Set before main, so that the print client never learns of any other server.
const QString cupsAddress = PrivateCupsServer::reserveAddress();

const QString queueName = QStringLiteral("TestPdf");
const QString cupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
constexpr Colour pictureColour = 0x2080E0; // red E0, green 80, blue 20
constexpr int perforationMarginX = 9;
constexpr int perforationMarginY = 11;
constexpr int pictureFrame = 25; // units kept round a fitted picture

bool near(QRgb pixel, Colour colour, int tolerance = 40) {
    return std::abs(qRed(pixel) - redOf(colour)) <= tolerance &&
           std::abs(qGreen(pixel) - greenOf(colour)) <= tolerance &&
           std::abs(qBlue(pixel) - blueOf(colour)) <= tolerance;
}

bool light(QRgb pixel) {
    return qRed(pixel) > 160 && qGreen(pixel) > 160 && qBlue(pixel) > 160;
}

// The first and one-past-last position of the picture colour on a line of the page, between
// from and to; {-1, -1} when it is not there.
std::pair<int, int> pictureRun(const QImage& page, bool across, int line, int from, int to) {
    std::pair<int, int> run{-1, -1};
    for (int at = std::max(0, from); at < to; ++at) {
        const QPoint point = across ? QPoint(at, line) : QPoint(line, at);
        if (!page.valid(point) || !near(page.pixel(point), pictureColour))
            continue;
        if (run.first < 0)
            run.first = at;
        run.second = at + 1;
    }
    return run;
}

QString pageSizeText(QSizeF size) {
    return QStringLiteral("%1 x %2 pt").arg(size.width()).arg(size.height());
}

// Where the page lands on a PDF rasterised at some resolution: the printer's device pixels
// (in the printable area) turned into pixels of the rendered page.
struct PagePlacement {
    DeviceCapabilities caps;
    int rasterDpi = 0;
    int top = 0; // where the sheet's first row is printed, in device pixels
    int sheetWidth = 0, printedWidth = 0;

    PagePlacement(const DeviceCapabilities& capabilities, int dpi)
        : caps(capabilities), rasterDpi(dpi) {
        sheetWidth = caps.pageWidth * tiletteUnitsPerInch / caps.pixelsPerInchX;
        const int sheetHeight = caps.pageHeight * tiletteUnitsPerInch / caps.pixelsPerInchY;
        printedWidth = (sheetWidth / 2) * caps.pixelsPerInchX / 100;
        const int printedHeight = (sheetHeight / 2) * caps.pixelsPerInchY / 100;
        top = (caps.pageHeight - printedHeight) / 2;
    }
    double deviceX(double x) const {
        return (caps.physicalOffsetX + x) * rasterDpi / caps.pixelsPerInchX;
    }
    double deviceY(double y) const {
        return (caps.physicalOffsetY + y) * rasterDpi / caps.pixelsPerInchY;
    }
    // A point of the 1/200-inch sheet: stretched across, and down band by band.
    double sheetX(double x) const { return deviceX(x * printedWidth / sheetWidth); }
    double sheetY(double y) const {
        return deviceY(top + y * caps.pixelsPerInchY / tiletteUnitsPerInch);
    }
};

class PrintedPageTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        picture = folder.filePath(QStringLiteral("saturated.bmp"));
        writeBitmapFile(picture, Bitmap(400, 400, pictureColour));
    }

    // The window on the given printers, with the picture in slot 1.
    std::unique_ptr<TForm1> windowWithPicture(QtPrinterSystem& printers) {
        auto form = std::make_unique<TForm1>(dialogs, printers);
        form->show();
        dialogs.answerFile(picture);
        form->run(&TForm1::ContinueButtonClick);
        return form;
    }

    QString errorsShown() const {
        QStringList errors;
        for (const ShownDialog& shown : dialogs.shown())
            if (shown.kind == DialogKind::Error)
                errors << shown.text;
        return errors.join(QLatin1Char('\n'));
    }

    // The square picture fitted in a tilette of the grid: its offset from the tilette's corner
    // and its side, in units.
    static QRect pictureInTilette(const SheetGrid& grid) {
        const int side = std::min(grid.tiletteWidth, grid.tiletteHeight) - 2 * pictureFrame;
        return {(grid.tiletteWidth - side) / 2, (grid.tiletteHeight - side) / 2, side, side};
    }

    static void keepForPeople(const QImage& page) {
        const QString screenshots = qEnvironmentVariable("TILETTES_SCREENSHOTS");
        if (screenshots.isEmpty())
            return;
        QDir().mkpath(screenshots);
        page.save(QDir(screenshots).filePath(QStringLiteral("11-printed-page.png")));
    }

    QTemporaryDir folder;
    QString picture;
    ScriptedDialogs dialogs;
};

// The PDFs in a folder and when each was last written.
using PdfListing = std::map<QString, QDateTime>;

PdfListing listPdfs(const QString& folder) {
    PdfListing listing;
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        listing[file.fileName()] = file.lastModified();
    return listing;
}

// Watches cups-pdf's output folder from its making to its end: the PDF written meanwhile is
// found once the queue is done, and removed again with the folder if that was not there before.
// Our server numbers its jobs from 1 every time, so a file left by an earlier run may be written
// over rather than added.
class CupsPdfOutput {
  public:
    CupsPdfOutput() : folderWasThere_(QFileInfo::exists(folder_)), before_(listPdfs(folder_)) {}
    ~CupsPdfOutput() {
        if (!pdf_.isEmpty())
            QFile::remove(pdf_);
        if (!folderWasThere_)
            QDir().rmdir(folder_);
    }
    CupsPdfOutput(const CupsPdfOutput&) = delete;
    CupsPdfOutput& operator=(const CupsPdfOutput&) = delete;

    QString folder() const { return folder_; }

    // The new PDF, or an empty name after a minute without one.
    QString await(const PrivateCupsServer& server) {
        const QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            if (server.idle(queueName))
                for (const auto& [name, written] : listPdfs(folder_))
                    if (!before_.contains(name) || before_.at(name) != written)
                        return pdf_ = QDir(folder_).filePath(name);
            QTest::qWait(250);
        }
        return {};
    }

  private:
    const QString folder_ = cupsPdfOutputFolder();
    const bool folderWasThere_;
    const PdfListing before_;
    QString pdf_;
};

// The page size the queue gives a job that names none, from the queue's own PPD.
QSizeF queueDefaultPaperPoints(const QString& ppdFile) {
    QFile file(ppdFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString ppd = QString::fromLatin1(file.readAll());
    const QRegularExpressionMatch name =
        QRegularExpression(QStringLiteral("^\\*DefaultPageSize:\\s*(\\S+)"),
                           QRegularExpression::MultilineOption)
            .match(ppd);
    if (!name.hasMatch())
        return {};
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^\\*PaperDimension %1[/:][^\"]*\"([\\d.]+) ([\\d.]+)\"")
                               .arg(QRegularExpression::escape(name.captured(1))),
                           QRegularExpression::MultilineOption)
            .match(ppd);
    return size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble())
                           : QSizeF();
}

} // namespace

TEST_F(PrintedPageTest, ThroughARealCupsQueueTheTilettesAndDotsLandWhereTheRulesPutThem) {
    PrivateCupsServer server(cupsAddress);
    const QString started = server.start();
    ASSERT_TRUE(started.isEmpty()) << "The private print server on " << cupsAddress.toStdString()
                                   << " did not start: " << started.toStdString();
    const QString added = server.addPdfQueue(queueName, cupsPdfPpd);
    ASSERT_TRUE(added.isEmpty()) << added.toStdString();

    QtPrinterSystem printers;
    const int queue = static_cast<int>(printers.printerNames().indexOf(queueName));
    ASSERT_GE(queue, 0) << "The program does not list the queue; it lists: "
                        << printers.printerNames().join(QStringLiteral(", ")).toStdString();
    printers.select(queue);
    const DeviceCapabilities caps = printers.capabilities();
    ASSERT_GT(caps.pixelsPerInchX, 0);
    ASSERT_GT(caps.pixelsPerInchY, 0);

    auto form = windowWithPicture(printers);
    form->BorderRadioGroup->setItemIndex(3); // Perforations

    CupsPdfOutput output;
    form->run(&TForm1::PrintButtonClick);
    ASSERT_EQ(errorsShown().toStdString(), "");
    const QString pdf = output.await(server);
    ASSERT_FALSE(pdf.isEmpty()) << "No PDF came out in " << output.folder().toStdString()
                                << " within 60 s. The server's log:\n"
                                << server.errorLog().right(6000).toStdString();

    const PdfFacts facts = readPdfFacts(pdf);
    ASSERT_TRUE(facts.problem.isEmpty()) << facts.problem.toStdString();
    EXPECT_EQ(facts.pages, 1);
    const QSizeF paper = queueDefaultPaperPoints(server.queuePpd(queueName));
    ASSERT_FALSE(paper.isEmpty()) << "The queue's PPD names no default paper size";
    EXPECT_NEAR(facts.pageSizePoints.width(), paper.width(), 1.0)
        << pageSizeText(facts.pageSizePoints).toStdString() << " printed, "
        << pageSizeText(paper).toStdString() << " expected";
    EXPECT_NEAR(facts.pageSizePoints.height(), paper.height(), 1.0);

    // Rendered at 200 dots an inch, a page pixel is a tilette unit, and a whole page stays small
    // whatever the printer's resolution.
    const int dpi = tiletteUnitsPerInch;
    const QImage page = rasterisePage(pdf, dpi);
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
    keepForPeople(page);
    const PagePlacement placed(caps, dpi);

    // Every tilette shows the picture, its edges within two pixels of where the rules put them.
    const SheetGrid grid = form->session().grid();
    ASSERT_EQ(grid.perforationMarginX, perforationMarginX);
    ASSERT_EQ(grid.perforationMarginY, perforationMarginY);
    ASSERT_GT(grid.tilettesAcross, 0);
    ASSERT_GT(grid.tilettesDown, 0);
    const QRect inTilette = pictureInTilette(grid);
    for (int row = 0; row < grid.tilettesDown; ++row)
        for (int column = 0; column < grid.tilettesAcross; ++column) {
            const int left = perforationMarginX + column * grid.tiletteWidth + inTilette.left();
            const int top = perforationMarginY + row * grid.tiletteHeight + inTilette.top();
            const int right = left + inTilette.width(), bottom = top + inTilette.height();
            const int middleX = static_cast<int>(placed.sheetX((left + right) / 2.0));
            const int middleY = static_cast<int>(placed.sheetY((top + bottom) / 2.0));
            const auto across =
                pictureRun(page, true, middleY, static_cast<int>(placed.sheetX(left)) - 10,
                           static_cast<int>(placed.sheetX(right)) + 10);
            const auto down =
                pictureRun(page, false, middleX, static_cast<int>(placed.sheetY(top)) - 10,
                           static_cast<int>(placed.sheetY(bottom)) + 10);
            SCOPED_TRACE(testing::Message() << "tilette in column " << column << ", row " << row);
            EXPECT_NEAR(across.first, placed.sheetX(left), 2.0);
            EXPECT_NEAR(across.second, placed.sheetX(right), 2.0);
            EXPECT_NEAR(down.first, placed.sheetY(top), 2.0);
            EXPECT_NEAR(down.second, placed.sheetY(bottom), 2.0);
        }

    // The dots are drawn where the sheet was printed, its top offset included.
    SheetLayout layout;
    static_cast<SheetGrid&>(layout) = grid;
    layout.pageType = PageType::OneImage;
    const Colour dotColour = form->sheetDefinition().borderColour;
    const std::vector<PrintedDot> dots =
        perforationDots(caps.pixelsPerInchX, caps.pixelsPerInchY, layout, dotColour);
    ASSERT_GT(dots.size(), 4u);
    const auto centreOf = [&](const PrintedDot& dot) {
        return QPointF(placed.deviceX((dot.box.left + dot.box.right) / 2.0),
                       placed.deviceY(placed.top + (dot.box.top + dot.box.bottom) / 2.0));
    };
    for (const size_t index : {size_t{0}, size_t{1}, size_t{2}, dots.size() / 2, dots.size() - 1}) {
        const PrintedDot& dot = dots[index];
        const QPoint centre = centreOf(dot).toPoint();
        SCOPED_TRACE(testing::Message() << "dot " << index << " of grid point (" << dot.anchor.x
                                        << ", " << dot.anchor.y << ") at page pixel (" << centre.x()
                                        << ", " << centre.y() << ")");
        ASSERT_TRUE(page.valid(centre));
        EXPECT_TRUE(near(page.pixel(centre), dotColour))
            << std::hex << page.pixel(centre) << " instead of the dots' colour";
    }
    // Paper shows between neighbours on the top line of dots. Where a tilette's edge crosses the
    // line its dots fall between the others, so only neighbours a whole step apart count.
    std::map<int, QPointF> topLine;
    for (const PrintedDot& dot : dots)
        if (dot.anchor.y == dots.front().anchor.y)
            topLine.emplace(dot.anchor.x, centreOf(dot));
    ASSERT_GE(topLine.size(), 3u);
    const int step = std::next(topLine.begin())->first - topLine.begin()->first;
    std::vector<QPoint> gaps;
    for (auto it = topLine.begin(); std::next(it) != topLine.end(); ++it)
        if (std::next(it)->first - it->first == step)
            gaps.push_back(((it->second + std::next(it)->second) / 2).toPoint());
    for (const QPoint& between : {gaps.front(), gaps[gaps.size() / 2], gaps.back()})
        EXPECT_TRUE(light(page.pixel(between)))
            << std::hex << page.pixel(between) << " between two dots at page pixel " << std::dec
            << between.x() << ", " << between.y();
}

TEST_F(PrintedPageTest, ThePdfPrinterPrintsTheTilettesAtTheirTrueSize) {
    QtPrinterSystem printers;
    const int pdfPrinter =
        static_cast<int>(printers.printerNames().indexOf(QtPrinterSystem::pdfPrinterName));
    ASSERT_GE(pdfPrinter, 0);
    printers.select(pdfPrinter);
    const DeviceCapabilities caps = printers.capabilities();
    ASSERT_GT(caps.pixelsPerInchX, 0);
    ASSERT_GT(caps.pixelsPerInchY, 0);

    auto form = windowWithPicture(printers);
    // A file has no copy count: each copy is a page of its own.
    form->CopiesUpDown->setPosition(2);
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    dialogs.answerFile(pdf);
    form->run(&TForm1::PrintButtonClick);
    ASSERT_EQ(errorsShown().toStdString(), "");
    EXPECT_EQ(dialogs.remainingAnswers(), 0) << "Print Page did not ask where to write";
    ASSERT_TRUE(QFileInfo::exists(pdf));

    const PdfFacts facts = readPdfFacts(pdf);
    ASSERT_TRUE(facts.problem.isEmpty()) << facts.problem.toStdString();
    EXPECT_EQ(facts.pages, 2);
    const QSizeF paper(caps.physicalWidth * 72.0 / caps.pixelsPerInchX,
                       caps.physicalHeight * 72.0 / caps.pixelsPerInchY);
    EXPECT_NEAR(facts.pageSizePoints.width(), paper.width(), 1.0);
    EXPECT_NEAR(facts.pageSizePoints.height(), paper.height(), 1.0);

    const int dpi = tiletteUnitsPerInch;
    const QImage page = rasterisePage(pdf, dpi);
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
    const PagePlacement placed(caps, dpi);
    const SheetGrid grid = form->session().grid();
    const QRect inTilette = pictureInTilette(grid);
    const int top = grid.perforationMarginY + inTilette.top();
    const int middleY = static_cast<int>(placed.sheetY(top + inTilette.height() / 2.0));
    const auto across =
        pictureRun(page, true, middleY, 0,
                   static_cast<int>(placed.sheetX(grid.perforationMarginX + grid.tiletteWidth)));
    ASSERT_GE(across.first, 0) << "The first tilette's picture is not on row " << middleY;
    // Past the printer's unprintable margin, where the sheet begins.
    EXPECT_NEAR(across.first, placed.sheetX(grid.perforationMarginX + inTilette.left()), 2.0);
    EXPECT_NEAR(across.second - across.first, inTilette.width() * dpi / tiletteUnitsPerInch, 2);
}

// tilettes-batch prints on a queue of the system by name, as the window does: one page with the
// tilettes on it.
TEST_F(PrintedPageTest, ThroughARealCupsQueueTheBatchProgramPrintsTheSheet) {
    PrivateCupsServer server(cupsAddress);
    const QString started = server.start();
    ASSERT_TRUE(started.isEmpty()) << started.toStdString();
    const QString added = server.addPdfQueue(queueName, cupsPdfPpd);
    ASSERT_TRUE(added.isEmpty()) << added.toStdString();
    SheetDefinition definition;
    definition.border = BorderType::None;
    SlotTable table;
    table[1].FileName = picture;
    const QString setup = folder.filePath(QStringLiteral("sheet.agt"));
    saveSetupFile(setup,
                  setupFileText(setupRecordOf(definition, table, 0, PageOrientation::Portrait)));

    // The print client of the program finds the private server as this one does.
    const auto batch = [](const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TILETTES_BATCH), arguments);
        process.waitForFinished(60000);
        return std::pair{process.exitCode(),
                         QString::fromLocal8Bit(process.readAllStandardOutput() +
                                                process.readAllStandardError())};
    };
    const auto [listed, printers] = batch({QStringLiteral("--list-printers")});
    EXPECT_EQ(listed, 0);
    EXPECT_TRUE(printers.split(QLatin1Char('\n')).contains(queueName)) << printers.toStdString();

    CupsPdfOutput output;
    const auto [status, said] = batch({setup, QStringLiteral("--printer"), queueName});
    ASSERT_EQ(status, 0) << said.toStdString();
    const QString pdf = output.await(server);
    ASSERT_FALSE(pdf.isEmpty()) << "cups-pdf wrote nothing within 60 s. The server's log:\n"
                                << server.errorLog().right(6000).toStdString();
    const PdfFacts facts = readPdfFacts(pdf);
    ASSERT_TRUE(facts.problem.isEmpty()) << facts.problem.toStdString();
    EXPECT_EQ(facts.pages, 1);
    const QImage page = rasterisePage(pdf, 50);
    ASSERT_FALSE(page.isNull());
    // The tilettes cover most of the page: along a row a third of the way down, the picture's
    // colour runs from near the left margin to near the right.
    const auto run = pictureRun(page, true, page.height() / 3, 0, page.width());
    EXPECT_LT(run.first, page.width() / 8);
    EXPECT_GT(run.second, page.width() * 7 / 8);
}
