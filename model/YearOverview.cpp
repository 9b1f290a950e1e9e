#include "model/YearOverview.h"

#include "grid/ColumnCatalogue.h"
#include "model/DutchFormat.h"

#include <cmath>
#include <QCoreApplication>

namespace {

// Short headers, so that all columns fit a laptop screen; the tips say what each holds.
struct Column
{
    const char *header;
    const char *tip;
};

const Column TotalColumns[] = {
    { QT_TRANSLATE_NOOP("YearOverview", "Cash"), QT_TRANSLATE_NOOP("YearOverview", "Totale cash aan het eind van het jaar") },
    { QT_TRANSLATE_NOOP("YearOverview", "Vastgoed"), QT_TRANSLATE_NOOP("YearOverview", "Totale waarde van het vastgoed") },
    { QT_TRANSLATE_NOOP("YearOverview", "Activa"), QT_TRANSLATE_NOOP("YearOverview", "Cash plus vastgoed") },
    { QT_TRANSLATE_NOOP("YearOverview", "Eigen inbreng"), QT_TRANSLATE_NOOP("YearOverview", "Totale eigen inbreng") },
    { QT_TRANSLATE_NOOP("YearOverview", "Schulden"), QT_TRANSLATE_NOOP("YearOverview", "Totale schulden") },
    { QT_TRANSLATE_NOOP("YearOverview", "Inkomsten p/m"), QT_TRANSLATE_NOOP("YearOverview", "Maandelijkse inkomsten") },
    { QT_TRANSLATE_NOOP("YearOverview", "Lasten p/m"), QT_TRANSLATE_NOOP("YearOverview", "Maandelijkse lasten") },
    { QT_TRANSLATE_NOOP("YearOverview", "Cashflow p/m"), QT_TRANSLATE_NOOP("YearOverview", "Maandelijkse cashflow") },
    { QT_TRANSLATE_NOOP("YearOverview", "Nettowaarde"), QT_TRANSLATE_NOOP("YearOverview", "Activa min schulden") },
};

void addColumn(OverviewTable &table, const QString &header, const QString &tip)
{
    table.headers << header;
    table.headerTips << tip;
}

QStringList totalCells(const YearTotals &t)
{
    return { DutchTotal(t.cash), DutchTotal(t.propertyValue), DutchTotal(t.assets), DutchTotal(t.ownContribution),
        DutchTotal(t.debt), DutchTotal(t.monthlyIncome), DutchTotal(t.monthlyCosts), DutchTotal(t.monthlyCashFlow),
        DutchTotal(t.netWorth()) };
}

} // namespace

bool BandsFitStore(const InvestmentStore &store, const PathBands *bands)
{
    return bands && !bands->cancelled && store.anyRowProjected() && bands->firstYear == store.earliestStartYear()
        && bands->p10.size() >= store.maxJaren() && bands->p50.size() >= store.maxJaren()
        && bands->p90.size() >= store.maxJaren();
}

QVector<OverviewRow> YearOverviewRows(const InvestmentStore &store, const OverviewFigures &figures)
{
    YearTotals totals[MaxYears];
    const int years = ShownTotalsByYear(store, figures.real, totals);
    BaselineYear compared[MaxYears];
    if (figures.baseline)
        CompareByYear(store, figures.baseline, figures.real, compared);
    int freeIndex = NoFreeYear;
    if (figures.monthlySpending && figures.today)
        freeIndex = FreeYearIndex(store, *figures.today, *figures.monthlySpending);
    const bool bands = BandsFitStore(store, figures.bands);

    QVector<OverviewRow> rows(years);
    const int base = years > 0 ? store.earliestStartYear() : 0;
    for (int y = 0; y < years; ++y) {
        OverviewRow &row = rows[y];
        row.year = base + y;
        row.totals = totals[y];
        row.freeYear = y == freeIndex;
        if (bands) {
            auto shown = [&](double v) { return figures.real ? figures.real->real(v, row.year) : v; };
            row.hasBands = true;
            row.p10 = shown(figures.bands->p10.at(y));
            row.p50 = shown(figures.bands->p50.at(y));
            row.p90 = shown(figures.bands->p90.at(y));
        }
        if (figures.baseline)
            row.baseline = compared[y];
    }
    return rows;
}

OverviewTable YearOverviewTable(const InvestmentStore &store, const OverviewFigures &figures)
{
    const QVector<OverviewRow> rows = YearOverviewRows(store, figures);
    const bool spending = figures.monthlySpending && figures.today;
    const bool bands = BandsFitStore(store, figures.bands);

    OverviewTable table;
    addColumn(table, QCoreApplication::translate("YearOverview", "Jaar"), QCoreApplication::translate("YearOverview", "Kalenderjaar"));
    for (const Column &c : TotalColumns)
        addColumn(table, QCoreApplication::translate("YearOverview", c.header), QCoreApplication::translate("YearOverview", c.tip));
    if (spending) {
        addColumn(table, QCoreApplication::translate("YearOverview", "Uitgaven p/m"), QCoreApplication::translate("YearOverview", "De maandelijkse uitgaven in de euro's van de tabel"));
        addColumn(table, QCoreApplication::translate("YearOverview", "Vrij"), QCoreApplication::translate("YearOverview", "Het eerste jaar waarin de cashflow de uitgaven dekt"));
    }
    if (bands) {
        addColumn(table, QStringLiteral("10%"), QCoreApplication::translate("YearOverview", "Nettowaarde: 10e percentiel van de paden"));
        addColumn(table, QStringLiteral("50%"), QCoreApplication::translate("YearOverview", "Nettowaarde: mediaan van de paden"));
        addColumn(table, QStringLiteral("90%"), QCoreApplication::translate("YearOverview", "Nettowaarde: 90e percentiel van de paden"));
    }
    if (figures.baseline) {
        addColumn(table, QCoreApplication::translate("YearOverview", "Basis"), QCoreApplication::translate("YearOverview", "Nettowaarde van de basis"));
        addColumn(table, QCoreApplication::translate("YearOverview", "Verschil"), QCoreApplication::translate("YearOverview", "Nettowaarde min die van de basis"));
    }

    for (const OverviewRow &row : rows) {
        QStringList cells { QString::number(row.year) };
        cells += totalCells(row.totals);
        if (spending) {
            // Constant in today's money; grown by inflation in the euros of each year.
            const double shownSpending = figures.real ? *figures.monthlySpending
                                                      : figures.today->nominal(*figures.monthlySpending, row.year);
            cells << DutchTotal(shownSpending) << (row.freeYear ? QCoreApplication::translate("YearOverview", "vrij") : QString());
        }
        if (bands)
            cells << DutchTotal(row.p10) << DutchTotal(row.p50) << DutchTotal(row.p90);
        if (figures.baseline) {
            if (row.baseline.available)
                cells << DutchTotal(row.baseline.netWorth) << DutchTotal(row.baseline.netWorthDifference);
            else
                cells << QString() << QString();
        }
        table.cells.append(cells);
        table.years.append(row.year);
    }
    return table;
}

OverviewTable InvestmentOverviewTable(const InvestmentStore &store, int row, const InflationTable *real)
{
    OverviewTable table;
    addColumn(table, QCoreApplication::translate("YearOverview", "Jaar"), QCoreApplication::translate("YearOverview", "Kalenderjaar"));
    for (int s = SerCash; s < SeriesCount; ++s)
        addColumn(table, ShownHeader(OutputColumns[s].header), ShownHeader(OutputColumns[s].header));
    if (!InvestmentStore::isValidRow(row) || row >= store.maxInvestment() || !store.block(row).projected)
        return table;
    const int base = store.earliestStartYear();
    for (int y = 0; y < store.maxJaren(); ++y) {
        const YearRecord *record = store.record(row, y);
        if (!record)
            break;
        YearRecord shown = *record;
        if (real)
            real->deflate(shown, base + y);
        QStringList cells { QString::number(base + y) };
        for (int s = SerCash; s < SeriesCount; ++s)
            cells << (s == SerRoi ? DutchPercentage(shown.series[s], 2) : DutchTotal(shown.series[s]));
        table.cells.append(cells);
        table.years.append(base + y);
    }
    return table;
}

QString OverviewClipboardText(const OverviewTable &table, const QVector<int> &rows, const QVector<int> &columns)
{
    QVector<int> cols = columns;
    if (cols.isEmpty()) {
        for (int c = 0; c < table.headers.size(); ++c)
            cols << c;
    }
    QVector<int> lines = rows;
    if (lines.isEmpty()) {
        for (int r = 0; r < table.cells.size(); ++r)
            lines << r;
    }
    auto cellText = [](QString text) {
        // Every amount is grouped with dots and has a decimal comma; the dots go, so that a
        // spreadsheet takes the text as a number in any Dutch locale.
        if (text == NotANumberText)
            return QString();
        if (!text.isEmpty() && (text.at(0).isDigit() || text.at(0) == QLatin1Char('-')))
            text.remove(QLatin1Char('.'));
        return text;
    };
    QStringList out;
    QStringList header;
    for (int c : cols)
        header << table.headers.value(c);
    out << header.join(QLatin1Char('\t'));
    for (int r : lines) {
        if (r < 0 || r >= table.cells.size())
            continue;
        QStringList line;
        for (int c : cols)
            line << cellText(table.cells.at(r).value(c));
        out << line.join(QLatin1Char('\t'));
    }
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

PlanFigures::PlanFigures(const PlanState &state, const InvestmentStore &store)
    : m_today(InflationTableFor(store, state.inflationPercent, CurrentCalendarYear()))
{
    m_figures.real = state.realValues ? &m_today : nullptr;
    m_figures.monthlySpending = state.monthlySpending;
    m_figures.today = &m_today;
    m_figures.bands = state.bands.p50.isEmpty() ? nullptr : &state.bands;
    m_figures.baseline = state.baseline;
}

QString DutchMillionsOrTotal(double value)
{
    if (std::isfinite(value) && std::fabs(value) >= 999950.0)
        return DutchAmount(value / 1e6, 1) + QCoreApplication::translate("YearOverview", " mln");
    return DutchTotal(value);
}

QString PlanSummary(const QVector<OverviewRow> &rows, const OverviewFigures &figures)
{
    if (rows.isEmpty())
        return QString();
    QString cashFlow;
    if (figures.monthlySpending) {
        const double amount = *figures.monthlySpending;
        const QString spending = DutchAmount(amount, amount == std::round(amount) ? 0 : 2);
        int freeYear = 0;
        for (const OverviewRow &row : rows) {
            if (row.freeYear)
                freeYear = row.year;
        }
        cashFlow = freeYear ? QCoreApplication::translate("YearOverview", "is de maandelijkse cashflow in %1 hoger dan de uitgaven van %2")
                                  .arg(freeYear)
                                  .arg(spending)
                            : QCoreApplication::translate("YearOverview", "dekt de maandelijkse cashflow binnen de horizon de uitgaven van %1 niet")
                                  .arg(spending);
    } else {
        cashFlow = QCoreApplication::translate("YearOverview", "is de maandelijkse cashflow in %1 %2")
                       .arg(rows.last().year)
                       .arg(DutchTotal(rows.last().totals.monthlyCashFlow));
    }
    const OverviewRow &last = rows.last();
    QString netWorth = QCoreApplication::translate("YearOverview", "de nettowaarde in %1 is %2").arg(last.year).arg(DutchMillionsOrTotal(last.totals.netWorth()));
    if (last.hasBands) {
        // One unit for both ends: "1,4–3,0 mln", "0,7–1,0 mln", "675.027–912.340".
        const QString unit = QCoreApplication::translate("YearOverview", " mln");
        const bool millions = DutchMillionsOrTotal(last.p10).endsWith(unit) || DutchMillionsOrTotal(last.p90).endsWith(unit);
        const QString low = millions ? DutchAmount(last.p10 / 1e6, 1) : DutchTotal(last.p10);
        const QString high = millions ? DutchAmount(last.p90 / 1e6, 1) + unit : DutchTotal(last.p90);
        netWorth += QCoreApplication::translate("YearOverview", " (10–90 %: %1–%2)").arg(low, high);
    }
    return QCoreApplication::translate("YearOverview", "Met deze portefeuille %1; %2.").arg(cashFlow, netWorth);
}
