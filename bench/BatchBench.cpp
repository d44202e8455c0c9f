// How long tilettes-batch takes to print a sheet of nine camera pictures to PDF. Usage:
//   BatchBench [nine picture files]
// Without files it makes nine 6000 x 4000 JPEGs. Runs the program three times on a Block of 9
// setup of them and prints each run's wall time in milliseconds, one a line (batch-run-1 is the
// first run after the pictures were written: the files are in the page cache, the program's
// own libraries and fonts may not be), then its peak memory in megabytes.
#include "BenchSupport.h"
#include "setup/SetupFile.h"
#include "setup/SetupWriter.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv) {
    drawOffScreen();
    QGuiApplication application(argc, argv);

    QTemporaryDir folder;
    const QStringList paths = benchPictures(namedOnCommandLine(argc, argv), LastUserSlot, folder);

    SheetDefinition definition;
    definition.pageType = PageType::BlockOf9;
    definition.valueText = QStringLiteral("$10");
    SlotTable table;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        table[static_cast<size_t>(slot)].FileName = paths[slot - 1];
    const QString setup = folder.filePath(QStringLiteral("nine.agt"));
    saveSetupFile(setup,
                  setupFileText(setupRecordOf(definition, table, 0, PageOrientation::Portrait)));

    for (int run = 1; run <= 3; ++run) {
        bool ran = false;
        const double milliseconds = millisecondsOf([&] {
            ran = QProcess::execute(QStringLiteral(TILETTES_BATCH),
                                    {setup, QStringLiteral("--paper"), QStringLiteral("Letter"),
                                     QStringLiteral("-o"),
                                     folder.filePath(QStringLiteral("nine.pdf"))}) == 0;
        });
        if (!ran)
            return 1;
        std::printf("batch-run-%d %.1f\n", run, milliseconds);
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    std::printf("batch-peak-rss-mb %ld\n", children.ru_maxrss / 1024);
    return 0;
}
