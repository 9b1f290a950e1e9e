#ifndef INVESTMENTINPUT_H
#define INVESTMENTINPUT_H

// Marks a field whose cell is empty. -1 typed into a cell therefore also reads as empty.
constexpr double EmptyField = -1.0;

// Input columns of the grid "Vastgoed"; the column index is the field index.
enum InputColumn {
    ColType = 0,
    ColStartYear = 1, // "Jaartal"
    ColLumpSum = 2, // "Inleg/1x"
    ColMonthlyDeposit = 3, // "Inleg/maand"
    ColDepositPeriod = 4, // "Inleg periode(j)" / "Duurtijd(j)"
    ColSeparator1 = 5,
    ColPrice = 6, // "Kostprijs" / "Min. inleg"
    ColRent = 7, // "Huur/maand"
    ColRentIncrease = 8, // "Huurstijging/j(%)"
    ColValueIncrease = 9, // "Waardestijging/j(%)"
    ColSeparator2 = 10,
    ColLoanToValue = 11, // "LTV(%)"
    ColInterest = 12, // "rente(%)"
    ColMortgageYears = 13, // "Hypotheek jaren"
    ColSeparator3 = 14,
    ColReturn = 15, // "Rendement"
    FieldCount = 16
};

// The numeric copy of one input row.
struct InvestmentInput
{
    double field[FieldCount];

    void fill(double value)
    {
        for (double &f : field)
            f = value;
    }
    void setAllEmpty() { fill(EmptyField); }
    bool isEmpty(int column) const { return field[column] == EmptyField; }
    // The value a formula uses: an empty field counts as 0.
    double value(int column) const { return isEmpty(column) ? 0.0 : field[column]; }
};

#endif // INVESTMENTINPUT_H
