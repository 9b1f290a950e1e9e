#include "charts/ChartMath.h"

#include "model/DutchFormat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

ValueRange ValueAxisRange(const double *values, int count)
{
    ValueRange range;
    if (!values || count <= 0)
        return range;
    double minimum = 9999999999.0;
    double maximum = 0.0;
    for (int i = 0; i < count; ++i) {
        const double v = values[i];
        if (!std::isfinite(v))
            continue;
        minimum = std::min(minimum, v);
        maximum = std::max(maximum, v);
    }
    range.lower = std::min(0.0, minimum);
    range.upper = maximum;
    return range;
}

ValueRange CoveringRange(const QVector<QVector<double>> &series)
{
    ValueRange covering;
    for (const QVector<double> &values : series) {
        const ValueRange range = ValueAxisRange(values.constData(), values.size());
        covering.lower = std::min(covering.lower, range.lower);
        covering.upper = std::max(covering.upper, range.upper);
    }
    return covering;
}

QString ValueAxisLabel(double value)
{
    if (!std::isfinite(value))
        return QString();
    const double whole = std::round(value);
    QString digits = QString::number(std::fabs(whole), 'f', 0);
    for (int i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char('.'));
    return whole < 0 ? QLatin1Char('-') + digits : digits;
}

// ---- Ticks of the vertical axis

namespace {

// The number of multiples of `step` in [lower, upper], allowing for rounding in the division.
double MultiplesWithin(double lower, double upper, double step)
{
    constexpr double slack = 1e-9;
    return std::floor(upper / step + slack) - std::ceil(lower / step - slack) + 1.0;
}

// Digits after the decimal comma that a multiple of `step` needs, at most 12.
int DecimalsOf(double step)
{
    int decimals = 0;
    double scaled = std::fabs(step);
    // Until the step is a whole number of its last decimal (a step below 1 always needs one).
    while (decimals < 12 && (scaled < 1.0 - 1e-9 || std::fabs(scaled - std::round(scaled)) > 1e-6 * scaled)) {
        scaled *= 10.0;
        ++decimals;
    }
    return decimals;
}

QString WithoutTrailingZeros(QString text)
{
    if (!text.contains(QLatin1Char(',')))
        return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

} // namespace

QVector<double> AxisTicks::values() const
{
    QVector<double> ticks;
    ticks.reserve(std::max(0, count));
    // Rounded to the step's decimals: three times 0.1 is 0.3, not a hair above it.
    const double scale = step > 0.0 ? std::pow(10.0, DecimalsOf(step)) : 1.0;
    for (int i = 0; i < count; ++i) {
        const double exact = first + i * step;
        // A value too large to scale (near the largest doubles) is whole already.
        const double scaled = exact * scale;
        double value = step > 0.0 && std::isfinite(scaled) ? std::round(scaled) / scale : exact;
        // The first tick may stand on a bound that is no multiple of the step: the others are
        // multiples counted from the nearest multiple, not from the bound.
        if (i > 0 && step > 0.0) {
            const double base = std::round(first / step) * step;
            const double multiple = base + i * step;
            const double multipleScaled = multiple * scale;
            value = std::isfinite(multipleScaled) ? std::round(multipleScaled) / scale : multiple;
        }
        value = std::clamp(value, lowest, highest);
        if (!ticks.isEmpty() && !(value > ticks.last()))
            continue;
        ticks.append(value == 0.0 ? 0.0 : value);
    }
    return ticks;
}

namespace {
// The finest step a tick may have: labels and tick values keep at most 12 decimals.
constexpr double MinimumTickStep = 1e-12 * (1.0 - 1e-9);
}

AxisTicks ValueAxisTicks(double lower, double upper, int most)
{
    AxisTicks ticks;
    if (!std::isfinite(lower) || !std::isfinite(upper))
        return ticks;
    if (lower > upper)
        std::swap(lower, upper);
    most = std::max(1, most);
    const double range = upper - lower;
    if (!(range > 0.0) || !std::isfinite(range)) {
        ticks.first = lower;
        ticks.count = 1;
        return ticks;
    }
    // A range too small to be shared out (near the smallest doubles) gets one tick.
    if (!(range / most > 0.0)) {
        ticks.first = lower;
        ticks.count = 1;
        return ticks;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(range / most))) - 1;
    for (int k = exponent; k <= exponent + 3; ++k) {
        for (double mantissa : { 1.0, 2.0, 5.0 }) {
            const double step = mantissa * std::pow(10.0, k);
            // A step too small for a double's precision (a range near the smallest numbers)
            // counts nothing: such ticks would not stay apart.
            if (!(step >= MinimumTickStep) || !std::isfinite(step))
                continue;
            const double count = MultiplesWithin(lower, upper, step);
            if (!std::isfinite(count) || count > most)
                continue;
            if (count < 1.0)
                break;
            const double firstMultiple = std::ceil(lower / step - 1e-9);
            ticks.first = std::max(lower, firstMultiple * step);
            ticks.step = step;
            ticks.count = static_cast<int>(count);
            ticks.lowest = lower;
            ticks.highest = upper;
            return ticks;
        }
    }
    ticks.first = lower;
    ticks.count = 1;
    return ticks;
}

int LabelsThatFit(double length, double extent)
{
    if (!(extent > 0.0) || !(length > 0.0))
        return 1;
    return std::max(1, static_cast<int>(std::floor(length / extent)) - 1);
}

QStringList TickLabels(const AxisTicks &ticks)
{
    const QVector<double> values = ticks.values();
    double largest = 0.0;
    for (double v : values)
        largest = std::max(largest, std::fabs(v));
    double unit = 1.0;
    QString suffix;
    if (largest >= 1e9) {
        unit = 1e9;
        suffix = QCoreApplication::translate("ChartMath", " mld");
    } else if (largest >= 1e6) {
        unit = 1e6;
        suffix = QCoreApplication::translate("ChartMath", " mln");
    }
    const int decimals = DecimalsOf((ticks.step > 0.0 ? ticks.step : ticks.first) / unit);
    QStringList labels;
    for (double v : values) {
        const QString number = WithoutTrailingZeros(DutchNumber(v / unit, decimals, true));
        labels << (number == QLatin1String("0") ? number : number + suffix);
    }
    return labels;
}

// ---- Years on the horizontal axis

QVector<int> LabelledYears(int firstYear, int lastYear, int step)
{
    QVector<int> years;
    step = std::max(1, step);
    const long long first = firstYear;
    // The first multiple of the step from firstYear on, also before the year 0.
    long long year = first % step == 0 ? first : first + (step - ((first % step) + step) % step);
    for (; year <= lastYear; year += step)
        years.append(static_cast<int>(year));
    if (years.isEmpty())
        years.append(firstYear);
    return years;
}

int YearLabelStep(int firstYear, int lastYear, double length, double extent)
{
    const int room = LabelsThatFit(length, extent);
    const long long span = static_cast<long long>(lastYear) - firstYear;
    for (long long power = 1; power <= 1000000000LL; power *= 10) {
        for (long long mantissa : { 1LL, 2LL, 5LL }) {
            const long long step = mantissa * power;
            if (LabelledYears(firstYear, lastYear, static_cast<int>(step)).size() <= room || step > span)
                return static_cast<int>(step);
        }
    }
    return 1000000000;
}

// ---- The legend

LegendPlan PlanLegend(const QVector<LegendEntry> &entries, double groupWidth, double spacing, double rowWidth)
{
    LegendPlan plan;
    plan.shown.fill(true, entries.size());
    double all = 0.0;
    double named = 0.0;
    int investments = 0;
    for (const LegendEntry &entry : entries) {
        all += entry.width + spacing;
        if (entry.investment) {
            ++investments;
        } else {
            named += entry.width + spacing;
        }
    }
    if (investments <= MostInvestmentsByName && all - spacing <= rowWidth)
        return plan;

    QVector<int> bySize;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).investment) {
            plan.shown[i] = false;
            bySize.append(i);
        }
    }
    std::stable_sort(bySize.begin(), bySize.end(),
        [&entries](int a, int b) { return entries.at(a).size > entries.at(b).size; });
    double used = named + groupWidth;
    int byName = 0;
    for (int i : bySize) {
        if (byName == LargestInvestmentsByName || used + spacing + entries.at(i).width > rowWidth)
            break;
        plan.shown[i] = true;
        used += spacing + entries.at(i).width;
        ++byName;
    }
    plan.grouped = investments - byName;
    return plan;
}

// ---- Hovering

NearestPoint NearestLine(const QVector<QVector<QPointF>> &lines, const QPointF &place, double reach)
{
    NearestPoint nearest;
    double best = reach;
    const auto consider = [&](int line, int index, double distance) {
        if (std::isfinite(distance) && distance <= best) {
            best = distance;
            nearest.line = line;
            nearest.index = index;
            nearest.distance = distance;
        }
    };
    for (int l = 0; l < lines.size(); ++l) {
        const QVector<QPointF> &points = lines.at(l);
        if (points.size() == 1)
            consider(l, 0, std::hypot(place.x() - points.at(0).x(), place.y() - points.at(0).y()));
        for (int i = 0; i + 1 < points.size(); ++i) {
            const QPointF a = points.at(i);
            const QPointF b = points.at(i + 1);
            const double dx = b.x() - a.x();
            const double dy = b.y() - a.y();
            const double length2 = dx * dx + dy * dy;
            double t = length2 > 0.0 ? ((place.x() - a.x()) * dx + (place.y() - a.y()) * dy) / length2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double distance = std::hypot(place.x() - (a.x() + t * dx), place.y() - (a.y() + t * dy));
            consider(l, t < 0.5 ? i : i + 1, distance);
        }
    }
    return nearest;
}
