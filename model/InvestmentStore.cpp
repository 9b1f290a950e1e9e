#include "model/InvestmentStore.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/Projection.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Per type, bit c set when the type uses column c.
unsigned UsedColumnBits(int type)
{
    static const std::array<unsigned, InvestmentTypeCount> bits = [] {
        std::array<unsigned, InvestmentTypeCount> m {};
        for (int t = 0; t < InvestmentTypeCount; ++t) {
            for (int c = 0; c < FieldCount; ++c) {
                if (ColumnUsage[t][c] != NotApplicable)
                    m[t] |= 1u << c;
            }
        }
        return m;
    }();
    return bits[type];
}

// Bit for bit equal: a NaN field equals itself, and the loop has no branch to take.
bool SameFields(const InvestmentInput &a, const InvestmentInput &b)
{
    quint64 differ = 0;
    for (int c = 0; c < FieldCount; ++c) {
        quint64 x, y;
        std::memcpy(&x, &a.field[c], sizeof x);
        std::memcpy(&y, &b.field[c], sizeof y);
        differ |= x ^ y;
    }
    return differ == 0;
}

} // namespace

InvestmentStore::InvestmentStore()
{
    for (int r = 0; r < MaxRows; ++r) {
        m_inputs[r].setAllEmpty();
        m_rowTypes[r] = 0;
        m_projectedFrom[r] = { m_inputs[r], NoBaseYear, 0, m_debtMeasure, m_costTax.costs };
    }
    m_scratch.setAllEmpty();
    clearProjections();
}

InvestmentInput &InvestmentStore::input(int row)
{
    if (!isValidRow(row)) {
        m_scratch.setAllEmpty();
        return m_scratch;
    }
    return m_inputs[row];
}

const InvestmentInput &InvestmentStore::input(int row) const
{
    return isValidRow(row) ? m_inputs[row] : m_scratch;
}

const ProjectionBlock &InvestmentStore::block(int row) const
{
    static const ProjectionBlock noBlock {}; // what a row outside the store reads: nothing
    return isValidRow(row) ? m_blocks[row] : noBlock;
}

void InvestmentStore::setRowType(int row, int type)
{
    if (isValidRow(row))
        m_rowTypes[row] = (type >= 0 && type < InvestmentTypeCount) ? type : 0;
}

int InvestmentStore::rowType(int row) const
{
    return isValidRow(row) ? m_rowTypes[row] : 0;
}

void InvestmentStore::setMaxInvestment(int rows)
{
    m_maxInvestment = std::clamp(rows, 0, MaxRows);
    refreshAfterLimitChange(); // fewer or more rows can move the base year
}

void InvestmentStore::setMaxJaren(int years)
{
    m_maxJaren = std::clamp(years, 0, MaxYears);
    refreshAfterLimitChange();
}

void InvestmentStore::setDebtMeasure(DebtMeasure measure)
{
    if (measure == m_debtMeasure)
        return;
    m_debtMeasure = measure;
    refreshAfterLimitChange(); // every projected row is no longer current
}

void InvestmentStore::setCostTax(const CostTaxAssumptions &assumptions)
{
    if (assumptions == m_costTax)
        return;
    m_costTax = assumptions;
    refreshAfterLimitChange(); // rows projected under other costs are no longer current; the tax follows
}

void InvestmentStore::refreshAfterLimitChange()
{
    Completeness complete;
    readCompleteness(complete);
    // m_projectedBaseYear stays: the next addInvestment reports a base year moved here.
    refreshProjectedRows(complete, baseYearOf(complete), -1);
    refreshTax();
}

void InvestmentStore::refreshTax()
{
    std::fill(std::begin(m_box3Tax), std::end(m_box3Tax), 0.0);
    std::fill(std::begin(m_box3TaxBefore), std::end(m_box3TaxBefore), 0.0);
    if (m_costTax.box3.regime == Box3Regime::Off)
        return;
    const int base = earliestStartYear();
    if (base == NoBaseYear)
        return;
    PortfolioBox3Tax(m_costTax.box3, m_inputs, m_blocks, m_maxInvestment, base, m_maxJaren, m_box3Tax);
    double before = 0.0;
    for (int y = 0; y < m_maxJaren; ++y) {
        m_box3TaxBefore[y] = before;
        before += m_box3Tax[y];
    }
}

double InvestmentStore::box3Tax(int yearIndex) const
{
    return (yearIndex >= 0 && yearIndex < MaxYears) ? m_box3Tax[yearIndex] : 0.0;
}

double InvestmentStore::box3TaxBefore(int yearIndex) const
{
    return (yearIndex >= 0 && yearIndex < MaxYears) ? m_box3TaxBefore[yearIndex] : 0.0;
}

bool InvestmentStore::isRowComplete(int row) const
{
    if (!isValidRow(row))
        return false;
    // setRowType keeps the type within the table. The empty fields as bits, against the
    // columns the type uses: a loop without branches, as every change reads all 30 rows.
    const double *field = m_inputs[row].field;
    unsigned empty = 0;
    for (int c = 0; c < FieldCount; ++c)
        empty |= static_cast<unsigned>(field[c] == EmptyField) << c;
    return (empty & UsedColumnBits(m_rowTypes[row])) == 0;
}

void InvestmentStore::readCompleteness(Completeness &complete) const
{
    // Every change reads all 30 rows, and a row's completeness and start year change only
    // with its fields or its type: what was read last is kept per row until either changes.
    for (int r = 0; r < MaxRows; ++r) {
        RowReading &reading = m_readings[r];
        if (reading.type != m_rowTypes[r] || !SameFields(reading.input, m_inputs[r])) {
            reading.input = m_inputs[r];
            reading.type = m_rowTypes[r];
            reading.complete = isRowComplete(r);
            reading.startYear = ProjectedStartYear(m_inputs[r]);
            reading.asProjected = false;
        }
        complete[r] = reading.complete;
    }
}

int InvestmentStore::baseYearOf(const Completeness &complete) const
{
    int base = NoBaseYear;
    for (int r = 0; r < m_maxInvestment; ++r) {
        if (complete[r])
            base = std::min(base, m_readings[r].startYear); // read with the completeness
    }
    return base;
}

int InvestmentStore::earliestStartYear() const
{
    Completeness complete;
    readCompleteness(complete);
    return baseYearOf(complete);
}

int InvestmentStore::projectedRowCount() const
{
    int count = 0;
    while (count < m_maxInvestment && m_blocks[count].projected)
        ++count;
    return count;
}

bool InvestmentStore::anyRowProjected() const
{
    for (int r = 0; r < m_maxInvestment; ++r) {
        if (m_blocks[r].projected)
            return true;
    }
    return false;
}

void InvestmentStore::projectRow(int row)
{
    if (isValidRow(row)) {
        projectRowAgainst(row, earliestStartYear());
        refreshTax();
    }
}

void InvestmentStore::projectRowAgainst(int row, int baseYear)
{
    ProjectRow(m_inputs[row], baseYear, m_maxJaren, m_blocks[row], m_debtMeasure, m_costTax.costs);
    m_projectedFrom[row] = { m_inputs[row], baseYear, m_maxJaren, m_debtMeasure, m_costTax.costs };
    RowReading &reading = m_readings[row];
    reading.asProjected = reading.type == m_rowTypes[row] && SameFields(reading.input, m_inputs[row]);
}

void InvestmentStore::dropProjection(int row)
{
    m_blocks[row].reset();
}

bool InvestmentStore::isCurrent(int row, int baseYear) const
{
    const ProjectedFrom &from = m_projectedFrom[row];
    // Compared bit for bit, so that a NaN field does not count as changed on every call.
    // The fields are compared only when they were read anew since the projection.
    return from.baseYear == baseYear && from.years == m_maxJaren && from.debt == m_debtMeasure
        && from.costs == m_costTax.costs
        && (m_readings[row].asProjected || SameFields(from.input, m_inputs[row]));
}

bool InvestmentStore::refreshProjectedRows(const Completeness &complete, int baseYear, int skipRow)
{
    bool changed = false;
    for (int r = 0; r < MaxRows; ++r) {
        if (r == skipRow || !m_blocks[r].projected)
            continue;
        if (!complete[r]) {
            dropProjection(r);
            changed = true;
        } else if (!isCurrent(r, baseYear)) {
            projectRowAgainst(r, baseYear);
            changed = true;
        }
    }
    return changed;
}

ProjectionUpdate InvestmentStore::addInvestment(int row)
{
    ProjectionUpdate update;
    if (!isValidRow(row))
        return update;
    Completeness complete;
    readCompleteness(complete);
    update.baseYear = baseYearOf(complete);
    update.projected = complete[row];
    update.dropped = !update.projected && m_blocks[row].projected;
    update.baseYearMoved = update.baseYear != m_projectedBaseYear;
    m_projectedBaseYear = update.baseYear;

    if (update.projected)
        projectRowAgainst(row, update.baseYear);
    else if (update.dropped)
        dropProjection(row); // an investment whose inputs were removed no longer counts
    update.othersChanged = refreshProjectedRows(complete, update.baseYear, row);
    refreshTax();
    return update;
}

void InvestmentStore::projectAll()
{
    Completeness complete;
    readCompleteness(complete);
    const int base = baseYearOf(complete);
    m_projectedBaseYear = base;
    for (int r = 0; r < MaxRows; ++r) {
        if (!complete[r]) {
            if (m_blocks[r].projected)
                dropProjection(r);
        } else if (!m_blocks[r].projected || !isCurrent(r, base)) {
            projectRowAgainst(r, base);
        }
    }
    refreshTax();
}

bool InvestmentStore::yearTotals(int yearIndex, YearTotals &totals) const
{
    totals = YearTotals();
    if (yearIndex < 0 || yearIndex >= m_maxJaren)
        return false;
    for (int r = 0; r < m_maxInvestment; ++r) {
        const double *s = m_blocks[r].years[yearIndex].series;
        totals.cash += s[SerCash];
        totals.propertyValue += s[SerPropertyValue];
        totals.ownContribution += s[SerOwnContribution];
        totals.debt += s[SerDebt];
        totals.monthlyIncome += s[SerMonthlyIncome];
        totals.monthlyCosts += s[SerMonthlyCosts];
        totals.monthlyCashFlow += s[SerMonthlyCashFlow];
        totals.runningCosts += m_blocks[r].runningCosts[yearIndex];
    }
    // Box 3 is paid from the portfolio's cash: a twelfth a month in its year, gone after it.
    if (m_costTax.box3.regime != Box3Regime::Off) {
        totals.box3Tax = m_box3Tax[yearIndex];
        totals.cash -= m_box3TaxBefore[yearIndex];
        totals.monthlyCosts += totals.box3Tax / 12.0;
        totals.monthlyCashFlow -= totals.box3Tax / 12.0;
    }
    totals.assets = totals.cash + totals.propertyValue;
    return true;
}

double InvestmentStore::netWorthByYear(int yearIndex) const
{
    return (yearIndex >= 0 && yearIndex < MaxYears) ? m_netWorthByYear[yearIndex] : 0.0;
}

void InvestmentStore::setNetWorthByYear(int yearIndex, double value)
{
    if (yearIndex >= 0 && yearIndex < MaxYears)
        m_netWorthByYear[yearIndex] = value;
}

void InvestmentStore::fillAllInputs(double value)
{
    for (InvestmentInput &in : m_inputs)
        in.fill(value);
}

void InvestmentStore::clearProjections()
{
    for (ProjectionBlock &b : m_blocks)
        b.reset();
    std::fill(std::begin(m_netWorthByYear), std::end(m_netWorthByYear), 0.0);
    std::fill(std::begin(m_box3Tax), std::end(m_box3Tax), 0.0);
    std::fill(std::begin(m_box3TaxBefore), std::end(m_box3TaxBefore), 0.0);
    m_projectedBaseYear = NoBaseYear;
}

const YearRecord *InvestmentStore::record(int row, int yearIndex) const
{
    if (!isValidRow(row) || yearIndex < 0 || yearIndex >= MaxYears)
        return nullptr;
    return &m_blocks[row].years[yearIndex];
}
