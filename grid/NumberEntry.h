#ifndef NUMBERENTRY_H
#define NUMBERENTRY_H

// Numbers as a Dutch investor types them ("250.000", "3,5 %", "€ 180.000"), turned into the
// plain text the program stores and saves ('.' as decimal point, no grouping) when a typed
// entry is committed. Stored texts (files) are never normalised.

#include <QString>

#include <optional>

// What a field holds; the normalising rules depend on it.
enum class NumberKind {
    None, // not a number field: left alone
    Amount, // euros: dots that group digits in threes are thousands separators
    Percentage, // a single dot is a decimal point
    Year,
    Term, // years or months of a period
    Count, // a whole number (the limits)
};

// The canonical text of a typed entry:
// - a text that already reads as a plain number is kept as typed, except that in amount
//   fields dots grouping digits in threes are dropped ("250.000" → "250000");
// - otherwise blanks (also non-breaking), a leading "€" and a trailing "%" are dropped, a
//   comma is a decimal comma ("3,5" → "3.5"), in amount fields with dots grouping the
//   digits before it ("1.250,50" → "1250.5"), and trailing zeros of the fraction go;
// - a text that still is no number is returned as typed, so the user sees what was typed.
QString NormalisedNumberText(const QString &typed, NumberKind kind);

// The kind of an input grid column (None for the Type column and the separators).
NumberKind InputColumnKind(int column);

// The kind of generator field `field` (0 .. 9) for generator kind `kind` (0 .. 2); kind 2
// reads some fields with another meaning.
NumberKind GeneratorFieldKind(int kind, int field);

// The limit a typed limits-dialog text names: normalised as typed numbers are, then an
// optional sign and decimal digits with blanks around them within 32 bits; none otherwise.
std::optional<int> TypedLimit(const QString &text);

#endif // NUMBERENTRY_H
