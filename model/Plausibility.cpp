#include "model/Plausibility.h"

#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"

#include <cmath>
#include <QCoreApplication>

namespace {

bool isRate(int column)
{
    return column == ColRentIncrease || column == ColValueIncrease || column == ColInterest || column == ColReturn;
}

} // namespace

QString ImplausibleCellReason(int type, int column, const InvestmentInput &row)
{
    if (column <= ColStartYear || column >= FieldCount || row.isEmpty(column) || !ColumnApplies(type, column))
        return QString();
    const double value = row.field[column];
    if (column == ColPrice && value < 0.0)
        return QCoreApplication::translate("Plausibility", "Een negatief bedrag is niet aannemelijk");
    if ((column == ColLumpSum || column == ColMonthlyDeposit || column == ColRent) && value < 0.0)
        return QCoreApplication::translate("Plausibility", "Een negatief bedrag is niet aannemelijk");
    if (column == ColLoanToValue && (value < 0.0 || value > 100.0))
        return QCoreApplication::translate("Plausibility", "LTV hoort tussen 0 en 100 % te liggen");
    if (isRate(column) && value <= -100.0)
        return QCoreApplication::translate("Plausibility", "Een daling van 100 % of meer per jaar is niet aannemelijk: de waarde is meteen weg");
    if (column == ColMortgageYears && value <= 0.0 && type == LeveragedProperty && row.value(ColLoanToValue) > 0.0)
        return QCoreApplication::translate("Plausibility", "Een lening zonder looptijd telt nergens mee: vul het aantal jaren in");
    return QString();
}

QString InflationProblem(double percent)
{
    if (std::isfinite(percent) && percent >= MinInflationPercent && percent <= MaxInflationPercent)
        return QString();
    return QCoreApplication::translate("Plausibility", "Inflatie buiten %1 .. %2 %: telt als 0")
        .arg(QString::number(MinInflationPercent), QString::number(MaxInflationPercent));
}

QString SpendingProblem(double amount)
{
    if (std::isfinite(amount) && amount >= 0.0 && amount <= MaxMonthlySpending)
        return QString();
    return QCoreApplication::translate("Plausibility", "Uitgaven buiten 0 .. 10.000.000 per maand: geen doel");
}
