#pragma once

#include "platform/PrinterSystem.h"
#include "sheet/ImageExport.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Where the sheet goes.
enum class OutputKind {
    Pdf,     // a PDF file through the built-in PDF printer
    Printer, // a printer of the system
    Picture, // a picture file of the sheet or of one tilette
};

struct PictureChange {
    int slot = 0; // 1..9
    QString path;
};

// Everything the command line says, checked.
struct BatchOptions {
    bool help = false;
    bool version = false;
    bool listPrinters = false;

    QString setupFile;
    OutputKind output = OutputKind::Pdf;
    QString outputFile;                                      // the PDF or picture written
    ExportFileFormat pictureFormat = ExportFileFormat::Jpeg; // for a picture
    QString printer;                                         // for a printer of the system
    bool email = false;
    int tiletteSlot = 0; // 1..9: that slot's tilette instead of the sheet

    std::optional<int> copies;
    QString paper;
    std::optional<PageOrientation> orientation;

    std::optional<QString> valueText;
    std::optional<QString> captionText;
    std::vector<PictureChange> pictures;
    std::optional<int> pageType;
};

// Reads the arguments (the program's name first). Throws BatchError with exitUsage naming the
// faulty argument. Without -o or --printer the sheet goes to the setup file's name with ".pdf"
// for its extension, beside it.
BatchOptions parseBatchOptions(const QStringList& arguments);

// What --help shows.
QString usageText();
