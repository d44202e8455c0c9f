#include "print/PrivateCupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Administration tools live in sbin, which not every PATH names.
QString toolPath(const QString& name) {
    for (const QStringList& folders :
         {QStringList(), QStringList{QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")}}) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty())
            return found;
    }
    return name;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Nothing is shared or announced, and anyone on the loopback may do anything: the server lives
// only as long as one test.
QString serverSettings(const QString& address) {
    return QStringLiteral("Listen %1\n"
                          "Browsing No\n"
                          "BrowseLocalProtocols none\n"
                          "WebInterface No\n"
                          "LogLevel debug\n"
                          "DefaultAuthType None\n"
                          "<Location />\n  Order allow,deny\n  Allow from 127.0.0.1\n</Location>\n"
                          "<Policy default>\n"
                          "  JobPrivateAccess all\n  JobPrivateValues none\n"
                          "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                          "  <Limit All>\n    Order allow,deny\n    Allow from 127.0.0.1\n"
                          "  </Limit>\n</Policy>\n")
        .arg(address);
}

QString fileSettings(const QDir& folder) {
    return QStringLiteral("ServerRoot %1\n"
                          "RequestRoot %2\n"
                          "TempDir %3\n"
                          "CacheDir %4\n"
                          "StateDir %5\n"
                          "ServerBin /usr/lib/cups\n"
                          "DataDir /usr/share/cups\n"
                          "ErrorLog %6\n"
                          "AccessLog %7\n"
                          "PageLog %8\n"
                          "Sandboxing Relaxed\n")
        .arg(folder.filePath(QStringLiteral("root")), folder.filePath(QStringLiteral("spool")),
             folder.filePath(QStringLiteral("spool/tmp")), folder.filePath(QStringLiteral("cache")),
             folder.filePath(QStringLiteral("state")),
             folder.filePath(QStringLiteral("log/error_log")),
             folder.filePath(QStringLiteral("log/access_log")),
             folder.filePath(QStringLiteral("log/page_log")));
}

} // namespace

QString PrivateCupsServer::reserveAddress() {
    int port = 16631;
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof where;
    if (probe >= 0 && bind(probe, reinterpret_cast<sockaddr*>(&where), size) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&where), &size) == 0)
        port = ntohs(where.sin_port);
    if (probe >= 0)
        close(probe);
    const QString address = QStringLiteral("127.0.0.1:%1").arg(port);
    qputenv("CUPS_SERVER", address.toUtf8());
    return address;
}

PrivateCupsServer::PrivateCupsServer(const QString& address) : address_(address) {
    // The server's filters run as lp, and lp must reach the spooled files.
    chmod(QFile::encodeName(folder_.path()).constData(), 0755);
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    // Should the test program die before it stops the server, the server goes with it.
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

PrivateCupsServer::~PrivateCupsServer() {
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(5000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }
}

QString PrivateCupsServer::start() {
    if (!folder_.isValid())
        return QStringLiteral("no temporary folder for the print server: ") + folder_.errorString();
    const QDir folder(folder_.path());
    for (const char* sub : {"root/ppd", "root/ssl", "spool/tmp", "cache", "state", "log"})
        folder.mkpath(QString::fromLatin1(sub));
    chmod(QFile::encodeName(path(QStringLiteral("spool/tmp"))).constData(), 01777);
    const QString serverFile = path(QStringLiteral("root/cupsd.conf"));
    const QString filesFile = path(QStringLiteral("root/cups-files.conf"));
    if (!writeText(serverFile, serverSettings(address_)) ||
        !writeText(filesFile, fileSettings(folder)))
        return QStringLiteral("cannot write the print server's settings in ") + folder_.path();

    cupsd_.start(toolPath(QStringLiteral("cupsd")), {QStringLiteral("-f"), QStringLiteral("-c"),
                                                     serverFile, QStringLiteral("-s"), filesFile});
    if (!cupsd_.waitForStarted(10000))
        return QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (cupsd_.state() == QProcess::NotRunning)
            return QStringLiteral("cupsd stopped at once:\n") +
                   QString::fromLocal8Bit(cupsd_.readAll()) + errorLog();
        // lpstat says so, but exits with 0 either way.
        bool ok = false;
        const QString answer = client(QStringLiteral("lpstat"),
                                      {QStringLiteral("-h"), address_, QStringLiteral("-r")}, &ok);
        if (ok && answer.contains(QStringLiteral("scheduler is running")))
            return {};
        QThread::msleep(200);
    }
    return QStringLiteral("cupsd on %1 did not answer within 20 s\n").arg(address_) + errorLog();
}

QString PrivateCupsServer::addPdfQueue(const QString& queue, const QString& ppdFile) {
    if (!QFile::exists(ppdFile))
        return QStringLiteral("the cups-pdf PPD file %1 is missing").arg(ppdFile);
    bool ok = false;
    const QString added =
        client(QStringLiteral("lpadmin"),
               {QStringLiteral("-h"), address_, QStringLiteral("-p"), queue, QStringLiteral("-E"),
                QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), ppdFile},
               &ok);
    if (!ok)
        return QStringLiteral("lpadmin could not add the queue %1: %2").arg(queue, added);
    const QString shown =
        client(QStringLiteral("lpstat"),
               {QStringLiteral("-h"), address_, QStringLiteral("-p"), queue}, &ok);
    if (!ok || !shown.contains(QStringLiteral("enabled")))
        return QStringLiteral("the queue %1 is not enabled: %2").arg(queue, shown);
    return {};
}

QString PrivateCupsServer::queueCommand(const QString& program, const QString& queue) {
    bool ok = false;
    const QString output = client(program, {QStringLiteral("-h"), address_, queue}, &ok);
    return ok ? QString() : QStringLiteral("%1 %2 failed: %3").arg(program, queue, output);
}

bool PrivateCupsServer::idle(const QString& queue) const {
    bool ok = false;
    const QString jobs = client(QStringLiteral("lpstat"),
                                {QStringLiteral("-h"), address_, QStringLiteral("-o"), queue}, &ok);
    return ok && jobs.trimmed().isEmpty();
}

QString PrivateCupsServer::queuePpd(const QString& queue) const {
    return path(QStringLiteral("root/ppd/%1.ppd").arg(queue));
}

QString PrivateCupsServer::errorLog() const {
    return readText(path(QStringLiteral("log/error_log")));
}

QString PrivateCupsServer::client(const QString& program, const QStringList& arguments,
                                  bool* ok) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(toolPath(program), arguments);
    const bool finished = process.waitForStarted(10000) && process.waitForFinished(30000);
    const QString output = QString::fromLocal8Bit(process.readAll());
    *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!finished) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("failed: %1 did not finish: %2").arg(program, process.errorString());
    }
    return output;
}

QString cupsPdfOutputFolder() {
    QString out = QStringLiteral("${HOME}/PDF");
    const QRegularExpression setting(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"),
                                     QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match =
        setting.match(readText(QStringLiteral("/etc/cups/cups-pdf.conf")));
    if (match.hasMatch())
        out = match.captured(1);
    const passwd* user = getpwuid(geteuid());
    if (user) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return out;
}
