#include "model/InvestmentStore.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/Projection.h"

#include <algorithm>

InvestmentStore::InvestmentStore()
{
    for (int r = 0; r < MaxRows; ++r) {
        m_inputs[r].setAllEmpty();
        m_rowTypes[r] = 0;
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
    return m_blocks[std::clamp(row, 0, MaxRows - 1)];
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
}

void InvestmentStore::setMaxJaren(int years)
{
    m_maxJaren = std::clamp(years, 0, MaxYears);
}

bool InvestmentStore::isRowComplete(int row) const
{
    if (!isValidRow(row))
        return false;
    const int type = m_rowTypes[row];
    for (int c = 0; c < FieldCount; ++c) {
        if (ColumnApplies(type, c) && m_inputs[row].isEmpty(c))
            return false;
    }
    return true;
}

int InvestmentStore::earliestStartYear() const
{
    int base = NoBaseYear;
    for (int r = 0; r < m_maxInvestment; ++r) {
        if (isRowComplete(r))
            base = std::min(base, ProjectedStartYear(m_inputs[r]));
    }
    return base;
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
    if (isValidRow(row))
        ProjectRow(m_inputs[row], earliestStartYear(), m_maxJaren, m_blocks[row]);
}

ProjectionUpdate InvestmentStore::addInvestment(int row)
{
    ProjectionUpdate update;
    if (!isValidRow(row))
        return update;
    update.baseYear = earliestStartYear();
    update.projected = isRowComplete(row);
    if (!update.projected && m_blocks[row].projected) {
        m_blocks[row].reset(); // an investment whose inputs were removed no longer counts
        update.dropped = true;
    }

    if (update.baseYear != m_projectedBaseYear) {
        update.baseYearMoved = true;
        m_projectedBaseYear = update.baseYear;
        for (int r = 0; r < MaxRows; ++r) {
            if (r == row && update.projected) {
                projectRow(r);
            } else if (m_blocks[r].projected) {
                if (isRowComplete(r))
                    projectRow(r);
                else
                    m_blocks[r].reset();
            }
        }
    } else if (update.projected) {
        projectRow(row);
    }
    return update;
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
    m_projectedBaseYear = NoBaseYear;
}

const YearRecord *InvestmentStore::record(int row, int yearIndex) const
{
    if (!isValidRow(row) || yearIndex < 0 || yearIndex >= MaxYears)
        return nullptr;
    return &m_blocks[row].years[yearIndex];
}
