#include "journal/journal.h"

#include "platform/diskspace.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why the journal cannot be opened, read or written: the windows and the command
// line show these. The members of Journal name the context in full, as
// QCoreApplication::translate("JournalMessages", ...).
struct JournalMessages
{
    Q_DECLARE_TR_FUNCTIONS(JournalMessages)
};

// Messages given in more than one place; each takes the journal's path and the reason.
QString couldNotBeWritten()
{
    //: %1 is the journal's path, %2 the reason
    return JournalMessages::tr("The journal %1 could not be written: %2");
}

QString weighInsNotWritten()
{
    //: %1 is the journal's path, %2 the reason
    return JournalMessages::tr("The weigh-ins could not be written to %1: %2");
}

QString planNotWritten()
{
    //: %1 is the journal's path, %2 the reason
    return JournalMessages::tr("The plan could not be written to %1: %2");
}

QString preferenceNotWritten()
{
    //: %1 is the journal's path, %2 the reason
    return JournalMessages::tr("The preference could not be written to %1: %2");
}

// Why a new journal could not be made, after its path; %1 is the reason.
QString couldNotBeMade()
{
    //: Why the journal cannot be opened, after its path. %1 is the reason
    return JournalMessages::tr("it could not be made: %1");
}

const QByteArray kSqliteMagic("SQLite format 3\0", 16);
constexpr int kSqliteHeaderSize = 100;
constexpr int kBusyTimeoutMilliseconds = 10000;
// SQLite's primary result codes for a file that is no database, or a damaged one.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteFull = 13;
constexpr int kSqliteNotADatabase = 26;

// Step N takes a journal from version N-1 to N, in a transaction of its own. A
// released step never changes: a journal of that version is out there.
const QList<QStringList>& schemaSteps()
{
    static const QList<QStringList> steps {
        // 1: the weigh-ins, one a day, the figure and unit as entered.
        {
            QStringLiteral("PRAGMA application_id = %1").arg(Journal::kApplicationId),
            QStringLiteral("CREATE TABLE weigh_ins ("
                           "day TEXT PRIMARY KEY NOT NULL, "
                           "weight REAL NOT NULL CHECK (weight > 0), "
                           "unit TEXT NOT NULL CHECK (unit IN ('lb', 'kg'))) WITHOUT ROWID"),
        },
        // 2: the plans followed, the one followed now with no end, and preferences.
        {
            QStringLiteral("CREATE TABLE plans ("
                           "id INTEGER PRIMARY KEY, "
                           "followed_at TEXT NOT NULL, "
                           "ended_at TEXT, "
                           "start_day TEXT NOT NULL, "
                           "days INTEGER NOT NULL, "
                           "start_pounds REAL NOT NULL, "
                           "goal_pounds REAL NOT NULL, "
                           "details TEXT NOT NULL, "
                           "results TEXT NOT NULL)"),
            QStringLiteral(
                "CREATE UNIQUE INDEX one_followed_plan ON plans ((ended_at IS NULL)) WHERE ended_at IS NULL"),
            QStringLiteral(
                "CREATE TABLE preferences (key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL) WITHOUT ROWID"),
        },
    };
    return steps;
}

// Runs a statement that needs the journal's lock, waiting for it. SQLite's busy
// timeout covers most waits, but while a journal is being made and switched to WAL,
// SQLite answers "busy" at once to the others, rather than have two connections wait
// on each other: those are waited out here, as long as the busy timeout.
bool execWaiting(QSqlQuery& query, const QString& sql)
{
    QElapsedTimer waited;
    waited.start();
    while (!query.exec(sql)) {
        if ((query.lastError().nativeErrorCode().toInt() & 0xff) != kSqliteBusy
            || waited.elapsed() > kBusyTimeoutMilliseconds)
            return false;
        query.finish();
        QThread::msleep(20);
    }
    return true;
}

QString newConnectionName()
{
    static QAtomicInteger<quint32> count;
    return QStringLiteral("journal-%1").arg(count.fetchAndAddRelaxed(1));
}

QString dayText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime readTime(const QVariant& value)
{
    return value.isNull() ? QDateTime() : QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
}

QString unitText(WeightUnit unit)
{
    return unitSymbol(unit);
}

WeightUnit readUnit(const QString& text)
{
    return text == QLatin1String("kg") ? WeightUnit::Kilograms : WeightUnit::Pounds;
}

QString jsonText(const QVariantMap& map)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Compact));
}

QVariantMap readJson(const QVariant& value)
{
    return QJsonDocument::fromJson(value.toString().toUtf8()).object().toVariantMap();
}

bool damagedError(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

// What the file in the journal's place turned out to be.
struct Verdict
{
    enum Kind { Ours, Empty, Foreign, Damaged, Newer, Unreadable } kind = Unreadable;
    int version = 0;
    QString reason; // why it could not be read, for Unreadable
};

// A file with no application id, no version and no tables is a journal being made:
// the empty file this program makes first, or one a moment before the transaction
// that makes its tables commits.
Verdict::Kind verdictOf(int applicationId, int version, int tables)
{
    if (applicationId == 0 && tables == 0 && version == 0)
        return Verdict::Empty;
    if (applicationId != Journal::kApplicationId)
        return Verdict::Foreign;
    if (version > Journal::kSchemaVersion)
        return Verdict::Newer;
    return Verdict::Ours;
}

// SQLite reads a WAL journal through its -shm file, which it cannot make in a folder
// that cannot be written. Without a -wal file beside it no writer can be at it either,
// and it is read as a file that does not change.
bool unchanging(const QString& absolute)
{
    return ::access(QFile::encodeName(QFileInfo(absolute).path()).constData(), W_OK) != 0
        && !QFileInfo::exists(absolute + QStringLiteral("-wal"))
        && !QFileInfo::exists(absolute + QStringLiteral("-shm"));
}

QString immutableName(const QString& absolute)
{
    return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1");
}

// Reads a SQLite file without writing to it: its application id, its version and
// whether its pages hold together, all in one read transaction, so that a journal
// another process is making is seen either empty or whole.
Verdict examine(const QString& path)
{
    const QString name = newConnectionName() + QStringLiteral("-examine");
    Verdict verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        const bool immutable = unchanging(path);
        db.setDatabaseName(immutable ? immutableName(path) : path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(kBusyTimeoutMilliseconds)
                                 .arg(immutable ? QStringLiteral(";QSQLITE_OPEN_URI") : QString()));
        const auto single = [&](const QString& sql, QVariant* value) {
            QSqlQuery query(db);
            if (!query.exec(sql) || (value && !query.next())) {
                const QSqlError error = query.lastError();
                verdict.kind = damagedError(error) ? Verdict::Damaged : Verdict::Unreadable;
                verdict.reason = error.text();
                return false;
            }
            if (value)
                *value = query.value(0);
            return true;
        };
        QVariant applicationId, version, tables, check;
        if (!db.open()) {
            verdict.reason = db.lastError().text();
        } else if (single(QStringLiteral("BEGIN"), nullptr)
            && single(QStringLiteral("SELECT count(*) FROM sqlite_master"), &tables)
            && single(QStringLiteral("PRAGMA application_id"), &applicationId)
            && single(QStringLiteral("PRAGMA user_version"), &version)) {
            verdict.version = version.toInt();
            verdict.kind = verdictOf(applicationId.toInt(), verdict.version, tables.toInt());
            if (verdict.kind == Verdict::Ours && single(QStringLiteral("PRAGMA quick_check"), &check))
                verdict.kind = check.toString() == QLatin1String("ok") ? Verdict::Ours : Verdict::Damaged;
            single(QStringLiteral("COMMIT"), nullptr);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}

// Makes the folders up to and including `folder` that are missing, each 0700. The
// empty text when the folder is there, else the folder that failed and why.
std::pair<QString, QString> makeFolder(const QString& folder)
{
    QStringList missing;
    for (QString path = folder; !QFileInfo::exists(path); path = QFileInfo(path).path()) {
        missing.prepend(path);
        if (QFileInfo(path).path() == path)
            break;
    }
    for (const QString& path : std::as_const(missing)) {
        if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) != 0 && errno != EEXIST)
            return {path, qt_error_string(errno)};
    }
    return {};
}

// The empty text when the journal can be written at `path` in `folder`, else why not.
std::pair<QString, QString> unwritable(const QString& folder, const QString& path)
{
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return {folder, qt_error_string(errno)};
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return {path, qt_error_string(errno)};
    return {};
}

// Whether anything, a dangling link too, has this name.
bool present(const QString& path)
{
    struct stat info
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// What a file that is not a regular file is, for a message.
QString kindOf(mode_t mode)
{
    // The kinds complete "it is %1, not a file" and "it is %1 where the journal keeps
    // a file of its own".
    if (S_ISDIR(mode)) {
        //: What stands where the journal's file should be, in "it is %1, not a file"
        return JournalMessages::tr("a folder");
    }
    if (S_ISFIFO(mode)) {
        //: What stands where the journal's file should be, in "it is %1, not a file"
        return JournalMessages::tr("a FIFO (named pipe)");
    }
    if (S_ISSOCK(mode)) {
        //: What stands where the journal's file should be, in "it is %1, not a file"
        return JournalMessages::tr("a socket");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        //: What stands where the journal's file should be, in "it is %1, not a file"
        return JournalMessages::tr("a device");
    }
    if (S_ISLNK(mode)) {
        //: What stands where the journal's file should be, in "it is %1, not a file"
        return JournalMessages::tr("a link");
    }
    //: What stands where the journal's file should be, in "it is %1, not a file"
    return JournalMessages::tr("no regular file");
}

// A name beside `path` that nothing has yet, with the day and time in it:
// journal.sqlite -> journal-damaged-2026-12-09-1530.sqlite, then ...-1530-2.sqlite.
QString asideName(const QString& path, const QString& kind)
{
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + kind + QLatin1Char('-')
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1;; ++n) {
        const QString name = stem + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + suffix;
        if (!present(name) && !present(name + QStringLiteral("-wal")) && !present(name + QStringLiteral("-shm")))
            return name;
    }
}

// Renames without ever replacing what has the new name.
bool renameAside(const QString& from, const QString& to)
{
    return ::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
               RENAME_NOREPLACE)
        == 0;
}

// The path with every link followed, also where the last one leads to nothing yet.
QString resolved(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int links = 0; links < 40 && QFileInfo(current).isSymLink(); ++links)
        current = QFileInfo(current).symLinkTarget();
    const QFileInfo info(current);
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    return folder.isEmpty() ? current : folder + QLatin1Char('/') + info.fileName();
}

const QStringList& companionSuffixes()
{
    static const QStringList suffixes {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};
    return suffixes;
}

} // namespace

Journal::Journal(QString path)
    : m_path(std::move(path))
{ }

Journal::~Journal()
{
    if (m_connectionName.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString Journal::defaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/journal.sqlite");
}

bool Journal::isOpen()
{
    return open();
}

void Journal::setWriteHook(int rows, std::function<void(int)> hook)
{
    m_hookRows = rows;
    m_writeHook = std::move(hook);
}

bool Journal::fail(const QString& what, const QString& reason)
{
    //: Why the journal cannot be opened. %1 is a path (the journal's file or folder), %2 the reason, a clause
    //: that starts with a small letter ("it cannot be written (...)")
    m_error = QCoreApplication::translate("JournalMessages", "Your weigh-ins cannot be kept: %1: %2").arg(what, reason);
    return false;
}

bool Journal::failed(const QSqlQuery& query, const QString& message)
{
    m_error = message.arg(m_path, writeFailure(query.lastError()));
    return false;
}

bool Journal::newer(int version)
{
    //: %1 is the journal's path, %2 the version of the journal, %3 the highest version this program reads
    m_error = QCoreApplication::translate("JournalMessages",
        "The journal %1 was written by a newer version of this program (journal version %2; "
        "this version reads up to %3). It was left as it is: the newer version can open it.")
                  .arg(QFileInfo(m_path).absoluteFilePath())
                  .arg(version)
                  .arg(kSchemaVersion);
    return false;
}

QString Journal::movedAsideText() const
{
    if (!m_movedAside)
        return {};
    if (!m_linkTarget.isEmpty()) {
        //: %1 is the journal's path, %2 the file the link pointed to, %3 the path the link was moved to
        return QCoreApplication::translate("JournalMessages",
            "%1 was a link to %2, not a journal of its own: the link was moved to %3 and a new "
            "journal was started; %2 was left as it is.")
            .arg(m_movedAside->first, m_linkTarget, m_movedAside->second);
    }
    //: %1 is the journal's path, %2 the path it was moved to
    return QCoreApplication::translate("JournalMessages",
        "%1 was damaged or no journal of this program: it was moved to %2 and a new journal "
        "was started.")
        .arg(m_movedAside->first, m_movedAside->second);
}

bool Journal::isOwnFile(const QString& path) const
{
    if (m_path.isEmpty() || path.isEmpty())
        return false;
    const QString target = resolved(path);
    struct stat targetInfo
    {
    };
    const bool targetThere = ::stat(QFile::encodeName(target).constData(), &targetInfo) == 0;
    const QString journal = QFileInfo(m_path).absoluteFilePath();
    for (const QString& suffix : QStringList {QString()} + companionSuffixes()) {
        const QString own = resolved(journal + suffix);
        if (own == target)
            return true;
        // A hard link, or a name through a mount of the same folder.
        struct stat ownInfo
        {
        };
        if (targetThere && ::stat(QFile::encodeName(own).constData(), &ownInfo) == 0
            && ownInfo.st_dev == targetInfo.st_dev && ownInfo.st_ino == targetInfo.st_ino)
            return true;
    }
    return false;
}

QString Journal::writeFailure(const QSqlError& error) const
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString folder = QFileInfo(QFileInfo(m_path).absoluteFilePath()).path();
    if (code == kSqliteFull || code == kSqliteIoError) {
        if (const QString full = fullDiskReason(folder); !full.isEmpty())
            return full;
    }
    if (code == kSqliteReadOnly)
        //: Why the journal failed, after "%1: " naming its path. %1 is the database's own words
        return QCoreApplication::translate("JournalMessages", "it cannot be written (%1)").arg(error.text());
    return error.text();
}

bool Journal::open()
{
    if (m_opened)
        return true;
    if (m_unusable)
        return false;
    Opened result = Opened::Again;
    // Again: a file was moved aside, or the file changed while it was being opened.
    for (int attempt = 0; attempt < 4 && result == Opened::Again; ++attempt) {
        result = prepareFile();
        if (result == Opened::Yes)
            result = openConnection();
        if (result != Opened::Yes)
            closeConnection();
    }
    if (result == Opened::Yes) {
        m_opened = true;
        return true;
    }
    if (result == Opened::Again)
        //: Why the journal cannot be opened, after its path
        fail(m_path, QCoreApplication::translate("JournalMessages", "it kept changing while it was being opened"));
    // The error stays, and every later call fails with it rather than trying again.
    m_unusable = true;
    return false;
}

void Journal::closeConnection()
{
    if (m_connectionName.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

Journal::Opened Journal::prepareFile()
{
    if (m_path.isEmpty()) {
        //: Stands in the place of the journal's path in a message when there is none
        const QString noFolder = QCoreApplication::translate("JournalMessages", "(no folder)");
        //: Why the journal cannot be opened, after "(no folder)"
        fail(noFolder,
            QCoreApplication::translate("JournalMessages", "the system names no folder for the program's data"));
        return Opened::No;
    }
    const QString absolute = QFileInfo(m_path).absoluteFilePath();
    const QString folder = QFileInfo(absolute).path();
    const QByteArray name = QFile::encodeName(absolute);
    m_readOnly = false;
    m_readOnlyReason.clear();
    m_noTables = false;

    // Looked at, never opened, before it is known to be a regular file: opening a FIFO
    // waits for a writer, and opening a link writes wherever it points.
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            fail(absolute, qt_error_string(errno));
            return Opened::No;
        }
        const auto [failedFolder, why] = makeFolder(folder);
        if (!failedFolder.isEmpty()) {
            fail(failedFolder, why);
            return Opened::No;
        }
        if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0) {
            fail(folder, qt_error_string(errno));
            return Opened::No;
        }
        // Made here rather than by SQLite so that it is the person's alone from the
        // start; SQLite gives its -wal and -shm files the same mode. Another process
        // may make it at the same moment: then it is that one's, being made.
        const int made
            = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (made < 0 && errno != EEXIST) {
            fail(absolute, qt_error_string(errno));
            return Opened::No;
        }
        if (made >= 0)
            ::close(made);
        if (::lstat(name.constData(), &info) != 0) {
            fail(absolute, qt_error_string(errno));
            return Opened::No;
        }
    }
    if (S_ISLNK(info.st_mode)) {
        m_linkTarget = QFileInfo(absolute).symLinkTarget();
        return moveAside(absolute, QStringLiteral("link")) ? Opened::Again : Opened::No;
    }
    if (!S_ISREG(info.st_mode)) {
        fail(absolute,
            //: Why the journal cannot be opened, after its path. %1 is what stands there, as "a folder"
            QCoreApplication::translate("JournalMessages",
                "it is %1, not a file, and was left as it is; move it away for a journal to be "
                "started there")
                .arg(kindOf(info.st_mode)));
        return Opened::No;
    }
    QList<bool> had;
    for (const QString& suffix : companionSuffixes()) {
        const QString companion = absolute + suffix;
        struct stat beside
        {
        };
        const bool there = ::lstat(QFile::encodeName(companion).constData(), &beside) == 0;
        had << there;
        // SQLite would open it by name, and follow a link.
        if (there && !S_ISREG(beside.st_mode)) {
            fail(companion,
                //: Why the journal cannot be opened, after the path of a file SQLite keeps beside it. %1 is what
                //: stands there, as "a folder"
                QCoreApplication::translate("JournalMessages",
                    "it is %1 where the journal keeps a file of its own, and was left as it is; move "
                    "it away for the journal to be opened")
                    .arg(kindOf(beside.st_mode)));
            return Opened::No;
        }
    }

    // The file is read through a descriptor that cannot follow a link or wait on a
    // FIFO, and must be the one looked at.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail(absolute, qt_error_string(errno));
        return Opened::No;
    }
    struct stat opened
    {
    };
    QByteArray header(kSqliteHeaderSize, '\0');
    const bool same = ::fstat(fd, &opened) == 0 && opened.st_dev == info.st_dev && opened.st_ino == info.st_ino;
    const ssize_t read = same ? ::pread(fd, header.data(), header.size(), 0) : -1;
    const int readError = errno;
    ::close(fd);
    if (!same)
        return Opened::Again;
    if (read < 0) {
        fail(absolute, qt_error_string(readError));
        return Opened::No;
    }
    header.truncate(read);
    m_identity = {quint64(opened.st_dev), quint64(opened.st_ino)};

    if (const auto [place, why] = unwritable(folder, absolute); !place.isEmpty()) {
        m_readOnly = true;
        m_readOnlyReason
            //: %1 is the journal's file or folder, %2 the system's reason
            = QCoreApplication::translate(
                "JournalMessages", "Weigh-ins cannot be added or changed: %1 cannot be written (%2).")
                  .arg(place, why);
    }
    if (opened.st_size == 0)
        return Opened::Yes;

    // The header tells a newer journal without SQLite, which would make a -wal and
    // -shm beside even a file it leaves alone: user_version and application_id are
    // big-endian numbers at bytes 60 and 68.
    Verdict verdict;
    const qint32 version = header.size() == kSqliteHeaderSize ? qFromBigEndian<qint32>(header.constData() + 60) : 0;
    const qint32 application = header.size() == kSqliteHeaderSize ? qFromBigEndian<qint32>(header.constData() + 68) : 0;
    if (header.startsWith(kSqliteMagic) && application == kApplicationId && version > kSchemaVersion)
        verdict = {Verdict::Newer, version, {}};
    else
        verdict = examine(absolute);

    switch (verdict.kind) {
    case Verdict::Ours:
    case Verdict::Empty:
        return Opened::Yes;
    case Verdict::Newer:
        return newer(verdict.version) ? Opened::Yes : Opened::No;
    case Verdict::Unreadable:
        fail(absolute, verdict.reason);
        return Opened::No;
    case Verdict::Foreign:
    case Verdict::Damaged:
        break;
    }

    // Kept whole under another name, with the files SQLite keeps beside it; a -wal or
    // -shm that only the look above made goes.
    const QString aside
        = asideName(absolute, verdict.kind == Verdict::Foreign ? QStringLiteral("unknown") : QStringLiteral("damaged"));
    if (!renameAside(absolute, aside)) {
        fail(absolute,
            //: Why the journal cannot be opened, after its path. %1 is the path it was to be moved to, %2 the
            //: system's reason
            QCoreApplication::translate(
                "JournalMessages", "it is damaged or no journal of this program, and could not be moved to %1: %2")
                .arg(aside, qt_error_string(errno)));
        return Opened::No;
    }
    m_movedAside = std::pair {absolute, aside};
    for (int i = 0; i < companionSuffixes().size(); ++i) {
        // A -wal left behind would be read into the new journal as if it were its own.
        const QString companion = absolute + companionSuffixes().at(i);
        const QString target = aside + companionSuffixes().at(i);
        if (had.at(i) && !renameAside(companion, target)) {
            //: Why the journal cannot be opened, after the path of a file beside it. %1 is the path it was to be
            //: moved to, %2 the system's reason
            fail(companion,
                QCoreApplication::translate("JournalMessages", "it could not be moved to %1: %2")
                    .arg(target, qt_error_string(errno)));
            return Opened::No;
        }
        if (!had.at(i))
            QFile::remove(companion);
    }
    return Opened::Again;
}

bool Journal::moveAside(const QString& absolute, const QString& kind)
{
    const QString aside = asideName(absolute, kind);
    if (!renameAside(absolute, aside)) {
        fail(absolute,
            //: Why the journal cannot be opened, after its path. %1 is the file the link points to, %2 the path it
            //: was to be moved to, %3 the system's reason
            QCoreApplication::translate("JournalMessages", "it is a link to %1, and could not be moved to %2: %3")
                .arg(m_linkTarget, aside, qt_error_string(errno)));
        return false;
    }
    m_movedAside = std::pair {absolute, aside};
    // What SQLite kept beside a link was never this journal's.
    for (const QString& suffix : companionSuffixes()) {
        if (present(absolute + suffix) && !renameAside(absolute + suffix, aside + suffix)) {
            fail(absolute + suffix,
                //: Why the journal cannot be opened, after the path of a file beside it. %1 is the path it was to
                //: be moved to, %2 the system's reason
                QCoreApplication::translate("JournalMessages", "it could not be moved to %1: %2")
                    .arg(aside + suffix, qt_error_string(errno)));
            return false;
        }
    }
    return true;
}

Journal::Opened Journal::openConnection()
{
    const QString absolute = QFileInfo(m_path).absoluteFilePath();
    m_connectionName = newConnectionName();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!m_db.isValid()) {
        //: Why the journal cannot be opened, after its path. libqt6sql6-sqlite is the name of a package: keep it
        fail(m_path,
            QCoreApplication::translate(
                "JournalMessages", "the toolkit's SQLite driver is missing (package libqt6sql6-sqlite)"));
        return Opened::No;
    }
    m_db.setDatabaseName(absolute);
    // SQLite reads a WAL journal through its -shm file, which it cannot make in a
    // folder that cannot be written. Without a -wal file beside it no writer can be at
    // it either, and it is read as a file that does not change.
    const bool immutable = m_readOnly && ::access(QFile::encodeName(QFileInfo(absolute).path()).constData(), W_OK) != 0
        && !present(absolute + QStringLiteral("-wal")) && !present(absolute + QStringLiteral("-shm"));
    if (immutable)
        m_db.setDatabaseName(
            QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
    // Another process writing (the command line adding a weigh-in while the window
    // runs) is waited for rather than taken for a failure: the timeout is set as the
    // connection opens, before its first statement.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMilliseconds);
    if (m_readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    if (immutable)
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        fail(m_path, m_db.lastError().text());
        return Opened::No;
    }
    // The toolkit's SQLite driver takes no SQLITE_OPEN_NOFOLLOW and SQLite opens by
    // name: the file it opened must still be the regular file looked at above.
    struct stat now
    {
    };
    if (::lstat(QFile::encodeName(absolute).constData(), &now) != 0 || !S_ISREG(now.st_mode)
        || std::pair {quint64(now.st_dev), quint64(now.st_ino)} != m_identity)
        return Opened::Again;

    QSqlQuery query(m_db);
    const auto value = [&](const QString& sql) {
        return query.exec(sql) && query.next() ? std::optional<int>(query.value(0).toInt()) : std::nullopt;
    };
    const auto mistaken = [&]() {
        // Damaged or replaced since it was examined: looked at again from the start.
        if (damagedError(query.lastError()))
            return Opened::Again;
        fail(m_path, writeFailure(query.lastError()));
        return Opened::No;
    };
    if (m_readOnly) {
        if (!query.exec(QStringLiteral("BEGIN")))
            return mistaken();
        const std::optional<int> tables = value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        const std::optional<int> application = value(QStringLiteral("PRAGMA application_id"));
        const std::optional<int> version = value(QStringLiteral("PRAGMA user_version"));
        if (!tables || !application || !version)
            return mistaken();
        query.exec(QStringLiteral("COMMIT"));
        switch (verdictOf(*application, *version, *tables)) {
        case Verdict::Empty:
            m_noTables = true;
            return Opened::Yes;
        case Verdict::Newer:
            return newer(*version) ? Opened::Yes : Opened::No;
        case Verdict::Foreign:
            //: Why the journal cannot be opened, after its path
            fail(m_path,
                QCoreApplication::translate(
                    "JournalMessages", "it is no journal of this program, and cannot be moved aside"));
            return Opened::No;
        default:
            return Opened::Yes;
        }
    }

    // Only a file found to be a journal, or empty, is put in WAL mode: that writes to it.
    if (!execWaiting(query, QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next())
        return mistaken();
    if (query.value(0).toString() != QLatin1String("wal")) {
        //: Why the journal cannot be opened, after its path. WAL is SQLite's name of a way to keep a database
        fail(m_path, QCoreApplication::translate("JournalMessages", "SQLite would not keep it in WAL mode"));
        return Opened::No;
    }
    // A statement left open keeps its read of the journal, and a writer cannot begin
    // on a read that another process has since written past.
    query.finish();
    // A journal being made is made whole under the write lock, after looking again: of
    // several processes starting on a new journal at once, the first makes it and the
    // others find it made.
    if (!begin()) {
        fail(m_path, m_error);
        return Opened::No;
    }
    const std::optional<int> tables = value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    const std::optional<int> application = value(QStringLiteral("PRAGMA application_id"));
    const std::optional<int> version = value(QStringLiteral("PRAGMA user_version"));
    if (!tables || !application || !version) {
        const Opened result = mistaken();
        rollback();
        return result;
    }
    switch (verdictOf(*application, *version, *tables)) {
    case Verdict::Empty:
        for (const QStringList& step : schemaSteps()) {
            for (const QString& statement : step) {
                if (!query.exec(statement)) {
                    fail(m_path, couldNotBeMade().arg(writeFailure(query.lastError())));
                    rollback();
                    return Opened::No;
                }
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))) {
            fail(m_path, couldNotBeMade().arg(writeFailure(query.lastError())));
            rollback();
            return Opened::No;
        }
        query.finish();
        if (!commit()) {
            fail(m_path, couldNotBeMade().arg(m_error));
            return Opened::No;
        }
        break;
    case Verdict::Ours:
        query.finish();
        rollback();
        if (!upgrade(*version))
            return Opened::No;
        break;
    case Verdict::Newer:
        rollback();
        newer(*version);
        return Opened::No;
    default:
        rollback();
        return Opened::Again;
    }
    if (!query.exec(QStringLiteral("PRAGMA foreign_keys=ON"))) {
        fail(m_path, query.lastError().text());
        return Opened::No;
    }
    return Opened::Yes;
}

bool Journal::upgrade(int fromVersion)
{
    const QList<QStringList>& steps = schemaSteps();
    Q_ASSERT(steps.size() == kSchemaVersion);
    for (int step = fromVersion + 1; step <= kSchemaVersion; ++step) {
        if (!begin())
            return fail(m_path, m_error);
        QSqlQuery query(m_db);
        // Another process may have taken the journal this far while this one waited.
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
            rollback();
            return fail(m_path, query.lastError().text());
        }
        const int version = query.value(0).toInt();
        query.finish();
        if (version >= step) {
            rollback();
            continue;
        }
        QStringList statements = steps.at(step - 1);
        statements << QStringLiteral("PRAGMA user_version = %1").arg(step);
        for (const QString& statement : std::as_const(statements)) {
            if (!query.exec(statement)) {
                const QString reason = writeFailure(query.lastError());
                rollback();
                //: Why the journal cannot be opened, after its path. %1 is the journal version it was to reach, %2
                //: the reason
                return fail(m_path,
                    QCoreApplication::translate("JournalMessages", "its upgrade to version %1 failed: %2")
                        .arg(step)
                        .arg(reason));
            }
        }
        if (!commit())
            return fail(m_path, m_error);
    }
    return true;
}

bool Journal::begin()
{
    if (m_readOnly) {
        m_error = m_readOnlyReason;
        return false;
    }
    QSqlQuery query(m_db);
    if (execWaiting(query, QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    m_error = writeFailure(query.lastError());
    return false;
}

bool Journal::commit()
{
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("COMMIT")))
        return true;
    m_error = writeFailure(query.lastError());
    rollback();
    return false;
}

void Journal::rollback()
{
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("ROLLBACK"));
}

QList<WeighIn> Journal::weighIns()
{
    QList<WeighIn> list;
    if (!open() || m_noTables)
        return list;
    m_error.clear();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT day, weight, unit FROM weigh_ins ORDER BY day"))) {
        //: %1 is the journal's path, %2 the reason
        failed(query, QCoreApplication::translate("JournalMessages", "The weigh-ins could not be read from %1: %2"));
        return list;
    }
    while (query.next()) {
        list.append({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toDouble(),
            readUnit(query.value(2).toString())});
    }
    return list;
}

Journal::DayStates Journal::resultOf(const JournalChange& change)
{
    DayStates states;
    for (const QDate& day : change.remove)
        states.insert(day, std::nullopt);
    for (const WeighIn& weighIn : change.put)
        states.insert(weighIn.date, weighIn);
    return states;
}

Journal::DayStates Journal::statesOf(const JournalChange& change, const QList<WeighIn>& weighIns)
{
    DayStates states;
    for (const QDate& day : resultOf(change).keys())
        states.insert(day, std::nullopt);
    for (const WeighIn& w : weighIns) {
        if (states.contains(w.date))
            states.insert(w.date, w);
    }
    return states;
}

std::optional<JournalChange> Journal::apply(const JournalChange& change)
{
    return apply(change, {}, IfChanged::RefuseAll);
}

std::optional<JournalChange> Journal::apply(
    const JournalChange& requested, const DayStates& expected, IfChanged ifChanged)
{
    m_changedDays.clear();
    if (!open())
        return std::nullopt;
    m_error.clear();
    JournalChange change = requested;
    const QDate today = QDate::currentDate();
    for (const WeighIn& weighIn : change.put) {
        // A weigh-in the journal held, put back, may lie after today: it was kept once
        // (a wrong clock) and Undo must not lose it.
        const QString problem = weighInProblem(weighIn, change.restores ? std::max(today, weighIn.date) : today);
        if (!problem.isEmpty()) {
            m_error = problem;
            return std::nullopt;
        }
    }
    for (const QDate& day : change.remove) {
        if (!day.isValid()) {
            //: Why a weigh-in could not be removed
            m_error = QCoreApplication::translate("JournalMessages", "The date is not a day of the calendar.");
            return std::nullopt;
        }
    }

    // Each day the change touches, once, with what it holds before and after.
    QList<QDate> days;
    QHash<QDate, std::optional<WeighIn>> after;
    for (const QDate& day : change.remove) {
        if (!after.contains(day))
            days.append(day);
        after.insert(day, std::nullopt);
    }
    for (const WeighIn& weighIn : change.put) {
        if (!after.contains(weighIn.date))
            days.append(weighIn.date);
        after.insert(weighIn.date, weighIn);
    }
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!after.contains(it.key()))
            days.append(it.key());
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());

    if (!begin()) {
        if (!m_readOnly)
            m_error = couldNotBeWritten().arg(m_path, m_error);
        return std::nullopt;
    }
    const auto abandon = [this](const QSqlQuery& query) {
        failed(query, weighInsNotWritten());
        rollback();
        return std::nullopt;
    };
    QHash<QDate, WeighIn> before;
    QSqlQuery select(m_db);
    select.setForwardOnly(true);
    if (!select.prepare(QStringLiteral("SELECT weight, unit FROM weigh_ins WHERE day = ?")))
        return abandon(select);
    for (const QDate& day : std::as_const(days)) {
        select.addBindValue(dayText(day));
        if (!select.exec())
            return abandon(select);
        if (select.next())
            before.insert(day, {day, select.value(0).toDouble(), readUnit(select.value(1).toString())});
        select.finish();
    }
    // Compared inside the transaction: what another process wrote a moment ago counts.
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const auto was = before.constFind(it.key());
        const std::optional<WeighIn> holds = was == before.cend() ? std::nullopt : std::optional<WeighIn>(*was);
        if (holds != it.value())
            m_changedDays.append(it.key());
    }
    if (!m_changedDays.isEmpty()) {
        if (ifChanged == IfChanged::RefuseAll) {
            rollback();
            QStringList named;
            for (const QDate& day : std::as_const(m_changedDays))
                named << dayText(day);
            //: %1 names the days, as 2026-12-08, 2026-12-09
            m_error = QCoreApplication::translate(
                "JournalMessages", "The weigh-ins of %1 were changed since; nothing was written.")
                          .arg(named.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        change.remove.removeIf([this](const QDate& day) { return m_changedDays.contains(day); });
        change.put.removeIf([this](const WeighIn& w) { return m_changedDays.contains(w.date); });
        days.removeIf([this](const QDate& day) { return m_changedDays.contains(day); });
    }
    QSqlQuery remove(m_db);
    if (!remove.prepare(QStringLiteral("DELETE FROM weigh_ins WHERE day = ?")))
        return abandon(remove);
    for (const QDate& day : change.remove) {
        remove.addBindValue(dayText(day));
        if (!remove.exec())
            return abandon(remove);
    }
    QSqlQuery put(m_db);
    if (!put.prepare(QStringLiteral("INSERT OR REPLACE INTO weigh_ins (day, weight, unit) VALUES (?, ?, ?)")))
        return abandon(put);
    int written = 0;
    for (const WeighIn& weighIn : change.put) {
        put.addBindValue(dayText(weighIn.date));
        put.addBindValue(weighIn.weight);
        put.addBindValue(unitText(weighIn.unit));
        if (!put.exec())
            return abandon(put);
        ++written;
        if (m_writeHook && m_hookRows > 0 && written % m_hookRows == 0)
            m_writeHook(written);
    }
    if (!commit()) {
        m_error = weighInsNotWritten().arg(m_path, m_error);
        return std::nullopt;
    }

    JournalChange undo;
    undo.restores = true;
    for (const QDate& day : std::as_const(days)) {
        if (!after.contains(day))
            continue; // only expected, not changed
        const std::optional<WeighIn>& now = after.value(day);
        const auto was = before.constFind(day);
        if (was != before.constEnd()) {
            if (!now || *now != *was)
                undo.put.append(*was);
        } else if (now) {
            undo.remove.append(day);
        }
    }
    return undo;
}

std::optional<StoredPlan> Journal::followedPlan()
{
    QList<StoredPlan> all = plans();
    if (all.isEmpty() || all.last().endedAt.isValid())
        return std::nullopt;
    return all.last();
}

QList<StoredPlan> Journal::plans()
{
    QList<StoredPlan> list;
    if (!open() || m_noTables)
        return list;
    m_error.clear();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, followed_at, ended_at, start_day, days, start_pounds, goal_pounds, "
                                   "details, results FROM plans ORDER BY ended_at IS NULL, id"))) {
        //: %1 is the journal's path, %2 the reason
        failed(query, QCoreApplication::translate("JournalMessages", "The plans could not be read from %1: %2"));
        return list;
    }
    while (query.next()) {
        StoredPlan plan;
        plan.id = query.value(0).toLongLong();
        plan.followedAt = readTime(query.value(1));
        plan.endedAt = readTime(query.value(2));
        plan.start = QDate::fromString(query.value(3).toString(), Qt::ISODate);
        plan.days = query.value(4).toInt();
        plan.startPounds = query.value(5).toDouble();
        plan.goalPounds = query.value(6).toDouble();
        plan.details = readJson(query.value(7));
        plan.results = readJson(query.value(8));
        list.append(plan);
    }
    return list;
}

bool Journal::follow(StoredPlan& plan)
{
    if (!open())
        return false;
    m_error.clear();
    if (!plan.start.isValid() || plan.days <= 0 || !std::isfinite(plan.startPounds)
        || !std::isfinite(plan.goalPounds)) {
        //: Why a plan could not be followed: it lacks what the journal keeps of it
        m_error = QCoreApplication::translate(
            "JournalMessages", "The plan has no start date, time frame or weights to keep.");
        return false;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime followedAt = plan.followedAt.isValid() ? plan.followedAt : now;
    if (!begin()) {
        if (!m_readOnly)
            m_error = couldNotBeWritten().arg(m_path, m_error);
        return false;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE plans SET ended_at = ? WHERE ended_at IS NULL"));
    query.addBindValue(timeText(now));
    if (!query.exec()) {
        failed(query, planNotWritten());
        rollback();
        return false;
    }
    query.prepare(QStringLiteral("INSERT INTO plans (followed_at, start_day, days, start_pounds, goal_pounds, "
                                 "details, results) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
        {QVariant(timeText(followedAt)), QVariant(dayText(plan.start)), QVariant(plan.days), QVariant(plan.startPounds),
            QVariant(plan.goalPounds), QVariant(jsonText(plan.details)), QVariant(jsonText(plan.results))})
        query.addBindValue(value);
    if (!query.exec()) {
        failed(query, planNotWritten());
        rollback();
        return false;
    }
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    if (!commit()) {
        m_error = planNotWritten().arg(m_path, m_error);
        return false;
    }
    plan.id = id;
    plan.followedAt = followedAt;
    plan.endedAt = QDateTime();
    return true;
}

std::optional<qint64> Journal::dataVersion()
{
    if (!open())
        return std::nullopt;
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QString Journal::preference(const QString& key)
{
    if (!open() || m_noTables)
        return {};
    m_error.clear();
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT value FROM preferences WHERE key = ?"));
    query.addBindValue(key);
    if (!query.exec()) {
        //: %1 is the journal's path, %2 the reason
        failed(query, QCoreApplication::translate("JournalMessages", "The preferences could not be read from %1: %2"));
        return {};
    }
    return query.next() ? query.value(0).toString() : QString();
}

bool Journal::setPreference(const QString& key, const QString& value)
{
    if (!open())
        return false;
    m_error.clear();
    if (!begin()) {
        if (!m_readOnly)
            m_error = couldNotBeWritten().arg(m_path, m_error);
        return false;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES (?, ?)"));
    query.addBindValue(key);
    query.addBindValue(value);
    if (!query.exec()) {
        failed(query, preferenceNotWritten());
        rollback();
        return false;
    }
    query.finish();
    if (!commit()) {
        m_error = preferenceNotWritten().arg(m_path, m_error);
        return false;
    }
    return true;
}
