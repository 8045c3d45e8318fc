#pragma once

#include "calculator/plan.h"
#include "journal/journalrecords.h"

#include <QLocale>
#include <optional>

// A followed plan as the journal keeps it: the details as the person entered them
// (with the locale they were entered in, which reads their figures), the day it
// started, its time frame, weights and results.
StoredPlan storedPlanOf(const WeightPlan& plan, const QLocale& locale = QLocale());

// The plan again, worked out from the details as entered on the day it started, by
// the same calculation; nothing where they no longer give a plan to follow.
std::optional<WeightPlan> weightPlanOf(const StoredPlan& stored);

// The same details followed from the same day.
bool samePlan(const StoredPlan& a, const StoredPlan& b);
