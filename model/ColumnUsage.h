#ifndef COLUMNUSAGE_H
#define COLUMNUSAGE_H

#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"

#include <QtGlobal>

constexpr quint8 NotApplicable = 255;

// Per investment type and input column: the column's own index when it applies, 255 when not.
extern const quint8 ColumnUsage[InvestmentTypeCount][FieldCount];

// Whether a column applies to a type; false for anything outside the table.
inline bool ColumnApplies(int type, int column)
{
    if (type < 0 || type >= InvestmentTypeCount || column < 0 || column >= FieldCount)
        return false;
    return ColumnUsage[type][column] != NotApplicable;
}

#endif // COLUMNUSAGE_H
