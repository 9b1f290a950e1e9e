// The rules that keep the input grid and the numbers behind it in step: storing a changed
// cell, the start-year check, the cursor, the type change and the painting of a row.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "grid/RowEdit.h"
#include "model/ColumnUsage.h"
#include "model/Plausibility.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTextEdit>
#include <QStatusBar>
#include <QTableWidgetItem>

int MainWindow::ReadRowType(int row) const
{
    const QTableWidgetItem *item = ui->Vastgoed->item(row, ColType);
    return item ? TypeIndexOfName(item->text()) : 0;
}

void MainWindow::on_Vastgoed_cellChanged(int row, int column)
{
    if (!InvestmentStore::isValidRow(row) || column < 0 || column >= FieldCount)
        return;
    // A change on its own (a typed entry) is one undo step with everything it causes.
    const PortfolioDocument::Step step(document, tr("Cel wijzigen"));
    QTableWidgetItem *item = ui->Vastgoed->item(row, column);
    const QString text = item ? item->text() : QString();
    const CellEditResult result = SetCellFromText(portfolio, row, column, text);
    // What the cell held last is kept, so that a refused year can give it back.
    if (result != CellEditResult::RejectedStartYear)
        cellTexts[row][column] = text;
    if (item)
        MarkNotANumber(row, column, item, result == CellEditResult::NotANumber);
    MarkImplausible(row, result == CellEditResult::NotANumber ? column : -1);
    ValidateDate(row, column);
    // While an opened file is shown the store already holds it, projected by the loader.
    if (!showingLoadedFile)
        AddInvestment(row, true);
}

void MainWindow::ValidateDate(int row, int column)
{
    if (column != ColStartYear || !InvestmentStore::isValidRow(row))
        return;
    QTableWidgetItem *item = ui->Vastgoed->item(row, ColStartYear);
    if (!item || !IsRefusedStartYear(FieldFromText(item->text())))
        return;
    // A refused year never destroys what the cell held: the cell (and through the cell rule
    // the row and its projection) returns to its previous text.
    item->setText(cellTexts[row][ColStartYear]);
    if (generatorRunning) {
        // A generator run writes many rows; its user hears about a bad year once.
        if (yearMessageShown)
            return;
        yearMessageShown = true;
    }
    QMessageBox::about(this, tr("Jaartal fout"), tr("Vul een geldig jaartal in , bv 2020"));
}

void MainWindow::on_Vastgoed_currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn)
{
    QTableWidget *grid = ui->Vastgoed;
    const int lastColumn = grid->columnCount() - 1;
    int targetRow = currentRow;
    int targetColumn = currentColumn;
    if (previousColumn == lastColumn && previousRow >= 0) {
        targetRow = previousRow + 1 >= grid->rowCount() ? 0 : previousRow + 1;
        targetColumn = ColStartYear;
        grid->setCurrentCell(targetRow, targetColumn);
        if (grid->currentRow() != targetRow || grid->currentColumn() != targetColumn)
            return; // a nested change has already moved the cursor on
    }
    if (targetRow < 0 || targetRow >= grid->rowCount() || targetColumn < 0 || targetColumn > lastColumn)
        return; // no current cell: nothing to skip
    if (!ColumnApplies(ReadRowType(targetRow), targetColumn) && targetColumn != ColType)
        grid->setCurrentCell(targetRow, targetColumn + 1);
}

void MainWindow::on_Vastgoed_cellDoubleClicked(int row, int column)
{
    QTableWidget *grid = ui->Vastgoed;
    if (column == grid->columnCount() - 1)
        grid->setCurrentCell(row + 1, ColStartYear);
    else if (!ColumnApplies(ReadRowType(row), column))
        grid->setCurrentCell(row, column + 1);
}

void MainWindow::on_InvestTypeChanged(int type)
{
    if (type < 0 || type >= InvestmentTypeCount)
        return;
    const PortfolioDocument::Step step(document, tr("Type wijzigen"));
    const int row = ui->Vastgoed->currentRow();
    if (QTableWidgetItem *item = ui->Vastgoed->item(row, ColType)) {
        item->setText(InvestmentTypeNames.at(type));
        ColorRow(row, ManualRowColour);
    }
    QTableWidget *grid = ui->Vastgoed;
    if (type == CashForCashflow) {
        grid->horizontalHeaderItem(ColPrice)->setText(tr("Min. inleg"));
        grid->horizontalHeaderItem(ColDepositPeriod)->setText(tr("Duurtijd(j)"));
    } else {
        grid->horizontalHeaderItem(ColDepositPeriod)->setText(ShownHeader(InputColumns[ColDepositPeriod].header));
        grid->horizontalHeaderItem(ColPrice)->setText(ShownHeader(InputColumns[ColPrice].header));
    }
}

void MainWindow::ColorRow(int row, const QColor &colour)
{
    if (!InvestmentStore::isValidRow(row))
        return;
    rowColours[row] = colour;
    const int type = ReadRowType(row);
    SetRowType(portfolio, row, type);
    const QBrush solid(colour);
    QTableWidget *grid = ui->Vastgoed;
    for (int c = 1; c < grid->columnCount(); ++c) {
        QTableWidgetItem *item = grid->item(row, c);
        if (!item)
            continue;
        if (ColumnApplies(type, c)) {
            item->setBackground(solid);
        } else {
            item->setBackground(NotApplicableBrush);
            item->setText(QString());
        }
    }
}

namespace {
const char *const NotANumberTip = QT_TRANSLATE_NOOP("NumberTips", "Geen getal \u2014 telt als 0");
}

void MainWindow::MarkNotANumber(int row, int column, QTableWidgetItem *item, bool notANumber)
{
    const QString tip = QCoreApplication::translate("NumberTips", NotANumberTip);
    if (notANumber) {
        item->setForeground(QBrush(NotANumberColour));
        item->setToolTip(tip);
        const QTableWidgetItem *header = ui->Vastgoed->horizontalHeaderItem(column);
        statusBar()->showMessage(tr("Rij %1, %2: \u201c%3\u201d is geen getal \u2014 telt als 0")
                                     .arg(row + 1)
                                     .arg(header ? header->text() : QString::number(column + 1), item->text()));
    } else if (item->toolTip() == tip) {
        item->setData(Qt::ForegroundRole, QVariant());
        item->setToolTip(QString());
        statusBar()->clearMessage();
    }
}

void MainWindow::MarkImplausible(int row, int skippedColumn)
{
    // Every cell of the row, as one value (the loan-to-value) can make another (the term)
    // implausible. A text that is no number keeps its own mark.
    const QString notANumber = QCoreApplication::translate("NumberTips", NotANumberTip);
    const int type = portfolio.rowType(row);
    const InvestmentInput &input = portfolio.input(row);
    for (int c = ColLumpSum; c < FieldCount; ++c) {
        QTableWidgetItem *item = ui->Vastgoed->item(row, c);
        if (!item || c == skippedColumn || item->toolTip() == notANumber)
            continue;
        const QString reason = ImplausibleCellReason(type, c, input);
        const bool marked = item->data(Qt::UserRole + 1).toBool();
        if (reason.isEmpty()) {
            if (marked) {
                item->setData(Qt::UserRole + 1, QVariant());
                item->setData(Qt::ForegroundRole, QVariant());
                item->setToolTip(QString());
                statusBar()->clearMessage();
            }
            continue;
        }
        if (marked && item->toolTip() == reason)
            continue;
        item->setData(Qt::UserRole + 1, true);
        item->setForeground(QBrush(NotANumberColour));
        item->setToolTip(reason);
        const QTableWidgetItem *header = ui->Vastgoed->horizontalHeaderItem(c);
        statusBar()->showMessage(tr("Rij %1, %2: %3")
                                     .arg(row + 1)
                                     .arg(header ? header->text() : QString::number(c + 1), reason));
    }
}

void MainWindow::SetCostTax(const CostTaxAssumptions &assumptions)
{
    if (assumptions == portfolio.costTax())
        return;
    PortfolioDocument::Step step(document, tr("Kosten en belasting"));
    portfolio.setCostTax(assumptions);
    ViewChanged(false);
}

// What an undo step keeps and gives back: every input cell's text, each row's colour, the
// generator panel and the chosen year.
QSharedDataPointer<GridSnapshot> MainWindow::TakeSnapshot() const
{
    QSharedDataPointer<GridSnapshot> shared(new GridSnapshot);
    GridSnapshot &s = *shared;
    for (int r = 0; r < MaxRows; ++r) {
        s.rowColours[r] = rowColours[r];
        for (int c = 0; c < FieldCount; ++c)
            s.texts[r][c] = cellTexts[r][c];
    }
    s.kind = ui->WealthSelect->currentIndex();
    for (int k = 0; k < GeneratorFieldCount; ++k)
        s.panel[k] = panelTexts[k];
    s.yearListEmpty = ui->Situatie_Jaartal->count() == 0;
    s.costTax = portfolio.costTax();
    s.chosenYear = ui->Situatie_Jaartal->currentText();
    return shared;
}

void MainWindow::ApplySnapshot(const GridSnapshot &s)
{
    {
        const ViewBatch batch(this);
        QTableWidget *grid = ui->Vastgoed;
        const int rows = std::min(grid->rowCount(), static_cast<int>(MaxRows));
        for (int r = 0; r < rows; ++r) {
            // The type and the row's paint first, as a type change or the generator writes a
            // row, then the other texts under it.
            QTableWidgetItem *typeItem = grid->item(r, ColType);
            if (typeItem && typeItem->text() != s.texts[r][ColType])
                typeItem->setText(s.texts[r][ColType]);
            ColorRow(r, s.rowColours[r]);
            for (int c = 1; c < FieldCount; ++c) {
                QTableWidgetItem *item = grid->item(r, c);
                if (item && item->text() != s.texts[r][c])
                    item->setText(s.texts[r][c]);
            }
        }
        portfolio.setCostTax(s.costTax);
        if (ui->WealthSelect->currentIndex() != s.kind)
            ui->WealthSelect->setCurrentIndex(s.kind);
        for (int k = 0; k < GeneratorFieldCount; ++k) {
            if (panelTexts[k] != s.panel[k])
                WealthEdit(k + 1)->setPlainText(s.panel[k]);
        }
        ViewChanged(true);
    }
    if (s.yearListEmpty && ui->Situatie_Jaartal->count() > 0 && !portfolio.anyRowProjected()) {
        // Back to before anything was projected: no years, no figures.
        ui->Situatie_Jaartal->clear();
        for (int r = 0; r < ui->Output->rowCount(); ++r)
            BlankOutputRow(r);
        ShowEmptyTotals();
    }
    // The year the user was reading, when the list still holds it.
    QComboBox *years = ui->Situatie_Jaartal;
    const int chosen = s.chosenYear.isEmpty() ? -1 : years->findText(s.chosenYear);
    if (chosen >= 0 && chosen != years->currentIndex())
        years->setCurrentIndex(chosen);
}
