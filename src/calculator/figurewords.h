#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The figures of the plan, the progress and the body model in words: weights in the
// person's own unit first, intakes, dates, paces and counts, in the locale's form.

// A figure as the plan writes it: as the boxes do, in the locale's form with at most
// fifteen significant digits, or to six significant digits with an exponent past
// fifteen digits, so that an absurd figure still fits on a line.
QString planFigure(double value, const QLocale& locale = QLocale());

// A fragment in a locale's own script (an Arabic date, Arabic-Indic digits) set apart
// from the sentence around it, so that each reads in its own direction and the
// sentence keeps its order; a fragment of left-to-right text as it is.
QString isolated(const QString& text);

// A daily intake in calories, with kilojoules: "1788 calories (7481 kJ)".
QString intakeText(double calories);

// The words under the plan's and the progress report's foot.
QString disclaimerText();

namespace FigureWords {

// A whole figure of calories as the results window writes it; past fifteen digits,
// short, as planFigure() writes it.
QString calories(double value);
// Pounds to two decimals at most: "177.43 lb".
QString pounds(double value, const QLocale& locale = QLocale());
// The kilograms of a weight in pounds, to two decimals at most: "80.48 kg".
QString kilograms(double pounds, const QLocale& locale = QLocale());
// A figure for a table's column, always with this many decimals.
QString tableFigure(double value, int decimals, const QLocale& locale = QLocale());
// A day as the locale writes it, short or long, set apart from the sentence around it.
QString shortDate(const QDate& date, const QLocale& locale = QLocale());
QString longDate(const QDate& date, const QLocale& locale = QLocale());
// "1 day", "30 days"; "1 week", "12 weeks".
QString dayCount(qint64 days);
QString weekCount(qint64 weeks);

} // namespace FigureWords

// How one person reads weights: in the unit they use first, the other in brackets.
struct Figures
{
    QLocale locale;
    bool kilogramsFirst = false;

    // "177.43 lb (80.48 kg)", or "80.48 kg (177.43 lb)".
    QString weight(double pounds) const;
    // In the person's unit alone, where the other was given just before: "177.43 lb".
    QString weightAlone(double pounds) const;
    // As the plan writes a weight: pounds alone, "177.43 lb", for a person who uses
    // pounds; "80.48 kg (177.43 lb)" for one who uses kilograms.
    QString planWeight(double pounds) const;
    // A pace as the calculation gives it, unrounded: "0.14 lb a day", "1.5 lb a week";
    // "0.06 kg (0.14 lb) a day" for a person who uses kilograms.
    QString perDay(double pounds) const;
    QString perWeek(double pounds) const;
};
