// The work behind the windows, timed without a display: an import of weigh-ins into
// the journal and the body-weight model of the plan. It also makes the journals the
// start-up benchmark starts with.
//
//   veltro-bench-logic journal DAYS
//       The journal of $XDG_DATA_HOME, where the program keeps it, with DAYS daily
//       weigh-ins up to today, written to a CSV file and imported as the progress
//       window imports one; with DAYS above 0 the typical run's plan is followed since
//       20 days ago. DAYS 0 leaves an empty journal.
//   veltro-bench-logic import LINES [RUNS]
//       A file of LINES daily weigh-ins (the program's own CSV) read, parsed, previewed
//       and applied as one change to an empty journal in a temporary folder, RUNS
//       times (default 5), each into a new journal.
//   veltro-bench-logic model [RUNS]
//       The plan of the typical run for 30 and for 1000 days, whole, and the
//       body-weight model's part of it alone, RUNS times each (default 31).
//
// Prints the first run and the median of the others, in milliseconds.

#include "app/followedplan.h"
#include "buildconfig.h"
#include "calculator/bodymodel.h"
#include "calculator/calculation.h"
#include "calculator/plan.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The benchmark's typical run, as bench/calculate.cpp types it into the main window.
PersonalDetails typicalRun(int days)
{
    return {QStringLiteral("JOHN"), QStringLiteral("Male"), QStringLiteral("30"), QStringLiteral("5"),
        QStringLiteral("10"), QStringLiteral("180"), QStringLiteral("81.5"), QStringLiteral("10"),
        QStringLiteral("4.5"), QString::number(days), 2, activityLevelTexts().value(2), false, QString()};
}

constexpr int kPlanFollowedForDays = 20;
constexpr double kPi = 3.14159265358979323846;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double milliseconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Daily weigh-ins up to today as a scale gives them, to a tenth of a pound: ten years
// from 195 lb towards 180 lb, a few pounds up each winter, a pound of noise from day to
// day, and the plan's loss over its last days. The same series at every run.
QList<WeighIn> dailyWeighIns(int days, const QDate& today)
{
    QList<WeighIn> list;
    list.reserve(days);
    quint32 seed = 20261209;
    for (int ago = days - 1; ago >= 0; --ago) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = (seed >> 8) / double(1 << 24) - 0.5;
        const QDate day = today.addDays(-ago);
        double pounds = 180 + 15.0 * ago / 3650 + 2 * std::cos(2 * kPi * (day.dayOfYear() - 15) / 365.25) + noise;
        if (ago < kPlanFollowedForDays)
            pounds -= (kPlanFollowedForDays - ago) * 0.3;
        list.append({day, std::round(pounds * 10) / 10, WeightUnit::Pounds});
    }
    return list;
}

struct ImportTimes
{
    double read = 0;
    double parse = 0;
    double preview = 0;
    double apply = 0;
    double total() const { return read + parse + preview + apply; }
};

// Reads, parses, previews and applies the file as the progress window's import does;
// false, with the reason on standard error, where the journal did not take it whole.
bool importFile(Journal& journal, const QString& path, const QDate& today, int expected, ImportTimes* times = nullptr)
{
    ImportTimes t;
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray data = file.readAll();
    t.read = milliseconds(timer);
    timer.restart();
    const ParsedWeighIns parsed = parseWeighInsCsv(data, today);
    t.parse = milliseconds(timer);
    timer.restart();
    const ImportPreview preview = previewImport(parsed, journal.weighIns());
    t.preview = milliseconds(timer);
    timer.restart();
    const bool applied = journal.apply(preview.change).has_value();
    t.apply = milliseconds(timer);
    if (!applied || preview.added != expected) {
        std::fprintf(stderr, "the import added %d of %d weigh-ins: %s %s\n", preview.added, expected,
            qPrintable(preview.error), qPrintable(journal.error()));
        return false;
    }
    if (times)
        *times = t;
    return true;
}

WeightPlan typicalPlan(int days, const QDate& start)
{
    const PersonalDetails details = typicalRun(days);
    CalculationSteps steps;
    const CalorieResult result = calculateCalories(details, {}, QLocale(), &steps);
    return makeWeightPlan(details, result, steps, start);
}

int makeJournal(int days)
{
    Journal journal;
    if (!journal.isOpen()) {
        std::fprintf(
            stderr, "cannot open the journal %s: %s\n", qPrintable(journal.path()), qPrintable(journal.error()));
        return 1;
    }
    if (days <= 0)
        return 0;
    const QDate today = QDate::currentDate();
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("weigh-ins.csv"));
    if (const QString error = writeWeighInsCsv(csv, dailyWeighIns(days, today)); !error.isEmpty()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(error));
        return 1;
    }
    if (!importFile(journal, csv, today, days))
        return 1;
    const QDate start = today.addDays(-kPlanFollowedForDays);
    StoredPlan stored = storedPlanOf(typicalPlan(30, start));
    stored.followedAt = start.startOfDay();
    if (!journal.follow(stored)) {
        std::fprintf(stderr, "cannot follow the plan: %s\n", qPrintable(journal.error()));
        return 1;
    }
    return 0;
}

int timeImport(int lines, int runs)
{
    const QDate today = QDate::currentDate();
    QTemporaryDir source;
    const QString csv = source.filePath(QStringLiteral("weigh-ins.csv"));
    if (const QString error = writeWeighInsCsv(csv, dailyWeighIns(lines, today)); !error.isEmpty()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(error));
        return 1;
    }
    std::vector<ImportTimes> all;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir folder;
        Journal journal(folder.filePath(QStringLiteral("journal.sqlite")));
        // The progress window has its journal open before anyone imports.
        if (!journal.isOpen()) {
            std::fprintf(stderr, "cannot open a journal: %s\n", qPrintable(journal.error()));
            return 1;
        }
        ImportTimes times;
        if (!importFile(journal, csv, today, lines, &times))
            return 1;
        all.push_back(times);
    }
    const auto medianOf = [&](double ImportTimes::*part) {
        std::vector<double> values;
        for (const ImportTimes& t : all)
            values.push_back(t.*part);
        return median(values);
    };
    std::vector<double> totals;
    for (const ImportTimes& t : all)
        totals.push_back(t.total());
    std::printf("import of %d lines, first: %.1f ms\n", lines, all.front().total());
    std::printf("import of %d lines, median of %d: %.1f ms (max %.1f): read %.1f, parse %.1f, preview %.1f, "
                "apply %.1f\n",
        lines, runs, median(totals), *std::max_element(totals.begin(), totals.end()), medianOf(&ImportTimes::read),
        medianOf(&ImportTimes::parse), medianOf(&ImportTimes::preview), medianOf(&ImportTimes::apply));
    return 0;
}

// The first call and the median of the others, in milliseconds.
std::pair<double, double> timed(int runs, const std::function<bool()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return {-1, -1};
        times.push_back(milliseconds(timer));
    }
    const double first = times.front();
    times.erase(times.begin());
    return {first, times.empty() ? first : median(times)};
}

// What makeWeightPlan asks of the model for the plan, step for step.
bool runModel(const WeightPlan& plan)
{
    const std::optional<BodyModel> body = bodyModelFor(plan.details, plan.result, plan.steps);
    if (!body)
        return false;
    if (body->weightsKg(plan.result.goalCalories, plan.days).isEmpty())
        return false;
    const std::optional<double> reach = body->intakeToReach(plan.goalPounds * kModelKilogramsPerPound, plan.days);
    if (!reach)
        return false;
    const std::optional<BodyState> reached = body->stateAfter(*reach, plan.days);
    return reached && body->intakeToKeep(*reached);
}

int timeModel(int runs)
{
    const QDate today = QDate::currentDate();
    for (const int days : {30, 1000}) {
        const PersonalDetails details = typicalRun(days);
        CalculationSteps steps;
        const CalorieResult result = calculateCalories(details, {}, QLocale(), &steps);
        const WeightPlan plan = makeWeightPlan(details, result, steps, today);
        if (!plan.model.holds()) {
            std::fprintf(
                stderr, "the model does not hold for the %d-day plan: %s\n", days, qPrintable(plan.model.refusal));
            return 1;
        }
        const auto whole = timed(runs, [&] { return makeWeightPlan(details, result, steps, today).model.holds(); });
        const auto model = timed(runs, [&] { return runModel(plan); });
        if (model.first < 0) {
            std::fprintf(stderr, "the model found no intake for the %d-day plan\n", days);
            return 1;
        }
        std::printf("the %d-day plan, first: whole %.2f ms, the model %.2f ms\n", days, whole.first, model.first);
        std::printf("the %d-day plan, median of %d more: whole %.2f ms, the model %.2f ms (%.0f %%)\n", days, runs - 1,
            whole.second, model.second, 100 * model.second / whole.second);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The journal's folder is the program's, as its main() names it.
    QCoreApplication::setApplicationName(QStringLiteral(VELTRO_EXECUTABLE_NAME));
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    if (command == QLatin1String("journal") && args.size() == 3)
        return makeJournal(args[2].toInt());
    if (command == QLatin1String("import") && args.size() >= 3)
        return timeImport(args[2].toInt(), std::max(1, args.value(3, QStringLiteral("5")).toInt()));
    if (command == QLatin1String("model"))
        return timeModel(std::max(2, args.value(2, QStringLiteral("31")).toInt()));
    std::fprintf(stderr, "usage: %s journal DAYS | import LINES [RUNS] | model [RUNS]\n", argv[0]);
    return 2;
}
