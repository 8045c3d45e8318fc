#include "platform/singleinstance.h"

#include "platform/executablename.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <cstring>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

// A starting instance writes its process id into the lock file right after creating
// it. A file still without one after this long was left by a process that died in
// between.
constexpr qint64 kUnreadableLockAgeSecs = 10;

// A client of the running instance has this long to say what it wants.
constexpr int kClientPatienceMs = 2000;

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

QStringList SingleInstanceGuard::socketPathsFor(const QStringList& lockPaths)
{
    QStringList paths;
    for (const QString& lock : lockPaths) {
        QString path = lock;
        if (path.endsWith(QLatin1String(".lock")))
            path.chop(5);
        paths << path + QStringLiteral(".socket");
    }
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

namespace InstanceRequest {

bool fitsSocketAddress(const QString& path)
{
    // The address holds the path and its terminating zero.
    return !path.isEmpty() && std::size_t(QFile::encodeName(path).size()) < sizeof(sockaddr_un::sun_path);
}

bool askToShowProgress(const QStringList& socketPaths, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray request(kShowProgress);
    const QByteArray taken(kTaken);
    for (const QString& path : socketPaths) {
        if (!fitsSocketAddress(path) || deadline.hasExpired())
            continue;
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(int(deadline.remainingTime())))
            continue;
        socket.write(request);
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            continue;
        QByteArray answer;
        while (answer.size() < taken.size() && !deadline.hasExpired()) {
            if (!socket.bytesAvailable() && !socket.waitForReadyRead(int(deadline.remainingTime())))
                break;
            answer += socket.read(taken.size() - answer.size());
        }
        if (answer == taken)
            return true;
    }
    return false;
}

} // namespace InstanceRequest

InstanceRequestListener::InstanceRequestListener(QObject* parent)
    : QObject(parent)
{ }

InstanceRequestListener::~InstanceRequestListener()
{
    // The socket files go with the servers, so a later start finds nobody listening.
    for (QLocalServer* server : m_servers)
        server->close();
}

QStringList InstanceRequestListener::listen(const QStringList& socketPaths)
{
    QStringList listening;
    for (const QString& path : socketPaths) {
        if (!InstanceRequest::fitsSocketAddress(path))
            continue;
        // Left by an instance that was killed: nobody listens there any more, as the
        // caller holds the lock beside it.
        QLocalServer::removeServer(path);
        auto* server = new QLocalServer(this);
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server->listen(path)) {
            delete server;
            continue;
        }
        connect(server, &QLocalServer::newConnection, this, [this, server] { take(server); });
        m_servers.push_back(server);
        listening << path;
    }
    return listening;
}

void InstanceRequestListener::take(QLocalServer* server)
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A client that says nothing, or too little, is dropped.
        QTimer::singleShot(kClientPatienceMs, socket, [socket] { socket->abort(); });
        read(socket);
    }
}

void InstanceRequestListener::read(QLocalSocket* socket)
{
    const QByteArray request(InstanceRequest::kShowProgress);
    // The request waits in the socket until it is whole; anything that is not the
    // request, or says more, is dropped unanswered.
    const QByteArray received = socket->peek(request.size() + 1);
    if (received.size() > request.size() || !request.startsWith(received)) {
        socket->abort();
        return;
    }
    if (received.size() < request.size())
        return;
    socket->readAll();
    socket->write(InstanceRequest::kTaken);
    socket->flush();
    socket->disconnectFromServer();
    emit showProgressRequested();
}
