// Bad setup files opened from the File menu: a file that cannot be used is told in the error box
// and changes nothing; values out of range are brought within range, told, and the rest applies.
#include "WindowFixture.h"
#include "support/FileTraps.h"

#include "app/controls/ImageBox.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "setup/SetupKeys.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cstring>
#include <functional>
#include <random>

namespace {

// Everything of the window a setup can change: the settings as a setup would save them, the
// fields as they show them, the printer, and the slots with their pictures.
struct WindowSettings {
    SetupRecord record;
    QString copiesText, heightText, widthText;
    std::vector<int> slotSizes;
    std::vector<QImage> slotPictures;
    bool operator==(const WindowSettings&) const = default;
};

QString outOfBounds(int line) {
    const QString end = line == 1 ? QStringLiteral("The file is empty")
                                  : QStringLiteral("The file ends after line %1").arg(line - 1);
    return end +
           QStringLiteral(", but a setup has 52 lines (line %1, %2)").arg(line).arg(setupKey(line));
}

QString notAnInteger(const QString& text, int line) {
    return QStringLiteral("'%1' is not a valid integer value (line %2, %3)")
        .arg(text)
        .arg(line)
        .arg(setupKey(line));
}

} // namespace

class BadSetupTest : public WindowFixture {
  public:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("one.bmp"), 400, 300, 0x3366CC));
        loadSlot(2, pictureFile(QStringLiteral("two.bmp"), 300, 300, 0x22AA22));
        form->ValueEdit->setText(QStringLiteral("$5"));
        form->BorderRadioGroup->setItemIndex(1);
        form->CopiesUpDown->setPosition(3);
        setup = folder.filePath(QStringLiteral("sheet.agt"));
        dialogs.answerFile(setup);
        form->run(&TForm1::SaveAsItemClick);
        lines = traps::contentOf(setup).split('\n');
        lines.removeLast(); // after the last line end
        ASSERT_EQ(lines.size(), setupLineCount);
        // The window then moves away from the saved setup, so that a file applied shows.
        form->ValueEdit->setText(QStringLiteral("kept"));
        form->BorderRadioGroup->setItemIndex(2);
        loadSlot(3, pictureFile(QStringLiteral("three.bmp"), 200, 300, 0x2222AA));
        ASSERT_EQ(errorsShown(), 0);
    }

    WindowSettings settings() const {
        WindowSettings now{setupRecordOf(form->sheetDefinition(), form->session().slotTable(),
                                         printers.selectedIndex(), printers.orientation()),
                           form->CopiesEdit->text(),
                           form->HeightEdit->text(),
                           form->WidthEdit->text(),
                           {},
                           {}};
        for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
            const ImageSlot& entry = form->session().slotTable()[static_cast<size_t>(slot)];
            now.slotSizes.insert(now.slotSizes.end(), {entry.Width, entry.Height, entry.Ratio});
            now.slotPictures.push_back(
                form->slotImages[static_cast<size_t>(slot)]->picture().image());
        }
        return now;
    }

    QString fileOf(const QList<QByteArray>& content, const QString& name = "bad.agt") const {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(
            traps::writeBytes(path, content.isEmpty() ? QByteArray() : content.join('\n') + '\n'));
        return path;
    }
    QString fileWith(int line, const QByteArray& text, bool sizedByHand = false) const {
        QList<QByteArray> changed = lines;
        changed[line - 1] = text + '\r';
        if (sizedByHand) {
            changed[30] = "on AdvancedSizeTilettes\r";
            changed[33] = "off AdvancedRatio\r";
        }
        return fileOf(changed);
    }
    QString inFolder(const QString& name) const { return folder.filePath(name); }

    // Opens path as the user does; returns the error shown, or nothing when there was none.
    QString open(const QString& path) {
        const int errorsBefore = errorsShown();
        dialogs.answerFile(path);
        {
            const traps::HangGuard guard(20);
            form->run(&TForm1::OpenItemClick);
        }
        return errorsShown() > errorsBefore ? lastError() : QString();
    }

    // Opens a file that must be refused: the message is the one expected and nothing changed.
    void expectRefused(const QString& path, const QString& message) {
        const WindowSettings before = settings();
        const size_t shownBefore = dialogs.shown().size();
        EXPECT_EQ(open(path).toStdString(), message.toStdString());
        EXPECT_EQ(dialogs.shown().size(), shownBefore + 2) << "more than the dialog and the error";
        EXPECT_TRUE(settings() == before) << "the window changed";
    }

    QString setup;
    QList<QByteArray> lines; // the saved setup's lines, each with its carriage return
};

TEST_F(BadSetupTest, AFileCutAfterAnyLineIsRefusedOrReadAsTheBaseBlock) {
    for (int kept = 0; kept < setupLineCount; ++kept) {
        SCOPED_TRACE(testing::Message() << "cut after line " << kept);
        // The base block alone is a whole setup of its own, and so is one with a few lines more.
        if (kept >= setupBaseLineCount && kept < setupBaseLineCount + 16) {
            EXPECT_EQ(open(fileOf(lines.first(kept))).toStdString(), "");
            EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$5"));
            form->ValueEdit->setText(QStringLiteral("kept"));
            continue;
        }
        expectRefused(fileOf(lines.first(kept)), outOfBounds(kept + 1));
    }
}

TEST_F(BadSetupTest, EveryNumberThatIsNotOneIsRefusedByItsLine) {
    const int numberLines[] = {1,  2,  3,  4,  5,  8,  9,  11, 14, 15, 17, 27,
                               28, 32, 33, 44, 45, 46, 47, 48, 49, 50, 51, 52};
    for (const int line : numberLines) {
        SCOPED_TRACE(testing::Message() << "line " << line);
        const QByteArray key = setupKey(line).toLatin1();
        expectRefused(fileWith(line, "x7 " + key), notAnInteger(QStringLiteral("x7"), line));
    }
}

TEST_F(BadSetupTest, FilesThatAreNoSetupAreRefused) {
    struct Row {
        const char* what;
        std::function<QString(BadSetupTest&)> make;
        QString message; // %1 is the path
    };
    const QString openFailed = QStringLiteral("Cannot open file \"%1\". ");
    const auto reason = [&](int error) {
        return openFailed + QString::fromLocal8Bit(std::strerror(error));
    };
    const Row rows[] = {
        {"an empty file", [](BadSetupTest& t) { return t.fileOf({}); }, outOfBounds(1)},
        {"a NUL early in the file",
         [](BadSetupTest& t) {
             QList<QByteArray> changed = t.lines;
             changed[3].prepend('\0');
             return t.fileOf(changed);
         },
         outOfBounds(4)},
        {"a file of 2 GB",
         [](BadSetupTest& t) {
             const QString path = t.fileOf(t.lines, "huge.agt");
             QFile::resize(path, qint64(2) << 30); // sparse: no disk is used
             return path;
         },
         QStringLiteral("\"%1\" is not a setup file: it is 2147483648 bytes long.")},
        {"a picture", [](BadSetupTest& t) { return t.inFolder("one.bmp"); }, notAnInteger({}, 1)},
        {"a number of a hundred thousand digits",
         [](BadSetupTest& t) { return t.fileWith(1, QByteArray(100000, '7') + " NumberWide"); },
         notAnInteger(QString(30, u'7') + QChar(0x2026), 1)},
        {"a missing file", [](BadSetupTest& t) { return t.inFolder("gone.agt"); }, reason(ENOENT)},
        {"a folder", [](BadSetupTest& t) { return t.inFolder({}); },
         openFailed + "file to open is a directory"},
        {"a path through a file", [](BadSetupTest& t) { return t.inFolder("one.bmp/sheet.agt"); },
         reason(ENOTDIR)},
        {"a pipe no one writes to",
         [](BadSetupTest& t) { return traps::makeFifo(t.inFolder("pipe.agt")); },
         openFailed + "It is a pipe or a device, not a file."},
        {"a device that never ends", [](BadSetupTest&) { return QStringLiteral("/dev/zero"); },
         openFailed + "It is a pipe or a device, not a file."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = row.make(*this);
        ASSERT_FALSE(path.isEmpty());
        expectRefused(path, row.message.contains(QStringLiteral("%1")) ? row.message.arg(path)
                                                                       : row.message);
    }
}

// A value no control can take goes to the nearest one that it can, the user is told which, and
// the rest of the file applies. Values without a range (colours, faces) are taken as
// the file gives them and must draw.
TEST_F(BadSetupTest, ValuesOutOfRangeAreBroughtWithinRangeAndTold) {
    struct Row {
        int line;
        QByteArray text;
        QString note; // none for a value taken as it is
        std::function<bool(const TForm1&)> taken;
        bool sizedByHand = false; // the file asks for tilettes of its own size
    };
    const Row rows[] = {
        {1, "-1 NumberWide", "Number across 2 is not possible; 3 is used.",
         [](const TForm1& f) { return f.NumberOfImagesWideRadioGroup->itemIndex() == 0; }},
        {2, "-1 BorderType", "Border type -1 is not possible; 0 is used.",
         [](const TForm1& f) { return f.BorderRadioGroup->itemIndex() == 0; }},
        {5, "99 SheetType", "Page type 99 is not possible; 6 is used.",
         [](const TForm1& f) { return f.TypeOfPageRadioGroup->itemIndex() == 6; }},
        {11, "7 ValuePlace", "Value corner 7 is not possible; 3 is used.",
         [](const TForm1& f) { return f.ValueRadioGroup->itemIndex() == 3; }},
        {17, "-3 TextPlace", "Caption edge -3 is not possible; 0 is used.",
         [](const TForm1& f) { return f.EdgeRadioGroup->itemIndex() == 0; }},
        {27, "0 Copies", "Copies 0 is not possible; 1 is used.",
         [](const TForm1& f) { return f.CopiesUpDown->position() == 1; }},
        {27, "99 Copies", "Copies 99 is not possible; 4 is used.",
         [](const TForm1& f) { return f.CopiesUpDown->position() == 4; }},
        {28, "-1 Printer", "Printer -1 is not on this system; Fake Printer stays selected.",
         [this](const TForm1&) { return printers.selectedIndex() == 0; }},
        {32, "9999.99 AdvancedHeight", "Height 9999.99 is not possible; 5.00 is used.",
         [](const TForm1& f) {
             return f.HeightUpDown->position() == 500 && f.HeightEdit->text() == "5.00";
         },
         true},
        {33, "0.01 AdvancedWidth", "Width 0.01 is not possible; 0.50 is used.",
         [](const TForm1& f) {
             return f.WidthUpDown->position() == 50 && f.WidthEdit->text() == "0.50";
         },
         true},
        {44, "\"55\" Tilette1Color", "Colour scheme 55 of Tilette 1 is not possible; 20 is used.",
         [](const TForm1& f) { return f.session().slotTable()[1].ColorScheme == 20; }},
        {8, "2147483647 ValueFontSize", "Value font size 2147483647 is not possible; 1000 is used.",
         [](const TForm1& f) { return f.ValueFontDialog.Font.points == 1000; }},
        {8, "0 ValueFontSize", "Value font size 0 is not possible; 1 is used.",
         [](const TForm1& f) { return f.ValueFontDialog.Font.points == 1; }},
        {14, "-35 TextFontSize", "Caption font size -35 is not possible; 1 is used.",
         [](const TForm1& f) { return f.TextFontDialog.Font.points == 1; }},
        {3,
         "-1 BorderColor",
         {},
         [](const TForm1& f) { return f.BorderColorDialog.Color == 0xFFFFFFFFu; }},
        {13,
         "\"\" TextFontName",
         {},
         [](const TForm1& f) { return f.TextFontDialog.Font.face.isEmpty(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.constData());
        form->ValueEdit->setText(QStringLiteral("kept"));
        markCurrentTilette();
        const size_t shownBefore = dialogs.shown().size();
        EXPECT_EQ(open(fileWith(row.line, row.text, row.sizedByHand)).toStdString(), "");
        EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$5")); // the rest applied
        EXPECT_TRUE(row.taken(*form));
        EXPECT_TRUE(redrawnSinceMark());
        const QString told = dialogs.shown().back().text;
        if (row.note.isEmpty())
            EXPECT_EQ(dialogs.shown().size(), shownBefore + 1) << told.toStdString();
        else
            EXPECT_EQ(told.toStdString(),
                      ("The setup was opened, with these changes:\n" + row.note).toStdString());
    }
    EXPECT_EQ(errorsShown(), 0);
}

// Noise read as a setup: whatever line it breaks on, the message is short enough to read.
TEST_F(BadSetupTest, BinaryNoiseIsRefusedInAFewWords) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(testing::Message() << "noise " << round);
        QByteArray noise(4096, '\0');
        for (char& byte : noise)
            byte = static_cast<char>(random());
        const QString path = inFolder(QStringLiteral("noise.agt"));
        ASSERT_TRUE(traps::writeBytes(path, noise));
        const WindowSettings before = settings();
        const QString message = open(path);
        EXPECT_TRUE(message.contains(QStringLiteral("(line "))) << message.toStdString();
        EXPECT_LT(message.size(), 120) << message.toStdString();
        EXPECT_TRUE(settings() == before);
    }
}
