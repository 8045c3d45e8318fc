#include "platform/singleinstance.h"

#include "platform/executablename.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A starting instance writes its process id into the lock file right after creating
// it. A file still without one after this long was left by a process that died in
// between.
constexpr qint64 kUnreadableLockAgeSecs = 10;

// A real folder (not a link to one) that belongs to the user and that nobody else
// may enter.
bool isPrivateFolder(const QString& path, unsigned int uid)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == uid && (status.st_mode & 077) == 0;
}

enum class Outcome { Locked, HeldByOther, Unusable };

Outcome tryLockAt(QLockFile& lock)
{
    if (lock.tryLock(0))
        return Outcome::Locked;
    if (lock.error() != QLockFile::LockFailedError)
        return Outcome::Unusable;

    // tryLock() already took over a lock whose process is gone. What is left is a
    // live holder, or a file that never got a process id written into it.
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock.getLockInfo(&pid, &host, &app))
        return Outcome::HeldByOther;
    const QDateTime modified = QFileInfo(lock.fileName()).lastModified();
    if (!modified.isValid() || qAbs(modified.secsTo(QDateTime::currentDateTime())) < kUnreadableLockAgeSecs)
        return Outcome::HeldByOther;
    // Removal still fails while a live process holds the file's kernel lock.
    if (lock.removeStaleLockFile() && lock.tryLock(0))
        return Outcome::Locked;
    return lock.error() == QLockFile::LockFailedError ? Outcome::HeldByOther : Outcome::Unusable;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard()
    : SingleInstanceGuard(defaultLockPaths())
{ }

SingleInstanceGuard::SingleInstanceGuard(QStringList lockPaths)
    : m_lockPaths(std::move(lockPaths))
{ }

SingleInstanceGuard::~SingleInstanceGuard() = default;

QStringList SingleInstanceGuard::userLockFolders(
    const QString& runtimeRoot, const QString& sharedRoot, unsigned int uid)
{
    QStringList folders;
    const QString runtime = runtimeRoot + QLatin1Char('/') + QString::number(uid);
    if (isPrivateFolder(runtime, uid))
        folders << runtime;

    const QString shared = sharedRoot + QStringLiteral("/veltro-") + QString::number(uid);
    const QByteArray sharedPath = QFile::encodeName(shared);
    // Made as the user's own; its mode is set in full, whatever the umask took away.
    if (::mkdir(sharedPath.constData(), 0700) == 0)
        ::chmod(sharedPath.constData(), 0700);
    if (isPrivateFolder(shared, uid))
        folders << shared;
    return folders;
}

QStringList SingleInstanceGuard::defaultLockPaths()
{
    const QString fileName = executableName() + QStringLiteral(".lock");
    QStringList paths;
    // Both where both can be had: a runtime folder that comes or goes between two
    // starts (a login after a start from a shell without one) still finds the other.
    for (const QString& folder : userLockFolders(QStringLiteral("/run/user"), QStringLiteral("/tmp"), ::getuid()))
        paths << QDir(folder).filePath(fileName);
    return paths;
}

bool SingleInstanceGuard::tryAcquire()
{
    if (!m_locks.empty())
        return true;
    std::vector<std::unique_ptr<QLockFile>> locks;
    for (const QString& path : std::as_const(m_lockPaths)) {
        auto lock = std::make_unique<QLockFile>(path);
        // Only a vanished process makes a lock stale, never its age: the program may
        // run for days.
        lock->setStaleLockTime(0);
        switch (tryLockAt(*lock)) {
        case Outcome::Locked:
            locks.push_back(std::move(lock));
            break;
        case Outcome::HeldByOther:
            return false; // the locks taken so far go with this function
        case Outcome::Unusable:
            break;
        }
    }
    m_locks = std::move(locks);
    return true;
}

QStringList SingleInstanceGuard::heldLockPaths() const
{
    QStringList paths;
    for (const auto& lock : m_locks)
        paths << lock->fileName();
    return paths;
}
