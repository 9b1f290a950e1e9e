#include "model/Projection.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"

#include <algorithm>
#include <climits>
#include <cmath>

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

double AnnuityPayment(double loan, double monthlyRate, int payments)
{
    if (payments <= 0 || loan == 0.0)
        return 0.0;
    // No interest, or too little to change 1 + r: the loan in equal parts.
    if (1.0 + monthlyRate == 1.0)
        return loan / payments;
    return loan * monthlyRate / (1.0 - std::pow(1.0 + monthlyRate, -static_cast<double>(payments)));
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

// An amount grown by a typed yearly percentage, a year at a time: Grown(amount, percent, d)
// for d = first, first + 1, ... The first year takes the power itself, every later one the
// year before times the factor of one year (1 + p / 1200)^12, which stays within a few units
// in the last place of the power over 31 years and needs no pow call a year.
class YearlyGrowth
{
public:
    YearlyGrowth(double amount, double percent)
        : m_amount(amount)
        , m_percent(percent)
        , m_factor(percent == 0.0 ? 1.0 : FutureValue(1.0, percent / 100.0, 0.0, 1.0))
    {
    }

    // The amount in year d since the start; called with d rising by one after the first call.
    double at(double d)
    {
        if (m_started && d == m_d + 1.0)
            m_grown *= m_factor;
        else
            m_grown = Grown(m_amount, m_percent, d);
        m_started = true;
        m_d = d;
        return m_grown;
    }

private:
    double m_amount;
    double m_percent;
    double m_factor;
    double m_grown = 0.0;
    double m_d = 0.0;
    bool m_started = false;
};

// The remaining principal after the payments of each whole year since the start, as
// RemainingPrincipal gives it, a table per row: principal[d] for d = 0 .. MaxYears - 1.
// With v = 1 / (1 + r) the share left after k payments is (1 - v^(n-k)) / (1 - v^n). Going
// back from the last year, 1 - v^(m+12) = (1 - v^m) v^12 + (1 - v^12): two terms of the same
// sign, so the share keeps its precision to the final payment without a pow call a year.
// Rates for which that does not hold (none, too small to count, or 100 % a month and more)
// take RemainingPrincipal itself.
void PrincipalByYear(double loan, double monthlyRate, int payments, double principal[MaxYears])
{
    const bool recurrence = loan != 0.0 && payments > 0 && std::isfinite(monthlyRate)
        && monthlyRate > -0.5 && 1.0 + monthlyRate != 1.0;
    if (!recurrence) {
        for (int d = 0; d < MaxYears; ++d)
            principal[d] = RemainingPrincipal(loan, monthlyRate, payments, 12LL * d);
        return;
    }
    const double logV = -std::log1p(monthlyRate);
    const double all = -std::expm1(payments * logV); // 1 - v^n
    const double yearShare = -std::expm1(12.0 * logV); // 1 - v^12
    const double yearFactor = 1.0 - yearShare; // v^12
    principal[0] = loan;
    // The last year with payments left: 12 d < n.
    const int last = std::min(MaxYears - 1, (payments - 1) / 12);
    for (int d = last + 1; d < MaxYears; ++d)
        principal[d] = 0.0;
    double share = 0.0; // 1 - v^(n - 12 d)
    for (int d = last; d >= 1; --d) {
        share = d == last ? -std::expm1((payments - 12.0 * d) * logV) : share * yearFactor + yearShare;
        principal[d] = loan * share / all;
    }
}

} // namespace

void ProjectRow(const InvestmentInput &in, int baseYear, int yearCount, ProjectionBlock &block, DebtMeasure debtShown,
    const CostAssumptions &costs)
{
    block.reset();
    block.projected = true;

    // The type index truncated; a NaN index is no type at all (TruncateToInt would make it 0).
    const int type = std::isnan(in.field[ColType]) ? -1 : TruncateToInt(in.field[ColType]);
    const int start = ProjectedStartYear(in);
    const int years = std::clamp(yearCount, 0, MaxYears);

    const double price = in.value(ColPrice);
    const double rent = in.value(ColRent);
    const double rentIncrease = in.value(ColRentIncrease);
    const double valueIncrease = in.value(ColValueIncrease);
    const double lumpSum = in.value(ColLumpSum);
    const double monthlyDeposit = in.value(ColMonthlyDeposit);
    const double period = in.value(ColDepositPeriod);
    const double yearlyReturn = in.value(ColReturn);

    // Leveraged property: loan, payment count and the annuity of its term.
    const double mortgageYears = in.value(ColMortgageYears);
    double loan = 0.0;
    double annuity = 0.0;
    double monthlyRate = 0.0;
    int payments = 0;
    if (type == LeveragedProperty) {
        monthlyRate = in.value(ColInterest) / 12.0 / 100.0;
        loan = price * in.value(ColLoanToValue) / 100.0;
        payments = MortgagePaymentCount(mortgageYears);
        annuity = AnnuityPayment(loan, monthlyRate, payments);
    }

    const double purchaseCosts
        = (type == LeveragedProperty || type == PropertyInFull) ? PurchaseCosts(costs, price) : 0.0;

    // Money lent out: the yearly return on the capital, the same in every year.
    double yearlyGain = 0.0;
    if (type == CashForCashflow && yearlyReturn != 0.0)
        yearlyGain = FutureValue(lumpSum, yearlyReturn / 100.0, 0.0, 1.0) - lumpSum;

    // Compounding savings: balance after d years, FutureValue(lump sum, r, deposit, d) =
    // a g + m (g - 1) / (r / 12) with g = (1 + r / 12)^(12 d). Each year needs the balance of
    // that year and of the next. Years follow each other, so g - 1 is carried from year to
    // year, (g' - 1) = (g - 1) f + (f - 1) with f the growth of one year: both terms have the
    // same sign, so g - 1 keeps its precision where 1 - g is small, and no pow is needed a year.
    const double monthlyReturn = yearlyReturn / 100.0 / 12.0;
    const bool carried = type == CompoundedInterest && yearlyReturn != 0.0 && 1.0 + monthlyReturn != 1.0
        && std::isfinite(monthlyReturn) && monthlyReturn > -0.5;
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

    YearlyGrowth rentByYear(rent, rentIncrease);
    YearlyGrowth valueByYear(price, valueIncrease);
    double principalByYear[MaxYears];
    if (type == LeveragedProperty)
        PrincipalByYear(loan, monthlyRate, payments, principalByYear);

    for (int y = 0; y < years; ++y) {
        const long long calendarYear = static_cast<long long>(baseYear) + y;
        if (start > calendarYear)
            continue;
        double *s = block.years[y].series;
        const double d = static_cast<double>(calendarYear - start);
        // The previous year of the same row; a year before the row's start (or before
        // the first record) counts as all zero.
        const double *prev = (d > 0.0 && y > 0) ? block.years[y - 1].series : nullptr;
        auto previous = [prev](int series) { return prev ? prev[series] : 0.0; };

        s[SerStartYear] = start;
        double roi = 0.0;

        switch (type) {
        case LeveragedProperty:
        case PropertyInFull: {
            // Property bought in full is the leveraged case without a loan: no payment, no debt.
            const bool inTerm = static_cast<double>(calendarYear) < start + mortgageYears;
            const double payment = inTerm ? annuity : 0.0;
            s[SerPropertyValue] = valueByYear.at(d);
            // Rent after vacancy; maintenance, fixed charges and management beside the payment.
            const PropertyYearCosts year = PropertyCostsOfYear(costs, rentByYear.at(d), s[SerPropertyValue]);
            block.runningCosts[y] = year.runningCosts;
            s[SerMonthlyCosts] = payment + year.runningCosts;
            s[SerMonthlyIncome] = year.income;
            s[SerMonthlyCashFlow] = s[SerMonthlyIncome] - s[SerMonthlyCosts];
            // The purchase costs are paid from the own money in the start year.
            s[SerOwnContribution] = price - loan + purchaseCosts;
            s[SerCash] = d == 0.0 ? -s[SerOwnContribution]
                                  : previous(SerCash) + 12.0 * previous(SerMonthlyCashFlow);
            // The payments still due. Without a payment nothing is due, also for an endless term
            // (0 × inf would otherwise give NaN).
            double due = payment == 0.0 ? 0.0 : 12.0 * payment * mortgageYears - 12.0 * d * payment;
            due = due < 0.0 ? 0.0 : due;
            // What is left of the loan after the twelve payments of each year since the start.
            block.principal[y] = type == LeveragedProperty && d < MaxYears ? principalByYear[static_cast<int>(d)]
                                                                            : RemainingPrincipal(loan, monthlyRate, payments, 12LL * (calendarYear - start));
            s[SerDebt] = debtShown == DebtMeasure::RemainingPrincipal ? block.principal[y] : due;
            s[SerAssets] = s[SerCash] + s[SerPropertyValue];
            roi = (s[SerAssets] - due) / s[SerOwnContribution] * 100.0 - 100.0;
            break;
        }
        case CashForCashflow:
            s[SerOwnContribution] = price;
            if (d == 0.0) {
                s[SerCash] = -price;
                s[SerMonthlyIncome] = yearlyGain / 12.0;
            } else if (d <= period) {
                s[SerCash] = previous(SerCash) + yearlyGain;
                s[SerMonthlyIncome] = yearlyGain / 12.0;
            } else {
                s[SerCash] = previous(SerCash);
                s[SerMonthlyIncome] = 0.0;
            }
            s[SerMonthlyCashFlow] = s[SerMonthlyIncome];
            s[SerAssets] = s[SerCash];
            roi = s[SerCash] / s[SerOwnContribution] * 100.0 - 100.0;
            break;
        case MonthlySaving:
            s[SerCash] = lumpSum + 12.0 * monthlyDeposit * d;
            s[SerAssets] = s[SerCash];
            roi = 0.0;
            break;
        case CompoundedInterest:
            if (in.isEmpty(ColPrice) || in.field[ColPrice] == 0.0) {
                s[SerOwnContribution] = lumpSum + 12.0 * monthlyDeposit * d;
                if (d <= period) {
                    // The income is the interest of the coming year: the growth of the balance
                    // by the next year less the twelve deposits that go into it.
                    s[SerCash] = balance(d);
                    const double next = balance(d + 1.0);
                    s[SerMonthlyIncome] = (next - s[SerCash] - 12.0 * monthlyDeposit) / 12.0;
                } else {
                    s[SerCash] = previous(SerCash);
                    s[SerMonthlyIncome] = 0.0;
                }
                s[SerAssets] = s[SerCash];
                s[SerMonthlyCashFlow] = s[SerMonthlyIncome];
            }
            roi = s[SerAssets] / s[SerOwnContribution] * 100.0 - 100.0;
            break;
        default:
            break; // an unknown type writes only its start year and a ROI of 0
        }
        s[SerRoi] = ClampRoi(roi);
    }
}
