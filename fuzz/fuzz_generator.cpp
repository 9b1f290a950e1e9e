// Drives a generator run and the chart ranges from arbitrary parameters: the kind, the ten
// panel fields (chosen among telling values, read from text or taken as raw doubles) and the
// two limits. The run writes its rows into a store the way the window writes them into the
// grid (through the cell text, with the year check), projects them, and then checks what
// must hold whatever the numbers:
// - the run ends, after at most one step per year plus one per row;
// - every cell text reads back as the value it was written from (six significant digits);
// - rising prices never fall;
// - the cash the generator buys with is the cash of the year totals;
// - assets are cash plus property value in every record, the totals are the sums of the
//   rows, and the sum line of the net-worth chart is the sum of the investments' lines;
// - the vertical axis holds 0 and every finite value, with 21 finite labels in order.

#include "charts/ChartMath.h"
#include "generator/GeneratorMath.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentStore.h"

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// a and b agree up to the rounding of summing `magnitude` worth of terms.
bool close(double a, double b, double magnitude)
{
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(magnitude))
        return true;
    return std::abs(a - b) <= 1e-9 * magnitude + 1e-300;
}

const double Telling[] = { 0.0, -1.0, 1.0, 2.0, 5.0, 12.0, 30.0, 50.0, 80.0, 100.0, 101.0, 1000.0, 250000.0,
    1919.0, 1920.0, 2020.0, 2100.0, 2100.5, 2101.0, 0.5, -0.5, 1e-300, 1e6, 1e15, 1e300, 1e308, -1e308,
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
    std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min() };

double fuzzedValue(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return in.PickValueInArray(Telling);
    case 1:
        return in.ConsumeIntegralInRange(-1000, 300000);
    case 2:
        return in.ConsumeIntegralInRange(1900, 2120);
    case 3:
        return GeneratorParameterFromText(QString::fromStdString(in.ConsumeRandomLengthString(24)));
    default:
        return in.ConsumeFloatingPoint<double>();
    }
}

struct Run
{
    InvestmentStore store;

    // A generated row into the first row that is not complete, as the grid takes it: each
    // value through its cell text, the year check on the start year, the cells that do not
    // apply to the type emptied. False when every row is complete.
    bool write(const InvestmentInput &record)
    {
        int row = 0;
        while (row < MaxRows && store.isRowComplete(row))
            ++row;
        if (row == MaxRows)
            return false;
        const int type = GeneratedRowType(record.field[ColType]);
        check(type >= 0 && type < InvestmentTypeCount, "generated type");
        store.setRowType(row, type);
        InvestmentInput &input = store.input(row);
        input.field[ColType] = type;
        for (int c = 1; c < FieldCount; ++c) {
            const double v = record.field[c];
            const QString text = GeneratedCellText(v);
            check(text.isEmpty() == (v == EmptyField), "only the empty marker writes an empty cell");
            double read = FieldFromText(text);
            if (std::isfinite(v) && std::abs(v) > 1e-300 && std::abs(v) < 1e300)
                check(std::abs(read - v) <= 6e-6 * std::abs(v), "cell text reads back");
            if (c == ColStartYear && read != EmptyField && !IsValidStartYear(read))
                read = EmptyField;
            input.field[c] = ColumnApplies(type, c) ? read : EmptyField;
        }
        store.addInvestment(row);
        return true;
    }
};

// The generator's purchases, step by step as the window's run takes them.
void generate(Run &run, int kind, const GeneratorParameters &p)
{
    if (!WritesSingleCashRow(kind, p))
        run.write(SavingsPlanRecord(p));
    if (kind < 0 || kind >= GeneratorKindCount)
        return;
    const bool property = kind == LeveragedProperty || kind == PropertyInFull;
    double prices[MaxYears] = {};
    const int years = property ? FillPriceTable(p.field[GenPrice], p.field[GenValueIncrease], run.store.maxJaren(), prices)
                               : GeneratorYearCount(run.store.maxJaren());
    check(years == GeneratorYearCount(run.store.maxJaren()) && years >= 0 && years <= MaxYears, "year count");
    if (property && p.field[GenPrice] > 0.0 && p.field[GenValueIncrease] > 0.0) {
        for (int l = 1; l < years; ++l)
            check(!(prices[l] < prices[l - 1]), "a rising price never falls");
    }

    // The window's own loop, with the fuzzer's row writing.
    int writes = 0;
    RunPurchases(run.store, kind, p, [&](const InvestmentInput &record) {
        check(++writes <= years + MaxRows + 1, "the run ends");
        return run.write(record);
    });
}

void checkAxis(const double *values, int count)
{
    const ValueRange range = ValueAxisRange(values, count);
    check(std::isfinite(range.lower) && std::isfinite(range.upper), "finite axis");
    check(range.lower <= 0.0 && range.upper >= 0.0, "the axis holds 0");
    for (int i = 0; i < count; ++i) {
        if (std::isfinite(values[i]))
            check(range.lower <= values[i] && values[i] <= range.upper, "the axis holds every value");
    }
    for (int most : { 1, 7, 40 }) {
        const AxisTicks ticks = ValueAxisTicks(range.lower, range.upper, most);
        check(ticks.count >= 1 && ticks.count <= most, "tick count");
        const QVector<double> tickValues = ticks.values();
        for (int i = 0; i < tickValues.size(); ++i) {
            check(tickValues.at(i) >= range.lower && tickValues.at(i) <= range.upper, "ticks within the axis");
            check(i == 0 || tickValues.at(i) > tickValues.at(i - 1), "ticks in order");
        }
        check(TickLabels(ticks).size() == ticks.count, "a label per tick");
    }
}

void checkTotalsAndCharts(const InvestmentStore &store)
{
    const int rows = std::clamp(store.maxInvestment(), 0, MaxRows);
    const int years = store.maxJaren();
    for (int r = 0; r < MaxRows; ++r) {
        if (!store.block(r).projected)
            continue;
        check(store.isRowComplete(r), "a projected row is complete");
        for (int y = 0; y < MaxYears; ++y) {
            const double *s = store.block(r).years[y].series;
            check(same(s[SerAssets], s[SerCash] + s[SerPropertyValue]), "assets are cash plus property value");
        }
    }

    double netWorth[MaxYears] = {};
    double cashFlow[MaxYears] = {};
    const int base = store.earliestStartYear();
    for (int y = 0; y < years; ++y) {
        YearTotals t;
        check(store.yearTotals(y, t), "totals of a projected year");
        if (base != InvestmentStore::NoBaseYear)
            check(same(CashTotal(store, double(base) + y), t.cash), "the generator's cash is the totals' cash");
        double assets = 0.0;
        double worth = 0.0;
        double debt = 0.0;
        double magnitude = 0.0;
        for (int r = 0; r < rows; ++r) {
            const double *s = store.block(r).years[y].series;
            assets += s[SerAssets];
            debt += s[SerDebt];
            worth += s[SerAssets] - s[SerDebt];
            magnitude += std::abs(s[SerCash]) + std::abs(s[SerPropertyValue]) + std::abs(s[SerDebt]);
        }
        check(close(t.assets, assets, magnitude), "total assets are the sum of the rows");
        check(close(t.debt, debt, magnitude), "total debt is the sum of the rows");
        check(close(t.netWorth(), worth, magnitude), "net worth is assets minus debt, summed over the rows");
        netWorth[y] = t.netWorth();
        for (int r = 0; r < store.projectedRowCount(); ++r)
            cashFlow[y] += store.record(r, y)->series[SerMonthlyCashFlow];
    }
    checkAxis(netWorth, years);
    checkAxis(cashFlow, years);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    Run run;
    run.store.setMaxInvestment(in.ConsumeIntegralInRange(-1, MaxRows + 1));
    run.store.setMaxJaren(in.ConsumeIntegralInRange(-1, MaxYears + 1));
    const int kind = in.ConsumeIntegralInRange(-1, GeneratorKindCount);
    GeneratorParameters p;
    for (double &field : p.field)
        field = fuzzedValue(in);
    // A second run on the same grid starts from what the first one left.
    const int runs = in.ConsumeIntegralInRange(1, 2);
    for (int i = 0; i < runs; ++i)
        generate(run, kind, p);
    checkTotalsAndCharts(run.store);
    return 0;
}
