#ifndef PROJECTIONBLOCK_H
#define PROJECTIONBLOCK_H

#include <cstring>
#include <type_traits>

constexpr int MaxRows = 30; // capacity of the store and row count of both grids
constexpr int MaxYears = 31; // capacity of a projection, in years

// The ten series of a year record, in the column order of the output grid.
enum Series {
    SerStartYear = 0, // "BeginJaar"
    SerCash = 1,
    SerPropertyValue = 2,
    SerAssets = 3,
    SerOwnContribution = 4,
    SerDebt = 5,
    SerMonthlyIncome = 6,
    SerMonthlyCosts = 7,
    SerMonthlyCashFlow = 8,
    SerRoi = 9,
    SeriesCount = 10
};

struct YearRecord
{
    double series[SeriesCount];
};

// What the debt series holds: the payments still due, interest included (the program's own
// figure), or the remaining principal of the mortgage.
enum class DebtMeasure { PaymentsDue, RemainingPrincipal };

// One row's projection; year record y belongs to calendar year base year + y.
// Plain data, so that it can be cleared and copied as bytes.
struct ProjectionBlock
{
    bool projected;
    YearRecord years[MaxYears];
    // Beside the records, whichever debt they show: the mortgage's outstanding principal in
    // each year (0 for rows without a mortgage and for years before the row's start).
    double principal[MaxYears];
    // The running costs a month within the monthly costs (maintenance, fixed charges, management).
    double runningCosts[MaxYears];

    // Not projected, every figure 0 (all bits zero is 0.0): one memset, as clearing the store
    // resets all thirty blocks.
    void reset() { std::memset(static_cast<void *>(this), 0, sizeof *this); }
};

static_assert(std::is_trivially_copyable_v<ProjectionBlock>, "a block is cleared and copied as bytes");

#endif // PROJECTIONBLOCK_H
