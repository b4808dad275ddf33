// One running copy per user: the lock in its folder, a lock left by a dead
// copy, and the real program started twice.
#include "SingleInstance.h"

#include "TimingAllowance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

// No start may wait longer than this for the lock.
constexpr qint64 kPromptMilliseconds = static_cast<qint64>(2000 * testing::kTimingAllowance);
// How long a started program may take to come up or to end.
constexpr int kProcessMilliseconds = 20000;

// The process id written in a lock file, 0 when there is none.
qint64 lockOwner(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

// Waits until the lock file names pid as its owner.
bool waitForOwner(const QString& path, qint64 pid) {
    QDeadlineTimer deadline(kProcessMilliseconds);
    while (!deadline.hasExpired()) {
        if (lockOwner(path) == pid)
            return true;
        QThread::msleep(20);
    }
    return false;
}

// The id of a process that has already ended.
qint64 deadProcessId() {
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
    if (!process.waitForStarted())
        return 0;
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

// Writes a file as if it had been written a while ago.
void writeOldFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
}

TEST(SingleInstance, OneHolderPerFolderUntilItLetsGo) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto first = std::make_unique<SingleInstance>(folder.path());
    ASSERT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->isHeld());
    EXPECT_TRUE(first->tryAcquire()); // asking again keeps it
    EXPECT_TRUE(QFile::exists(first->lockFilePath()));
    EXPECT_TRUE(first->lockFilePath().startsWith(folder.path()));

    SingleInstance second(folder.path());
    EXPECT_EQ(second.lockFilePath(), first->lockFilePath());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(second.tryAcquire());
    EXPECT_LT(clock.elapsed(), kPromptMilliseconds);
    EXPECT_FALSE(second.isHeld());

    // Another folder is another lock.
    QTemporaryDir elsewhere;
    SingleInstance other(elsewhere.path());
    EXPECT_TRUE(other.tryAcquire());

    first.reset();
    EXPECT_FALSE(QFile::exists(second.lockFilePath()));
    EXPECT_TRUE(second.tryAcquire());
}

TEST(SingleInstance, TheLockFolderComesFromTheEnvironmentWhenSet) {
    QTemporaryDir folder;
    const bool wasSet = qEnvironmentVariableIsSet("ORBENZA_LOCK_DIR");
    const QByteArray previous = qgetenv("ORBENZA_LOCK_DIR");

    qputenv("ORBENZA_LOCK_DIR", folder.path().toLocal8Bit());
    EXPECT_EQ(SingleInstance::defaultLockDirectory(), folder.path());
    EXPECT_TRUE(SingleInstance().lockFilePath().startsWith(folder.path()));

    // Without it: the runtime folder or the temporary folder.
    qunsetenv("ORBENZA_LOCK_DIR");
    EXPECT_FALSE(SingleInstance::defaultLockDirectory().isEmpty());

    if (wasSet)
        qputenv("ORBENZA_LOCK_DIR", previous);
}

TEST(SingleInstance, ALockLeftByADeadCopyIsTakenOverPromptly) {
    const qint64 dead = deadProcessId();
    ASSERT_GT(dead, 0);
    const struct {
        const char* what;
        QByteArray content;
    } rows[] = {
        {"dead owner on this machine",
         QByteArray::number(dead) + "\norbenza\n" + QSysInfo::machineHostName().toUtf8() + "\n"},
        {"dead owner, no host", QByteArray::number(dead) + "\norbenza\n\n"},
        {"empty file", QByteArray()},
        {"garbage", QByteArray("not a lock file\n")},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        const QString path = SingleInstance::lockFilePathIn(folder.path());
        writeOldFile(path, row.content);
        SingleInstance instance(folder.path());
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(instance.tryAcquire()) << row.what;
        EXPECT_LT(clock.elapsed(), kPromptMilliseconds) << row.what;
        EXPECT_EQ(lockOwner(path), QCoreApplication::applicationPid()) << row.what;
    }
}

TEST(SingleInstance, AFreshLockWithoutContentBelongsToACopyStillStarting) {
    // Another copy has just created its lock file and not yet written its id.
    QTemporaryDir folder;
    const QString path = SingleInstance::lockFilePathIn(folder.path());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    SingleInstance instance(folder.path());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(instance.tryAcquire());
    EXPECT_LT(clock.elapsed(), kPromptMilliseconds);
    EXPECT_TRUE(QFile::exists(path));
}

#ifdef ORBENZA_GUI_PATH

QProcess* startProgram(QObject* owner, const QString& lockFolder) {
    auto* process = new QProcess(owner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ORBENZA_LOCK_DIR"), lockFolder);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(ORBENZA_GUI_PATH), QStringList());
    return process;
}

void stop(QProcess* process) {
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(kProcessMilliseconds);
    }
}

TEST(SingleInstanceProgram, ASecondCopyReportsAndEndsAndACrashedCopyDoesNotBlock) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString lockPath = SingleInstance::lockFilePathIn(folder.path());
    QObject owner;

    QProcess* first = startProgram(&owner, folder.path());
    ASSERT_TRUE(first->waitForStarted(kProcessMilliseconds));
    ASSERT_TRUE(waitForOwner(lockPath, first->processId()))
        << first->readAllStandardError().toStdString();

    // This process is a copy too.
    SingleInstance here(folder.path());
    EXPECT_FALSE(here.tryAcquire());

    QProcess* second = startProgram(&owner, folder.path());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(second->waitForFinished(kProcessMilliseconds));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    const QString said = QString::fromLocal8Bit(second->readAllStandardError());
    EXPECT_TRUE(said.contains(QStringLiteral("information: Application is already running")))
        << said.toStdString();
    EXPECT_EQ(said.count(QStringLiteral("already running")), 1) << said.toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(lockOwner(lockPath), first->processId());

    // The first copy crashes: its lock stays behind, and the next start takes it.
    stop(first);
    EXPECT_TRUE(QFile::exists(lockPath));
    QProcess* third = startProgram(&owner, folder.path());
    ASSERT_TRUE(third->waitForStarted(kProcessMilliseconds));
    EXPECT_TRUE(waitForOwner(lockPath, third->processId()))
        << third->readAllStandardError().toStdString();
    EXPECT_EQ(third->state(), QProcess::Running);
    EXPECT_FALSE(third->readAllStandardError().contains("already running"));
    stop(third);
}

#endif

} // namespace
} // namespace orbenza
