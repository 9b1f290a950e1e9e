#ifndef WEALTHLABELTABLE_H
#define WEALTHLABELTABLE_H

#include "generator/GeneratorMath.h"

#include <QStringList>

// Label texts of the generator panel: list k belongs to the pair Wealth_lbl(k+1) /
// wealth_edit(k+1) and holds one text per generator kind; an empty text hides the pair.
extern const QStringList WealthLabelTable[GeneratorFieldCount];

#endif // WEALTHLABELTABLE_H
