// Times "Print Page" for a Letter sheet of nine 6000 x 4000 JPEGs (block of nine) on the
// selected printer: the built-in PDF printer, or the queue named on the command line.
// Prints print-page <ms> and the process's peak memory.
#include "BenchPictures.h"
#include "app/TForm1.h"
#include "app/controls/RadioGroup.h"
#include "platform/PictureFile.h"
#include "platform/ui/QtPrinterSystem.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPageSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {
long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const QString queue =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QtPrinterSystem::pdfPrinterName;

    QTemporaryDir folder;
    QtPrinterSystem printers;
    const int index = static_cast<int>(printers.printerNames().indexOf(queue));
    if (index < 0) {
        std::fprintf(stderr, "no printer named %s\n", qPrintable(queue));
        return 1;
    }
    printers.select(index);
    printers.setPaperSize(QPageSize(QPageSize::Letter).name());
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, printers);
    form.show();
    form.state.DataFolder = folder.path();
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const QString path = folder.filePath(QStringLiteral("slot%1.jpg").arg(slot));
        writeJpegFile(path, photoLikePicture(6000, 4000, slot), 92);
        dialogs.answerFile(path);
        form.run([&form, slot] { form.ImageClick(slot); });
    }
    form.TypeOfPageRadioGroup->setItemIndex(3); // block of nine
    const long peakBefore = peakKilobytes();
    if (printers.printsToFile())
        dialogs.answerFile(folder.filePath(QStringLiteral("sheet.pdf")));
    QElapsedTimer timer;
    timer.start();
    form.run(&TForm1::PrintButtonClick);
    std::printf("print-page %.1f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    std::printf("peak-memory-before-printing-kb %ld\n", peakBefore);
    std::printf("peak-memory-kb %ld\n", peakKilobytes());
    for (const ShownDialog& shown : dialogs.shown())
        if (shown.kind == DialogKind::Error || shown.kind == DialogKind::Message)
            std::printf("said: %s\n", qPrintable(shown.text));
    return 0;
}
