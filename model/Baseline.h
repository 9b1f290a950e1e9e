#ifndef BASELINE_H
#define BASELINE_H

// A second portfolio to compare the one on screen with: read from an investment file or
// copied from the portfolio on screen, projected with the same limits, never saved.

#include "io/InvestFormat.h"
#include "model/ProjectionBlock.h"

#include <QString>
#include <QVector>

#include <memory>

class InflationTable;
class InvestmentStore;

// One calendar year of the comparison.
struct BaselineYear
{
    bool available = false; // both portfolios have figures for the year
    double netWorth = 0.0; // the baseline's
    double monthlyCashFlow = 0.0; // the baseline's
    double netWorthDifference = 0.0; // the portfolio on screen minus the baseline
    double cashFlowDifference = 0.0;
};

// Year index `yearIndex` of `current` (calendar year: its earliest start year + index) against
// the same calendar year of `baseline`, nominal without a table, in the money of the table's
// reference year with one. Not available without a baseline, when either has no projected row,
// or when the year lies outside either's projected years (the base years may differ).
BaselineYear CompareWithBaseline(const InvestmentStore &current, const InvestmentStore *baseline, int yearIndex,
    const InflationTable *real);

// The same for every projected year of `current`; returns how many were written (its number
// of projected years, 0 without a base year).
int CompareByYear(const InvestmentStore &current, const InvestmentStore *baseline, const InflationTable *real,
    BaselineYear (&years)[MaxYears]);

// The net worth or monthly cash flow of `other` for every projected year of `current`, NaN
// where it has none; empty without `other` or without any common year.
QVector<double> ComparedLine(const InvestmentStore &current, const InvestmentStore *other, const InflationTable *real,
    bool cashFlow);

class Baseline
{
public:
    Baseline();
    ~Baseline();
    // A copy holds a store of its own.
    Baseline(const Baseline &other);
    Baseline &operator=(const Baseline &other);
    Baseline(Baseline &&) noexcept;
    Baseline &operator=(Baseline &&) noexcept;

    bool isSet() const { return m_store != nullptr; }
    // What the status bar names: the file name, or the name given with a copy.
    const QString &name() const { return m_name; }
    // nullptr while no baseline is set.
    const InvestmentStore *store() const { return m_store.get(); }

    // Reads an investment file with the loader and rules Open uses and projects it with the
    // given limits. When the file cannot be read the baseline stays as it was and `error`
    // says why.
    // `targets` as for opening a file (the window takes regular files only).
    bool loadFile(const QString &path, int maxInvestment, int maxJaren, QString *error,
        FileTargets targets = FileTargets::Any);
    // A copy of the portfolio on screen, figures and limits included.
    void setCopyOf(const InvestmentStore &current, const QString &name);
    void clear();
    void setName(const QString &name) { m_name = name; }
    // Follows a limit change of the portfolio on screen (the store projects again as needed).
    void setLimits(int maxInvestment, int maxJaren);
    // Follows the debt the portfolio on screen shows; files loaded later are projected with it.
    // Whether a file loaded later keeps its own cost and tax assumptions (the default) or is
    // projected without them.
    void setWithAssumptions(bool with) { m_withAssumptions = with; }
    void setDebtMeasure(DebtMeasure measure);

private:
    std::unique_ptr<InvestmentStore> m_store;
    bool m_withAssumptions = true;
    DebtMeasure m_debtMeasure = DebtMeasure::PaymentsDue;
    QString m_name;
};

#endif // BASELINE_H
