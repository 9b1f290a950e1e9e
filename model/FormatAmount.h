#ifndef FORMATAMOUNT_H
#define FORMATAMOUNT_H

#include <QString>

// Text of a total label: six significant digits, amounts of a million or more (and NaN)
// in millions with the suffix "M". Negative amounts never take the "M" form.
QString FormatAmount(double x);

// Text of an output grid cell: fixed notation without decimals.
QString FormatWhole(double x);

#endif // FORMATAMOUNT_H
