#include "platform/singleinstance.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_lockPath;

    // A lock file as a process leaves it when it is killed: the content of a real one
    // with the process id of a process that has gone.
    void writeLockOfVanishedProcess()
    {
        QProcess sleeper;
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(sleeper.waitForStarted());
        const qint64 pid = sleeper.processId();
        sleeper.kill();
        QVERIFY(sleeper.waitForFinished());

        QLockFile model(m_dir.filePath(QStringLiteral("model.lock")));
        QVERIFY(model.tryLock(0));
        QFile modelFile(model.fileName());
        QVERIFY(modelFile.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = modelFile.readAll().split('\n');
        QVERIFY(lines.size() > 1);
        lines[0] = QByteArray::number(pid);

        QFile stale(m_lockPath);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(lines.join('\n'));
    }

    // A socket file as a killed process leaves it: bound, and nobody listening.
    static bool leaveDeadSocket(const QString& path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), name.size());
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return bound && QFile::exists(path);
    }

    // The later start's request, made in a thread of its own while this one's event
    // loop serves the running instance's end; its answer and how long it took.
    static std::pair<bool, qint64> ask(const QStringList& paths, int timeoutMs)
    {
        auto asking = std::async(std::launch::async, [paths, timeoutMs] {
            QElapsedTimer clock;
            clock.start();
            const bool taken = InstanceRequest::askToShowProgress(paths, timeoutMs);
            return std::make_pair(taken, clock.elapsed());
        });
        while (asking.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return asking.get();
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_lockPath = m_dir.filePath(QStringLiteral("program.lock"));
        QFile::remove(m_lockPath);
        for (const QString& socket : QDir(m_dir.path()).entryList({QStringLiteral("*.socket")}, QDir::System))
            QFile::remove(m_dir.filePath(socket));
    }

    void oneHolderAtATime()
    {
        auto first = std::make_unique<SingleInstanceGuard>(QStringList {m_lockPath});
        QVERIFY(first->tryAcquire());
        QCOMPARE(first->heldLockPaths(), QStringList {m_lockPath});

        SingleInstanceGuard second({m_lockPath});
        QVERIFY(!second.tryAcquire());
        QVERIFY(second.heldLockPaths().isEmpty());
        QVERIFY(QFile::exists(m_lockPath)); // the holder's lock is not touched

        first.reset();
        SingleInstanceGuard third({m_lockPath});
        QVERIFY(third.tryAcquire());
    }

    void lockOfVanishedProcessIsTakenOver()
    {
        writeLockOfVanishedProcess();
        SingleInstanceGuard guard({m_lockPath});
        QVERIFY(guard.tryAcquire());
        SingleInstanceGuard second({m_lockPath});
        QVERIFY(!second.tryAcquire());
    }

    // A file without a process id is a start in progress while fresh, and a start that
    // died half-way once old.
    void lockWithoutProcessId()
    {
        QFile empty(m_lockPath);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        QVERIFY(!SingleInstanceGuard({m_lockPath}).tryAcquire());

        QVERIFY(empty.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        empty.close();
        SingleInstanceGuard guard({m_lockPath});
        QVERIFY(guard.tryAcquire());
    }

    void unusableFolderIsPassedOver()
    {
        const QString unusable = m_dir.filePath(QStringLiteral("missing/program.lock"));
        SingleInstanceGuard first({unusable, m_lockPath});
        QVERIFY(first.tryAcquire());
        QCOMPARE(first.heldLockPaths(), QStringList {m_lockPath});
        QVERIFY(!SingleInstanceGuard({unusable, m_lockPath}).tryAcquire());
        // One lock held by another instance is enough to refuse.
        const QString other = m_dir.filePath(QStringLiteral("other.lock"));
        QVERIFY(!SingleInstanceGuard({other, m_lockPath}).tryAcquire());
        QVERIFY(!QFile::exists(other));
    }

    // What someone else may have put where the user's folders go is passed over.
    void lockFoldersAreTheUsersOwn_data()
    {
        QTest::addColumn<QString>("planted"); // in the runtime root (r) or the shared root (s)
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("runtime folder and a new shared one") << "" << QStringList {"r/U", "s/veltro-U"};
        QTest::newRow("runtime folder open to others") << "r 0755" << QStringList {"s/veltro-U"};
        QTest::newRow("runtime folder a link") << "r link" << QStringList {"s/veltro-U"};
        QTest::newRow("shared folder open to others") << "s 0777" << QStringList {"r/U"};
        QTest::newRow("shared folder a link to one of ours") << "s link" << QStringList {"r/U"};
        QTest::newRow("shared folder of another user") << "s other" << QStringList {"r/U"};
    }

    void lockFoldersAreTheUsersOwn()
    {
        QFETCH(QString, planted);
        QFETCH(QStringList, folders);
        const uint uid = ::getuid();
        const QString u = QString::number(uid);
        QTemporaryDir roots;
        const QString runtime = roots.filePath(QStringLiteral("r/") + u);
        const QString shared = roots.filePath(QStringLiteral("s/veltro-") + u);
        const QString elsewhere = roots.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere) && QDir().mkpath(roots.filePath(QStringLiteral("s"))));
        QVERIFY(
            QFile::setPermissions(elsewhere, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QString target = planted.startsWith(QLatin1Char('r')) ? runtime : shared;
        if (!planted.startsWith(QLatin1Char('r')))
            QVERIFY(QDir().mkpath(runtime) && ::chmod(QFile::encodeName(runtime), 0700) == 0);
        if (planted.endsWith(QLatin1String("link"))) {
            QVERIFY(QDir().mkpath(QFileInfo(target).path()));
            QVERIFY(QFile::link(elsewhere, target));
        } else if (planted.endsWith(QLatin1String("other"))) {
            if (uid != 0)
                QSKIP("only root can plant a folder of another user");
            QVERIFY(QDir().mkpath(target) && ::chmod(QFile::encodeName(target), 0700) == 0);
            QVERIFY(::chown(QFile::encodeName(target), 65534, 65534) == 0);
        } else if (!planted.isEmpty()) {
            QVERIFY(QDir().mkpath(target));
            QVERIFY(::chmod(QFile::encodeName(target), planted.section(QLatin1Char(' '), 1).toUInt(nullptr, 8)) == 0);
        } else {
            QVERIFY(QDir().mkpath(runtime) && ::chmod(QFile::encodeName(runtime), 0700) == 0);
        }

        QStringList expected;
        for (const QString& folder : folders)
            expected << roots.filePath(QString(folder).replace(QLatin1Char('U'), u));
        QCOMPARE(SingleInstanceGuard::userLockFolders(
                     roots.filePath(QStringLiteral("r")), roots.filePath(QStringLiteral("s")), uid),
            expected);
        // The shared folder made by the program is closed to others.
        if (expected.contains(shared))
            QCOMPARE(QFileInfo(shared).permissions() & 0x0077, QFileDevice::Permissions());
    }

    // The launcher's "Your Progress" handed to the running instance, and every way it
    // can fail without the later start waiting longer than its time-out.
    void progressHandedOver_data()
    {
        QTest::addColumn<QStringList>("sockets"); // listening, dead, silent, missing, long
        QTest::addColumn<bool>("taken");
        QTest::newRow("the running instance listens") << QStringList {"listening"} << true;
        QTest::newRow("after a socket a killed process left") << QStringList {"dead", "listening"} << true;
        QTest::newRow("a socket a killed process left") << QStringList {"dead"} << false;
        QTest::newRow("no socket at all") << QStringList {"missing"} << false;
        QTest::newRow("a path too long for a socket") << QStringList {"long"} << false;
        QTest::newRow("a listener that never answers") << QStringList {"silent", "listening"} << false;
    }

    void progressHandedOver()
    {
        QFETCH(QStringList, sockets);
        QFETCH(bool, taken);
        constexpr int timeoutMs = 700;
        InstanceRequestListener listener;
        QSignalSpy shown(&listener, &InstanceRequestListener::showProgressRequested);
        QLocalServer silent;
        QStringList paths;
        for (const QString& kind : sockets) {
            const QString path = m_dir.filePath(kind + QStringLiteral(".socket"));
            if (kind == QLatin1String("listening")) {
                QCOMPARE(listener.listen({path}), QStringList {path});
            } else if (kind == QLatin1String("dead")) {
                QVERIFY(leaveDeadSocket(path));
            } else if (kind == QLatin1String("silent")) {
                QVERIFY(silent.listen(path));
            } else if (kind == QLatin1String("long")) {
                const QString deep = m_dir.filePath(QString(120, QLatin1Char('d')) + QStringLiteral(".socket"));
                QVERIFY(!InstanceRequest::fitsSocketAddress(deep));
                QVERIFY(listener.listen({deep}).isEmpty());
                paths << deep;
                continue;
            }
            paths << path;
        }

        const auto [answer, elapsed] = ask(paths, timeoutMs);
        QCOMPARE(answer, taken);
        QVERIFY2(elapsed < timeoutMs + 500, qPrintable(QString::number(elapsed)));
        QTRY_COMPARE(shown.size(), taken ? 1 : 0);
    }

    // The running instance takes its one request and nothing else, and a socket file
    // left by a killed instance does not keep the next one from listening.
    void listenerTakesOnlyItsRequest_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("taken");
        QTest::newRow("the request") << QByteArray(InstanceRequest::kShowProgress) << true;
        QTest::newRow("another message") << QByteArray("veltro-quit\n") << false;
        QTest::newRow("the request and more") << QByteArray(InstanceRequest::kShowProgress) + "x" << false;
        QTest::newRow("half the request, then silence") << QByteArray("veltro-show") << false;
        QTest::newRow("nothing") << QByteArray() << false;
    }

    void listenerTakesOnlyItsRequest()
    {
        QFETCH(QByteArray, message);
        QFETCH(bool, taken);
        const QString path = m_dir.filePath(QStringLiteral("program.socket"));
        QVERIFY(leaveDeadSocket(path));
        InstanceRequestListener listener;
        QSignalSpy shown(&listener, &InstanceRequestListener::showProgressRequested);
        QCOMPARE(listener.listen({path}), QStringList {path});
        QVERIFY(QFileInfo(path).permissions() & QFileDevice::ReadOwner);

        QLocalSocket client;
        client.connectToServer(path);
        QVERIFY(client.waitForConnected(1000));
        client.write(message);
        client.flush();
        // The listener drops whoever it does not answer, at the latest after a while.
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 5000);
        QCOMPARE(client.readAll(), taken ? QByteArray(InstanceRequest::kTaken) : QByteArray());
        QCOMPARE(shown.size(), taken ? 1 : 0);
    }

    void noLockAnywhereStillStarts()
    {
        SingleInstanceGuard guard({m_dir.filePath(QStringLiteral("missing/a.lock")), QStringLiteral("/proc/b.lock")});
        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.heldLockPaths().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
