#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// Recognises another running instance of the program for the same user by a lock
// file that the running instance holds until its process ends. A lock file left by a
// process that no longer exists (a crash, kill -9) is taken over by the next start.
class SingleInstanceGuard final
{
public:
    // The lock in the user's runtime folder, or in the temporary folder when the
    // runtime folder cannot hold it.
    SingleInstanceGuard();
    // Tries the lock files in order (for tests).
    explicit SingleInstanceGuard(QStringList lockPaths);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // False when another instance holds the lock. True when this instance now holds
    // it until the guard goes, and also when no lock file can be created at all: then
    // nobody can tell, and the user is not refused the program.
    bool tryAcquire();

    // The lock file held after a successful tryAcquire(), empty otherwise.
    QString heldLockPath() const;

    static QStringList defaultLockPaths();

private:
    QStringList m_lockPaths;
    std::unique_ptr<QLockFile> m_lock;
};
