#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A print server of the test's own: cupsd on a loopback port, with its configuration, spool,
// cache, state and logs in a temporary folder, so that printing tests never touch the system's
// queues or its server. The server stops when the object goes, and with the test program if
// that dies first.
class PrivateCupsServer {
  public:
    // Picks a free loopback port and points this process's print client at it, so it must run
    // before anything asks for printers (libcups reads the address once).
    static QString reserveAddress();

    explicit PrivateCupsServer(const QString& address);
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Starts the server and waits until it answers; returns what went wrong, or nothing.
    QString start();
    // Adds an enabled queue printing through the cups-pdf backend with the given PPD file;
    // returns what went wrong, or nothing.
    QString addPdfQueue(const QString& queue, const QString& ppdFile);
    // Runs an administration tool on a queue ("cupsdisable" stops it, "cupsreject" makes it
    // refuse jobs); returns what went wrong, or nothing.
    QString queueCommand(const QString& program, const QString& queue);
    // True when the queue holds no job that is still waiting or printing.
    bool idle(const QString& queue) const;

    QString address() const { return address_; }
    QString queuePpd(const QString& queue) const;
    // The server's error log, to tell why a job printed nothing.
    QString errorLog() const;

  private:
    // Runs a command-line client; returns its output, or what went wrong with "failed" first.
    QString client(const QString& program, const QStringList& arguments, bool* ok) const;
    QString path(const QString& name) const { return folder_.filePath(name); }

    QString address_;
    QTemporaryDir folder_;
    QProcess cupsd_;
};

// Where the cups-pdf backend leaves the PDFs of this process's user: the Out setting of the
// system's cups-pdf configuration, with its ${HOME} and ${USER} filled in.
QString cupsPdfOutputFolder();
