// Cost of the uncertainty bands: 10,000 paths of a full portfolio of 30 rows over 31 years,
// on every core and on one, beside the single deterministic projection of the same store.
//
// Two portfolios:
//   "all rows from the base year": the five example types in turn, all starting in 2020, so
//       that every row spans all 31 years (the store of the projection benchmark);
//   "reinvesting plan": a savings plan from 2020 and 29 leveraged properties bought two a year
//       from 2020 on at prices and rents grown as the generator grows them.

#include "../tests/ExampleInvestments.h"
#include "generator/GeneratorMath.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

namespace {

using examples::exampleRow;

void addRow(InvestmentStore &store, int r, const InvestmentInput &in)
{
    store.setRowType(r, static_cast<int>(in.field[ColType]));
    store.input(r) = in;
    store.addInvestment(r);
}

std::unique_ptr<InvestmentStore> allRowsFromBaseYear()
{
    auto store = std::make_unique<InvestmentStore>();
    for (int r = 0; r < MaxRows; ++r)
        addRow(*store, r, exampleRow(r % InvestmentTypeCount, 2020));
    return store;
}

std::unique_ptr<InvestmentStore> reinvestingPlan()
{
    auto store = std::make_unique<InvestmentStore>();
    InvestmentInput savings = examples::saving(2020);
    savings.field[ColLumpSum] = 50000;
    savings.field[ColMonthlyDeposit] = 1500;
    addRow(*store, 0, savings);
    for (int r = 1; r < MaxRows; ++r) {
        const int yearIndex = (r - 1) / 2;
        InvestmentInput in = examples::leveraged(2020 + yearIndex);
        in.field[ColPrice] = GeneratedPrice(200000, 3, yearIndex);
        in.field[ColRent] = GeneratedRent(1000, 2, yearIndex);
        in.field[ColMortgageYears] = 25;
        addRow(*store, r, in);
    }
    return store;
}

std::unique_ptr<InvestmentStore> portfolio(int which)
{
    return which == 0 ? allRowsFromBaseYear() : reinvestingPlan();
}

const char *portfolioName(int which)
{
    return which == 0 ? "all rows from the base year" : "reinvesting plan";
}

// Arguments: portfolio (0, 1), threads (0: every core), paths (0: the default 10,000). Wall time; the CPU column is the time of
// all threads together.
void BM_Paths(benchmark::State &state)
{
    const auto store = portfolio(static_cast<int>(state.range(0)));
    const PathPortfolio paths = PathPortfolio::fromStore(*store);
    PathSettings settings;
    settings.monthlySpending = 3000;
    if (state.range(2) > 0)
        settings.paths = static_cast<int>(state.range(2));
    PathRunControl control;
    control.threads = static_cast<int>(state.range(1));
    for (auto _ : state) {
        PathBands bands = RunPaths(paths, settings, control);
        benchmark::DoNotOptimize(bands.p50.data());
    }
    const int threads = control.threads > 0 ? control.threads : static_cast<int>(std::thread::hardware_concurrency());
    state.SetLabel(std::string(portfolioName(static_cast<int>(state.range(0)))) + ", "
        + std::to_string(threads) + " thread(s)");
    state.counters["rows"] = paths.rows.size();
    state.counters["paths"] = settings.paths;
}
BENCHMARK(BM_Paths)->Args({ 0, 0, 0 })->Args({ 0, 1, 0 })->Args({ 1, 0, 0 })->Args({ 1, 1, 0 })->Args({ 0, 0, 100000 })->Args({ 1, 0, 100000 })->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The same 10,000 paths with every cost and Box 3 on (deemed, and actual from 2028).
CostTaxAssumptions everyAssumption(Box3Regime regime)
{
    CostTaxAssumptions a;
    a.costs = { 8.0, 1.0, 0.5, 5.0, 6.0 };
    a.box3.regime = regime;
    a.box3.partners = true;
    a.box3.wozFactor = 96.0;
    return a;
}

void BM_PathsWithBox3(benchmark::State &state)
{
    const auto store = portfolio(static_cast<int>(state.range(0)));
    store->setCostTax(everyAssumption(state.range(1) ? Box3Regime::Actual : Box3Regime::Deemed));
    const PathPortfolio paths = PathPortfolio::fromStore(*store);
    PathSettings settings;
    settings.monthlySpending = 3000;
    for (auto _ : state) {
        PathBands bands = RunPaths(paths, settings, PathRunControl());
        benchmark::DoNotOptimize(bands.p50.data());
    }
    state.SetLabel(std::string(portfolioName(static_cast<int>(state.range(0))))
        + (state.range(1) ? ", actual from 2028" : ", deemed"));
}
BENCHMARK(BM_PathsWithBox3)->Args({ 0, 0 })->Args({ 1, 0 })->Args({ 1, 1 })->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// One path alone, with the portfolio laid out for it (what a run repeats per path, plus the layout).
void BM_OnePath(benchmark::State &state)
{
    const auto store = portfolio(static_cast<int>(state.range(0)));
    const PathPortfolio paths = PathPortfolio::fromStore(*store);
    int path = 0;
    for (auto _ : state) {
        PathTotals totals = SimulatePath(paths, PathSettings(), path++);
        benchmark::DoNotOptimize(totals.cash.data());
    }
    state.SetLabel(portfolioName(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_OnePath)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The deterministic projection of the same store: every row projected again, as opening a file does.
void BM_DeterministicFullStore(benchmark::State &state)
{
    const auto store = portfolio(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        store->clearProjections();
        store->projectAll();
        benchmark::DoNotOptimize(store->record(MaxRows - 1, MaxYears - 1));
        benchmark::ClobberMemory();
    }
    state.SetLabel(portfolioName(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DeterministicFullStore)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
