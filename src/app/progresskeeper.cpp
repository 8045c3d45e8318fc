#include "app/progresskeeper.h"

#include "app/followedplan.h"
#include "calculator/plantext.h"
#include "calculator/progress.h"
#include "calculator/progresstext.h"
#include "calculator/resulttexts.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"
#include "platform/messagebox.h"
#include "ui/columnchoice.h"
#include "ui/documentoutput.h"
#include "ui/importpreview.h"
#include "ui/progressdocument.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUndoCommand>

namespace {

const QString kUnitPreference = QStringLiteral("weighInUnit");

// One change to the weigh-ins that Undo takes back and Redo makes again: each way, the
// journal hands back the change that reverses it.
class JournalCommand final : public QUndoCommand
{
public:
    JournalCommand(Journal& journal, JournalChange change, const QString& text, QString& failure)
        : QUndoCommand(text)
        , m_journal(journal)
        , m_forward(std::move(change))
        , m_failure(failure)
    { }

    void redo() override { run(m_forward, m_backward); }
    void undo() override { run(m_backward, m_forward); }

private:
    void run(const JournalChange& change, JournalChange& reverse)
    {
        const std::optional<JournalChange> undone = m_journal.apply(change);
        if (!undone) {
            // A journal that refuses a change leaves this step out of the history.
            m_failure = m_journal.error();
            setObsolete(true);
            return;
        }
        reverse = *undone;
    }

    Journal& m_journal;
    JournalChange m_forward;
    JournalChange m_backward;
    QString& m_failure;
};

QList<DatedWeight> datedWeights(const QList<WeighIn>& weighIns)
{
    QList<DatedWeight> dated;
    dated.reserve(weighIns.size());
    for (const WeighIn& w : weighIns)
        dated.append({w.date, w.pounds()});
    return dated;
}

QString count(qsizetype n, const QString& what)
{
    return n == 1 ? QStringLiteral("1 %1").arg(what) : QStringLiteral("%1 %2s").arg(n).arg(what);
}

} // namespace

// The progress as the window, the paper and the clipboard show it.
struct ProgressKeeper::Report
{
    ProgressView view;
    QString name;
};

ProgressKeeper::ProgressKeeper(QString journalPath)
    : m_path(std::move(journalPath))
{ }

ProgressKeeper::~ProgressKeeper()
{
    // The commands hold the journal: they go first.
    m_undo.clear();
}

Journal& ProgressKeeper::journal(QWidget* parent)
{
    if (!m_journal)
        m_journal = std::make_unique<Journal>(m_path.isEmpty() ? Journal::defaultPath() : m_path);
    const bool open = m_journal->isOpen();
    if (!m_told) {
        m_told = true;
        if (const auto moved = m_journal->movedAside()) {
            MessageBox::information(parent,
                QStringLiteral(
                    "Your journal of weigh-ins could not be read, so it was moved aside, untouched, to %2. A "
                    "new journal starts at %1.")
                    .arg(QDir::toNativeSeparators(moved->first), QDir::toNativeSeparators(moved->second)));
        }
        if (!open)
            MessageBox::critical(parent, m_journal->error());
    }
    return *m_journal;
}

bool ProgressKeeper::follow(QWidget* parent, const WeightPlan& plan, const QDate& today)
{
    if (const QString problem = followProblem(plan); !problem.isEmpty()) {
        MessageBox::information(parent, problem);
        return false;
    }
    Journal& j = journal(parent);
    if (!j.isOpen())
        return false;
    StoredPlan stored = storedPlanOf(plan);
    stored.start = today;
    const std::optional<StoredPlan> current = j.followedPlan();
    if (current && samePlan(*current, stored))
        return true;
    if (current) {
        const std::optional<WeightPlan> earlier = weightPlanOf(*current);
        const QString which = earlier
            ? QStringLiteral("the plan of %1 for %2: %3 lb in %4 days")
                  .arg(QLocale().toString(current->start, QLocale::ShortFormat),
                      resultTexts(earlier->details, earlier->result).name, planFigure(earlier->lossPounds))
                  .arg(earlier->days)
            : QStringLiteral("the plan of %1").arg(QLocale().toString(current->start, QLocale::ShortFormat));
        const auto answer = MessageBox::show(parent,
            QStringLiteral("You follow %1. Follow this plan from today instead? The earlier plan stays in your "
                           "journal, and so do your weigh-ins.")
                .arg(which),
            QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    if (!j.follow(stored)) {
        MessageBox::critical(parent, j.error());
        return false;
    }
    return true;
}

ProgressKeeper::Report ProgressKeeper::report(QWidget* parent, const QDate& today)
{
    Report r;
    ProgressView& v = r.view;
    Journal& j = journal(parent);
    if (!j.isOpen()) {
        v.problem = j.error();
        v.texts = progressTextsWithoutPlan({}, today);
        v.chart = weighInChart({}, today);
        return r;
    }
    v.weighIns = j.weighIns();
    v.kilograms = j.preference(kUnitPreference) == QLatin1String("kg");
    const QList<DatedWeight> dated = datedWeights(v.weighIns);
    QList<TrendDay> trend;
    const std::optional<StoredPlan> stored = j.followedPlan();
    const std::optional<WeightPlan> plan = stored ? weightPlanOf(*stored) : std::nullopt;
    if (plan) {
        const Progress progress = makeProgress(*plan, dated, today);
        v.texts = progressTexts(progress);
        v.chart = progressChart(progress);
        trend = progress.trend;
        r.name = resultTexts(plan->details, plan->result).name;
    } else {
        trend = trendDays(dated, today);
        v.texts = progressTextsWithoutPlan(trend, today);
        v.chart = weighInChart(trend, today);
    }
    for (auto it = trend.crbegin(); it != trend.crend(); ++it) {
        if (it->weighed)
            v.rowDates << it->date;
    }
    v.undoText = m_undo.canUndo() ? m_undo.undoText() : QString();
    v.redoText = m_undo.canRedo() ? m_undo.redoText() : QString();
    return r;
}

ProgressView ProgressKeeper::view(QWidget* parent, const QDate& today)
{
    ProgressView v = report(parent, today).view;
    m_seenVersion = m_journal->dataVersion();
    m_seenDay = today;
    return v;
}

bool ProgressKeeper::stale(const QDate& today)
{
    if (!m_journal || !m_journal->isOpen())
        return false;
    return today != m_seenDay || m_journal->dataVersion() != m_seenVersion;
}

bool ProgressKeeper::change(QWidget* parent, const JournalChange& change, const QString& text)
{
    Journal& j = journal(parent);
    if (!j.isOpen())
        return false;
    m_failure.clear();
    m_undo.push(new JournalCommand(j, change, text, m_failure));
    const bool done = m_failure.isEmpty();
    tellFailure(parent);
    return done;
}

void ProgressKeeper::tellFailure(QWidget* parent)
{
    if (!m_failure.isEmpty())
        MessageBox::critical(parent, m_failure);
    m_failure.clear();
}

bool ProgressKeeper::putWeighIn(QWidget* parent, const WeighIn& weighIn, const QDate& replacing)
{
    JournalChange c;
    if (replacing.isValid() && replacing != weighIn.date)
        c.remove << replacing;
    c.put << weighIn;
    return change(parent, c, replacing.isValid() ? QStringLiteral("Edit of the Weigh-in") : QStringLiteral("Weigh-in"));
}

void ProgressKeeper::remove(QWidget* parent, const QList<QDate>& days)
{
    change(parent, {{}, days}, QStringLiteral("Delete of %1").arg(count(days.size(), QStringLiteral("Weigh-in"))));
}

void ProgressKeeper::undo(QWidget* parent)
{
    m_undo.undo();
    tellFailure(parent);
}

void ProgressKeeper::redo(QWidget* parent)
{
    m_undo.redo();
    tellFailure(parent);
}

void ProgressKeeper::importFile(QWidget* parent, const QDate& today)
{
    const QString path = DocumentOutput::fileToOpen(
        parent, QStringLiteral("Import Weigh-ins"), QStringLiteral("CSV files (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        importFile(parent, path, today);
}

void ProgressKeeper::importFile(QWidget* parent, const QString& path, const QDate& today)
{
    Journal& j = journal(parent);
    if (!j.isOpen())
        return;
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::critical(parent, QStringLiteral("%1 could not be read: %2").arg(shown, file.errorString()));
        return;
    }
    if (file.size() > kLargestWeighInFile) {
        MessageBox::critical(parent, QStringLiteral("%1 is too large to be a file of weigh-ins.").arg(shown));
        return;
    }
    const CsvTable table = readCsvTable(file.readAll());
    ParsedWeighIns parsed = parseWeighInsCsv(table, today);
    // Columns or dates the file does not tell: the person says, starting from what
    // they said for a file with the same columns, and it is kept once imported.
    std::optional<CsvColumnChoice> choice;
    if (parsed.needsChoice) {
        const QString key = columnChoiceKey(table);
        choice = chooseCsvColumns(parent, QFileInfo(path).fileName(), parsed.error, table,
            readColumnChoice(j.preference(key), table).value_or(suggestedColumnChoice(table)));
        if (!choice)
            return;
        parsed = parseWeighInsCsv(table, today, *choice);
    }
    const ImportPreview preview = previewImport(parsed, j.weighIns());
    if (!preview.error.isEmpty()) {
        MessageBox::critical(parent, QStringLiteral("%1 cannot be imported: %2").arg(shown, preview.error));
        return;
    }
    if (!confirmImport(parent, QFileInfo(path).fileName(), preview))
        return;
    if (change(parent, preview.change,
            QStringLiteral("Import of %1").arg(count(preview.added + preview.replaced, QStringLiteral("Weigh-in"))))
        && choice)
        j.setPreference(columnChoiceKey(table), columnChoiceText(*choice));
}

void ProgressKeeper::exportFile(QWidget* parent, const QDate& today)
{
    Journal& j = journal(parent);
    if (!j.isOpen())
        return;
    const QString path = DocumentOutput::fileToSave(parent, QStringLiteral("Export Weigh-ins"),
        suggestedCsvFileName(today), QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (const QString failure = writeWeighInsCsv(path, j.weighIns()); !failure.isEmpty())
        MessageBox::critical(parent, QStringLiteral("Your weigh-ins could not be exported: %1").arg(failure));
}

namespace {

DocumentOutput::Document progressDocument(const ProgressView& view)
{
    return {
        view.texts.title, QStringLiteral("Your progress"), [view](QPagedPaintDevice* device, const QDateTime& made) {
            return renderProgress(device, view.chart, view.texts, made);
        }};
}

} // namespace

void ProgressKeeper::print(QWidget* parent, const QDate& today)
{
    DocumentOutput::print(parent, QStringLiteral("Print Your Progress"), progressDocument(report(parent, today).view));
}

void ProgressKeeper::savePdf(QWidget* parent, const QDate& today)
{
    const Report r = report(parent, today);
    DocumentOutput::saveAsPdf(parent, QStringLiteral("Save Your Progress as PDF"),
        suggestedFileName(r.name, QStringLiteral("progress"), today), progressDocument(r.view));
}

void ProgressKeeper::copy(QWidget* parent, const QDate& today)
{
    QGuiApplication::clipboard()->setText(
        progressPlainText(report(parent, today).view.texts, QDateTime::currentDateTime()));
}

void ProgressKeeper::setKilograms(QWidget* parent, bool kilograms)
{
    Journal& j = journal(parent);
    if (j.isOpen())
        j.setPreference(kUnitPreference, kilograms ? QStringLiteral("kg") : QStringLiteral("lb"));
}
