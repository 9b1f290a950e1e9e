// The chart button of the main window.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "charts/LineGraphs.h"

void MainWindow::on_pushButton_clicked()
{
}
