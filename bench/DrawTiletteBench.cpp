// Times DrawTilette, which runs on every keystroke, for a 6000 x 4000 JPEG in slot 1.
// Prints the median and spread of several runs.
#include "BenchSupport.h"
#include "app/TForm1.h"
#include "app/controls/RadioGroup.h"
#include "platform/PictureFile.h"
#include "support/FakePrinterSystem.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
template <typename Work> std::vector<double> timeRuns(int runs, Work work) {
    std::vector<double> milliseconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return milliseconds;
}

void report(const char* what, const std::vector<double>& sorted) {
    std::printf("%-44s median %7.1f ms  (min %6.1f, max %6.1f, %zu runs)\n", what,
                sorted[sorted.size() / 2], sorted.front(), sorted.back(), sorted.size());
}
} // namespace

int main(int argc, char** argv) {
    drawOffScreen();
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.jpg"));
    writeJpegFile(path, photoLikePicture(6000, 4000), 92);

    ScriptedDialogs dialogs;
    FakePrinterSystem printers;
    TForm1 form(dialogs, printers);
    form.show();
    dialogs.answerFile(path);
    form.run(&TForm1::c01ImageClick);
    std::printf("slot 1: %d x %d, tilette %d x %d\n", form.session().slotTable()[1].Width,
                form.session().slotTable()[1].Height, form.session().grid().tiletteWidth,
                form.session().grid().tiletteHeight);

    report("DrawTilette(1), 6000 x 4000 JPEG", timeRuns(runs, [&] { form.DrawTilette(1); }));
    int keystroke = 0;
    report("one keystroke in the value text", timeRuns(runs, [&] {
               form.ValueEdit->setText(QStringLiteral("$%1").arg(++keystroke));
           }));
    // The Color Image page of slot 1: each scheme click recolours the picture and shows it.
    form.ImagePopupMenuPopup(1);
    form.popupMenu(1).colorItem->trigger();
    int scheme = 0;
    report("one scheme click on the Color Image page", timeRuns(runs, [&] {
               scheme = scheme % 19 + 1; // 1..19: the schemes that ask nothing
               form.TypeRadioGroup->setItemIndex(scheme);
           }));
    form.CancelColoringButtonClick();
    report("decoding the JPEG whole",
           timeRuns(std::max(3, runs / 3), [&] { (void)readPicture(path); }));
    return 0;
}
