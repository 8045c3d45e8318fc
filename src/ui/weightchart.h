#pragma once

#include "calculator/plan.h"

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QRectF>
#include <QWidget>

class QPainter;

struct ChartColors
{
    QColor background;
    QColor text;
    QColor axis;
    QColor grid;
    QColor line;
    QColor goal;
};
// On the program's navy, and on white paper.
ChartColors screenChartColors();
ChartColors paperChartColors();

// Draws the weight expected on each day of the plan into the rectangle, as lines and
// text (so vectors on paper): pounds on the left, kilograms on the right, the dates in
// the locale's short form below, and the goal as a dashed line.
void paintWeightChart(QPainter& painter, const QRectF& area, const WeightPlan& plan, const ChartColors& colors,
    const QFont& font, const QLocale& locale = QLocale());

// The chart on the screen. It takes the keyboard focus, so that a screen reader reads
// its name and its description, which says in words what it shows.
class WeightChart final : public QWidget
{
    Q_OBJECT

public:
    explicit WeightChart(QWidget* parent = nullptr);

    void setPlan(const WeightPlan& plan);
    QSize sizeHint() const override { return {560, 260}; }
    QSize minimumSizeHint() const override { return {280, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WeightPlan m_plan;
};
