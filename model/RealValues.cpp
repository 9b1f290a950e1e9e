#include "model/RealValues.h"

#include "model/InvestmentStore.h"

#include <QDate>

#include <climits>
#include <cmath>

bool IsUsableInflation(double percent)
{
    return std::isfinite(percent) && percent > -100.0;
}

double DeflationDivisor(int year, int referenceYear, double inflationPercent)
{
    if (inflationPercent == 0.0 || !IsUsableInflation(inflationPercent))
        return 1.0;
    return std::pow(1.0 + inflationPercent / 100.0, static_cast<double>(year) - static_cast<double>(referenceYear));
}

int CurrentCalendarYear()
{
    return QDate::currentDate().year();
}

InflationTable::InflationTable()
{
    for (double &d : m_divisor)
        d = 1.0;
}

InflationTable::InflationTable(double inflationPercent, int referenceYear, int firstYear)
    : m_percent(inflationPercent)
    , m_referenceYear(referenceYear)
    , m_firstYear(firstYear)
{
    // The last years of the table would pass INT_MAX for a first year beyond the start
    // years a row can have; such a table computes every divisor when asked.
    if (firstYear > INT_MAX - MaxYears)
        m_firstYear = INT_MAX - MaxYears;
    for (int i = 0; i < MaxYears; ++i)
        m_divisor[i] = DeflationDivisor(m_firstYear + i, referenceYear, inflationPercent);
}

void InflationTable::deflate(YearRecord &record, int year) const
{
    const double d = divisor(year);
    for (int k = 0; k < SeriesCount; ++k) {
        if (IsAmountSeries(k))
            record.series[k] /= d;
    }
}

void InflationTable::deflate(YearTotals &t, int year) const
{
    const double d = divisor(year);
    for (double *amount : { &t.cash, &t.propertyValue, &t.ownContribution, &t.debt, &t.monthlyIncome,
             &t.monthlyCosts, &t.monthlyCashFlow, &t.assets })
        *amount /= d;
}

InflationTable InflationTableFor(const InvestmentStore &store, double inflationPercent, int referenceYear)
{
    return InflationTable(inflationPercent, referenceYear, store.earliestStartYear());
}

bool ShownYearTotals(const InvestmentStore &store, int yearIndex, const InflationTable *real, YearTotals &totals)
{
    if (!store.yearTotals(yearIndex, totals))
        return false;
    if (!real)
        return true;
    const int base = store.earliestStartYear();
    if (base != InvestmentStore::NoBaseYear) // without a base year every total is 0
        real->deflate(totals, base + yearIndex);
    return true;
}

int ShownTotalsByYear(const InvestmentStore &store, const InflationTable *real, YearTotals (&totals)[MaxYears])
{
    const int base = store.earliestStartYear();
    const int count = base == InvestmentStore::NoBaseYear ? 0 : store.maxJaren();
    for (int y = 0; y < MaxYears; ++y) {
        totals[y] = YearTotals();
        if (y >= count)
            continue;
        store.yearTotals(y, totals[y]);
        if (real)
            real->deflate(totals[y], base + y);
    }
    return count;
}

int FirstYearBeyondDeflation(const InvestmentStore &store, const InflationTable &table)
{
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return 0;
    const auto beyond = [](double nominal, double divisor) { return std::isfinite(nominal) && !std::isfinite(nominal / divisor); };
    for (int y = 0; y < store.maxJaren(); ++y) {
        const double d = table.divisor(base + y);
        if (!std::isfinite(d) || !(d > 0.0))
            return base + y;
        YearTotals t;
        store.yearTotals(y, t);
        for (double amount : { t.cash, t.propertyValue, t.ownContribution, t.debt, t.monthlyIncome, t.monthlyCosts,
                 t.monthlyCashFlow, t.assets, t.netWorth() }) {
            if (beyond(amount, d))
                return base + y;
        }
        for (int r = 0; r < store.maxInvestment(); ++r) {
            if (!store.block(r).projected)
                continue;
            for (int k = 0; k < SeriesCount; ++k) {
                if (IsAmountSeries(k) && beyond(store.block(r).years[y].series[k], d))
                    return base + y;
            }
        }
    }
    return 0;
}

int FreeYearIndex(const InvestmentStore &store, const InflationTable &table, double monthlySpending)
{
    if (!(monthlySpending > 0.0) || !store.anyRowProjected())
        return NoFreeYear;
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return NoFreeYear;
    for (int y = 0; y < store.maxJaren(); ++y) {
        YearTotals t;
        store.yearTotals(y, t);
        if (table.real(t.monthlyCashFlow, base + y) >= monthlySpending)
            return y;
    }
    return NoFreeYear;
}
