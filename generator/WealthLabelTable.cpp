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

const QStringList WealthPlaceholderTable[GeneratorFieldCount] = {
    { QStringLiteral("bv. 2026"), QStringLiteral("bv. 2026"), QStringLiteral("bv. 2026") },
    { QStringLiteral("bv. 50.000"), QStringLiteral("bv. 50.000"), QStringLiteral("bv. 50.000") },
    { QStringLiteral("bv. 500"), QStringLiteral("bv. 500"), QStringLiteral("bv. 500") },
    { QStringLiteral("bv. 200.000"), QStringLiteral("bv. 150.000"), QStringLiteral("bv. 10") },
    { QStringLiteral("bv. 1.000"), QStringLiteral("bv. 800"), QStringLiteral("bv. 10.000") },
    { QStringLiteral("bv. 2"), QStringLiteral("bv. 2"), QStringLiteral("bv. 4") },
    { QStringLiteral("bv. 3"), QStringLiteral("bv. 2"), QString() },
    { QStringLiteral("bv. 80"), QString(), QString() },
    { QStringLiteral("bv. 3"), QString(), QString() },
    { QStringLiteral("bv. 20"), QString(), QString() },
};
