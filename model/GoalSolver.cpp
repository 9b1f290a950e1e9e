#include "model/GoalSolver.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/DutchFormat.h"
#include "model/RealValues.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("GoalSolver", text);
}

bool cancelled(const SolveControl &control)
{
    return control.cancel && control.cancel->load(std::memory_order_relaxed);
}

// The share of paths that are free by `year`, from the bands of a run with a spending.
double chanceFreeBy(const PathBands &bands, int year)
{
    if (bands.coveredByChance.isEmpty() || year < bands.firstYear)
        return 0.0;
    const long long index = std::min<long long>(static_cast<long long>(year) - bands.firstYear,
        bands.coveredByChance.size() - 1);
    return bands.coveredByChance.at(static_cast<int>(index));
}

} // namespace

void ProjectPlan(const PlanInputs &plan, InvestmentStore &store)
{
    store = plan.store;
    if (plan.generator)
        RunGenerator(store, *plan.generator);
}

PlanOutcome EvaluatePlan(const PlanInputs &plan, int year, const SolveGoal *chanceGoal, const SolveControl &control)
{
    InvestmentStore store;
    ProjectPlan(plan, store);
    PlanOutcome outcome;
    outcome.baseYear = store.earliestStartYear();
    if (outcome.baseYear == InvestmentStore::NoBaseYear)
        return outcome;
    const int reference = plan.referenceYear ? plan.referenceYear : CurrentCalendarYear();
    const InflationTable today = InflationTableFor(store, plan.inflationPercent, reference);
    if (plan.monthlySpending) {
        const int free = FreeYearIndex(store, today, *plan.monthlySpending);
        outcome.freeYear = free == NoFreeYear ? 0 : outcome.baseYear + free;
    }
    const long long index = static_cast<long long>(year) - outcome.baseYear;
    YearTotals totals;
    if (index >= 0 && index < MaxYears
        && ShownYearTotals(store, static_cast<int>(index), plan.realNetWorth ? &today : nullptr, totals))
        outcome.netWorth = totals.netWorth();

    if (!chanceGoal || !chanceGoal->chancePercent)
        return outcome;
    const PathPortfolio portfolio = PathPortfolio::fromStore(store);
    PathSettings settings = plan.paths.bounded();
    if (chanceGoal->kind == SolveGoal::FreeBy) {
        if (!plan.monthlySpending) {
            outcome.chance = 0.0;
            return outcome;
        }
        settings.monthlySpending = plan.monthlySpending;
        settings.spendingByYear = SpendingByYear(today, outcome.baseYear, store.maxJaren(), *plan.monthlySpending);
        PathRunControl run;
        run.threads = control.threads;
        run.cancel = control.cancel;
        const PathBands bands = RunPaths(portfolio, settings, run);
        outcome.chance = bands.cancelled ? 0.0 : chanceFreeBy(bands, year);
        return outcome;
    }
    // The net worth of every path in the year asked for, against the amount in that year's euros.
    if (index < 0 || index >= portfolio.years) {
        outcome.chance = 0.0;
        return outcome;
    }
    const double target = plan.realNetWorth ? today.nominal(chanceGoal->netWorth, year) : chanceGoal->netWorth;
    int reached = 0;
    for (int p = 0; p < settings.paths; ++p) {
        if ((p & 255) == 0 && cancelled(control))
            break;
        const PathTotals path = SimulatePath(portfolio, settings, p);
        if (path.netWorth(static_cast<int>(index)) >= target)
            ++reached;
    }
    outcome.chance = static_cast<double>(reached) / settings.paths;
    return outcome;
}

bool MeetsGoal(const PlanOutcome &outcome, const SolveGoal &goal)
{
    if (goal.chancePercent)
        return outcome.chance >= 0.0 && outcome.chance * 100.0 >= *goal.chancePercent - 1e-9;
    if (goal.kind == SolveGoal::FreeBy)
        return outcome.freeYear != 0 && outcome.freeYear <= goal.year;
    return outcome.netWorth >= goal.netWorth;
}

PlanInputs WithUnknown(const PlanInputs &plan, const SolveQuestion &question, double value)
{
    PlanInputs changed = plan;
    switch (question.unknown) {
    case SolveUnknown::GeneratorDeposit:
        if (changed.generator)
            changed.generator->parameters.field[GenMonthlyDeposit] = value;
        break;
    case SolveUnknown::GeneratorLumpSum:
        if (changed.generator)
            changed.generator->parameters.field[GenLumpSum] = value;
        break;
    case SolveUnknown::MonthlySpending:
        changed.monthlySpending = value;
        break;
    case SolveUnknown::RowPrice:
        if (InvestmentStore::isValidRow(question.row)) {
            changed.store.input(question.row).field[ColPrice] = value;
            changed.store.addInvestment(question.row);
        }
        break;
    }
    return changed;
}

SolveBounds BoundsOf(SolveUnknown unknown)
{
    switch (unknown) {
    case SolveUnknown::GeneratorDeposit:
        return { 0.0, 1e6 }; // a million a month
    case SolveUnknown::GeneratorLumpSum:
        return { 0.0, 1e9 };
    case SolveUnknown::MonthlySpending:
        return { 0.01, 1e7 }; // no spending at all is no goal
    case SolveUnknown::RowPrice:
        return { 0.0, 1e9 };
    }
    return {};
}

namespace {

// Why a question cannot be asked of a plan; empty when it can.
QString notApplicable(const PlanInputs &plan, const SolveQuestion &question)
{
    const SolveGoal &goal = question.goal;
    if (goal.year < FirstValidYear || goal.year > LastValidYear)
        return tr("Kies een jaar van %1 tot %2.").arg(FirstValidYear).arg(LastValidYear);
    if (goal.chancePercent && !(*goal.chancePercent > 0.0 && *goal.chancePercent <= 100.0))
        return tr("Een kans ligt tussen 0 en 100 %.");
    switch (question.unknown) {
    case SolveUnknown::GeneratorDeposit:
    case SolveUnknown::GeneratorLumpSum:
        if (!plan.generator || !RunCanStart(plan.generator->parameters))
            return tr("De generator heeft geen geldig BeginJaar: vul het in en probeer opnieuw.");
        break;
    case SolveUnknown::MonthlySpending:
        if (goal.kind != SolveGoal::FreeBy)
            return tr("De maandelijkse uitgaven veranderen de nettowaarde niet: kies als doel vrij zijn.");
        break;
    case SolveUnknown::RowPrice:
        if (!InvestmentStore::isValidRow(question.row) || !ColumnApplies(plan.store.rowType(question.row), ColPrice))
            return tr("Kies een rij met een Kostprijs.");
        break;
    }
    if (goal.kind == SolveGoal::FreeBy && question.unknown != SolveUnknown::MonthlySpending && !plan.monthlySpending)
        return tr("Vul de maandelijkse uitgaven in: vrij zijn meet het programma daaraan.");
    return QString();
}

long long toCents(double euros)
{
    return std::llround(euros * 100.0);
}

} // namespace

SolveResult SolveForGoal(const PlanInputs &plan, const SolveQuestion &question, const SolveControl &control)
{
    SolveResult result;
    const SolveBounds bounds = BoundsOf(question.unknown);
    result.lowerBound = bounds.lower;
    result.upperBound = bounds.upper;
    result.message = notApplicable(plan, question);
    if (!result.message.isEmpty())
        return result;

    // More spending makes the goal harder; more of anything else makes it easier. The search
    // runs on `rising`: a candidate that meets the goal is "up" of the threshold.
    const bool largest = question.unknown == SolveUnknown::MonthlySpending;
    const SolveGoal *chance = question.goal.chancePercent ? &question.goal : nullptr;
    int estimate = 40;
    PlanOutcome lastOutcome;
    auto meets = [&](long long cents, PlanOutcome *outcome) {
        const PlanOutcome o = EvaluatePlan(WithUnknown(plan, question, cents / 100.0), question.goal.year, chance, control);
        ++result.evaluations;
        if (control.progress)
            control.progress(result.evaluations, std::max(estimate, result.evaluations + 1));
        if (outcome)
            *outcome = o;
        return MeetsGoal(o, question.goal);
    };
    auto finish = [&](SolveStatus status, long long cents) {
        if (cancelled(control)) {
            result.status = SolveStatus::Cancelled;
            return result;
        }
        result.status = status;
        result.value = cents / 100.0;
        if (status != SolveStatus::NotWithinBounds)
            result.outcome = EvaluatePlan(WithUnknown(plan, question, result.value), question.goal.year, chance, control);
        return result;
    };

    const long long lowerCents = toCents(bounds.lower);
    const long long upperCents = toCents(bounds.upper);
    // The easy end: where the goal is met if it is met anywhere.
    const long long easyEnd = largest ? lowerCents : upperCents;
    const long long hardEnd = largest ? upperCents : lowerCents;
    if (meets(hardEnd, &lastOutcome))
        return finish(SolveStatus::MetAtBound, hardEnd);
    if (cancelled(control))
        return finish(SolveStatus::Cancelled, 0);

    // Widen the bracket: `fails` fails the goal, `holds` meets it.
    long long fails = hardEnd;
    long long holds = -1;
    if (!largest) {
        long long step = std::max<long long>(10000, lowerCents); // 100 euros
        for (long long candidate = lowerCents + step;; candidate = lowerCents + (step *= 2)) {
            if (candidate >= upperCents) {
                if (!meets(upperCents, nullptr))
                    return finish(SolveStatus::NotWithinBounds, upperCents);
                holds = upperCents;
                break;
            }
            if (cancelled(control))
                return finish(SolveStatus::Cancelled, 0);
            if (meets(candidate, nullptr)) {
                holds = candidate;
                break;
            }
            fails = candidate;
        }
    } else {
        // Spending: from the top down, halving, until a spending is covered.
        if (!meets(easyEnd, nullptr))
            return finish(SolveStatus::NotWithinBounds, easyEnd);
        holds = easyEnd;
        for (long long candidate = 10000; candidate < upperCents; candidate *= 2) {
            if (cancelled(control))
                return finish(SolveStatus::Cancelled, 0);
            if (!meets(candidate, nullptr)) {
                fails = candidate;
                break;
            }
            holds = candidate;
        }
    }
    estimate = result.evaluations
        + static_cast<int>(std::ceil(std::log2(static_cast<double>(std::llabs(fails - holds)) + 1.0)));

    // Halve down to the cent.
    while (std::llabs(fails - holds) > 1) {
        if (cancelled(control))
            return finish(SolveStatus::Cancelled, 0);
        const long long middle = holds + (fails - holds) / 2;
        if (meets(middle, nullptr))
            holds = middle;
        else
            fails = middle;
    }
    return finish(SolveStatus::Found, holds);
}

QString SolveUnknownCaption(SolveUnknown unknown)
{
    switch (unknown) {
    case SolveUnknown::GeneratorDeposit:
        return tr("Maandelijkse inleg (generator)");
    case SolveUnknown::GeneratorLumpSum:
        return tr("Eenmalige inleg (generator)");
    case SolveUnknown::MonthlySpending:
        return tr("Maandelijkse uitgaven");
    case SolveUnknown::RowPrice:
        return tr("Kostprijs van een rij");
    }
    return QString();
}

QString SolveResultText(const SolveQuestion &question, const SolveResult &result)
{
    const QString caption = SolveUnknownCaption(question.unknown);
    auto outcomeText = [&]() {
        QString text = result.outcome.freeYear ? tr("Vrij vanaf %1").arg(result.outcome.freeYear) : tr("Niet vrij binnen de horizon");
        text += tr("; nettowaarde in %1: %2").arg(question.goal.year).arg(DutchAmount(result.outcome.netWorth, 0));
        if (result.outcome.chance >= 0.0)
            text += tr("; kans: %1 %").arg(DutchPercentage(result.outcome.chance * 100.0));
        return text + QLatin1Char('.');
    };
    switch (result.status) {
    case SolveStatus::Found:
        return tr("%1: %2 is %3 het doel haalt.\n%4")
            .arg(caption, DutchAmount(result.value),
                question.unknown == SolveUnknown::MonthlySpending ? tr("het meeste waarmee") : tr("het minste waarmee"),
                outcomeText());
    case SolveStatus::MetAtBound:
        return question.unknown == SolveUnknown::MonthlySpending
            ? tr("%1: het doel wordt gehaald tot aan de bovengrens van %2.\n%3").arg(caption, DutchAmount(result.value), outcomeText())
            : tr("%1: het doel wordt al gehaald bij %2.\n%3").arg(caption, DutchAmount(result.value), outcomeText());
    case SolveStatus::NotWithinBounds:
        return tr("%1: geen bedrag van %2 tot %3 haalt het doel.")
            .arg(caption, DutchAmount(result.lowerBound), DutchAmount(result.upperBound));
    case SolveStatus::NotApplicable:
        return result.message;
    case SolveStatus::Cancelled:
        return tr("Afgebroken.");
    }
    return QString();
}
