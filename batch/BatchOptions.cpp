#include "batch/BatchOptions.h"

#include "batch/BatchError.h"
#include "platform/PlainFile.h"
#include "platform/ui/QtPrinterSystem.h"
#include "sheet/PageType.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

[[noreturn]] void usageError(const QString& message) {
    throw BatchError(exitUsage, message + QStringLiteral("\nRun tilettes-batch --help for the "
                                                         "options."));
}

int numberIn(const QCommandLineParser& parser, const QString& option, int lowest, int highest,
             const QString& what) {
    const QString text = parser.value(option);
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (!isNumber || number < lowest || number > highest)
        usageError(QStringLiteral("--%1 %2: %3 is a number from %4 to %5.")
                       .arg(option, text, what)
                       .arg(lowest)
                       .arg(highest));
    return number;
}

std::vector<PictureChange> pictureChanges(const QStringList& values) {
    static const QRegularExpression slotAndFile(QStringLiteral("^([1-9])=(.+)$"));
    std::vector<PictureChange> changes;
    for (const QString& value : values) {
        const QRegularExpressionMatch match = slotAndFile.match(value);
        if (!match.hasMatch())
            usageError(QStringLiteral("--picture %1: give the slot (1 to 9) and the file, as "
                                      "--picture 2=photo.jpg.")
                           .arg(value));
        changes.push_back({match.captured(1).toInt(), userFilePath(match.captured(2))});
    }
    return changes;
}

// The extension of a picture file chooses its format.
ExportFileFormat pictureFormatOf(const QString& path) {
    if (const std::optional<ExportFileFormat> format = fileFormatOfName(path))
        return *format;
    usageError(QStringLiteral("-o %1: the extension chooses the format: .pdf, .bmp, .jpg, "
                              ".jpeg or .png.")
                   .arg(path));
}

QString pdfBesideSetup(const QString& setupFile) {
    const QFileInfo setup(setupFile);
    return setup.absoluteDir().filePath(setup.completeBaseName() + QStringLiteral(".pdf"));
}

void chooseOutput(const QCommandLineParser& parser, BatchOptions& options) {
    const bool toPdfPrinter =
        parser.value(QStringLiteral("printer")) == QtPrinterSystem::pdfPrinterName;
    if (parser.isSet(QStringLiteral("printer")) && !toPdfPrinter) {
        if (parser.isSet(QStringLiteral("output")))
            usageError(QStringLiteral("--printer and -o cannot go together: a printer writes no "
                                      "file."));
        options.output = OutputKind::Printer;
        options.printer = parser.value(QStringLiteral("printer"));
    } else if (parser.isSet(QStringLiteral("output"))) {
        const QString given = parser.value(QStringLiteral("output"));
        options.outputFile = userFilePath(given);
        const bool pdf = QFileInfo(given).suffix().toLower() == QLatin1String("pdf");
        if (!pdf && toPdfPrinter)
            usageError(QStringLiteral("--printer \"%1\" writes a PDF file: -o needs a name "
                                      "ending in .pdf.")
                           .arg(QtPrinterSystem::pdfPrinterName));
        options.output = pdf ? OutputKind::Pdf : OutputKind::Picture;
        if (!pdf)
            options.pictureFormat = pictureFormatOf(given);
    } else {
        options.output = OutputKind::Pdf;
        options.outputFile = pdfBesideSetup(options.setupFile);
    }
    const bool picture = options.output == OutputKind::Picture;
    if (!picture && (options.email || options.tiletteSlot))
        usageError(QStringLiteral("--email and --tilette make a picture: give -o with a .bmp, "
                                  ".jpg or .png name."));
    if (picture && options.copies)
        usageError(QStringLiteral("--copies is for printing and PDF files, not pictures."));
}

} // namespace

BatchOptions parseBatchOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const auto option = [](const QStringList& names, const QString& valueName = QString()) {
        return QCommandLineOption(names, QString(), valueName);
    };
    parser.addOptions({
        option({QStringLiteral("h"), QStringLiteral("help")}),
        option({QStringLiteral("version")}),
        option({QStringLiteral("list-printers")}),
        option({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("FILE")),
        option({QStringLiteral("printer")}, QStringLiteral("NAME")),
        option({QStringLiteral("email")}),
        option({QStringLiteral("tilette")}, QStringLiteral("N")),
        option({QStringLiteral("copies")}, QStringLiteral("N")),
        option({QStringLiteral("paper")}, QStringLiteral("NAME")),
        option({QStringLiteral("landscape")}),
        option({QStringLiteral("portrait")}),
        option({QStringLiteral("value")}, QStringLiteral("TEXT")),
        option({QStringLiteral("caption")}, QStringLiteral("TEXT")),
        option({QStringLiteral("picture")}, QStringLiteral("N=FILE")),
        option({QStringLiteral("page-type")}, QStringLiteral("N")),
    });
    if (!parser.parse(arguments))
        usageError(parser.errorText());

    BatchOptions options;
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    options.listPrinters = parser.isSet(QStringLiteral("list-printers"));
    if (options.help || options.version || options.listPrinters)
        return options;

    const QStringList setups = parser.positionalArguments();
    if (setups.isEmpty())
        usageError(QStringLiteral("no setup file given."));
    if (setups.size() > 1)
        usageError(QStringLiteral("one setup file at a time: %1 were given.").arg(setups.size()));
    options.setupFile = userFilePath(setups.front());

    if (parser.isSet(QStringLiteral("landscape")) && parser.isSet(QStringLiteral("portrait")))
        usageError(QStringLiteral("--landscape and --portrait cannot go together."));
    if (parser.isSet(QStringLiteral("landscape")))
        options.orientation = PageOrientation::Landscape;
    if (parser.isSet(QStringLiteral("portrait")))
        options.orientation = PageOrientation::Portrait;
    options.email = parser.isSet(QStringLiteral("email"));
    if (parser.isSet(QStringLiteral("tilette")))
        options.tiletteSlot =
            numberIn(parser, QStringLiteral("tilette"), 1, 9, QStringLiteral("the slot"));
    if (parser.isSet(QStringLiteral("copies")))
        options.copies =
            numberIn(parser, QStringLiteral("copies"), 1, 4, QStringLiteral("the copies"));
    options.paper = parser.value(QStringLiteral("paper"));
    if (parser.isSet(QStringLiteral("value")))
        options.valueText = parser.value(QStringLiteral("value"));
    if (parser.isSet(QStringLiteral("caption")))
        options.captionText = parser.value(QStringLiteral("caption"));
    options.pictures = pictureChanges(parser.values(QStringLiteral("picture")));
    if (parser.isSet(QStringLiteral("page-type")))
        options.pageType = numberIn(parser, QStringLiteral("page-type"), 0, pageTypeCount - 1,
                                    QStringLiteral("the page type"));
    chooseOutput(parser, options);
    return options;
}

QString usageText() {
    return QStringLiteral(
        R"(Usage: tilettes-batch [OPTION]... SETUP.agt
Lays out the sheet of a Tilettes setup file without a window, and writes it as a PDF file,
prints it, or saves it as a picture. Without -o or --printer the sheet goes to SETUP.pdf beside
the setup file, through the built-in PDF printer at 600 dots per inch.

Output:
  -o, --output FILE     write FILE; its extension chooses the format: .pdf (the printed page),
                        .bmp (the whole sheet at 200 pixels per inch), .jpg or .jpeg (the same
                        as a JPEG at quality 100), .png (the same as a PNG)
      --email           write the picture at the e-mail size: the sheet at 75 pixels per inch,
                        a tilette at 100
      --tilette N       write the tilette of slot N (1 to 9) as the window shows it, instead
                        of the sheet (pictures only)
      --printer NAME    print on the printer NAME instead of writing a file
      --list-printers   list the printers, one a line, and stop
      --copies N        print N copies, 1 to 4 (default: the setup's)
      --paper NAME      the paper: Letter, A4, Legal, A5, ... as the printer names them
                        (default: the printer's; for the PDF printer Letter or A4 by locale)
      --landscape       turn the page sideways
      --portrait        keep the page upright (default: the setup's orientation)

Changes to the setup (the file itself is not changed):
      --value TEXT      the value text
      --caption TEXT    the caption
      --picture N=FILE  the picture of slot N (1 to 9); may fill a slot the setup leaves empty
                        (JPEG, PNG, BMP, HEIC, AVIF, WebP, TIFF or GIF)
      --page-type N     the page type as the setup file stores it: 0 one image,
                        1 2 image checkerboard, 2 block of 4, 3 block of 9, 4 each row
                        different image, 5 frame, 6 all images in turn

  -h, --help            show this help and stop
      --version         show the version and stop

Exit status: 0 done; 1 an unexpected failure; 2 a wrong command line; 3 the setup file,
a picture, or the page type's slots; 4 the printer, the paper or the output file.
)");
}
