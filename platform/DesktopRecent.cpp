#include "platform/DesktopRecent.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString bookmarkSpace =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString mimeSpace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

void writeBookmark(QXmlStreamWriter& out, const QString& href, const QString& mimeType) {
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    out.writeStartElement(QStringLiteral("bookmark"));
    out.writeAttribute(QStringLiteral("href"), href);
    for (const char* stamp : {"added", "modified", "visited"})
        out.writeAttribute(QLatin1String(stamp), now);
    out.writeStartElement(QStringLiteral("info"));
    out.writeStartElement(QStringLiteral("metadata"));
    out.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    out.writeEmptyElement(mimeSpace, QStringLiteral("mime-type"));
    out.writeAttribute(QStringLiteral("type"), mimeType);
    out.writeStartElement(bookmarkSpace, QStringLiteral("applications"));
    out.writeEmptyElement(bookmarkSpace, QStringLiteral("application"));
    const QString program = QCoreApplication::applicationName();
    out.writeAttribute(QStringLiteral("name"), program);
    out.writeAttribute(QStringLiteral("exec"), QStringLiteral("'%1 %u'").arg(program));
    out.writeAttribute(QStringLiteral("modified"), now);
    out.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    out.writeEndElement(); // applications
    out.writeEndElement(); // metadata
    out.writeEndElement(); // info
    out.writeEndElement(); // bookmark
}

// Copies the list as it is, but for the file's own old entry, and adds the new one at its end.
bool copyWithBookmark(QXmlStreamReader& in, QXmlStreamWriter& out, const QString& href,
                      const QString& mimeType) {
    bool added = false;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement() && in.name() == QLatin1String("bookmark") &&
            in.attributes().value(QLatin1String("href")) == href) {
            in.skipCurrentElement();
            continue;
        }
        if (in.isEndElement() && in.name() == QLatin1String("xbel") && !added) {
            writeBookmark(out, href, mimeType);
            added = true;
        }
        out.writeCurrentToken(in);
    }
    return added && !in.hasError();
}
} // namespace

QString desktopRecentFilesPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

bool addToDesktopRecentFiles(const QString& listPath, const QString& path,
                             const QString& mimeType) {
    QByteArray old;
    if (QFile existing(listPath); existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return false;
        old = existing.readAll();
    }
    if (old.trimmed().isEmpty())
        old = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\" "
                                "xmlns:bookmark=\"http://www.freedesktop.org/standards/"
                                "desktop-bookmarks\" xmlns:mime=\"http://www.freedesktop.org/"
                                "standards/shared-mime-info\"></xbel>");
    QByteArray updated;
    QXmlStreamReader in(old);
    QXmlStreamWriter out(&updated);
    const QString href = QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
    // A list we cannot make sense of is left for its owner rather than written over.
    if (!copyWithBookmark(in, out, href, mimeType))
        return false;
    QDir().mkpath(QFileInfo(listPath).absolutePath());
    QSaveFile file(listPath);
    return file.open(QIODevice::WriteOnly) && file.write(updated) == updated.size() &&
           file.commit();
}
