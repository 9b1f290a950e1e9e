#include "settings/Options.h"
#include "ui_Options.h"

#include "grid/CellRules.h"
#include "grid/NumberEntry.h"

#include <QSignalBlocker>
#include <QTextEdit>

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

void Options::ShowLimits(int years, int investments)
{
    const QSignalBlocker quietYears(ui->AantalJaren);
    const QSignalBlocker quietInvestments(ui->AantalInvestments);
    ui->AantalJaren->setPlainText(QString::number(years));
    ui->AantalInvestments->setPlainText(QString::number(investments));
}

std::optional<int> Options::ReadField(QTextEdit *field) const
{
    const std::optional<int> limit = TypedLimit(field->toPlainText());
    const QString tip = tr("Geen geheel getal \u2014 de grens blijft zoals hij was");
    QPalette palette = field->palette();
    if (!limit) {
        palette.setColor(QPalette::Text, QColor(200, 0, 0));
        field->setPalette(palette);
        field->setToolTip(tip);
    } else if (field->toolTip() == tip) {
        field->setPalette(QPalette());
        field->setToolTip(QString());
    }
    return limit;
}

void Options::on_AantalInvestments_textChanged()
{
    if (const std::optional<int> limit = ReadField(ui->AantalInvestments))
        emit SendAantalInvestments(*limit);
}

void Options::on_AantalJaren_textChanged()
{
    if (const std::optional<int> limit = ReadField(ui->AantalJaren))
        emit SendAantalJaar(*limit);
}
