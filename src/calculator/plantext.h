#pragma once

#include "calculator/figurewords.h"
#include "calculator/plan.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>
#include <QStringList>

// What the plan says, in words and figures, the same on the screen, on paper and on
// the clipboard.
struct PlanTexts
{
    QString title;
    QList<QPair<QString, QString>> inputs; // caption and value
    QString maintenance; // the results window's two lines, word for word
    QString goal;
    QString outlook; // where the weight goes, and why it ends where it does
    QString chartDescription; // the chart in words
    QStringList cautions;
    QString withinLimits; // the time frame within the limits, or that there is none
    QString milestoneTitle;
    QStringList milestoneHeader;
    QList<QStringList> milestoneRows;
    QStringList explanation; // each step of the calculation with the person's figures
    QStringList paceHeader;
    QList<QStringList> paceRows; // empty when there is nothing to lose
    QStringList paceLines; // the same rows, each a sentence
    QString afterGoal;
    QString modelTitle;
    QStringList model; // what the body is likely to do, by the model; or why the model does not hold
    QString note;
    bool kilogramsFirst = false; // the unit the weights are written in first, and the chart's left scale
};

// Weights in kilograms first, pounds in brackets, for a person who uses kilograms.
PlanTexts planTexts(const WeightPlan& plan, const QLocale& locale = QLocale(), bool kilogramsFirst = false);

// The whole plan as plain text, with the time it was made.
QString planPlainText(const PlanTexts& texts, const QDateTime& made, const QLocale& locale = QLocale());

// A file name for the plan that any file system takes, whatever the name box holds:
// the letters and digits of the name, the words "weight loss plan" and the date.
QString suggestedPlanFileName(const QString& name, const QDate& date);
// The same for another document: "JOHN progress 2026-12-09.pdf".
QString suggestedFileName(const QString& name, const QString& what, const QDate& date);

// The shortest time frame of the list that keeps within both limits, or why there is
// none; from today for a plan made again from a trend weight.
QString withinLimitsText(const WeightPlan& plan, bool fromToday, const Figures& figures);
