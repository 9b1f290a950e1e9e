#ifndef SHEETEXPORT_H
#define SHEETEXPORT_H

// The projection as spreadsheets for Dutch readers: "CSV voor Excel (puntkomma)" and
// "Excel-werkmap (.xlsx)". They hold the very figures of the plain CSV (ProjectionCsvBytes,
// PathBandsCsvBytes) under the column headers of the window, the type by its name.

#include "io/CsvExport.h"

#include <QByteArray>
#include <QString>
#include <QVector>

struct PathBands;

// The captions of the two spreadsheet formats, for a file dialog's filter.
extern const char *const DutchCsvCaption; // "CSV voor Excel (puntkomma)"
extern const char *const WorkbookCaption; // "Excel-werkmap (.xlsx)"

// How a column's numbers are shown.
enum class SheetFormat {
    Whole, // years and row numbers: plain digits
    Amount, // euros, two decimals, grouped
    Percentage, // two decimals, not grouped
    Text,
};

struct SheetColumn
{
    QString header;
    SheetFormat format = SheetFormat::Amount;
};

// A cell: a number (possibly NaN or infinite), a text, or nothing.
struct SheetCell
{
    enum Kind { Empty, Number, Text };
    Kind kind = Empty;
    double number = 0.0;
    QString text;

    static SheetCell of(double value) { return { Number, value, QString() }; }
    static SheetCell of(const QString &text) { return { Text, 0.0, text }; }
};

struct SheetTable
{
    QString name; // at most 31 characters, none of []:*?/\ (a sheet name)
    QVector<SheetColumn> columns;
    QVector<QVector<SheetCell>> rows;
};

// The yearly totals, "Jaartotalen": the lines of ProjectionCsvBytes(store, true, figures).
SheetTable TotalsSheet(const InvestmentStore &store, const CsvFigures &figures = CsvFigures());
// Every projected row and year in one table: the lines of ProjectionCsvBytes(store, false, figures).
SheetTable RowsSheet(const InvestmentStore &store, const CsvFigures &figures = CsvFigures());
// One table per projected row, named "Rij N " + its type, with the row's years.
QVector<SheetTable> InvestmentSheets(const InvestmentStore &store, const CsvFigures &figures = CsvFigures());
// The percentiles of a run of paths, "Spreiding"; with `chanceFree` (a run with a spending) a
// last column "Kans financieel vrij (aandeel)", the share of paths free by that year.
SheetTable PathBandsSheet(const PathBands &bands, const InflationTable *real = nullptr, bool chanceFree = false);

// What a number that is no number is written as: "geen getal", "oneindig", "-oneindig".
QString SheetNoNumberText(double value);

// A number of the Dutch CSV: the shortest digits that read back as the same double, a
// decimal comma, no grouping and no exponent.
QString DutchCsvNumber(double value);

// The table as a CSV Dutch Excel opens: a UTF-8 byte-order mark, ';' between fields, a
// decimal comma, lines ended by CR LF, fields with ';', '"' or a line break quoted.
QByteArray DutchCsvBytes(const SheetTable &table);

// The window's "CSV voor Excel": the rows or the totals of the store.
QByteArray ProjectionDutchCsvBytes(const InvestmentStore &store, bool totals, const CsvFigures &figures = CsvFigures());

// Writes the tables as sheets of an .xlsx workbook in that order: numbers as numbers with a
// Dutch number format, a bold and frozen header row, columns as wide as their texts. False
// with the reason in `error` when the file cannot be written.
bool WriteWorkbook(const QString &path, const QVector<SheetTable> &sheets, QString *error);

// The window's "Excel-werkmap": "Jaartotalen" first, then one sheet per projected row
// (totals only when `totalsOnly`).
bool WriteProjectionWorkbook(const QString &path, const InvestmentStore &store, const CsvFigures &figures,
    QString *error, bool totalsOnly = false);

#endif // SHEETEXPORT_H
