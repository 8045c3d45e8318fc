#pragma once

#include "calculator/plan.h"
#include "journal/journal.h"
#include "ui/progresswindow.h"

#include <QDate>
#include <QString>
#include <QUndoStack>
#include <memory>
#include <optional>

class QWidget;

// The person's progress: the journal of their weigh-ins and followed plans, opened
// only when it is first needed (never at start-up), the changes that Undo takes back,
// and what the progress window shows. Messages and dialogs open over the window given.
class ProgressKeeper final
{
public:
    // The journal at its usual place, or at the path given.
    explicit ProgressKeeper(QString journalPath = QString());
    ~ProgressKeeper();
    // Refuses every document written over the journal at this path (its usual place
    // where empty); each keeper does it for its own journal.
    static void guardJournal(const QString& journalPath = QString());
    ProgressKeeper(const ProgressKeeper&) = delete;
    ProgressKeeper& operator=(const ProgressKeeper&) = delete;

    // Follows the plan from today. Where another plan is followed, asks first; a plan
    // that cannot be followed is refused with the reason. True when this plan is
    // followed now.
    bool follow(QWidget* parent, const WeightPlan& plan, const QDate& today);

    ProgressView view(QWidget* parent, const QDate& today);
    // Whether the view given last is out of date: another process changed the journal
    // or the day has turned since.
    bool stale(const QDate& today);

    // What the progress window asks for. Each change to the weigh-ins is one step that
    // Undo takes back.
    // True when the weigh-in was stored.
    bool putWeighIn(QWidget* parent, const WeighIn& weighIn, const QDate& replacing);
    void remove(QWidget* parent, const QList<QDate>& days);
    void undo(QWidget* parent);
    void redo(QWidget* parent);
    void importFile(QWidget* parent, const QDate& today);
    // Imports a file already chosen: the preview, then all of it or nothing.
    void importFile(QWidget* parent, const QString& path, const QDate& today);
    void exportFile(QWidget* parent, const QDate& today);
    void print(QWidget* parent, const QDate& today);
    void savePdf(QWidget* parent, const QDate& today);
    void copy(QWidget* parent, const QDate& today);
    void setKilograms(QWidget* parent, bool kilograms);
    void setChartRange(QWidget* parent, ChartRange range);

    // How the last change to the weigh-ins went, for the message that tells it.
    struct Outcome
    {
        QString failure; // why the journal refused it
        QList<QDate> changedSince; // days changed since the person saw them: nothing written
        QList<QDate> left; // days Undo or Redo left as they were, changed since the step
    };

private:
    struct Report;
    // The journal, opened on first use; what went wrong on opening is told once.
    Journal& journal(QWidget* parent);
    Report report(QWidget* parent, const QDate& today);
    bool change(
        QWidget* parent, const JournalChange& change, const QString& text, const Journal::DayStates& expected = {});
    void tellFailure(QWidget* parent);

    QString m_path;
    std::unique_ptr<Journal> m_journal;
    bool m_told = false;
    QUndoStack m_undo;
    Outcome m_outcome;
    std::optional<qint64> m_seenVersion; // of the journal, when the view was last given
    QDate m_seenDay;
};
