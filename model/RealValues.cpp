#include "model/RealValues.h"

#include "model/InvestmentStore.h"

#include <QDate>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <QCoreApplication>

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
             &t.monthlyCosts, &t.monthlyCashFlow, &t.assets, &t.runningCosts, &t.box3Tax })
        *amount /= d;
}

void RealOwnContributions(const ProjectionBlock &block, int baseYear, int years, const InflationTable &table,
    double (&real)[MaxYears])
{
    const int count = std::clamp(years, 0, MaxYears);
    double paid = 0.0; // nominal, up to the record before
    double sum = 0.0;
    for (int y = 0; y < MaxYears; ++y) {
        if (y >= count) {
            real[y] = 0.0;
            continue;
        }
        const double *s = block.years[y].series;
        const double own = s[SerOwnContribution];
        // Unwritten records hold 0 and add nothing; an amount that stays (also an endless one)
        // is no new payment.
        if (own != paid) {
            const long long year = static_cast<long long>(baseYear) + y;
            const long long start = static_cast<long long>(s[SerStartYear]);
            const long long paidIn = year == start ? start : year - 1;
            sum += table.real(own - paid, static_cast<int>(std::clamp<long long>(paidIn, INT_MIN, INT_MAX)));
            paid = own;
        }
        real[y] = sum;
    }
}

YearRecord ShownRecord(const InvestmentStore &store, int row, int yearIndex, const InflationTable *real)
{
    const YearRecord *stored = store.record(row, yearIndex);
    YearRecord record {};
    if (!stored)
        return record;
    record = *stored;
    const int base = store.earliestStartYear();
    if (!real || base == InvestmentStore::NoBaseYear)
        return record;
    real->deflate(record, base + yearIndex);
    double own[MaxYears];
    RealOwnContributions(store.block(row), base, yearIndex + 1, *real, own);
    record.series[SerOwnContribution] = own[yearIndex];
    return record;
}

namespace {

// The own contribution total of every year in the table's money, over the rows the totals sum.
void RealOwnTotals(const InvestmentStore &store, int base, const InflationTable &table, double (&totals)[MaxYears])
{
    std::fill(std::begin(totals), std::end(totals), 0.0);
    for (int r = 0; r < store.maxInvestment(); ++r) {
        double own[MaxYears];
        RealOwnContributions(store.block(r), base, store.maxJaren(), table, own);
        for (int y = 0; y < MaxYears; ++y)
            totals[y] += own[y];
    }
}

} // namespace

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
    if (base != InvestmentStore::NoBaseYear) { // without a base year every total is 0
        real->deflate(totals, base + yearIndex);
        double own[MaxYears];
        RealOwnTotals(store, base, *real, own);
        totals.ownContribution = own[yearIndex];
    }
    return true;
}

int ShownTotalsByYear(const InvestmentStore &store, const InflationTable *real, YearTotals (&totals)[MaxYears])
{
    const int base = store.earliestStartYear();
    const int count = base == InvestmentStore::NoBaseYear ? 0 : store.maxJaren();
    double own[MaxYears] = {};
    if (real && count > 0)
        RealOwnTotals(store, base, *real, own);
    for (int y = 0; y < MaxYears; ++y) {
        totals[y] = YearTotals();
        if (y >= count)
            continue;
        store.yearTotals(y, totals[y]);
        if (real) {
            real->deflate(totals[y], base + y);
            totals[y].ownContribution = own[y];
        }
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
    // Back from the last year: free from the year after the last one not covered.
    int free = NoFreeYear;
    for (int y = store.maxJaren() - 1; y >= 0; --y) {
        YearTotals t;
        store.yearTotals(y, t);
        if (!(table.real(t.monthlyCashFlow, base + y) >= monthlySpending))
            break;
        free = y;
    }
    return free;
}

QString FreeYearToolTip()
{
    return QCoreApplication::translate("RealValues", "Het eerste jaar vanaf wanneer de maandelijkse cashflow, in euro's van vandaag, de "
                          "maandelijkse uitgaven dekt in dat jaar en in elk later jaar van de horizon");
}

QVector<double> SpendingByYear(const InflationTable &table, int baseYear, int years, double monthlySpending)
{
    QVector<double> spending(std::clamp(years, 0, MaxYears));
    for (int y = 0; y < spending.size(); ++y)
        spending[y] = table.nominal(monthlySpending, static_cast<int>(static_cast<long long>(baseYear) + y));
    return spending;
}
