// What "Wat is er nodig?" and "Gevoeligheid" cost: a solve for the generator's monthly deposit
// on the manual's leveraged worked example (every candidate a full generator run), without and
// with an 80 % chance over 10,000 paths; and a sensitivity table over every assumption of a
// store of 30 rows (the five example types in turn, all from 2020).

#include "../tests/ExampleInvestments.h"
#include "generator/GeneratorRun.h"
#include "grid/ColumnCatalogue.h"
#include "model/GoalSolver.h"
#include "model/Sensitivity.h"

#include <benchmark/benchmark.h>

namespace {

PlanInputs exampleGeneratorPlan()
{
    PlanInputs plan;
    GeneratorPanel panel;
    panel.kind = LeveragedProperty;
    const double fields[] = { 2020, 50000, 1000, 200000, 1000, 0, 0, 80, 0, 20 };
    std::copy(std::begin(fields), std::end(fields), panel.parameters.field);
    plan.generator = panel;
    plan.monthlySpending = 3000;
    plan.referenceYear = 2020;
    return plan;
}

void solveDeposit(benchmark::State &state, std::optional<double> chance)
{
    PlanInputs plan = exampleGeneratorPlan();
    plan.paths.paths = 10000;
    plan.paths.seed = 7;
    SolveQuestion question;
    question.unknown = SolveUnknown::GeneratorDeposit;
    question.goal.year = 2034;
    question.goal.chancePercent = chance;
    SolveResult result;
    for (auto _ : state) {
        result = SolveForGoal(plan, question);
        benchmark::DoNotOptimize(result.value);
    }
    state.counters["deposit"] = result.value;
    state.counters["candidates"] = result.evaluations;
}

void BM_SolveDepositDeterministic(benchmark::State &state)
{
    solveDeposit(state, std::nullopt);
}
BENCHMARK(BM_SolveDepositDeterministic)->Unit(benchmark::kMillisecond);

void BM_SolveDeposit80PercentOver10000Paths(benchmark::State &state)
{
    solveDeposit(state, 80.0);
}
BENCHMARK(BM_SolveDeposit80PercentOver10000Paths)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SensitivityThirtyRows(benchmark::State &state)
{
    PlanInputs plan;
    for (int r = 0; r < MaxRows; ++r) {
        const InvestmentInput in = examples::exampleRow(r % InvestmentTypeCount, 2020);
        plan.store.setRowType(r, static_cast<int>(in.field[ColType]));
        plan.store.input(r) = in;
        plan.store.addInvestment(r);
    }
    plan.monthlySpending = 3000;
    plan.inflationPercent = 2;
    plan.referenceYear = 2020;
    int assumptions = 0;
    for (auto _ : state) {
        const SensitivityTable table = RunSensitivity(plan, 2040);
        assumptions = table.rows.size();
        benchmark::DoNotOptimize(table.base.netWorth);
    }
    state.counters["assumptions"] = assumptions;
}
BENCHMARK(BM_SensitivityThirtyRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
