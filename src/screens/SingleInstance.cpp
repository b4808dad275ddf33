#include "SingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orbenza {

namespace {

// How long a start waits for a lock that is being created or cleaned up by
// another copy starting at the same moment.
constexpr int kLockWaitMilliseconds = 200;
// How old a lock file must be before a start may remove it without its owner's
// consent.
constexpr qint64 kFreshLockMilliseconds = 2000;

QString userName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    // Only characters that are safe in a file name on every system.
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return name.isEmpty() ? QStringLiteral("user") : name;
}

} // namespace

QString SingleInstance::defaultLockDirectory() {
    const QString chosen = qEnvironmentVariable("ORBENZA_LOCK_DIR");
    if (!chosen.isEmpty())
        return chosen;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QDir::tempPath();
}

QString SingleInstance::lockFilePathIn(const QString& directory) {
    return QDir(directory).filePath(QStringLiteral("orbenza-%1.lock").arg(userName()));
}

SingleInstance::SingleInstance(const QString& lockDirectory)
    : m_path(lockFilePathIn(lockDirectory.isEmpty() ? defaultLockDirectory() : lockDirectory)),
      m_lock(std::make_unique<QLockFile>(m_path)) {
    // A running copy holds its lock however long it runs: the lock counts as
    // stale only when the process that wrote it is gone, never by its age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire() {
    if (m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // tryLock removes a lock whose owner has died and takes it.
    if (m_lock->tryLock(kLockWaitMilliseconds))
        return true;
    // A lock file that names no live owner (unreadable, written on another
    // host, or by a copy whose process id was since reused) but that no process
    // holds open is stale too. A fresh file may belong to a copy that is still
    // writing it, so only one that is a moment old is removed.
    if (m_lock->error() == QLockFile::LockFailedError) {
        const QDateTime written = QFileInfo(m_path).lastModified();
        const bool settled = !written.isValid() ||
                             written.msecsTo(QDateTime::currentDateTime()) > kFreshLockMilliseconds;
        if (settled && m_lock->removeStaleLockFile())
            return m_lock->tryLock(kLockWaitMilliseconds);
    }
    // A folder where no lock can be written (PermissionError, UnknownError)
    // must not keep the program from starting.
    return m_lock->error() != QLockFile::LockFailedError;
}

bool SingleInstance::isHeld() const {
    return m_lock->isLocked();
}

} // namespace orbenza
