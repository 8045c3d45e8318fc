#pragma once

#include "journal/journalrecords.h"

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
// that is not a journal of this program, or is damaged, is moved aside whole, never
// overwritten, and a new journal is started in its place. A journal that cannot be
// kept (a folder that cannot be made or written, a file that cannot be opened for
// writing, a journal of a newer version) makes every call fail quietly with the same
// error, for the window to show once.
//
// Every change is one transaction, begun as a writer (BEGIN IMMEDIATE), so another
// process adding a weigh-in at the same time waits its turn instead of failing.
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

    // Opens the journal on first use; false when it cannot be kept.
    bool isOpen();
    // Why the journal cannot be kept, or why the last call that failed did; empty
    // when nothing failed.
    QString error() const { return m_error; }
    // A file that was in the journal's place and had to be moved aside on opening
    // (from, to), for the window to name both in one message.
    std::optional<std::pair<QString, QString>> movedAside() const { return m_movedAside; }

    // Every weigh-in, oldest first; nothing when the journal cannot be kept.
    QList<WeighIn> weighIns();
    // Applies the change whole or not at all. On success, returns the change that
    // undoes it: the earlier weigh-ins of the days it replaced or removed, and the
    // removal of the days it added. A weigh-in that weighInProblem() refuses refuses
    // the whole change.
    std::optional<JournalChange> apply(const JournalChange& change);

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
    bool open();
    bool prepareFile();
    bool openConnection();
    bool upgrade(int fromVersion);
    bool begin();
    bool commit();
    void rollback();
    bool newer(int version);
    bool fail(const QString& what, const QString& reason);
    bool failed(const QSqlQuery& query, const QString& what);

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_opened = false;
    bool m_unusable = false;
    QString m_error;
    std::optional<std::pair<QString, QString>> m_movedAside;
    int m_hookRows = 0;
    std::function<void(int)> m_writeHook;
};
