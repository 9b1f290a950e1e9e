// Cost of the figures in today's money and of the comparison with a baseline, on a full store
// of 30 rows over 31 years: converting every year record and the year totals, comparing every
// year with a baseline, and reading a baseline of 30 rows from a file and projecting it.

#include "ExampleInvestments.h"
#include "TestFiles.h"
#include "grid/ColumnCatalogue.h"
#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/RealValues.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using examples::exampleRow;

// 30 complete rows, the five types in turn, starting 2020 .. 2024.
std::unique_ptr<InvestmentStore> fullStore(double priceFactor = 1.0)
{
    auto store = std::make_unique<InvestmentStore>();
    for (int r = 0; r < MaxRows; ++r) {
        const int type = r % InvestmentTypeCount;
        store->setRowType(r, type);
        store->input(r) = exampleRow(type, 2020 + r % 5);
        store->input(r).field[ColPrice] *= priceFactor;
        store->addInvestment(r);
    }
    return store;
}

// Switching real values on: the table for the store's years, every year record of every row
// (what the charts draw) and the totals of every year in today's money.
void BM_RealValuesFullStore(benchmark::State &state)
{
    const auto store = fullStore();
    static YearRecord records[MaxRows][MaxYears];
    YearTotals totals[MaxYears];
    for (auto _ : state) {
        const InflationTable table = InflationTableFor(*store, 2.0, 2025);
        const int base = store->earliestStartYear();
        for (int r = 0; r < MaxRows; ++r) {
            for (int y = 0; y < MaxYears; ++y) {
                records[r][y] = store->block(r).years[y];
                table.deflate(records[r][y], base + y);
            }
        }
        ShownTotalsByYear(*store, &table, totals);
        benchmark::DoNotOptimize(FreeYearIndex(*store, table, 3000.0));
        benchmark::DoNotOptimize(records);
        benchmark::DoNotOptimize(totals);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RealValuesFullStore)->Unit(benchmark::kMicrosecond);

// What an edit adds with a baseline set: the comparison of every year, in today's money.
void BM_CompareEveryYear(benchmark::State &state)
{
    const auto current = fullStore();
    const auto baseline = fullStore(1.05);
    const InflationTable table = InflationTableFor(*current, 2.0, 2025);
    BaselineYear years[MaxYears];
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompareByYear(*current, baseline.get(), &table, years));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CompareEveryYear)->Unit(benchmark::kMicrosecond);

// "Vergelijk met...": a file of 30 complete rows read, loaded and projected.
void BM_LoadBaseline30Rows(benchmark::State &state)
{
    QVector<QStringList> rows;
    for (int r = 0; r < MaxRows; ++r) {
        const int year = 2020 + r % 5;
        switch (r % 5) {
        case 0:
            rows << QStringList { "Onderpand met hefboom", QString::number(year), "", "", "", "", "200000", "1000",
                "2", "3", "", "80", "3", "20" };
            break;
        case 1:
            rows << QStringList { "Onderpand zonder hefboom", QString::number(year), "", "", "", "", "150000", "800",
                "2", "2" };
            break;
        case 2:
            rows << QStringList { "Cash voor cashflow", QString::number(year), "10000", "0", "5", "", "10000", "", "",
                "", "", "", "", "", "", "6" };
            break;
        case 3:
            rows << QStringList { "Maandelijks sparen", QString::number(year), "1000", "100" };
            break;
        default:
            rows << QStringList { "Compounded interest", QString::number(year), "1000", "100", "10", "", "", "", "",
                "", "", "", "", "", "", "5" };
        }
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("baseline.inv"));
    const QString text = testsupport::investFileText(QStringLiteral("Cash voor cashflow"), {}, rows);
    if (!testsupport::writeBytes(path, text.toUtf8())) {
        state.SkipWithError("cannot write the baseline file");
        return;
    }
    Baseline baseline;
    QString error;
    for (auto _ : state) {
        if (!baseline.loadFile(path, MaxRows, MaxYears, &error)) {
            state.SkipWithError("cannot read the baseline file");
            return;
        }
        benchmark::DoNotOptimize(baseline.store());
    }
    state.counters["rows"] = baseline.store()->projectedRowCount();
}
BENCHMARK(BM_LoadBaseline30Rows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
