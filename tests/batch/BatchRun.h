#pragma once

#include "platform/Bitmap.h"
#include "platform/PictureFile.h"
#include "platform/PrinterSystem.h"
#include "setup/SetupFile.h"
#include "setup/SetupWriter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

// What one run of tilettes-batch left.
struct BatchResult {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// The three pictures of the sheets below: slot 1 is 400 × 300 (ratio 750), 2 square, 3 upright.
constexpr Colour firstColour = 0xC83CC8;
constexpr Colour secondColour = 0x28A028;
constexpr Colour thirdColour = 0xC82828;
constexpr Colour otherColour = 0x28D2E6;

// The grid of those sheets on Letter paper with quarter-inch margins (8 × 10.5 inches, 1600 ×
// 2100 units printable), five across: w = 1600 div 5, h = (w − 50) × 750 div 1000 + 50.
constexpr int sheetWidth = 1600;
constexpr int sheetHeight = 2100;
constexpr int tiletteWidth = sheetWidth / 5;
constexpr int tiletteHeight = (tiletteWidth - 50) * 750 / 1000 + 50;
constexpr int tilettesDown = sheetHeight / tiletteHeight;

// tilettes-batch run as a user runs it, in a folder of its own, without a display.
class TilettesBatch : public testing::Test {
  protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    // A picture of one colour written by the program's own writer.
    QString picture(const QString& name, int width, int height, Colour colour) {
        const QString file = path(name);
        const Bitmap bitmap(width, height, colour);
        if (name.endsWith(QStringLiteral(".jpg")))
            writeJpegFile(file, bitmap);
        else
            writeBitmapFile(file, bitmap);
        return file;
    }

    // Three pictures in slots 1 to 3, each row a different one, no border and no texts.
    SheetDefinition threeRowsDefinition() const {
        SheetDefinition definition;
        definition.numberAcrossIndex = 2;
        definition.border = BorderType::None;
        definition.backgroundColour = colours::cream;
        definition.pageType = PageType::EachRowDifferent;
        return definition;
    }

    SlotTable threePictures() {
        SlotTable table;
        table[1].FileName = picture(QStringLiteral("first.bmp"), 400, 300, firstColour);
        table[2].FileName = picture(QStringLiteral("second.bmp"), 300, 300, secondColour);
        table[3].FileName = picture(QStringLiteral("third.jpg"), 300, 400, thirdColour);
        return table;
    }

    // A setup file written by the program's own writer.
    QString setupFile(const QString& name, const SheetDefinition& definition,
                      const SlotTable& table,
                      PageOrientation orientation = PageOrientation::Portrait) {
        const QString file = path(name);
        saveSetupFile(file, setupFileText(setupRecordOf(definition, table, 0, orientation)));
        return file;
    }

    QString threeRowsSetup() {
        return setupFile(QStringLiteral("sheet.agt"), threeRowsDefinition(), threePictures());
    }

    // Runs the program with DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM removed, as on a
    // machine without a desktop. environment may add variables; limitFileSize makes every write
    // past that many bytes fail, as on a full disk.
    BatchResult run(const QStringList& arguments, const QStringList& environment = {},
                    rlim_t limitFileSize = 0) const {
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            variables.remove(QString::fromLatin1(name));
        for (const QString& setting : environment)
            variables.insert(setting.section(QLatin1Char('='), 0, 0),
                             setting.section(QLatin1Char('='), 1));
        QProcess process;
        process.setProcessEnvironment(variables);
        process.setWorkingDirectory(folder.path());
        if (limitFileSize)
            process.setChildProcessModifier([limitFileSize] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{limitFileSize, limitFileSize};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        process.start(QStringLiteral(TILETTES_BATCH), arguments);
        BatchResult result;
        result.finished =
            process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        result.exitCode = process.exitCode();
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }

    QTemporaryDir folder;
};

// A run that must succeed, with what it said when it did not.
#define EXPECT_RAN(result)                                                                         \
    EXPECT_TRUE((result).finished && (result).exitCode == 0)                                       \
        << "exit " << (result).exitCode << ": " << (result).err.toStdString()

// Two colours alike but for rounding, or a lossy file's noise.
inline bool near(Colour actual, Colour expected, int tolerance = 12) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}
