#ifndef EXAMPLEINVESTMENTS_H
#define EXAMPLEINVESTMENTS_H

// The investments of the worked examples, as input records, shared by the engine's tests and
// benchmarks. All start in 2020 unless told otherwise. Also the few block helpers the tests share.

#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"
#include "model/Projection.h"
#include "model/ProjectionBlock.h"

#include <cstring>

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

// A figure quoted to two decimals.
constexpr double Cent = 0.005 + 1e-9;

// A fresh block with `in` projected into it.
inline ProjectionBlock project(const InvestmentInput &in, int baseYear, int years = MaxYears)
{
    ProjectionBlock block;
    block.reset();
    ProjectRow(in, baseYear, years, block);
    return block;
}

inline bool sameBlock(const ProjectionBlock &a, const ProjectionBlock &b)
{
    return a.projected == b.projected && std::memcmp(a.years, b.years, sizeof a.years) == 0;
}

inline bool recordIsZero(const ProjectionBlock &block, int yearIndex)
{
    for (double v : block.years[yearIndex].series) {
        if (v != 0.0)
            return false;
    }
    return true;
}

inline bool blockIsZero(const ProjectionBlock &block)
{
    for (int y = 0; y < MaxYears; ++y) {
        if (!recordIsZero(block, y))
            return false;
    }
    return true;
}

} // namespace examples

#endif // EXAMPLEINVESTMENTS_H
