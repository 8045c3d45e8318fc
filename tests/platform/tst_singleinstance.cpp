#include "platform/singleinstance.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
        QCOMPARE(first->heldLockPath(), m_lockPath);

        SingleInstanceGuard second({m_lockPath});
        QVERIFY(!second.tryAcquire());
        QVERIFY(second.heldLockPath().isEmpty());
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

    void unusableFolderFallsBackToTheNext()
    {
        const QString unusable = m_dir.filePath(QStringLiteral("missing/program.lock"));
        SingleInstanceGuard first({unusable, m_lockPath});
        QVERIFY(first.tryAcquire());
        QCOMPARE(first.heldLockPath(), m_lockPath);
        QVERIFY(!SingleInstanceGuard({unusable, m_lockPath}).tryAcquire());
    }

    void noLockAnywhereStillStarts()
    {
        SingleInstanceGuard guard({m_dir.filePath(QStringLiteral("missing/a.lock")), QStringLiteral("/proc/b.lock")});
        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.heldLockPath().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
