// Saving and opening investment files from the main window.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

void MainWindow::on_actionSave_as_triggered()
{
}

void MainWindow::on_actionOpen_triggered()
{
}

void MainWindow::on_actionExport_CSV_triggered()
{
}

void MainWindow::BuildInvestText()
{
}

void MainWindow::ParseInvestText()
{
}

QString MainWindow::ProjectionCsv(bool) const
{
    return QString();
}
