// tilettes-batch: a setup file in; a PDF file, a printed page or a picture out. No window is ever
// made: a sheet session reads the pictures, draws the tilettes and composes the sheet, and the
// page is printed and the picture exported by the same plain functions the window calls.
#include "batch/BatchError.h"
#include "batch/BatchOptions.h"
#include "batch/BatchSheet.h"
#include "batch/Progress.h"
#include "platform/ui/QtPrinterSystem.h"
#include "prt/PrinterMetrics.h"
#include "sheet/ImageExport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <unistd.h>

namespace {

void tell(const QString& message) {
    std::fprintf(stderr, "tilettes-batch: %s\n", qPrintable(message));
}

// Qt's own chatter (a missing runtime folder, a font substituted) is not the user's business;
// only its real failures are passed on.
void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        tell(QStringLiteral("Qt: ") + message);
}

QString listed(const QStringList& names) {
    return names.join(QStringLiteral(", "));
}

// A paper answers to its short name too: "Letter" for "Letter / ANSI A", "Executive" for
// "Executive (7.5 x 10 in)".
bool isPaperNamed(const QString& paper, const QString& wanted) {
    static const QRegularExpression afterShortName(QStringLiteral(" [/(].*$"));
    return paper.compare(wanted, Qt::CaseInsensitive) == 0 ||
           QString(paper).remove(afterShortName).compare(wanted, Qt::CaseInsensitive) == 0;
}

void choosePaper(PrinterSystem& printers, const QString& wanted) {
    const QStringList papers = printers.paperSizes();
    for (const QString& paper : papers)
        if (isPaperNamed(paper, wanted)) {
            printers.setPaperSize(paper);
            return;
        }
    throw BatchError(
        exitOutput,
        QStringLiteral("--paper %1: the printer \"%2\" has no such paper.\nIts papers are: %3.")
            .arg(wanted, printers.printerNames().value(printers.selectedIndex()), listed(papers)));
}

// The built-in PDF printer unless the command line names another, set up as the setup and the
// command line say.
void choosePrinter(PrinterSystem& printers, const BatchOptions& options,
                   const SheetSession& session) {
    const QString wanted =
        options.output == OutputKind::Printer ? options.printer : QtPrinterSystem::pdfPrinterName;
    const int index = printers.printerNames().indexOf(wanted);
    if (index < 0)
        throw BatchError(
            exitOutput,
            QStringLiteral("--printer %1: there is no such printer.\nThe printers are: %2.")
                .arg(wanted, listed(printers.printerNames())));
    printers.select(index);
    printers.setOrientation(session.orientation());
    if (!options.paper.isEmpty())
        choosePaper(printers, options.paper);
    printers.setCopies(options.copies.value_or(session.definition().copies));
}

void writePicture(const BatchOptions& options, ExportKind kind, const Bitmap& source) {
    failingWith(exitOutput, [&] {
        writePictureFile(options.outputFile, options.pictureFormat, exportPicture(kind, source),
                         exportPixelsPerInch(kind));
    });
}

// The PDF printer writes its file beside the one asked for and puts it in place only once it is
// whole, so a failed run leaves no half PDF and an older one as it was.
void printSheet(PrinterSystem& printers, const BatchOptions& options, const SheetSession& session,
                const Bitmap& composed) {
    if (options.output == OutputKind::Pdf)
        printers.setOutputFile(options.outputFile);
    failingWith(exitOutput, [&] {
        session.print(printers, QFileInfo(options.setupFile).fileName(), composed);
    });
}

// A run that could only fail at its end fails at its start: the output's folder must be there.
void checkOutputFolder(const BatchOptions& options) {
    if (options.output == OutputKind::Printer)
        return;
    const QString folder = QFileInfo(options.outputFile).absolutePath();
    errno = 0;
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0 && QFileInfo(folder).isDir())
        return;
    throw BatchError(exitOutput,
                     QStringLiteral("Cannot create file \"%1\". %2")
                         .arg(options.outputFile,
                              QString::fromLocal8Bit(std::strerror(errno ? errno : ENOTDIR))));
}

ExitStatus run(const BatchOptions& options) {
    Progress progress;
    QtPrinterSystem printers;
    if (options.listPrinters) {
        for (const QString& name : printers.printerNames())
            std::printf("%s\n", qPrintable(name));
        return exitSuccess;
    }
    checkOutputFolder(options);
    QStringList notes;
    SheetSession session;
    const PlacesLookedIn lookedIn = readBatchSheet(options, session, notes);
    for (const QString& note : notes)
        tell(note);
    choosePrinter(printers, options, session);
    session.setPrinterMetrics(RefreshPrinterMetrics(printers));
    layOutBatchSheet(session, lookedIn);
    progress.stageDone(QStringLiteral("measured the tilettes"));

    if (options.tiletteSlot) {
        const Bitmap tilette = shownTilette(session, options.tiletteSlot, lookedIn);
        writePicture(options, options.email ? ExportKind::TiletteForEmail : ExportKind::TiletteBest,
                     tilette);
        progress.stageDone(QStringLiteral("wrote ") + options.outputFile);
        return exitSuccess;
    }
    readingPictures(lookedIn, [&] { session.drawAllTilettes(); });
    progress.stageDone(QStringLiteral("drew the tilettes"));
    const bool printing = options.output != OutputKind::Picture;
    const Bitmap composed = composedSheet(session, printing);
    progress.stageDone(QStringLiteral("composed the sheet"));
    if (options.output == OutputKind::Picture) {
        writePicture(options, options.email ? ExportKind::SheetForEmail : ExportKind::SheetBest,
                     composed);
        progress.stageDone(QStringLiteral("wrote ") + options.outputFile);
    } else {
        printSheet(printers, options, session, composed);
        progress.stageDone(options.output == OutputKind::Printer
                               ? QStringLiteral("printed on ") + options.printer
                               : QStringLiteral("wrote ") + options.outputFile);
    }
    return exitSuccess;
}

} // namespace

int main(int argc, char** argv) {
    // No window is ever made, so no display is needed: whatever display the environment names
    // (one out of reach over ssh or from cron ends Qt at start), the off-screen platform is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessages);
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tilettes-batch"));
    try {
        const BatchOptions options = parseBatchOptions(QCoreApplication::arguments());
        if (options.help) {
            std::fputs(qPrintable(usageText()), stdout);
            return exitSuccess;
        }
        if (options.version) {
            std::printf("tilettes-batch %s\n", TILETTES_VERSION);
            return exitSuccess;
        }
        return run(options);
    } catch (const BatchError& error) {
        tell(error.message());
        return error.status();
    } catch (const std::exception& error) {
        tell(QString::fromLocal8Bit(error.what()));
        return exitUnexpected;
    }
}
