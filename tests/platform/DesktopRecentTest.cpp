#include "platform/DesktopRecent.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DesktopRecent, AddsOrRenewsItsOwnEntryAndKeepsEveryOther) {
    QTemporaryDir folder;
    const QString list = folder.filePath(QStringLiteral("share/recently-used.xbel"));
    const QString setup = folder.filePath(QStringLiteral("my sheet.agt"));
    const QByteArray href = QUrl::fromLocalFile(setup).toEncoded();
    const QString type = QStringLiteral("application/x-tilettes-setup");

    // No list yet: one is made, in the folder it belongs in.
    ASSERT_TRUE(addToDesktopRecentFiles(list, setup, type));
    QByteArray made = contentOf(list);
    EXPECT_TRUE(made.contains("href=\"" + href + "\"")) << made.toStdString();
    EXPECT_TRUE(made.contains("<mime:mime-type type=\"application/x-tilettes-setup\"/>"));

    // Another program's entry stays; ours is there once, renewed.
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(
        made.replace("</xbel>", "<bookmark href=\"file:///photo.jpg\" added=\"x\"/></xbel>"));
    file.close();
    ASSERT_TRUE(addToDesktopRecentFiles(list, setup, type));
    made = contentOf(list);
    EXPECT_TRUE(made.contains("<bookmark href=\"file:///photo.jpg\" added=\"x\""));
    EXPECT_EQ(made.count(href), 1);

    // A list that is not a bookmark file is left as it was.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<xbel><bookmark");
    file.close();
    EXPECT_FALSE(addToDesktopRecentFiles(list, setup, type));
    EXPECT_EQ(contentOf(list), QByteArray("<xbel><bookmark"));
}

} // namespace
