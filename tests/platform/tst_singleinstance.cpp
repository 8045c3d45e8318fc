#include "platform/singleinstance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
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

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_lockPath = m_dir.filePath(QStringLiteral("program.lock"));
        QFile::remove(m_lockPath);
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

    void noLockAnywhereStillStarts()
    {
        SingleInstanceGuard guard({m_dir.filePath(QStringLiteral("missing/a.lock")), QStringLiteral("/proc/b.lock")});
        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.heldLockPaths().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
