// Decoding pictures on other threads while the window goes on painting.
#include "app/TForm1.h"

#include "app/controls/PageControl.h"
#include "platform/ui/InputBlocker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <future>

namespace {
// A picture decoded sooner than this is simply waited for.
constexpr std::chrono::milliseconds quickDecoding{15};
// Decoding that goes on longer shows its progress; a bar that flashed up and went for a single
// tilette would only distract.
constexpr qint64 progressDelay = 250;
constexpr int countInterval = 30; // milliseconds between updates of the count
} // namespace

// Camera pictures take seconds to decode. Meanwhile the window paints but takes no input, so
// that nothing changes the sheet under the workers; decoding that lasts shuts the pages and
// menus and counts the pictures done in the status bar. A close asked for meanwhile is done
// once the work it interrupted has ended.
void TForm1::decodePictures(const std::vector<PictureCache::Request>& requests) {
    const std::vector<PictureCache::Request> needed = session_.pictures().notHeld(requests);
    if (needed.empty() || decoding_)
        return;
    std::atomic<int> done{0};
    QEventLoop waiting;
    std::future<void> workers = std::async(std::launch::async, [this, &needed, &done, &waiting] {
        // Posted, the wake-up keeps until the loop runs, should the workers end before it starts.
        const auto wake = qScopeGuard([&waiting] {
            QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
        });
        session_.pictures().prefetch(needed, &done);
    });
    if (workers.wait_for(quickDecoding) == std::future_status::ready)
        return workers.get();

    decoding_ = true;
    const InputBlocker blocked(this);
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const bool menusWereEnabled = FileMenu->isEnabled();
    bool showing = false;
    const auto showProgress = [&](bool show) {
        showing = show;
        DecodingProgressBar->setVisible(show);
        PageControl1->setEnabled(!show);
        PageControl2->setEnabled(!show);
        setMenusEnabled(!show && menusWereEnabled);
    };

    QElapsedTimer waited;
    waited.start();
    QTimer count;
    connect(&count, &QTimer::timeout, &waiting, [&] {
        if (!showing && waited.elapsed() >= progressDelay) {
            DecodingProgressBar->setRange(0, static_cast<int>(needed.size()));
            showProgress(true);
        }
        DecodingProgressBar->setValue(done);
    });
    count.start(countInterval);
    waiting.exec();

    if (showing) {
        showProgress(false);
        if (focused)
            focused->setFocus();
    }
    decoding_ = false;
    if (closeWhenDecoded_) {
        closeWhenDecoded_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    workers.get();
}
