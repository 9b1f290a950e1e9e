#ifndef CHARTMATH_H
#define CHARTMATH_H

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <limits>

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

// The text of an amount in a tool tip: the value rounded to a whole amount (halves away
// from 0), its digits grouped by three with dots and a minus sign before a negative amount:
// "2.160.880", "-15.000", "0". Never in exponent notation.
QString ValueAxisLabel(double value);

// ---- Ticks of the vertical axis

// The ticks first + i * step for i = 0 .. count - 1, all inside the axis range. The step is
// 1, 2 or 5 times a power of ten; a range without width has the single tick at its bound
// and a step of 0.
struct AxisTicks
{
    double first = 0.0;
    double step = 0.0;
    int count = 0;
    // The axis the ticks belong to: no tick value lies outside it.
    double lowest = -std::numeric_limits<double>::infinity();
    double highest = std::numeric_limits<double>::infinity();

    // The tick values, rounded to the step's decimals, within [lowest, highest] and rising;
    // a value that rounding puts onto its neighbour is left out.
    QVector<double> values() const;
};

// The ticks with the smallest such step that gives at most `most` ticks inside
// [lower, upper] (at least one: `most` below 1 counts as 1). Bounds that are not finite give
// no ticks.
AxisTicks ValueAxisTicks(double lower, double upper, int most);

// How many labels of `extent` pixels (height on a vertical axis, width on a horizontal one)
// an axis of `length` pixels shows: the chart gives every label an equal share of the
// length, one share more than there are labels. At least 1.
int LabelsThatFit(double length, double extent);

// The labels of the ticks in Dutch notation: "1.250", "0,5", "-20.000"; from a million on
// in millions ("1,5 mln", "40 mln") and from a miljard on in miljarden ("2,5 mld"), with as
// many decimals as the step needs. 0 is always "0". Never an exponent.
QStringList TickLabels(const AxisTicks &ticks);

// ---- Years on the horizontal axis

// The step between year labels: the smallest of 1, 2, 5, 10, 20, 50 ... years for which the
// labelled years (the multiples of the step from firstYear to lastYear) fit an axis of
// `length` pixels with labels of `extent` pixels wide (see LabelsThatFit).
int YearLabelStep(int firstYear, int lastYear, double length, double extent);

// The labelled years: the multiples of `step` from firstYear to lastYear, or firstYear alone
// when none is a multiple.
QVector<int> LabelledYears(int firstYear, int lastYear, int step);

// ---- The legend

// One entry of the legend: its width in pixels, and for an investment line its size (the
// largest amount the line reaches, without sign). Entries that are not investments (the
// sum, the baseline, the band, the median, the spending) are always shown by name.
struct LegendEntry
{
    double width = 0.0;
    bool investment = false;
    double size = 0.0;
};

// Which entries the legend shows by name; the investments not shown share one group entry.
struct LegendPlan
{
    QVector<bool> shown; // per entry
    int grouped = 0; // investments in the group entry; 0: no group entry
};

// More investments than this are grouped, even when their names would fit.
constexpr int MostInvestmentsByName = 8;
// A grouped legend names at most this many investments, the largest.
constexpr int LargestInvestmentsByName = 5;

// Plans a one-row legend of `rowWidth` pixels: every entry when there are at most
// MostInvestmentsByName investments and the entries fit side by side (`spacing` pixels
// between two). Otherwise the entries that are not investments, the largest investments
// (by size, at most LargestInvestmentsByName, as many as fit) and one group entry of
// `groupWidth` pixels for the rest. Names are never shortened: entries that are not
// investments are shown even when they alone do not fit.
LegendPlan PlanLegend(const QVector<LegendEntry> &entries, double groupWidth, double spacing, double rowWidth);

// ---- Hovering

// The point of a line nearest to a place, all in pixels.
struct NearestPoint
{
    int line = -1; // -1: no line within reach
    int index = -1; // the vertex of that line nearest to the place along the line
    double distance = 0.0;
};

// The line whose drawn segments pass nearest to `place`, if within `reach` pixels, with the
// vertex nearest to the foot of the perpendicular. A line of one point counts as that point.
NearestPoint NearestLine(const QVector<QVector<QPointF>> &lines, const QPointF &place, double reach);

#endif // CHARTMATH_H
