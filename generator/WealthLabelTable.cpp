#include "generator/WealthLabelTable.h"

const QStringList WealthLabelTable[GeneratorFieldCount] = {
    { QStringLiteral("BeginJaar"), QStringLiteral("BeginJaar"), QStringLiteral("BeginJaar") },
    { QStringLiteral("Eenmalige inleg"), QStringLiteral("Eenmalige inleg"), QStringLiteral("Eenmalige inleg") },
    { QStringLiteral("Maandelijkse inleg"), QStringLiteral("Maandelijkse inleg"),
        QStringLiteral("Maandelijkse inleg") },
    { QStringLiteral("Kostprijs"), QStringLiteral("Kostprijs"), QStringLiteral("Inlegperiode(jaar)") },
    { QStringLiteral("Netto Huur/maand"), QStringLiteral("Netto Huur/maand"), QStringLiteral("Minimum inleg") },
    { QStringLiteral("Huurstijging (%)"), QStringLiteral("Huurstijging (%)"), QStringLiteral("Rendement") },
    { QStringLiteral("Waardestijging (%)"), QStringLiteral("Waardestijging (%)"), QString() },
    { QStringLiteral("LTV (%)"), QString(), QString() },
    { QStringLiteral("Hypotheekrente (%)"), QString(), QString() },
    { QStringLiteral("Hypotheekduur(j)"), QString(), QString() },
};
