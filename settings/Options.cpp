#include "settings/Options.h"
#include "ui_Options.h"

#include "grid/CellRules.h"

Options::Options(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Options)
{
    ui->setupUi(this);
    if (parent) {
        connect(this, SIGNAL(SendAantalJaar(int)), parent, SLOT(SetMaxJaren(int)));
        connect(this, SIGNAL(SendAantalInvestments(int)), parent, SLOT(SetMaxInvestment(int)));
    }
}

Options::~Options()
{
    delete ui;
}

void Options::on_AantalInvestments_textChanged()
{
    emit SendAantalInvestments(LimitFromText(ui->AantalInvestments->toPlainText()));
}

void Options::on_AantalJaren_textChanged()
{
    emit SendAantalJaar(LimitFromText(ui->AantalJaren->toPlainText()));
}
