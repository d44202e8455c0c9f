#include "BatchRun.h"

#include <QFile>
#include <QRegularExpression>

// Every failure: its status, a message that starts with the program's name and says what and
// where, and nothing written.
TEST_F(TilettesBatch, EachFailureEndsWithItsStatusAndSaysWhy) {
    const QString setup = threeRowsSetup();
    QFile::copy(setup, path(QStringLiteral("copy.agt")));
    {
        QFile broken(path(QStringLiteral("broken.bmp")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM this is not a picture at all");
    }
    {
        // Slot 2 named by a path of another machine, and not beside the setup either.
        SlotTable table = threePictures();
        table[2].FileName = QStringLiteral("/elsewhere/gone.bmp");
        setupFile(QStringLiteral("gone.agt"), threeRowsDefinition(), table);
        QFile original(setup);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QByteArray lines =
            original.readAll().replace("35 ValueFontSize", "3x5 ValueFontSize");
        QFile faulty(path(QStringLiteral("faulty.agt")));
        ASSERT_TRUE(faulty.open(QIODevice::WriteOnly));
        faulty.write(lines);
    }
    const QString regularFile = path(QStringLiteral("first.bmp"));
    const struct {
        const char* what;
        QStringList arguments;
        int status;
        QString message;
    } cases[] = {
        {"no arguments", {}, 2, "no setup file given."},
        {"an unknown option", {setup, "--sideways"}, 2, "Unknown option 'sideways'."},
        {"two setups", {setup, "copy.agt"}, 2, "one setup file at a time"},
        {"an unknown extension",
         {setup, "-o", "sheet.gif"},
         2,
         "-o sheet.gif: the extension chooses the format"},
        {"a page type out of range",
         {setup, "--page-type", "7"},
         2,
         "--page-type 7: the page type is a number from 0 to 6."},
        {"a page type that is no number", {setup, "--page-type", "frame"}, 2, "--page-type frame:"},
        {"--picture without a slot",
         {setup, "--picture", "other.bmp"},
         2,
         "--picture other.bmp: give the slot (1 to 9) and the file"},
        {"--picture of slot 0", {setup, "--picture", "0=first.bmp"}, 2, "--picture 0=first.bmp:"},
        {"a tilette of slot 10", {setup, "-o", "t.bmp", "--tilette", "10"}, 2, "--tilette 10:"},
        {"--email for a PDF", {setup, "--email"}, 2, "--email and --tilette make a picture"},
        {"both orientations",
         {setup, "--landscape", "--portrait"},
         2,
         "--landscape and --portrait cannot go together."},
        {"a setup that is not there",
         {"missing.agt"},
         3,
         QStringLiteral("Cannot open file \"%1\".").arg(path("missing.agt"))},
        {"a faulty setup line",
         {"faulty.agt"},
         3,
         "'3x5' is not a valid integer value (line 8, ValueFontSize)"},
        // Named as the setup gave it, with the other place it was looked for.
        {"a missing picture",
         {"gone.agt"},
         3,
         QStringLiteral("Tilette 2: Cannot open file \"/elsewhere/gone.bmp\". No such file or "
                        "directory\nIt was also looked for as \"%1\".")
             .arg(path("gone.bmp"))},
        {"a broken picture",
         {setup, "--picture", "3=broken.bmp"},
         3,
         QStringLiteral("Tilette 3: Bitmap image is not valid\nFile: %1").arg(path("broken.bmp"))},
        {"a tilette of an empty slot",
         {setup, "-o", "t.bmp", "--tilette", "5"},
         3,
         "--tilette 5: Tilette 5 has no picture in this setup."},
        {"a page type without its slots",
         {setup, "--page-type", "2"},
         3,
         "page type \"Block of 4 images\": Must have 4 images selected to use this option."},
        {"an unknown printer",
         {setup, "--printer", "Nowhere"},
         4,
         "--printer Nowhere: there is no such printer.\nThe printers are: "},
        {"an unknown paper",
         {setup, "--paper", "B9"},
         4,
         "--paper B9: the printer \"Print to PDF\" has no such paper.\nIts papers are: "},
        // A folder that cannot exist: its parent is a regular file.
        {"an output folder that cannot exist",
         {setup, "-o", regularFile + "/sheet.pdf"},
         4,
         QStringLiteral("Cannot create file \"%1/sheet.pdf\".").arg(regularFile)},
        {"a picture in such a folder",
         {setup, "-o", regularFile + "/sheet.jpg"},
         4,
         QStringLiteral("Cannot create file \"%1/sheet.jpg\".").arg(regularFile)},
    };
    const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BatchResult result = run(c.arguments);
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, c.status);
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("tilettes-batch: ")));
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
        EXPECT_LE(result.err.count(QLatin1Char('\n')), c.status == 2 ? 2 : 3);
        EXPECT_EQ(result.out, QString());
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
    }
}

TEST_F(TilettesBatch, HelpVersionAndThePrinterListGoToStandardOutput) {
    const BatchResult help = run({QStringLiteral("--help")});
    EXPECT_RAN(help);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tilettes-batch")));
    EXPECT_EQ(help.err, QString());
    // The manual page describes every option the help shows.
    QFile manual(QStringLiteral(TILETTES_MANUAL_PAGE));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll()).remove(QLatin1Char('\\'));
    const QRegularExpression option(QStringLiteral("(^|\\s)(--?[a-z-]+)"));
    int options = 0;
    for (auto match = option.globalMatch(help.out); match.hasNext(); ++options) {
        const QString name = match.next().captured(2);
        const QRegularExpression word(QStringLiteral("(?<![\\w-])") +
                                      QRegularExpression::escape(name) +
                                      QStringLiteral("(?![\\w-])"));
        EXPECT_TRUE(page.contains(word)) << name.toStdString();
    }
    EXPECT_GE(options, 17);
    // Both name every picture format read.
    const QString formats = QStringLiteral("JPEG, PNG, BMP, HEIC, AVIF, WebP, TIFF or GIF");
    EXPECT_TRUE(help.out.contains(formats));
    EXPECT_TRUE(page.simplified().contains(formats));

    const BatchResult version = run({QStringLiteral("--version")});
    EXPECT_RAN(version);
    EXPECT_EQ(version.out, QStringLiteral("tilettes-batch " TILETTES_PROJECT_VERSION "\n"));

    // A display out of reach, as over ssh or from cron, is none of the program's business.
    const BatchResult printers =
        run({QStringLiteral("--list-printers")},
            {QStringLiteral("DISPLAY=:97"), QStringLiteral("QT_QPA_PLATFORM=xcb")});
    EXPECT_RAN(printers);
    EXPECT_TRUE(printers.out.endsWith(QStringLiteral("Print to PDF\n")));
}
