// The chart button of the main window: steps the year list through every projected year so
// that the net worth of each year is known, then opens a chart window of net worth or of
// monthly cash flow per investment and for the sum.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"

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

    // Choosing each year in turn stores that year's net worth. Year 1 first, so that the step
    // to year 0 is a real change. Only years the list holds are chosen.
    QComboBox *yearList = ui->Situatie_Jaartal;
    const int years = portfolio.maxJaren();
    const int steps = std::min(years, yearList->count());
    if (steps > 1)
        yearList->setCurrentIndex(1);
    else if (steps == 1 && yearList->currentIndex() == 0)
        on_Situatie_Jaartal_currentIndexChanged(yearList->currentText());
    for (int k = 0; k < steps; ++k)
        yearList->setCurrentIndex(k);

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
    const ValueRange range = ValueAxisRange(sums, years);
    window->SetValueAxis(range.lower, range.upper);

    for (int r = 0; r < leadingRows; ++r) {
        QVector<double> values(years);
        for (int k = 0; k < years; ++k) {
            const double *s = portfolio.record(r, k)->series;
            values[k] = cashFlow ? s[SerMonthlyCashFlow] : s[SerAssets] - s[SerDebt];
        }
        window->AddInvestmentSeries(r, firstYear, YearAfter(firstYear, years), values);
    }

    if (leadingRows >= 2)
        window->AddSumSeries(QVector<double>(sums, sums + years));

    window->FinishView();
    window->show();
    window->SetGraphTitle(cashFlow ? QStringLiteral("Maandelijkse Cashflow") : QStringLiteral("Netto vermogen"));
}
