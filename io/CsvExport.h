#ifndef CSVEXPORT_H
#define CSVEXPORT_H

#include <QByteArray>
#include <QString>

class InflationTable;
class InvestmentStore;

// The header of the projection per row and year, and of the yearly totals.
extern const char *const ProjectionCsvHeader;
extern const char *const TotalsCsvHeader;
// The columns a baseline adds to the yearly totals.
extern const char *const BaselineCsvColumns;

// What the CSV holds besides the nominal figures of the store. Without either it is the
// same text to the byte.
struct CsvFigures
{
    // Every amount (not the years, the row, the type or the ROI) in the money of the table's
    // reference year, and the names of the amount columns ending in "_real".
    const InflationTable *real = nullptr;
    // Totals only: the baseline's net worth and monthly cash flow of each year and the net
    // worth difference (portfolio minus baseline); empty fields where it has no figures.
    const InvestmentStore *baseline = nullptr;
    // Set from the store: the columns of costs and tax, last ("running_costs", and for the
    // totals "box3_tax"), only when the store assumes any.
    bool costTax = false;
};

// A number as the CSV holds it: 'g' with 17 significant digits (enough to read back the
// very same double), a point as decimal separator, no grouping, whatever the locale;
// "inf", "-inf" and "nan" for the values that are no number, and "0" for a negative zero.
QString CsvNumber(double value);

// The projection of a store as CSV text, lines ended by '\n'.
// Without totals: one line per projected row among rows 0 .. maxInvestment - 1 (grid order,
// the row counted from 1, the type index 0 .. 4) and per year index 0 .. maxJaren - 1 (the
// calendar year base year + index), holding the ten series of that year record.
// With totals: one line per year index holding the sums over rows 0 .. maxInvestment - 1,
// assets being cash plus property value and net worth assets minus debt.
// Without a complete row there is no base year, and the text is the header alone.
QString ProjectionCsvText(const InvestmentStore &store, bool totals, const CsvFigures &figures = CsvFigures());

// The same text as bytes (it is plain ASCII).
QByteArray ProjectionCsvBytes(const InvestmentStore &store, bool totals, const CsvFigures &figures = CsvFigures());

struct PathBands;

// The percentiles of total net worth of a run of paths: "year,p10,p50,p90" and one line per
// year index; the header alone when the run has no years. With a table the percentiles are in
// the money of its reference year and their columns are named "p10_real" and so on. With
// `chanceFree` (a run with a spending) a last column "chance_free": the share of paths free by
// that year, a share and so the same in any year's money.
extern const char *const PathBandsCsvHeader;
QByteArray PathBandsCsvBytes(const PathBands &bands, const InflationTable *real = nullptr,
                             bool chanceFree = false);

#endif // CSVEXPORT_H
