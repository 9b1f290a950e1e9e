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

    // Compounding savings: balance after d years.
    auto balance = [&](double d) {
        if (yearlyReturn == 0.0)
            return lumpSum + 12.0 * monthlyDeposit * d;
        return FutureValue(lumpSum, yearlyReturn / 100.0, monthlyDeposit, d);
    };

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
            s[SerPropertyValue] = Grown(price, valueIncrease, d);
            // Rent after vacancy; maintenance, fixed charges and management beside the payment.
            const PropertyYearCosts year = PropertyCostsOfYear(costs, Grown(rent, rentIncrease, d), s[SerPropertyValue]);
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
            block.principal[y] = RemainingPrincipal(loan, monthlyRate, payments, 12LL * (calendarYear - start));
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
                    s[SerMonthlyIncome] = (balance(d + 1.0) - s[SerCash] - 12.0 * monthlyDeposit) / 12.0;
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
