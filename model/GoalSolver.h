#ifndef GOALSOLVER_H
#define GOALSOLVER_H

// "Wat is er nodig?": the question turned round. Given a goal (free by a year, or a net worth
// in a year, optionally with a least chance over the paths), find the value of one unknown
// (the generator's monthly deposit or lump sum, the monthly spending, or one row's
// "Kostprijs") that just meets it, on the real engine: every candidate is projected in full,
// a generator run included when the generator takes part.

#include "generator/GeneratorRun.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"

#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// A plan: the rows as they stand, with the generator run on top of them when it takes part,
// and the planning settings the goal is measured by.
struct PlanInputs
{
    InvestmentStore store; // with its limits and debt measure; the rows need not be projected
    std::optional<GeneratorPanel> generator; // run on top of the rows when set
    std::optional<double> monthlySpending; // in the money of the reference year
    double inflationPercent = 0.0; // today's money for the free year (and the net worth when real)
    int referenceYear = 0; // 0: this year
    bool realNetWorth = false; // the net worth in the money of the reference year
    PathSettings paths; // spreads, number of paths and seed of a goal with a chance
};

// What a plan comes to, measured for one calendar year.
struct PlanOutcome
{
    int baseYear = InvestmentStore::NoBaseYear;
    int freeYear = 0; // calendar year from which the portfolio is free; 0: none
    double netWorth = 0.0; // in the year asked for (0 outside the projected years)
    // With paths only: the share of paths (0 .. 1) that are free by the year, or whose net
    // worth reaches the goal's amount in it; -1 when no paths were run.
    double chance = -1.0;
};

struct SolveGoal
{
    enum Kind { FreeBy, NetWorthAtLeast };
    Kind kind = FreeBy;
    int year = 0; // calendar year
    double netWorth = 0.0; // NetWorthAtLeast: the amount to reach
    std::optional<double> chancePercent; // with at least this chance over the paths (0 .. 100)
};

enum class SolveUnknown { GeneratorDeposit, GeneratorLumpSum, MonthlySpending, RowPrice };

struct SolveQuestion
{
    SolveUnknown unknown = SolveUnknown::GeneratorDeposit;
    int row = -1; // RowPrice: the row whose "Kostprijs" is sought
    SolveGoal goal;
};

enum class SolveStatus {
    Found, // value is the smallest (for the spending: largest) value that meets the goal
    MetAtBound, // already met at the bound: the lower one (the spending: the upper one)
    NotWithinBounds, // no value within the bounds meets the goal
    NotApplicable, // the question cannot be asked of this plan (the message says why)
    Cancelled,
};

struct SolveResult
{
    SolveStatus status = SolveStatus::NotApplicable;
    double value = 0.0; // euros, to the cent
    double lowerBound = 0.0, upperBound = 0.0;
    PlanOutcome outcome; // of the plan with the value (Found, MetAtBound)
    int evaluations = 0; // plans projected
    QString message; // why a question is not applicable
};

struct SolveControl
{
    const std::atomic<bool> *cancel = nullptr; // checked between candidates and inside path runs
    // Called after every candidate with the number projected so far and an estimate of the total.
    std::function<void(int done, int estimate)> progress;
    int threads = 0; // of a path run; 0: one per core
};

// Projects the plan (the generator run on top of its rows when it takes part) into `store`.
void ProjectPlan(const PlanInputs &plan, InvestmentStore &store);

// The plan's outcome for `year`; with `chanceGoal` the paths are run for that goal's chance.
PlanOutcome EvaluatePlan(const PlanInputs &plan, int year, const SolveGoal *chanceGoal = nullptr,
    const SolveControl &control = {});

// Whether an outcome meets the goal.
bool MeetsGoal(const PlanOutcome &outcome, const SolveGoal &goal);

// The plan with `value` put into the unknown.
PlanInputs WithUnknown(const PlanInputs &plan, const SolveQuestion &question, double value);

// The bounds within which the unknown is sought, in euros.
struct SolveBounds
{
    double lower = 0.0;
    double upper = 0.0;
};
SolveBounds BoundsOf(SolveUnknown unknown);

// Finds the value: from the lower bound the bracket is widened (doubled) until a candidate
// meets the goal (for the spending: fails it), then halved down to the cent. The search takes
// the goal to be met by every value above (for the spending: below) one threshold.
SolveResult SolveForGoal(const PlanInputs &plan, const SolveQuestion &question, const SolveControl &control = {});

// The answer in Dutch, for the dialog: the value in Dutch notation with the free year and the
// chance it gives, or why there is none.
QString SolveResultText(const SolveQuestion &question, const SolveResult &result);

// The caption of an unknown ("Maandelijkse inleg (generator)", ...).
QString SolveUnknownCaption(SolveUnknown unknown);

#endif // GOALSOLVER_H
