#include "grid/ColumnHelp.h"

#include "grid/ColumnCatalogue.h"

#include <QStringList>

namespace {

const char *const InputHelp[InputColumnCount] = {
    "Type: de soort investering van deze rij (kies uit de lijst)",
    "Jaartal: het jaar waarin de investering begint, bv 2020",
    "Inleg/1x: het bedrag dat u eenmalig inlegt, in euro",
    "Inleg/maand: het bedrag dat u elke maand inlegt, in euro",
    "Inleg periode(j): hoeveel jaar u inlegt; bij Cash voor cashflow de looptijd van de lening, in jaren",
    nullptr,
    "Kostprijs: de aankoopprijs van het onderpand, in euro; bij Cash voor cashflow de minimale inleg",
    "Huur/maand: de netto huur die het onderpand per maand opbrengt, in euro",
    "Huurstijging/j(%): hoeveel de huur per jaar stijgt, in procent (3 betekent 3 %)",
    "Waardestijging/j(%): hoeveel het onderpand per jaar in waarde stijgt, in procent",
    nullptr,
    "LTV(%): het deel van de kostprijs dat u leent (loan-to-value), in procent",
    "rente(%): de hypotheekrente per jaar, in procent",
    "Hypotheek jaren: de looptijd van de hypotheek, in jaren",
    nullptr,
    "Rendement: de opbrengst per jaar, in procent van het ingelegde bedrag",
};

const char *const OutputHelp[OutputColumnCount] = {
    "BeginJaar: het jaar waarin de investering begon",
    "Cash: het geld dat de investering tot dit jaar heeft opgeleverd min wat u erin stak, in euro",
    "Vastgoed: de waarde van het onderpand in dit jaar, in euro",
    "Activa: cash plus de waarde van het onderpand, in euro",
    "Eigen inbreng: het eigen geld dat u in de investering stak, in euro",
    "Schulden: de resterende aflossingen inclusief rente, in euro",
    "Maandelijkse Inkomsten: huur of rente die de investering per maand opbrengt, in euro",
    "Maandelijkse lasten: de maandelijkse aflossing met rente, in euro",
    "Maandelijkse CashFlow: inkomsten min lasten per maand, in euro",
    "ROI(%): het rendement op de eigen inbreng (activa min schulden tegenover de eigen inbreng), in procent",
};

} // namespace

QString InputColumnToolTip(int column)
{
    if (column < 0 || column >= InputColumnCount || !InputHelp[column])
        return QString();
    return QString::fromUtf8(InputHelp[column]);
}

QString OutputColumnToolTip(int column, DebtMeasure debt)
{
    if (column < 0 || column >= OutputColumnCount)
        return QString();
    if (column == SerDebt && debt == DebtMeasure::RemainingPrincipal)
        return QStringLiteral("Schulden: de resterende hoofdsom van de hypotheek, na de aflossingen tot dit jaar, in euro");
    return QString::fromUtf8(OutputHelp[column]);
}
