#pragma once

#include <QString>
#include <QTemporaryFile>

// A file that something else writes (the PDF printer) under a new name beside its target, and
// that takes the target's name only once it is complete: a run that fails leaves no half-written
// file behind and an old file as it was. A replaced file keeps its permissions; a new one gets
// those the user's umask gives.
class ReplacingFile {
  public:
    // Throws UserError("Cannot create file "<target>". <reason>") when no file can be made
    // beside the target.
    explicit ReplacingFile(const QString& target);

    QString temporaryPath() const { return temporary_.fileName(); }

    // Gives the finished file the target's name. Throws UserError as above.
    void replaceTarget();

  private:
    QString target_;
    QTemporaryFile temporary_;
};
