#pragma once

#include <QStringList>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;

// The local files a drag carries, in the order given; empty when it carries none (a web address,
// a piece of text).
QStringList droppedFiles(const QMimeData* data);

// A drag of local files is welcome; anything else is refused.
void acceptFileDrag(QDragEnterEvent* event);
// The local files of a drop, the drop taken when there are any.
QStringList takeDroppedFiles(QDropEvent* event);
