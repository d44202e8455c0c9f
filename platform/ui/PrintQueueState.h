#pragma once

#include <QString>

// What the print server says of a queue now. Qt hands a job to a queue that refuses jobs and
// reports success, and a stopped queue keeps a job without printing it; so the state is asked
// before a job begins, and such a queue is told to the user instead.
enum class PrintQueueState { Ready, Stopped, RefusingJobs, Unknown };

PrintQueueState printQueueState(const QString& queue);
