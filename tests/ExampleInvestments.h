#ifndef EXAMPLEINVESTMENTS_H
#define EXAMPLEINVESTMENTS_H

// The investments of the worked examples, as input records, shared by the engine's tests and
// benchmarks. All start in 2020 unless told otherwise.

#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"

namespace examples {

inline InvestmentInput row(double type, double startYear)
{
    InvestmentInput in;
    in.setAllEmpty();
    in.field[ColType] = type;
    in.field[ColStartYear] = startYear;
    return in;
}

inline InvestmentInput leveraged(double startYear = 2020)
{
    InvestmentInput in = row(LeveragedProperty, startYear);
    in.field[ColPrice] = 200000;
    in.field[ColRent] = 1000;
    in.field[ColRentIncrease] = 2;
    in.field[ColValueIncrease] = 3;
    in.field[ColLoanToValue] = 80;
    in.field[ColInterest] = 3;
    in.field[ColMortgageYears] = 20;
    return in;
}

inline InvestmentInput inFull(double startYear = 2020)
{
    InvestmentInput in = row(PropertyInFull, startYear);
    in.field[ColPrice] = 150000;
    in.field[ColRent] = 800;
    in.field[ColRentIncrease] = 2;
    in.field[ColValueIncrease] = 2;
    return in;
}

inline InvestmentInput cashForCashflow(double startYear = 2020)
{
    InvestmentInput in = row(CashForCashflow, startYear);
    in.field[ColLumpSum] = 10000;
    in.field[ColMonthlyDeposit] = 0;
    in.field[ColDepositPeriod] = 5;
    in.field[ColPrice] = 10000;
    in.field[ColReturn] = 6;
    return in;
}

inline InvestmentInput saving(double startYear = 2020)
{
    InvestmentInput in = row(MonthlySaving, startYear);
    in.field[ColLumpSum] = 1000;
    in.field[ColMonthlyDeposit] = 100;
    return in;
}

inline InvestmentInput compounded(double startYear = 2020)
{
    InvestmentInput in = row(CompoundedInterest, startYear);
    in.field[ColLumpSum] = 1000;
    in.field[ColMonthlyDeposit] = 100;
    in.field[ColDepositPeriod] = 10;
    in.field[ColReturn] = 5;
    return in;
}

// The worked example of a type.
inline InvestmentInput exampleRow(int type, double startYear = 2020)
{
    switch (type) {
    case LeveragedProperty:
        return leveraged(startYear);
    case PropertyInFull:
        return inFull(startYear);
    case CashForCashflow:
        return cashForCashflow(startYear);
    case MonthlySaving:
        return saving(startYear);
    default:
        return compounded(startYear);
    }
}

} // namespace examples

#endif // EXAMPLEINVESTMENTS_H
