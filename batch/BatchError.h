#pragma once

#include "platform/UserError.h"

#include <QString>
#include <utility>

// tilettes-batch's exit statuses, as its manual page lists them.
enum ExitStatus {
    exitSuccess = 0,
    exitUnexpected = 1, // a failure the program has no message of its own for
    exitUsage = 2,      // the command line: an unknown option, a bad value, no setup file
    exitInput = 3,      // the setup file and its pictures, and what the page type needs of them
    exitOutput = 4,     // the printer, the paper, the output file
};

// A failure that ends the run: its message and the status the program exits with.
class BatchError : public UserError {
  public:
    BatchError(ExitStatus status, const QString& message) : UserError(message), status_(status) {}
    ExitStatus status() const { return status_; }

  private:
    ExitStatus status_;
};

// Runs work; a UserError it throws (the program's own message) ends the run with status,
// after context when there is one ("Tilette 2: ").
template <class Work>
decltype(auto) failingWith(ExitStatus status, Work&& work, const QString& context = QString()) {
    try {
        return std::forward<Work>(work)();
    } catch (const BatchError&) {
        throw;
    } catch (const UserError& error) {
        throw BatchError(status, context + error.message());
    }
}
