#ifndef PROJECTION_H
#define PROJECTION_H

#include "model/CostTax.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

// Value after t years of a start amount a plus a deposit m at the end of every month,
// at a yearly rate r (a fraction) compounded monthly. Callers use the linear form for r = 0;
// a rate too small to change 1 + r / 12 gets that linear form a + 12 m t here too.
double FutureValue(double a, double r, double m, double t);

// An amount grown over `years` at a yearly percentage compounded monthly; unchanged for a
// percentage of 0.
double Grown(double amount, double percent, double years);

// Start years are held within ±StartYearLimit, so that base year + 30 and the difference of
// any two start years always fit in an int.
constexpr int StartYearLimit = 1000000000;

// The start year a row is projected from: the "Jaartal" field truncated toward zero,
// 0 when empty or NaN, clamped to ±StartYearLimit (so +inf gives StartYearLimit).
int ProjectedStartYear(const InvestmentInput &input);

// Number of monthly mortgage payments for a term of `years`: 12 × years truncated,
// at least one for a term shorter than a month, 0 for no term, saturated at INT_MAX.
int MortgagePaymentCount(double years);

// The monthly annuity payment on a loan over n payments at monthly rate r;
// 0 for no payments or no loan.
double AnnuityPayment(double loan, double monthlyRate, int payments);

// The outstanding balance of an annuity loan after `paid` of its `payments` monthly payments
// at monthly rate r: the loan itself before the first payment, 0 from the last one on, and 0
// for no payments or no loan (as the payment is then 0).
double RemainingPrincipal(double loan, double monthlyRate, int payments, long long paid);

// Writes the year records of one row into `block`, from the row's start year on,
// for year indexes 0 .. yearCount - 1 counted from `baseYear`. The block is reset
// first, so nothing of an earlier projection survives. Sets the projected flag.
// The block's principal holds the mortgage's remaining principal in every year; the debt
// series holds the measure asked for. ROI is always that of the payments still due.
// Property rows (types 0 and 1) bear the costs assumed: the purchase costs in their own
// contribution and starting cash, the running costs in their monthly costs (also kept apart
// in the block), the vacancy in their income.
void ProjectRow(const InvestmentInput &input, int baseYear, int yearCount, ProjectionBlock &block,
    DebtMeasure debt = DebtMeasure::PaymentsDue, const CostAssumptions &costs = CostAssumptions());

#endif // PROJECTION_H
