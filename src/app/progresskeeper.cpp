#include "app/progresskeeper.h"

#include "app/followedplan.h"
#include "app/weighindoubt.h"
#include "app/weightunit.h"
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
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUndoCommand>
#include <algorithm>
#include <cmath>

namespace {

const QString kUnitPreference = QStringLiteral("weighInUnit");
const QString kChartRangePreference = QStringLiteral("chartRange");

// What the progress window's commands say: their message boxes, dialogs and the names
// of their steps in Undo and Redo.
struct ProgressActions
{
    Q_DECLARE_TR_FUNCTIONS(ProgressActions)
};

// One change to the weigh-ins that Undo takes back and Redo makes again: each way, the
// journal hands back the change that reverses it. Each way changes a day only while it
// holds what the other way left there: a weigh-in stored since, from the command line
// or another window, is never undone with it.
class JournalCommand final : public QUndoCommand
{
public:
    // `expected`: what the days must hold for the change to be made at all, as the
    // person saw them when they asked for it.
    JournalCommand(Journal& journal, JournalChange change, Journal::DayStates expected, const QString& text,
        ProgressKeeper::Outcome& outcome)
        : QUndoCommand(text)
        , m_journal(journal)
        , m_forward(std::move(change))
        , m_forwardExpected(std::move(expected))
        , m_outcome(outcome)
    { }

    void redo() override { run(m_forward, m_forwardExpected, m_backward, m_backwardExpected); }
    void undo() override { run(m_backward, m_backwardExpected, m_forward, m_forwardExpected); }

private:
    void run(const JournalChange& change, const Journal::DayStates& expected, JournalChange& reverse,
        Journal::DayStates& reverseExpected)
    {
        const bool first = m_first;
        m_first = false;
        const std::optional<JournalChange> undone
            = m_journal.apply(change, expected, first ? Journal::IfChanged::RefuseAll : Journal::IfChanged::LeaveDay);
        if (!undone) {
            // A journal that refuses a change leaves this step out of the history.
            m_outcome.failure = m_journal.error();
            if (first)
                m_outcome.changedSince = m_journal.changedDays();
            setObsolete(true);
            return;
        }
        const QList<QDate> left = m_journal.changedDays();
        m_outcome.left = left;
        JournalChange made = change;
        made.remove.removeIf([&left](const QDate& day) { return left.contains(day); });
        made.put.removeIf([&left](const WeighIn& w) { return left.contains(w.date); });
        reverse = *undone;
        reverseExpected = Journal::resultOf(made);
    }

    Journal& m_journal;
    JournalChange m_forward;
    Journal::DayStates m_forwardExpected;
    JournalChange m_backward;
    Journal::DayStates m_backwardExpected;
    ProgressKeeper::Outcome& m_outcome;
    bool m_first = true;
};

QString daysText(const QList<QDate>& days)
{
    QStringList names;
    for (const QDate& day : days)
        names << QLocale().toString(day, QLocale::ShortFormat);
    return names.join(QStringLiteral(", "));
}

QList<DatedWeight> datedWeights(const QList<WeighIn>& weighIns)
{
    QList<DatedWeight> dated;
    dated.reserve(weighIns.size());
    for (const WeighIn& w : weighIns)
        dated.append({w.date, w.pounds()});
    return dated;
}

// The trend column in the person's unit, the other in brackets.
void trendInPersonsUnit(ProgressView& v, const QList<TrendDay>& trend)
{
    const QLocale locale;
    const auto figure = [&locale](double value) { return locale.toString(value, 'f', 2); };
    if (v.texts.weighInHeader.size() > 3)
        //: Heading of the trend column of the progress window's table of weigh-ins, in kilograms.
        v.texts.weighInHeader[3] = v.kilograms ? ProgressActions::tr("Trend (kg)")
                                               //: Heading of the trend column, in pounds.
                                               : ProgressActions::tr("Trend (lb)");
    int row = 0;
    for (auto it = trend.crbegin(); it != trend.crend() && row < v.texts.weighInRows.size(); ++it) {
        if (!it->weighed)
            continue;
        QStringList& cells = v.texts.weighInRows[row++];
        if (cells.size() < 4)
            continue;
        const double kilograms = it->trendPounds * kExactKilogramsPerPound;
        cells[3] = v.kilograms ? QStringLiteral("%1 (%2 lb)").arg(figure(kilograms), figure(it->trendPounds))
                               : QStringLiteral("%1 (%2 kg)").arg(figure(it->trendPounds), figure(kilograms));
    }
}

// Weigh-ins dated after today are in no figure, but in the table, newest first and
// marked, so that they can be seen, edited and deleted.
void addLaterWeighIns(ProgressView& v, const QDate& today)
{
    QList<WeighIn> later;
    for (const WeighIn& w : v.weighIns) {
        if (w.date > today)
            later.append(w);
    }
    std::sort(later.begin(), later.end(), [](const WeighIn& a, const WeighIn& b) { return a.date > b.date; });
    const QLocale locale;
    const auto figure = [&locale](double value) { return locale.toString(value, 'f', 2); };
    for (int i = 0; i < later.size(); ++i) {
        const WeighIn& w = later.at(i);
        v.texts.weighInRows.insert(i,
            {locale.toString(w.date, QLocale::ShortFormat), figure(w.pounds()), figure(w.kilograms()),
                //: In the trend column of the table of weigh-ins, for a weigh-in dated after today.
                ProgressActions::tr("after today")});
        v.rowDates.insert(i, w.date);
    }
}

// The weigh-in rows of the days the chart shows, for paper: ten years of them are
// a hundred pages. Those dated after today stay.
ProgressTexts textsInRange(const ProgressView& view)
{
    ProgressTexts texts = view.texts;
    if (view.range == ChartRange::Everything)
        return texts;
    const QDate first = view.chart.firstDate.addDays(qint64(std::floor(view.chart.fromDay)));
    const QDate last = view.chart.firstDate.addDays(qint64(std::ceil(view.chart.lastDay)));
    texts.weighInRows.clear();
    for (int row = 0; row < view.texts.weighInRows.size(); ++row) {
        const QDate day = view.rowDates.value(row);
        if ((day >= first && day <= last) || day > view.today)
            texts.weighInRows.append(view.texts.weighInRows.at(row));
    }
    return texts;
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
{
    guardJournal(m_path);
}

void ProgressKeeper::guardJournal(const QString& journalPath)
{
    // A PDF saved over the journal would take the place of every weigh-in and plan.
    DocumentOutput::setGuard([journalPath](const QString& path) {
        return Journal(journalPath.isEmpty() ? Journal::defaultPath() : journalPath).isOwnFile(path)
            //: Why a PDF is not saved under the name chosen; it follows "<file> could not be saved: ".
            ? ProgressActions::tr("it is your journal of weigh-ins, which a document would take the place of. "
                                  "Nothing was written.")
            : QString();
    });
}

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
        if (const auto moved = m_journal->movedAside(); moved && !m_journal->movedAsideLinkTarget().isEmpty()) {
            MessageBox::information(parent,
                //: Message box. %1 is the journal's file, %2 where the link was moved to, %3 the file the
                //: link pointed to.
                ProgressActions::tr("In the place of your journal of weigh-ins was a link to %3, which the journal "
                                    "is never written through: the link was moved aside to %2, and %3 was left as "
                                    "it is. A new journal starts at %1.")
                    .arg(QDir::toNativeSeparators(moved->first), QDir::toNativeSeparators(moved->second),
                        QDir::toNativeSeparators(m_journal->movedAsideLinkTarget())));
        } else if (moved) {
            MessageBox::information(parent,
                //: Message box. %1 is the journal's file, %2 where the unreadable one was moved to.
                ProgressActions::tr("Your journal of weigh-ins could not be read, so it was moved aside, untouched, "
                                    "to %2. A new journal starts at %1.")
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
        const QString since = QLocale().toString(current->start, QLocale::ShortFormat);
        const QString text = earlier
            //: Message box asked before following a new plan. %1 is the day the earlier plan was started,
            //: %2 the name of its person, %3 the pounds to lose, %n its number of days.
            ? ProgressActions::tr("You follow the plan of %1 for %2: %3 lb in %n days. Follow this plan from today "
                                  "instead? The earlier plan stays in your journal, and so do your weigh-ins.",
                "", earlier->days)
                  .arg(since, resultTexts(earlier->details, earlier->result).name, planFigure(earlier->lossPounds))
            //: Message box asked before following a new plan. %1 is the day the earlier plan was started.
            : ProgressActions::tr("You follow the plan of %1. Follow this plan from today instead? The earlier plan "
                                  "stays in your journal, and so do your weigh-ins.")
                  .arg(since);
        const auto answer
            = MessageBox::show(parent, text, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
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
    // A journal that can be read but not written is shown, with why nothing can be added.
    if (j.isReadOnly())
        v.problem = j.readOnlyReason();
    v.weighIns = j.weighIns();
    // The unit kept with the settings; a journal's own from before, until one is chosen.
    v.kilograms = WeightUnitSetting::kilogramsFirst().value_or(j.preference(kUnitPreference) == QLatin1String("kg"));
    const QList<DatedWeight> dated = datedWeights(v.weighIns);
    QList<TrendDay> trend;
    const std::optional<StoredPlan> stored = j.followedPlan();
    const std::optional<WeightPlan> plan = stored ? weightPlanOf(*stored) : std::nullopt;
    if (plan) {
        const Progress progress = makeProgress(*plan, dated, today);
        v.texts = progressTexts(progress, QLocale(), v.kilograms);
        v.chart = progressChart(progress);
        trend = progress.trend;
        r.name = resultTexts(plan->details, plan->result).name;
    } else {
        trend = trendDays(dated, today);
        v.texts = progressTextsWithoutPlan(trend, today, QLocale(), v.kilograms);
        v.chart = weighInChart(trend, today);
    }
    for (auto it = trend.crbegin(); it != trend.crend(); ++it) {
        if (it->weighed)
            v.rowDates << it->date;
    }
    v.today = today;
    trendInPersonsUnit(v, trend);
    addLaterWeighIns(v, today);
    v.range = chartRangeOf(j.preference(kChartRangePreference));
    v.chart = chartInRange(v.chart, v.range);
    v.chart.kilogramsFirst = v.kilograms;
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

bool ProgressKeeper::change(
    QWidget* parent, const JournalChange& change, const QString& text, const Journal::DayStates& expected)
{
    Journal& j = journal(parent);
    if (!j.isOpen())
        return false;
    m_outcome = {};
    m_undo.push(new JournalCommand(j, change, expected, text, m_outcome));
    const bool done = m_outcome.failure.isEmpty();
    // A change whose days changed since the person saw them is the caller's to tell.
    if (m_outcome.changedSince.isEmpty())
        tellFailure(parent);
    return done;
}

void ProgressKeeper::tellFailure(QWidget* parent)
{
    if (!m_outcome.failure.isEmpty())
        MessageBox::critical(parent, m_outcome.failure);
    else if (!m_outcome.left.isEmpty())
        MessageBox::information(parent,
            //: Message box after Undo or Redo; %1 is the list of days ("12/1/26, 12/3/26").
            ProgressActions::tr("%1 left as they are: their weigh-ins were changed after this step was made, and "
                                "the changes since are kept.")
                .arg(daysText(m_outcome.left)));
    m_outcome = {};
}

bool ProgressKeeper::putWeighIn(QWidget* parent, const WeighIn& weighIn, const QDate& replacing)
{
    Journal& j = journal(parent);
    if (!j.isOpen())
        return false;
    QList<WeighIn> others = j.weighIns();
    others.removeIf([&replacing](const WeighIn& w) { return w.date == replacing; });
    const bool replaces
        = std::any_of(others.cbegin(), others.cend(), [&weighIn](const WeighIn& w) { return w.date == weighIn.date; });
    // A weight far from the week's line, or one that reads as the other unit, is asked
    // about once; stored as typed when the person says so.
    // A journal that cannot be written refuses the weigh-in with its reason below, unasked.
    if (const QString doubt = j.isReadOnly() ? QString() : weighInDoubt(weighIn, others); !doubt.isEmpty()) {
        if (MessageBox::show(parent, doubt, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return false;
    }
    JournalChange c;
    if (replacing.isValid() && replacing != weighIn.date)
        c.remove << replacing;
    c.put << weighIn;
    //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
    const QString text = replacing.isValid() ? ProgressActions::tr("Edit of the Weigh-in")
        //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
        : replaces ? ProgressActions::tr("Replace Weigh-in")
                   //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
                   : ProgressActions::tr("Weigh-in");
    return change(parent, c, text);
}

void ProgressKeeper::remove(QWidget* parent, const QList<QDate>& days)
{
    const int n = int(days.size());
    //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
    const QString step = n == 1 ? ProgressActions::tr("Delete of %n Weigh-in", "", n)
                                //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
                                : ProgressActions::tr("Delete of %n Weigh-ins", "", n);
    change(parent, {{}, days}, step);
}

void ProgressKeeper::undo(QWidget* parent)
{
    m_outcome = {};
    m_undo.undo();
    tellFailure(parent);
}

void ProgressKeeper::redo(QWidget* parent)
{
    m_outcome = {};
    m_undo.redo();
    tellFailure(parent);
}

void ProgressKeeper::importFile(QWidget* parent, const QDate& today)
{
    const QString path = DocumentOutput::fileToOpen(
        //: Caption of the file dialog that opens a file of weigh-ins.
        parent, ProgressActions::tr("Import Weigh-ins"),
        //: The file dialog's filters; keep the patterns in brackets and the ";;" between them.
        ProgressActions::tr("CSV files (*.csv *.txt);;All files (*)"));
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
    // Opening a FIFO or a device would wait for a writer that may never come.
    if (const QFileInfo info(path); info.exists() && !info.isFile() && !info.isDir()) {
        //: Message box; %1 is the file chosen.
        MessageBox::critical(parent, ProgressActions::tr("%1 could not be read: it is no file.").arg(shown));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        //: Message box; %1 is the file chosen, %2 the system's reason.
        MessageBox::critical(parent, ProgressActions::tr("%1 could not be read: %2").arg(shown, file.errorString()));
        return;
    }
    if (file.size() > kLargestWeighInFile) {
        //: Message box; %1 is the file chosen.
        MessageBox::critical(parent, ProgressActions::tr("%1 is too large to be a file of weigh-ins.").arg(shown));
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
    // The journal may change while the preview is open (a weigh-in from the command
    // line): the import then writes nothing, and the preview is made again.
    for (;;) {
        const QList<WeighIn> existing = j.weighIns();
        const ImportPreview preview = previewImport(parsed, existing);
        if (!preview.error.isEmpty()) {
            //: Message box; %1 is the file chosen, %2 the reason.
            MessageBox::critical(parent, ProgressActions::tr("%1 cannot be imported: %2").arg(shown, preview.error));
            return;
        }
        if (!confirmImport(parent, QFileInfo(path).fileName(), preview))
            return;
        const int n = int(preview.added + preview.replaced);
        //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
        const QString step = n == 1 ? ProgressActions::tr("Import of %n Weigh-in", "", n)
                                    //: A step of Undo and Redo, shown as "&Undo %1" in the progress window.
                                    : ProgressActions::tr("Import of %n Weigh-ins", "", n);
        const bool stored = change(parent, preview.change, step, Journal::statesOf(preview.change, existing));
        if (m_outcome.changedSince.isEmpty()) {
            if (stored && choice)
                j.setPreference(columnChoiceKey(table), columnChoiceText(*choice));
            return;
        }
        MessageBox::information(parent,
            //: Message box; %1 is the list of days that changed ("12/1/26, 12/3/26").
            ProgressActions::tr("Your journal changed while the preview was open (%1), so nothing was imported. "
                                "The preview now shows what the import would do.")
                .arg(daysText(m_outcome.changedSince)));
        m_outcome = {};
    }
}

void ProgressKeeper::exportFile(QWidget* parent, const QDate& today)
{
    Journal& j = journal(parent);
    if (!j.isOpen())
        return;
    //: Caption of the file dialog that saves the weigh-ins as CSV.
    const QString path = DocumentOutput::fileToSave(parent, ProgressActions::tr("Export Weigh-ins"),
        //: The file dialog's filter; keep the pattern in brackets.
        suggestedCsvFileName(today), ProgressActions::tr("CSV files (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (j.isOwnFile(path)) {
        MessageBox::critical(parent,
            //: Message box; %1 is the file chosen.
            ProgressActions::tr(
                "%1 is your journal of weigh-ins: they are exported to another file. Nothing was written.")
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (const QString failure = writeWeighInsCsv(path, j.weighIns()); !failure.isEmpty())
        //: Message box; %1 is the file and the system's reason ("out.csv: Permission denied").
        MessageBox::critical(parent, ProgressActions::tr("Your weigh-ins could not be exported: %1").arg(failure));
}

namespace {

DocumentOutput::Document progressDocument(const ProgressView& view)
{
    const ProgressTexts texts = textsInRange(view);
    //: Names the document in the messages of printing and saving it ("Your progress could not be printed").
    return {view.texts.title, ProgressActions::tr("Your progress"),
        [chart = view.chart, texts](
            QPagedPaintDevice* device, const QDateTime& made) { return renderProgress(device, chart, texts, made); }};
}

} // namespace

void ProgressKeeper::print(QWidget* parent, const QDate& today)
{
    //: Caption of the print dialog.
    DocumentOutput::print(
        parent, ProgressActions::tr("Print Your Progress"), progressDocument(report(parent, today).view));
}

void ProgressKeeper::savePdf(QWidget* parent, const QDate& today)
{
    const Report r = report(parent, today);
    //: Caption of the file dialog that saves the progress as PDF.
    DocumentOutput::saveAsPdf(parent, ProgressActions::tr("Save Your Progress as PDF"),
        suggestedFileName(r.name, QStringLiteral("progress"), today), progressDocument(r.view));
}

void ProgressKeeper::copy(QWidget* parent, const QDate& today)
{
    QGuiApplication::clipboard()->setText(
        progressPlainText(report(parent, today).view.texts, QDateTime::currentDateTime()));
}

void ProgressKeeper::setChartRange(QWidget* parent, ChartRange range)
{
    Journal& j = journal(parent);
    if (j.isOpen())
        j.setPreference(kChartRangePreference, chartRangeKey(range));
}

void ProgressKeeper::setKilograms(QWidget* parent, bool kilograms)
{
    WeightUnitSetting::remember(kilograms);
    // The journal's own stays in step, for where no choice is kept with the settings.
    Journal& j = journal(parent);
    if (j.isOpen())
        j.setPreference(kUnitPreference, kilograms ? QStringLiteral("kg") : QStringLiteral("lb"));
}
