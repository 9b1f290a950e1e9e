#ifndef COLUMNHELP_H
#define COLUMNHELP_H

#include "model/ProjectionBlock.h"

#include <QString>

// The tool tip of an input grid column header: what the field holds and in what unit.
// Empty for the narrow separator columns and for columns outside the grid.
QString InputColumnToolTip(int column);

// The tool tip of an output grid column header: what the figure is and in what unit. The
// "Schulden" header says which debt is shown.
QString OutputColumnToolTip(int column, DebtMeasure debt = DebtMeasure::PaymentsDue);

#endif // COLUMNHELP_H
