#include "journal/journal.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kSqliteMagic("SQLite format 3\0", 16);
constexpr int kSqliteHeaderSize = 100;
constexpr int kBusyTimeoutMilliseconds = 10000;
// SQLite's primary result codes for a file that is no database, or a damaged one.
constexpr int kSqliteCorrupt = 11;
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

// Reads a SQLite file without writing to it: its application id, its version and
// whether its pages hold together.
Verdict examine(const QString& path)
{
    const QString name = newConnectionName() + QStringLiteral("-examine");
    Verdict verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMilliseconds));
        const auto single = [&](const QString& sql, QVariant* value) {
            QSqlQuery query(db);
            if (!query.exec(sql) || !query.next()) {
                const QSqlError error = query.lastError();
                verdict.kind = damagedError(error) ? Verdict::Damaged : Verdict::Unreadable;
                verdict.reason = error.text();
                return false;
            }
            *value = query.value(0);
            return true;
        };
        QVariant applicationId, version, tables, check;
        if (!db.open()) {
            verdict.reason = db.lastError().text();
        } else if (single(QStringLiteral("PRAGMA application_id"), &applicationId)
            && single(QStringLiteral("PRAGMA user_version"), &version)
            && single(QStringLiteral("SELECT count(*) FROM sqlite_master"), &tables)) {
            verdict.version = version.toInt();
            if (applicationId.toInt() == 0 && tables.toInt() == 0 && verdict.version == 0)
                verdict.kind = Verdict::Empty;
            else if (applicationId.toInt() != Journal::kApplicationId)
                verdict.kind = Verdict::Foreign;
            else if (verdict.version > Journal::kSchemaVersion)
                verdict.kind = Verdict::Newer;
            else if (single(QStringLiteral("PRAGMA quick_check"), &check))
                verdict.kind = check.toString() == QLatin1String("ok") ? Verdict::Ours : Verdict::Damaged;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}

// Makes the folders up to and including `folder` that are missing, each 0700. The
// empty text when the folder is there and can be written, else the folder that
// failed and why.
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
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return {folder, qt_error_string(errno)};
    return {};
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
        if (!QFileInfo::exists(name) && !QFileInfo::exists(name + QStringLiteral("-wal"))
            && !QFileInfo::exists(name + QStringLiteral("-shm")))
            return name;
    }
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
    m_error = QStringLiteral("Your weigh-ins cannot be kept: %1: %2").arg(what, reason);
    return false;
}

bool Journal::failed(const QSqlQuery& query, const QString& what)
{
    m_error = QStringLiteral("%1 %2: %3").arg(what, m_path, query.lastError().text());
    return false;
}

bool Journal::newer(int version)
{
    m_error = QStringLiteral("The journal %1 was written by a newer version of this program (journal version %2; "
                             "this version reads up to %3). It was left as it is: the newer version can open it.")
                  .arg(QFileInfo(m_path).absoluteFilePath())
                  .arg(version)
                  .arg(kSchemaVersion);
    return false;
}

bool Journal::open()
{
    if (m_opened)
        return true;
    if (m_unusable)
        return false;
    if (prepareFile() && openConnection()) {
        m_opened = true;
        return true;
    }
    // The error stays, and every later call fails with it rather than trying again.
    m_unusable = true;
    if (!m_connectionName.isEmpty()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        m_connectionName.clear();
    }
    return false;
}

bool Journal::prepareFile()
{
    if (m_path.isEmpty())
        return fail(QStringLiteral("(no folder)"), QStringLiteral("the system names no folder for the program's data"));
    const QString absolute = QFileInfo(m_path).absoluteFilePath();
    const auto [folder, why] = makeFolder(QFileInfo(absolute).path());
    if (!folder.isEmpty())
        return fail(folder, why);

    QFile file(absolute);
    if (!QFileInfo::exists(absolute)) {
        // Made here rather than by SQLite so that it is the person's alone from the
        // start; SQLite gives its -wal and -shm files the same mode.
        if (file.open(QIODevice::ReadWrite | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return true;
        if (!QFileInfo::exists(absolute))
            return fail(absolute, file.errorString());
    }
    if (!file.open(QIODevice::ReadWrite))
        return fail(absolute, file.errorString());
    const QByteArray header = file.read(kSqliteHeaderSize);
    const bool empty = file.size() == 0;
    file.close();
    if (empty)
        return true;

    const QString wal = absolute + QStringLiteral("-wal");
    const QString shm = absolute + QStringLiteral("-shm");
    const bool hadWal = QFileInfo::exists(wal);
    const bool hadShm = QFileInfo::exists(shm);
    // The header tells a newer journal without SQLite, which would make a -wal and
    // -shm beside even a file it leaves alone: user_version and application_id are
    // big-endian numbers at bytes 60 and 68.
    Verdict verdict;
    const qint32 version = header.size() == kSqliteHeaderSize ? qFromBigEndian<qint32>(header.constData() + 60) : 0;
    const qint32 application = header.size() == kSqliteHeaderSize ? qFromBigEndian<qint32>(header.constData() + 68) : 0;
    if (!header.startsWith(kSqliteMagic) || header.size() < kSqliteHeaderSize)
        verdict.kind = Verdict::Damaged;
    else if (application == kApplicationId && version > kSchemaVersion)
        verdict = {Verdict::Newer, version, {}};
    else
        verdict = examine(absolute);

    switch (verdict.kind) {
    case Verdict::Ours:
    case Verdict::Empty:
        return true;
    case Verdict::Newer:
        return newer(verdict.version);
    case Verdict::Unreadable:
        return fail(absolute, verdict.reason);
    case Verdict::Foreign:
    case Verdict::Damaged:
        break;
    }

    // Kept whole under another name, with the files SQLite keeps beside it; a -wal or
    // -shm that only the look above made goes.
    const QString aside
        = asideName(absolute, verdict.kind == Verdict::Foreign ? QStringLiteral("unknown") : QStringLiteral("damaged"));
    if (!QFile::rename(absolute, aside))
        return fail(absolute,
            QStringLiteral("it is damaged or no journal of this program, and could not be moved to %1").arg(aside));
    for (const auto& [companion, had] : {std::pair {wal, hadWal}, std::pair {shm, hadShm}}) {
        // A -wal left behind would be read into the new journal as if it were its own.
        const QString target = aside + companion.mid(absolute.size());
        if (had && !QFile::rename(companion, target))
            return fail(companion, QStringLiteral("it could not be moved to %1").arg(target));
        if (!had)
            QFile::remove(companion);
    }
    m_movedAside = std::pair {absolute, aside};
    if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return fail(absolute, file.errorString());
    return true;
}

bool Journal::openConnection()
{
    m_connectionName = newConnectionName();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!m_db.isValid())
        return fail(m_path, QStringLiteral("the toolkit's SQLite driver is missing (package libqt6sql6-sqlite)"));
    m_db.setDatabaseName(QFileInfo(m_path).absoluteFilePath());
    // Another process writing (the command line adding a weigh-in while the window
    // runs) is waited for rather than taken for a failure.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMilliseconds));
    if (!m_db.open())
        return fail(m_path, m_db.lastError().text());

    QSqlQuery query(m_db);
    // Read again through SQLite, which sees what a running program has not yet
    // written back from the -wal file.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail(m_path, query.lastError().text());
    const int version = query.value(0).toInt();
    if (version > kSchemaVersion)
        return newer(version);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next())
        return fail(m_path, query.lastError().text());
    if (query.value(0).toString() != QLatin1String("wal"))
        return fail(m_path, QStringLiteral("SQLite would not keep it in WAL mode"));
    if (!query.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
        return fail(m_path, query.lastError().text());
    query.finish();
    return upgrade(version);
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
                const QString reason = query.lastError().text();
                rollback();
                return fail(m_path, QStringLiteral("its upgrade to version %1 failed: %2").arg(step).arg(reason));
            }
        }
        if (!commit())
            return fail(m_path, m_error);
    }
    return true;
}

bool Journal::begin()
{
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    m_error = query.lastError().text();
    return false;
}

bool Journal::commit()
{
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("COMMIT")))
        return true;
    m_error = query.lastError().text();
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
    if (!open())
        return list;
    m_error.clear();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT day, weight, unit FROM weigh_ins ORDER BY day"))) {
        failed(query, QStringLiteral("The weigh-ins could not be read from"));
        return list;
    }
    while (query.next()) {
        list.append({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toDouble(),
            readUnit(query.value(2).toString())});
    }
    return list;
}

std::optional<JournalChange> Journal::apply(const JournalChange& change)
{
    if (!open())
        return std::nullopt;
    m_error.clear();
    const QDate today = QDate::currentDate();
    for (const WeighIn& weighIn : change.put) {
        const QString problem = weighInProblem(weighIn, today);
        if (!problem.isEmpty()) {
            m_error = problem;
            return std::nullopt;
        }
    }
    for (const QDate& day : change.remove) {
        if (!day.isValid()) {
            m_error = QStringLiteral("The date is not a day of the calendar.");
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
    std::sort(days.begin(), days.end());

    if (!begin()) {
        m_error = QStringLiteral("The journal %1 could not be written: %2").arg(m_path, m_error);
        return std::nullopt;
    }
    const auto abandon = [this](const QSqlQuery& query) {
        failed(query, QStringLiteral("The weigh-ins could not be written to"));
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
        m_error = QStringLiteral("The weigh-ins could not be written to %1: %2").arg(m_path, m_error);
        return std::nullopt;
    }

    JournalChange undo;
    for (const QDate& day : std::as_const(days)) {
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
    if (!open())
        return list;
    m_error.clear();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, followed_at, ended_at, start_day, days, start_pounds, goal_pounds, "
                                   "details, results FROM plans ORDER BY ended_at IS NULL, id"))) {
        failed(query, QStringLiteral("The plans could not be read from"));
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
        m_error = QStringLiteral("The plan has no start date, time frame or weights to keep.");
        return false;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime followedAt = plan.followedAt.isValid() ? plan.followedAt : now;
    if (!begin()) {
        m_error = QStringLiteral("The journal %1 could not be written: %2").arg(m_path, m_error);
        return false;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("UPDATE plans SET ended_at = ? WHERE ended_at IS NULL"));
    query.addBindValue(timeText(now));
    if (!query.exec()) {
        failed(query, QStringLiteral("The plan could not be written to"));
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
        failed(query, QStringLiteral("The plan could not be written to"));
        rollback();
        return false;
    }
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    if (!commit()) {
        m_error = QStringLiteral("The plan could not be written to %1: %2").arg(m_path, m_error);
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
    if (!open())
        return {};
    m_error.clear();
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT value FROM preferences WHERE key = ?"));
    query.addBindValue(key);
    if (!query.exec()) {
        failed(query, QStringLiteral("The preferences could not be read from"));
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
        m_error = QStringLiteral("The journal %1 could not be written: %2").arg(m_path, m_error);
        return false;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES (?, ?)"));
    query.addBindValue(key);
    query.addBindValue(value);
    if (!query.exec()) {
        failed(query, QStringLiteral("The preference could not be written to"));
        rollback();
        return false;
    }
    query.finish();
    if (!commit()) {
        m_error = QStringLiteral("The preference could not be written to %1: %2").arg(m_path, m_error);
        return false;
    }
    return true;
}
