#ifndef CELLRULES_H
#define CELLRULES_H

#include <QString>

constexpr int FirstValidYear = 1920;
constexpr int LastValidYear = 2100;

// The field value of a cell text: -1 (empty) for "", the whole text read as a
// locale-independent double otherwise, 0 when it does not read as one.
double FieldFromText(const QString &text);

// Whether a start year passes the year check: a finite number from 1920 to 2100.
bool IsValidStartYear(double year);

// Truncation toward zero that is defined for every double: NaN gives 0,
// values beyond the int range give the nearest int bound.
int TruncateToInt(double value);

// The integer a limits-dialog field holds: an optional sign and decimal digits with
// blanks around them; anything else, or a number outside 32 bits, gives 0.
int LimitFromText(const QString &text);

#endif // CELLRULES_H
