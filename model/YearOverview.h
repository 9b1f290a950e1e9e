#ifndef YEAROVERVIEW_H
#define YEAROVERVIEW_H

// The plan at a glance: one row per projected year with the nine totals and what the
// planning figures add to them (the free year, the paths' percentiles, the baseline), and the
// same per investment. The overview window, the plan report and their copies all show these
// rows through the tables below, so the figures are the ones the totals and the exporter give.

#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// What the overview shows beside the nominal totals; every part is optional.
struct OverviewFigures
{
    // Amounts in the money of the table's reference year; nominal without one.
    const InflationTable *real = nullptr;
    // The monthly spending in today's money and the table the free-year rule compares it by
    // (today's inflation); no free-year column without a spending.
    std::optional<double> monthlySpending;
    const InflationTable *today = nullptr;
    // The paths' percentiles of the total net worth (nominal; shown through `real`), used when
    // they belong to the store's years.
    const PathBands *bands = nullptr;
    // The portfolio compared with.
    const InvestmentStore *baseline = nullptr;
};

struct OverviewRow
{
    int year = 0; // calendar year
    YearTotals totals; // as shown
    bool freeYear = false; // the first year the cash flow covers the spending
    bool hasBands = false;
    double p10 = 0.0, p50 = 0.0, p90 = 0.0; // as shown
    BaselineYear baseline; // as shown
};

// One row per projected year of the store (none without a complete row).
QVector<OverviewRow> YearOverviewRows(const InvestmentStore &store, const OverviewFigures &figures);

// Whether the percentiles belong to the store's projected years.
bool BandsFitStore(const InvestmentStore &store, const PathBands *bands);

// A table as it is shown: Dutch headers, cell texts in Dutch notation; column 0 is the year.
struct OverviewTable
{
    QStringList headers;
    QStringList headerTips; // one per column: what the column holds
    QVector<QStringList> cells;
    QVector<int> years; // the calendar year of each row
};

// The year overview: "Jaar", the nine totals, then "Uitgaven" and "Financieel vrij" with a
// spending, the three percentiles with fitting bands, "Basis" and "Verschil" with a baseline.
OverviewTable YearOverviewTable(const InvestmentStore &store, const OverviewFigures &figures);

// The years of one grid row: "Jaar" and its nine series (ROI as a percentage); empty when the
// row holds no projection within the investment limit.
OverviewTable InvestmentOverviewTable(const InvestmentStore &store, int row, const InflationTable *real);

// The chosen cells as text that Dutch spreadsheets paste into cells: the headers of the
// chosen columns, then one line per chosen row, cells separated by tabs, lines by "\r\n".
// Numbers keep their decimal comma and lose the grouping dots ("2065121", "954,83"); a value
// that is no number is an empty cell. Rows and columns in table order; empty lists mean all.
QString OverviewClipboardText(const OverviewTable &table, const QVector<int> &rows = {},
    const QVector<int> &columns = {});

// An amount in millions when it is one ("2,1 mln"), else as a total ("954,83", "12.500").
QString DutchMillionsOrTotal(double value);

// The summary in words of the plan's title page, such as "Met deze portefeuille is de
// maandelijkse cashflow in 2034 hoger dan de uitgaven van 3.000; de nettowaarde in 2050 is
// 2,1 mln (10–90 %: 1,4–3,0 mln)." Empty without a complete row.
QString PlanSummary(const QVector<OverviewRow> &rows, const OverviewFigures &figures);

// What the overview and the report read of a portfolio on screen or of a file: the store, the
// planning settings and where the portfolio comes from.
struct PlanState
{
    const InvestmentStore *store = nullptr;
    bool realValues = false; // amounts in today's money
    double inflationPercent = 0.0; // usable (0 when the field is not)
    std::optional<double> monthlySpending; // today's money; unset: no target
    PathBands bands; // empty: no percentiles
    const InvestmentStore *baseline = nullptr;
    QString baselineName;
    PathSettings pathSettings; // the spreads, number of paths and seed a report runs with
    QString fileName; // empty: a new portfolio
    QString portfolioText; // the investment text the portfolio is saved as
    bool unsaved = false; // the text differs from what the file holds
};

// The inflation tables of a state and the figures that point into them (not copyable).
class PlanFigures
{
public:
    // `store` is the portfolio the tables are made for (normally state.store).
    PlanFigures(const PlanState &state, const InvestmentStore &store);
    PlanFigures(const PlanFigures &) = delete;
    PlanFigures &operator=(const PlanFigures &) = delete;

    const OverviewFigures &figures() const { return m_figures; }
    const InflationTable &today() const { return m_today; }

private:
    InflationTable m_today;
    OverviewFigures m_figures;
};

#endif // YEAROVERVIEW_H
