#include "platform/ui/PrintQueueState.h"

#include <cups/cups.h>

#include <memory>

PrintQueueState printQueueState(const QString& queue) {
    const QByteArray name = queue.toUtf8();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr),
        [](cups_dest_t* found) { cupsFreeDests(1, found); });
    if (!dest)
        return PrintQueueState::Unknown;
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && QByteArray(accepting) == "false")
        return PrintQueueState::RefusingJobs;
    // IPP printer states: 3 idle, 4 processing, 5 stopped.
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && QByteArray(state) == "5")
        return PrintQueueState::Stopped;
    return PrintQueueState::Ready;
}
