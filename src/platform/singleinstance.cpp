#include "platform/singleinstance.h"

#include "platform/executablename.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A starting instance writes its process id into the lock file right after creating
// it. A file still without one after this long was left by a process that died in
// between.
constexpr qint64 kUnreadableLockAgeSecs = 10;

QString userId()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return QString::fromLocal8Bit(qgetenv("USERNAME"));
#endif
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

QStringList SingleInstanceGuard::defaultLockPaths()
{
    const QString name = executableName();
    QStringList paths;
    // Empty when the runtime folder is missing and cannot be made the user's own.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        paths << QDir(runtime).filePath(name + QStringLiteral(".lock"));
    // The temporary folder is shared by every user, so the name there carries the
    // user's id.
    paths << QDir(QDir::tempPath()).filePath(name + QLatin1Char('-') + userId() + QStringLiteral(".lock"));
    return paths;
}

bool SingleInstanceGuard::tryAcquire()
{
    if (m_lock)
        return true;
    for (const QString& path : std::as_const(m_lockPaths)) {
        auto lock = std::make_unique<QLockFile>(path);
        // Only a vanished process makes a lock stale, never its age: the program may
        // run for days.
        lock->setStaleLockTime(0);
        switch (tryLockAt(*lock)) {
        case Outcome::Locked:
            m_lock = std::move(lock);
            return true;
        case Outcome::HeldByOther:
            return false;
        case Outcome::Unusable:
            break;
        }
    }
    return true;
}

QString SingleInstanceGuard::heldLockPath() const
{
    return m_lock ? m_lock->fileName() : QString();
}
