#include "io/CsvExport.h"

#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QList>

#include <charconv>
#include <cmath>
#include <cstring>

const char *const ProjectionCsvHeader = "row,type,year,start_year,cash,property_value,assets,own_contribution,debt,"
                                        "monthly_income,monthly_costs,monthly_cash_flow,roi";
const char *const TotalsCsvHeader = "year,cash,property_value,assets,own_contribution,debt,monthly_income,"
                                    "monthly_costs,monthly_cash_flow,net_worth";
const char *const PathBandsCsvHeader = "year,p10,p50,p90";
const char *const BaselineCsvColumns = "baseline_net_worth,baseline_monthly_cash_flow,net_worth_difference";
const char *const RowCostTaxCsvColumns = "running_costs";
const char *const TotalsCostTaxCsvColumns = "running_costs,box3_tax";

namespace {

constexpr int Digits = 17;
constexpr int NumberBuffer = 32; // "-1.2345678901234567e-308" fits

// Writes a number into `out` and returns the end. std::to_chars does what "%.17g" does
// without looking at the C locale and much faster than a formatted print.
char *writeNumber(char *out, double value)
{
    if (std::isnan(value)) {
        std::memcpy(out, "nan", 3);
        return out + 3;
    }
    if (value == 0.0) {
        *out = '0';
        return out + 1;
    }
    return std::to_chars(out, out + NumberBuffer, value, std::chars_format::general, Digits).ptr;
}

void appendNumber(QByteArray &text, double value)
{
    char buffer[NumberBuffer];
    text.append(buffer, static_cast<int>(writeNumber(buffer, value) - buffer));
}

void appendInteger(QByteArray &text, long long value)
{
    char buffer[NumberBuffer];
    text.append(buffer, static_cast<int>(std::to_chars(buffer, buffer + NumberBuffer, value).ptr - buffer));
}

// The header line; with real figures every amount column's name ends in "_real".
QByteArray headerLine(bool totals, const CsvFigures &figures)
{
    QByteArray names(totals ? TotalsCsvHeader : ProjectionCsvHeader);
    if (totals && figures.baseline)
        names += QByteArray(",") + BaselineCsvColumns;
    if (figures.costTax)
        names += QByteArray(",") + (totals ? TotalsCostTaxCsvColumns : RowCostTaxCsvColumns);
    if (!figures.real)
        return names + '\n';
    // The leading columns that are no amount: row, type, year and start year, or the year.
    const int leading = totals ? 1 : 4;
    QList<QByteArray> columns = names.split(',');
    for (int i = leading; i < columns.size(); ++i) {
        if (totals || i - 3 >= SeriesCount || IsAmountSeries(i - 3))
            columns[i] += "_real";
    }
    return columns.join(',') + '\n';
}

void appendRows(const InvestmentStore &store, long long baseYear, const InflationTable *real, bool costTax,
    QByteArray &text)
{
    for (int r = 0; r < store.maxInvestment(); ++r) {
        const ProjectionBlock &block = store.block(r);
        if (!block.projected)
            continue;
        for (int y = 0; y < store.maxJaren(); ++y) {
            appendInteger(text, r + 1);
            text += ',';
            appendInteger(text, store.rowType(r));
            text += ',';
            appendInteger(text, baseYear + y);
            const YearRecord record = real ? ShownRecord(store, r, y, real) : block.years[y];
            for (double value : record.series) {
                text += ',';
                appendNumber(text, value);
            }
            if (costTax) {
                const double running = block.runningCosts[y];
                text += ',';
                appendNumber(text, real ? real->real(running, static_cast<int>(baseYear + y)) : running);
            }
            text += '\n';
        }
    }
}

void appendTotals(const InvestmentStore &store, long long baseYear, const CsvFigures &figures, QByteArray &text)
{
    YearTotals totals[MaxYears];
    ShownTotalsByYear(store, figures.real, totals);
    BaselineYear baseline[MaxYears];
    if (figures.baseline)
        CompareByYear(store, figures.baseline, figures.real, baseline);
    for (int y = 0; y < store.maxJaren(); ++y) {
        const YearTotals &t = totals[y];
        appendInteger(text, baseYear + y);
        for (double value : { t.cash, t.propertyValue, t.assets, t.ownContribution, t.debt, t.monthlyIncome,
                 t.monthlyCosts, t.monthlyCashFlow, t.netWorth() }) {
            text += ',';
            appendNumber(text, value);
        }
        if (figures.baseline) {
            const BaselineYear &b = baseline[y];
            for (double value : { b.netWorth, b.monthlyCashFlow, b.netWorthDifference }) {
                text += ',';
                if (b.available)
                    appendNumber(text, value);
            }
        }
        if (figures.costTax) {
            for (double value : { t.runningCosts, t.box3Tax }) {
                text += ',';
                appendNumber(text, value);
            }
        }
        text += '\n';
    }
}

} // namespace

QString CsvNumber(double value)
{
    char buffer[NumberBuffer];
    return QString::fromLatin1(buffer, static_cast<int>(writeNumber(buffer, value) - buffer));
}

QByteArray ProjectionCsvBytes(const InvestmentStore &store, bool totals, const CsvFigures &given)
{
    CsvFigures figures = given;
    figures.costTax = !store.costTax().isOff();
    QByteArray text = headerLine(totals, figures);
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return text;
    int lines = store.maxJaren();
    if (!totals) {
        int projected = 0;
        for (int r = 0; r < store.maxInvestment(); ++r)
            projected += store.block(r).projected ? 1 : 0;
        lines *= projected;
    }
    text.reserve(text.size() + lines * 13 * 24);
    if (totals)
        appendTotals(store, base, figures, text);
    else
        appendRows(store, base, figures.real, figures.costTax, text);
    return text;
}

QString ProjectionCsvText(const InvestmentStore &store, bool totals, const CsvFigures &figures)
{
    return QString::fromLatin1(ProjectionCsvBytes(store, totals, figures));
}

QByteArray PathBandsCsvBytes(const PathBands &bands, const InflationTable *real, bool chanceFree)
{
    QByteArray text(real ? "year,p10_real,p50_real,p90_real" : PathBandsCsvHeader);
    if (chanceFree)
        text += ",chance_free";
    text += '\n';
    for (int y = 0; y < bands.p50.size(); ++y) {
        const long long year = static_cast<long long>(bands.firstYear) + y;
        appendInteger(text, year);
        for (double value : { bands.p10.at(y), bands.p50.at(y), bands.p90.at(y) }) {
            text += ',';
            appendNumber(text, real ? real->real(value, static_cast<int>(year)) : value);
        }
        if (chanceFree) {
            text += ',';
            appendNumber(text, bands.coveredByChance.value(y));
        }
        text += '\n';
    }
    return text;
}
