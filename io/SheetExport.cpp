#include "io/SheetExport.h"

#include "grid/ColumnCatalogue.h"
#include "model/Baseline.h"
#include "model/DutchFormat.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

const char *const DutchCsvCaption = QT_TRANSLATE_NOOP("SheetExport", "CSV voor Excel (puntkomma)");
const char *const WorkbookCaption = QT_TRANSLATE_NOOP("SheetExport", "Excel-werkmap (.xlsx)");

namespace {

const QString YearHeader = QStringLiteral("Jaar");

// The header of an amount column; in the money of the reference year with a table.
QString amountHeader(const QString &header, const InflationTable *real)
{
    return real ? QStringLiteral("%1 (euro's van %2)").arg(header).arg(real->referenceYear()) : header;
}

// Year, start year and the nine series of a year record, as the output grid heads them.
QVector<SheetColumn> seriesColumns(const InflationTable *real)
{
    QVector<SheetColumn> columns { { YearHeader, SheetFormat::Whole } };
    for (int k = 0; k < SeriesCount; ++k) {
        const QString &header = OutputColumns[k].header;
        if (k == SerStartYear)
            columns.append({ header, SheetFormat::Whole });
        else if (k == SerRoi)
            columns.append({ header, SheetFormat::Percentage });
        else
            columns.append({ amountHeader(header, real), SheetFormat::Amount });
    }
    return columns;
}

// A row's year as ShownRecord shows it (with a table the own contribution payment by payment).
QVector<SheetCell> recordCells(const InvestmentStore &store, int row, int yearIndex, const InflationTable *real)
{
    const YearRecord record = ShownRecord(store, row, yearIndex, real);
    QVector<SheetCell> cells { SheetCell::of(double(store.earliestStartYear() + yearIndex)) };
    for (double value : record.series)
        cells.append(SheetCell::of(value));
    return cells;
}

QString typeName(int type)
{
    return InvestmentTypeNames.value(type);
}

} // namespace

SheetTable TotalsSheet(const InvestmentStore &store, const CsvFigures &figures)
{
    SheetTable table;
    table.name = QStringLiteral("Jaartotalen");
    table.columns.append({ YearHeader, SheetFormat::Whole });
    for (int k = SerCash; k <= SerMonthlyCashFlow; ++k)
        table.columns.append({ amountHeader(OutputColumns[k].header, figures.real), SheetFormat::Amount });
    table.columns.append({ amountHeader(QStringLiteral("Nettowaarde"), figures.real), SheetFormat::Amount });
    if (figures.baseline) {
        for (const char *header : { "Nettowaarde basis", "Maandelijkse cashflow basis", "Verschil nettowaarde" })
            table.columns.append({ amountHeader(QString::fromLatin1(header), figures.real), SheetFormat::Amount });
    }
    // The costs and the tax, only for a portfolio that assumes them.
    const bool costTax = !store.costTax().isOff();
    if (costTax) {
        for (const char *header : { "Kosten (maand)", "Box 3 (jaar)" })
            table.columns.append({ amountHeader(QString::fromLatin1(header), figures.real), SheetFormat::Amount });
    }
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return table;
    YearTotals totals[MaxYears];
    ShownTotalsByYear(store, figures.real, totals);
    BaselineYear baseline[MaxYears];
    if (figures.baseline)
        CompareByYear(store, figures.baseline, figures.real, baseline);
    for (int y = 0; y < store.maxJaren(); ++y) {
        const YearTotals &t = totals[y];
        QVector<SheetCell> cells { SheetCell::of(double(base + y)) };
        for (double value : { t.cash, t.propertyValue, t.assets, t.ownContribution, t.debt, t.monthlyIncome,
                 t.monthlyCosts, t.monthlyCashFlow, t.netWorth() })
            cells.append(SheetCell::of(value));
        if (figures.baseline) {
            const BaselineYear &b = baseline[y];
            for (double value : { b.netWorth, b.monthlyCashFlow, b.netWorthDifference })
                cells.append(b.available ? SheetCell::of(value) : SheetCell());
        }
        if (costTax) {
            cells.append(SheetCell::of(t.runningCosts));
            cells.append(SheetCell::of(t.box3Tax));
        }
        table.rows.append(cells);
    }
    return table;
}

SheetTable RowsSheet(const InvestmentStore &store, const CsvFigures &figures)
{
    SheetTable table;
    table.name = QStringLiteral("Investeringen");
    table.columns = { { QStringLiteral("Rij"), SheetFormat::Whole }, { InputColumns[0].header, SheetFormat::Text } };
    table.columns += seriesColumns(figures.real);
    const bool costTax = !store.costTax().isOff();
    if (costTax)
        table.columns.append({ amountHeader(QStringLiteral("Kosten (maand)"), figures.real), SheetFormat::Amount });
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return table;
    for (int r = 0; r < store.maxInvestment(); ++r) {
        const ProjectionBlock &block = store.block(r);
        if (!block.projected)
            continue;
        for (int y = 0; y < store.maxJaren(); ++y) {
            QVector<SheetCell> cells = QVector<SheetCell> { SheetCell::of(double(r + 1)),
                                           SheetCell::of(typeName(store.rowType(r))) }
                + recordCells(store, r, y, figures.real);
            if (costTax) {
                const double running = block.runningCosts[y];
                cells.append(SheetCell::of(figures.real ? figures.real->real(running, base + y) : running));
            }
            table.rows.append(cells);
        }
    }
    return table;
}

QVector<SheetTable> InvestmentSheets(const InvestmentStore &store, const CsvFigures &figures)
{
    QVector<SheetTable> sheets;
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return sheets;
    for (int r = 0; r < store.maxInvestment(); ++r) {
        const ProjectionBlock &block = store.block(r);
        if (!block.projected)
            continue;
        SheetTable table;
        // "Rij 30 Onderpand zonder hefboom" is the longest: 31 characters.
        table.name = QStringLiteral("Rij %1 %2").arg(r + 1).arg(typeName(store.rowType(r))).left(31);
        table.columns = seriesColumns(figures.real);
        for (int y = 0; y < store.maxJaren(); ++y)
            table.rows.append(recordCells(store, r, y, figures.real));
        sheets.append(table);
    }
    return sheets;
}

SheetTable PathBandsSheet(const PathBands &bands, const InflationTable *real, bool chanceFree)
{
    SheetTable table;
    table.name = QStringLiteral("Spreiding");
    table.columns.append({ YearHeader, SheetFormat::Whole });
    for (const char *header : { "Nettowaarde 10%", "Nettowaarde 50%", "Nettowaarde 90%" })
        table.columns.append({ amountHeader(QString::fromLatin1(header), real), SheetFormat::Amount });
    // A share, the same in any year's money.
    if (chanceFree)
        table.columns.append({ QStringLiteral("Kans financieel vrij (aandeel)"), SheetFormat::Percentage });
    for (int y = 0; y < bands.p50.size(); ++y) {
        const int year = bands.firstYear + y;
        QVector<SheetCell> cells { SheetCell::of(double(year)) };
        for (double value : { bands.p10.at(y), bands.p50.at(y), bands.p90.at(y) })
            cells.append(SheetCell::of(real ? real->real(value, year) : value));
        if (chanceFree)
            cells.append(SheetCell::of(bands.coveredByChance.value(y)));
        table.rows.append(cells);
    }
    return table;
}

QString SheetNoNumberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("geen getal");
    return value > 0 ? QStringLiteral("oneindig") : QStringLiteral("-oneindig");
}

// ---- CSV voor Excel -------------------------------------------------------------------------

namespace {

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(';') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

QByteArray csvCell(const SheetCell &cell)
{
    switch (cell.kind) {
    case SheetCell::Number:
        return std::isfinite(cell.number) ? DutchCsvNumber(cell.number).toLatin1() : csvField(SheetNoNumberText(cell.number));
    case SheetCell::Text:
        return csvField(cell.text);
    default:
        return QByteArray();
    }
}

} // namespace

QString DutchCsvNumber(double value)
{
    if (!std::isfinite(value))
        return SheetNoNumberText(value);
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[400]; // the longest fixed text of a double's shortest digits: 309 + 1 + 20
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    QString text = QString::fromLatin1(buffer, int(end - buffer));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QByteArray DutchCsvBytes(const SheetTable &table)
{
    QByteArray bytes("\xef\xbb\xbf");
    for (int c = 0; c < table.columns.size(); ++c)
        bytes += (c ? ";" : "") + csvField(table.columns.at(c).header);
    bytes += "\r\n";
    for (const QVector<SheetCell> &row : table.rows) {
        for (int c = 0; c < row.size(); ++c)
            bytes += (c ? ";" : "") + csvCell(row.at(c));
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray ProjectionDutchCsvBytes(const InvestmentStore &store, bool totals, const CsvFigures &figures)
{
    return DutchCsvBytes(totals ? TotalsSheet(store, figures) : RowsSheet(store, figures));
}

// ---- Excel-werkmap ---------------------------------------------------------------------------

namespace {

// Number formats in Excel's notation; the locale tag 413 (Dutch, the Netherlands) makes
// programs that honour it show a decimal comma and grouping dots, as Dutch Excel does anyway.
const char *numberFormat(SheetFormat format)
{
    switch (format) {
    case SheetFormat::Whole:
        return "0";
    case SheetFormat::Amount:
        return "[$-413]#,##0.00";
    case SheetFormat::Percentage:
        return "[$-413]0.00";
    default:
        return nullptr;
    }
}

// The text a cell shows, to measure the column by.
QString shownText(const SheetCell &cell, SheetFormat format)
{
    if (cell.kind == SheetCell::Text)
        return cell.text;
    if (cell.kind == SheetCell::Empty)
        return QString();
    if (!std::isfinite(cell.number))
        return SheetNoNumberText(cell.number);
    switch (format) {
    case SheetFormat::Whole:
        return DutchNumber(cell.number, 0, false);
    case SheetFormat::Percentage:
        return DutchNumber(cell.number, 2, false);
    default:
        return DutchAmount(cell.number);
    }
}

bool failed(lxw_error status, QString *error)
{
    if (status == LXW_NO_ERROR)
        return false;
    if (error && error->isEmpty())
        *error = QString::fromUtf8(lxw_strerror(status));
    return true;
}

bool writeSheet(lxw_workbook *book, const SheetTable &table, lxw_format *bold, lxw_format *const *formats, QString *error)
{
    const QByteArray name = table.name.toUtf8();
    lxw_worksheet *sheet = workbook_add_worksheet(book, name.constData());
    if (!sheet) {
        *error = QCoreApplication::translate("SheetExport", "werkblad '%1' kan niet worden gemaakt").arg(table.name);
        return false;
    }
    for (int c = 0; c < table.columns.size(); ++c) {
        const SheetColumn &column = table.columns.at(c);
        if (failed(worksheet_write_string(sheet, 0, lxw_col_t(c), column.header.toUtf8().constData(), bold), error))
            return false;
        int width = int(column.header.size()) + 1; // bold
        for (const QVector<SheetCell> &row : table.rows)
            width = std::max(width, int(shownText(row.value(c), column.format).size()));
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(width + 2, 80), nullptr);
    }
    for (int r = 0; r < table.rows.size(); ++r) {
        const QVector<SheetCell> &row = table.rows.at(r);
        for (int c = 0; c < row.size() && c < table.columns.size(); ++c) {
            const SheetCell &cell = row.at(c);
            lxw_format *format = formats[int(table.columns.at(c).format)];
            lxw_error status = LXW_NO_ERROR;
            if (cell.kind == SheetCell::Number && std::isfinite(cell.number))
                status = worksheet_write_number(sheet, lxw_row_t(r + 1), lxw_col_t(c), cell.number, format);
            else if (cell.kind != SheetCell::Empty)
                status = worksheet_write_string(sheet, lxw_row_t(r + 1), lxw_col_t(c),
                    (cell.kind == SheetCell::Text ? cell.text : SheetNoNumberText(cell.number)).toUtf8().constData(), nullptr);
            if (failed(status, error))
                return false;
        }
    }
    worksheet_freeze_panes(sheet, 1, 0);
    return true;
}

} // namespace

// The workbook is written to a new file beside `path` that replaces it when complete, so a
// failed write leaves an earlier file as it was and the library has a file it can open.
bool WriteWorkbook(const QString &path, const QVector<SheetTable> &sheets, QString *error)
{
    QTemporaryFile partial(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".quorvant-XXXXXX.xlsx")));
    if (!partial.open()) {
        if (error)
            *error = partial.errorString();
        return false;
    }
    partial.close();
    QString problem;
    const QByteArray name = QFile::encodeName(partial.fileName());
    lxw_workbook *book = workbook_new(name.constData());
    if (!book) {
        if (error)
            *error = QCoreApplication::translate("SheetExport", "werkmap kan niet worden gemaakt");
        return false;
    }
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *formats[4] = {};
    for (SheetFormat f : { SheetFormat::Whole, SheetFormat::Amount, SheetFormat::Percentage }) {
        formats[int(f)] = workbook_add_format(book);
        format_set_num_format(formats[int(f)], numberFormat(f));
    }
    bool written = true;
    for (const SheetTable &table : sheets) {
        if (!writeSheet(book, table, bold, formats, &problem)) {
            written = false;
            break;
        }
    }
    // Closing writes the file, and frees the workbook in every case.
    const lxw_error closed = workbook_close(book);
    if (written && failed(closed, &problem))
        written = false;
    const QFileDevice::Permissions permissions = QFile::exists(path)
        ? QFile::permissions(path)
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (written && std::rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        written = false;
    }
    if (!written) {
        if (error)
            *error = problem;
        return false;
    }
    partial.setAutoRemove(false);
    QFile::setPermissions(path, permissions);
    return true;
}

bool WriteProjectionWorkbook(const QString &path, const InvestmentStore &store, const CsvFigures &figures,
    QString *error, bool totalsOnly)
{
    QVector<SheetTable> sheets { TotalsSheet(store, figures) };
    if (!totalsOnly)
        sheets += InvestmentSheets(store, figures);
    return WriteWorkbook(path, sheets, error);
}
