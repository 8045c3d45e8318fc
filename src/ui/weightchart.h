#pragma once

#include "calculator/conversion.h"
#include "calculator/plan.h"
#include "calculator/progress.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>

class QPainter;

struct ChartColors
{
    QColor background;
    QColor text;
    QColor axis;
    QColor grid;
    QColor line;
    QColor goal;
    QColor model;
    QColor trend;
    QColor today;
};
// On the program's navy, and on white paper.
ChartColors screenChartColors();
ChartColors paperChartColors();

// The days a chart of progress shows: the plan's, the last ninety, or all of them.
enum class ChartRange { Plan, LastNinetyDays, Everything };

// What a chart of the weight shows, each point a day (counted from firstDate) and a
// weight in pounds. The days from fromDay to lastDay are shown.
struct ChartData
{
    QDate firstDate;
    double fromDay = 0;
    double lastDay = 1;
    // The plan's first and last day, where a plan is followed.
    std::optional<double> planFrom;
    std::optional<double> planTo;
    // The person's unit on the left and in the labels, the other one in brackets and
    // on the right.
    bool kilogramsFirst = false;
    QList<QPointF> line; // the program's line, 3500 calories a pound: solid
    QString lineName;
    QList<QPointF> model; // what the body is likely to do: dotted
    QList<QPointF> trend; // the trend of the weigh-ins: thin
    QList<QPointF> weighIns; // dots
    std::optional<double> goalPounds; // dashed across
    std::optional<double> today; // a mark across, on that day
    // The right-hand scale: the calculator's factor for a plan, the exact one for
    // measured weights.
    double kilogramsPerPound = kKilogramsPerPound;
};

// The chart of a plan: its line as far as the weight can go, the goal, and the model's
// line where it holds.
ChartData planChart(const WeightPlan& plan);

// The chart of a followed plan from its start, with the weigh-ins, their trend and
// today; and of the weigh-ins alone while no plan is followed. Kilograms are exact.
ChartData progressChart(const Progress& progress);
ChartData weighInChart(const QList<TrendDay>& trend, const QDate& today);

// The chart narrowed to the days of the range: the plan's and the month before it
// (everything where none is followed), the ninety days up to today, or all.
ChartData chartInRange(ChartData chart, ChartRange range);
// The range as the journal keeps it, and back; Plan for a text it does not know.
QString chartRangeKey(ChartRange range);
ChartRange chartRangeOf(const QString& key);

// Draws the chart into the rectangle, as lines and text (so vectors on paper): pounds
// on the left, kilograms on the right, the dates in the locale's short form below, and
// a key to the lines where there is more than one.
// `dots`, where given, receives where each weigh-in was drawn, in the order of
// chart.weighIns, or a point that is not finite for one outside the days shown.
void paintWeightChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartColors& colors,
    const QFont& font, const QLocale& locale = QLocale(), QList<QPointF>* dots = nullptr);

// What pointing at a weigh-in tells: its date and its weight, the person's unit first.
QString weighInTip(const ChartData& chart, int index, const QLocale& locale = QLocale());

// The chart on the screen. It takes the keyboard focus, so that a screen reader reads
// its name and its description, which says in words what it shows; it is read as a
// picture.
class WeightChart final : public QWidget
{
    Q_OBJECT

public:
    explicit WeightChart(QWidget* parent = nullptr);

    void setChart(const ChartData& chart);
    QSize sizeHint() const override { return {560, 260}; }
    QSize minimumSizeHint() const override { return {280, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    ChartData m_chart;
    QList<QPointF> m_dots; // where the weigh-ins were drawn
};
