#ifndef PROJECTIONBLOCK_H
#define PROJECTIONBLOCK_H

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

// One row's projection; year record y belongs to calendar year base year + y.
struct ProjectionBlock
{
    bool projected;
    YearRecord years[MaxYears];

    void reset()
    {
        projected = false;
        for (YearRecord &record : years) {
            for (double &v : record.series)
                v = 0.0;
        }
    }
};

#endif // PROJECTIONBLOCK_H
