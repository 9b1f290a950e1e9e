#include "grid/ColumnCatalogue.h"

const ColumnSpec InputColumns[InputColumnCount] = {
    { 160, QStringLiteral("Type") },
    { 60, QStringLiteral("Jaartal") },
    { 80, QStringLiteral("Inleg/1x") },
    { 90, QStringLiteral("Inleg/maand") },
    { 90, QStringLiteral("Inleg periode(j)") },
    { 1, QString() },
    { 60, QStringLiteral("Kostprijs") },
    { 80, QStringLiteral("Huur/maand") },
    { 120, QStringLiteral("Huurstijging/j(%)") },
    { 120, QStringLiteral("Waardestijging/j(%)") },
    { 1, QString() },
    { 60, QStringLiteral("LTV(%)") },
    { 60, QStringLiteral("rente(%)") },
    { 100, QStringLiteral("Hypotheek jaren") },
    { 1, QString() },
    { 80, QStringLiteral("Rendement") },
};

const ColumnSpec OutputColumns[OutputColumnCount] = {
    { 60, QStringLiteral("BeginJaar") },
    { 130, QStringLiteral("Cash") },
    { 130, QStringLiteral("Vastgoed") },
    { 130, QStringLiteral("Activa") },
    { 130, QStringLiteral("Eigen inbreng") },
    { 130, QStringLiteral("Schulden") },
    { 140, QStringLiteral("Maandelijkse Inkomsten") },
    { 140, QStringLiteral("Maandelijkse lasten") },
    { 140, QStringLiteral("Maandelijkse CashFlow") },
    { 80, QStringLiteral("ROI(%)") },
};

const QStringList InvestmentTypeNames = {
    QStringLiteral("Onderpand met hefboom"),
    QStringLiteral("Onderpand zonder hefboom"),
    QStringLiteral("Cash voor cashflow"),
    QStringLiteral("Maandelijks sparen"),
    QStringLiteral("Compounded interest"),
};

int TypeIndexOfName(const QString &text)
{
    for (int t = 0; t < InvestmentTypeCount; ++t) {
        if (InvestmentTypeNames.at(t) == text)
            return t;
    }
    return 0;
}
