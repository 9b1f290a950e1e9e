#include "charts/ChartData.h"

#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"

#include <algorithm>
#include <QCoreApplication>

namespace {

int yearAfter(int year, int count)
{
    return static_cast<int>(std::min<long long>(static_cast<long long>(year) + count, INT_MAX));
}

} // namespace

ChartData BuildChartData(const InvestmentStore &store, const double *netWorthByYear, const ChartInputs &in)
{
    ChartData data;
    int firstYear = store.earliestStartYear();
    if (firstYear == InvestmentStore::NoBaseYear)
        firstYear = in.firstYearWithoutBase;
    const int years = store.maxJaren();
    data.firstYear = firstYear;
    data.lastYear = yearAfter(firstYear, years - 1);

    const int leadingRows = store.projectedRowCount();
    // The cash-flow chart sums the drawn rows; the net-worth chart draws the yearly list.
    data.sum = QVector<double>(std::max(0, years));
    for (int k = 0; k < years; ++k) {
        if (in.cashFlow) {
            double sum = 0.0;
            for (int r = 0; r < leadingRows; ++r)
                sum += store.record(r, k)->series[SerMonthlyCashFlow];
            data.sum[k] = sum;
        } else {
            data.sum[k] = netWorthByYear[k];
        }
    }

    // In today's money every amount of a year is divided by that year's divisor.
    const InflationTable *real = in.real;
    auto shown = [real, firstYear](double value, int k) { return real ? real->real(value, firstYear + k) : value; };
    QVector<QVector<double>> covered;
    for (int r = 0; r < leadingRows; ++r) {
        QVector<double> values(years);
        for (int k = 0; k < years; ++k) {
            const double *s = store.record(r, k)->series;
            values[k] = shown(in.cashFlow ? s[SerMonthlyCashFlow] : s[SerAssets] - s[SerDebt], k);
        }
        data.rows.append(values);
        data.rowTypes << InvestmentTypeNames.value(store.rowType(r));
    }
    covered = data.rows;
    data.sumShown = QVector<double>(std::max(0, years));
    for (int k = 0; k < years; ++k)
        data.sumShown[k] = shown(data.sum[k], k);
    covered.append(data.sumShown);
    if (in.cashFlow && store.costTax().box3.regime != Box3Regime::Off) {
        data.afterTax = QVector<double>(std::max(0, years));
        for (int k = 0; k < years; ++k)
            data.afterTax[k] = shown(data.sum[k] - store.box3Tax(k) / 12.0, k);
        covered.append(data.afterTax);
    }
    data.drawSum = leadingRows >= 2;

    // The uncertainty band of the total net worth, when the paths of this portfolio are in.
    if (!in.cashFlow && in.bands && !in.bands->p50.isEmpty() && in.bands->firstYear == firstYear) {
        const int n = std::min(years, static_cast<int>(in.bands->p50.size()));
        data.p10.resize(n);
        data.p50.resize(n);
        data.p90.resize(n);
        for (int k = 0; k < n; ++k) {
            data.p10[k] = shown(in.bands->p10.at(k), k);
            data.p50[k] = shown(in.bands->p50.at(k), k);
            data.p90[k] = shown(in.bands->p90.at(k), k);
        }
        covered << data.p10 << data.p90;
    }

    // The spending the cash flow should cover: constant in today's money, grown by inflation
    // in the euros of each year otherwise.
    if (in.cashFlow && in.spending && store.anyRowProjected()) {
        data.spending.resize(std::max(0, years));
        for (int k = 0; k < years; ++k)
            data.spending[k] = real ? *in.spending : in.today.nominal(*in.spending, firstYear + k);
        covered.append(data.spending);
        const int free = FreeYearIndex(store, in.today, *in.spending);
        data.freeYear = free == NoFreeYear ? INT_MIN : firstYear + free;
    }
    // The vertical axis covers the sum and every single line, so that none runs off the chart.
    data.baseline = in.baseline;
    covered << data.baseline;
    for (const ScenarioLine &line : in.scenarios) {
        if (line.values.isEmpty())
            continue;
        data.scenarios.append(line);
        covered << line.values;
    }
    data.range = CoveringRange(covered);

    data.title = in.cashFlow ? QCoreApplication::translate("ChartData", "Maandelijkse Cashflow") : QCoreApplication::translate("ChartData", "Netto vermogen");
    if (real)
        data.title += QLatin1Char(' ') + in.realMoneyCaption;
    return data;
}
