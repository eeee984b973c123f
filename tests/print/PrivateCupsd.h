#pragma once
// A CUPS scheduler of the test's own: its whole ServerRoot, spool and logs in a temporary folder,
// listening on a free loopback port, stopped by its process id.
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

class QProcess;

namespace lexiglade::test {

class PrivateCupsd {
  public:
    // The daemon's program, or empty when CUPS is not installed.
    static QString Program();

    explicit PrivateCupsd(std::string folder);
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    // Writes the configuration, starts the daemon and waits until it answers; false with
    // Problem() set when it does not.
    bool Start();
    // A cups-pdf queue, made the server's default destination.
    bool AddPdfQueue(const QString& name);
    // Sends SIGTERM to the daemon's process id and waits for it to end.
    void Stop();

    // "127.0.0.1:PORT", the value for CUPS_SERVER.
    QString Address() const;
    // The ids ("QUEUE-N") of the finished jobs.
    QStringList CompletedJobs() const;
    QString Problem() const { return problem_ + '\n' + ErrorLog(); }

  private:
    bool WriteConfiguration();
    bool Answers() const;
    QString ErrorLog() const;
    QString Run(const QString& program, const QStringList& arguments) const;

    std::string folder_;
    int port_ = 0;
    std::unique_ptr<QProcess> daemon_;
    long long pid_ = 0;
    QString problem_;
};

} // namespace lexiglade::test
