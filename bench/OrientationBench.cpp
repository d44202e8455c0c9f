// What turning a sideways camera photo upright costs. Usage: OrientationBench
// Reads a 6000 x 4000 JPEG stored as it stands (orientation 1) and the same JPEG marked as turned
// a quarter (orientation 6), nine times each in turns, and prints the median of each in
// milliseconds and their ratio.
#include "BenchSupport.h"
#include "platform/JpegCodec.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// A JPEG with an Exif block that holds only the orientation, as a camera's APP1 segment does.
QString withOrientation(const QTemporaryDir& folder, const QByteArray& jpeg, int orientation) {
    QByteArray segment("\xFF\xE1\0\x22"
                       "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0_\0\0\0\0\0\0\0",
                       36);
    segment[28] = static_cast<char>(orientation);
    const QString path = folder.filePath(QStringLiteral("turned%1.jpg").arg(orientation));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(jpeg.left(2) + segment + jpeg.mid(2));
    return path;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main() {
    QTemporaryDir folder;
    const QByteArray jpeg = encodeJpeg(photoLikePicture(6000, 4000), 92);
    const QString stored = withOrientation(folder, jpeg, 1);
    const QString sideways = withOrientation(folder, jpeg, 6);
    // Taken in turns, so that a machine busy with other work slows both alike.
    std::vector<double> storedTimes, sidewaysTimes;
    for (int run = 0; run < 9; ++run) {
        storedTimes.push_back(millisecondsOf([&] { (void)readPicture(stored); }));
        sidewaysTimes.push_back(millisecondsOf([&] { (void)readPicture(sideways); }));
    }
    const double asStored = median(storedTimes);
    const double turned = median(sidewaysTimes);
    std::printf("read-orientation-1 %.1f\nread-orientation-6 %.1f\nratio %.3f\n", asStored, turned,
                turned / asStored);
    return 0;
}
