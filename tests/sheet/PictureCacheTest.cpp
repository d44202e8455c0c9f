#include "sheet/PictureCache.h"

#include "platform/UserError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A picture with detail everywhere, so a reduced decode differs from a plain shrink.
Bitmap detailed(int width, int height, int tint) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + tint) & 0xFF, (y * 5) & 0xFF, (x ^ y) & 0xFF));
    return Bitmap(image);
}

class PictureCacheTest : public testing::Test {
  protected:
    QString jpeg(const QString& name, int tint, int width = 1600, int height = 1200) {
        const QString path = folder.filePath(name);
        writeJpegFile(path, detailed(width, height, tint));
        return path;
    }
    QTemporaryDir folder;
};
} // namespace

TEST_F(PictureCacheTest, GivesWhatAFreshDecodeGivesAndDecodesOnce) {
    const QString path = jpeg(QStringLiteral("a.jpg"), 0);
    PictureCache cache;
    const DecodedPicture cached = cache.picture(path, 320, 229);
    const DecodedPicture fresh = readPictureReduced(path, 320, 229);
    EXPECT_EQ(cached.bitmap.width(), 400); // a quarter: the smallest scale covering 320 x 229
    EXPECT_EQ(cached.bitmap.image(), fresh.bitmap.image());
    EXPECT_EQ(cached.fullWidth, 1600);
    // Held: the very same pixels, not a second decode.
    EXPECT_EQ(cache.picture(path, 320, 229).bitmap.image().constBits(),
              cached.bitmap.image().constBits());
    EXPECT_EQ(cache.picturesHeld(), 1);
    // Another size is another decode.
    EXPECT_EQ(cache.picture(path, 900, 900).bitmap.width(), 1600);
    EXPECT_EQ(cache.picturesHeld(), 2);
    // Asked for by many slots at once, a picture is still decoded once.
    cache.prefetch(std::vector<PictureCache::Request>(8, {path, 100, 100}));
    EXPECT_EQ(cache.counts().decodes, 3);
    // Taken, a held picture is handed over and let go; taken again, it is decoded afresh.
    EXPECT_EQ(cache.take(path, 100, 100).bitmap.image(),
              readPictureReduced(path, 100, 100).bitmap.image());
    EXPECT_EQ(cache.picturesHeld(), 2);
    (void)cache.take(path, 100, 100);
    EXPECT_EQ(cache.counts().decodes, 4);
    EXPECT_EQ(cache.picturesHeld(), 2);
}

TEST_F(PictureCacheTest, AChangedFileIsReadAgainAndADeletedOneReported) {
    const QString path = jpeg(QStringLiteral("b.jpg"), 0);
    PictureCache cache;
    const Colour before = cache.picture(path, 320, 229).bitmap.pixel(10, 10);
    // New content under the same name, written later.
    const QString other = jpeg(QStringLiteral("other.jpg"), 128);
    QFile::remove(path);
    QFile::copy(other, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
    file.close();
    const Colour after = cache.picture(path, 320, 229).bitmap.pixel(10, 10);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, readPictureReduced(other, 320, 229).bitmap.pixel(10, 10));

    QFile::remove(path);
    try {
        cache.picture(path, 320, 229);
        ADD_FAILURE() << "a deleted file was drawn from memory";
    } catch (const UserError& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Cannot open file")));
    }
}

TEST_F(PictureCacheTest, StaysWithinItsBoundAndDecodesSideBySide) {
    // Each decode is 400 x 300 pixels of 4 bytes: 480000 bytes; three fit in 1.5 MB.
    PictureCache cache(1500000);
    std::vector<PictureCache::Request> requests;
    for (int picture = 0; picture < 5; ++picture)
        requests.push_back({jpeg(QStringLiteral("p%1.jpg").arg(picture), picture * 40), 320, 229});
    QFile broken(folder.filePath(QStringLiteral("broken.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF not really");
    broken.close();
    requests.push_back({broken.fileName(), 320, 229});

    requests.push_back(requests[2]); // asked for twice, decoded once
    EXPECT_EQ(cache.notHeld(requests).size(), 6u);
    std::atomic<int> done{0};
    cache.prefetch(requests, &done); // the broken one is left for its drawing to report
    EXPECT_EQ(done, 6);
    EXPECT_LE(cache.bytesHeld(), 1500000);
    EXPECT_EQ(cache.picturesHeld(), 3);
    EXPECT_EQ(cache.notHeld(requests).size(), 3u); // the two let go and the broken one
    EXPECT_THROW(cache.picture(broken.fileName(), 320, 229), UserError);
    // Asking again for one that may have gone keeps the bound all the same.
    cache.picture(requests[0].path, 320, 229);
    EXPECT_EQ(cache.picturesHeld(), 3);
    EXPECT_LE(cache.bytesHeld(), 1500000);
}
