#pragma once

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
};

PlanTexts planTexts(const WeightPlan& plan, const QLocale& locale = QLocale());

// The whole plan as plain text, with the time it was made.
QString planPlainText(const PlanTexts& texts, const QDateTime& made, const QLocale& locale = QLocale());

// A file name for the plan that any file system takes, whatever the name box holds:
// the letters and digits of the name, the words "weight loss plan" and the date.
QString suggestedPlanFileName(const QString& name, const QDate& date);
// The same for another document: "JOHN progress 2026-12-09.pdf".
QString suggestedFileName(const QString& name, const QString& what, const QDate& date);

// A figure as the plan writes it: as the boxes do, in the locale's form with at most
// fifteen significant digits, or to six significant digits with an exponent past
// fifteen digits, so that an absurd figure still fits on a line.
QString planFigure(double value, const QLocale& locale = QLocale());

// The shortest time frame of the list that keeps within both limits, or why there is
// none; from today for a plan made again from a trend weight.
QString withinLimitsText(const WeightPlan& plan, bool fromToday, const QLocale& locale = QLocale());

// A fragment in a locale's own script (an Arabic date, Arabic-Indic digits) set apart
// from the sentence around it, so that each reads in its own direction and the
// sentence keeps its order; a fragment of left-to-right text as it is.
QString isolated(const QString& text);

// A daily intake in calories, with kilojoules: "1788 calories (7481 kJ)".
QString intakeText(double calories);

// The words under the plan's and the progress report's foot.
inline const QString kDisclaimer = QStringLiteral(
    "P.S: This software is only for entertainment purpose. Please consult your physician before going on any kind "
    "of diet.");

// The pieces the plan's sentences and tables are made of, shared by the progress report.
namespace PlanWords {

// Pounds to two decimals at most: "177.43 lb".
QString pounds(double value, const QLocale& locale = QLocale());
// A figure for a table's column, always with this many decimals.
QString tableFigure(double value, int decimals, const QLocale& locale = QLocale());
// A day as the locale writes it short, set apart from the sentence around it.
QString shortDate(const QDate& date, const QLocale& locale = QLocale());
// "1 day", "30 days".
QString dayCount(qint64 days);

} // namespace PlanWords
