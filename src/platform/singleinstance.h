#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;
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

    // The socket beside each lock, through which the running instance takes requests:
    // in the same private folder, so that only the user can reach it.
    static QStringList socketPathsFor(const QStringList& lockPaths);

private:
    QStringList m_lockPaths;
    std::vector<std::unique_ptr<QLockFile>> m_locks;
};

// What a later start may ask of the running instance: one fixed short message, and
// the running instance's fixed answer once it has taken it.
namespace InstanceRequest {
inline constexpr char kShowProgress[] = "veltro-show-progress\n";
inline constexpr char kTaken[] = "taken\n";
// How long a later start waits for the answer before it gives up.
inline constexpr int kDefaultTimeoutMs = 3000;

// Whether the path fits a local socket's address; a longer one cannot be used.
bool fitsSocketAddress(const QString& path);

// Asks the instance listening at the first of the paths that answers to show its
// progress. True once it has said it took the request; false where nobody listens
// (no socket, a socket left by a killed process, a path too long) or nobody answers
// within the time, so the caller never waits longer than that.
bool askToShowProgress(const QStringList& socketPaths, int timeoutMs = kDefaultTimeoutMs);
} // namespace InstanceRequest

// The running instance's end: listens at the sockets beside the locks it holds, and
// answers the one request it knows. Anything else, or a client that says nothing for
// too long, is dropped without an answer; no client can hold up the program.
class InstanceRequestListener final : public QObject
{
    Q_OBJECT

public:
    explicit InstanceRequestListener(QObject* parent = nullptr);
    ~InstanceRequestListener() override;

    // Listens at each path that can be had; a socket file left there is replaced,
    // which only the holder of the lock beside it may do. The paths listened at.
    QStringList listen(const QStringList& socketPaths);

signals:
    void showProgressRequested();

private:
    void take(QLocalServer* server);
    void read(QLocalSocket* socket);

    std::vector<QLocalServer*> m_servers;
};
