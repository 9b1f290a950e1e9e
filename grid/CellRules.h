#ifndef CELLRULES_H
#define CELLRULES_H

#include <QString>

#include <optional>

constexpr int FirstValidYear = 1920;
constexpr int LastValidYear = 2100;

// How much of a text a number may use: any locale-independent double ("1.5", "2e3", "inf"),
// or only an optional sign and decimal digits.
enum class NumberForm { Decimal, Whole };

// The one reading of a text as a number, for cells, generator fields, limits and the
// exporter's arguments: blanks around the number are ignored, '.' is the decimal point.
// No value for an empty text or one that is not a number of the form; what that means is
// each caller's own rule.
std::optional<double> NumberFromText(const QString &text, NumberForm form = NumberForm::Decimal);

// The field value of a cell text: -1 (empty) for "", the whole text read as a
// locale-independent double otherwise, 0 when it does not read as one.
double FieldFromText(const QString &text);

// Whether a start year passes the year check: a finite number from 1920 to 2100.
bool IsValidStartYear(double year);

// Whether the year check refuses a "Jaartal" field: a filled field that is not a valid year.
inline bool IsRefusedStartYear(double field)
{
    return field != -1.0 && !IsValidStartYear(field);
}

// Truncation toward zero that is defined for every double: NaN gives 0,
// values beyond the int range give the nearest int bound.
int TruncateToInt(double value);

// The integer a limits-dialog field holds: an optional sign and decimal digits with
// blanks around them; anything else, or a number outside 32 bits, gives 0.
int LimitFromText(const QString &text);

#endif // CELLRULES_H
