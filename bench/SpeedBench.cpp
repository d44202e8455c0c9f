// How the window keeps up with camera pictures. Usage:
//   SpeedBench [--printer NAME] [nine picture files]
// Without files it makes nine 6000 x 4000 JPEGs. Prints one figure a line, in milliseconds unless
// the name says otherwise: load-slot1, keystroke, compose-cold, compose-warm, recolour-preview,
// print-pdf (or print for a named printer), peak-rss-mb (the program's, before the bench decodes
// every picture whole for its yardstick), open-setup-stall (the longest the window's event loop
// goes without running while a setup with the nine pictures opens) and decode-all.
#include "BenchSupport.h"
#include "app/TForm1.h"
#include "app/controls/RadioGroup.h"
#include "platform/PictureFile.h"
#include "platform/ui/QtPrinterSystem.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPageSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {
double medianOf(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(millisecondsOf(work));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The longest time the event loop goes without running while work runs in it.
double longestStallOf(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    const auto ran = [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    };
    QTimer everyPass;
    everyPass.setInterval(0);
    QObject::connect(&everyPass, &QTimer::timeout, ran);
    everyPass.start();
    bool finished = false;
    QTimer::singleShot(0, [&] {
        work();
        finished = true;
    });
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ran();
    return static_cast<double>(longest) / 1e6;
}

long peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
} // namespace

int main(int argc, char** argv) {
    drawOffScreen();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QString printer = QtPrinterSystem::pdfPrinterName;
    if (arguments.size() >= 2 && arguments.front() == QLatin1String("--printer")) {
        printer = arguments.at(1);
        arguments = arguments.mid(2);
    }

    QTemporaryDir folder;
    const QStringList pictures = benchPictures(arguments, LastUserSlot, folder);

    QtPrinterSystem printers;
    const int printerIndex = static_cast<int>(printers.printerNames().indexOf(printer));
    if (printerIndex < 0) {
        std::fprintf(stderr, "no printer named %s\n", qPrintable(printer));
        return 1;
    }
    printers.select(printerIndex);
    printers.setPaperSize(QPageSize(QPageSize::Letter).name());
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, printers);
    form.show();
    form.state.DataFolder = folder.path();

    dialogs.answerFile(pictures.front());
    std::printf("load-slot1 %.1f\n", millisecondsOf([&] { form.run(&TForm1::c01ImageClick); }));
    int key = 0;
    std::printf("keystroke %.1f\n",
                medianOf(15, [&] { form.ValueEdit->setText(QStringLiteral("$%1").arg(++key)); }));
    for (int slot = 2; slot <= LastUserSlot; ++slot) {
        dialogs.answerFile(pictures.at(slot - 1));
        form.run([&form, slot] { form.ImageClick(slot); });
    }
    form.TypeOfPageRadioGroup->setItemIndex(3); // block of nine

    form.forgetDecodedPictures();
    std::printf("compose-cold %.1f\n", millisecondsOf([&] { form.PrintPreview(); }));
    std::printf("compose-warm %.1f\n", medianOf(5, [&] { form.PrintPreview(); }));
    form.TypeRadioGroup->setItemIndex(0);
    form.ImagePopupMenuPopup(1);
    std::printf("recolour-preview %.1f\n",
                millisecondsOf([&] { form.popupMenu(1).colorItem->trigger(); }));
    form.CancelColoringButtonClick();

    if (printers.printsToFile())
        dialogs.answerFile(folder.filePath(QStringLiteral("sheet.pdf")));
    const double printing = millisecondsOf([&] { form.run(&TForm1::PrintButtonClick); });
    std::printf("%s %.1f\n", printers.printsToFile() ? "print-pdf" : "print", printing);
    // The program's own peak; the whole decodes below are the bench's yardstick, not the program.
    std::printf("peak-rss-mb %ld\n", peakMegabytes());
    const QString setup = folder.filePath(QStringLiteral("nine.agt"));
    dialogs.answerFile(setup);
    form.run(&TForm1::SaveAsItemClick);
    form.forgetDecodedPictures();
    std::printf("open-setup-stall %.1f\n",
                longestStallOf([&] { form.run([&] { form.openSetupFile(setup); }); }));
    std::printf("decode-all %.1f\n", millisecondsOf([&] {
                    for (const QString& path : pictures)
                        (void)readPicture(path);
                }));
    for (const ShownDialog& shown : dialogs.shown())
        if (shown.kind == DialogKind::Error)
            std::printf("error: %s\n", qPrintable(shown.text));
    return 0;
}
