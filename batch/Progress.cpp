#include "batch/Progress.h"

#include <cstdio>
#include <unistd.h>

namespace {
constexpr qint64 worthTellingMilliseconds = 1000;
}

Progress::Progress() : toTerminal_(::isatty(STDERR_FILENO) == 1) {
    timer_.start();
}

void Progress::stageDone(const QString& stage) {
    const qint64 took = timer_.restart();
    if (toTerminal_ && took > worthTellingMilliseconds)
        std::fprintf(stderr, "tilettes-batch: %s (%.1f s)\n", qPrintable(stage),
                     static_cast<double>(took) / 1000.0);
}
