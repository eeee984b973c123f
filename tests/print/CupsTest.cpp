// The game printing to a real CUPS queue: a private scheduler with a cups-pdf printer.
#include "PdfTools.h"
#include "PrintFixture.h"
#include "PrivateCupsd.h"
#include "TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace lexiglade::test {

namespace {

constexpr const char* kQueue = "LexigladeTest";

// cups-pdf writes into the submitting user's home, whatever HOME says.
QString SubmitterPdfFolder() {
    const passwd* user = ::getpwuid(::getuid());
    return user == nullptr ? QString() : QString::fromLocal8Bit(user->pw_dir) + "/PDF";
}

// Removes what the test made in the user's PDF folder, and the folder if the test made it.
class PdfFolderCleanup {
  public:
    explicit PdfFolderCleanup(QString folder)
        : folder_(std::move(folder)), existed_(QDir(folder_).exists()) {}
    ~PdfFolderCleanup() {
        for (const QString& file : files_) {
            QFile::remove(file);
        }
        if (!existed_) {
            QDir().rmdir(folder_);
        }
    }
    void Add(const QString& file) { files_.push_back(file); }

  private:
    QString folder_;
    bool existed_;
    QStringList files_;
};

// The files cups-pdf wrote for `jobs` since `since`: "TINYSLIP...job_N.pdf" for job "QUEUE-N".
QStringList JobFiles(const QString& folder, const QStringList& jobs, const QDateTime& since) {
    QStringList files;
    for (const QString& job : jobs) {
        const QString tail = QStringLiteral("job_") + job.section('-', -1) + QStringLiteral(".pdf");
        for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("TINYSLIP*")})) {
            if (file.fileName().endsWith(tail) && file.lastModified() >= since) {
                files.push_back(file.filePath());
            }
        }
    }
    return files;
}

// Whether every file is a whole PDF document: on a busy machine a job may be listed as completed
// while its file is still being finished.
bool AllComplete(const QStringList& files) {
    return std::all_of(files.begin(), files.end(),
                       [](const QString& file) { return PdfPages(file.toStdString()) > 0; });
}

// Each copy is a job of its own, with its answer key as the job's second page.
TEST(CupsQueue, TwoCopiesBecomeTwoFinishedJobsAndTwoPdfFiles) {
    if (PrivateCupsd::Program().isEmpty()) {
        GTEST_SKIP() << "cupsd is not installed";
    }
    TempFolder folder;
    PrivateCupsd cupsd(folder.Path());
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem().toStdString();
    ASSERT_TRUE(cupsd.AddPdfQueue(kQueue)) << cupsd.Problem().toStdString();
    const QString pdfFolder = SubmitterPdfFolder();
    PdfFolderCleanup cleanup(pdfFolder);
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    QStringList done;
    for (const bool keys : {false, true}) {
        SCOPED_TRACE(keys ? "with answer keys" : "without answer keys");
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), cupsd.Address());
        game.setProcessEnvironment(environment);
        QStringList arguments{QStringLiteral("2")};
        if (keys) {
            arguments << QStringLiteral("keys");
        }
        game.start(QStringLiteral(LEXIGLADE_CUPS_HELPER), arguments);
        ASSERT_TRUE(game.waitForFinished(30000));
        ASSERT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
        const QStringList output = QString::fromUtf8(game.readAllStandardOutput()).split('\n');
        EXPECT_EQ(output.value(0), QString::fromLatin1(kQueue));
        EXPECT_EQ(output.value(1), QString());

        QStringList jobs;
        QStringList files;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 40000 &&
               (jobs.size() < 2 || files.size() < 2 || !AllComplete(files))) {
            QThread::msleep(100);
            jobs = cupsd.CompletedJobs();
            for (const QString& job : done) {
                jobs.removeAll(job);
            }
            files = JobFiles(pdfFolder, jobs, started);
        }
        for (const QString& file : files) {
            cleanup.Add(file);
        }
        jobs.sort();
        const int first = keys ? 3 : 1;
        EXPECT_EQ(jobs, (QStringList{QStringLiteral("LexigladeTest-%1").arg(first),
                                     QStringLiteral("LexigladeTest-%1").arg(first + 1)}));
        done << jobs;
        ASSERT_EQ(files.size(), 2) << cupsd.Problem().toStdString();
        for (const QString& file : files) {
            SCOPED_TRACE(file.toStdString());
            EXPECT_TRUE(QFileInfo(file).fileName().startsWith(QStringLiteral("TINYSLIP")));
            EXPECT_EQ(PdfPages(file.toStdString()), keys ? 2 : 1);
            EXPECT_TRUE(IsPortrait(file.toStdString()));
            EXPECT_TRUE(PdfInfoField(file.toStdString(), QStringLiteral("Title"))
                            .contains(QStringLiteral("TINYSLIP")));
            // The queue's filters turn the text into glyph pictures, so the page is read by its
            // ink: the title, 15 grid rows and 15 hints.
            const QImage page = RenderPage(file.toStdString(), folder.Path(), 100);
            EXPECT_EQ(InkBands(page), 31);
        }
    }
    cupsd.Stop();
}

// A print server without a single queue: the copies go to the player's documents folder.
TEST(CupsQueue, NoQueueOnTheServerPrintsIntoTheDocumentsFolder) {
    if (PrivateCupsd::Program().isEmpty()) {
        GTEST_SKIP() << "cupsd is not installed";
    }
    TempFolder folder;
    TempFolder home;
    PrivateCupsd cupsd(folder.Path());
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem().toStdString();

    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), cupsd.Address());
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.Path()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home / "config"));
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(LEXIGLADE_CUPS_HELPER), {QStringLiteral("2")});
    ASSERT_TRUE(game.waitForFinished(30000));
    ASSERT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();
    const QStringList output = QString::fromUtf8(game.readAllStandardOutput()).split('\n');
    const std::string expected = home / "Documents/Animals in the Queue.pdf";
    EXPECT_EQ(output.value(0), QString());
    EXPECT_EQ(output.value(1).toStdString(), expected);
    EXPECT_EQ(PdfPages(expected), 2);
    EXPECT_TRUE(cupsd.CompletedJobs().isEmpty());
    cupsd.Stop();
}

} // namespace

} // namespace lexiglade::test
