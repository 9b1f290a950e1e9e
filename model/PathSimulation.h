#ifndef PATHSIMULATION_H
#define PATHSIMULATION_H

// Many projected paths of one portfolio, each with its own yearly growth rates, and the
// spread of their outcomes.
//
// The variation model. A path draws, for every calendar year of the projection, three
// independent deviations from a normal distribution with mean 0: one for the value growth
// ("Waardestijging/j(%)"), one for the rent growth ("Huurstijging/j(%)") and one for the
// return ("Rendement"), with the spreads (standard deviations) the user sets, in percentage
// points. Each deviation is shared by every row of the path: the rows of one portfolio meet
// one housing market, one rent market and one capital market. The mortgage interest stays
// as typed, so payments and debt do not vary.
//
// The deviation is added to the typed yearly rate for that one year, and that year's rate
// compounds monthly as every rate of the projection does: a rate of p % plus a deviation of
// z points grows an amount by (1 + (p + z) / 1200)^12 in that year. Values and rents follow
// the product of these yearly factors instead of one power; the savings of a compounding
// row grow by the year's factor and earn the year's rate on the monthly deposits; money lent
// out earns the year's rate on its capital. The deviation of year Y applies to the growth
// from Y to Y + 1; the monthly income a row reports for Y is what it earns during Y, so it
// already uses that year's rate. With every spread 0 a path is the projection itself.

#include "model/CostTax.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QMetaType>
#include <QVector>

#include <atomic>
#include <climits>
#include <optional>

class InvestmentStore;

// The rows a run projects: the inputs of the projected rows, the base year and the number of
// years, copied from the store so that a run never reads the store while the user edits it.
struct PathPortfolio
{
    int baseYear = INT_MAX; // no base year: nothing to project
    int years = 0; // 0 .. 31
    QVector<InvestmentInput> rows;
    DebtMeasure debt = DebtMeasure::PaymentsDue; // the store's: the net worth the bands spread
    CostTaxAssumptions costTax; // the store's: costs and tax follow each path's values

    // The projected rows among rows 0 .. maxInvestment - 1, as the totals count them.
    static PathPortfolio fromStore(const InvestmentStore &store);
};

struct PathSettings
{
    static constexpr double MaxSpread = 100.0; // percentage points
    static constexpr int MinPaths = 1;
    static constexpr int MaxPaths = 100000;
    static constexpr int DefaultPaths = 10000;
    static constexpr quint64 DefaultSeed = 20240617;

    double valueSpread = 5.0; // percentage points
    double rentSpread = 2.0;
    double returnSpread = 10.0;
    int paths = DefaultPaths;
    quint64 seed = DefaultSeed;
    // The money the household spends per month; when set, a run also gives the chance that
    // the portfolio's monthly cash flow covers it.
    std::optional<double> monthlySpending;
    // The spending per year index in the euros of that year, when it grows with inflation;
    // empty: monthlySpending in every year. Used only when monthlySpending is set.
    QVector<double> spendingByYear;

    // Spreads within 0 .. MaxSpread (a NaN spread is 0), paths within MinPaths .. MaxPaths.
    PathSettings bounded() const;
};

// What a run gives, per year index 0 .. years - 1 (calendar year firstYear + index).
struct PathBands
{
    int firstYear = INT_MAX;
    int paths = 0;
    bool cancelled = false; // stopped before the end: the bands are empty
    // Percentiles of total net worth (assets minus debt), interpolated between the nearest
    // ranks; NaN in a year in which a path's net worth is no number.
    QVector<double> p10, p50, p90;
    // With a spending target only (empty otherwise): the share of paths, 0 .. 1, whose total
    // monthly cash flow covers it in that year, and the share that is free by that year: whose
    // cash flow covers it in some year F up to that year and in every year from F to the end
    // of the horizon (the free-year rule of FreeYearIndex, path by path).
    QVector<double> coveredChance;
    QVector<double> coveredByChance;
};
Q_DECLARE_METATYPE(PathBands)

// The totals of one path per year index, as the year totals sum them over the rows.
struct PathTotals
{
    QVector<double> cash, propertyValue, debt, monthlyCashFlow;
    double netWorth(int y) const { return cash[y] + propertyValue[y] - debt[y]; }
};

struct PathRunControl
{
    int threads = 0; // 0: one per core
    const std::atomic<bool> *cancel = nullptr; // checked between small batches of paths
    std::atomic<int> *pathsDone = nullptr; // counts finished paths while the run goes
};

// Runs settings.paths paths (bounded) of the portfolio. Each path draws from its own stream,
// made from the seed and the path's number, so the result depends on the seed alone and not
// on the number of threads.
PathBands RunPaths(const PathPortfolio &portfolio, const PathSettings &settings, const PathRunControl &control = {});

// Path number `path` alone, with its yearly totals (what the run takes its figures from).
PathTotals SimulatePath(const PathPortfolio &portfolio, const PathSettings &settings, int path);

// The deviations of one path in percentage points, per year index: those of value growth, rent
// growth and return.
struct PathDeviations
{
    double value[MaxYears] = {};
    double rent[MaxYears] = {};
    double yield[MaxYears] = {};
};

// The path that these deviations make.
PathTotals SimulatePath(const PathPortfolio &portfolio, const PathDeviations &deviations);

// The p-th quantile (0 .. 1) of `values`, linear between the nearest ranks; may reorder them.
// NaN when a value is NaN or there are none.
double Quantile(double *values, int count, double p);
// Several quantiles at once, for p in ascending order; each narrows the range the next searches.
void Quantiles(double *values, int count, const double *p, double *quantiles, int n);

#endif // PATHSIMULATION_H
