// One running copy of the program per user. The first copy holds a lock file in
// the user's runtime folder for as long as it runs; a later copy finds the lock
// held and stands down. A lock left behind by a copy that crashed is taken
// over, so a crash never keeps the program from starting again.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace orbenza {

class SingleInstance {
public:
    // The lock lives in lockDirectory; empty means defaultLockDirectory().
    explicit SingleInstance(const QString& lockDirectory = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only running copy: the lock is now held until this
    // object goes. False when another live copy holds it. Waits at most a
    // moment, never for ever.
    bool tryAcquire();
    bool isHeld() const;

    QString lockFilePath() const { return m_path; }

    // ORBENZA_LOCK_DIR when set, else the user's runtime folder, else the
    // temporary folder.
    static QString defaultLockDirectory();
    // The lock file's path in a folder; the name carries the user's name, so
    // users sharing the temporary folder do not meet.
    static QString lockFilePathIn(const QString& directory);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace orbenza
