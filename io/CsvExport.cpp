#include "io/CsvExport.h"

#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"

#include <charconv>
#include <cmath>
#include <cstring>

const char *const ProjectionCsvHeader = "row,type,year,start_year,cash,property_value,assets,own_contribution,debt,"
                                        "monthly_income,monthly_costs,monthly_cash_flow,roi";
const char *const TotalsCsvHeader = "year,cash,property_value,assets,own_contribution,debt,monthly_income,"
                                    "monthly_costs,monthly_cash_flow,net_worth";
const char *const PathBandsCsvHeader = "year,p10,p50,p90";

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

void appendRows(const InvestmentStore &store, long long baseYear, QByteArray &text)
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
            for (double value : block.years[y].series) {
                text += ',';
                appendNumber(text, value);
            }
            text += '\n';
        }
    }
}

void appendTotals(const InvestmentStore &store, long long baseYear, QByteArray &text)
{
    for (int y = 0; y < store.maxJaren(); ++y) {
        YearTotals t;
        store.yearTotals(y, t);
        appendInteger(text, baseYear + y);
        for (double value : { t.cash, t.propertyValue, t.assets, t.ownContribution, t.debt, t.monthlyIncome,
                 t.monthlyCosts, t.monthlyCashFlow, t.netWorth() }) {
            text += ',';
            appendNumber(text, value);
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

QByteArray ProjectionCsvBytes(const InvestmentStore &store, bool totals)
{
    QByteArray text(totals ? TotalsCsvHeader : ProjectionCsvHeader);
    text += '\n';
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
        appendTotals(store, base, text);
    else
        appendRows(store, base, text);
    return text;
}

QString ProjectionCsvText(const InvestmentStore &store, bool totals)
{
    return QString::fromLatin1(ProjectionCsvBytes(store, totals));
}

QByteArray PathBandsCsvBytes(const PathBands &bands)
{
    QByteArray text(PathBandsCsvHeader);
    text += '\n';
    for (int y = 0; y < bands.p50.size(); ++y) {
        appendInteger(text, static_cast<long long>(bands.firstYear) + y);
        for (double value : { bands.p10.at(y), bands.p50.at(y), bands.p90.at(y) }) {
            text += ',';
            appendNumber(text, value);
        }
        text += '\n';
    }
    return text;
}
