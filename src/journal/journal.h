#pragma once

#include "journal/journalrecords.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

class QSqlQuery;

// The person's journal: their weigh-ins, the plans they followed and a few
// preferences, in one SQLite file that only this class reads or writes.
//
// Constructing a journal touches no disk; the first call that needs the file opens
// it, making its folder (0700) and the file (0600) where they are missing. A file
// that is not a journal of this program, is damaged, or is a link to somewhere else,
// is moved aside whole, never overwritten or written through, and a new journal is
// started in its place. Anything else in its place (a folder, a FIFO, a socket, a
// device) is left as it is and refused. A journal that can be read but not written
// (a read-only file, folder or disk) opens for reading, and every change is refused
// with the reason. A journal that cannot be kept at all (a folder that cannot be
// made, a journal of a newer version) makes every call fail quietly with the same
// error, for the window to show once.
//
// Every change is one transaction, begun as a writer (BEGIN IMMEDIATE), so another
// process adding a weigh-in at the same time waits its turn instead of failing. A new
// journal is made whole in one such transaction, so that a second process opening it
// at the same moment sees either an empty file or a whole journal.
class Journal final
{
public:
    // The schema this program writes, in PRAGMA user_version; older ones are upgraded.
    static constexpr int kSchemaVersion = 2;
    // PRAGMA application_id of every journal: "Vlt1".
    static constexpr qint32 kApplicationId = 0x566c7431;

    explicit Journal(QString path = defaultPath());
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // journal.sqlite in the program's data folder ($XDG_DATA_HOME/<application>).
    static QString defaultPath();
    QString path() const { return m_path; }

    // Opens the journal on first use; false when it can be neither kept nor read.
    bool isOpen();
    // Whether the journal opened for reading only, and why it cannot be written, in a
    // sentence for the window.
    bool isReadOnly() { return open() && m_readOnly; }
    QString readOnlyReason() const { return m_readOnlyReason; }
    // Whether `path`, through links or a relative name too, is the journal or one of
    // the files SQLite keeps beside it: a file never to be written by anything else.
    bool isOwnFile(const QString& path) const;
    // Why the journal cannot be kept, or why the last call that failed did; empty
    // when nothing failed.
    QString error() const { return m_error; }
    // A file that was in the journal's place and had to be moved aside on opening
    // (from, to), for the window to name both in one message.
    std::optional<std::pair<QString, QString>> movedAside() const { return m_movedAside; }
    // Where the link moved aside pointed, when what was in the journal's place was a
    // link; empty otherwise.
    QString movedAsideLinkTarget() const { return m_linkTarget; }
    // The same in a sentence for the person.
    QString movedAsideText() const;

    // Every weigh-in, oldest first; nothing when the journal cannot be kept.
    QList<WeighIn> weighIns();
    // Applies the change whole or not at all. On success, returns the change that
    // undoes it: the earlier weigh-ins of the days it replaced or removed, and the
    // removal of the days it added. A weigh-in that weighInProblem() refuses refuses
    // the whole change.
    std::optional<JournalChange> apply(const JournalChange& change);

    // What each day must hold for a change to be made as it was meant: the weigh-in,
    // or nothing (std::nullopt).
    using DayStates = QMap<QDate, std::optional<WeighIn>>;
    // What a day that holds something else than expected does to the change.
    enum class IfChanged {
        RefuseAll, // nothing is written
        LeaveDay, // that day is left as it is, the others are changed
    };
    // As apply(change), the days compared with `expected` inside the transaction. The
    // days that did not hold what was expected are in changedDays() afterwards. The
    // change returned undoes only what was written.
    std::optional<JournalChange> apply(const JournalChange& change, const DayStates& expected, IfChanged ifChanged);
    QList<QDate> changedDays() const { return m_changedDays; }
    // What the days a change touches hold once it is made.
    static DayStates resultOf(const JournalChange& change);
    // What each day the change touches holds in `weighIns`: what it expects to find.
    static DayStates statesOf(const JournalChange& change, const QList<WeighIn>& weighIns);
    // The plan followed now, if any.
    std::optional<StoredPlan> followedPlan();
    // Every plan ever followed, in the order they were followed, the one followed now
    // last.
    QList<StoredPlan> plans();
    // Follows the plan from now on, marking the one before it ended. Sets its id, and
    // its followedAt where that was not set.
    bool follow(StoredPlan& plan);

    // A number that changes when another process (the command line) has changed the
    // journal since it was last asked; nothing when the journal cannot be kept.
    std::optional<qint64> dataVersion();

    // A preference under its key, or the empty text when none was kept.
    QString preference(const QString& key);
    bool setPreference(const QString& key, const QString& value);

    // For tests: called with the count of weigh-ins written so far, every `rows`
    // weigh-ins while apply() is inside its transaction.
    void setWriteHook(int rows, std::function<void(int)> hook);

private:
    enum class Opened { Yes, No, Again };
    bool open();
    Opened prepareFile();
    Opened openConnection();
    void closeConnection();
    bool moveAside(const QString& absolute, const QString& kind);
    QString writeFailure(const QSqlError& error) const;
    bool upgrade(int fromVersion);
    bool begin();
    bool commit();
    void rollback();
    bool newer(int version);
    bool fail(const QString& what, const QString& reason);
    // The message takes the journal's path as %1 and the reason as %2.
    bool failed(const QSqlQuery& query, const QString& message);

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_opened = false;
    bool m_unusable = false;
    bool m_readOnly = false;
    bool m_noTables = false; // an empty journal opened for reading only
    QString m_readOnlyReason;
    QString m_error;
    std::optional<std::pair<QString, QString>> m_movedAside;
    QString m_linkTarget;
    QList<QDate> m_changedDays;
    // The journal file as it was checked before SQLite opened it (device, inode).
    std::pair<quint64, quint64> m_identity {0, 0};
    int m_hookRows = 0;
    std::function<void(int)> m_writeHook;
};
