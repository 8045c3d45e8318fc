#include "ui/weightchart.h"

#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/plantext.h"
#include "ui/look.h"
#include "ui/windowparts.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
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
    // A goal of no weight or less is not drawn at all: no one weighs it.
    if (plan.goalPounds > 0)
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
    //: Name of the plan's line in the key of the plan chart: the line of the program's rule that a pound of
    //: body weight is 3500 calories
    chart.lineName = WeightChart::tr("3500 calories a pound");
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
    //: Name of the plan's line in the key of the progress chart
    chart.lineName = WeightChart::tr("Your plan");
    chart.kilogramsPerPound = kExactKilogramsPerPound;
    addPlan(chart, progress.plan, first.daysTo(progress.start));
    addWeighIns(chart, progress.trend);
    chart.today = first.daysTo(progress.today);
    chart.planFrom = first.daysTo(progress.start);
    chart.planTo = first.daysTo(progress.end);
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

ChartData chartInRange(ChartData chart, ChartRange range)
{
    const double last = chart.lastDay;
    switch (range) {
    case ChartRange::Plan:
        // With the month before it, where the weigh-ins that led to the plan are.
        if (chart.planFrom && chart.planTo) {
            chart.fromDay = std::max(0.0, *chart.planFrom - 30);
            chart.lastDay = std::max(*chart.planTo, *chart.planFrom + 1);
        }
        break;
    case ChartRange::LastNinetyDays:
        chart.lastDay = chart.today.value_or(last);
        chart.fromDay = std::max(0.0, chart.lastDay - 90);
        chart.lastDay = std::max(chart.lastDay, chart.fromDay + 1);
        break;
    case ChartRange::Everything:
        chart.fromDay = 0;
        break;
    }
    return chart;
}

QString chartRangeKey(ChartRange range)
{
    switch (range) {
    case ChartRange::LastNinetyDays:
        return QStringLiteral("90days");
    case ChartRange::Everything:
        return QStringLiteral("all");
    case ChartRange::Plan:
        break;
    }
    return QStringLiteral("plan");
}

ChartRange chartRangeOf(const QString& key)
{
    if (key == QLatin1String("90days"))
        return ChartRange::LastNinetyDays;
    if (key == QLatin1String("all"))
        return ChartRange::Everything;
    return ChartRange::Plan;
}

namespace {

// A weight in the person's unit, the other in brackets: "82.5 kg (181.9 lb)".
QString bothUnits(double pounds, const ChartData& chart, const QLocale& locale, int decimals = 1)
{
    const double kilograms = pounds * chart.kilogramsPerPound;
    const auto figure
        = [&](double value) { return planFigure(roundHalfEven(value, decimals).value_or(value), locale); };
    if (chart.kilogramsFirst) {
        //: A weight on the chart, in the chart's tooltips and labels: %1 kilograms, %2 the same in pounds
        return WeightChart::tr("%1 kg (%2 lb)").arg(figure(kilograms), figure(pounds));
    }
    //: A weight on the chart, in the chart's tooltips and labels: %1 pounds, %2 the same in kilograms
    return WeightChart::tr("%1 lb (%2 kg)").arg(figure(pounds), figure(kilograms));
}

} // namespace

QString weighInTip(const ChartData& chart, int index, const QLocale& locale)
{
    if (index < 0 || index >= chart.weighIns.size())
        return QString();
    const QPointF point = chart.weighIns.at(index);
    //: Tooltip of a weigh-in's dot on the chart: %1 is its date, %2 its weight, such as "80 kg (176.37 lb)"
    return WeightChart::tr("%1: %2").arg(
        locale.toString(chart.firstDate.addDays(qint64(std::lround(point.x()))), QLocale::ShortFormat),
        bothUnits(point.y(), chart, locale, 2));
}

void paintWeightChart(QPainter& painter, const QRectF& area, const ChartData& chart, const ChartColors& colors,
    const QFont& font, const QLocale& locale, QList<QPointF>* dots)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colors.background);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    // Lines as thick on paper as on a screen of 96 dots an inch.
    const double unit = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (dots)
        *dots = QList<QPointF>(chart.weighIns.size(), QPointF(nan, nan));

    const double from = std::isfinite(chart.fromDay) ? chart.fromDay : 0;
    const double to = chart.lastDay > from && std::isfinite(chart.lastDay) ? chart.lastDay : from + 1;
    const double days = to - from;
    auto shown = [&](double day) { return day >= from - 0.5 && day <= to + 0.5; };
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    auto cover = [&](double lb) {
        if (std::isfinite(lb)) {
            lowest = std::min(lowest, lb);
            highest = std::max(highest, lb);
        }
    };
    for (const QList<QPointF>* series : {&chart.line, &chart.model, &chart.trend, &chart.weighIns}) {
        for (const QPointF& point : *series) {
            if (shown(point.x()))
                cover(point.y());
        }
    }
    if (chart.goalPounds)
        cover(*chart.goalPounds);
    if (!(highest >= lowest)) {
        // Nothing to draw yet.
        painter.setPen(colors.text);
        //: In the middle of the progress chart while there is nothing to draw
        painter.drawText(area, Qt::AlignCenter, WeightChart::tr("Your weigh-ins will show here."));
        painter.restore();
        return;
    }
    // The person's unit on the left at round figures, the other on the right at round
    // figures of its own; the points stay in pounds.
    const double first = chart.kilogramsFirst ? chart.kilogramsPerPound : 1; // per pound
    const double second = chart.kilogramsFirst ? 1 : chart.kilogramsPerPound;
    //: Unit symbol above a scale of the chart (kilograms)
    const QString kilogramsTitle = WeightChart::tr("kg");
    //: Unit symbol above a scale of the chart (pounds)
    const QString poundsTitle = WeightChart::tr("lb");
    const QString firstUnit = chart.kilogramsFirst ? kilogramsTitle : poundsTitle;
    const QString secondUnit = chart.kilogramsFirst ? poundsTitle : kilogramsTitle;
    const Axis scale = axisAround(lowest * first, highest * first, 5);
    const QList<double> firstTicks = ticks(scale);
    const double secondLow = scale.low / first * second;
    const double secondHigh = scale.high / first * second;
    const double secondStep = roundStep(secondHigh - secondLow, 5);
    QList<double> secondTicks;
    for (const double value : ticks({std::ceil(secondLow / secondStep) * secondStep, secondHigh, secondStep})) {
        if (value >= secondLow && value <= secondHigh)
            secondTicks << value;
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
        //: Name of the dotted line in the chart's key: the weight the body model foresees
        key.append({WeightChart::tr("What the body is likely to do"), modelPen, false});
    if (!chart.trend.isEmpty()) {
        //: Name of the thin line in the chart's key: the smoothed trend of the weigh-ins
        key.append({WeightChart::tr("Trend"), trendPen, false});
    }
    if (!chart.weighIns.isEmpty()) {
        //: Name of the dots in the chart's key: the person's weigh-ins
        key.append({WeightChart::tr("Weigh-ins"), QPen(colors.trend, unit), true});
    }
    if (key.size() < 2)
        key.clear();

    auto widest = [&](const QList<double>& values) {
        double width = 0;
        for (const double v : values)
            width = std::max(width, metrics.horizontalAdvance(planFigure(v, locale)));
        return width;
    };
    const double gap = 6 * unit;
    const double sample = 22 * unit;
    // The key in rows of their own above the plot, as many as its entries need in the
    // width there is: it is never cut off.
    QList<QList<int>> keyRows;
    {
        const double room = area.width() - 2 * gap;
        double used = 0;
        for (int i = 0; i < key.size(); ++i) {
            const double width = sample + gap + metrics.horizontalAdvance(key.at(i).name) + 3 * gap;
            if (keyRows.isEmpty() || (used + width > room && !keyRows.last().isEmpty())) {
                keyRows.append(QList<int>());
                used = 0;
            }
            keyRows.last().append(i);
            used += width;
        }
    }
    const double top = metrics.height() * (keyRows.isEmpty() ? 1.6 : 1.6 + 1.2 * keyRows.size());
    const QRectF plot = area.adjusted(std::max(widest(firstTicks), metrics.horizontalAdvance(firstUnit)) + 2 * gap, top,
        -(std::max(widest(secondTicks), metrics.horizontalAdvance(secondUnit)) + 2 * gap),
        -(metrics.height() * 1.6 + gap));
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }
    auto x = [&](double day) { return plot.left() + std::clamp((day - from) / days, 0.0, 1.0) * plot.width(); };
    auto y = [&](double lb) {
        return plot.bottom() - (lb * first - scale.low) / (scale.high - scale.low) * plot.height();
    };
    auto at = [&](const QPointF& point) { return QPointF(x(point.x()), y(point.y())); };

    // The grid and the scales: the person's unit on the left, the other on the right.
    painter.setPen(QPen(colors.grid, unit));
    for (const double value : firstTicks)
        painter.drawLine(QPointF(plot.left(), y(value / first)), QPointF(plot.right(), y(value / first)));
    painter.setPen(colors.text);
    for (const double value : firstTicks) {
        painter.drawText(QRectF(area.left(), y(value / first) - metrics.height() / 2, plot.left() - area.left() - gap,
                             metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, planFigure(value, locale));
    }
    for (const double value : secondTicks) {
        painter.drawText(QRectF(plot.right() + gap, y(value / second) - metrics.height() / 2,
                             area.right() - plot.right() - gap, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, planFigure(value, locale));
    }
    painter.drawText(QRectF(area.left(), area.top(), plot.left() - area.left() - gap, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, firstUnit);
    painter.drawText(QRectF(plot.right() + gap, area.top(), area.right() - plot.right() - gap, metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, secondUnit);

    for (int row = 0; row < keyRows.size(); ++row) {
        double width = 0;
        for (const int i : keyRows.at(row))
            width += sample + gap + metrics.horizontalAdvance(key.at(i).name) + 3 * gap;
        width -= 3 * gap;
        double left = std::clamp(plot.center().x() - width / 2, area.left() + gap, area.right() - gap - width);
        left = std::max(left, area.left() + gap);
        const double middle = area.top() + metrics.height() * (1.7 + 1.2 * row);
        for (const int i : keyRows.at(row)) {
            const KeyEntry& entry = key.at(i);
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
    const int wholeDays = std::max(1, static_cast<int>(std::ceil(days)));
    const qint64 firstShown = static_cast<qint64>(std::lround(from));
    const double dateWidth = metrics.horizontalAdvance(
                                 locale.toString(chart.firstDate.addDays(firstShown + wholeDays), QLocale::ShortFormat))
        + 4 * gap;
    const int dateCount = std::clamp(static_cast<int>(plot.width() / (dateWidth * 1.3)), 2, std::min(wholeDays + 1, 8));
    for (int i = 0; i < dateCount; ++i) {
        const int day = static_cast<int>(std::lround(double(i) * days / (dateCount - 1)));
        const double across = x(from + day);
        painter.setPen(QPen(colors.grid, unit));
        painter.drawLine(QPointF(across, plot.top()), QPointF(across, plot.bottom()));
        painter.setPen(colors.text);
        const Qt::Alignment align = i == 0 ? Qt::AlignLeft : i == dateCount - 1 ? Qt::AlignRight : Qt::AlignHCenter;
        const double left = i == 0 ? across : i == dateCount - 1 ? across - dateWidth : across - dateWidth / 2;
        painter.drawText(QRectF(left, plot.bottom() + gap, dateWidth, metrics.height()), align | Qt::AlignTop,
            locale.toString(chart.firstDate.addDays(firstShown + day), QLocale::ShortFormat));
    }

    painter.setPen(QPen(colors.axis, unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // A point within half a pixel of the one before adds nothing to a line but time:
    // ten years of days are drawn in a few hundred pixels. Points outside the days shown
    // are left out but for the one on each side, which the plot's edge cuts.
    auto path = [&](const QList<QPointF>& points) {
        QPainterPath p;
        int begin = 0;
        while (begin < points.size() && points.at(begin).x() < from)
            ++begin;
        begin = std::max(0, begin - 1);
        int end = begin;
        while (end < points.size() && points.at(end).x() <= to)
            ++end;
        end = std::min<int>(points.size(), end + 1);
        if (begin >= end)
            return p;
        auto place = [&](const QPointF& point) {
            return QPointF(plot.left() + (point.x() - from) / days * plot.width(), y(point.y()));
        };
        QPointF last = place(points.at(begin));
        p.moveTo(last);
        for (int i = begin + 1; i < end; ++i) {
            const QPointF next = place(points.at(i));
            if (i + 1 < end && std::fabs(next.x() - last.x()) < 0.5 && std::fabs(next.y() - last.y()) < 0.5)
                continue;
            p.lineTo(next);
            last = next;
        }
        return p;
    };
    const QPainterPath modelPath = path(chart.model);
    const QPainterPath trendPath = path(chart.trend);
    const QPainterPath linePath = path(chart.line);
    QPainterPath todayPath;
    const bool todayShown = chart.today && *chart.today >= from && *chart.today <= to;
    if (todayShown) {
        todayPath.moveTo(x(*chart.today), plot.top());
        todayPath.lineTo(x(*chart.today), plot.bottom());
    }
    QPainterPath goalPath;
    if (chart.goalPounds) {
        goalPath.moveTo(plot.left(), y(*chart.goalPounds));
        goalPath.lineTo(plot.right(), y(*chart.goalPounds));
    }

    painter.save();
    painter.setClipRect(plot.adjusted(-unit, -unit, unit, unit));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colors.today, 1.5 * unit, Qt::DashDotLine));
    painter.drawPath(todayPath);
    painter.setPen(QPen(colors.goal, 1.5 * unit, Qt::DashLine));
    painter.drawPath(goalPath);
    painter.setPen(modelPen);
    painter.drawPath(modelPath);
    painter.setPen(trendPen);
    painter.drawPath(trendPath);
    // The weigh-ins as round dots, drawn at once: ten years of them must not slow the
    // window down.
    QPolygonF drawn;
    drawn.reserve(chart.weighIns.size());
    for (int i = 0; i < chart.weighIns.size(); ++i) {
        const QPointF point = chart.weighIns.at(i);
        if (point.x() < from || point.x() > to)
            continue;
        const QPointF dot = at(point);
        if (dots)
            (*dots)[i] = dot;
        if (drawn.isEmpty() || std::fabs(dot.x() - drawn.last().x()) >= 0.5
            || std::fabs(dot.y() - drawn.last().y()) >= 0.5)
            drawn << dot;
    }
    painter.setPen(QPen(colors.trend, 5 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(drawn);
    painter.setPen(linePen);
    painter.drawPath(linePath);
    const bool startShown = !chart.line.isEmpty() && shown(chart.line.first().x());
    const bool endShown = chart.line.size() > 1 && shown(chart.line.last().x());
    painter.setBrush(colors.line);
    if (startShown)
        painter.drawEllipse(at(chart.line.first()), 3 * unit, 3 * unit);
    if (endShown)
        painter.drawEllipse(at(chart.line.last()), 3 * unit, 3 * unit);
    painter.restore();

    // The labels go where they cover no line and no other label: the first place of
    // their own list that is clear, inside the plot.
    QList<QPainterPath> strokes;
    QPainterPathStroker stroker;
    stroker.setWidth(3 * unit);
    for (const QPainterPath* drawnPath :
        std::initializer_list<const QPainterPath*> {&modelPath, &trendPath, &linePath, &todayPath, &goalPath}) {
        if (!drawnPath->isEmpty())
            strokes << stroker.createStroke(*drawnPath);
    }
    QList<QRectF> taken;
    auto clear = [&](const QRectF& r) {
        if (!plot.contains(r))
            return false;
        for (const QRectF& other : taken) {
            if (other.intersects(r))
                return false;
        }
        for (const QPainterPath& stroke : strokes) {
            if (stroke.intersects(r))
                return false;
        }
        return true;
    };
    auto label = [&](const QString& text, const QColor& color, const QList<QPointF>& corners) {
        // Each corner is the top left of a place the label may stand.
        const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height());
        QRectF chosen;
        for (const QPointF& corner : corners) {
            const QRectF r(corner, size);
            if (clear(r)) {
                chosen = r;
                break;
            }
        }
        // Nowhere clear, as on a chart too small for its lines: the label is left out
        // rather than written over them; the key and the scales still say what they are.
        if (chosen.isNull())
            return;
        taken << chosen;
        painter.setPen(color);
        painter.drawText(chosen, Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    const double h = metrics.height();
    auto width = [&](const QString& text) { return metrics.horizontalAdvance(text) + 2; };

    // The goal at the left, below its dashes or above them, else at the right.
    if (chart.goalPounds) {
        const double g = y(*chart.goalPounds);
        //: Label of the goal's dashed line across the chart; %1 is the goal weight, such as "70 kg (154.3 lb)"
        const QString text = WeightChart::tr("Goal %1").arg(bothUnits(*chart.goalPounds, chart, locale));
        const double w = width(text);
        label(text, colors.goal,
            {{plot.left() + gap, g + 3}, {plot.left() + gap, g - h - 3}, {plot.center().x() - w / 2, g + 3},
                {plot.center().x() - w / 2, g - h - 3}, {plot.right() - w - gap, g + 3},
                {plot.right() - w - gap, g - h - 3}});
    }
    // Today beside its mark, inside the plot, never over the scales beside it.
    if (todayShown) {
        const double t = x(*chart.today);
        //: Label of the line across the progress chart on today's date
        const QString text = WeightChart::tr("Today");
        const double w = width(text);
        label(text, colors.today,
            {{t + 3 * unit, plot.top() + 2}, {t - 3 * unit - w, plot.top() + 2}, {t + 3 * unit, plot.bottom() - h - 2},
                {t - 3 * unit - w, plot.bottom() - h - 2}, {t + 3 * unit, plot.top() + h + 4},
                {t - 3 * unit - w, plot.top() + h + 4}});
    }
    // The first and the last day's weight beside their points; the last ends where the
    // plan ends.
    if (startShown) {
        const QPointF p = at(chart.line.first());
        const QString text = bothUnits(chart.line.first().y(), chart, locale);
        label(text, colors.text,
            {{p.x() + gap, p.y() - h - 2}, {p.x() + gap, p.y() + 4}, {p.x() + gap, p.y() - 2 * h - 4},
                {p.x() - width(text) - gap, p.y() - h - 2}, {p.x() + gap, p.y() + h + 8}});
    }
    if (endShown) {
        const QPointF p = at(chart.line.last());
        const QString text = bothUnits(chart.line.last().y(), chart, locale, 2);
        const double w = width(text);
        // Nearest the end first; then further to the left, where a falling line is
        // higher above it and the goal's dashes, through the end, lower below it.
        QList<QPointF> corners {{p.x() - w, p.y() + 4}, {p.x() - w - gap, p.y() - h / 2}, {p.x() - w, p.y() - h - 4},
            {p.x() + gap, p.y() + 4}, {p.x() + gap, p.y() - h - 4}};
        for (int step = 1; step <= 6; ++step) {
            corners << QPointF(p.x() - w - step * w / 4, p.y() - h - 4) << QPointF(p.x() - w - step * w / 4, p.y() + 4);
        }
        label(text, colors.text, corners);
    }
    painter.restore();
}

WeightChart::WeightChart(QWidget* parent)
    : QWidget(parent)
{
    WindowParts::installAccessibleRoles(); // read as a picture
    setObjectName(QStringLiteral("weightChart"));
    setFocusPolicy(Qt::TabFocus);
    //: Name of the chart, read by a screen reader
    setAccessibleName(tr("Weight chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool WeightChart::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // The weigh-in nearest the pointer, within a few pixels: its date and weight.
    const QPoint pointer = static_cast<QHelpEvent*>(event)->pos();
    constexpr double reach = 8;
    int nearest = -1;
    double distance = reach * reach;
    for (int i = 0; i < m_dots.size(); ++i) {
        const QPointF d = m_dots.at(i) - QPointF(pointer);
        const double squared = d.x() * d.x() + d.y() * d.y();
        if (squared <= distance) {
            distance = squared;
            nearest = i;
        }
    }
    if (nearest < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), weighInTip(m_chart, nearest, locale()), this);
    return true;
}

void WeightChart::setChart(const ChartData& chart)
{
    m_chart = chart;
    m_dots.clear();
    update();
}

void WeightChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintWeightChart(painter, rect(), m_chart, screenChartColors(), Look::verdana(8.25), locale(), &m_dots);
    if (hasFocus()) {
        painter.setPen(QPen(Look::kCream, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
