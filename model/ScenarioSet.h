#ifndef SCENARIOSET_H
#define SCENARIOSET_H

// Named portfolios kept beside the one on screen, to compare side by side: each read from an
// investment file or copied from the screen, projected with the limits of the screen, never
// saved. Each is a Baseline (the same reading, copying and limits).

#include "model/Baseline.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QString>
#include <QVector>

#include <optional>
#include <vector>

class InflationTable;

// The figures of one column of the comparison in one calendar year.
struct ScenarioFigures
{
    bool available = false; // the portfolio has a projection of that year
    int freeYear = NoFreeYear; // the calendar year it is free from on (NoFreeYear: not within its years)
    double netWorth = 0.0;
    double monthlyCashFlow = 0.0;
};

// Year `year` (calendar) of `store`: net worth and monthly cash flow nominal without `real`,
// in its reference year's money with it; the free year by the free-from-then-on rule against
// `monthlySpending` (in the money of `today`'s reference year), NoFreeYear without one.
ScenarioFigures FiguresOfYear(const InvestmentStore &store, int year, const InflationTable &today,
    const InflationTable *real, std::optional<double> monthlySpending);

// The settings of a run of `store`'s paths that counts the chance of being free: `spread`
// with the spending in the euros of each of its years. Without a spending the run counts none.
PathSettings FreeChanceSettings(const InvestmentStore &store, const PathSettings &spread, const InflationTable &today,
    std::optional<double> monthlySpending);

// The share of `bands`' paths (0 .. 1) that are free by calendar year `year`; NaN when the run
// counted no chance or the year lies outside its years.
double FreeChanceByYear(const PathBands &bands, int year);

class ScenarioSet
{
public:
    static constexpr int MaxScenarios = 5;

    int count() const { return static_cast<int>(m_scenarios.size()); }
    bool isFull() const { return count() >= MaxScenarios; }
    const QString &name(int i) const { return m_scenarios.at(static_cast<size_t>(i)).name(); }
    const InvestmentStore &store(int i) const { return *m_scenarios.at(static_cast<size_t>(i)).store(); }

    // "Scenario N": the first N from count() + 1 on that no scenario carries.
    QString nextDefaultName() const;

    // Adds the file as a scenario, projected with these limits; false when full (`error`
    // says so) or when the file cannot be read (the set stays as it was).
    bool addFile(const QString &path, int maxInvestment, int maxJaren, QString *error,
        FileTargets targets = FileTargets::Any);
    // Adds a copy of `current` under `name` (trimmed; the default name when empty); false when full.
    bool addCopy(const InvestmentStore &current, const QString &name);
    // False for an index outside the set; an empty name keeps the old one.
    bool rename(int i, const QString &name);
    bool remove(int i);

    void setLimits(int maxInvestment, int maxJaren);
    void setDebtMeasure(DebtMeasure measure);

    // The scenario's net worth or monthly cash flow per projected year of `current`, NaN
    // where it has none, as the baseline's line.
    QVector<double> chartValues(int i, const InvestmentStore &current, const InflationTable *real, bool cashFlow) const;

private:
    std::vector<Baseline> m_scenarios;
    DebtMeasure m_debtMeasure = DebtMeasure::PaymentsDue;
};

#endif // SCENARIOSET_H
