#ifndef CHARTDATA_H
#define CHARTDATA_H

// Everything a chart window draws, computed from the store and the values of the panels:
// one line per leading projected row, their sum, the uncertainty band, the spending line and
// the baseline, in today's money or not, and the axes that cover them all.

#include "charts/ChartMath.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <climits>
#include <optional>

class InvestmentStore;

// A kept scenario's line: its name and its values per year index, NaN where it has none.
struct ScenarioLine
{
    QString name;
    QVector<double> values;
};

struct ChartInputs
{
    bool cashFlow = false; // the cash-flow chart; otherwise net worth
    // The first year of the axis when no row is projected (the year list's first year).
    int firstYearWithoutBase = 0;
    const InflationTable *real = nullptr; // today's money when set
    InflationTable today; // grows the spending goal to each year's euros
    std::optional<double> spending; // the monthly spending goal, in today's money
    const PathBands *bands = nullptr; // the uncertainty paths, when in
    QVector<double> baseline; // the baseline's values per year index, empty without one
    QVector<ScenarioLine> scenarios; // the kept scenarios' lines, each as the baseline's
    QString realMoneyCaption; // added to the title in today's money
};

struct ChartData
{
    int firstYear = 0;
    int lastYear = 0;
    ValueRange range;
    QVector<QVector<double>> rows; // per leading projected row
    QStringList rowTypes; // the type name of each row
    QVector<double> sum; // nominal sums per year index as the net-worth list keeps them
    QVector<double> sumShown; // the sum as drawn
    // Cash flow only, with Box 3 on: the sum after the year's tax (a twelfth a month), as drawn.
    QVector<double> afterTax;
    bool drawSum = false; // two rows or more
    QVector<double> p10, p50, p90; // the band (net worth only)
    QVector<double> spending; // the spending line (cash flow with a goal only)
    int freeYear = INT_MIN; // the year marked on the spending line; INT_MIN: none
    QVector<double> baseline;
    QVector<ScenarioLine> scenarios; // those with a value in some year
    QString title;
};

// The chart of the store's projected years. `netWorthByYear` is the store's list of yearly
// net worth (the net-worth chart draws it as the sum); the cash-flow chart sums the rows.
ChartData BuildChartData(const InvestmentStore &store, const double *netWorthByYear, const ChartInputs &inputs);

#endif // CHARTDATA_H
