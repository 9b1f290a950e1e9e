// The chart button of the main window: opens a chart window of net worth or of monthly cash
// flow per investment and for the sum, computed from the store for every projected year.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/BaselineController.h"
#include "app/PlanningPanel.h"
#include "app/ScenarioController.h"
#include "app/UncertaintyPanel.h"
#include "charts/ChartData.h"
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

    ChartInputs inputs;
    inputs.cashFlow = ui->CashFlowRadioButt->isChecked();
    inputs.firstYearWithoutBase = YearAxisStartWithoutBase(ui->Situatie_Jaartal);
    inputs.real = ShownInflation();
    inputs.today = planning->inflationToday(portfolio);
    inputs.spending = planning->monthlySpending();
    inputs.bands = &uncertainty->bands();
    inputs.baseline = baselines->chartValues(portfolio, inputs.real, inputs.cashFlow);
    inputs.scenarios = scenarios->chartLines(portfolio, inputs.real, inputs.cashFlow);
    inputs.realMoneyCaption = planning->realMoneyCaption();
    const ChartData data = BuildChartData(portfolio, portfolio.netWorthSeries(), inputs);
    // The cash-flow chart sums the drawn rows into the net-worth list.
    if (inputs.cashFlow)
        std::copy(data.sum.cbegin(), data.sum.cend(), portfolio.netWorthSeries());

    LineGraphs *window = new LineGraphs();
    chartWindow = window;
    // Windows still open when the main window goes are released with it.
    connect(this, &QObject::destroyed, window, [window]() { delete window; });
    window->SetYearAxis(data.firstYear, data.lastYear);
    window->SetValueAxis(data.range.lower, data.range.upper);
    for (int r = 0; r < data.rows.size(); ++r) {
        window->AddInvestmentSeries(r, data.firstYear, YearAfter(data.firstYear, years), data.rows.at(r));
        window->SetInvestmentType(r, data.rowTypes.at(r));
    }
    if (data.drawSum)
        window->AddSumSeries(data.sumShown);
    if (!data.p50.isEmpty())
        window->AddPercentileBand(data.p10, data.p50, data.p90);
    if (!data.spending.isEmpty())
        window->AddSpendingLine(data.spending, data.freeYear);
    if (!data.baseline.isEmpty())
        window->AddBaselineSeries(data.firstYear, data.baseline);
    for (int i = 0; i < data.scenarios.size(); ++i)
        window->AddScenarioSeries(i, data.scenarios.at(i).name, data.firstYear, data.scenarios.at(i).values);
    window->FinishView();
    window->show();
    window->SetGraphTitle(data.title);
}
