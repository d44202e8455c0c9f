// Bad picture files chosen for a slot: each is told in the error box, naming the file, and the
// slot, its thumbnails and the tilette on show stay as they were.
#include "WindowFixture.h"
#include "platform/PictureTestFiles.h"
#include "support/FileTraps.h"

#include "app/controls/ImageBox.h"
#include "app/controls/RadioGroup.h"
#include "platform/PictureLimits.h"

#include <QDir>
#include <QLabel>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include <jpeglib.h>
// jerror.h needs jpeglib.h first.
#include <jerror.h>

namespace {

constexpr Colour loadedColour = 0x3366CC;

// Noise over gradients, so that most of a JPEG of it is picture data, as in a photo.
Bitmap photoLike(int width, int height) {
    Bitmap photo(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t hash = static_cast<std::uint32_t>(x) * 73856093u ^
                                 static_cast<std::uint32_t>(y) * 19349663u;
            hash = (hash ^ (hash >> 13)) * 0x5BD1E995u;
            const int noise = static_cast<int>((hash ^ (hash >> 15)) % 64);
            photo.setPixel(x, y, makeColour((x + noise) % 256, (y + noise) % 256, noise * 4));
        }
    return photo;
}

QString jpegError(int code, const QString& words) {
    return QStringLiteral("JPEG error #%1: %2").arg(code).arg(words);
}

void putLittle32(QByteArray& bytes, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putBig16(QByteArray& bytes, qsizetype at, int value) {
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// A HEIC whose every image-size box claims the given size.
QByteArray heicOfSize(QByteArray bytes, int width, int height) {
    for (qsizetype at = bytes.indexOf("ispe"); at >= 0; at = bytes.indexOf("ispe", at + 1)) {
        putBig16(bytes, at + 8, width >> 16), putBig16(bytes, at + 10, width & 0xFFFF);
        putBig16(bytes, at + 12, height >> 16), putBig16(bytes, at + 14, height & 0xFFFF);
    }
    return bytes;
}

// What the user sees of a slot: its entry, its square, both thumbnails and the tilette on show.
struct SlotView {
    QString fileName, saveName;
    int width = 0, height = 0, ratio = 0, colorScheme = 0;
    QImage tilette, square, thumbnail, basicThumbnail, shown;
    int currentSlot = 0;
    QString shownName;
    bool operator==(const SlotView&) const = default;
};

} // namespace

class BadPictureTest : public WindowFixture {
  public:
    void SetUp() override {
        WindowFixture::SetUp();
        good = pictureFile(QStringLiteral("good.bmp"), 400, 300, loadedColour);
        loadSlot(2, good);
        ASSERT_EQ(errorsShown(), 0);
        goodJpeg = encodedJpeg(photoLike(600, 400));
        goodBitmap = traps::contentOf(pictureFile(QStringLiteral("small.bmp"), 4, 4));
        goodHeic = libheifFile(
            false, 64, 48, [](int x, int y) { return qRgb(x * 4, y * 5, 99); }, false);
        goodWebp = libwebpFile(
            64, 48, [](int x, int y) { return qRgba(x * 4, y * 5, 99, x * 3); }, false);
        ASSERT_TRUE(goodWebp.contains("VP8X"));
        goodTiff = libtiffFile({.width = 64, .height = 48}, [](int x, int y, std::uint16_t* s) {
            s[0] = static_cast<std::uint16_t>(x * 4), s[1] = static_cast<std::uint16_t>(y * 5);
            s[2] = 99;
        });
        goodGif =
            giflibFile({.width = 64, .height = 48, .colours = {qRgb(9, 9, 9), qRgb(200, 0, 0)}},
                       [](int x, int y) { return (x ^ y) & 1; });
    }

    static QByteArray encodedJpeg(const Bitmap& picture) {
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("p.jpg"));
        writeJpegFile(path, picture, 90);
        return traps::contentOf(path);
    }

    QString inFolder(const QString& name) const {
        return name.isEmpty() ? folder.path() : folder.filePath(name);
    }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(traps::writeBytes(path, bytes));
        return path;
    }

    QByteArray bitmapWith(int at, std::uint32_t value) const {
        QByteArray bytes = goodBitmap;
        putLittle32(bytes, at, value);
        return bytes;
    }

    QByteArray jpegOfSize(int width, int height) const {
        QByteArray bytes = goodJpeg;
        const qsizetype frame = bytes.indexOf("\xFF\xC0");
        putBig16(bytes, frame + 5, height);
        putBig16(bytes, frame + 7, width);
        return bytes;
    }

    SlotView view(int slot) const {
        const ImageSlot& entry = form->session().slotTable()[static_cast<size_t>(slot)];
        return {entry.FileName,
                entry.SaveName,
                entry.Width,
                entry.Height,
                entry.Ratio,
                entry.ColorScheme,
                entry.TiletteImage.image(),
                form->state.SlotPictures[static_cast<size_t>(slot)].image(),
                form->slotImages[static_cast<size_t>(slot)]->picture().image(),
                form->basicThumbnail(slot)->picture().image(),
                form->Image2->picture().image(),
                form->state.CurrentSlot,
                form->Label3->text()};
    }

    QString good;
    QByteArray goodJpeg;
    QByteArray goodBitmap;
    QByteArray goodHeic;
    QByteArray goodWebp;
    QByteArray goodTiff;
    QByteArray goodGif;
};

// One row a way of going wrong: the path the user picks, and the whole message it gives, with %1
// standing for the path.
struct BadPicture {
    const char* what;
    std::function<QString(BadPictureTest&)> make; // an empty path skips the row
    QString message;
};

TEST_F(BadPictureTest, EachBadPictureIsToldByNameAndTheSlotStaysAsItWas) {
    const QString invalidBitmap = QStringLiteral("Bitmap image is not valid\nFile: %1");
    const QString openFailed = QStringLiteral("Cannot open file \"%1\". ");
    const auto reason = [&](int error) {
        return openFailed + QString::fromLocal8Bit(std::strerror(error));
    };
    const BadPicture rows[] = {
        {"a JPEG cut short",
         [](BadPictureTest& t) {
             return t.file("cut.jpg", t.goodJpeg.left(t.goodJpeg.size() * 3 / 10));
         },
         jpegError(JWRN_JPEG_EOF, "Premature end of JPEG file") + "\nFile: %1"},
        {"a JPEG damaged in the middle",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodJpeg;
             const qsizetype middle = bytes.size() / 2;
             for (int i = 0; i < 16; ++i)
                 bytes[middle + i] = static_cast<char>(i * 37 % 254 + 1);
             bytes[middle] = '\xFF';
             return t.file("damaged.jpg", bytes);
         },
         jpegError(JWRN_HIT_MARKER, "Corrupt JPEG data: premature end of data segment") +
             "\nFile: %1"},
        {"a bitmap cut short",
         [](BadPictureTest& t) { return t.file("cut.bmp", t.goodBitmap.chopped(20)); },
         invalidBitmap},
        {"a bitmap of an unknown compression",
         [](BadPictureTest& t) { return t.file("packed.bmp", t.bitmapWith(30, 9)); },
         invalidBitmap},
        {"a bitmap of width 0",
         [](BadPictureTest& t) { return t.file("narrow.bmp", t.bitmapWith(18, 0)); },
         invalidBitmap},
        {"a bitmap of height 0",
         [](BadPictureTest& t) { return t.file("flat.bmp", t.bitmapWith(22, 0)); }, invalidBitmap},
        {"a JPEG of height 0",
         [](BadPictureTest& t) { return t.file("flat.jpg", t.jpegOfSize(64, 0)); },
         jpegError(JERR_EMPTY_IMAGE, "Empty JPEG image (DNL not supported)") + "\nFile: %1"},
        {"a bitmap claiming 100000 x 100000 pixels",
         [](BadPictureTest& t) {
             QByteArray bytes = t.bitmapWith(18, 100000);
             putLittle32(bytes, 22, 100000);
             return t.file("huge.bmp", bytes);
         },
         invalidBitmap},
        {"a bitmap claiming 20000 x 15000 pixels in a few bytes",
         [](BadPictureTest& t) {
             QByteArray bytes = t.bitmapWith(18, 20000);
             putLittle32(bytes, 22, 15000);
             return t.file("claims.bmp", bytes);
         },
         invalidBitmap},
        {"a JPEG claiming 40000 x 40000 pixels",
         [](BadPictureTest& t) { return t.file("huge.jpg", t.jpegOfSize(40000, 40000)); },
         jpegError(JERR_IMAGE_TOO_BIG, QStringLiteral("Maximum supported image dimension is %1 "
                                                      "pixels")
                                           .arg(largestPictureSide)) +
             "\nFile: %1"},
        {"a HEIC cut short",
         [](BadPictureTest& t) {
             return t.file("cut.heic", t.goodHeic.left(t.goodHeic.size() / 2));
         },
         QStringLiteral("HEIC image is not valid: Invalid input: Unexpected end of file: Extent in "
                        "iloc box references data outside of file bounds (points to file position "
                        "%2)\nFile: %1")
             .arg(QStringLiteral("%1"), QString::number(goodHeic.indexOf("mdat") + 4))},
        {"a HEIC damaged in its boxes",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodHeic;
             bytes.replace("iinf", "xxxx");
             return t.file("damaged.heic", bytes);
         },
         "HEIC image is not valid: Invalid input: No 'iinf' box\nFile: %1"},
        {"a HEIC claiming 100000 x 100000 pixels",
         [](BadPictureTest& t) {
             return t.file("huge.heic", heicOfSize(t.goodHeic, 100000, 100000));
         },
         "HEIC image is not valid: Memory allocation error: Security limit exceeded: Image size "
         "100000x100000 exceeds the maximum image size 30000x30000\nFile: %1"},
        {"a HEIC claiming 30000 x 20000 pixels",
         [](BadPictureTest& t) {
             return t.file("large.heic", heicOfSize(t.goodHeic, 30000, 20000));
         },
         "HEIC image is not valid: the picture is too large\nFile: %1"},
        {"a WebP cut short",
         [](BadPictureTest& t) {
             return t.file("cut.webp", t.goodWebp.left(t.goodWebp.size() / 2));
         },
         "WebP image is not valid: the file ends early\nFile: %1"},
        {"a WebP damaged in its frame header",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodWebp;
             bytes.replace("\x9d\x01\x2a", "\x00\x00\x00");
             return t.file("damaged.webp", bytes);
         },
         "WebP image is not valid: its structure is damaged\nFile: %1"},
        {"a WebP claiming 100000 x 100000 pixels",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodWebp;
             const qsizetype canvas = bytes.indexOf("VP8X") + 12;
             for (int i = 0; i < 6; ++i)
                 bytes[canvas + i] = static_cast<char>((99999 >> (i % 3 * 8)) & 0xFF);
             return t.file("huge.webp", bytes);
         },
         "WebP image is not valid: its structure is damaged\nFile: %1"},
        {"a TIFF cut short",
         [](BadPictureTest& t) {
             return t.file("cut.tif", t.goodTiff.left(t.goodTiff.size() / 2));
         },
         "TIFF image is not valid: the file ends early\nFile: %1"},
        {"a TIFF whose compressed data is damaged",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodTiff;
             bytes.replace(8, 40, QByteArray(40, '\xFF'));
             return t.file("damaged.tif", bytes);
         },
         "TIFF image is not valid: the picture data is damaged (Using code not yet in "
         "table)\nFile: "
         "%1"},
        {"a TIFF claiming 100000 x 100000 pixels",
         [](BadPictureTest& t) {
             // Width and height, each a SHORT of one value, become LONGs.
             QByteArray bytes = t.goodTiff;
             QByteArray entryStart("\0\1\3\0\1\0\0\0", 8);
             for (const char tag : {'\0', '\1'}) {
                 entryStart[0] = tag;
                 const qsizetype entry = bytes.indexOf(entryStart);
                 bytes[entry + 2] = 4;
                 putLittle32(bytes, static_cast<int>(entry + 8), 100000);
             }
             return t.file("huge.tif", bytes);
         },
         "TIFF image is not valid: the picture is too large\nFile: %1"},
        {"a GIF cut short",
         [](BadPictureTest& t) { return t.file("cut.gif", t.goodGif.left(t.goodGif.size() / 2)); },
         "GIF image is not valid: the file ends early\nFile: %1"},
        {"a GIF damaged between its records",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodGif;
             bytes[bytes.indexOf(',')] = 'X';
             return t.file("damaged.gif", bytes);
         },
         "GIF image is not valid: its structure is damaged\nFile: %1"},
        {"a GIF claiming 65535 x 65535 pixels",
         [](BadPictureTest& t) {
             QByteArray bytes = t.goodGif;
             bytes.replace(6, 4, "\xFF\xFF\xFF\xFF");
             return t.file("huge.gif", bytes);
         },
         "GIF image is not valid: the picture is too large\nFile: %1"},
        {"a JPEG XL picture",
         [](BadPictureTest& t) { return t.file("photo.jxl", "\xFF\x0A\xFA\x7F\x01\x90"); },
         "\"photo.jxl\" is a JPEG XL picture; Tilettes reads JPEG, PNG, BMP, HEIC, AVIF, WebP, "
         "TIFF and GIF.\nFile: %1"},
        {"a GIF named .jpg, cut short",
         [](BadPictureTest& t) { return t.file("party.jpg", "GIF89a\x01\x00\x01\x00"); },
         "GIF image is not valid: the file ends early\nFile: %1"},
        {"a text file named .heic",
         [](BadPictureTest& t) { return t.file("notes.heic", "this is not a picture"); },
         "HEIC image is not valid: Invalid input: No 'ftyp' box\nFile: %1"},
        {"a text file named .jpg",
         [](BadPictureTest& t) { return t.file("notes.jpg", "this is not a picture"); },
         jpegError(JERR_NO_SOI, "Not a JPEG file: starts with 0x74 0x68") + "\nFile: %1"},
        {"a text file named .bmp",
         [](BadPictureTest& t) { return t.file("notes.bmp", "this is not a picture"); },
         invalidBitmap},
        {"an empty file named .bmp", [](BadPictureTest& t) { return t.file("empty.bmp", {}); },
         invalidBitmap},
        {"an empty file named .jpg", [](BadPictureTest& t) { return t.file("empty.jpg", {}); },
         jpegError(JERR_INPUT_EMPTY, "Empty input file") + "\nFile: %1"},
        {"a folder", [](BadPictureTest& t) { return t.inFolder({}); }, reason(EISDIR)},
        {"a missing file", [](BadPictureTest& t) { return t.inFolder(QStringLiteral("gone.bmp")); },
         reason(ENOENT)},
        {"a link that points nowhere",
         [](BadPictureTest& t) {
             const QString link = t.inFolder(QStringLiteral("dangling.bmp"));
             QFile::link(t.inFolder(QStringLiteral("gone.bmp")), link);
             return link;
         },
         reason(ENOENT)},
        {"a link to itself",
         [](BadPictureTest& t) {
             const QString link = t.inFolder(QStringLiteral("loop.bmp"));
             QFile::link(link, link);
             return link;
         },
         reason(ELOOP)},
        {"a path through a file",
         [](BadPictureTest& t) { return t.good + QStringLiteral("/inside.bmp"); }, reason(ENOTDIR)},
        {"a name too long for the system",
         [](BadPictureTest& t) { return t.inFolder(QString(300, u'n') + ".bmp"); },
         reason(ENAMETOOLONG)},
        {"a pipe no one writes to",
         [](BadPictureTest& t) { return traps::makeFifo(t.inFolder(QStringLiteral("pipe.jpg"))); },
         openFailed + "It is a pipe or a device, not a file."},
        {"a device", [](BadPictureTest&) { return QStringLiteral("/dev/null"); },
         openFailed + "It is a pipe or a device, not a file."},
        {"a system file that fails when read",
         [](BadPictureTest&) {
             const QString path = QStringLiteral("/sys/class/net/lo/speed");
             return QFileInfo(path).isFile() ? path : QString();
         },
         reason(EINVAL)},
    };

    for (const BadPicture& row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = row.make(*this);
        if (path.isEmpty()) {
            std::printf("Skipped \"%s\": this system cannot make it.\n", row.what);
            continue;
        }
        const SlotView before = view(2);
        const int errorsBefore = errorsShown();
        {
            const traps::HangGuard guard(20);
            const traps::MemoryBound bound(qint64(512) << 20);
            loadSlot(2, path);
        }
        ASSERT_EQ(errorsShown(), errorsBefore + 1) << "no error box";
        EXPECT_EQ(lastError().toStdString(), row.message.arg(path).toStdString());
        EXPECT_TRUE(view(2) == before) << "the slot changed";
    }
}

// Qt lists no file whose name is not UTF-8, so the file dialog never offers one; a name that
// reaches the program anyway is told for what it is.
TEST_F(BadPictureTest, ANameNotInUtf8IsNeitherOfferedNorTakenForAMissingFile) {
    const QByteArray rawName = QFile::encodeName(folder.path()) + "/caf\xE9.bmp";
    const int descriptor = ::open(rawName.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::write(descriptor, goodBitmap.constData(), static_cast<size_t>(goodBitmap.size())),
              goodBitmap.size());
    ::close(descriptor);
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("caf*")}), QStringList());

    const QString decoded = QFile::decodeName(rawName);
    ASSERT_TRUE(decoded.contains(QChar::ReplacementCharacter));
    const SlotView before = view(3);
    loadSlot(3, decoded);
    EXPECT_EQ(lastError(),
              QStringLiteral("Cannot open file \"%1\". Its name is not in UTF-8; rename "
                             "the file to open it.")
                  .arg(decoded));
    EXPECT_TRUE(view(3) == before);

    // A setup of an older system names it in its code page, which reads as another name.
    const QString setup = folder.filePath(QStringLiteral("old.agt"));
    dialogs.answerFile(setup);
    form->run(&TForm1::SaveAsItemClick);
    QList<QByteArray> lines = traps::contentOf(setup).split('\n');
    lines[19] = "\"" + rawName + "\" Tilette3\r";
    ASSERT_TRUE(traps::writeBytes(setup, lines.join('\n')));
    dialogs.answerFile(setup);
    form->run(&TForm1::OpenItemClick);
    const QString named = folder.filePath(QStringLiteral("caf\u00E9.bmp"));
    EXPECT_TRUE(dialogs.shown().back().text.contains(
        QStringLiteral("Tilette 3 is empty: Cannot open file \"%1\". %2")
            .arg(named, QString::fromLocal8Bit(std::strerror(ENOENT)))))
        << dialogs.shown().back().text.toStdString();
    EXPECT_EQ(form->session().slotTable()[2].FileName, good); // the rest of the setup applied
    EXPECT_EQ(errorsShown(), 1);
    ::unlink(rawName.constData()); // the temporary folder cannot list it to remove it
}

class PictureChangedAfterLoadingTest : public BadPictureTest {
  protected:
    void SetUp() override {
        BadPictureTest::SetUp();
        photo = file(QStringLiteral("photo.jpg"), goodJpeg);
        loadSlot(1, photo);
        ASSERT_EQ(errorsShown(), 0);
        drawn = form->session().slotTable()[1].TiletteImage.image();
    }

    // Preview Sheet twice: the broken picture is told once, and the sheet is still laid out
    // from the tilette last drawn from it.
    void expectToldOnceAndTheSheetKept(const QString& message) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            const traps::HangGuard guard(20);
            form->run(&TForm1::PreviewButtonClick);
        }
        EXPECT_EQ(errorsShown(), 1);
        EXPECT_EQ(lastError(), message);
        EXPECT_EQ(form->session().slotTable()[1].FileName, photo); // kept: the file may come back
        EXPECT_EQ(form->session().slotTable()[1].TiletteImage.image(), drawn);
        const Bitmap& sheet = form->state.SheetBitmap;
        ASSERT_FALSE(sheet.isEmpty());
        const QPoint centre(drawn.width() / 2, drawn.height() / 2);
        EXPECT_EQ(sheet.pixel(centre.x(), centre.y()), fromRgb(drawn.pixel(centre)));
    }

    QString photo;
    QImage drawn;
};

TEST_F(PictureChangedAfterLoadingTest, ACutCopyInItsPlace) {
    ASSERT_TRUE(traps::writeBytes(photo, goodJpeg.left(goodJpeg.size() / 3)));
    expectToldOnceAndTheSheetKept(jpegError(JWRN_JPEG_EOF, "Premature end of JPEG file") +
                                  "\nFile: " + photo);
}

TEST_F(PictureChangedAfterLoadingTest, APipeInItsPlace) {
    ASSERT_TRUE(QFile::remove(photo));
    ASSERT_FALSE(traps::makeFifo(photo).isEmpty());
    expectToldOnceAndTheSheetKept(QStringLiteral("Cannot open file \"%1\". It is a pipe or a "
                                                 "device, not a file.")
                                      .arg(photo));
}

// The file is written over again and again while the slot loads it. Each load takes the whole
// picture, or refuses it and keeps the slot as it was, or takes it and then finds it broken
// when drawing the tilette, which is told and shows the slot's placeholder.
TEST_F(PictureChangedAfterLoadingTest, RewrittenWhileItIsRead) {
    const QString changing = file(QStringLiteral("changing.jpg"), goodJpeg);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int round = 0; !stop; ++round) {
            QFile out(changing);
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
                out.write(round % 2 ? goodJpeg : goodJpeg.left(goodJpeg.size() * (round % 7) / 7));
            out.close();
            std::this_thread::sleep_for(std::chrono::milliseconds(round % 2 ? 5 : 1));
        }
    });
    int taken = 0, refused = 0, brokenWhenDrawn = 0;
    for (int attempt = 0; attempt < 40; ++attempt) {
        form->run([this] { form->DeleteImage(4); });
        const SlotView before = view(4);
        const int errorsBefore = errorsShown();
        loadSlot(4, changing);
        const ImageSlot& slot = form->session().slotTable()[4];
        if (errorsShown() == errorsBefore) {
            ++taken;
            EXPECT_EQ(slot.FileName, changing);
            EXPECT_EQ(slot.Width, 600);
            continue;
        }
        EXPECT_EQ(errorsShown(), errorsBefore + 1);
        EXPECT_TRUE(lastError().endsWith("\nFile: " + changing)) << lastError().toStdString();
        if (slot.FileName.isEmpty()) {
            ++refused;
            EXPECT_TRUE(view(4) == before);
        } else {
            ++brokenWhenDrawn;
            EXPECT_EQ(slot.FileName, changing);
            EXPECT_EQ(form->slotImages[4]->picture().image(), before.thumbnail);
        }
    }
    stop = true;
    writer.join();
    std::printf(
        "While rewritten: %d loads took the picture, %d were refused, %d broke when drawn.\n",
        taken, refused, brokenWhenDrawn);
}

// The same bad pictures named by a setup file: each slot that names one stays empty, the user
// is told which and why in one message, and the rest of the setup applies.
TEST_F(BadPictureTest, ASetupNamingBadPicturesLeavesThoseSlotsEmptyAndSaysWhy) {
    const QString setup = folder.filePath(QStringLiteral("sheet.agt"));
    dialogs.answerFile(setup);
    form->run(&TForm1::SaveAsItemClick);
    QList<QByteArray> lines = traps::contentOf(setup).split('\n');
    const struct {
        QString path;
        QString told; // the message, on one line
    } named[] = {
        {file("cut.jpg", goodJpeg.left(goodJpeg.size() / 3)),
         jpegError(JWRN_JPEG_EOF, "Premature end of JPEG file") + " File: %1"},
        {traps::makeFifo(folder.filePath(QStringLiteral("pipe.jpg"))),
         "Cannot open file \"%1\". It is a pipe or a device, not a file."},
        {folder.filePath(QStringLiteral("gone.bmp")),
         "Cannot open file \"%1\". " + QString::fromLocal8Bit(std::strerror(ENOENT))},
        {QStringLiteral("/dev/zero"),
         "Cannot open file \"%1\". It is a pipe or a device, not a file."},
        {file("notes.bmp", "this is not a picture"), "Bitmap image is not valid File: %1"},
    };
    for (size_t index = 0; index < std::size(named); ++index)
        lines[static_cast<qsizetype>(18 + index)] =
            "\"" + QFile::encodeName(named[index].path) + "\" Tilette" +
            QByteArray::number(static_cast<int>(index) + 2) + '\r';
    ASSERT_TRUE(traps::writeBytes(setup, lines.join('\n')));

    dialogs.answerFile(setup);
    {
        const traps::HangGuard guard(20);
        form->run(&TForm1::OpenItemClick);
    }
    EXPECT_EQ(errorsShown(), 0);
    const QString told = dialogs.shown().back().text;
    for (size_t index = 0; index < std::size(named); ++index) {
        const int slot = static_cast<int>(index) + 2;
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        EXPECT_TRUE(told.contains(QStringLiteral("Tilette %1 is empty: %2")
                                      .arg(slot)
                                      .arg(named[index].told.arg(named[index].path))))
            << told.toStdString();
        EXPECT_TRUE(form->session().slotTable()[static_cast<size_t>(slot)].FileName.isEmpty());
    }
    EXPECT_TRUE(form->session().slotTable()[1].FileName.isEmpty()); // as saved
}
