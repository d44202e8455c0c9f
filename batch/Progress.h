#pragma once

#include <QElapsedTimer>
#include <QString>

// Tells someone watching a terminal what a long run is doing: one line on standard error for
// each stage that took more than a second. Silent when standard error is not a terminal, so
// scripts and logs see only the failures.
class Progress {
  public:
    Progress();
    // The stage just ended, "read the pictures": told when it took long; the next one starts.
    void stageDone(const QString& stage);

  private:
    bool toTerminal_;
    QElapsedTimer timer_;
};
