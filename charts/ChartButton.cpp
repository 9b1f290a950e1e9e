// The chart button of the main window: opens a chart window of net worth or of monthly cash
// flow per investment and for the sum, computed from the store for every projected year.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"

#include <QDate>
#include <QVector>

#include <algorithm>
#include <climits>

namespace {

// The first year of the horizontal axis when no row is complete and so there is no base
// year: the first year the year list still shows, else the current year.
int YearAxisStartWithoutBase(const QComboBox *yearList)
{
    bool ok = false;
    const int first = yearList->count() > 0 ? yearList->itemText(0).toInt(&ok, 10) : 0;
    return ok ? first : QDate::currentDate().year();
}

int YearAfter(int year, int count)
{
    return static_cast<int>(std::min<long long>(static_cast<long long>(year) + count, INT_MAX));
}

} // namespace

void MainWindow::on_pushButton_clicked()
{
    int firstYear = portfolio.earliestStartYear();
    if (firstYear == InvestmentStore::NoBaseYear)
        firstYear = YearAxisStartWithoutBase(ui->Situatie_Jaartal);

    LineGraphs *window = new LineGraphs();
    chartWindow = window;
    // Windows still open when the main window goes are released with it.
    connect(this, &QObject::destroyed, window, [window]() { delete window; });

    // The net worth of every year comes from the store's year totals; the year list and the
    // output grid keep showing the year the user chose.
    const int years = portfolio.maxJaren();
    if (portfolio.anyRowProjected()) {
        for (int k = 0; k < years; ++k) {
            YearTotals totals;
            if (portfolio.yearTotals(k, totals))
                portfolio.setNetWorthByYear(k, totals.netWorth());
        }
    }

    window->SetYearAxis(firstYear, YearAfter(firstYear, years - 1));

    const bool cashFlow = ui->CashFlowRadioButt->isChecked();
    const int leadingRows = portfolio.projectedRowCount();
    double *sums = portfolio.netWorthSeries();
    if (cashFlow) {
        // The cash-flow chart sums the drawn rows into the net-worth list.
        std::fill(sums, sums + MaxYears, 0.0);
        for (int r = 0; r < leadingRows; ++r) {
            for (int k = 0; k < years; ++k)
                sums[k] += portfolio.record(r, k)->series[SerMonthlyCashFlow];
        }
    }

    // In today's money every amount of a year is divided by that year's divisor.
    const InflationTable *real = ShownInflation();
    auto shown = [real, firstYear](double value, int k) { return real ? real->real(value, firstYear + k) : value; };
    QVector<QVector<double>> lines;
    for (int r = 0; r < leadingRows; ++r) {
        QVector<double> values(years);
        for (int k = 0; k < years; ++k) {
            const double *s = portfolio.record(r, k)->series;
            values[k] = shown(cashFlow ? s[SerMonthlyCashFlow] : s[SerAssets] - s[SerDebt], k);
        }
        lines.append(values);
    }
    QVector<double> sumLine(std::max(0, years));
    for (int k = 0; k < years; ++k)
        sumLine[k] = shown(sums[k], k);
    lines.append(sumLine);

    // The uncertainty band of the total net worth, when the paths of this portfolio are in.
    QVector<double> p10, p50, p90;
    if (!cashFlow && !pathBands.p50.isEmpty() && pathBands.firstYear == firstYear) {
        const int n = std::min(years, static_cast<int>(pathBands.p50.size()));
        p10.resize(n);
        p50.resize(n);
        p90.resize(n);
        for (int k = 0; k < n; ++k) {
            p10[k] = shown(pathBands.p10.at(k), k);
            p50[k] = shown(pathBands.p50.at(k), k);
            p90[k] = shown(pathBands.p90.at(k), k);
        }
        lines << p10 << p90;
    }

    // The spending the cash flow should cover: constant in today's money, grown by inflation
    // in the euros of each year otherwise.
    QVector<double> spendingLine;
    const std::optional<double> spending = MonthlySpending();
    if (cashFlow && spending && portfolio.anyRowProjected()) {
        const InflationTable today = InflationToday();
        spendingLine.resize(std::max(0, years));
        for (int k = 0; k < years; ++k)
            spendingLine[k] = real ? *spending : today.nominal(*spending, firstYear + k);
        lines.append(spendingLine);
    }
    // The vertical axis covers the sum and every single line, so that none runs off the chart.
    const ValueRange range = CoveringRange(lines);
    window->SetValueAxis(range.lower, range.upper);

    for (int r = 0; r < leadingRows; ++r) {
        window->AddInvestmentSeries(r, firstYear, YearAfter(firstYear, years), lines.at(r));
        window->SetInvestmentType(r, InvestmentTypeNames.value(ReadRowType(r)));
    }

    if (leadingRows >= 2)
        window->AddSumSeries(sumLine);
    if (!p50.isEmpty())
        window->AddPercentileBand(p10, p50, p90);
    if (!spendingLine.isEmpty()) {
        const int free = FreeYearIndex(portfolio, InflationToday(), *spending);
        window->AddSpendingLine(spendingLine, free == NoFreeYear ? INT_MIN : firstYear + free);
    }

    window->FinishView();
    window->show();
    QString title = cashFlow ? QStringLiteral("Maandelijkse Cashflow") : QStringLiteral("Netto vermogen");
    if (real)
        title += QLatin1Char(' ') + RealMoneyCaption();
    window->SetGraphTitle(title);
}
