// Cost of projecting: a full store of 30 rows over 31 years, one row per type, and as a floor
// the std::pow calls alone that a full-store projection makes.
//
// Pow calls of one row over 31 years, all starting in the base year (d = 0 .. 30; growth at
// d = 0 is the start amount and needs no power):
//   "Onderpand met hefboom"    1 (annuity) + 30 × 2 (rent, value)
//                              + 19 × 2 (remaining principal, d = 1 .. 19) = 99
//   "Onderpand zonder hefboom" 30 × 2 (rent, value)                        = 60
//   "Cash voor cashflow"       1 (the yearly return G)                     = 1
//   "Maandelijks sparen"       0
//   "Compounded interest"      period 10: 1 (E(1) at d = 0) + 10 × 2       = 21
// Six rows of each type: 6 × 181 = 1086 calls per full store.

#include "ExampleInvestments.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"
#include "model/Projection.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int PowCallsPerFullStore = 1086;

using examples::exampleRow;

// 30 complete rows, the five types in turn, all starting in 2020.
std::unique_ptr<InvestmentStore> fullStore(bool descendingYears = false)
{
    auto store = std::make_unique<InvestmentStore>();
    for (int r = 0; r < MaxRows; ++r) {
        const int type = r % InvestmentTypeCount;
        store->setRowType(r, type);
        store->input(r) = exampleRow(type, descendingYears ? 2049 - r : 2020);
    }
    return store;
}

// Clears the projections and adds every row, one after the other. With
// descending start years (2049 down to 2020) every addition moves the base year and projects
// all rows before it again (1 + 2 + ... + 30 = 465 projections, most of them short since the
// rows start late): the worst typing order for the base-year rule.
void addAllRows(benchmark::State &state, bool descendingYears)
{
    const auto store = fullStore(descendingYears);
    for (auto _ : state) {
        store->clearProjections();
        for (int r = 0; r < MaxRows; ++r)
            store->addInvestment(r);
        benchmark::DoNotOptimize(store->record(MaxRows - 1, MaxYears - 1));
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = store->projectedRowCount();
}

// Opening a file of these 30 rows: the projections cleared, then every row projected at once.
void openStore(benchmark::State &state, InvestmentStore &store)
{
    for (auto _ : state) {
        store.clearProjections();
        store.projectAll();
        benchmark::DoNotOptimize(store.record(MaxRows - 1, MaxYears - 1));
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = store.projectedRowCount();
}

void BM_ProjectFullStore(benchmark::State &state)
{
    openStore(state, *fullStore());
}
BENCHMARK(BM_ProjectFullStore)->Unit(benchmark::kMicrosecond);

// The same, with every row at rates and a term of its own: nothing a row computes from its
// rates serves the next (rows that share rates, as the generator's do, reuse those figures).
void BM_ProjectFullStoreDistinctRates(benchmark::State &state)
{
    const auto store = fullStore();
    for (int r = 0; r < MaxRows; ++r) {
        InvestmentInput &in = store->input(r);
        for (int c : { ColRentIncrease, ColValueIncrease, ColInterest, ColReturn }) {
            if (in.field[c] != EmptyField)
                in.field[c] += 0.01 * r;
        }
        if (in.field[ColMortgageYears] != EmptyField)
            in.field[ColMortgageYears] += r % 7;
    }
    openStore(state, *store);
}
BENCHMARK(BM_ProjectFullStoreDistinctRates)->Unit(benchmark::kMicrosecond);

// The same 30 rows added one after the other, as typing them does.
void BM_AddRowsOneByOne(benchmark::State &state)
{
    addAllRows(state, false);
}
BENCHMARK(BM_AddRowsOneByOne)->Unit(benchmark::kMicrosecond);

void BM_ProjectFullStoreBaseYearMovesEveryRow(benchmark::State &state)
{
    addAllRows(state, true);
}
BENCHMARK(BM_ProjectFullStoreBaseYearMovesEveryRow)->Unit(benchmark::kMicrosecond);

// The 30 projections alone, without the store's bookkeeping (completeness, base year).
void BM_ProjectRowsOnly(benchmark::State &state)
{
    InvestmentInput inputs[MaxRows];
    for (int r = 0; r < MaxRows; ++r)
        inputs[r] = exampleRow(r % InvestmentTypeCount, 2020);
    static ProjectionBlock blocks[MaxRows];
    for (auto _ : state) {
        for (int r = 0; r < MaxRows; ++r)
            ProjectRow(inputs[r], 2020, MaxYears, blocks[r]);
        benchmark::DoNotOptimize(blocks);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ProjectRowsOnly)->Unit(benchmark::kMicrosecond);

// One row of the given type over 31 years.
void BM_ProjectOneRow(benchmark::State &state)
{
    const InvestmentInput in = exampleRow(static_cast<int>(state.range(0)), 2020);
    static ProjectionBlock block;
    for (auto _ : state) {
        ProjectRow(in, 2020, MaxYears, block);
        benchmark::DoNotOptimize(&block);
        benchmark::ClobberMemory();
    }
    state.SetLabel(InvestmentTypeNames.at(static_cast<int>(state.range(0))).toStdString());
}
BENCHMARK(BM_ProjectOneRow)->DenseRange(0, InvestmentTypeCount - 1)->Unit(benchmark::kNanosecond);

// The (base, exponent) pairs of the pow calls a full store makes, in projection order.
std::vector<std::pair<double, double>> fullStorePowArguments()
{
    const auto growth = [](double percent) { return 1.0 + percent / 100.0 / 12.0; };
    std::vector<std::pair<double, double>> calls;
    for (int r = 0; r < MaxRows; ++r) {
        switch (r % InvestmentTypeCount) {
        case LeveragedProperty:
            calls.emplace_back(1.0 + 0.03 / 12.0, -240.0); // annuity
            for (int d = 1; d < MaxYears; ++d) {
                calls.emplace_back(growth(2), 12.0 * d); // rent
                calls.emplace_back(growth(3), 12.0 * d); // value
            }
            for (int d = 1; d < 20; ++d) { // remaining principal: the payments left, and all 240
                calls.emplace_back(1.0 / (1.0 + 0.03 / 12.0), 240.0 - 12.0 * d);
                calls.emplace_back(1.0 / (1.0 + 0.03 / 12.0), 240.0);
            }
            break;
        case PropertyInFull:
            for (int d = 1; d < MaxYears; ++d) {
                calls.emplace_back(growth(2), 12.0 * d);
                calls.emplace_back(growth(2), 12.0 * d);
            }
            break;
        case CashForCashflow:
            calls.emplace_back(growth(6), 12.0);
            break;
        case CompoundedInterest:
            calls.emplace_back(growth(5), 12.0); // E(1) in the start year
            for (int d = 1; d <= 10; ++d) {
                calls.emplace_back(growth(5), 12.0 * d);
                calls.emplace_back(growth(5), 12.0 * (d + 1));
            }
            break;
        default:
            break;
        }
    }
    return calls;
}

// The floor: the same std::pow calls as a full-store projection, with the same arguments,
// and nothing else.
void BM_PowFloor(benchmark::State &state)
{
    const std::vector<std::pair<double, double>> calls = fullStorePowArguments();
    for (auto _ : state) {
        for (const auto &[base, exponent] : calls) {
            double v = std::pow(base, exponent);
            benchmark::DoNotOptimize(v);
        }
    }
    state.counters["pow calls"] = static_cast<double>(calls.size());
    if (calls.size() != PowCallsPerFullStore)
        state.SkipWithError("pow argument list does not match the counted calls");
}
BENCHMARK(BM_PowFloor)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
