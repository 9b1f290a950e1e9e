#ifndef REALVALUES_H
#define REALVALUES_H

// Amounts in the money of a reference year ("euro's van vandaag"), and the year the monthly
// cash flow covers a monthly spending. The store keeps nominal figures; these functions
// convert what is shown, so that switching real values on or off projects nothing again.

#include "model/ProjectionBlock.h"

#include <QString>
#include <QVector>

class InvestmentStore;
struct YearTotals;

// Whether a series of a year record is an amount of money: all but the start year and ROI.
constexpr bool IsAmountSeries(int series)
{
    return series > SerStartYear && series < SeriesCount && series != SerRoi;
}

// Whether an inflation percentage can deflate: a finite number above -100.
bool IsUsableInflation(double percent);

// (1 + percent / 100)^(year − referenceYear): what an amount of calendar year `year` is
// divided by to give it in the money of `referenceYear`. Exactly 1 for 0 % and for a
// percentage that is not usable; below 1 for years before the reference year.
double DeflationDivisor(int year, int referenceYear, double inflationPercent);

// The calendar year of today, the default reference year.
int CurrentCalendarYear();

// The divisors of the calendar years firstYear .. firstYear + MaxYears - 1, computed once;
// another year's divisor is computed when asked. The default table (0 %) changes nothing.
class InflationTable
{
public:
    InflationTable();
    InflationTable(double inflationPercent, int referenceYear, int firstYear);

    double inflationPercent() const { return m_percent; }
    int referenceYear() const { return m_referenceYear; }
    int firstYear() const { return m_firstYear; }

    double divisor(int year) const
    {
        const long long i = static_cast<long long>(year) - m_firstYear;
        return i >= 0 && i < MaxYears ? m_divisor[i] : DeflationDivisor(year, m_referenceYear, m_percent);
    }
    // A nominal amount of `year` in the money of the reference year, and back.
    double real(double nominal, int year) const { return nominal / divisor(year); }
    double nominal(double real, int year) const { return real * divisor(year); }

    // Every amount of a year record or of the year totals of `year` divided by its divisor.
    void deflate(YearRecord &record, int year) const;
    void deflate(YearTotals &totals, int year) const;

private:
    double m_percent = 0.0;
    int m_referenceYear = 0;
    int m_firstYear = 0;
    double m_divisor[MaxYears];
};

// A row's own contribution per year index 0 .. years - 1 (calendar year baseYear + index) in
// the money of the table's reference year: every payment deflated at the year it was paid and
// summed. What a record adds to the one before was paid in the year before it (the deposits
// of the months in between); what the row's start-year record holds, in its start year. An
// amount that stays as it is (a price paid once) keeps the divisor of its start year.
void RealOwnContributions(const ProjectionBlock &block, int baseYear, int years, const InflationTable &table,
    double (&real)[MaxYears]);

// One row's year record as shown: as stored without a table; with one every amount divided by
// the divisor of its year, the own contribution payment by payment as above. ROI and start
// year stay as they are. A zero record outside rows 0..29 or years 0..30.
YearRecord ShownRecord(const InvestmentStore &store, int row, int yearIndex, const InflationTable *real);

// The table for a store's projected years (its earliest start year on).
InflationTable InflationTableFor(const InvestmentStore &store, double inflationPercent, int referenceYear);

// The year totals of a year index as shown: nominal without a table, in the money of the
// table's reference year with one (the own contribution summed from ShownRecord's).
// False (totals zero) as InvestmentStore::yearTotals.
bool ShownYearTotals(const InvestmentStore &store, int yearIndex, const InflationTable *real, YearTotals &totals);

// The same for every projected year at once (the base year read once); returns the number of
// projected years, 0 without a base year. The entries after them are zero.
int ShownTotalsByYear(const InvestmentStore &store, const InflationTable *real, YearTotals (&totals)[MaxYears]);

// The first calendar year among the projected years of `store` (its rows and their totals)
// whose amounts the table cannot bring to the reference year's money: the year's divisor
// overflows to infinity or to 0, or a finite amount divided by it is no longer finite. 0 when
// the table deflates every year, and without a base year.
int FirstYearBeyondDeflation(const InvestmentStore &store, const InflationTable &table);

constexpr int NoFreeYear = -1;

// The year from which the portfolio is free: the first projected year index F whose total
// monthly cash flow, in the money of the table's reference year, is at least `monthlySpending`
// (given in that money) in F and in every later projected year. One lucky year does not make
// one free. Comparing the nominal cash flow with the spending grown by inflation to each year
// is the same rule; this is its one definition. NoFreeYear when no row is projected, when the
// spending is not set (0, negative or not a number) or when the last projected year is not
// covered. Years before the reference year count like the others, their cash flow brought up
// to the reference year's money.
int FreeYearIndex(const InvestmentStore &store, const InflationTable &table, double monthlySpending);

// The rule above in the words of the free-year label's tool tip.
QString FreeYearToolTip();

// The spending of `monthlySpending` (in the money of the table's reference year) in the euros of
// each year index 0 .. years - 1 from `baseYear` on, as a run of paths compares it.
QVector<double> SpendingByYear(const InflationTable &table, int baseYear, int years, double monthlySpending);

#endif // REALVALUES_H
