#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLockFile;

// Recognises another running instance of the program for the same user by lock files
// that the running instance holds until its process ends. A lock file left by a
// process that no longer exists (a crash, kill -9) is taken over by the next start.
//
// Where the locks live depends on the user alone, never on the environment (a shell
// without XDG_RUNTIME_DIR, another TMPDIR or HOME), so that every start of the same
// user meets the same locks; and only in folders that no other user can write to, so
// that nobody else can take or block them.
class SingleInstanceGuard final
{
public:
    // The locks in the user's private folders (userLockFolders()).
    SingleInstanceGuard();
    // Tries these lock files (for tests).
    explicit SingleInstanceGuard(QStringList lockPaths);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // False when another instance holds one of the locks. True when this instance now
    // holds every lock it could create, until the guard goes; also when it could create
    // none at all: then nobody can tell, and the user is not refused the program.
    bool tryAcquire();

    // The lock files held after a successful tryAcquire(), empty otherwise.
    QStringList heldLockPaths() const;

    // The user's private folders for the locks: <runtimeRoot>/<uid> (the runtime
    // folder that the login manager makes, /run/user/<uid>) where it exists, and
    // <sharedRoot>/veltro-<uid> (in /tmp), created with mode 0700 where it is missing.
    // A folder counts only when it is a real folder, not a link, that belongs to the
    // user and that nobody else may enter; anything else planted there is passed over.
    static QStringList userLockFolders(const QString& runtimeRoot, const QString& sharedRoot, unsigned int uid);
    static QStringList defaultLockPaths();

private:
    QStringList m_lockPaths;
    std::vector<std::unique_ptr<QLockFile>> m_locks;
};
