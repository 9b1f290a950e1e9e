#include "model/ScenarioSet.h"

#include "model/InvestmentStore.h"
#include "model/RealValues.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

ScenarioFigures FiguresOfYear(const InvestmentStore &store, int year, const InflationTable &today,
    const InflationTable *real, std::optional<double> monthlySpending)
{
    ScenarioFigures figures;
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return figures;
    if (monthlySpending) {
        const int free = FreeYearIndex(store, today, *monthlySpending);
        figures.freeYear = free == NoFreeYear ? NoFreeYear : base + free;
    }
    const long long index = static_cast<long long>(year) - base;
    YearTotals totals;
    if (index < 0 || index >= store.maxJaren() || !ShownYearTotals(store, static_cast<int>(index), real, totals))
        return figures;
    figures.available = true;
    figures.netWorth = totals.netWorth();
    figures.monthlyCashFlow = totals.monthlyCashFlow;
    return figures;
}

PathSettings FreeChanceSettings(const InvestmentStore &store, const PathSettings &spread, const InflationTable &today,
    std::optional<double> monthlySpending)
{
    PathSettings settings = spread;
    settings.monthlySpending.reset();
    settings.spendingByYear.clear();
    const int base = store.earliestStartYear();
    if (monthlySpending && base != InvestmentStore::NoBaseYear) {
        settings.monthlySpending = monthlySpending;
        settings.spendingByYear = SpendingByYear(today, base, store.maxJaren(), *monthlySpending);
    }
    return settings;
}

double FreeChanceByYear(const PathBands &bands, int year)
{
    const long long index = static_cast<long long>(year) - bands.firstYear;
    if (bands.firstYear == INT_MAX || index < 0 || index >= bands.coveredByChance.size())
        return std::numeric_limits<double>::quiet_NaN();
    return bands.coveredByChance.at(static_cast<int>(index));
}

QString ScenarioSet::nextDefaultName() const
{
    for (int n = count() + 1;; ++n) {
        const QString name = QCoreApplication::translate("ScenarioSet", "Scenario %1").arg(n);
        bool taken = false;
        for (const Baseline &s : m_scenarios)
            taken = taken || s.name() == name;
        if (!taken)
            return name;
    }
}

bool ScenarioSet::addFile(const QString &path, int maxInvestment, int maxJaren, QString *error, FileTargets targets)
{
    if (isFull()) {
        if (error)
            *error = QCoreApplication::translate("ScenarioSet", "Er zijn al %1 scenario's; verwijder er eerst een.")
                         .arg(MaxScenarios);
        return false;
    }
    Baseline scenario;
    scenario.setDebtMeasure(m_debtMeasure);
    if (!scenario.loadFile(path, maxInvestment, maxJaren, error, targets))
        return false;
    m_scenarios.push_back(std::move(scenario));
    return true;
}

bool ScenarioSet::addCopy(const InvestmentStore &current, const QString &name)
{
    if (isFull())
        return false;
    const QString trimmed = name.trimmed();
    Baseline scenario;
    scenario.setCopyOf(current, trimmed.isEmpty() ? nextDefaultName() : trimmed);
    scenario.setDebtMeasure(m_debtMeasure);
    m_scenarios.push_back(std::move(scenario));
    return true;
}

bool ScenarioSet::rename(int i, const QString &name)
{
    if (i < 0 || i >= count())
        return false;
    const QString trimmed = name.trimmed();
    if (!trimmed.isEmpty())
        m_scenarios[static_cast<size_t>(i)].setName(trimmed);
    return true;
}

bool ScenarioSet::remove(int i)
{
    if (i < 0 || i >= count())
        return false;
    m_scenarios.erase(m_scenarios.begin() + i);
    return true;
}

void ScenarioSet::setLimits(int maxInvestment, int maxJaren)
{
    for (Baseline &s : m_scenarios)
        s.setLimits(maxInvestment, maxJaren);
}

void ScenarioSet::setDebtMeasure(DebtMeasure measure)
{
    m_debtMeasure = measure;
    for (Baseline &s : m_scenarios)
        s.setDebtMeasure(measure);
}

QVector<double> ScenarioSet::chartValues(int i, const InvestmentStore &current, const InflationTable *real,
    bool cashFlow) const
{
    if (i < 0 || i >= count())
        return {};
    return ComparedLine(current, m_scenarios[static_cast<size_t>(i)].store(), real, cashFlow);
}
