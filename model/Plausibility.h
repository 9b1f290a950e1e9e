#ifndef PLAUSIBILITY_H
#define PLAUSIBILITY_H

// Inputs that the projection takes as they are but that cannot be meant: a loan without a
// term (it then vanishes from every figure), a negative price, a loan-to-value outside
// 0..100 %, a rate of -100 % or less (the value is gone at once). The window marks them as it
// marks a text that is no number; the figures still follow the rules as typed.

#include "model/InvestmentInput.h"

#include <QString>

// Why the value in `column` of a row of type `type` is implausible, or an empty string.
QString ImplausibleCellReason(int type, int column, const InvestmentInput &row);

// The program's own fields are held to ranges that make sense.
constexpr double MinInflationPercent = -50.0;
constexpr double MaxInflationPercent = 100.0;
constexpr double MaxMonthlySpending = 10'000'000.0;

// Why a typed inflation or monthly spending is out of range, or an empty string. Out of
// range, the field counts as not filled in (no inflation, no spending goal).
QString InflationProblem(double percent);
QString SpendingProblem(double amount);

#endif // PLAUSIBILITY_H
