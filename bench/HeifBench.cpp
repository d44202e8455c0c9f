// Loading a 12-megapixel HEIC into slot 1, the way the window does, against libheif's own
// heif-convert decoding the same file to PNG on this machine. The HEIC is made by heif-enc from
// a generated photo-like picture.
#include "BenchSupport.h"
#include "sheet/SlotPicture.h"

#include <QGuiApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace {

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The best of a few runs, so that a busy moment of the machine does not count.
double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run)
        best = std::min(best, millisecondsOf(work));
    return best;
}

} // namespace

int main(int argc, char** argv) {
    drawOffScreen();
    QGuiApplication application(argc, argv);
    const QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("photo.png"));
    const QString heic = folder.filePath(QStringLiteral("photo.heic"));
    writePngFile(png, photoLikePicture(4000, 3000));
    if (!run(QStringLiteral("heif-enc"),
             {QStringLiteral("-q"), QStringLiteral("85"), QStringLiteral("-o"), heic, png})) {
        std::fprintf(stderr, "heif-enc could not make the HEIC\n");
        return 1;
    }
    const QString converted = folder.filePath(QStringLiteral("converted.png"));
    const double convert = bestOf(3, [&] {
        run(QStringLiteral("heif-convert"), {heic, converted});
    });
    const double load = bestOf(3, [&] { (void)loadSlotPicture(heic); });
    std::printf("12-megapixel HEIC into slot 1: %.0f ms\n", load);
    std::printf("heif-convert to PNG:           %.0f ms\n", convert);
    std::printf("ratio (target <= 1.5):          %.2f\n", load / convert);
    return 0;
}
