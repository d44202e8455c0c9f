#pragma once

#include <QStringList>

class QMimeData;

// The local files a drag carries, in the order given; empty when it carries none (a web address,
// a piece of text).
QStringList droppedFiles(const QMimeData* data);
