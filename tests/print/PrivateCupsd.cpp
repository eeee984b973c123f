#include "PrivateCupsd.h"

#include "PdfTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lexiglade::test {

namespace {

constexpr const char* kPdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

// A loopback port that was free a moment ago.
int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

bool WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// The scheduler runs its jobs as lp, which must be able to write its folders.
bool GiveToLp(const QString& path) {
    const passwd* lp = ::getpwnam("lp");
    return lp != nullptr && QDir().mkpath(path) &&
           ::chown(path.toLocal8Bit().constData(), lp->pw_uid, lp->pw_gid) == 0;
}

} // namespace

QString PrivateCupsd::Program() {
    const QStringList places = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                                QStringLiteral("/sbin")};
    const QString found = QStandardPaths::findExecutable(QStringLiteral("cupsd"), places);
    return found.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("cupsd")) : found;
}

PrivateCupsd::PrivateCupsd(std::string folder) : folder_(std::move(folder)) {}

PrivateCupsd::~PrivateCupsd() {
    Stop();
}

QString PrivateCupsd::Address() const {
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

bool PrivateCupsd::WriteConfiguration() {
    const QString root = QString::fromStdString(folder_);
    const QString cupsd = QStringLiteral("Listen %1\n"
                                         "WebInterface No\n"
                                         "LogLevel warn\n"
                                         "DefaultAuthType None\n"
                                         "<Location />\n  Order allow,deny\n  Allow all\n"
                                         "</Location>\n"
                                         "<Location /admin>\n  Order allow,deny\n  Allow all\n"
                                         "</Location>\n"
                                         "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                         "  </Limit>\n</Policy>\n")
                              .arg(Address());
    const QString files = QStringLiteral("ServerRoot %1\n"
                                         "RequestRoot %1spool\n"
                                         "CacheDir %1cache\n"
                                         "StateDir %1state\n"
                                         "TempDir %1tmp\n"
                                         "AccessLog %1log/access_log\n"
                                         "ErrorLog %1log/error_log\n"
                                         "PageLog %1log/page_log\n"
                                         "User lp\n"
                                         "Group lp\n")
                              .arg(root);
    for (const char* sub : {"spool", "cache", "state", "tmp", "log"}) {
        if (!GiveToLp(root + QString::fromLatin1(sub))) {
            problem_ = QStringLiteral("cannot prepare the folder ") + sub;
            return false;
        }
    }
    return WriteFile(root + QStringLiteral("cupsd.conf"), cupsd) &&
           WriteFile(root + QStringLiteral("cups-files.conf"), files);
}

bool PrivateCupsd::Start() {
    port_ = FreePort();
    if (port_ == 0 || !WriteConfiguration()) {
        problem_ += QStringLiteral(" (no configuration)");
        return false;
    }
    const QString root = QString::fromStdString(folder_);
    const QStringList arguments = {QStringLiteral("-f"), QStringLiteral("-c"),
                                   root + QStringLiteral("cupsd.conf"), QStringLiteral("-s"),
                                   root + QStringLiteral("cups-files.conf")};
    daemon_ = std::make_unique<QProcess>();
    daemon_->setWorkingDirectory(root);
    daemon_->start(Program(), arguments);
    if (!daemon_->waitForStarted(5000)) {
        problem_ = QStringLiteral("cupsd did not start");
        return false;
    }
    pid_ = daemon_->processId();
    QElapsedTimer clock;
    clock.start();
    while (!Answers()) {
        if (clock.elapsed() > 10000) {
            problem_ = QStringLiteral("cupsd does not answer on ") + Address();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

bool PrivateCupsd::Answers() const {
    return Run(QStringLiteral("lpstat"), {QStringLiteral("-h"), Address(), QStringLiteral("-r")})
        .contains(QStringLiteral("scheduler is running"));
}

bool PrivateCupsd::AddPdfQueue(const QString& name) {
    const QStringList add = {QStringLiteral("-h"),           Address(),
                             QStringLiteral("-p"),           name,
                             QStringLiteral("-E"),           QStringLiteral("-v"),
                             QStringLiteral("cups-pdf:/"),   QStringLiteral("-P"),
                             QString::fromLatin1(kPdfDriver)};
    QProcess admin;
    admin.start(QStringLiteral("lpadmin"), add);
    if (!admin.waitForFinished(20000) || admin.exitCode() != 0) {
        problem_ = QStringLiteral("lpadmin -p failed: ") + admin.readAllStandardError();
        return false;
    }
    admin.start(QStringLiteral("lpadmin"),
                {QStringLiteral("-h"), Address(), QStringLiteral("-d"), name});
    if (!admin.waitForFinished(20000) || admin.exitCode() != 0) {
        problem_ = QStringLiteral("lpadmin -d failed: ") + admin.readAllStandardError();
        return false;
    }
    return true;
}

QStringList PrivateCupsd::CompletedJobs() const {
    const QString report =
        Run(QStringLiteral("lpstat"), {QStringLiteral("-h"), Address(), QStringLiteral("-W"),
                                       QStringLiteral("completed"), QStringLiteral("-o")});
    QStringList jobs;
    for (const QString& line : report.split('\n', Qt::SkipEmptyParts)) {
        jobs.push_back(line.section(' ', 0, 0));
    }
    return jobs;
}

void PrivateCupsd::Stop() {
    if (pid_ <= 0) {
        return;
    }
    const auto pid = static_cast<pid_t>(pid_);
    pid_ = 0;
    ::kill(pid, SIGTERM);
    if (!daemon_->waitForFinished(10000)) {
        ::kill(pid, SIGKILL);
        daemon_->waitForFinished(5000);
    }
}

QString PrivateCupsd::ErrorLog() const {
    QFile log(QString::fromStdString(folder_) + QStringLiteral("log/error_log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString PrivateCupsd::Run(const QString& program, const QStringList& arguments) const {
    return RunTool(program, arguments, 10000);
}

} // namespace lexiglade::test
