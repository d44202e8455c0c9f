#include "sheet/PictureCache.h"

#include "platform/UserError.h"

#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

namespace {
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
};

FileStamp stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {true, info.size(), info.lastModified()};
}

bool sameRequest(const PictureCache::Request& a, const PictureCache::Request& b) {
    return a.path == b.path && a.minWidth == b.minWidth && a.minHeight == b.minHeight;
}

// Slots that name one picture ask for it once: two workers would decode it side by side.
std::vector<PictureCache::Request> distinct(const std::vector<PictureCache::Request>& asked) {
    std::vector<PictureCache::Request> requests;
    for (const PictureCache::Request& request : asked)
        if (std::none_of(requests.begin(), requests.end(),
                         [&](const auto& taken) { return sameRequest(taken, request); }))
            requests.push_back(request);
    return requests;
}
} // namespace

std::list<PictureCache::Entry>::iterator PictureCache::find(const Request& request, qint64 fileSize,
                                                            const QDateTime& modified) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if (!sameRequest(entry->request, request))
            continue;
        if (entry->fileSize == fileSize && entry->modified == modified)
            return entry;
        // The file changed since: what is held is of no more use.
        bytesHeld_ -= entry->bytes;
        entries_.erase(entry);
        return entries_.end();
    }
    return entries_.end();
}

void PictureCache::keep(Entry entry) {
    if (entry.bytes > byteLimit_)
        return;
    for (auto held = entries_.begin(); held != entries_.end(); ++held)
        if (sameRequest(held->request, entry.request)) {
            bytesHeld_ -= held->bytes;
            entries_.erase(held);
            break;
        }
    bytesHeld_ += entry.bytes;
    entries_.push_front(std::move(entry));
    while (bytesHeld_ > byteLimit_) {
        bytesHeld_ -= entries_.back().bytes;
        entries_.pop_back();
    }
}

DecodedPicture PictureCache::picture(const QString& path, int minWidth, int minHeight) {
    return fetch({path, minWidth, minHeight}, true);
}

DecodedPicture PictureCache::take(const QString& path, int minWidth, int minHeight) {
    return fetch({path, minWidth, minHeight}, false);
}

DecodedPicture PictureCache::fetch(const Request& request, bool keepHeld) {
    ++requests_;
    const FileStamp stamp = stampOf(request.path);
    if (stamp.exists) {
        const std::lock_guard lock(mutex_);
        const auto held = find(request, stamp.size, stamp.modified);
        if (held != entries_.end() && keepHeld) {
            entries_.splice(entries_.begin(), entries_, held);
            return held->picture;
        }
        if (held != entries_.end()) {
            DecodedPicture taken = std::move(held->picture);
            bytesHeld_ -= held->bytes;
            entries_.erase(held);
            return taken;
        }
    }
    // Not held, or the file is gone: a fresh read reports a missing file as it always did.
    ++decodes_;
    DecodedPicture decoded = readPictureReduced(request.path, request.minWidth, request.minHeight);
    if (stamp.exists && keepHeld) {
        const std::lock_guard lock(mutex_);
        keep({request, stamp.size, stamp.modified, decoded, decoded.bitmap.image().sizeInBytes()});
    }
    return decoded;
}

std::vector<PictureCache::Request> PictureCache::notHeld(const std::vector<Request>& asked) {
    std::vector<Request> requests;
    for (const Request& request : distinct(asked)) {
        const FileStamp stamp = stampOf(request.path);
        const std::lock_guard lock(mutex_);
        if (!stamp.exists || find(request, stamp.size, stamp.modified) == entries_.end())
            requests.push_back(request);
    }
    return requests;
}

void PictureCache::prefetch(const std::vector<Request>& asked, std::atomic<int>* done) {
    const std::vector<Request> requests = distinct(asked);
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t index = next++; index < requests.size(); index = next++) {
            try {
                (void)picture(requests[index].path, requests[index].minWidth,
                              requests[index].minHeight);
            } catch (const UserError&) {
                // Told when the picture is drawn.
            } catch (const std::bad_alloc&) {
            }
            if (done)
                ++*done;
        }
    };
    const size_t workers =
        std::min<size_t>(requests.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::future<void>> running;
    for (size_t worker = 1; worker < workers; ++worker)
        running.push_back(std::async(std::launch::async, work));
    work(); // this thread takes its share too
    for (std::future<void>& worker : running)
        worker.wait();
}

void PictureCache::clear() {
    const std::lock_guard lock(mutex_);
    entries_.clear();
    bytesHeld_ = 0;
}

qint64 PictureCache::bytesHeld() const {
    const std::lock_guard lock(mutex_);
    return bytesHeld_;
}

int PictureCache::picturesHeld() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(entries_.size());
}
