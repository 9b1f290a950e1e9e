#include "charts/ChartMath.h"

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

double ValueAxisStep(double lower, double upper)
{
    const double step = std::trunc((upper - lower) / 20.0);
    return std::isfinite(step) ? step : 0.0;
}

QVector<double> ValueAxisLabelValues(double lower, double upper)
{
    const double step = ValueAxisStep(lower, upper);
    QVector<double> labels;
    labels.reserve(ValueAxisLabelCount);
    for (int i = 0; i < ValueAxisLabelCount; ++i)
        labels.append(lower + i * step);
    return labels;
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
