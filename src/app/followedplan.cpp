#include "app/followedplan.h"

#include "calculator/calculation.h"

namespace {

// A plan kept before heights were given in centimetres has none: it was in feet and inches.
const char* const kDetailKeys[] = {"name", "gender", "age", "heightFeet", "heightInches", "weightPounds", "weightKg",
    "lossPounds", "lossKg", "timeFrameDays", "activityText", "heightCentimetres"};

QString* detailField(PersonalDetails& d, int i)
{
    QString* fields[] = {&d.name, &d.gender, &d.age, &d.heightFeet, &d.heightInches, &d.weightPounds, &d.weightKg,
        &d.lossPounds, &d.lossKg, &d.timeFrameDays, &d.activityText, &d.heightCentimetres};
    return fields[i];
}

// The gender as the journal keeps it: the English word, whatever language the list
// showed, so that a plan followed in one language reads the same in another.
const QString kMale = QStringLiteral("Male");
const QString kFemale = QStringLiteral("Female");

bool isMale(const QString& gender)
{
    return &equationFor(gender) == &equationFor(kMale);
}

} // namespace

StoredPlan storedPlanOf(const WeightPlan& plan, const QLocale& locale)
{
    StoredPlan stored;
    stored.start = plan.today;
    stored.days = plan.days;
    stored.startPounds = plan.startPounds;
    stored.goalPounds = plan.goalPounds;
    PersonalDetails details = plan.details;
    for (int i = 0; i < int(std::size(kDetailKeys)); ++i) {
        // Kept only where given, so that a plan in feet and inches is kept as before.
        if (const QString* field = detailField(details, i); field != &details.heightCentimetres || !field->isEmpty())
            stored.details.insert(QLatin1String(kDetailKeys[i]), *field);
    }
    stored.details.insert(QStringLiteral("gender"), isMale(details.gender) ? kMale : kFemale);
    stored.details.insert(QStringLiteral("activityIndex"), details.activityIndex);
    stored.details.insert(QStringLiteral("locale"), locale.name());
    const CalorieResult& r = plan.result;
    stored.results = {
        {QStringLiteral("activityFactor"), r.activityFactor},
        {QStringLiteral("totalHeightInches"), r.totalHeightInches},
        {QStringLiteral("basalCalories"), r.basalCalories},
        {QStringLiteral("activityCalories"), r.activityCalories},
        {QStringLiteral("maintenanceCalories"), r.maintenanceCalories},
        {QStringLiteral("lossPerDayPounds"), r.lossPerDayPounds},
        {QStringLiteral("dailyDeficit"), r.dailyDeficit},
        {QStringLiteral("goalCalories"), r.goalCalories},
        {QStringLiteral("goalAchievable"), r.goalAchievable},
    };
    return stored;
}

std::optional<WeightPlan> weightPlanOf(const StoredPlan& stored)
{
    if (!stored.start.isValid())
        return std::nullopt;
    PersonalDetails details;
    for (int i = 0; i < int(std::size(kDetailKeys)); ++i)
        *detailField(details, i) = stored.details.value(QLatin1String(kDetailKeys[i])).toString();
    details.activityIndex = stored.details.value(QStringLiteral("activityIndex"), -1).toInt();
    // Shown in the language of today's session, as the main window's lists are.
    if (details.gender == kMale || details.gender == kFemale)
        details.gender = genderTexts().value(details.gender == kMale ? 0 : 1);
    if (const QStringList levels = activityLevelTexts();
        details.activityIndex >= 0 && details.activityIndex < levels.size())
        details.activityText = levels.at(details.activityIndex);
    details.heightInCentimetres = !details.heightCentimetres.isEmpty();
    const QLocale locale(stored.details.value(QStringLiteral("locale"), QLocale().name()).toString());
    CalculationSteps steps;
    const CalorieResult result = calculateCalories(details, {}, locale, &steps);
    WeightPlan plan = makeWeightPlan(details, result, steps, stored.start, locale);
    if (!followProblem(plan).isEmpty())
        return std::nullopt;
    return plan;
}

bool samePlan(const StoredPlan& a, const StoredPlan& b)
{
    // The activity's words are those of the language it was chosen in; its index says
    // which it was.
    const auto withoutWords = [](QVariantMap details) {
        details.remove(QStringLiteral("activityText"));
        return details;
    };
    return a.start == b.start && withoutWords(a.details) == withoutWords(b.details);
}
