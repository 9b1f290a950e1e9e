#include "generator/WealthLabelTable.h"
#include <QCoreApplication>

const QStringList WealthLabelTable[GeneratorFieldCount] = {
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "BeginJaar")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "BeginJaar")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "BeginJaar")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Eenmalige inleg")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Eenmalige inleg")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Eenmalige inleg")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Maandelijkse inleg")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Maandelijkse inleg")),
        QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Maandelijkse inleg")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Kostprijs")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Kostprijs")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Inlegperiode(jaar)")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Netto Huur/maand")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Netto Huur/maand")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Minimum inleg")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Huurstijging (%)")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Huurstijging (%)")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Rendement")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Waardestijging (%)")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Waardestijging (%)")), QString() },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "LTV (%)")), QString(), QString() },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Hypotheekrente (%)")), QString(), QString() },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "Hypotheekduur(j)")), QString(), QString() },
};

const QStringList WealthPlaceholderTable[GeneratorFieldCount] = {
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 2026")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 2026")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 2026")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 50.000")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 50.000")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 50.000")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 500")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 500")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 500")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 200.000")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 150.000")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 10")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 1.000")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 800")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 10.000")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 2")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 2")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 4")) },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 3")), QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 2")), QString() },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 80")), QString(), QString() },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 3")), QString(), QString() },
    { QStringLiteral(QT_TRANSLATE_NOOP("WealthLabelTable", "bv. 20")), QString(), QString() },
};
