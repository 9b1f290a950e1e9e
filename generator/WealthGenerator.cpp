// The generator panel and the "Get Wealthy" run.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "generator/GeneratorMath.h"
#include "generator/WealthLabelTable.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "grid/NumberEntry.h"
#include "grid/RowEdit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableWidgetItem>
#include <QTextEdit>

#include <algorithm>

void MainWindow::on_WealthSelect_currentIndexChanged(int index)
{
    document->noteKind(index);
    ui->WealthSelect->setCurrentIndex(index);
    ShowWealthFields(index);
}

void MainWindow::ShowWealthFields(int kind)
{
    ui->WealthSelect->setCurrentIndex(kind);
    if (kind < 0 || kind >= GeneratorKindCount)
        return;
    for (int k = 1; k <= GeneratorFieldCount; ++k)
        WealthLabel(k)->setText(QCoreApplication::translate("WealthLabelTable", WealthLabelTable[k - 1].at(kind).toUtf8().constData()));
    for (int k = 1; k <= GeneratorFieldCount; ++k) {
        const bool used = !WealthLabelTable[k - 1].at(kind).isEmpty();
        WealthLabel(k)->setVisible(used);
        WealthEdit(k)->setVisible(used);
        WealthEdit(k)->setAccessibleName(WealthLabel(k)->text()); // a screen reader reads the caption
        WealthEdit(k)->setPlaceholderText(QCoreApplication::translate("WealthLabelTable", WealthPlaceholderTable[k - 1].at(kind).toUtf8().constData()));
    }
}

QTextEdit *MainWindow::WealthEdit(int k) const
{
    QTextEdit *const edits[] = { ui->wealth_edit1, ui->wealth_edit2, ui->wealth_edit3, ui->wealth_edit4,
        ui->wealth_edit5, ui->wealth_edit6, ui->wealth_edit7, ui->wealth_edit8, ui->wealth_edit9,
        ui->wealth_edit10 };
    return edits[qBound(1, k, 10) - 1];
}

QLabel *MainWindow::WealthLabel(int k) const
{
    QLabel *const labels[] = { ui->Wealth_lbl1, ui->Wealth_lbl2, ui->Wealth_lbl3, ui->Wealth_lbl4,
        ui->Wealth_lbl5, ui->Wealth_lbl6, ui->Wealth_lbl7, ui->Wealth_lbl8, ui->Wealth_lbl9,
        ui->Wealth_lbl10 };
    return labels[qBound(1, k, 10) - 1];
}

namespace {

double WealthValue(const QTextEdit *edit)
{
    return GeneratorParameterFromText(edit->toPlainText());
}

} // namespace

void MainWindow::CommitWealthField(int k)
{
    QTextEdit *edit = WealthEdit(k);
    const QString typed = edit->toPlainText();
    const QString text = NormalisedNumberText(typed, GeneratorFieldKind(ui->WealthSelect->currentIndex(), k - 1));
    if (text != typed)
        edit->setPlainText(text);
    // A text that is no number counts as 0; the field says so.
    const bool notANumber = !text.trimmed().isEmpty() && !NumberFromText(text);
    const QString tip = tr("Geen getal \u2014 telt als 0");
    QPalette palette = edit->palette();
    if (notANumber) {
        palette.setColor(QPalette::Text, NotANumberColour);
        edit->setPalette(palette);
        edit->setToolTip(tip);
        statusBar()->showMessage(tr("%1: \u201c%2\u201d is geen getal \u2014 telt als 0")
                                     .arg(WealthLabel(k)->text(), text));
    } else if (edit->toolTip() == tip) {
        edit->setPalette(QPalette());
        edit->setToolTip(QString());
    }
}

void MainWindow::on_GoGoGo_clicked()
{
    for (int k = 1; k <= GeneratorFieldCount; ++k)
        CommitWealthField(k);
    {
        // A run without a valid begin year writes nothing: one message, no row of zeros.
        GeneratorParameters start;
        start.field[0] = WealthValue(WealthEdit(1));
        if (!RunCanStart(start)) {
            QMessageBox::about(this, tr("Jaartal fout"), tr("Vul een geldig jaartal in , bv 2020"));
            WealthEdit(1)->setFocus();
            return;
        }
    }
    // One run is one undo step.
    const PortfolioDocument::Step step(document, tr("Get Wealthy"));

    // A bad begin year is reported once per run, not once per written row.
    generatorRunning = true;
    yearMessageShown = false;
    {
        // The store follows every cell write; the year list, output grid and labels are
        // refreshed once when the run is over.
        const ViewBatch batch(this);

        GeneratorParameters p;
        for (int k = 0; k < GeneratorFieldCount; ++k)
            p.field[k] = WealthValue(WealthEdit(k + 1));

        if (!WritesSingleCashRow(ui->WealthSelect->currentIndex(), p)) {
            WriteInvestmentRow(SavingsPlanRecord(p)); // a full grid simply gets no savings plan
            AddInvestment(0, true);
        }
        GenerateInvestments(ui->WealthSelect->currentIndex());
    }
    generatorRunning = false;
    yearMessageShown = false;
    UpdateYearTotals();
}

void MainWindow::GenerateInvestments(int kind)
{
    GeneratorParameters p;
    for (int k = 0; k < GeneratorFieldCount; ++k)
        p.field[k] = WealthValue(WealthEdit(k + 1));
    // Every purchase is written through the grid, so the cell rule stores and projects it.
    RunPurchases(portfolio, kind, p, [this](const InvestmentInput &record) {
        if (!WriteInvestmentRow(record))
            return false;
        if (ProjectedRowCount() >= 1)
            AddInvestment(ProjectedRowCount() - 1, false);
        return true;
    });
    AddInvestment(0, true);
}

bool MainWindow::WriteInvestmentRow(const InvestmentInput &record)
{
    QTableWidget *grid = ui->Vastgoed;
    const int row = FirstIncompleteRow(portfolio);
    if (row < 0 || row >= grid->rowCount())
        return false;
    // Each cell is written through the grid, so the cell-change rule stores the value as
    // shown and projects the row as soon as it is complete.
    const int columns = std::min(grid->columnCount(), static_cast<int>(FieldCount));
    for (int j = 0; j < columns; ++j) {
        QTableWidgetItem *item = grid->item(row, j);
        if (j == ColType) {
            const int type = GeneratedRowType(record.field[ColType]);
            SetRowType(portfolio, row, type);
            if (item)
                item->setText(InvestmentTypeNames.at(type));
            ColorRow(row, GeneratedRowColour);
        } else {
            const QString text = GeneratedCellText(record.field[j]);
            SetCellFromText(portfolio, row, j, text);
            if (item)
                item->setText(text);
        }
    }
    return true;
}
