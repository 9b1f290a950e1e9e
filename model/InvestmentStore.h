#ifndef INVESTMENTSTORE_H
#define INVESTMENTSTORE_H

#include "model/CostTax.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <climits>

// Sums over the rows for one year.
struct YearTotals
{
    double cash = 0.0;
    double propertyValue = 0.0;
    double ownContribution = 0.0;
    double debt = 0.0;
    double monthlyIncome = 0.0;
    double monthlyCosts = 0.0;
    double monthlyCashFlow = 0.0;
    double assets = 0.0; // cash + property value
    // Under the cost and tax assumptions: the running costs a month (within monthly costs) and
    // the Box 3 tax of the year. The tax is in the monthly costs and cash flow of its year as
    // tax / 12, and the cash of every later year is lower by it.
    double runningCosts = 0.0;
    double box3Tax = 0.0;

    double netWorth() const { return assets - debt; }
};

// What a call of addInvestment did.
struct ProjectionUpdate
{
    bool projected = false; // the row was complete and is now projected
    bool dropped = false; // the row was not complete and lost the projection it had
    // The base year differs from the one the previous addInvestment reported (also when a limit
    // change moved it); every projected row now holds its projection against the new one.
    bool baseYearMoved = false;
    bool othersChanged = false; // another row was projected again or lost its projection
    int baseYear = INT_MAX;
};

// The numbers behind the input grid: 30 input records, their projections, the two
// limits and the net worth per year. Fixed in size; nothing grows or shrinks.
class InvestmentStore
{
public:
    static constexpr int NoBaseYear = INT_MAX;

    InvestmentStore();

    // Row access; rows outside 0..29 are refused (a scratch record absorbs writes).
    InvestmentInput &input(int row);
    const InvestmentInput &input(int row) const;
    const ProjectionBlock &block(int row) const;
    static bool isValidRow(int row) { return row >= 0 && row < MaxRows; }

    // The type index read from a row's Type cell; completeness goes by it.
    void setRowType(int row, int type);
    int rowType(int row) const;

    int maxInvestment() const { return m_maxInvestment; }
    int maxJaren() const { return m_maxJaren; }
    // Both limits are clamped to the store's capacity (0..30 rows, 0..31 years). The rows that
    // hold a projection are projected again when the new limit moves the base year or changes
    // the number of projected years.
    void setMaxInvestment(int rows);
    void setMaxJaren(int years);

    // Which debt the records, the totals and everything read from them show: the payments
    // still due (the default) or the mortgages' remaining principal ("Schuld als restschuld").
    // A change projects every projected row again; each block's principal is there either way.
    DebtMeasure debtMeasure() const { return m_debtMeasure; }
    void setDebtMeasure(DebtMeasure measure);

    // The costs and tax the portfolio assumes (all off by default). A change projects every
    // projected row again.
    const CostTaxAssumptions &costTax() const { return m_costTax; }
    void setCostTax(const CostTaxAssumptions &assumptions);

    // The Box 3 tax of year index y (0 outside the projected years or with Box 3 off).
    double box3Tax(int yearIndex) const;
    // The tax of the years before year index y together: what that year's cash is lower by.
    double box3TaxBefore(int yearIndex) const;

    bool isRowComplete(int row) const;
    int earliestStartYear() const;
    int projectedRowCount() const;
    // Whether any row within the investment limit holds a projection.
    bool anyRowProjected() const;

    // Projects a complete row and returns what changed. A row that is not complete loses
    // any projection it had. Every other row that holds a projection is then brought up to
    // date: projected again when the base year, the number of years or its inputs changed
    // since it was projected (so year index y means the same calendar year in every block),
    // or dropped when it is no longer complete.
    ProjectionUpdate addInvestment(int row);

    // Projects every complete row against the base year of the complete rows and drops the
    // projection of every other row: where adding the rows 0 .. 29 one after the other ends,
    // with one reading of the rows and one projection of each (opening a file, a plan's copy).
    // A row whose projection is still current is kept as it is. The next addInvestment reports
    // its base year against this one.
    void projectAll();

    // Projects one row against the current base year, whether complete or not (a later
    // addInvestment drops it again while it is not complete).
    void projectRow(int row);

    // Sums of year index `yearIndex` over rows 0..maxInvestment-1; false for an index outside
    // the projected years (0..maxJaren-1), in which case `totals` is left zero.
    bool yearTotals(int yearIndex, YearTotals &totals) const;

    double netWorthByYear(int yearIndex) const;
    void setNetWorthByYear(int yearIndex, double value);
    double *netWorthSeries() { return m_netWorthByYear; }

    // Every input field of every row to `value` (the clearing starts with 0 for all 30 rows).
    void fillAllInputs(double value);
    // Clears every projection, flag and net-worth entry.
    void clearProjections();

    // Checked year record access: nullptr outside rows 0..29 or years 0..30.
    const YearRecord *record(int row, int yearIndex) const;

private:
    // What a block was projected from; a block is current while all three still hold.
    struct ProjectedFrom
    {
        InvestmentInput input;
        int baseYear;
        int years;
        DebtMeasure debt;
        CostAssumptions costs;
    };

    using Completeness = bool[MaxRows];

    // What readCompleteness last read of a row, and from which fields and type.
    struct RowReading
    {
        InvestmentInput input;
        int type = -1; // no type: read on first use
        bool complete = false;
        int startYear = 0;
        // The fields read are those the row's block was projected from.
        bool asProjected = false;
    };

    void projectRowAgainst(int row, int baseYear);
    void dropProjection(int row);
    bool isCurrent(int row, int baseYear) const;
    // Completeness of every row, computed once per change.
    void readCompleteness(Completeness &complete) const;
    int baseYearOf(const Completeness &complete) const;
    // Brings every projected row except `skipRow` up to date; true when any changed.
    bool refreshProjectedRows(const Completeness &complete, int baseYear, int skipRow);
    void refreshAfterLimitChange();
    void refreshTax();

    InvestmentInput m_inputs[MaxRows];
    int m_rowTypes[MaxRows];
    int m_maxInvestment = MaxRows;
    int m_maxJaren = MaxYears;
    DebtMeasure m_debtMeasure = DebtMeasure::PaymentsDue;
    CostTaxAssumptions m_costTax;
    ProjectionBlock m_blocks[MaxRows];
    ProjectedFrom m_projectedFrom[MaxRows];
    double m_netWorthByYear[MaxYears];
    double m_box3Tax[MaxYears] = {};
    double m_box3TaxBefore[MaxYears] = {};
    int m_projectedBaseYear = NoBaseYear;
    InvestmentInput m_scratch;
    mutable RowReading m_readings[MaxRows];
};

#endif // INVESTMENTSTORE_H
