#include "DialogsTestSupport.h"
#include "platform/ui/PrinterSetupDialog.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtPrinterSystem.h"
#include "support/FakePrinterSystem.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPageSize>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

FileDialogRequest pictureRequest() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select image file for Tilette 1");
    request.filters = {QStringLiteral("Bitmaps (*.bmp)"),
                       QStringLiteral("JPEG Image File (*.jpg *.jpeg)")};
    request.selectedFilter = 1;
    request.defaultSuffix = QStringLiteral("bmp");
    return request;
}

const FontChoice valueFont{QStringLiteral("Times New Roman"), 35, true, false, colours::black};

// The names the file dialog's list shows for its current folder.
QStringList listedNames(QFileDialog* dialog) {
    const auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (!view)
        return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

// A box must show its whole title in the window manager's bold title font, beside the window's
// buttons, and never be a sliver.
int titleRoom(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return std::max(300, QFontMetrics(font).horizontalAdvance(title) + 100);
}

} // namespace

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryDialog) {
    ScriptedDialogs dialogs;
    FakePrinterSystem printers;
    dialogs.answerFile(QStringLiteral("/pictures/one.bmp"), 0);
    dialogs.cancel();
    dialogs.answerColour(colours::aqua);
    dialogs.answerFont({QStringLiteral("Arial"), 16, true, true, colours::green});
    dialogs.answerYes();
    dialogs.answerNo();
    dialogs.answerPrinterSetup(true, [](PrinterSystem& system) { system.select(1); });
    dialogs.answerPrinterSetup(false, [](PrinterSystem& system) { system.select(0); });
    dialogs.answerFile(QStringLiteral("/pictures/two.bmp"));

    FileDialogRequest openRequest = pictureRequest();
    FileDialogRequest saveRequest = pictureRequest();
    saveRequest.title = QStringLiteral("Save Sheet");
    saveRequest.confirmOverwrite = true;

    // The filter picked is offered next time; a cancel, or an answer without one, keeps it.
    EXPECT_EQ(dialogs.openFile(openRequest), QStringLiteral("/pictures/one.bmp"));
    EXPECT_EQ(openRequest.selectedFilter, 0);
    EXPECT_EQ(dialogs.saveFile(saveRequest), std::nullopt);
    EXPECT_EQ(saveRequest.selectedFilter, 1);
    EXPECT_EQ(dialogs.chooseColour(colours::red), colours::aqua);
    // The font dialog has no colour choice: whatever the script says, the colour stays.
    const FontChoice font = *dialogs.chooseFont(valueFont);
    EXPECT_EQ(font, (FontChoice{QStringLiteral("Arial"), 16, true, true, colours::black}));
    dialogs.message(QStringLiteral("File not Saved"));
    EXPECT_TRUE(dialogs.question(QStringLiteral("Save?"), QStringLiteral("Save it?")));
    EXPECT_FALSE(dialogs.question(QStringLiteral("End Program?"), QStringLiteral("Sure?")));
    dialogs.error(QStringLiteral("Disk full"));
    EXPECT_TRUE(dialogs.printerSetup(printers));
    EXPECT_EQ(printers.selectedIndex(), 1);
    // A refused set-up changes nothing, even with a change attached.
    EXPECT_FALSE(dialogs.printerSetup(printers));
    EXPECT_EQ(printers.selectedIndex(), 1);
    EXPECT_EQ(dialogs.openFile(openRequest), QStringLiteral("/pictures/two.bmp"));
    EXPECT_EQ(openRequest.selectedFilter, 0);
    EXPECT_EQ(dialogs.remainingAnswers(), 0);

    const std::vector<ShownDialog>& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 11u);
    const DialogKind kinds[] = {
        DialogKind::OpenFile,     DialogKind::SaveFile,     DialogKind::Colour,   DialogKind::Font,
        DialogKind::Message,      DialogKind::Question,     DialogKind::Question, DialogKind::Error,
        DialogKind::PrinterSetup, DialogKind::PrinterSetup, DialogKind::OpenFile};
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i].kind, kinds[i]) << "dialog " << i;
    EXPECT_EQ(shown[0].title, QStringLiteral("Select image file for Tilette 1"));
    EXPECT_EQ(shown[0].request.filters, pictureRequest().filters);
    EXPECT_EQ(shown[0].request.selectedFilter, 1); // as offered, not as picked
    EXPECT_EQ(shown[1].title, QStringLiteral("Save Sheet"));
    EXPECT_TRUE(shown[1].request.confirmOverwrite);
    EXPECT_EQ(shown[2].initialColour, colours::red);
    EXPECT_EQ(shown[3].initialFont, valueFont);
    EXPECT_EQ(shown[4].text, QStringLiteral("File not Saved"));
    EXPECT_EQ(shown[4].title, QtDialogs::applicationTitle);
    EXPECT_EQ(shown[6].title, QStringLiteral("End Program?"));
    EXPECT_EQ(shown[6].text, QStringLiteral("Sure?"));
    EXPECT_EQ(shown[7].title, QStringLiteral("Error"));
    EXPECT_EQ(shown[7].text, QStringLiteral("Disk full"));
}

TEST(ScriptedDialogs, DialogOffTheScriptThrows) {
    ScriptedDialogs dialogs;
    FileDialogRequest request = pictureRequest();
    try {
        dialogs.openFile(request);
        FAIL() << "a dialog without an answer must throw";
    } catch (const std::logic_error& failure) {
        EXPECT_NE(std::string(failure.what()).find("Select image file for Tilette 1"),
                  std::string::npos)
            << failure.what();
    }

    // An answer of the wrong kind is not used up by the dialog that refused it.
    dialogs.answerColour(colours::white);
    EXPECT_THROW(dialogs.question(QStringLiteral("Save?"), QStringLiteral("Save it?")),
                 std::logic_error);
    EXPECT_EQ(dialogs.remainingAnswers(), 1);
    EXPECT_EQ(dialogs.chooseColour(colours::black), colours::white);

    // A question has no Cancel button.
    dialogs.cancel();
    EXPECT_THROW(dialogs.question(QStringLiteral("Save?"), QStringLiteral("Save it?")),
                 std::logic_error);
    EXPECT_EQ(dialogs.saveFile(request), std::nullopt);
    dialogs.answerYes();
    EXPECT_THROW(dialogs.saveFile(request), std::logic_error);
    EXPECT_THROW(dialogs.chooseFont(valueFont), std::logic_error);
    EXPECT_THROW(dialogs.printerSetup(*std::make_unique<FakePrinterSystem>()), std::logic_error);

    // Messages and errors never need an answer.
    dialogs.message(QStringLiteral("hello"));
    dialogs.error(QStringLiteral("oops"));
    EXPECT_EQ(dialogs.remainingAnswers(), 1);
}

TEST(QtDialogs, QuestionReturnsTheButtonClicked) {
    QtDialogs dialogs(nullptr);
    for (const bool clickYes : {false, true}) {
        QString seenTitle;
        QString seenText;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            seenTitle = box->windowTitle();
            seenText = box->text();
            box->button(clickYes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(dialogs.question(QStringLiteral("End Program?"),
                                   QStringLiteral("Are you sure you, you want to end program?")),
                  clickYes);
        EXPECT_EQ(seenTitle, QStringLiteral("End Program?"));
        EXPECT_EQ(seenText, QStringLiteral("Are you sure you, you want to end program?"));
    }
}

TEST(QtDialogs, MessageErrorAndQuestionBoxesHaveRoomForTheTitle) {
    QtDialogs dialogs(nullptr);
    struct Seen {
        QString title;
        qsizetype buttons = 0;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int width = 0;
    } seen;
    const auto look = [&](QMessageBox* box) {
        seen = {box->windowTitle(), box->buttons().size(), box->icon(), box->width()};
        box->buttons().constFirst()->click();
    };
    whenShown<QMessageBox>(look);
    dialogs.message(QStringLiteral("Disk full"));
    EXPECT_EQ(seen.title, QStringLiteral("Ambergate Tilettes Print"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_GE(seen.width, titleRoom(seen.title));

    whenShown<QMessageBox>(look);
    dialogs.error(QStringLiteral("Disk full"));
    EXPECT_EQ(seen.title, QStringLiteral("Error"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_GE(seen.width, titleRoom(seen.title));

    whenShown<QMessageBox>(look);
    dialogs.question(QStringLiteral("Overwrite Existing File?"), QStringLiteral("Sure?"));
    EXPECT_EQ(seen.buttons, 2);
    EXPECT_GE(seen.width, titleRoom(seen.title));
}

TEST(QtDialogs, OpenFileListsUpperCaseExtensionsAndReturnsTheChoice) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"IMG_0042.JPG", "holiday.jpeg", "notes.txt", "Scan.BMP"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FileDialogRequest request = pictureRequest();
    request.folder = folder.path();

    const QStringList expected{QStringLiteral("holiday.jpeg"), QStringLiteral("IMG_0042.JPG")};
    QtDialogs dialogs(nullptr);
    QStringList listed;
    QString selectedFilter;
    QString title;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        selectedFilter = dialog->selectedNameFilter();
        // The folder is read in the background.
        processEventsUntil([&]() { return listedNames(dialog) == expected; });
        listed = listedNames(dialog);
        // Typed, as a user would: selectFile() leaves the name box alone while it has focus.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("IMG_0042.JPG"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its accept()
    });
    EXPECT_EQ(dialogs.openFile(request), folder.filePath(QStringLiteral("IMG_0042.JPG")));
    EXPECT_EQ(title, request.title);
    EXPECT_EQ(selectedFilter, request.filters.at(1));
    EXPECT_EQ(listed, expected);
}

TEST(QtDialogs, FileDialogFollowsTheRequest) {
    FileDialogRequest request = pictureRequest();
    request.folder = QDir::tempPath();
    const auto save = QtDialogs::makeFileDialog(request, QFileDialog::AcceptSave, nullptr);
    EXPECT_EQ(save->nameFilters(), request.filters);
    EXPECT_EQ(save->defaultSuffix(), QStringLiteral("bmp"));
    EXPECT_EQ(save->directory().absolutePath(), QDir(QDir::tempPath()).absolutePath());
    EXPECT_TRUE(save->testOption(QFileDialog::DontConfirmOverwrite));
    request.confirmOverwrite = true;
    request.folder.clear();
    const auto confirming = QtDialogs::makeFileDialog(request, QFileDialog::AcceptSave, nullptr);
    EXPECT_FALSE(confirming->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(confirming->directory().absolutePath(), QDir::current().absolutePath());

    // A bare name gets the extension of the filter the user picks.
    emit save->filterSelected(request.filters.at(1));
    EXPECT_EQ(save->defaultSuffix(), QStringLiteral("jpg"));

    QtDialogs dialogs(nullptr);
    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialogs.saveFile(request), std::nullopt);
}

TEST(QtDialogs, FileDialogOffersTheFilterLastPicked) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile picture(folder.filePath(QStringLiteral("a.jpg")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    FileDialogRequest request = pictureRequest();
    request.folder = folder.path();
    request.selectedFilter = 0;

    QtDialogs dialogs(nullptr);
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectNameFilter(request.filters.at(1));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("a.jpg"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(dialogs.openFile(request), folder.filePath(QStringLiteral("a.jpg")));
    EXPECT_EQ(request.selectedFilter, 1);
    EXPECT_EQ(
        QtDialogs::makeFileDialog(request, QFileDialog::AcceptOpen, nullptr)->selectedNameFilter(),
        request.filters.at(1));

    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectNameFilter(request.filters.at(0));
        dialog->reject();
    });
    EXPECT_EQ(dialogs.openFile(request), std::nullopt);
    EXPECT_EQ(request.selectedFilter, 1);
}

TEST(QtDialogs, ColourDialogStartsAtThePresetAndReturnsTheChoice) {
    QtDialogs dialogs(nullptr);
    QColor startedAt;
    whenShown<QColorDialog>([&](QColorDialog* dialog) {
        startedAt = dialog->currentColor();
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(dialogs.chooseColour(colours::cream), makeColour(10, 20, 30));
    EXPECT_EQ(startedAt, QColor(0xFF, 0xFB, 0xF0));

    whenShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialogs.chooseColour(colours::cream), std::nullopt);
}

TEST(QtDialogs, FontDialogHidesEffectsAndKeepsTheColour) {
    QtDialogs dialogs(nullptr);
    bool effectsVisible = true;
    QFont startedAt;
    whenShown<QFontDialog>([&](QFontDialog* dialog) {
        startedAt = dialog->currentFont();
        effectsVisible = false;
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            effectsVisible = effectsVisible || box->isVisibleTo(dialog);
        QFont chosen(QStringLiteral("Liberation Sans"));
        chosen.setPointSize(16);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    const FontChoice initial{QStringLiteral("Liberation Serif"), 35, true, false, colours::red};
    const std::optional<FontChoice> chosen = dialogs.chooseFont(initial);
    EXPECT_FALSE(effectsVisible);
    EXPECT_EQ(startedAt.pointSize(), 35);
    EXPECT_TRUE(startedAt.bold());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->face, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(chosen->points, 16);
    EXPECT_TRUE(chosen->italic);
    EXPECT_EQ(chosen->colour, colours::red);

    // fontconfig serves these faces through metric twins of other names: the dialog opens on the
    // twin, and OK on it gives back the face as it was named.
    const FontChoice metricTwins[] = {
        {QStringLiteral("Times New Roman"), 35, true, false, colours::red},
        {QStringLiteral("Arial"), 16, true, true, colours::green},
    };
    for (const FontChoice& twin : metricTwins) {
        QFont named(twin.face);
        named.setPointSize(twin.points);
        const QString served = QFontInfo(named).family();
        ASSERT_NE(served, QApplication::font().family());
        ASSERT_TRUE(QFontDatabase::hasFamily(served));
        whenShown<QFontDialog>([&](QFontDialog* dialog) {
            startedAt = dialog->currentFont();
            dialog->accept();
        });
        EXPECT_EQ(dialogs.chooseFont(twin), twin);
        EXPECT_EQ(startedAt.family(), served);
    }

    // A font known only by its pixel size is taken at 96 pixels per inch: 47 px is 35 pt.
    QFont pixelFont(QStringLiteral("Liberation Serif"));
    pixelFont.setPixelSize(47);
    EXPECT_EQ(QtDialogs::fontChoiceOf(pixelFont, colours::black).points, 35);
}

TEST(QtDialogs, PrinterSetupChoosesPrinterPaperAndOrientation) {
    QtDialogs dialogs(nullptr);
    FakePrinterSystem printers;
    whenShown<PrinterSetupDialog>([](PrinterSetupDialog* dialog) {
        dialog->printerBox()->setCurrentIndex(1); // "Print to PDF"
        dialog->paperBox()->setCurrentText(QStringLiteral("A4"));
        dialog->landscapeButton()->setChecked(true);
        dialog->accept();
    });
    EXPECT_TRUE(dialogs.printerSetup(printers));
    EXPECT_EQ(printers.selectedIndex(), 1);
    EXPECT_EQ(printers.paper, QStringLiteral("A4"));
    EXPECT_EQ(printers.orientation(), PageOrientation::Landscape);

    // Cancel puts back all that was changed while the dialog was open.
    whenShown<PrinterSetupDialog>([](PrinterSetupDialog* dialog) {
        dialog->printerBox()->setCurrentIndex(0);
        dialog->paperBox()->setCurrentText(QStringLiteral("Letter"));
        dialog->landscapeButton()->setChecked(false);
        dialog->reject();
    });
    EXPECT_FALSE(dialogs.printerSetup(printers));
    EXPECT_EQ(printers.selectedIndex(), 1);
    EXPECT_EQ(printers.paper, QStringLiteral("A4"));
    EXPECT_EQ(printers.orientation(), PageOrientation::Landscape);

    // Qt's printers: the PDF printer is offered with its papers, and a paper chosen is the page's.
    QtPrinterSystem system;
    whenShown<PrinterSetupDialog>([](PrinterSetupDialog* dialog) {
        QComboBox* printer = dialog->printerBox();
        printer->setCurrentIndex(printer->findText(QtPrinterSystem::pdfPrinterName));
        dialog->paperBox()->setCurrentText(QPageSize(QPageSize::Legal).name());
        dialog->accept();
    });
    EXPECT_TRUE(dialogs.printerSetup(system));
    EXPECT_EQ(system.printerNames().at(system.selectedIndex()), QtPrinterSystem::pdfPrinterName);
    // Legal is 14 inches: at 600 dpi less two quarter-inch margins, 8100 printable rows.
    EXPECT_EQ(system.capabilities().pageHeight, 8100);
}
