#ifndef PROJECTION_H
#define PROJECTION_H

#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

// Value after t years of a start amount a plus a deposit m at the end of every month,
// at a yearly rate r (a fraction) compounded monthly. Callers use the linear form for r = 0.
double FutureValue(double a, double r, double m, double t);

// The start year a row is projected from: the "Jaartal" field truncated toward zero
// (0 when empty, NaN or otherwise unusable; saturated at the int bounds).
int ProjectedStartYear(const InvestmentInput &input);

// Number of monthly mortgage payments for a term of `years`: 12 × years truncated,
// at least one for a term shorter than a month, 0 for no term, saturated at INT_MAX.
int MortgagePaymentCount(double years);

// The monthly annuity payment on a loan over n payments at monthly rate r.
double AnnuityPayment(double loan, double monthlyRate, int payments);

// Writes the year records of one row into `block`, from the row's start year on,
// for year indexes 0 .. yearCount - 1 counted from `baseYear`. The block is reset
// first, so nothing of an earlier projection survives. Sets the projected flag.
void ProjectRow(const InvestmentInput &input, int baseYear, int yearCount, ProjectionBlock &block);

#endif // PROJECTION_H
