#include "generator/GeneratorMath.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"
#include "model/Projection.h"

#include <algorithm>
#include <limits>

double GeneratorParameterFromText(const QString &text)
{
    return NumberFromText(text).value_or(0.0);
}

bool RunCanStart(const GeneratorParameters &p)
{
    return IsValidStartYear(p.field[0]);
}

int GeneratorYearCount(int maxJaren)
{
    return std::clamp(maxJaren, 0, MaxYears);
}

double GeneratedPrice(double firstPrice, double valueIncreasePercent, int yearIndex)
{
    return Grown(firstPrice, valueIncreasePercent, yearIndex);
}

int FillPriceTable(double firstPrice, double valueIncreasePercent, int maxJaren, double (&table)[MaxYears])
{
    const int count = GeneratorYearCount(maxJaren);
    for (int l = 0; l < count; ++l)
        table[l] = GeneratedPrice(firstPrice, valueIncreasePercent, l);
    return count;
}

double GeneratedRent(double firstRent, double rentIncreasePercent, int yearIndex)
{
    return Grown(firstRent, rentIncreasePercent, yearIndex);
}

double MoneyNeeded(int kind, const GeneratorParameters &p, double price, const CostAssumptions &costs)
{
    switch (kind) {
    case LeveragedProperty:
        return (1.0 - p.field[GenLoanToValue] / 100.0) * price + PurchaseCosts(costs, price);
    case PropertyInFull:
        return price + PurchaseCosts(costs, price);
    case CashForCashflow:
        return p.field[GenMinimumDeposit];
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

double CashTotal(const InvestmentStore &store, double calendarYear)
{
    const int base = store.earliestStartYear();
    if (base == InvestmentStore::NoBaseYear)
        return 0.0;
    const long long index = static_cast<long long>(TruncateToInt(calendarYear)) - base;
    if (index < 0 || index >= GeneratorYearCount(store.maxJaren()))
        return 0.0;
    const int rows = std::clamp(store.maxInvestment(), 0, MaxRows);
    double total = 0.0;
    for (int r = 0; r < rows; ++r) {
        if (const YearRecord *record = store.record(r, static_cast<int>(index)))
            total += record->series[SerCash];
    }
    // The Box 3 tax of the years before has been paid from it.
    if (store.costTax().box3.regime != Box3Regime::Off)
        total -= store.box3TaxBefore(static_cast<int>(index));
    return total;
}

bool WritesSingleCashRow(int kind, const GeneratorParameters &p)
{
    return kind == CashForCashflow && p.field[GenMinimumDeposit] == 0.0;
}

InvestmentInput SavingsPlanRecord(const GeneratorParameters &p)
{
    InvestmentInput record;
    record.setAllEmpty();
    record.field[ColType] = MonthlySaving;
    record.field[ColStartYear] = p.field[GenBeginYear];
    record.field[ColLumpSum] = p.field[GenLumpSum];
    record.field[ColMonthlyDeposit] = p.field[GenMonthlyDeposit];
    record.field[ColReturn] = 0.0;
    return record;
}

InvestmentInput PurchaseTemplate(int kind, const GeneratorParameters &p)
{
    InvestmentInput record;
    record.setAllEmpty();
    record.field[ColType] = kind;
    record.field[ColStartYear] = p.field[GenBeginYear];
    switch (kind) {
    case LeveragedProperty:
        record.field[ColLoanToValue] = p.field[GenLoanToValue];
        record.field[ColInterest] = p.field[GenInterest];
        record.field[ColMortgageYears] = p.field[GenMortgageYears];
        Q_FALLTHROUGH();
    case PropertyInFull:
        record.field[ColPrice] = p.field[GenPrice];
        record.field[ColRent] = p.field[GenRent];
        record.field[ColRentIncrease] = p.field[GenRentIncrease];
        record.field[ColValueIncrease] = p.field[GenValueIncrease];
        break;
    case CashForCashflow: {
        const double minimum = p.field[GenMinimumDeposit];
        record.field[ColDepositPeriod] = p.field[GenDepositPeriod];
        record.field[ColPrice] = minimum;
        record.field[ColReturn] = p.field[GenReturn];
        if (minimum == 0.0) {
            // The single row carries the panel's lump sum and monthly deposit.
            record.field[ColLumpSum] = p.field[GenLumpSum];
            record.field[ColMonthlyDeposit] = p.field[GenMonthlyDeposit];
        } else {
            // Every purchase lends out exactly the minimum deposit.
            record.field[ColLumpSum] = minimum;
            record.field[ColMonthlyDeposit] = 0.0;
        }
        break;
    }
    default:
        break;
    }
    return record;
}

int GeneratedRowType(double typeField)
{
    const int type = TruncateToInt(typeField);
    return (type >= 0 && type < InvestmentTypeCount) ? type : 0;
}

QString GeneratedCellText(double value)
{
    if (value == EmptyField)
        return QString();
    return QString::number(value, 'g', 6);
}

int FirstIncompleteRow(const InvestmentStore &store)
{
    for (int r = 0; r < MaxRows; ++r) {
        if (!store.isRowComplete(r))
            return r;
    }
    return -1;
}

void RunPurchases(const InvestmentStore &store, int kind, const GeneratorParameters &p,
    const std::function<bool(const InvestmentInput &)> &write)
{
    if (kind < 0 || kind >= GeneratorKindCount)
        return;
    const double beginYear = p.field[GenBeginYear];
    InvestmentInput record = PurchaseTemplate(kind, p);
    const bool property = kind == LeveragedProperty || kind == PropertyInFull;
    const bool singleRow = WritesSingleCashRow(kind, p);

    double prices[MaxYears] = {};
    const int years = property ? FillPriceTable(p.field[GenPrice], p.field[GenValueIncrease], store.maxJaren(), prices)
                               : GeneratorYearCount(store.maxJaren());
    int l = 0;
    while (l < years) {
        const double cash = CashTotal(store, beginYear + l);
        const double price = property ? prices[l] : 0.0;
        const double need = singleRow ? 0.0 : MoneyNeeded(kind, p, price, store.costTax().costs);
        if (!singleRow && !CoversNeed(cash, need)) {
            ++l;
            continue;
        }
        record.field[ColStartYear] = beginYear + l;
        if (property) {
            record.field[ColPrice] = price;
            record.field[ColRent] = GeneratedRent(p.field[GenRent], p.field[GenRentIncrease], l);
        }
        const int target = FirstIncompleteRow(store);
        if (!write(record))
            break; // no row is free
        if (singleRow)
            break;
        // A row that did not become complete leaves the cash as it was: staying would only
        // overwrite it again, so the run goes on with the next year.
        if (StaysInYear(cash, need) && store.isRowComplete(target))
            continue;
        ++l;
    }
}
