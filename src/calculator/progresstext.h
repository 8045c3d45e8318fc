#pragma once

#include "calculator/progress.h"
#include "common/weighinrules.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// What the progress says, in words and figures, the same on the screen, on paper and
// on the clipboard.
struct ProgressTexts
{
    QString title;
    QStringList standing; // at a glance, the day of the plan, the weight now against it, its pace
    QStringList replan; // a plan from today's weight; empty without weigh-ins
    QString estimate; // what the weigh-ins say the person ate, or why they cannot; empty without weigh-ins
    QStringList weighInHeader;
    QList<QStringList> weighInRows; // newest first
    QString chartDescription; // the chart in words
    QString note;
};

// Weights in kilograms first, pounds beside them, for a person who weighs in kilograms;
// the other way round for one who weighs in pounds.
ProgressTexts progressTexts(const Progress& progress, const QLocale& locale = QLocale(), bool inKilograms = false);

// The same for weigh-ins while no plan is followed: the trend, the table, and how to
// follow a plan.
ProgressTexts progressTextsWithoutPlan(
    const QList<TrendDay>& trend, const QDate& today, const QLocale& locale = QLocale(), bool inKilograms = false);

// The whole progress as plain text, with the time it was made.
QString progressPlainText(const ProgressTexts& texts, const QDateTime& made, const QLocale& locale = QLocale());

struct WeighInReading
{
    double pounds = 0; // kilograms converted with the exact factor
    QString message; // what is wrong, for the person; empty when the weight reads
    bool ok() const { return message.isEmpty(); }
};

// A weight the person types, in pounds or kilograms, in the locale's form, without an
// exponent; within judgeWeighInWeight()'s limits.
WeighInReading readWeighIn(const QString& text, bool kilograms, const QLocale& locale = QLocale());

struct WeightArgument
{
    double value = 0; // in the unit given
    bool kilograms = false;
    QString message; // what is wrong; empty when the argument reads
    bool ok() const { return message.isEmpty(); }
    double pounds() const { return kilograms ? value / kExactKilogramsPerPound : value; }
};

// A weight on the command line, whatever the locale: "172.4lb", "172.4 lb", "78kg",
// "78,2 KG". The unit is required, since a bare figure could be either.
WeightArgument readWeightArgument(const QString& argument);
