#include "model/Projection.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ThreadLocal.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

double FutureValue(double a, double r, double m, double t)
{
    if (t == 0.0)
        return a;
    const double monthly = r / 12.0;
    const double q = 1.0 + monthly;
    // A rate too small to change 1 + r / 12 grows nothing; the deposits still count.
    if (q == 1.0)
        return a + 12.0 * m * t;
    const double g = std::pow(q, 12.0 * t);
    if (m == 0.0)
        return a * g; // growth alone (rent, property value): no deposit term to divide
    return a * g + m * (g - 1.0) / monthly;
}

int ProjectedStartYear(const InvestmentInput &input)
{
    return std::clamp(TruncateToInt(input.value(ColStartYear)), -StartYearLimit, StartYearLimit);
}

int MortgagePaymentCount(double years)
{
    if (!(years > 0.0)) // also NaN
        return 0;
    const double months = 12.0 * years;
    if (months < 1.0)
        return 1;
    return TruncateToInt(months);
}

namespace {

// 1 - (1 + r)^-n: what the annuity of a loan divides the loan's monthly interest by.
double AnnuityDivisor(double monthlyRate, int payments)
{
    return 1.0 - std::pow(1.0 + monthlyRate, -static_cast<double>(payments));
}

// The annuity from its divisor, as AnnuityPayment gives it.
double AnnuityFrom(double loan, double monthlyRate, int payments, double divisor)
{
    if (payments <= 0 || loan == 0.0)
        return 0.0;
    // No interest, or too little to change 1 + r: the loan in equal parts.
    if (1.0 + monthlyRate == 1.0)
        return loan / payments;
    return loan * monthlyRate / divisor;
}

} // namespace

double AnnuityPayment(double loan, double monthlyRate, int payments)
{
    return AnnuityFrom(loan, monthlyRate, payments, AnnuityDivisor(monthlyRate, payments));
}

double RemainingPrincipal(double loan, double monthlyRate, int payments, long long paid)
{
    if (payments <= 0 || loan == 0.0 || paid >= payments)
        return 0.0;
    if (paid <= 0)
        return loan;
    const double left = static_cast<double>(payments - paid);
    if (1.0 + monthlyRate == 1.0)
        return loan * left / payments;
    // The present value of the payments left, as a share of that of all payments: exactly
    // the loan before the first payment, and no 0 / 0 for a rate too small to count.
    const double v = 1.0 / (1.0 + monthlyRate);
    return loan * (1.0 - std::pow(v, left)) / (1.0 - std::pow(v, static_cast<double>(payments)));
}

double Grown(double amount, double percent, double years)
{
    if (percent == 0.0)
        return amount;
    return FutureValue(amount, percent / 100.0, 0.0, years);
}

namespace {

double ClampRoi(double roi)
{
    // A NaN fails the comparison and becomes 0; +infinity is kept.
    return roi >= 0.0 ? roi : 0.0;
}

// The last few results of a pure function, per thread, for the rows of a portfolio that share
// their rates and terms (every row the generator adds does): a row takes the figures the row
// before computed, bit for bit the same. Keys compare as bytes, so a NaN key is found too.
template<typename Key, typename Value, int Size = 4>
class RecentResults
{
public:
    template<typename Make>
    Value get(const Key &key, const Make &make)
    {
        for (int i = 0; i < m_used; ++i) {
            if (std::memcmp(&m_keys[i], &key, sizeof key) == 0)
                return m_values[i];
        }
        const int slot = m_next;
        m_next = (m_next + 1) % Size;
        m_used = std::min(m_used + 1, Size);
        m_keys[slot] = key;
        m_values[slot] = make();
        return m_values[slot];
    }

private:
    // Plain data that starts as all zero (nothing used): a thread's copy needs no constructor,
    // so reaching it checks no guard.
    Key m_keys[Size];
    Value m_values[Size];
    int m_used;
    int m_next;
};

// The growth of one year at a typed yearly percentage: (1 + p / 1200)^12, 1 for 0 %.
double YearFactor(double percent)
{
    QUORVANT_THREAD_LOCAL RecentResults<double, double> recent;
    return recent.get(percent, [percent] { return percent == 0.0 ? 1.0 : FutureValue(1.0, percent / 100.0, 0.0, 1.0); });
}

// An amount grown by a typed yearly percentage, a year at a time: Grown(amount, percent, d)
// for d = first, first + 1, ... The first year takes the power itself, every later one the
// year before times the factor of one year (1 + p / 1200)^12, which stays within a few units
// in the last place of the power over 31 years and needs no pow call a year.
class YearlyGrowth
{
public:
    YearlyGrowth(double amount, double percent, double first)
        : m_factor(YearFactor(percent))
        , m_grown(Grown(amount, percent, first))
    {
    }

    double value() const { return m_grown; }
    void nextYear() { m_grown *= m_factor; }

private:
    double m_factor;
    double m_grown;
};

// What a mortgage's payment and remaining principal depend on besides the loan: the monthly
// rate and the number of payments.
struct MortgageTerms
{
    double monthlyRate;
    long long payments; // as wide as the rate, so that the key has no padding to compare
};

// The remaining principal after the payments of each whole year since the start, as a share
// of the loan: with v = 1 / (1 + r) the share left after k payments is (1 - v^(n-k)) / (1 - v^n).
// Going back from the last year, 1 - v^(m+12) = (1 - v^m) v^12 + (1 - v^12): two terms of the
// same sign, so the share keeps its precision to the final payment without a pow call a year.
// Rates for which that does not hold (none, too small to count, or 100 % a month and more)
// have no recurrence: their principal is RemainingPrincipal itself.
struct MortgageShape
{
    double annuityDivisor;
    bool recurrence;
    int last; // the last year with payments left: 12 d < n
    double all; // 1 - v^n
    double left[MaxYears]; // 1 - v^(n - 12 d) for d = 1 .. last
};

MortgageShape ShapeOf(double monthlyRate, int payments)
{
    MortgageShape shape {};
    shape.annuityDivisor = AnnuityDivisor(monthlyRate, payments);
    shape.recurrence = payments > 0 && std::isfinite(monthlyRate) && monthlyRate > -0.5 && 1.0 + monthlyRate != 1.0;
    if (!shape.recurrence)
        return shape;
    const double logV = -std::log1p(monthlyRate);
    shape.all = -std::expm1(payments * logV);
    const double yearShare = -std::expm1(12.0 * logV); // 1 - v^12
    const double yearFactor = 1.0 - yearShare; // v^12
    shape.last = std::min(MaxYears - 1, (payments - 1) / 12);
    double share = 0.0;
    for (int d = shape.last; d >= 1; --d) {
        share = d == shape.last ? -std::expm1((payments - 12.0 * d) * logV) : share * yearFactor + yearShare;
        shape.left[d] = share;
    }
    return shape;
}

MortgageShape RecentShape(double monthlyRate, int payments)
{
    QUORVANT_THREAD_LOCAL RecentResults<MortgageTerms, MortgageShape, 2> recent;
    return recent.get({ monthlyRate, payments }, [=] { return ShapeOf(monthlyRate, payments); });
}

// The remaining principal after each whole year since the start, as RemainingPrincipal gives
// it: principal[d] for d = 0 .. MaxYears - 1.
void PrincipalByYear(double loan, double monthlyRate, int payments, const MortgageShape &shape, double principal[MaxYears])
{
    if (loan == 0.0 || !shape.recurrence) {
        for (int d = 0; d < MaxYears; ++d)
            principal[d] = RemainingPrincipal(loan, monthlyRate, payments, 12LL * d);
        return;
    }
    principal[0] = loan;
    for (int d = 1; d <= shape.last; ++d)
        principal[d] = loan * shape.left[d] / shape.all;
    for (int d = shape.last + 1; d < MaxYears; ++d)
        principal[d] = 0.0;
}

// The years a row has records in: year indexes first .. end - 1, the first of them `years`
// since the row's start in calendar year `calendar`. Every type writes each of these records
// whole, so that nothing of an earlier projection survives; ProjectRow clears the others.
struct RowYears
{
    int first;
    int end;
    int start; // the row's start year
    long long calendar; // calendar year of year index `first`
    double years; // years since the start in year index `first`
};

// Property bought with a mortgage, or in full: the leveraged case without a loan, so no
// payment and no debt.
void ProjectProperty(const InvestmentInput &in, bool leveraged, const RowYears &span, ProjectionBlock &block,
    DebtMeasure debtShown, const CostAssumptions &costs)
{
    const double price = in.value(ColPrice);
    const double mortgageYears = in.value(ColMortgageYears);
    double loan = 0.0;
    double annuity = 0.0;
    double monthlyRate = 0.0;
    int payments = 0;
    double principalByYear[MaxYears];
    if (leveraged) {
        monthlyRate = in.value(ColInterest) / 12.0 / 100.0;
        loan = price * in.value(ColLoanToValue) / 100.0;
        payments = MortgagePaymentCount(mortgageYears);
        const MortgageShape shape = RecentShape(monthlyRate, payments);
        annuity = AnnuityFrom(loan, monthlyRate, payments, shape.annuityDivisor);
        PrincipalByYear(loan, monthlyRate, payments, shape, principalByYear);
    }

    // The purchase costs are paid from the own money in the start year.
    const double ownContribution = price - loan + PurchaseCosts(costs, price);
    const double termEnd = span.start + mortgageYears;
    YearlyGrowth rentByYear(in.value(ColRent), in.value(ColRentIncrease), span.years);
    YearlyGrowth valueByYear(price, in.value(ColValueIncrease), span.years);

    // The year before; a year before the row's start (or before the first record) counts as
    // all zero.
    double previousCash = 0.0;
    double previousCashFlow = 0.0;
    long long calendarYear = span.calendar;
    double d = span.years;
    for (int y = span.first; y < span.end; ++y, ++calendarYear, d += 1.0) {
        YearRecord record {};
        double *s = record.series;
        s[SerStartYear] = span.start;
        const double payment = static_cast<double>(calendarYear) < termEnd ? annuity : 0.0;
        s[SerPropertyValue] = valueByYear.value();
        // Rent after vacancy; maintenance, fixed charges and management beside the payment.
        const PropertyYearCosts year = PropertyCostsOfYear(costs, rentByYear.value(), s[SerPropertyValue]);
        rentByYear.nextYear();
        valueByYear.nextYear();
        block.runningCosts[y] = year.runningCosts;
        s[SerMonthlyCosts] = payment + year.runningCosts;
        s[SerMonthlyIncome] = year.income;
        s[SerMonthlyCashFlow] = s[SerMonthlyIncome] - s[SerMonthlyCosts];
        s[SerOwnContribution] = ownContribution;
        s[SerCash] = d == 0.0 ? -ownContribution : previousCash + 12.0 * previousCashFlow;
        // The payments still due. Without a payment nothing is due, also for an endless term
        // (0 × inf would otherwise give NaN).
        double due = payment == 0.0 ? 0.0 : 12.0 * payment * mortgageYears - 12.0 * d * payment;
        due = due < 0.0 ? 0.0 : due;
        // What is left of the loan after the twelve payments of each year since the start.
        if (!leveraged)
            block.principal[y] = 0.0;
        else if (d < MaxYears)
            block.principal[y] = principalByYear[static_cast<int>(d)];
        else
            block.principal[y] = RemainingPrincipal(loan, monthlyRate, payments, 12LL * (calendarYear - span.start));
        s[SerDebt] = debtShown == DebtMeasure::RemainingPrincipal ? block.principal[y] : due;
        s[SerAssets] = s[SerCash] + s[SerPropertyValue];
        s[SerRoi] = ClampRoi((s[SerAssets] - due) / s[SerOwnContribution] * 100.0 - 100.0);
        previousCash = s[SerCash];
        previousCashFlow = s[SerMonthlyCashFlow];
        block.years[y] = record;
    }
}

// Money lent out: the yearly return on the capital, the same in every year of the term.
void ProjectLending(const InvestmentInput &in, const RowYears &span, ProjectionBlock &block)
{
    const double price = in.value(ColPrice);
    const double lumpSum = in.value(ColLumpSum);
    const double period = in.value(ColDepositPeriod);
    const double yearlyReturn = in.value(ColReturn);
    const double yearlyGain
        = yearlyReturn != 0.0 ? FutureValue(lumpSum, yearlyReturn / 100.0, 0.0, 1.0) - lumpSum : 0.0;
    double previousCash = 0.0;
    double d = span.years;
    for (int y = span.first; y < span.end; ++y, d += 1.0) {
        YearRecord record {};
        double *s = record.series;
        s[SerStartYear] = span.start;
        s[SerOwnContribution] = price;
        if (d == 0.0) {
            s[SerCash] = -price;
            s[SerMonthlyIncome] = yearlyGain / 12.0;
        } else if (d <= period) {
            s[SerCash] = previousCash + yearlyGain;
            s[SerMonthlyIncome] = yearlyGain / 12.0;
        } else {
            s[SerCash] = previousCash;
        }
        s[SerMonthlyCashFlow] = s[SerMonthlyIncome];
        s[SerAssets] = s[SerCash];
        s[SerRoi] = ClampRoi(s[SerCash] / s[SerOwnContribution] * 100.0 - 100.0);
        previousCash = s[SerCash];
        block.years[y] = record;
    }
}

// Plain saving: the deposits added up, no return.
void ProjectSaving(const InvestmentInput &in, const RowYears &span, ProjectionBlock &block)
{
    const double lumpSum = in.value(ColLumpSum);
    const double monthlyDeposit = in.value(ColMonthlyDeposit);
    double d = span.years;
    for (int y = span.first; y < span.end; ++y, d += 1.0) {
        YearRecord record {};
        double *s = record.series;
        s[SerStartYear] = span.start;
        s[SerCash] = lumpSum + 12.0 * monthlyDeposit * d;
        s[SerAssets] = s[SerCash];
        block.years[y] = record;
    }
}

// Compounding savings, for a row without a price (a price makes the row count nothing).
void ProjectCompounding(const InvestmentInput &in, const RowYears &span, ProjectionBlock &block)
{
    const bool counts = in.isEmpty(ColPrice) || in.field[ColPrice] == 0.0;
    const double lumpSum = in.value(ColLumpSum);
    const double monthlyDeposit = in.value(ColMonthlyDeposit);
    const double period = in.value(ColDepositPeriod);
    const double yearlyReturn = in.value(ColReturn);

    // Balance after d years, FutureValue(lump sum, r, deposit, d) = a g + m (g - 1) / (r / 12)
    // with g = (1 + r / 12)^(12 d). Each year needs the balance of that year and of the next.
    // Years follow each other, so g - 1 is carried from year to year, (g' - 1) = (g - 1) f +
    // (f - 1) with f the growth of one year: both terms have the same sign, so g - 1 keeps its
    // precision where 1 - g is small, and no pow is needed a year.
    const double monthlyReturn = yearlyReturn / 100.0 / 12.0;
    const bool carried = yearlyReturn != 0.0 && 1.0 + monthlyReturn != 1.0 && std::isfinite(monthlyReturn)
        && monthlyReturn > -0.5;
    const double yearGrowthLess1 = carried ? std::expm1(12.0 * std::log1p(monthlyReturn)) : 0.0;
    const double yearGrowth = 1.0 + yearGrowthLess1;
    double grownLess1 = 0.0; // g - 1 of year grownFor
    double grownFor = -2.0;
    auto balance = [&](double d) {
        if (!carried) {
            if (yearlyReturn == 0.0)
                return lumpSum + 12.0 * monthlyDeposit * d;
            return FutureValue(lumpSum, yearlyReturn / 100.0, monthlyDeposit, d);
        }
        if (d != grownFor) {
            grownLess1 = d == grownFor + 1.0 ? grownLess1 * yearGrowth + yearGrowthLess1
                                             : std::expm1(12.0 * d * std::log1p(monthlyReturn));
            grownFor = d;
        }
        return lumpSum * (1.0 + grownLess1) + monthlyDeposit * grownLess1 / monthlyReturn;
    };

    double previousCash = 0.0;
    double d = span.years;
    for (int y = span.first; y < span.end; ++y, d += 1.0) {
        YearRecord record {};
        double *s = record.series;
        s[SerStartYear] = span.start;
        if (counts) {
            s[SerOwnContribution] = lumpSum + 12.0 * monthlyDeposit * d;
            if (d <= period) {
                // The income is the interest of the coming year: the growth of the balance by
                // the next year less the twelve deposits that go into it.
                s[SerCash] = balance(d);
                const double next = balance(d + 1.0);
                s[SerMonthlyIncome] = (next - s[SerCash] - 12.0 * monthlyDeposit) / 12.0;
            } else {
                s[SerCash] = previousCash;
            }
            s[SerAssets] = s[SerCash];
            s[SerMonthlyCashFlow] = s[SerMonthlyIncome];
        }
        s[SerRoi] = ClampRoi(s[SerAssets] / s[SerOwnContribution] * 100.0 - 100.0);
        previousCash = s[SerCash];
        block.years[y] = record;
    }
}

// An unknown type: only its start year, and a ROI of 0.
void ProjectUnknown(const RowYears &span, ProjectionBlock &block)
{
    for (int y = span.first; y < span.end; ++y) {
        YearRecord record {};
        record.series[SerStartYear] = span.start;
        block.years[y] = record;
    }
}

} // namespace

void ProjectRow(const InvestmentInput &in, int baseYear, int yearCount, ProjectionBlock &block, DebtMeasure debtShown,
    const CostAssumptions &costs)
{
    // The type index truncated; a NaN index is no type at all (TruncateToInt would make it 0).
    const int type = std::isnan(in.field[ColType]) ? -1 : TruncateToInt(in.field[ColType]);
    RowYears span;
    span.start = ProjectedStartYear(in);
    span.end = std::clamp(yearCount, 0, MaxYears);
    // Years before the row's start hold nothing.
    span.first = static_cast<int>(std::clamp<long long>(static_cast<long long>(span.start) - baseYear, 0, span.end));
    span.calendar = static_cast<long long>(baseYear) + span.first;
    span.years = static_cast<double>(span.calendar - span.start);

    block.projected = true;
    const auto clear = [&block](int from, int to) {
        if (from >= to)
            return;
        std::fill(block.years + from, block.years + to, YearRecord {});
        std::fill(block.principal + from, block.principal + to, 0.0);
        std::fill(block.runningCosts + from, block.runningCosts + to, 0.0);
    };
    clear(0, span.first);
    clear(span.end, MaxYears);
    // The types that write no principal or running costs leave those at 0 in their years.
    if (type != LeveragedProperty && type != PropertyInFull && span.first < span.end) {
        std::fill(block.principal + span.first, block.principal + span.end, 0.0);
        std::fill(block.runningCosts + span.first, block.runningCosts + span.end, 0.0);
    }

    switch (type) {
    case LeveragedProperty:
    case PropertyInFull:
        ProjectProperty(in, type == LeveragedProperty, span, block, debtShown, costs);
        break;
    case CashForCashflow:
        ProjectLending(in, span, block);
        break;
    case MonthlySaving:
        ProjectSaving(in, span, block);
        break;
    case CompoundedInterest:
        ProjectCompounding(in, span, block);
        break;
    default:
        ProjectUnknown(span, block);
        break;
    }
}
