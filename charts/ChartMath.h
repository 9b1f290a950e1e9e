#ifndef CHARTMATH_H
#define CHARTMATH_H

#include <QString>
#include <QVector>

// Lower and upper bound of the chart's vertical axis.
struct ValueRange
{
    double lower = 0.0;
    double upper = 0.0;
};

// The vertical range of a chart drawn from `count` values: the smallest and the largest
// value, widened so that 0 always lies inside. No values gives [0, 0]. Values that are
// not finite are left out, so the axis keeps finite bounds.
ValueRange ValueAxisRange(const double *values, int count);

// The vertical range that covers every value of every series, 0 included: the chart shows
// each line whole, also where a single investment lies below or above the sum.
ValueRange CoveringRange(const QVector<QVector<double>> &series);

// The text of a vertical label: the value rounded to a whole amount (halves away from 0),
// its digits grouped by three with dots and a minus sign before a negative amount:
// "2.160.880", "-15.000", "0". Never in exponent notation.
QString ValueAxisLabel(double value);

// Number of labels on the vertical axis.
constexpr int ValueAxisLabelCount = 21;

// The step between two vertical labels: a twentieth of the range, truncated to a whole
// number; 0 when that is not a finite number.
double ValueAxisStep(double lower, double upper);

// The 21 label values lower + i * step, i = 0 .. 20. With a step of 0 they all coincide;
// the axis then keeps only the first.
QVector<double> ValueAxisLabelValues(double lower, double upper);

#endif // CHARTMATH_H
