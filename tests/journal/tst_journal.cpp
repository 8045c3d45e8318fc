#include "journal/journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

Q_DECLARE_METATYPE(WeighIn)

namespace {

const QString kChildArgument = QStringLiteral("--hold-a-transaction");

// Runs statements on a file through a connection of the test's own, as an older
// version of the program or another program would have written it.
QVariant rawSql(const QString& path, const QStringList& statements)
{
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            if (query.next())
                last = query.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return last;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

int mode(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QList<WeighIn> daily(int count, double kilograms, int daysBack = 0)
{
    QList<WeighIn> list;
    const QDate today = QDate::currentDate();
    for (int i = count - 1; i >= 0; --i)
        list.append({today.addDays(-i - daysBack), kilograms + (i % 7) * 0.1, WeightUnit::Kilograms});
    return list;
}

// Unmounts what a test mounted, however it ends.
struct Mounted
{
    QString path;
    ~Mounted()
    {
        if (!path.isEmpty())
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
};

// The child of killedImportLeavesNothing(): begins writing a large change and, from
// inside its transaction, tells the parent and waits to be killed.
int holdTransaction(const QString& path)
{
    Journal journal(path);
    JournalChange change;
    change.put = daily(20000, 99);
    journal.setWriteHook(5000, [](int written) {
        std::printf("inside after %d\n", written);
        std::fflush(stdout);
        for (;;)
            ::pause();
    });
    journal.apply(change);
    std::printf("the change ended: %s\n", qPrintable(journal.error()));
    return 1;
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    bool m_ownMounts = false; // mounts stay in a namespace of this process alone
    QString journalPath() const { return m_dir.filePath(QStringLiteral("journal.sqlite")); }

private slots:
    void initTestCase();
    void init();
    void createsPrivateFilesInWalModeLazily();
    void changesAndTheirUndoing();
    void refusesWhatIsNoWeighIn_data();
    void refusesWhatIsNoWeighIn();
    void plansAndPreferences();
    void upgradesAnOlderJournal();
    void movesAsideWhatIsNoJournal_data();
    void movesAsideWhatIsNoJournal();
    void leavesANewerJournalAlone();
    void failsQuietlyWhereNothingCanBeKept_data();
    void failsQuietlyWhereNothingCanBeKept();
    void whatIsNoPlainJournal_data();
    void whatIsNoPlainJournal();
    void changesMadeAgainstWhatDaysHold_data();
    void changesMadeAgainstWhatDaysHold();
    void killedImportLeavesNothing();
    void twoConnectionsSeeEachOther();
    void timings();
};

void TestJournal::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCoreApplication::setApplicationName(QStringLiteral("veltro-journal-test"));
    // Root writes through any file mode: read-only places are read-only mounts then,
    // in a mount namespace of this test process alone.
    if (::geteuid() == 0)
        m_ownMounts = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

void TestJournal::init()
{
    QDir dir(m_dir.path());
    for (const QFileInfo& entry :
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        QFile::setPermissions(entry.filePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

void TestJournal::createsPrivateFilesInWalModeLazily()
{
    const QString folder = m_dir.filePath(QStringLiteral("data/veltro"));
    const QString path = folder + QStringLiteral("/journal.sqlite");
    {
        Journal journal(path);
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("data"))));
        QVERIFY2(journal.isOpen(), qPrintable(journal.error()));
        QVERIFY(journal.apply({daily(1, 80), {}}));
        QCOMPARE(mode(m_dir.filePath(QStringLiteral("data"))), 0700);
        QCOMPARE(mode(folder), 0700);
        QCOMPARE(mode(path), 0600);
        QCOMPARE(mode(path + QStringLiteral("-wal")), 0600);
        QCOMPARE(mode(path + QStringLiteral("-shm")), 0600);
        QVERIFY(!journal.movedAside());
    }
    QCOMPARE(rawSql(path, {QStringLiteral("PRAGMA journal_mode")}).toString(), QStringLiteral("wal"));
    QCOMPARE(rawSql(path, {QStringLiteral("PRAGMA application_id")}).toInt(), Journal::kApplicationId);
    QCOMPARE(rawSql(path, {QStringLiteral("PRAGMA user_version")}).toInt(), Journal::kSchemaVersion);

    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path()));
    QCOMPARE(Journal::defaultPath(), m_dir.filePath(QStringLiteral("veltro-journal-test/journal.sqlite")));
}

void TestJournal::changesAndTheirUndoing()
{
    Journal journal(journalPath());
    const QDate today = QDate::currentDate();
    const WeighIn first {today.addDays(-2), 180, WeightUnit::Pounds};
    const WeighIn second {today.addDays(-1), 81.5, WeightUnit::Kilograms};
    const WeighIn third {today, 179.4, WeightUnit::Pounds};
    // Put in any order, read back oldest first; the figure exactly as entered.
    std::optional<JournalChange> undo = journal.apply({{third, first, second}, {}});
    QVERIFY2(undo, qPrintable(journal.error()));
    const QList<WeighIn> original {first, second, third};
    QCOMPARE(journal.weighIns(), original);
    QCOMPARE(undo->remove, (QList<QDate> {first.date, second.date, third.date}));
    QVERIFY(undo->put.isEmpty());
    QCOMPARE(first.kilograms(), 81.6466266);
    QCOMPARE(second.pounds(), 81.5 / 0.45359237);

    // Replace one, remove one, add one, in one change; what comes back undoes it.
    const WeighIn replaced {second.date, 81.2, WeightUnit::Kilograms};
    const WeighIn added {today.addDays(-3), 182, WeightUnit::Pounds};
    undo = journal.apply({{replaced, added}, {third.date, today.addDays(-10)}});
    QVERIFY2(undo, qPrintable(journal.error()));
    const QList<WeighIn> changed {added, first, replaced};
    QCOMPARE(journal.weighIns(), changed);
    QCOMPARE(undo->put, (QList<WeighIn> {second, third}));
    QCOMPARE(undo->remove, QList<QDate> {added.date});

    const std::optional<JournalChange> redo = journal.apply(*undo);
    QVERIFY(redo);
    QCOMPARE(journal.weighIns(), original);
    QVERIFY(journal.apply(*redo));
    QCOMPARE(journal.weighIns(), changed);
}

void TestJournal::refusesWhatIsNoWeighIn_data()
{
    QTest::addColumn<WeighIn>("weighIn");
    QTest::addColumn<QString>("reason"); // empty: kept
    const QDate today = QDate::currentDate();
    const QDate yesterday = today.addDays(-1);
    QTest::newRow("zero") << WeighIn {yesterday, 0, WeightUnit::Pounds} << "above zero";
    QTest::newRow("negative") << WeighIn {yesterday, -80, WeightUnit::Kilograms} << "above zero";
    QTest::newRow("not a number") << WeighIn {yesterday, qQNaN(), WeightUnit::Pounds} << "not a number";
    QTest::newRow("infinite") << WeighIn {yesterday, qInf(), WeightUnit::Kilograms} << "not a number";
    QTest::newRow("above 1500 lb") << WeighIn {yesterday, 1500.01, WeightUnit::Pounds} << "heaviest";
    QTest::newRow("above 680.39 kg") << WeighIn {yesterday, 680.4, WeightUnit::Kilograms} << "heaviest";
    QTest::newRow("below 20 lb") << WeighIn {yesterday, 9.06, WeightUnit::Kilograms} << "lightest";
    QTest::newRow("before 1900") << WeighIn {QDate(1899, 12, 31), 80, WeightUnit::Kilograms} << "earliest";
    QTest::newRow("tomorrow") << WeighIn {today.addDays(1), 80, WeightUnit::Kilograms} << "future";
    QTest::newRow("no date") << WeighIn {QDate(), 80, WeightUnit::Kilograms} << "not a day";
    QTest::newRow("1500 lb today") << WeighIn {today, 1500, WeightUnit::Pounds} << "";
    QTest::newRow("680.39 kg") << WeighIn {yesterday, 680.39, WeightUnit::Kilograms} << "";
}

void TestJournal::refusesWhatIsNoWeighIn()
{
    QFETCH(WeighIn, weighIn);
    QFETCH(QString, reason);
    Journal journal(journalPath());
    const WeighIn kept {QDate::currentDate().addDays(-5), 80, WeightUnit::Kilograms};
    QVERIFY(journal.apply({{kept}, {}}));
    // A change with one weigh-in refused is refused whole.
    const WeighIn good {QDate::currentDate().addDays(-6), 81, WeightUnit::Kilograms};
    const std::optional<JournalChange> undo = journal.apply({{good, weighIn}, {kept.date}});
    QCOMPARE(!undo, !reason.isEmpty());
    QVERIFY2(journal.error().contains(reason), qPrintable(journal.error()));
    QCOMPARE(weighInProblem(weighIn, QDate::currentDate()).isEmpty(), reason.isEmpty());
    const QList<WeighIn> expected = reason.isEmpty() ? QList<WeighIn> {good, weighIn} : QList<WeighIn> {kept};
    QCOMPARE(journal.weighIns(), expected);
}

void TestJournal::plansAndPreferences()
{
    Journal journal(journalPath());
    QVERIFY(!journal.followedPlan());
    StoredPlan first;
    first.start = QDate(2026, 12, 9);
    first.days = 30;
    first.startPounds = 180;
    first.goalPounds = 170;
    first.details = {{QStringLiteral("txtName"), QStringLiteral("Ann, \"the\" runner")},
        {QStringLiteral("txtPound"), QStringLiteral("180")}, {QStringLiteral("activityIndex"), QStringLiteral("2")}};
    first.results = {{QStringLiteral("goalCalories"), 1788.0}, {QStringLiteral("goalAchievable"), true}};
    QVERIFY2(journal.follow(first), qPrintable(journal.error()));
    QVERIFY(first.id > 0 && first.followedAt.isValid());
    StoredPlan second = first;
    second.followedAt = QDateTime();
    second.days = 60;
    second.goalPounds = 160;
    QVERIFY(journal.follow(second));
    QVERIFY(second.id != first.id);

    const QList<StoredPlan> plans = journal.plans();
    QCOMPARE(plans.size(), 2);
    QCOMPARE(plans.at(0).id, first.id);
    QVERIFY(plans.at(0).endedAt.isValid()); // kept, marked ended
    QCOMPARE(plans.at(0).details, first.details);
    QCOMPARE(plans.at(0).results, first.results);
    QCOMPARE(plans.at(0).followedAt, first.followedAt);
    const std::optional<StoredPlan> followed = journal.followedPlan();
    QVERIFY(followed);
    QCOMPARE(followed->id, second.id);
    QVERIFY(!followed->endedAt.isValid());
    QCOMPARE(followed->start, second.start);
    QCOMPARE(followed->days, 60);
    QCOMPARE(followed->startPounds, 180.0);
    QCOMPARE(followed->goalPounds, 160.0);
    StoredPlan noStart;
    QVERIFY(!journal.follow(noStart));
    QCOMPARE(journal.followedPlan()->id, second.id);

    QCOMPARE(journal.preference(QStringLiteral("unit")), QString());
    QVERIFY(journal.setPreference(QStringLiteral("unit"), QStringLiteral("kg")));
    QVERIFY(journal.setPreference(QStringLiteral("unit"), QStringLiteral("lb")));
    QCOMPARE(Journal(journalPath()).preference(QStringLiteral("unit")), QStringLiteral("lb"));
}

void TestJournal::upgradesAnOlderJournal()
{
    // A journal as the first version of the program wrote it: weigh-ins only.
    rawSql(journalPath(),
        {QStringLiteral("PRAGMA journal_mode=WAL"),
            QStringLiteral("PRAGMA application_id = %1").arg(Journal::kApplicationId),
            QStringLiteral("CREATE TABLE weigh_ins (day TEXT PRIMARY KEY NOT NULL, weight REAL NOT NULL CHECK "
                           "(weight > 0), unit TEXT NOT NULL CHECK (unit IN ('lb', 'kg'))) WITHOUT ROWID"),
            QStringLiteral("INSERT INTO weigh_ins VALUES ('2026-11-01', 180.4, 'lb'), ('2026-11-02', 81.75, 'kg')"),
            QStringLiteral("PRAGMA user_version = 1")});
    {
        Journal journal(journalPath());
        QCOMPARE(journal.weighIns(),
            (QList<WeighIn> {
                {QDate(2026, 11, 1), 180.4, WeightUnit::Pounds}, {QDate(2026, 11, 2), 81.75, WeightUnit::Kilograms}}));
        QVERIFY(!journal.movedAside());
        StoredPlan plan {0, {}, {}, QDate(2026, 11, 1), 30, 180.4, 170, {}, {}};
        QVERIFY2(journal.follow(plan), qPrintable(journal.error()));
        QVERIFY(journal.setPreference(QStringLiteral("unit"), QStringLiteral("lb")));
    }
    QCOMPARE(rawSql(journalPath(), {QStringLiteral("PRAGMA user_version")}).toInt(), Journal::kSchemaVersion);
}

void TestJournal::movesAsideWhatIsNoJournal_data()
{
    QTest::addColumn<QString>("kind"); // damaged, unknown, or empty: kept as the journal
    QTest::addColumn<bool>("withWal");
    QTest::newRow("garbage bytes, with a -wal") << "damaged" << true;
    QTest::newRow("a truncated journal") << "damaged" << false;
    QTest::newRow("SQLite's header, then garbage") << "damaged" << false;
    QTest::newRow("SQLite of another program") << "unknown" << false;
    QTest::newRow("SQLite of another application id") << "unknown" << false;
    QTest::newRow("an empty file") << "" << false;
}

void TestJournal::movesAsideWhatIsNoJournal()
{
    QFETCH(QString, kind);
    QFETCH(bool, withWal);
    const QString path = journalPath();
    const QString row = QString::fromUtf8(QTest::currentDataTag());
    QByteArray garbage;
    for (int i = 0; i < 8192; ++i)
        garbage += char((i * 7919 + 13) % 251);
    if (row.startsWith(QLatin1String("garbage"))) {
        write(path, garbage);
    } else if (row.contains(QLatin1String("truncated"))) {
        {
            Journal journal(path);
            QVERIFY(journal.apply({daily(3000, 80), {}}));
        }
        QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
    } else if (row.contains(QLatin1String("header"))) {
        write(path, QByteArray("SQLite format 3\0", 16) + garbage);
    } else if (row.contains(QLatin1String("program"))) {
        rawSql(path,
            {QStringLiteral("CREATE TABLE notes (text TEXT)"), QStringLiteral("INSERT INTO notes VALUES ('mine')")});
    } else if (row.contains(QLatin1String("application"))) {
        rawSql(path, {QStringLiteral("PRAGMA application_id = 1234"), QStringLiteral("PRAGMA user_version = 1")});
    } else {
        write(path, {});
    }
    if (withWal)
        write(path + QStringLiteral("-wal"), "what SQLite kept beside it");
    const QByteArray original = contents(path);
    // Names already taken for this minute and the next are not overwritten.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList taken;
    for (const QDateTime& time : {now, now.addSecs(60)}) {
        taken << m_dir.filePath(
            QStringLiteral("journal-%1-%2.sqlite").arg(kind, time.toString(QStringLiteral("yyyy-MM-dd-HHmm"))));
        write(taken.last(), "taken");
    }

    Journal journal(path);
    QVERIFY2(journal.isOpen(), qPrintable(journal.error()));
    QVERIFY(journal.apply({daily(2, 75), {}}));
    QCOMPARE(journal.weighIns(), daily(2, 75));
    for (const QString& name : std::as_const(taken))
        QCOMPARE(contents(name), QByteArray("taken"));
    if (kind.isEmpty()) {
        QVERIFY(!journal.movedAside());
        return;
    }
    QVERIFY(journal.movedAside());
    QCOMPARE(journal.movedAside()->first, path);
    const QString aside = journal.movedAside()->second;
    QVERIFY2(QRegularExpression(QStringLiteral("/journal-%1-\\d{4}-\\d\\d-\\d\\d-\\d{4}-2\\.sqlite$").arg(kind))
                 .match(aside)
                 .hasMatch(),
        qPrintable(aside));
    QCOMPARE(contents(aside), original);
    QCOMPARE(QFileInfo::exists(aside + QStringLiteral("-wal")), withWal);
    if (withWal)
        QCOMPARE(contents(aside + QStringLiteral("-wal")), QByteArray("what SQLite kept beside it"));
    QVERIFY(!QFileInfo::exists(aside + QStringLiteral("-shm")));
}

void TestJournal::leavesANewerJournalAlone()
{
    {
        Journal journal(journalPath());
        QVERIFY(journal.apply({daily(3, 80), {}}));
    }
    rawSql(journalPath(), {QStringLiteral("PRAGMA user_version = 99")});
    const QByteArray before = contents(journalPath());
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);

    Journal journal(journalPath());
    QVERIFY(!journal.isOpen());
    const QString error = journal.error();
    QVERIFY2(error.contains(QLatin1String("newer version")) && error.contains(journalPath()), qPrintable(error));
    QVERIFY(journal.weighIns().isEmpty());
    QVERIFY(!journal.apply({daily(1, 80), {}}));
    QCOMPARE(journal.error(), error);
    QVERIFY(!journal.movedAside());
    QCOMPARE(contents(journalPath()), before);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), files);
}

void TestJournal::failsQuietlyWhereNothingCanBeKept_data()
{
    // The test, as root, reads "read-only" as a read-only mount (chmod does not stop
    // root); as another user, as a folder or file without write permission.
    QTest::addColumn<QString>("place");
    QTest::newRow("a folder under a regular file") << "under a file";
    QTest::newRow("a read-only folder without a journal") << "folder";
}

void TestJournal::failsQuietlyWhereNothingCanBeKept()
{
    QFETCH(QString, place);
    const bool root = ::geteuid() == 0;
    if (root && place != QLatin1String("under a file") && !m_ownMounts)
        QSKIP("running as root without a mount namespace of its own: nothing here is read-only to root");
    const QString readOnly = root ? QStringLiteral("Read-only file system") : QStringLiteral("Permission denied");
    Mounted mounted;
    QString path;
    QString named; // what the error names
    QString reason;
    if (place == QLatin1String("under a file")) {
        write(m_dir.filePath(QStringLiteral("plain")), "a file");
        path = m_dir.filePath(QStringLiteral("plain/veltro/journal.sqlite"));
        named = m_dir.filePath(QStringLiteral("plain/veltro"));
        reason = QStringLiteral("Not a directory");
    } else if (place == QLatin1String("folder")) {
        named = m_dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(named));
        path = named + QStringLiteral("/journal.sqlite");
        if (root) {
            QVERIFY(::mount("tmpfs", QFile::encodeName(named).constData(), "tmpfs", MS_RDONLY, "size=64k") == 0);
            mounted.path = named;
        } else {
            QVERIFY(QFile::setPermissions(named, QFile::ReadOwner | QFile::ExeOwner));
        }
        reason = readOnly;
    }

    Journal journal(path);
    QVERIFY(!journal.isOpen());
    const QString error = journal.error();
    QCOMPARE(error, QStringLiteral("Your weigh-ins cannot be kept: %1: %2").arg(named, reason));
    // Every later call fails quietly, with the same error.
    QVERIFY(journal.weighIns().isEmpty());
    QVERIFY(!journal.apply({daily(1, 80), {}}));
    QVERIFY(!journal.followedPlan());
    QVERIFY(journal.plans().isEmpty());
    QVERIFY(!journal.setPreference(QStringLiteral("unit"), QStringLiteral("kg")));
    QVERIFY(journal.preference(QStringLiteral("unit")).isEmpty());
    QCOMPARE(journal.error(), error);
}

void TestJournal::whatIsNoPlainJournal_data()
{
    // What is in the journal's place, or what is asked of it, and what comes of it:
    // refused at once and left; moved aside; an export refused; read, but not written.
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("said");
    QTest::newRow("a FIFO") << "refused"
                            << "a FIFO";
    QTest::newRow("a socket") << "refused"
                              << "a socket";
    QTest::newRow("a folder") << "refused"
                              << "a folder";
    QTest::newRow("a FIFO as its -wal") << "refused"
                                        << "a FIFO";
    QTest::newRow("a link as its -shm") << "refused"
                                        << "a link";
    QTest::newRow("a link to a file elsewhere") << "moved"
                                                << "was a link to";
    QTest::newRow("a dangling link") << "moved"
                                     << "was a link to";
    QTest::newRow("an export onto it through a link") << "own"
                                                      << "";
    QTest::newRow("an export onto it by a relative name") << "own"
                                                          << "";
    QTest::newRow("an export onto its -wal") << "own"
                                             << "";
    QTest::newRow("a read-only folder") << "read-only"
                                        << "cannot be written";
    QTest::newRow("a read-only journal") << "read-only"
                                         << "cannot be written";
    QTest::newRow("a full disk") << "full"
                                 << "is full";
}

void TestJournal::whatIsNoPlainJournal()
{
    QFETCH(QString, outcome);
    QFETCH(QString, said);
    const QString row = QString::fromUtf8(QTest::currentDataTag());
    const QString path = journalPath();
    const QByteArray file = QFile::encodeName(path);
    const QString elsewhere = m_dir.filePath(QStringLiteral("elsewhere.txt"));
    const bool root = ::geteuid() == 0;
    Mounted mounted;
    const QList<WeighIn> kept = daily(3, 80);
    if (outcome != QLatin1String("refused") && outcome != QLatin1String("moved")) {
        Journal journal(path);
        QVERIFY(journal.apply({kept, {}}));
    }

    if (row == QLatin1String("a FIFO")) {
        QVERIFY(::mkfifo(file.constData(), 0600) == 0);
    } else if (row == QLatin1String("a socket")) {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
        QVERIFY(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        ::close(s);
    } else if (row == QLatin1String("a folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (row.contains(QLatin1String("-wal"))) {
        write(path, {});
        QVERIFY(::mkfifo(file + "-wal", 0600) == 0);
    } else if (row.contains(QLatin1String("-shm"))) {
        write(path, {});
        write(elsewhere, {});
        QVERIFY(QFile::link(elsewhere, path + QStringLiteral("-shm")));
    } else if (row == QLatin1String("a link to a file elsewhere")) {
        write(elsewhere, {});
        QVERIFY(QFile::link(elsewhere, path));
    } else if (row == QLatin1String("a dangling link")) {
        QVERIFY(QFile::link(elsewhere, path));
    } else if (outcome == QLatin1String("read-only")) {
        if (root && !m_ownMounts)
            QSKIP("running as root without a mount namespace of its own: nothing here is read-only to root");
        const QString place = row.contains(QLatin1String("folder")) ? m_dir.path() : path;
        const QByteArray name = QFile::encodeName(place);
        if (root) {
            QVERIFY(::mount(name.constData(), name.constData(), nullptr, MS_BIND, nullptr) == 0);
            mounted.path = place;
            QVERIFY(::mount(nullptr, name.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0);
        } else {
            QVERIFY(QFile::setPermissions(place, QFile::ReadOwner | QFile::ExeOwner));
        }
    }
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    Journal journal(path);
    QElapsedTimer timer;
    timer.start();
    if (outcome == QLatin1String("refused")) {
        // At once, named, and left where it was.
        QVERIFY(!journal.isOpen());
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY2(journal.error().contains(said) && journal.error().contains(QLatin1String("left as it is")),
            qPrintable(journal.error()));
        QVERIFY(!journal.apply({kept, {}}));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
    } else if (outcome == QLatin1String("moved")) {
        // The link goes aside, whatever it points to is not touched, and a journal of
        // its own starts in its place.
        QVERIFY2(journal.apply({kept, {}}), qPrintable(journal.error()));
        QVERIFY(journal.movedAside());
        const QString aside = journal.movedAside()->second;
        QVERIFY(QFileInfo(aside).isSymLink());
        QCOMPARE(QFileInfo(aside).symLinkTarget(), elsewhere);
        QVERIFY2(journal.movedAsideText().contains(said) && journal.movedAsideText().contains(elsewhere)
                && journal.movedAsideText().contains(aside),
            qPrintable(journal.movedAsideText()));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(mode(path), 0600);
        QCOMPARE(contents(elsewhere), QByteArray(row.contains(QLatin1String("dangling")) ? "(missing)" : ""));
        QCOMPARE(Journal(path).weighIns(), kept);
    } else if (outcome == QLatin1String("own")) {
        QString target;
        if (row.contains(QLatin1String("link"))) {
            target = m_dir.filePath(QStringLiteral("export.csv"));
            QVERIFY(QFile::link(path, target));
        } else if (row.contains(QLatin1String("relative"))) {
            const QString was = QDir::currentPath();
            QDir::setCurrent(m_dir.filePath(QStringLiteral(".")));
            target = QStringLiteral("./../%1/journal.sqlite").arg(QFileInfo(m_dir.path()).fileName());
            QVERIFY(journal.isOwnFile(target));
            QDir::setCurrent(was);
            target = path;
        } else {
            target = path + QStringLiteral("-wal");
        }
        QVERIFY(journal.isOwnFile(target));
        QVERIFY(!journal.isOwnFile(m_dir.filePath(QStringLiteral("weigh-ins.csv"))));
        QVERIFY(!journal.isOwnFile(elsewhere));
    } else if (outcome == QLatin1String("read-only")) {
        // Read, shown, and every change refused with the reason.
        QVERIFY2(journal.isOpen(), qPrintable(journal.error()));
        QVERIFY(journal.isReadOnly());
        QVERIFY2(journal.readOnlyReason().contains(said), qPrintable(journal.readOnlyReason()));
        QCOMPARE(journal.weighIns(), kept);
        QVERIFY(!journal.apply({daily(1, 70, 10), {}}));
        QCOMPARE(journal.error(), journal.readOnlyReason());
        StoredPlan plan {0, {}, {}, QDate::currentDate(), 30, 180, 170, {}, {}};
        QVERIFY(!journal.follow(plan));
        QCOMPARE(journal.weighIns(), kept);
    } else {
        // A disk that fills up: writes past a size fail, as on a full file system.
        QVERIFY(journal.isOpen());
        struct rlimit was;
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &was) == 0);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = was;
        small.rlim_cur = QFileInfo(path).size() + 64 * 1024;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool written = bool(journal.apply({daily(5000, 90, 10), {}}));
        const QString error = journal.error();
        ::setrlimit(RLIMIT_FSIZE, &was);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!written);
        QVERIFY2(error.contains(QStringLiteral("the disk holding %1 %2").arg(m_dir.path(), said)), qPrintable(error));
        QCOMPARE(journal.weighIns(), kept);
    }
}

// What a change expects each day to hold is compared inside its transaction, after a
// second writer has been at the journal.
void TestJournal::changesMadeAgainstWhatDaysHold_data()
{
    QTest::addColumn<bool>("leaveDay"); // else nothing is written
    QTest::addColumn<bool>("changedBetween");
    QTest::newRow("all refused, nothing changed since") << false << false;
    QTest::newRow("all refused, a day changed since") << false << true;
    QTest::newRow("a day left, nothing changed since") << true << false;
    QTest::newRow("a day left, a day changed since") << true << true;
}

void TestJournal::changesMadeAgainstWhatDaysHold()
{
    QFETCH(bool, leaveDay);
    QFETCH(bool, changedBetween);
    const QList<WeighIn> first = daily(3, 84);
    Journal window(journalPath());
    Journal commandLine(journalPath());
    const std::optional<JournalChange> undo = window.apply({first, {}});
    QVERIFY(undo);
    const WeighIn since {first.at(1).date, 95, WeightUnit::Kilograms};
    if (changedBetween)
        QVERIFY(commandLine.apply({{since}, {}}));

    const std::optional<JournalChange> redo = window.apply(
        *undo, Journal::resultOf({first, {}}), leaveDay ? Journal::IfChanged::LeaveDay : Journal::IfChanged::RefuseAll);
    QCOMPARE(window.changedDays(), changedBetween ? QList<QDate> {since.date} : QList<QDate> {});
    if (!changedBetween) {
        QVERIFY(redo);
        QVERIFY(window.weighIns().isEmpty());
        QCOMPARE(redo->put, first);
    } else if (!leaveDay) {
        QVERIFY(!redo);
        QVERIFY2(window.error().contains(since.date.toString(Qt::ISODate)), qPrintable(window.error()));
        QCOMPARE(window.weighIns(), (QList<WeighIn> {first.at(0), since, first.at(2)}));
    } else {
        // The day written since stays; what comes back makes again only what was undone.
        QVERIFY(redo);
        QCOMPARE(window.weighIns(), QList<WeighIn> {since});
        QCOMPARE(redo->put, (QList<WeighIn> {first.at(0), first.at(2)}));
        QVERIFY(window.apply(
            *redo, {{first.at(0).date, std::nullopt}, {first.at(2).date, std::nullopt}}, Journal::IfChanged::LeaveDay));
        QCOMPARE(window.weighIns(), (QList<WeighIn> {first.at(0), since, first.at(2)}));
    }
}

void TestJournal::killedImportLeavesNothing()
{
    const QList<WeighIn> before = daily(10, 80);
    Journal reader(journalPath());
    QVERIFY(reader.apply({before, {}}));

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {kChildArgument, journalPath()});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("inside") && child.state() == QProcess::Running) {
        child.waitForReadyRead(30000);
        said += child.readAllStandardOutput();
    }
    QVERIFY2(said.contains("inside"), said.constData());
    // Another connection reads the journal as it was while the change is under way.
    QCOMPARE(reader.weighIns(), before);
    child.kill();
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    Journal after(journalPath());
    QCOMPARE(after.weighIns(), before);
    QVERIFY(!after.movedAside());
    // The killed writer's lock went with it.
    QVERIFY2(after.apply({daily(1, 70, 20), {}}), qPrintable(after.error()));
    QCOMPARE(reader.weighIns().size(), before.size() + 1);
}

void TestJournal::twoConnectionsSeeEachOther()
{
    Journal window(journalPath());
    Journal commandLine(journalPath());
    QVERIFY(window.weighIns().isEmpty());
    QVERIFY(commandLine.apply({daily(1, 80), {}}));
    QCOMPARE(window.weighIns(), daily(1, 80));
    StoredPlan plan {0, {}, {}, QDate::currentDate(), 30, 180, 170, {}, {}};
    QVERIFY(window.follow(plan));
    QCOMPARE(commandLine.followedPlan()->id, plan.id);
}

// Printed, not asserted: a progress window opens the journal and reads ten years of
// daily weigh-ins; an import writes ten thousand in one change.
void TestJournal::timings()
{
    {
        Journal journal(journalPath());
        QVERIFY(journal.apply({daily(3650, 80), {}}));
    }
    QElapsedTimer timer;
    timer.start();
    Journal journal(journalPath());
    const QList<WeighIn> all = journal.weighIns();
    const qint64 openAndRead = timer.nsecsElapsed();
    QCOMPARE(all.size(), 3650);
    timer.restart();
    journal.weighIns();
    const qint64 read = timer.nsecsElapsed();

    JournalChange change;
    change.put = daily(10000, 90);
    timer.restart();
    const std::optional<JournalChange> undo = journal.apply(change);
    const qint64 apply = timer.nsecsElapsed();
    QVERIFY(undo);
    QCOMPARE(undo->put.size(), 3650);
    QCOMPARE(undo->remove.size(), 10000 - 3650);
    qInfo("open and read 3,650 weigh-ins: %.1f ms; read them again: %.1f ms; apply 10,000: %.1f ms", openAndRead / 1e6,
        read / 1e6, apply / 1e6);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == kChildArgument)
        return holdTransaction(QString::fromLocal8Bit(argv[2]));
    TestJournal test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
