#include "ui/weightchart.h"

#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/plantext.h"
#include "ui/look.h"
#include "ui/windowparts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

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
    return {Look::kNavy, Look::kWhite, Look::kCream, QColor(45, 45, 110), Look::kCream, QColor(140, 200, 255),
        QColor(255, 150, 190), QColor(150, 230, 150), QColor(255, 215, 90)};
}

ChartColors paperChartColors()
{
    return {Qt::white, Qt::black, QColor(60, 60, 60), QColor(215, 215, 215), Look::kDarkBlue, QColor(90, 90, 90),
        QColor(170, 30, 90), QColor(20, 110, 40), QColor(170, 110, 0)};
}

namespace {

// The plan's line, its goal and the model's line, from the given day of the chart.
void addPlan(ChartData& chart, const WeightPlan& plan, double from)
{
    chart.line << QPointF(from, plan.startPounds);
    // The line is drawn only for a loss the intake can give, and not below no weight.
    if (plan.showsLoss()) {
        const double lastDay = std::min<double>(plan.lastDay(), plan.days);
        for (int day = 1; day < lastDay; ++day)
            chart.line << QPointF(from + day, plan.weightOnDay(day));
        if (lastDay > 0)
            chart.line << QPointF(from + lastDay, plan.weightOnDay(lastDay));
    }
    // A goal of no weight is not drawn at all.
    if (plan.goalPounds > 0 || !plan.noBodyWeightLeft())
        chart.goalPounds = plan.goalPounds;
    if (plan.model.holds()) {
        for (int day = 0; day < plan.model.pounds.size(); ++day)
            chart.model << QPointF(from + day, plan.model.pounds.at(day));
    }
}

void addWeighIns(ChartData& chart, const QList<TrendDay>& trend)
{
    for (const TrendDay& day : trend) {
        const double x = chart.firstDate.daysTo(day.date);
        chart.trend << QPointF(x, day.trendPounds);
        if (day.weighed)
            chart.weighIns << QPointF(x, day.pounds);
    }
}

} // namespace

ChartData planChart(const WeightPlan& plan)
{
    ChartData chart;
    chart.firstDate = plan.today;
    chart.lastDay = std::max(plan.days, 1);
    chart.lineName = QStringLiteral("3500 calories a pound");
    addPlan(chart, plan, 0);
    return chart;
}

ChartData progressChart(const Progress& progress)
{
    ChartData chart;
    const QDate first
        = progress.trend.isEmpty() ? progress.start : std::min(progress.start, progress.trend.first().date);
    QDate last = std::max(progress.end, progress.today);
    if (!progress.trend.isEmpty())
        last = std::max(last, progress.trend.last().date);
    chart.firstDate = first;
    chart.lastDay = std::max<qint64>(first.daysTo(last), 1);
    chart.lineName = QStringLiteral("Your plan");
    chart.kilogramsPerPound = kExactKilogramsPerPound;
    addPlan(chart, progress.plan, first.daysTo(progress.start));
    addWeighIns(chart, progress.trend);
    chart.today = first.daysTo(progress.today);
    return chart;
}

ChartData weighInChart(const QList<TrendDay>& trend, const QDate& today)
{
    ChartData chart;
    chart.firstDate = trend.isEmpty() ? today : trend.first().date;
    chart.lastDay = std::max<qint64>(chart.firstDate.daysTo(today), 1);
    chart.kilogramsPerPound = kExactKilogramsPerPound;
    addWeighIns(chart, trend);
    chart.today = chart.firstDate.daysTo(today);
    return chart;
}

void paintWeightChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartColors& colors,
    const QFont& font, const QLocale& locale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colors.background);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    // Lines as thick on paper as on a screen of 96 dots an inch.
    const double unit = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;

    const double days = chart.lastDay > 0 && std::isfinite(chart.lastDay) ? chart.lastDay : 1;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    auto cover = [&](double lb) {
        if (std::isfinite(lb)) {
            lowest = std::min(lowest, lb);
            highest = std::max(highest, lb);
        }
    };
    for (const QList<QPointF>* series : {&chart.line, &chart.model, &chart.trend, &chart.weighIns}) {
        for (const QPointF& point : *series)
            cover(point.y());
    }
    if (chart.goalPounds)
        cover(*chart.goalPounds);
    if (!(highest >= lowest)) {
        // Nothing to draw yet.
        painter.setPen(colors.text);
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Your weigh-ins will show here."));
        painter.restore();
        return;
    }
    const Axis pounds = axisAround(lowest, highest, 5);
    const QList<double> poundTicks = ticks(pounds);
    // The kilograms of the same span, at round figures of their own.
    const double kilogramsLow = pounds.low * chart.kilogramsPerPound;
    const double kilogramsHigh = pounds.high * chart.kilogramsPerPound;
    const double kilogramStep = roundStep(kilogramsHigh - kilogramsLow, 5);
    QList<double> kilogramTicks;
    for (const double kg :
        ticks({std::ceil(kilogramsLow / kilogramStep) * kilogramStep, kilogramsHigh, kilogramStep})) {
        if (kg >= kilogramsLow && kg <= kilogramsHigh)
            kilogramTicks << kg;
    }

    // A key to the lines where there is more than one kind.
    struct KeyEntry
    {
        QString name;
        QPen pen;
        bool dot;
    };
    QList<KeyEntry> key;
    const QPen linePen(colors.line, 2.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen modelPen(colors.model, 2.5 * unit, Qt::DotLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen trendPen(colors.trend, 1.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (chart.line.size() > 1)
        key.append({chart.lineName, linePen, false});
    if (!chart.model.isEmpty())
        key.append({QStringLiteral("What the body is likely to do"), modelPen, false});
    if (!chart.trend.isEmpty())
        key.append({QStringLiteral("Trend"), trendPen, false});
    if (!chart.weighIns.isEmpty())
        key.append({QStringLiteral("Weigh-ins"), QPen(colors.trend, unit), true});
    if (key.size() < 2)
        key.clear();

    auto widest = [&](const QList<double>& values) {
        double width = 0;
        for (const double v : values)
            width = std::max(width, metrics.horizontalAdvance(planFigure(v, locale)));
        return width;
    };
    const double gap = 6 * unit;
    const double top = metrics.height() * (key.isEmpty() ? 1.6 : 2.8);
    const QRectF plot
        = area.adjusted(std::max(widest(poundTicks), metrics.horizontalAdvance(QStringLiteral("lb"))) + 2 * gap, top,
            -(std::max(widest(kilogramTicks), metrics.horizontalAdvance(QStringLiteral("kg"))) + 2 * gap),
            -(metrics.height() * 1.6 + gap));
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }
    auto x = [&](double day) { return plot.left() + std::clamp(day / days, 0.0, 1.0) * plot.width(); };
    auto y = [&](double lb) { return plot.bottom() - (lb - pounds.low) / (pounds.high - pounds.low) * plot.height(); };
    auto at = [&](const QPointF& point) { return QPointF(x(point.x()), y(point.y())); };

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
        painter.drawText(QRectF(plot.right() + gap, y(kg / chart.kilogramsPerPound) - metrics.height() / 2,
                             area.right() - plot.right() - gap, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, planFigure(kg, locale));
    }
    painter.drawText(QRectF(area.left(), area.top(), plot.left() - area.left() - gap, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("lb"));
    painter.drawText(QRectF(plot.right() + gap, area.top(), area.right() - plot.right() - gap, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("kg"));

    // The key, in a row of its own above the plot.
    if (!key.isEmpty()) {
        const double sample = 22 * unit;
        double width = 0;
        for (const KeyEntry& entry : key)
            width += sample + gap + metrics.horizontalAdvance(entry.name) + 3 * gap;
        double left = std::max(plot.left(), plot.center().x() - width / 2);
        const double middle = area.top() + metrics.height() * 1.7;
        for (const KeyEntry& entry : key) {
            painter.setPen(entry.pen);
            if (entry.dot) {
                painter.setBrush(colors.trend);
                painter.drawEllipse(QPointF(left + sample / 2, middle), 2.5 * unit, 2.5 * unit);
                painter.setBrush(Qt::NoBrush);
            } else {
                painter.drawLine(QPointF(left, middle), QPointF(left + sample, middle));
            }
            left += sample + gap;
            painter.setPen(colors.text);
            const double textWidth = metrics.horizontalAdvance(entry.name);
            painter.drawText(QRectF(left, middle - metrics.height() / 2, textWidth + 1, metrics.height()),
                Qt::AlignLeft | Qt::AlignVCenter, entry.name);
            left += textWidth + 3 * gap;
        }
    }

    // Dates below, as many as fit side by side.
    const int wholeDays = static_cast<int>(std::ceil(days));
    const double dateWidth
        = metrics.horizontalAdvance(locale.toString(chart.firstDate.addDays(wholeDays), QLocale::ShortFormat))
        + 4 * gap;
    const int dateCount = std::clamp(static_cast<int>(plot.width() / (dateWidth * 1.3)), 2, std::min(wholeDays + 1, 8));
    for (int i = 0; i < dateCount; ++i) {
        const int day = static_cast<int>(std::lround(double(i) * days / (dateCount - 1)));
        const double across = x(day);
        painter.setPen(QPen(colors.grid, unit));
        painter.drawLine(QPointF(across, plot.top()), QPointF(across, plot.bottom()));
        painter.setPen(colors.text);
        const Qt::Alignment align = i == 0 ? Qt::AlignLeft : i == dateCount - 1 ? Qt::AlignRight : Qt::AlignHCenter;
        const double left = i == 0 ? across : i == dateCount - 1 ? across - dateWidth : across - dateWidth / 2;
        painter.drawText(QRectF(left, plot.bottom() + gap, dateWidth, metrics.height()), align | Qt::AlignTop,
            locale.toString(chart.firstDate.addDays(day), QLocale::ShortFormat));
    }

    painter.setPen(QPen(colors.axis, unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // Today, across the plot.
    if (chart.today && *chart.today >= 0 && *chart.today <= days) {
        painter.setPen(QPen(colors.today, 1.5 * unit, Qt::DashDotLine));
        painter.drawLine(QPointF(x(*chart.today), plot.top()), QPointF(x(*chart.today), plot.bottom()));
        painter.drawText(QRectF(x(*chart.today) - 60 * unit, plot.top() + 2, 120 * unit, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Today"));
    }

    // The goal, dashed, with its name at the left, where the line of a loss is still
    // far above it.
    if (chart.goalPounds) {
        const double goal = *chart.goalPounds;
        painter.setPen(QPen(colors.goal, 1.5 * unit, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y(goal)), QPointF(plot.right(), y(goal)));
        const bool below = y(goal) + metrics.height() + 2 < plot.bottom();
        painter.drawText(QRectF(plot.left() + gap, below ? y(goal) + 2 : y(goal) - metrics.height() - 2,
                             plot.width() / 2, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Goal %1 lb").arg(planFigure(goal, locale)));
    }

    // A point within half a pixel of the one before adds nothing to a line but time:
    // ten years of days are drawn in a few hundred pixels.
    auto path = [&](const QList<QPointF>& points) {
        QPainterPath p;
        if (points.isEmpty())
            return p;
        QPointF last = at(points.first());
        p.moveTo(last);
        for (int i = 1; i < points.size(); ++i) {
            const QPointF next = at(points.at(i));
            if (i + 1 < points.size() && std::fabs(next.x() - last.x()) < 0.5 && std::fabs(next.y() - last.y()) < 0.5)
                continue;
            p.lineTo(next);
            last = next;
        }
        return p;
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(modelPen);
    painter.drawPath(path(chart.model));
    painter.setPen(trendPen);
    painter.drawPath(path(chart.trend));
    // The weigh-ins as round dots, drawn at once: ten years of them must not slow the
    // window down.
    QPolygonF dots;
    dots.reserve(chart.weighIns.size());
    for (const QPointF& point : chart.weighIns) {
        const QPointF dot = at(point);
        if (dots.isEmpty() || std::fabs(dot.x() - dots.last().x()) >= 0.5
            || std::fabs(dot.y() - dots.last().y()) >= 0.5)
            dots << dot;
    }
    painter.setPen(QPen(colors.trend, 5 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(dots);

    if (chart.line.isEmpty()) {
        painter.restore();
        return;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen);
    painter.drawPath(path(chart.line));
    painter.setBrush(colors.line);
    painter.drawEllipse(at(chart.line.first()), 3 * unit, 3 * unit);
    // The first and the last day's weight beside their points.
    const QPointF first = chart.line.first();
    painter.setPen(colors.text);
    painter.drawText(
        QRectF(x(first.x()) + gap, y(first.y()) - metrics.height() - 2, plot.width() / 2, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, planFigure(first.y(), locale) + QStringLiteral(" lb"));
    if (chart.line.size() < 2) {
        painter.restore();
        return;
    }
    const QPointF last = chart.line.last();
    painter.setPen(linePen);
    painter.drawEllipse(at(last), 3 * unit, 3 * unit);
    painter.setPen(colors.text);
    const double endWeight = roundHalfEven(last.y(), 2).value_or(last.y());
    const bool endLabelAbove = y(last.y()) - metrics.height() * 1.8 > plot.top();
    painter.drawText(QRectF(plot.center().x(), endLabelAbove ? y(last.y()) - metrics.height() * 1.8 : y(last.y()) + 2,
                         plot.width() / 2 - gap, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, planFigure(endWeight, locale) + QStringLiteral(" lb"));
    painter.restore();
}

WeightChart::WeightChart(QWidget* parent)
    : QWidget(parent)
{
    WindowParts::installAccessibleRoles(); // read as a picture
    setObjectName(QStringLiteral("weightChart"));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Weight chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WeightChart::setChart(const ChartData& chart)
{
    m_chart = chart;
    update();
}

void WeightChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintWeightChart(painter, rect(), m_chart, screenChartColors(), Look::verdana(8.25));
    if (hasFocus()) {
        painter.setPen(QPen(Look::kCream, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
