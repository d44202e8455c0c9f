#include "BatchRun.h"
#include "platform/JpegCodec.h"
#include "print/PdfPages.h"

#include <QFile>
#include <QImage>

namespace {
constexpr Colour rowColours[] = {firstColour, secondColour, thirdColour};

QByteArray startOf(const QString& file, int bytes) {
    QFile opened(file);
    return opened.open(QIODevice::ReadOnly) ? opened.read(bytes) : QByteArray();
}

Colour colourAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return makeColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
} // namespace

// The printed page, rasterised: a quarter-inch margin, then the grid edge to edge, each row a
// picture of its own inside its cream frame, white below the last row.
TEST_F(TilettesBatch, ThePdfPageCarriesEachTiletteWhereTheGeometryPutsIt) {
    const QString setup = threeRowsSetup();
    // Nothing but the setup: the PDF goes beside it, on the paper of the locale.
    const BatchResult result = run({setup}, {QStringLiteral("LC_ALL=en_US.UTF-8")});
    EXPECT_RAN(result);
    EXPECT_EQ(result.err, QString());
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    const PdfFacts facts = readPdfFacts(pdf);
    ASSERT_EQ(facts.problem, QString());
    EXPECT_EQ(facts.pages, 1);
    EXPECT_EQ(facts.pageSizePoints, QSizeF(612, 792));

    constexpr int dotsPerInch = 100; // two tilette units a dot
    const QImage page = rasterisePage(pdf, dotsPerInch);
    ASSERT_EQ(page.size(), QSize(850, 1100));
    // Sheet units to page dots: the printable area starts a quarter inch in.
    const auto at = [&](int x, int y) {
        return colourAt(page, dotsPerInch / 4 + x / 2, dotsPerInch / 4 + y / 2);
    };
    for (int row = 0; row < tilettesDown; ++row) {
        for (int column = 0; column < 5; ++column) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
            const int left = column * tiletteWidth;
            const int top = row * tiletteHeight;
            EXPECT_TRUE(
                near(at(left + tiletteWidth / 2, top + tiletteHeight / 2), rowColours[row % 3]));
            // The 25-unit frame around the picture.
            EXPECT_TRUE(near(at(left + 12, top + tiletteHeight / 2), colours::cream));
            EXPECT_TRUE(
                near(at(left + tiletteWidth / 2, top + tiletteHeight - 12), colours::cream));
        }
    }
    EXPECT_TRUE(near(at(sheetWidth / 2, tilettesDown * tiletteHeight + 20), colours::white));
    EXPECT_TRUE(near(colourAt(page, 10, 10), colours::white)); // the margin

    // A phone photo stored sideways (Exif orientation 6: turn a quarter clockwise) is upright in
    // slot 2: the colour on its left as stored is at the top.
    Bitmap sideways(300, 400, thirdColour);
    for (int y = 0; y < 400; ++y)
        for (int x = 150; x < 300; ++x)
            sideways.setPixel(x, y, otherColour);
    const QByteArray stored = encodeJpeg(sideways, 100);
    QFile phone(path(QStringLiteral("phone.jpg")));
    ASSERT_TRUE(phone.open(QIODevice::WriteOnly));
    phone.write(
        stored.left(2) +
        QByteArray("\xFF\xE1\0\x22"
                   "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0",
                   36) +
        stored.mid(2));
    phone.close();
    EXPECT_RAN(run({setup, QStringLiteral("--picture"), QStringLiteral("2=phone.jpg"),
                    QStringLiteral("-o"), QStringLiteral("phone.pdf")}));
    const QImage upright = rasterisePage(path(QStringLiteral("phone.pdf")), dotsPerInch);
    const auto onPhone = [&](int y) {
        return colourAt(upright, dotsPerInch / 4 + tiletteWidth / 4,
                        dotsPerInch / 4 + (tiletteHeight + y) / 2);
    };
    EXPECT_TRUE(near(onPhone(75), thirdColour));
    EXPECT_TRUE(near(onPhone(tiletteHeight - 75), otherColour));

    // A PDF has no copy count: each copy is a page of its own.
    EXPECT_RAN(run({setup, QStringLiteral("--copies"), QStringLiteral("2"), QStringLiteral("-o"),
                    QStringLiteral("c2.pdf")}));
    EXPECT_EQ(readPdfFacts(path(QStringLiteral("c2.pdf"))).pages, 2);
}

// The setup stores no paper: the PDF printer's own follows the locale, A4 outside the countries
// that measure in inches.
TEST_F(TilettesBatch, WithoutAPaperThePdfIsOnTheLocalesPaper) {
    EXPECT_RAN(run({threeRowsSetup()}, {QStringLiteral("LC_ALL=de_DE.UTF-8")}));
    const PdfFacts facts = readPdfFacts(path(QStringLiteral("sheet.pdf")));
    EXPECT_EQ(facts.problem, QString());
    EXPECT_EQ(facts.pageSizePoints, QSizeF(595, 842));
}

TEST_F(TilettesBatch, EachPictureFormatIsWrittenAtItsSize) {
    const QString setup = threeRowsSetup();
    // Each file records its resolution in pixels a metre: 7874 for 200 an inch, 2953 for 75,
    // 3937 for 100.
    const struct {
        QStringList arguments;
        QByteArray magic;
        int width, height;
        int pixelsPerMetre;
    } cases[] = {
        {{"-o", "sheet.bmp"}, "BM", sheetWidth, sheetHeight, 7874},
        {{"-o", "sheet.jpg"}, "\xFF\xD8\xFF", sheetWidth, sheetHeight, 7874},
        // E-mail: the sheet at 75 pixels an inch, the tilette at 100.
        {{"-o", "mail.JPEG", "--email"}, "\xFF\xD8\xFF", 600, 787, 2953},
        {{"-o", "mail.bmp", "--email"}, "BM", 600, 787, 2953},
        {{"-o", "sheet.png"}, "\x89PNG", sheetWidth, sheetHeight, 7874},
        {{"-o", "one.png", "--tilette", "1", "--email"},
         "\x89PNG",
         tiletteWidth / 2,
         tiletteHeight / 2,
         3937},
        {{"-o", "one.bmp", "--tilette", "2"}, "BM", tiletteWidth, tiletteHeight, 7874},
        {{"-o", "one.jpg", "--tilette", "3", "--email"},
         "\xFF\xD8\xFF",
         tiletteWidth / 2,
         tiletteHeight / 2,
         3937},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_RAN(run(QStringList{setup, QStringLiteral("--paper"), QStringLiteral("Letter")} +
                       c.arguments));
        const QString written = path(c.arguments[1]);
        EXPECT_EQ(startOf(written, static_cast<int>(c.magic.size())), c.magic);
        // A JPEG records pixels an inch, which Qt turns into a metre's worth rounding down.
        EXPECT_NEAR(QImage(written).dotsPerMeterX(), c.pixelsPerMetre, 1);
        const Bitmap back = readPicture(written);
        EXPECT_EQ(back.width(), c.width);
        EXPECT_EQ(back.height(), c.height);
    }
}

// Each change from the command line, seen where it must show: on the sheet at its e-mail size
// (75 pixels an inch, stretched without smoothing, so a picture's colour stays exact), or on the
// first tilette alone, which is quicker to make.
TEST_F(TilettesBatch, EachChangeToTheSetupShowsWhereItShould) {
    const SlotTable table = threePictures();
    picture(QStringLiteral("other.bmp"), 300, 300, otherColour);
    const QString portrait = setupFile(QStringLiteral("sheet.agt"), threeRowsDefinition(), table);
    const QString landscape = setupFile(QStringLiteral("turned.agt"), threeRowsDefinition(), table,
                                        PageOrientation::Landscape);
    QFile::copy(portrait, folder.path() + QStringLiteral("/:sheet.agt"));
    QFile::copy(path(QStringLiteral("other.bmp")), folder.path() + QStringLiteral("/:other.bmp"));
    const auto mailSize = [](int units) { return units * 75 / 200; };
    const auto centreOfRow = [&](const Bitmap& sheet, int row) {
        return sheet.pixel(mailSize(tiletteWidth / 2),
                           mailSize(row * tiletteHeight + tiletteHeight / 2));
    };
    // Pixels of exactly a colour within a part (left, top, right, bottom) of a tilette.
    const auto countIn = [](const Bitmap& tilette, Rect part, Colour colour) {
        int count = 0;
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x)
                count += tilette.pixel(x, y) == colour;
        return count;
    };
    const Rect upperRight{tiletteWidth / 2, 0, tiletteWidth, tiletteHeight / 2};
    const Rect rightEdge{tiletteWidth - 45, 0, tiletteWidth, tiletteHeight};
    const QStringList sheet{"--email"};
    const QStringList firstTilette{"--tilette", "1"};
    const struct {
        const char* what;
        QString setup;
        QStringList arguments;
        std::function<bool(const Bitmap&)> shows;
    } cases[] = {
        {"the sheet as saved", portrait, sheet,
         [&](const Bitmap& out) {
             return centreOfRow(out, 0) == firstColour && centreOfRow(out, 1) == secondColour &&
                    centreOfRow(out, 3) == firstColour;
         }},
        {"page type 0: slot 1 everywhere", portrait, sheet + QStringList{"--page-type", "0"},
         [&](const Bitmap& out) {
             return centreOfRow(out, 1) == firstColour && centreOfRow(out, 2) == firstColour;
         }},
        {"another picture in slot 2", portrait, sheet + QStringList{"--picture", "2=other.bmp"},
         [&](const Bitmap& out) {
             return centreOfRow(out, 1) == otherColour && centreOfRow(out, 2) == thirdColour;
         }},
        {"a setup and a picture whose names begin with a colon, not Qt resources",
         QStringLiteral(":sheet.agt"), sheet + QStringList{"--picture", "2=:other.bmp"},
         [&](const Bitmap& out) { return centreOfRow(out, 1) == otherColour; }},
        {"a picture in slot 4, empty in the setup", portrait,
         sheet + QStringList{"--picture", "4=other.bmp"},
         [&](const Bitmap& out) {
             return centreOfRow(out, 3) == otherColour && centreOfRow(out, 4) == firstColour;
         }},
        // Legal is 8.5 × 14 inches: 8 × 13.5 printable, 1600 × 2700 units.
        {"legal paper, named in lower case", portrait, sheet + QStringList{"--paper", "legal"},
         [&](const Bitmap& out) {
             return out.width() == mailSize(1600) && out.height() == mailSize(2700);
         }},
        {"the tilette as saved", portrait, firstTilette,
         [&](const Bitmap& out) {
             return countIn(out, upperRight, colours::black) == 0 &&
                    countIn(out, rightEdge, colours::red) == 0;
         }},
        // The value goes in the upper right corner in black, the caption up the right edge in
        // red, as the setup's fonts say.
        {"a value text", portrait, firstTilette + QStringList{"--value", "$99"},
         [&](const Bitmap& out) { return countIn(out, upperRight, colours::black) > 20; }},
        {"a caption", portrait, firstTilette + QStringList{"--caption", "Hello"},
         [&](const Bitmap& out) { return countIn(out, rightEdge, colours::red) > 20; }},
        // Five across a page turned sideways: 2100 div 5 units wide.
        {"landscape", portrait, firstTilette + QStringList{"--landscape"},
         [&](const Bitmap& out) { return out.width() == sheetHeight / 5; }},
        {"the landscape setup as saved", landscape, firstTilette,
         [&](const Bitmap& out) { return out.width() == sheetHeight / 5; }},
        {"portrait over a landscape setup", landscape, firstTilette + QStringList{"--portrait"},
         [&](const Bitmap& out) { return out.width() == tiletteWidth; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList arguments{c.setup, QStringLiteral("-o"), QStringLiteral("out.bmp")};
        if (!c.arguments.contains(QStringLiteral("--paper")))
            arguments << QStringLiteral("--paper") << QStringLiteral("Letter");
        EXPECT_RAN(run(arguments + c.arguments));
        EXPECT_TRUE(c.shows(readPicture(path(QStringLiteral("out.bmp")))));
        QFile::remove(path(QStringLiteral("out.bmp")));
    }
}

// A PDF that cannot be written whole (here a file size limit, as a full disk would) is a failed
// run that leaves the old file as it was and nothing of the new one.
TEST_F(TilettesBatch, APdfThatCannotBeWrittenWholeLeavesTheOldOneAlone) {
    const QString setup = threeRowsSetup();
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old sheet");
    }
    const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    const BatchResult result =
        run({setup, QStringLiteral("--paper"), QStringLiteral("Letter")}, {}, 32 * 1024);
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("tilettes-batch: ")));
    EXPECT_TRUE(result.err.contains(
        QStringLiteral("Cannot create file \"%1\". The PDF could not be written whole").arg(pdf)))
        << result.err.toStdString();
    EXPECT_EQ(startOf(pdf, 100), QByteArray("the old sheet"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
}
