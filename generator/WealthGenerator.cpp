// The generator panel and the "Get Wealthy" run.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "generator/WealthLabelTable.h"

void MainWindow::on_WealthSelect_currentIndexChanged(int index)
{
    ui->WealthSelect->setCurrentIndex(index);
    ShowWealthFields(index);
}

void MainWindow::ShowWealthFields(int kind)
{
    ui->WealthSelect->setCurrentIndex(kind);
    if (kind < 0 || kind >= WealthKindCount)
        return;
    for (int k = 1; k <= WealthFieldCount; ++k)
        WealthLabel(k)->setText(WealthLabelTable[k - 1].at(kind));
    for (int k = 1; k <= WealthFieldCount; ++k) {
        const bool used = !WealthLabelTable[k - 1].at(kind).isEmpty();
        WealthLabel(k)->setVisible(used);
        WealthEdit(k)->setVisible(used);
    }
}

double MainWindow::WealthValue(int k) const
{
    return WealthEdit(k)->toPlainText().trimmed().toDouble();
}

void MainWindow::on_GoGoGo_clicked()
{
    // TODO(generator): the run
}

void MainWindow::GenerateInvestments(int)
{
}

bool MainWindow::WriteInvestmentRow(const InvestmentInput &)
{
    return false;
}
