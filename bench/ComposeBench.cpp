// Times composing a Letter sheet at 600 pixels per inch from nine pictures, without a window.
// Usage: ComposeBench [nine picture files]. Without files it makes nine 6000 x 4000 JPEGs.
// Prints one figure a line: compose-cold, compose-warm and decode-all, in milliseconds.
#include "BenchSupport.h"
#include "platform/PictureFile.h"
#include "sheet/ComposeSheet.h"
#include "sheet/SheetSizing.h"
#include "sheet/SlotPicture.h"
#include "sheet/SlotTilette.h"
#include "support/LetterPrinter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

int main(int argc, char** argv) {
    drawOffScreen();
    QGuiApplication application(argc, argv);

    QTemporaryDir folder;
    const QStringList paths = benchPictures(namedOnCommandLine(argc, argv), LastUserSlot, folder);

    SheetDefinition definition;
    definition.pageType = PageType::BlockOf9;
    SlotTable table;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        ImageSlot& entry = table[static_cast<size_t>(slot)];
        const SlotPicture loaded = loadSlotPicture(paths[slot - 1]);
        entry.FileName = paths[slot - 1];
        entry.Width = loaded.width;
        entry.Height = loaded.height;
        entry.Ratio = loaded.ratio;
    }
    const PrinterMetrics metrics = letterPrinter();
    const std::optional<SheetGrid> grid = sheetGridFor(metrics, definition, table[1]);
    if (!grid)
        return 1;
    const SheetLayout layout = layoutOf(*grid, definition.pageType);

    // What the window does for a sheet: decode the pictures side by side, draw every slot's
    // tilette,
    // then lay them out. The second time the pictures are still held.
    bool composed = false;
    PictureCache pictures;
    const auto compose = [&] {
        pictures.prefetch(tilettePictureRequests(table, layout));
        for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
            ImageSlot& entry = table[static_cast<size_t>(slot)];
            entry.TiletteImage =
                renderSlotTilette(definition, layout, slot, entry, &pictures).tilette;
        }
        composed = composeSheet(definition, table, layout, printableWidthUnits(metrics),
                                printableHeightUnits(metrics), false)
                       .composed;
    };
    std::printf("compose-cold %.1f\n", millisecondsOf(compose));
    std::printf("compose-warm %.1f\n", millisecondsOf(compose));
    std::printf("decode-all %.1f\n", millisecondsOf([&] {
                    for (const QString& path : paths)
                        (void)readPicture(path);
                }));
    return composed ? 0 : 1;
}
