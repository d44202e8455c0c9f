#pragma once

#include "app/TForm1.h"
#include "platform/PictureFile.h"
#include "support/FakePrinterSystem.h"
#include "support/ScriptedDialogs.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A caption as it shows: the "&" of a mnemonic only underlines the letter after it.
inline QString shownCaption(QString caption) {
    return caption.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// The whole window off screen, with scripted dialogs and a 600 dpi printer whose printable
// area is 8 x 10.5 inches.
class WindowFixture : public testing::Test {
  protected:
    void SetUp() override {
        // Each test keeps its settings in its own folder: a first start, with no setups used
        // before.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        form = std::make_unique<TForm1>(dialogs, printers);
        form->show();
    }
    // The window shows every error in a box; a test gone off its script must still fail.
    void TearDown() override {
        EXPECT_TRUE(dialogs.offScriptProblems().isEmpty())
            << dialogs.offScriptProblems().join(QLatin1Char('\n')).toStdString();
    }

    // A picture file of one colour, written as a bitmap file (or JPEG or PNG when the name says
    // so).
    QString pictureFile(const QString& name, int width, int height, Colour colour = 0x3366CC) {
        const QString path = folder.filePath(name);
        const Bitmap picture(width, height, colour);
        if (name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
            writeJpegFile(path, picture);
        else if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            writePngFile(path, picture);
        else
            writeBitmapFile(path, picture);
        return path;
    }

    QString brokenFile(const QString& name) {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("this is not a picture at all");
        return path;
    }

    void continueWith(const QString& path) {
        dialogs.answerFile(path);
        form->run(&TForm1::ContinueButtonClick);
    }

    void loadSlot(int slot, const QString& path) {
        dialogs.answerFile(path);
        form->run([this, slot] { form->ImageClick(slot); });
    }

    // Paints the shown tilette in a colour no drawing uses, so a test can tell whether a
    // handler drew it again.
    void markCurrentTilette() { form->state.CurrentTilette = Bitmap(3, 3, markerColour); }
    bool redrawnSinceMark() const {
        const Bitmap& current = form->state.CurrentTilette;
        return current.width() != 3 || current.pixel(1, 1) != markerColour;
    }

    int errorsShown() const {
        int count = 0;
        for (const ShownDialog& shown : dialogs.shown())
            count += shown.kind == DialogKind::Error;
        return count;
    }
    QString lastError() const {
        for (auto it = dialogs.shown().rbegin(); it != dialogs.shown().rend(); ++it)
            if (it->kind == DialogKind::Error)
                return it->text;
        return {};
    }

    static constexpr Colour markerColour = 0x123456;
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    FakePrinterSystem printers;
    std::unique_ptr<TForm1> form;
};
