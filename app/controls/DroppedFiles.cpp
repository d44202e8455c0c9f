#include "app/controls/DroppedFiles.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

void acceptFileDrag(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

QStringList takeDroppedFiles(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (!files.isEmpty())
        event->acceptProposedAction();
    return files;
}
