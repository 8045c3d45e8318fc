#include "ui/weightchart.h"

#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/plantext.h"
#include "ui/look.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kMostTicks = 12;

struct Axis
{
    double low;
    double high;
    double step;
};

// A round step near span / wanted: 1, 2 or 5 times a power of ten.
double roundStep(double span, int wanted)
{
    const double raw = span / wanted;
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    return (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
}

// Round ends and step around the figures, with some room above and below them so
// that neither the line nor the goal runs along the frame.
Axis axisAround(double low, double high, int wanted)
{
    const double room = high > low ? (high - low) / 12 : std::max(std::fabs(high) * 1e-3, 1.0);
    low -= room;
    high += room;
    const double step = roundStep(high - low, wanted);
    Axis axis {std::floor(low / step) * step, std::ceil(high / step) * step, step};
    if (!(axis.high > axis.low) || !std::isfinite(axis.high - axis.low))
        axis = {low, high, high - low};
    return axis;
}

QList<double> ticks(const Axis& axis)
{
    QList<double> list;
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(axis.step))), 0, 6);
    for (int i = 0; i <= kMostTicks; ++i) {
        const double value = axis.low + i * axis.step;
        if (value > axis.high + axis.step / 2)
            break;
        list << roundHalfEven(value, decimals).value_or(value);
    }
    return list;
}

} // namespace

ChartColors screenChartColors()
{
    return {Look::kNavy, Look::kWhite, Look::kCream, QColor(45, 45, 110), Look::kCream, QColor(140, 200, 255)};
}

ChartColors paperChartColors()
{
    return {Qt::white, Qt::black, QColor(60, 60, 60), QColor(215, 215, 215), Look::kDarkBlue, QColor(90, 90, 90)};
}

void paintWeightChart(QPainter& painter, const QRectF& area, const WeightPlan& plan, const ChartColors& colors,
    const QFont& font, const QLocale& locale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colors.background);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    // Lines as thick on paper as on a screen of 96 dots an inch.
    const double unit = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;

    const int days = std::max(plan.days, 1);
    // The line is drawn only for a loss the intake can give, and not below no weight;
    // a goal of no weight is not drawn at all.
    const bool line = plan.showsLoss();
    const double lastDay = line ? std::min<double>(plan.lastDay(), days) : 0;
    const double end = plan.weightOnDay(lastDay);
    const bool goal = plan.goalPounds > 0 || !plan.noBodyWeightLeft();
    const double goalPounds = goal ? plan.goalPounds : end;
    const Axis pounds
        = axisAround(std::min({plan.startPounds, end, goalPounds}), std::max({plan.startPounds, end, goalPounds}), 5);
    const QList<double> poundTicks = ticks(pounds);
    // The kilograms of the same span, at round figures of their own.
    const double kilogramsLow = pounds.low * kKilogramsPerPound;
    const double kilogramsHigh = pounds.high * kKilogramsPerPound;
    const double kilogramStep = roundStep(kilogramsHigh - kilogramsLow, 5);
    QList<double> kilogramTicks;
    for (const double kg :
        ticks({std::ceil(kilogramsLow / kilogramStep) * kilogramStep, kilogramsHigh, kilogramStep})) {
        if (kg >= kilogramsLow && kg <= kilogramsHigh)
            kilogramTicks << kg;
    }

    auto widest = [&](const QList<double>& values) {
        double width = 0;
        for (const double v : values)
            width = std::max(width, metrics.horizontalAdvance(planFigure(v, locale)));
        return width;
    };
    const double gap = 6 * unit;
    const QRectF plot = area.adjusted(
        std::max(widest(poundTicks), metrics.horizontalAdvance(QStringLiteral("lb"))) + 2 * gap, metrics.height() * 1.6,
        -(std::max(widest(kilogramTicks), metrics.horizontalAdvance(QStringLiteral("kg"))) + 2 * gap),
        -(metrics.height() * 1.6 + gap));
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }
    auto x = [&](double day) { return plot.left() + day / days * plot.width(); };
    auto y = [&](double lb) { return plot.bottom() - (lb - pounds.low) / (pounds.high - pounds.low) * plot.height(); };

    // The grid and the scales: pounds on the left, kilograms on the right.
    painter.setPen(QPen(colors.grid, unit));
    for (const double lb : poundTicks)
        painter.drawLine(QPointF(plot.left(), y(lb)), QPointF(plot.right(), y(lb)));
    painter.setPen(colors.text);
    for (const double lb : poundTicks) {
        painter.drawText(
            QRectF(area.left(), y(lb) - metrics.height() / 2, plot.left() - area.left() - gap, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, planFigure(lb, locale));
    }
    for (const double kg : kilogramTicks) {
        painter.drawText(QRectF(plot.right() + gap, y(kg / kKilogramsPerPound) - metrics.height() / 2,
                             area.right() - plot.right() - gap, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, planFigure(kg, locale));
    }
    painter.drawText(QRectF(area.left(), area.top(), plot.left() - area.left() - gap, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("lb"));
    painter.drawText(QRectF(plot.right() + gap, area.top(), area.right() - plot.right() - gap, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kg"));

    // Dates below, as many as fit side by side.
    const double dateWidth
        = metrics.horizontalAdvance(locale.toString(plan.today.addDays(days), QLocale::ShortFormat)) + 4 * gap;
    const int dateCount = std::clamp(static_cast<int>(plot.width() / (dateWidth * 1.3)), 2, std::min(days + 1, 8));
    for (int i = 0; i < dateCount; ++i) {
        const int day = static_cast<int>(std::lround(double(i) * days / (dateCount - 1)));
        const double at = x(day);
        painter.setPen(QPen(colors.grid, unit));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
        painter.setPen(colors.text);
        const Qt::Alignment align = i == 0 ? Qt::AlignLeft : i == dateCount - 1 ? Qt::AlignRight : Qt::AlignHCenter;
        const double left = i == 0 ? at : i == dateCount - 1 ? at - dateWidth : at - dateWidth / 2;
        painter.drawText(QRectF(left, plot.bottom() + gap, dateWidth, metrics.height()), align | Qt::AlignTop,
            locale.toString(plan.today.addDays(day), QLocale::ShortFormat));
    }

    painter.setPen(QPen(colors.axis, unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // The goal, dashed, and the weight of each day.
    if (goal) {
        QPen goalPen(colors.goal, 1.5 * unit, Qt::DashLine);
        painter.setPen(goalPen);
        painter.drawLine(QPointF(plot.left(), y(plan.goalPounds)), QPointF(plot.right(), y(plan.goalPounds)));
        // The goal's name at the left, where the line of a loss is still far above it.
        const QString goalText = QStringLiteral("Goal %1 lb").arg(planFigure(plan.goalPounds, locale));
        const bool goalLabelBelow = y(plan.goalPounds) + metrics.height() + 2 < plot.bottom();
        painter.drawText(QRectF(plot.left() + gap,
                             goalLabelBelow ? y(plan.goalPounds) + 2 : y(plan.goalPounds) - metrics.height() - 2,
                             plot.width() / 2, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, goalText);
    }

    painter.setBrush(colors.line);
    painter.setPen(QPen(colors.line, 2.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (line) {
        QPainterPath path;
        path.moveTo(x(0), y(plan.weightOnDay(0)));
        for (int day = 1; day < lastDay; ++day)
            path.lineTo(x(day), y(plan.weightOnDay(day)));
        path.lineTo(x(lastDay), y(end));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(colors.line);
        painter.drawEllipse(QPointF(x(lastDay), y(end)), 3 * unit, 3 * unit);
    }
    painter.drawEllipse(QPointF(x(0), y(plan.startPounds)), 3 * unit, 3 * unit);
    // The first and the last day's weight beside their points.
    painter.setPen(colors.text);
    painter.drawText(QRectF(x(0) + gap, y(plan.startPounds) - metrics.height() - 2, plot.width() / 2, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, planFigure(plan.startPounds, locale) + QStringLiteral(" lb"));
    if (!line) {
        painter.restore();
        return;
    }
    const double endWeight = roundHalfEven(end, 2).value_or(end);
    const bool endLabelAbove = y(end) - metrics.height() * 1.8 > plot.top();
    painter.drawText(QRectF(plot.center().x(), endLabelAbove ? y(end) - metrics.height() * 1.8 : y(end) + 2,
                         plot.width() / 2 - gap, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, planFigure(endWeight, locale) + QStringLiteral(" lb"));
    painter.restore();
}

namespace {

// A screen reader finds the chart as a picture, and reads its name and description.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("WeightChart") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

WeightChart::WeightChart(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("weightChart"));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Weight chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WeightChart::setPlan(const WeightPlan& plan)
{
    m_plan = plan;
    update();
}

void WeightChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintWeightChart(painter, rect(), m_plan, screenChartColors(), Look::verdana(8.25));
    if (hasFocus()) {
        painter.setPen(QPen(Look::kCream, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
