#include "grid/ColumnHelp.h"

#include "grid/ColumnCatalogue.h"

#include <QStringList>
#include <QCoreApplication>

namespace {

const char *const InputHelp[InputColumnCount] = {
    QT_TRANSLATE_NOOP("ColumnHelp", "Type: de soort investering van deze rij (kies uit de lijst)"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Jaartal: het jaar waarin de investering begint, bv 2020"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Inleg/1x: het bedrag dat u eenmalig inlegt, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Inleg/maand: het bedrag dat u elke maand inlegt, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Inleg periode(j): hoeveel jaar u inlegt; bij Cash voor cashflow de looptijd van de lening, in jaren"),
    nullptr,
    QT_TRANSLATE_NOOP("ColumnHelp", "Kostprijs: de aankoopprijs van het onderpand, in euro; bij Cash voor cashflow de minimale inleg"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Huur/maand: de netto huur die het onderpand per maand opbrengt, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Huurstijging/j(%): hoeveel de huur per jaar stijgt, in procent (3 betekent 3 %)"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Waardestijging/j(%): hoeveel het onderpand per jaar in waarde stijgt, in procent"),
    nullptr,
    QT_TRANSLATE_NOOP("ColumnHelp", "LTV(%): het deel van de kostprijs dat u leent (loan-to-value), in procent"),
    QT_TRANSLATE_NOOP("ColumnHelp", "rente(%): de hypotheekrente per jaar, in procent"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Hypotheek jaren: de looptijd van de hypotheek, in jaren"),
    nullptr,
    QT_TRANSLATE_NOOP("ColumnHelp", "Rendement: de opbrengst per jaar, in procent van het ingelegde bedrag"),
};

const char *const OutputHelp[OutputColumnCount] = {
    QT_TRANSLATE_NOOP("ColumnHelp", "BeginJaar: het jaar waarin de investering begon"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Cash: het geld dat de investering tot dit jaar heeft opgeleverd min wat u erin stak, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Vastgoed: de waarde van het onderpand in dit jaar, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Activa: cash plus de waarde van het onderpand, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Eigen inbreng: het eigen geld dat u in de investering stak, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Schulden: de resterende aflossingen inclusief rente, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Maandelijkse Inkomsten: huur of rente die de investering per maand opbrengt, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Maandelijkse lasten: de maandelijkse aflossing met rente, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "Maandelijkse CashFlow: inkomsten min lasten per maand, in euro"),
    QT_TRANSLATE_NOOP("ColumnHelp", "ROI(%): het rendement op de eigen inbreng (activa min schulden tegenover de eigen inbreng), in procent"),
};

} // namespace

QString InputColumnToolTip(int column)
{
    if (column < 0 || column >= InputColumnCount || !InputHelp[column])
        return QString();
    return QCoreApplication::translate("ColumnHelp", InputHelp[column]);
}

QString OutputColumnToolTip(int column, DebtMeasure debt)
{
    if (column < 0 || column >= OutputColumnCount)
        return QString();
    if (column == SerDebt && debt == DebtMeasure::RemainingPrincipal)
        return QCoreApplication::translate("ColumnHelp", "Schulden: de resterende hoofdsom van de hypotheek, na de aflossingen tot dit jaar, in euro");
    return QCoreApplication::translate("ColumnHelp", OutputHelp[column]);
}
