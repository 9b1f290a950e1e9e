#ifndef GENERATORMATH_H
#define GENERATORMATH_H

// The arithmetic of a generator run, kept apart from the window: what one more investment
// costs in a given year, how much cash the portfolio holds then, and when to buy.

#include "model/CostTax.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QString>

#include <functional>

class InvestmentStore;

// The generator kinds; a kind is also the investment type of every purchase it adds.
constexpr int GeneratorKindCount = 3;

// The ten panel fields, wealth_edit1 .. wealth_edit10, by index 0 .. 9. Kind 2 reads
// fields 4, 5 and 6 with another meaning (see the aliases).
enum GeneratorField {
    GenBeginYear = 0,
    GenLumpSum = 1,
    GenMonthlyDeposit = 2,
    GenPrice = 3,
    GenRent = 4,
    GenRentIncrease = 5,
    GenValueIncrease = 6,
    GenLoanToValue = 7,
    GenInterest = 8,
    GenMortgageYears = 9,
    GeneratorFieldCount = 10,

    GenDepositPeriod = GenPrice, // kind 2: "Inlegperiode(jaar)"
    GenMinimumDeposit = GenRent, // kind 2: "Minimum inleg"
    GenReturn = GenRentIncrease, // kind 2: "Rendement"
};

struct GeneratorParameters
{
    double field[GeneratorFieldCount] = {};
};

// A panel field as a number: the whole text read locale-independently, blanks around it
// allowed; empty or unreadable text gives 0.
double GeneratorParameterFromText(const QString &text);

// Whether a run can start: its BeginJaar passes the grid's year check. A run that cannot
// start writes no row at all, not even the savings plan.
bool RunCanStart(const GeneratorParameters &p);

// The number of years a run walks through and prices: the year limit, kept within 0 .. 31.
int GeneratorYearCount(int maxJaren);

// Price of an object bought in year index `yearIndex`: grown monthly-compounded at the yearly
// value increase (percent) from the price in the first year; constant for an increase of 0.
double GeneratedPrice(double firstPrice, double valueIncreasePercent, int yearIndex);

// Fills table[0 .. count - 1] with GeneratedPrice; count is GeneratorYearCount(maxJaren).
int FillPriceTable(double firstPrice, double valueIncreasePercent, int maxJaren, double (&table)[MaxYears]);

// Monthly rent of an object bought in year index `yearIndex`, grown like the price.
double GeneratedRent(double firstRent, double rentIncreasePercent, int yearIndex);

// Money needed for one more investment of a kind: the own contribution (kind 0), the whole
// price (kind 1) or the minimum deposit (kind 2), property with its purchase costs. NaN for an
// unknown kind.
double MoneyNeeded(int kind, const GeneratorParameters &p, double price, const CostAssumptions &costs = CostAssumptions());

// The cash of every row within the investment limit, summed for a calendar year (its start
// year truncated like a row's start year). Rows that were never projected hold 0; a year
// outside the projected years (before the base year, or year limit years or more after it)
// gives 0. With Box 3 on, the tax of the years before the year is taken off.
double CashTotal(const InvestmentStore &store, double calendarYear);

// Whether the cash covers one more investment (never when either is not a number).
inline bool CoversNeed(double cash, double need)
{
    return cash >= need;
}

// Whether, after paying for one, the cash still covers another one in the same year.
inline bool StaysInYear(double cash, double need)
{
    return cash - need >= need;
}

// A kind 2 run with a minimum deposit of exactly 0 writes one row and no savings plan.
bool WritesSingleCashRow(int kind, const GeneratorParameters &p);

// The savings plan that opens a run: "Maandelijks sparen" from the begin year with the
// panel's lump sum and monthly deposit, and a return of 0.
InvestmentInput SavingsPlanRecord(const GeneratorParameters &p);

// The record of one purchase of a kind, with every field that stays the same throughout a
// run; the start year (and for kinds 0 and 1 price and rent) are set per purchase.
InvestmentInput PurchaseTemplate(int kind, const GeneratorParameters &p);

// The investment type index a record's Type field names; 0 for anything outside 0 .. 4.
int GeneratedRowType(double typeField);

// The purchases of one run of `kind` (after its savings plan), year by year from the begin
// year: whenever the portfolio's cash in a year covers one more investment, `write` puts the
// purchase of that year into the first row that is not complete and projects it; it returns
// false when no row is free, which ends the run. A year's cash is read again after every
// purchase, so a year that still covers another one buys again. The window and the fuzzer
// run this one loop.
void RunPurchases(const InvestmentStore &store, int kind, const GeneratorParameters &p,
    const std::function<bool(const InvestmentInput &)> &write);

// The first row of the store that is not complete; -1 when every row is.
int FirstIncompleteRow(const InvestmentStore &store);

// The cell text the generator writes for a value: "" for the empty marker, otherwise the
// general number format with six significant digits (1234567 gives "1.23457e+06").
QString GeneratedCellText(double value);

#endif // GENERATORMATH_H
