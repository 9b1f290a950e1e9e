#ifndef WEALTHLABELTABLE_H
#define WEALTHLABELTABLE_H

#include "generator/GeneratorMath.h"

#include <QStringList>

// Label texts of the generator panel: list k belongs to the pair Wealth_lbl(k+1) /
// wealth_edit(k+1) and holds one text per generator kind; an empty text hides the pair.
extern const QStringList WealthLabelTable[GeneratorFieldCount];

// The grey example each field shows while it is empty, per kind, from the manual's worked
// example (a property of 200.000 with 80 % loan, bought from a start of 50.000 in 2026). Only
// shown, never read as a value; empty where the kind does not use the field.
extern const QStringList WealthPlaceholderTable[GeneratorFieldCount];

#endif // WEALTHLABELTABLE_H
