#include "charts/LineGraphs.h"
#include "ui_LineGraphs.h"

LineGraphs::LineGraphs(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LineGraphs)
{
    ui->setupUi(this);
}

LineGraphs::~LineGraphs()
{
    delete ui;
}
