#pragma once

#include "common/weighinrules.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantMap>

// What the journal keeps, as plain values: the windows, the trend figures and the
// command line work with these and never with the database.

enum class WeightUnit { Pounds, Kilograms };

// One weigh-in a day, the figure kept as the person entered it in the unit they
// entered it in, so that nothing is lost to a conversion.
struct WeighIn
{
    // Measured weights convert by the exact legal factor, not the calculator's 0.453.
    static constexpr double kKilogramsPerPound = kKilogramsPerPoundExactly;

    QDate date;
    double weight = 0;
    WeightUnit unit = WeightUnit::Pounds;

    double kilograms() const { return unit == WeightUnit::Kilograms ? weight : weight * kKilogramsPerPound; }
    double pounds() const { return unit == WeightUnit::Pounds ? weight : weight / kKilogramsPerPound; }

    friend bool operator==(const WeighIn& a, const WeighIn& b)
    {
        return a.date == b.date && a.weight == b.weight && a.unit == b.unit;
    }
    friend bool operator!=(const WeighIn& a, const WeighIn& b) { return !(a == b); }
};

// The unit's short name as the journal and the CSV files write it: "lb" or "kg".
// Stored and read back, so never translated.
QString unitSymbol(WeightUnit unit);
// The unit's symbol as a sentence shows it after a figure, in the person's language.
QString unitSymbolText(WeightUnit unit);

// Why the journal would refuse this weigh-in on this day (a weight that is not a
// figure above zero or lies outside judgeWeighInWeight()'s limits, a date that is not
// one, lies before earliestWeighInDay() or after today), or the empty text when it
// would keep it. Every way a weigh-in comes in asks this.
QString weighInProblem(const WeighIn& weighIn, const QDate& today);

// One change to the weigh-ins, applied whole or not at all: the dates to remove,
// then the weigh-ins to put (each replaces any of its day).
struct JournalChange
{
    QList<WeighIn> put;
    QList<QDate> remove;
    // The change puts back what the journal held (the one apply() hands back for Undo):
    // its weigh-ins are taken on any day, also one after today that a wrong clock made.
    bool restores = false;

    bool isEmpty() const { return put.isEmpty() && remove.isEmpty(); }
};

// A plan the person followed. The details and results are the main window's, kept
// as they were and not read by the journal: the details as texts under the names of
// their boxes, the results as figures and flags under names of the caller's choosing.
struct StoredPlan
{
    qint64 id = 0; // given by the journal
    QDateTime followedAt; // when the person chose to follow it
    QDateTime endedAt; // when another took its place; not valid while it is followed
    QDate start;
    int days = 0;
    double startPounds = 0;
    double goalPounds = 0;
    QVariantMap details;
    QVariantMap results;
};
