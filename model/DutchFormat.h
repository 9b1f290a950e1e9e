#ifndef DUTCHFORMAT_H
#define DUTCHFORMAT_H

// Numbers as the window shows them to a Dutch reader, and typed numbers read back.
//
// Every text here has a decimal comma, never an exponent, and reads back by the typing rule
// of the grid (NormalisedNumberText, then NumberFromText) to the shown value:
// - amounts and counts group the digits before the comma in threes with dots ("2.065.121,35");
//   read back as amounts (NumberKind::Amount; counts by ReadTypedNumber with NumberKind::Count);
// - percentages are not grouped ("1250,0"): in a percentage field a dot is a decimal point;
// - rounding is to the nearest, halves away from zero, on the exact value of the double
//   (0,125 gives "0,13", while 1,005 is stored as 1,00499… and gives "1,00"); a value that
//   rounds to zero is shown without a minus sign;
// - a value that is no number (NaN, ±infinity) is shown as "—"; NotANumberReason gives the
//   text of its tool tip.
// Years are shown as plain digits, without grouping. Files and the plain CSV keep their own
// machine formats (FormatAmount, CsvNumber).

#include "grid/NumberEntry.h"

#include <QString>

// What is shown for a value that is no number.
extern const QString NotANumberText; // "—"

// `value` with `decimals` (0 .. 20) digits after the comma; grouped by dots when `grouped`.
QString DutchNumber(double value, int decimals, bool grouped = true);

// An amount in euros with a fixed number of decimals: "-86,84", "2.799,93".
inline QString DutchAmount(double value, int decimals = 2)
{
    return DutchNumber(value, decimals, true);
}

// A cell of the output grid: whole euros, "343.739".
inline QString DutchWholeAmount(double value)
{
    return DutchNumber(value, 0, true);
}

// A total (the nine totals, Basis/Verschil, the percentile labels): one rule for every size
// and sign. Below 1.000 euro in absolute value, after rounding to cents, it is shown in
// cents ("954,83", "-86,84"); from 1.000 on in whole euros ("2.800", "-2.065.121"), also for
// millions, so that every total reads back as the amount it shows.
QString DutchTotal(double value);

// A percentage or a number of percentage points without the unit: "5,0", "-0,25".
inline QString DutchPercentage(double value, int decimals = 1)
{
    return DutchNumber(value, decimals, false);
}

// A count: whole and grouped, "10.000".
inline QString DutchCount(double value)
{
    return DutchNumber(value, 0, true);
}

// Why a value is shown as "—": a Dutch sentence for its tool tip; empty for a finite value.
QString NotANumberReason(double value);

// A number field as the user types it (spending, inflation, spreads, limits, paths).
enum class TypedState {
    Empty, // nothing but blanks: the field is not set
    Number, // `value` holds the number
    NotANumber, // something else: mark the field as the grid marks such a cell
};

struct TypedNumber
{
    TypedState state = TypedState::Empty;
    double value = 0.0;

    bool ok() const { return state == TypedState::Number; }
};

// Reads a typed field by the grid's rule for fields of that kind ("3.000" and "3000" are the
// same amount, "3,5 %" is 3.5). NumberKind::Count reads as an amount ("10.000") that must be
// whole. Only finite numbers count: "inf" and "nan" are no number here.
TypedNumber ReadTypedNumber(const QString &text, NumberKind kind);

#endif // DUTCHFORMAT_H
