#pragma once

#include "platform/Bitmap.h"
#include "platform/PictureFile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

// Benches need no screen: Qt draws off screen unless told otherwise. Call before the
// application object is made.
inline void drawOffScreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The picture files named on a bench's command line.
inline QStringList namedOnCommandLine(int argc, char** argv) {
    QStringList named;
    for (int arg = 1; arg < argc; ++arg)
        named << QString::fromLocal8Bit(argv[arg]);
    return named;
}

// A photo-sized picture with detail everywhere, so that it encodes and decodes like a photo;
// tint makes each one different.
inline Bitmap photoLikePicture(int width, int height, int tint = 0) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255 / width + tint * 40) & 0xFF, (y * 255) / height,
                           ((x ^ y) * (tint + 7)) & 0xFF);
    }
    return Bitmap(image);
}

// The pictures a bench works on: those named, then photo-sized JPEGs made in folder up to count.
// They are made by a child process, so that the whole pictures it draws them from do not count in
// the bench's own peak memory.
inline QStringList benchPictures(QStringList named, int count, const QTemporaryDir& folder) {
    named = named.mid(0, count);
    const int first = static_cast<int>(named.size()) + 1;
    for (int picture = first; picture <= count; ++picture)
        named << folder.filePath(QStringLiteral("picture%1.jpg").arg(picture));
    const pid_t maker = ::fork();
    if (maker == 0) {
        for (int picture = first; picture <= count; ++picture)
            writeJpegFile(named.at(picture - 1), photoLikePicture(6000, 4000, picture), 92);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(maker, &status, 0);
    return named;
}

inline double millisecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}
