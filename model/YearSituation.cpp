// The situation of the chosen year: projecting an accepted row, the year list, the output
// grid, the nine total labels and clearing the portfolio.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "grid/ColumnCatalogue.h"
#include "grid/RowEdit.h"
#include "app/BaselineController.h"
#include "app/PlanningPanel.h"
#include "app/ShownAmount.h"
#include "model/FormatAmount.h"

#include <QDebug>
#include <QTableWidgetItem>

#include <cmath>

MainWindow::ViewBatch::ViewBatch(MainWindow *owner)
    : window(owner)
{
    ++window->batchDepth;
}

MainWindow::ViewBatch::~ViewBatch()
{
    if (--window->batchDepth == 0 && window->viewDirty) {
        window->viewDirty = false;
        const bool fill = window->fillYearListPending;
        window->fillYearListPending = false;
        window->RefreshView(fill);
    }
}

double MainWindow::AddInvestment(int row, bool refreshYearList)
{
    const ProjectionUpdate update = portfolio.addInvestment(row);
    if (update.projected)
        qDebug() << "addinvestment";
    // A row that neither was nor is projected changes nothing on screen.
    if (update.projected || update.dropped || update.baseYearMoved || update.othersChanged)
        ViewChanged(refreshYearList);
    return update.projected ? 0.0 : -1.0;
}

void MainWindow::ViewChanged(bool refreshYearList)
{
    if (batchDepth > 0) {
        viewDirty = true;
        fillYearListPending = fillYearListPending || refreshYearList;
    } else {
        RefreshView(refreshYearList);
    }
}

void MainWindow::RefreshView(bool fillEmptyYearList)
{
    const int base = portfolio.earliestStartYear();
    if (base != InvestmentStore::NoBaseYear) {
        // The list is rebuilt when it is empty, starts at another year than the base year or
        // was filled under another year limit.
        const QComboBox *list = ui->Situatie_Jaartal;
        const bool listEmpty = list->currentText().isEmpty();
        const bool listStale = !listEmpty
            && (list->itemText(0) != QString::number(base) || list->count() != portfolio.maxJaren());
        if ((listEmpty && fillEmptyYearList) || listStale)
            FillYearList(base);
    }
    FillOutputGrid();
    UpdateYearTotals();
    RestartPaths();
}

namespace {
// The year last chosen in the list itself (by the user, an undo, a reopened file): refilling
// the list keeps aiming at it, so that typing a limit digit by digit (1, then 10) does not
// leave the year the shortest list offered.
const char *const PickedYear = "pickedYear";
} // namespace

void MainWindow::FillYearList(int firstYear)
{
    QComboBox *list = ui->Situatie_Jaartal;
    const QString picked = list->property(PickedYear).toString();
    const QString chosen = picked.isEmpty() ? list->currentText() : picked;
    QStringList years;
    years.reserve(portfolio.maxJaren());
    for (int y = 0; y < portfolio.maxJaren(); ++y)
        years.append(QString::number(static_cast<long long>(firstYear) + y));
    // The caller refreshes the grid and the labels once the list is complete; the year the
    // user chose stays chosen when the new list holds it.
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(years);
    int keep = chosen.isEmpty() ? -1 : years.indexOf(chosen);
    bool ok = false;
    const long long wanted = chosen.toLongLong(&ok, 10);
    // A year the new list no longer holds gives way to the nearest year it does hold.
    if (keep < 0 && ok && !years.isEmpty())
        keep = static_cast<int>(qBound(0LL, wanted - firstYear, static_cast<long long>(years.size() - 1)));
    list->setCurrentIndex(keep >= 0 ? keep : (years.isEmpty() ? -1 : 0));
}

void MainWindow::on_Situatie_Jaartal_currentIndexChanged(const QString &year)
{
    // A year the user picks is the year an undo comes back to.
    document->noteChosenYear(year);
    ui->Situatie_Jaartal->setProperty(PickedYear, year);
    FillOutputGrid();
    UpdateYearTotals();
}

int MainWindow::ChosenYearIndex() const
{
    bool ok = false;
    const long long year = ui->Situatie_Jaartal->currentText().toLongLong(&ok, 10);
    const int base = portfolio.earliestStartYear();
    if (!ok || base == InvestmentStore::NoBaseYear)
        return -1;
    const long long index = year - base;
    return (index >= 0 && index < portfolio.maxJaren()) ? static_cast<int>(index) : -1;
}

void MainWindow::BlankOutputRow(int row)
{
    for (int k = 0; k < OutputColumnCount; ++k) {
        if (QTableWidgetItem *item = ui->Output->item(row, k))
            item->setText(QString());
    }
}

void MainWindow::FillOutputGrid()
{
    const int c = ChosenYearIndex();
    const int shown = c < 0 ? 0 : portfolio.projectedRowCount();
    const InflationTable *real = ShownInflation();
    const int year = c < 0 ? 0 : portfolio.earliestStartYear() + c;
    for (int i = 0; i < shown; ++i) {
        // A row that starts after the chosen year has nothing to show yet.
        if (std::floor(portfolio.input(i).field[ColStartYear]) > year) {
            BlankOutputRow(i);
            continue;
        }
        const YearRecord record = ShownRecord(portfolio, i, c, real);
        for (int k = 0; k < OutputColumnCount; ++k) {
            QTableWidgetItem *item = ui->Output->item(i, k);
            // The start year is a year, not an amount: no grouping dot.
            if (item && k == SerStartYear)
                item->setText(FormatWhole(record.series[k]));
            else if (item)
                ShowShownAmount(item, record.series[k]);
        }
    }
    // Rows below the leading projected rows show nothing, not an older projection.
    for (int i = shown; i < ui->Output->rowCount(); ++i)
        BlankOutputRow(i);
}

void MainWindow::ShowEmptyTotals()
{
    for (QLabel *label : { ui->Totaal_Cashflow, ui->Totaal_Schulden, ui->Totaal_Cash, ui->Totaal_Vastgoed,
             ui->Totaal_EigenCash, ui->Totaal_InkomenMaandelijks, ui->Totaal_LastenMaandelijks,
             ui->Totaal_Activa, ui->Totaal_Nettowaarde, ui->Totaal_KostenMaandelijks, ui->Totaal_Box3Jaar })
        label->setText(QString());
    if (baselines)
        baselines->showYear(portfolio, -1, nullptr);
}

void MainWindow::UpdateYearTotals()
{
    ShowPartsOfYear();
    const int c = ChosenYearIndex();
    if (c < 0 || !portfolio.anyRowProjected() || !portfolio.yearTotals(c, yearTotals)) {
        yearTotals = YearTotals();
        ShowEmptyTotals();
        return;
    }
    // The store keeps nominal figures; the labels show them in today's money when asked (each
    // payment of the own contribution at the year it was paid).
    YearTotals t = yearTotals;
    if (const InflationTable *real = ShownInflation())
        ShownYearTotals(portfolio, c, real, t);
    // In Dutch notation (model/DutchFormat: cents below 1.000, whole euros from there on).
    ShowShownAmount(ui->Totaal_Cashflow, t.monthlyCashFlow);
    ShowShownAmount(ui->Totaal_Schulden, t.debt);
    ShowShownAmount(ui->Totaal_Cash, t.cash);
    ShowShownAmount(ui->Totaal_Vastgoed, t.propertyValue);
    ShowShownAmount(ui->Totaal_EigenCash, t.ownContribution);
    ShowShownAmount(ui->Totaal_InkomenMaandelijks, t.monthlyIncome);
    ShowShownAmount(ui->Totaal_LastenMaandelijks, t.monthlyCosts);
    ShowShownAmount(ui->Totaal_Activa, t.assets);
    ShowShownAmount(ui->Totaal_Nettowaarde, t.cash + t.propertyValue - t.debt);
    // The running costs a month and the year's Box 3 tax, under the portfolio's assumptions.
    ShowShownAmount(ui->Totaal_KostenMaandelijks, t.runningCosts);
    ShowShownAmount(ui->Totaal_Box3Jaar, t.box3Tax);
    portfolio.setNetWorthByYear(c, yearTotals.netWorth());
    if (baselines)
        baselines->showYear(portfolio, c, ShownInflation());
}

void MainWindow::on_btn_ClearInvestmenst_clicked()
{
    ClearInvestments();
}

void MainWindow::ClearInvestments()
{
    // Clearing is one undo step (within opening a file, part of that step).
    const PortfolioDocument::Step step(document, tr("Clear Investments"));
    const ViewBatch batch(this);
    portfolio.fillAllInputs(0.0);
    // Every row is cleared, also those beyond the investment limit: nothing of the old
    // portfolio may stay behind unseen.
    const int rows = std::min(ui->Vastgoed->rowCount(), static_cast<int>(MaxRows));
    for (int r = 0; r < rows; ++r) {
        ClearRow(portfolio, r);
        ColorRow(r, EmptyRowColour);
        for (int c = 1; c < InputColumnCount; ++c) {
            if (QTableWidgetItem *item = ui->Vastgoed->item(r, c))
                item->setText(QString());
        }
    }
    for (int r = 0; r < rows; ++r)
        BlankOutputRow(r);
    ShowEmptyTotals();
    portfolio.clearProjections();
    // Nothing is projected any more; the year list keeps its years.
    viewDirty = false;
    fillYearListPending = false;
}
