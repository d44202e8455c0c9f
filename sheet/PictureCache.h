#pragma once

#include "platform/PictureFile.h"

#include <QDateTime>
#include <QString>
#include <atomic>
#include <list>
#include <mutex>
#include <vector>

// Decoded pictures, kept while their file stays as it was. Camera pictures take far longer to
// decode than anything drawn from them, and the same picture is drawn again on every keystroke.
// A picture is held at the size it was asked for (the smallest decoding scale that still covers
// it), so what is drawn from it is exactly what a fresh decode would give. The oldest pictures
// go first once the bound is reached. Safe to use from several threads.
class PictureCache {
  public:
    static constexpr qint64 defaultByteLimit = qint64(256) << 20;
    explicit PictureCache(qint64 byteLimit = defaultByteLimit) : byteLimit_(byteLimit) {}

    // As readPictureReduced(path, minWidth, minHeight), decoded once while the file's size and
    // modification time stay the same. Throws UserError just as a fresh read does: a changed
    // file is read again, a deleted one is reported.
    DecodedPicture picture(const QString& path, int minWidth, int minHeight);

    // As picture(), but the cache keeps nothing of it: for a size drawn once, whose pixels would
    // only take room. One prefetched is handed over and let go.
    DecodedPicture take(const QString& path, int minWidth, int minHeight);

    struct Request {
        QString path;
        int minWidth = 0;
        int minHeight = 0;
    };
    // Decodes what is not held yet, side by side on the machine's cores. A picture that cannot
    // be read is left out; asking for it later reports why. done, when given, counts the
    // pictures finished, for a progress display on another thread.
    void prefetch(const std::vector<Request>& requests, std::atomic<int>* done = nullptr);
    // The requests not held yet, each once: what prefetch would decode.
    std::vector<Request> notHeld(const std::vector<Request>& requests);

    // Lets go of every picture held.
    void clear();

    qint64 bytesHeld() const;
    int picturesHeld() const;

    // What was asked for and what had to be decoded for it so far: figures for tests and
    // benches.
    struct Counts {
        int requests = 0;
        int decodes = 0;
    };
    Counts counts() const { return {requests_, decodes_}; }

  private:
    struct Entry {
        Request request;
        qint64 fileSize = 0;
        QDateTime modified;
        DecodedPicture picture;
        qint64 bytes = 0;
    };
    // The picture asked for, held from before or decoded now; kept held, or let go.
    DecodedPicture fetch(const Request& request, bool keepHeld);
    std::list<Entry>::iterator find(const Request& request, qint64 fileSize,
                                    const QDateTime& modified);
    void keep(Entry entry);

    qint64 byteLimit_;
    mutable std::mutex mutex_;
    std::list<Entry> entries_; // most recently used first
    qint64 bytesHeld_ = 0;
    std::atomic<int> requests_{0};
    std::atomic<int> decodes_{0};
};
