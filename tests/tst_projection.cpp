// The yearly projection of one investment: the growth function, the mortgage helpers and
// ProjectRow for all five types, checked against hand-computed figures.

#include "ExampleInvestments.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"
#include "model/Projection.h"
#include "model/ProjectionBlock.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr double Cent = 0.005 + 1e-9; // a figure quoted to two decimals
constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

using namespace examples;

InvestmentInput example(const QByteArray &name)
{
    if (name == "leveraged")
        return leveraged();
    if (name == "inFull")
        return inFull();
    if (name == "cashForCashflow")
        return cashForCashflow();
    if (name == "saving")
        return saving();
    return compounded();
}

ProjectionBlock project(const InvestmentInput &in, int baseYear = 2020, int years = MaxYears)
{
    ProjectionBlock block;
    block.reset();
    ProjectRow(in, baseYear, years, block);
    return block;
}

double at(const ProjectionBlock &block, int yearIndex, int series)
{
    return block.years[yearIndex].series[series];
}

bool sameBlock(const ProjectionBlock &a, const ProjectionBlock &b)
{
    return a.projected == b.projected && std::memcmp(a.years, b.years, sizeof a.years) == 0;
}

bool recordIsZero(const ProjectionBlock &block, int yearIndex)
{
    for (double v : block.years[yearIndex].series) {
        if (v != 0.0)
            return false;
    }
    return true;
}

// The balance of a savings account simulated month by month: interest on the balance,
// then the deposit at the end of the month.
double simulatedBalance(double a, double yearlyRate, double monthly, int months)
{
    double balance = a;
    for (int k = 0; k < months; ++k)
        balance = balance * (1.0 + yearlyRate / 12.0) + monthly;
    return balance;
}

} // namespace

class TestProjection : public QObject
{
    Q_OBJECT

private slots:
    void futureValue_data();
    void futureValue();
    void futureValueTinyRateKeepsDeposits();
    void annuityPayment_data();
    void annuityPayment();
    void paymentCount_data();
    void paymentCount();
    void startYear_data();
    void startYear();
    void fieldFromText_data();
    void fieldFromText();

    void workedExamples_data();
    void workedExamples();
    void baseYearBeforeStartLeavesEarlyRecords();
    void seriesNotWrittenStayZero_data();
    void seriesNotWrittenStayZero();

    void zeroInterestRepaysLoanInEqualParts_data();
    void zeroInterestRepaysLoanInEqualParts();
    void mortgageTermZero();
    void loanToValueZeroIsPropertyInFull();
    void loanToValueHundredGivesInfiniteOrZeroRoi();
    void noGrowthKeepsRentAndValue_data();
    void noGrowthKeepsRentAndValue();
    void cashForCashflowDurationZero();
    void cashForCashflowWithoutReturn_data();
    void cashForCashflowWithoutReturn();
    void compoundedWithPriceWritesOnlyStartYearAndRoi_data();
    void compoundedWithPriceWritesOnlyStartYearAndRoi();
    void compoundedWithoutReturnIsLinear();
    void compoundedNegativePeriodReadsNoEarlierRecord();
    void startYearAfterHorizon();
    void startYearBeforeBaseYearReadsNoEarlierRecord();
    void unknownType_data();
    void unknownType();
    void fractionalTypeIndexIsTruncated();

    void blockIsResetBeforeProjection();
    void fractionalStartYearIsTruncated_data();
    void fractionalStartYearIsTruncated();
    void mortgageTermUnderAMonth_data();
    void mortgageTermUnderAMonth();
    void endlessOrUnreadableMortgageTerm_data();
    void endlessOrUnreadableMortgageTerm();
    void extremeInputsStayDefined();
};

void TestProjection::futureValue_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("monthly");
    QTest::addColumn<int>("months");

    QTest::newRow("lump sum, 1 year") << 1000.0 << 0.05 << 0.0 << 12;
    QTest::newRow("deposits only, 1 year") << 0.0 << 0.05 << 100.0 << 12;
    QTest::newRow("both, 10 years") << 1000.0 << 0.05 << 100.0 << 120;
    QTest::newRow("negative rate") << 5000.0 << -0.02 << 0.0 << 36;
    QTest::newRow("half a year") << 1000.0 << 0.05 << 100.0 << 6;
    QTest::newRow("30 years") << 250.0 << 0.08 << 25.0 << 360;
}

void TestProjection::futureValue()
{
    QFETCH(double, a);
    QFETCH(double, rate);
    QFETCH(double, monthly);
    QFETCH(int, months);
    const double expected = simulatedBalance(a, rate, monthly, months);
    const double actual = FutureValue(a, rate, monthly, months / 12.0);
    QVERIFY2(std::fabs(actual - expected) <= 1e-9 * std::fabs(expected),
        qPrintable(QStringLiteral("%1 vs %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));

    // No time, no growth: the start amount alone, deposits included.
    QCOMPARE(FutureValue(a, rate, monthly, 0.0), a);
}

void TestProjection::futureValueTinyRateKeepsDeposits()
{
    // 1 + r / 12 rounds to 1: the deposits must not vanish into 0 / r.
    const double value = FutureValue(1000.0, 1e-18, 100.0, 10.0);
    QCOMPARE(value, 1000.0 + 12.0 * 100.0 * 10.0);
}

void TestProjection::annuityPayment_data()
{
    QTest::addColumn<double>("loan");
    QTest::addColumn<double>("monthlyRate");
    QTest::addColumn<int>("payments");
    QTest::addColumn<double>("expected");

    QTest::newRow("worked example") << 160000.0 << 0.0025 << 240 << 887.36;
    QTest::newRow("30 years at 6%") << 100000.0 << 0.005 << 360 << 599.55;
    QTest::newRow("no interest") << 120000.0 << 0.0 << 240 << 500.0;
    QTest::newRow("one payment") << 1000.0 << 0.01 << 1 << 1010.0;
    QTest::newRow("no payments") << 1000.0 << 0.01 << 0 << 0.0;
    QTest::newRow("no loan") << 0.0 << 0.01 << 240 << 0.0;
}

void TestProjection::annuityPayment()
{
    QFETCH(double, loan);
    QFETCH(double, monthlyRate);
    QFETCH(int, payments);
    QFETCH(double, expected);
    QVERIFY(std::fabs(AnnuityPayment(loan, monthlyRate, payments) - expected) <= Cent);
}

void TestProjection::paymentCount_data()
{
    QTest::addColumn<double>("years");
    QTest::addColumn<int>("expected");

    QTest::newRow("20 years") << 20.0 << 240;
    QTest::newRow("20.5 years") << 20.5 << 246;
    QTest::newRow("20.05 years truncated") << 20.05 << 240;
    QTest::newRow("one month") << 1.0 / 12.0 << 1;
    QTest::newRow("under a month") << 0.05 << 1;
    QTest::newRow("a tiny term") << 1e-300 << 1;
    QTest::newRow("no term") << 0.0 << 0;
    QTest::newRow("negative") << -5.0 << 0;
    QTest::newRow("NaN") << NaN << 0;
    QTest::newRow("-inf") << -Inf << 0;
    QTest::newRow("+inf saturates") << Inf << INT_MAX;
    QTest::newRow("1e300 saturates") << 1e300 << INT_MAX;
}

void TestProjection::paymentCount()
{
    QFETCH(double, years);
    QFETCH(int, expected);
    QCOMPARE(MortgagePaymentCount(years), expected);
}

void TestProjection::startYear_data()
{
    QTest::addColumn<double>("field");
    QTest::addColumn<int>("expected");

    QTest::newRow("whole") << 2020.0 << 2020;
    QTest::newRow("fraction") << 2020.9 << 2020;
    QTest::newRow("negative fraction toward zero") << -0.5 << 0;
    QTest::newRow("empty counts as 0") << EmptyField << 0;
    QTest::newRow("NaN") << NaN << 0;
    QTest::newRow("+inf") << Inf << StartYearLimit;
    QTest::newRow("-inf") << -Inf << -StartYearLimit;
    QTest::newRow("1e300") << 1e300 << StartYearLimit;
    QTest::newRow("-3e9") << -3e9 << -StartYearLimit;
}

void TestProjection::startYear()
{
    QFETCH(double, field);
    QFETCH(int, expected);
    InvestmentInput in = row(MonthlySaving, field);
    QCOMPARE(ProjectedStartYear(in), expected);
}

void TestProjection::fieldFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << -1.0;
    QTest::newRow("-1 typed is empty") << "-1" << -1.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("blanks around") << " 12 " << 12.0;
    QTest::newRow("fraction") << "2020.5" << 2020.5;
    QTest::newRow("decimal comma does not convert") << "1,5" << 0.0;
    QTest::newRow("overflow does not convert") << "1e999" << 0.0;
    QTest::newRow("negative overflow") << "-1e999" << 0.0;
    QTest::newRow("inf") << "inf" << Inf;
    QTest::newRow("-inf") << "-inf" << -Inf;
    QTest::newRow("nan") << "nan" << NaN;
}

void TestProjection::fieldFromText()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = FieldFromText(text);
    if (std::isnan(expected))
        QVERIFY(std::isnan(value));
    else
        QCOMPARE(value, expected);
}

void TestProjection::workedExamples_data()
{
    QTest::addColumn<QByteArray>("investment");
    QTest::addColumn<int>("baseYear");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("expected");

    struct Figure
    {
        const char *investment;
        int year;
        int series;
        double expected;
    };
    const Figure figures[] = {
        { "leveraged", 2020, SerStartYear, 2020 },
        { "leveraged", 2020, SerCash, -40000 },
        { "leveraged", 2020, SerPropertyValue, 200000 },
        { "leveraged", 2020, SerAssets, 160000 },
        { "leveraged", 2020, SerOwnContribution, 40000 },
        { "leveraged", 2020, SerDebt, 212965.48 },
        { "leveraged", 2020, SerMonthlyIncome, 1000 },
        { "leveraged", 2020, SerMonthlyCosts, 887.36 },
        { "leveraged", 2020, SerMonthlyCashFlow, 112.64 },
        { "leveraged", 2020, SerRoi, 0 },
        { "leveraged", 2021, SerCash, -38648.27 },
        { "leveraged", 2021, SerPropertyValue, 206083.19 },
        { "leveraged", 2021, SerAssets, 167434.92 },
        { "leveraged", 2021, SerDebt, 202317.20 },
        { "leveraged", 2021, SerMonthlyIncome, 1020.18 },
        { "leveraged", 2021, SerMonthlyCashFlow, 132.83 },
        { "leveraged", 2021, SerRoi, 0 },
        { "leveraged", 2039, SerCash, 32245.21 },
        { "leveraged", 2039, SerPropertyValue, 353401.94 },
        { "leveraged", 2039, SerAssets, 385647.15 },
        { "leveraged", 2039, SerDebt, 10648.27 },
        { "leveraged", 2039, SerMonthlyIncome, 1461.82 },
        { "leveraged", 2039, SerMonthlyCashFlow, 574.47 },
        { "leveraged", 2039, SerRoi, 837.50 },
        { "leveraged", 2040, SerMonthlyCosts, 0 },
        { "leveraged", 2040, SerDebt, 0 },
        { "leveraged", 2040, SerCash, 39138.80 },
        { "leveraged", 2040, SerPropertyValue, 364151.00 },
        { "leveraged", 2040, SerMonthlyIncome, 1491.33 },
        { "leveraged", 2040, SerMonthlyCashFlow, 1491.33 },
        { "leveraged", 2040, SerRoi, 908.22 },

        { "inFull", 2020, SerCash, -150000 },
        { "inFull", 2020, SerPropertyValue, 150000 },
        { "inFull", 2020, SerAssets, 0 },
        { "inFull", 2020, SerOwnContribution, 150000 },
        { "inFull", 2020, SerMonthlyIncome, 800 },
        { "inFull", 2020, SerMonthlyCashFlow, 800 },
        { "inFull", 2020, SerRoi, 0 },
        { "inFull", 2021, SerCash, -140400 },
        { "inFull", 2021, SerPropertyValue, 153027.65 },
        { "inFull", 2021, SerAssets, 12627.65 },
        { "inFull", 2021, SerMonthlyIncome, 816.15 },
        { "inFull", 2021, SerRoi, 0 },

        { "cashForCashflow", 2020, SerCash, -10000 },
        { "cashForCashflow", 2020, SerAssets, -10000 },
        { "cashForCashflow", 2020, SerOwnContribution, 10000 },
        { "cashForCashflow", 2020, SerMonthlyIncome, 51.40 },
        { "cashForCashflow", 2020, SerMonthlyCashFlow, 51.40 },
        { "cashForCashflow", 2020, SerRoi, 0 },
        { "cashForCashflow", 2021, SerCash, -9383.22 },
        { "cashForCashflow", 2025, SerCash, -6916.11 },
        { "cashForCashflow", 2025, SerMonthlyIncome, 51.40 },
        { "cashForCashflow", 2026, SerCash, -6916.11 },
        { "cashForCashflow", 2026, SerMonthlyIncome, 0 },
        { "cashForCashflow", 2050, SerCash, -6916.11 },
        { "cashForCashflow", 2050, SerMonthlyIncome, 0 },

        { "saving", 2020, SerCash, 1000 },
        { "saving", 2020, SerAssets, 1000 },
        { "saving", 2021, SerCash, 2200 },
        { "saving", 2021, SerAssets, 2200 },
        { "saving", 2022, SerCash, 3400 },
        { "saving", 2022, SerAssets, 3400 },
        { "saving", 2022, SerRoi, 0 },

        { "compounded", 2020, SerCash, 1000 },
        { "compounded", 2020, SerOwnContribution, 1000 },
        { "compounded", 2020, SerMonthlyIncome, 6.59 },
        { "compounded", 2020, SerRoi, 0 },
        { "compounded", 2021, SerCash, 2279.05 },
        { "compounded", 2021, SerOwnContribution, 2200 },
        { "compounded", 2021, SerMonthlyIncome, 18.63 },
        { "compounded", 2021, SerRoi, 3.59 },
        { "compounded", 2030, SerCash, 17175.24 },
        { "compounded", 2030, SerOwnContribution, 13000 },
        { "compounded", 2030, SerMonthlyIncome, 423.49 },
        { "compounded", 2030, SerRoi, 32.12 },
        { "compounded", 2031, SerCash, 17175.24 },
        { "compounded", 2031, SerOwnContribution, 14200 },
        { "compounded", 2031, SerMonthlyIncome, 0 },
        { "compounded", 2031, SerRoi, 20.95 },
    };
    for (const Figure &f : figures) {
        const QByteArray name = QByteArray(f.investment) + ' ' + QByteArray::number(f.year) + " series "
            + QByteArray::number(f.series);
        QTest::newRow(name.constData()) << QByteArray(f.investment) << 2020 << f.year << f.series << f.expected;
    }
    // The leveraged property again, projected against a base year two years earlier.
    for (const Figure &f : figures) {
        if (qstrcmp(f.investment, "leveraged") != 0 || f.year > 2021)
            continue;
        const QByteArray name = "base 2018, " + QByteArray::number(f.year) + " series " + QByteArray::number(f.series);
        QTest::newRow(name.constData()) << QByteArray("leveraged") << 2018 << f.year << f.series << f.expected;
    }
}

void TestProjection::workedExamples()
{
    QFETCH(QByteArray, investment);
    QFETCH(int, baseYear);
    QFETCH(int, year);
    QFETCH(int, series);
    QFETCH(double, expected);
    const ProjectionBlock block = project(example(investment), baseYear);
    QVERIFY(block.projected);
    const double actual = at(block, year - baseYear, series);
    QVERIFY2(std::fabs(actual - expected) <= Cent,
        qPrintable(QStringLiteral("got %1, expected %2").arg(actual, 0, 'f', 4).arg(expected, 0, 'f', 2)));
}

void TestProjection::baseYearBeforeStartLeavesEarlyRecords()
{
    const ProjectionBlock early = project(leveraged(), 2018);
    const ProjectionBlock onTime = project(leveraged(), 2020);
    QVERIFY(recordIsZero(early, 0));
    QVERIFY(recordIsZero(early, 1));
    // Record y + 2 against 2018 is record y against 2020, for every year both hold.
    QCOMPARE(std::memcmp(&early.years[2], &onTime.years[0], sizeof(YearRecord) * (MaxYears - 2)), 0);
}

void TestProjection::seriesNotWrittenStayZero_data()
{
    QTest::addColumn<QByteArray>("investment");
    QTest::addColumn<QList<int>>("unwritten");

    QTest::newRow("leveraged writes all") << QByteArray("leveraged") << QList<int>();
    QTest::newRow("in full") << QByteArray("inFull") << QList<int> { SerDebt, SerMonthlyCosts };
    QTest::newRow("cash for cashflow")
        << QByteArray("cashForCashflow") << QList<int> { SerPropertyValue, SerDebt, SerMonthlyCosts };
    QTest::newRow("saving") << QByteArray("saving")
                            << QList<int> { SerPropertyValue, SerOwnContribution, SerDebt, SerMonthlyIncome,
                                   SerMonthlyCosts, SerMonthlyCashFlow };
    QTest::newRow("compounded") << QByteArray("compounded")
                                << QList<int> { SerPropertyValue, SerDebt, SerMonthlyCosts };
}

void TestProjection::seriesNotWrittenStayZero()
{
    QFETCH(QByteArray, investment);
    QFETCH(QList<int>, unwritten);
    // A block full of an older projection's figures: nothing of it may survive.
    ProjectionBlock block;
    block.projected = false;
    for (YearRecord &record : block.years) {
        for (double &v : record.series)
            v = 7.0;
    }
    ProjectRow(example(investment), 2020, MaxYears, block);
    QVERIFY(block.projected);
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerStartYear), 2020.0);
        for (int s : unwritten)
            QCOMPARE(at(block, y, s), 0.0);
    }
}

void TestProjection::zeroInterestRepaysLoanInEqualParts_data()
{
    QTest::addColumn<double>("interest");
    QTest::newRow("0%") << 0.0;
    QTest::newRow("empty") << EmptyField;
}

void TestProjection::zeroInterestRepaysLoanInEqualParts()
{
    QFETCH(double, interest);
    InvestmentInput in = leveraged();
    in.field[ColInterest] = interest;
    const ProjectionBlock block = project(in);
    const double payment = 160000.0 / 240.0;
    for (int d = 0; d < 20; ++d) {
        QVERIFY(std::fabs(at(block, d, SerMonthlyCosts) - payment) < 1e-9);
        QVERIFY(std::fabs(at(block, d, SerDebt) - 160000.0 * (20 - d) / 20.0) < 1e-6);
    }
    QCOMPARE(at(block, 0, SerDebt), 160000.0); // 12 × N is whole: the loan itself
    QCOMPARE(at(block, 20, SerMonthlyCosts), 0.0);
    QCOMPARE(at(block, 20, SerDebt), 0.0);
    QVERIFY(std::fabs(at(block, 1, SerCash) - (-40000.0 + 12.0 * (1000.0 - payment))) < 1e-6);

    // A term that is not a whole number of months: 240 payments, but the debt counts N as entered.
    in.field[ColMortgageYears] = 20.05;
    const ProjectionBlock odd = project(in);
    QVERIFY(std::fabs(at(odd, 0, SerDebt) - 12.0 * payment * 20.05) < 1e-6);
    QVERIFY(std::fabs(at(odd, 20, SerMonthlyCosts) - payment) < 1e-9); // 2040 < 2020 + 20.05
    QVERIFY(std::fabs(at(odd, 20, SerDebt) - 12.0 * payment * 0.05) < 1e-6);
    QCOMPARE(at(odd, 21, SerMonthlyCosts), 0.0);
}

void TestProjection::mortgageTermZero()
{
    InvestmentInput in = leveraged();
    in.field[ColMortgageYears] = 0;
    const ProjectionBlock block = project(in);
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerMonthlyCosts), 0.0);
        QCOMPARE(at(block, y, SerDebt), 0.0);
        QCOMPARE(at(block, y, SerMonthlyCashFlow), at(block, y, SerMonthlyIncome));
    }
    QCOMPARE(at(block, 0, SerCash), -40000.0);
}

void TestProjection::loanToValueZeroIsPropertyInFull()
{
    InvestmentInput in = leveraged();
    in.field[ColLoanToValue] = 0;
    InvestmentInput full = in;
    full.field[ColType] = PropertyInFull;
    const ProjectionBlock lev = project(in);
    const ProjectionBlock ref = project(full);
    for (int y = 0; y < MaxYears; ++y) {
        for (int s : { SerStartYear, SerCash, SerPropertyValue, SerAssets, SerOwnContribution, SerMonthlyIncome,
                 SerMonthlyCashFlow, SerRoi })
            QCOMPARE(at(lev, y, s), at(ref, y, s));
        QCOMPARE(at(lev, y, SerDebt), 0.0);
        QCOMPARE(at(lev, y, SerMonthlyCosts), 0.0);
    }
    QCOMPARE(at(lev, 0, SerOwnContribution), 200000.0);
}

void TestProjection::loanToValueHundredGivesInfiniteOrZeroRoi()
{
    InvestmentInput in = leveraged();
    in.field[ColLoanToValue] = 100;
    const ProjectionBlock block = project(in);
    QCOMPARE(at(block, 0, SerCash), 0.0);
    bool sawInfinite = false;
    bool sawZero = false;
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerOwnContribution), 0.0);
        // Nothing of one's own in it: a positive net value is an infinite return, a negative one 0.
        const double net = at(block, y, SerAssets) - at(block, y, SerDebt);
        const double roi = at(block, y, SerRoi);
        if (net > 0.0) {
            QVERIFY(std::isinf(roi) && roi > 0.0);
            sawInfinite = true;
        } else {
            QCOMPARE(roi, 0.0);
            sawZero = true;
        }
    }
    QVERIFY(sawInfinite && sawZero);

    // 0 / 0: no price at all.
    in.field[ColPrice] = 0;
    in.field[ColRent] = 0;
    const ProjectionBlock nothing = project(in);
    for (int y = 0; y < MaxYears; ++y)
        QCOMPARE(at(nothing, y, SerRoi), 0.0);
}

void TestProjection::noGrowthKeepsRentAndValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("growth");
    QTest::newRow("leveraged, 0%") << int(LeveragedProperty) << 0.0;
    QTest::newRow("leveraged, empty") << int(LeveragedProperty) << EmptyField;
    QTest::newRow("in full, 0%") << int(PropertyInFull) << 0.0;
    QTest::newRow("in full, empty") << int(PropertyInFull) << EmptyField;
}

void TestProjection::noGrowthKeepsRentAndValue()
{
    QFETCH(int, type);
    QFETCH(double, growth);
    InvestmentInput in = leveraged();
    in.field[ColType] = type;
    in.field[ColRentIncrease] = growth;
    in.field[ColValueIncrease] = growth;
    const ProjectionBlock block = project(in);
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerMonthlyIncome), 1000.0);
        QCOMPARE(at(block, y, SerPropertyValue), 200000.0);
    }
}

void TestProjection::cashForCashflowDurationZero()
{
    InvestmentInput in = cashForCashflow();
    in.field[ColDepositPeriod] = 0;
    const ProjectionBlock block = project(in);
    QVERIFY(std::fabs(at(block, 0, SerMonthlyIncome) - 51.40) <= Cent);
    QCOMPARE(at(block, 0, SerCash), -10000.0);
    for (int y = 1; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerMonthlyIncome), 0.0);
        QCOMPARE(at(block, y, SerCash), -10000.0);
    }
}

void TestProjection::cashForCashflowWithoutReturn_data()
{
    QTest::addColumn<double>("yearlyReturn");
    QTest::newRow("0%") << 0.0;
    QTest::newRow("empty") << EmptyField;
}

void TestProjection::cashForCashflowWithoutReturn()
{
    QFETCH(double, yearlyReturn);
    InvestmentInput in = cashForCashflow();
    in.field[ColReturn] = yearlyReturn;
    const ProjectionBlock block = project(in);
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerMonthlyIncome), 0.0);
        QCOMPARE(at(block, y, SerCash), -10000.0);
        QCOMPARE(at(block, y, SerRoi), 0.0); // -200 % clamped
    }
}

void TestProjection::compoundedWithPriceWritesOnlyStartYearAndRoi_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<bool>("computed");
    QTest::newRow("empty") << EmptyField << true;
    QTest::newRow("0") << 0.0 << true;
    QTest::newRow("500") << 500.0 << false;
    QTest::newRow("negative") << -3.0 << false;
}

void TestProjection::compoundedWithPriceWritesOnlyStartYearAndRoi()
{
    QFETCH(double, price);
    QFETCH(bool, computed);
    InvestmentInput in = compounded();
    in.field[ColPrice] = price;
    const ProjectionBlock block = project(in);
    if (computed) {
        QVERIFY(std::fabs(at(block, 1, SerCash) - 2279.05) <= Cent);
        return;
    }
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerStartYear), 2020.0);
        for (int s = SerCash; s < SeriesCount; ++s)
            QCOMPARE(at(block, y, s), 0.0);
    }
}

void TestProjection::compoundedWithoutReturnIsLinear()
{
    InvestmentInput in = compounded();
    in.field[ColReturn] = EmptyField;
    const ProjectionBlock block = project(in);
    for (int d = 0; d < MaxYears; ++d) {
        const double paidIn = 1000.0 + 1200.0 * d;
        QCOMPARE(at(block, d, SerOwnContribution), paidIn);
        QCOMPARE(at(block, d, SerCash), d <= 10 ? paidIn : 13000.0);
        QCOMPARE(at(block, d, SerMonthlyIncome), 0.0);
        QCOMPARE(at(block, d, SerRoi), 0.0);
    }
}

void TestProjection::compoundedNegativePeriodReadsNoEarlierRecord()
{
    // The period is over before the start year: the start year's "previous cash" is 0, whether
    // the start year is record 0 (nothing before it) or a later record.
    InvestmentInput in = compounded();
    in.field[ColDepositPeriod] = -2; // not -1: that is the empty marker, a period of 0
    for (int base : { 2020, 2017 }) {
        const ProjectionBlock block = project(in, base);
        const int first = 2020 - base;
        for (int y = first; y < MaxYears; ++y) {
            QCOMPARE(at(block, y, SerCash), 0.0);
            QCOMPARE(at(block, y, SerMonthlyIncome), 0.0);
            QCOMPARE(at(block, y, SerOwnContribution), 1000.0 + 1200.0 * (y - first));
        }
    }
}

void TestProjection::startYearAfterHorizon()
{
    InvestmentInput in = saving();
    in.field[ColStartYear] = 2051; // 2020 + 31
    ProjectionBlock block = project(in);
    QVERIFY(block.projected);
    for (int y = 0; y < MaxYears; ++y)
        QVERIFY(recordIsZero(block, y));

    in.field[ColStartYear] = 2050; // the last projected year
    block = project(in);
    for (int y = 0; y < MaxYears - 1; ++y)
        QVERIFY(recordIsZero(block, y));
    QCOMPARE(at(block, 30, SerStartYear), 2050.0);
    QCOMPARE(at(block, 30, SerCash), 1000.0);

    // Fewer projected years: 2030 lies after 2020 + 10 - 1.
    in.field[ColStartYear] = 2030;
    block = project(in, 2020, 10);
    QVERIFY(block.projected);
    for (int y = 0; y < MaxYears; ++y)
        QVERIFY(recordIsZero(block, y));
}

void TestProjection::startYearBeforeBaseYearReadsNoEarlierRecord()
{
    // A row outside the investment limit can start before the base year: record 0 is then a
    // later year of the row, and its "previous year" (before record 0) counts as all zero.
    const ProjectionBlock block = project(inFull(), 2022);
    QCOMPARE(at(block, 0, SerStartYear), 2020.0);
    QCOMPARE(at(block, 0, SerCash), 0.0);
    QVERIFY(std::fabs(at(block, 0, SerMonthlyIncome) - 832.62) <= Cent); // 800 × (1 + 0.02 / 12)^24
    QCOMPARE(at(block, 1, SerCash), 12.0 * at(block, 0, SerMonthlyCashFlow));
}

void TestProjection::unknownType_data()
{
    QTest::addColumn<double>("type");
    QTest::newRow("5") << 5.0;
    QTest::newRow("empty (-1)") << EmptyField;
    QTest::newRow("99") << 99.0;
    QTest::newRow("NaN") << NaN;
    QTest::newRow("+inf") << Inf;
}

void TestProjection::unknownType()
{
    QFETCH(double, type);
    InvestmentInput in = leveraged(); // every field filled
    in.field[ColLumpSum] = 1000;
    in.field[ColReturn] = 5;
    in.field[ColType] = type;
    in.field[ColStartYear] = 2025;
    const ProjectionBlock block = project(in);
    QVERIFY(block.projected);
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerStartYear), y < 5 ? 0.0 : 2025.0);
        for (int s = SerCash; s < SeriesCount; ++s)
            QCOMPARE(at(block, y, s), 0.0);
    }
}

void TestProjection::fractionalTypeIndexIsTruncated()
{
    InvestmentInput in = cashForCashflow();
    const ProjectionBlock whole = project(in);
    in.field[ColType] = 2.7;
    QVERIFY(sameBlock(project(in), whole));
}

void TestProjection::blockIsResetBeforeProjection()
{
    ProjectionBlock block = project(leveraged());
    // The same row, now saved monthly from 2025: no year or series of the property survives.
    InvestmentInput in = saving();
    in.field[ColStartYear] = 2025;
    ProjectRow(in, 2020, MaxYears, block);
    for (int y = 0; y < 5; ++y)
        QVERIFY(recordIsZero(block, y));
    for (int y = 5; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerCash), 1000.0 + 1200.0 * (y - 5));
        for (int s : { SerPropertyValue, SerOwnContribution, SerDebt, SerMonthlyIncome, SerMonthlyCosts,
                 SerMonthlyCashFlow })
            QCOMPARE(at(block, y, s), 0.0);
    }
}

void TestProjection::fractionalStartYearIsTruncated_data()
{
    QTest::addColumn<QByteArray>("investment");
    QTest::newRow("leveraged") << QByteArray("leveraged");
    QTest::newRow("in full") << QByteArray("inFull");
    QTest::newRow("cash for cashflow") << QByteArray("cashForCashflow");
    QTest::newRow("saving") << QByteArray("saving");
    QTest::newRow("compounded") << QByteArray("compounded");
}

void TestProjection::fractionalStartYearIsTruncated()
{
    QFETCH(QByteArray, investment);
    InvestmentInput in = example(investment);
    const ProjectionBlock whole = project(in);
    in.field[ColStartYear] = 2020.5;
    const ProjectionBlock fractional = project(in);
    QCOMPARE(at(fractional, 0, SerStartYear), 2020.0);
    QVERIFY(sameBlock(fractional, whole));
}

void TestProjection::mortgageTermUnderAMonth_data()
{
    QTest::addColumn<double>("years");
    QTest::addColumn<double>("interest");
    QTest::newRow("0.05 years at 3%") << 0.05 << 3.0;
    QTest::newRow("half a month at 3%") << 1.0 / 24.0 << 3.0;
    QTest::newRow("0.0001 years, no interest") << 0.0001 << 0.0;
}

void TestProjection::mortgageTermUnderAMonth()
{
    QFETCH(double, years);
    QFETCH(double, interest);
    InvestmentInput in = leveraged();
    in.field[ColMortgageYears] = years;
    in.field[ColInterest] = interest;
    const ProjectionBlock block = project(in);
    // One payment: the loan and one month's interest.
    const double payment = 160000.0 * (1.0 + interest / 1200.0);
    QVERIFY(std::fabs(at(block, 0, SerMonthlyCosts) - payment) < 1e-6);
    QVERIFY(std::fabs(at(block, 0, SerDebt) - 12.0 * payment * years) < 1e-6);
    for (int y = 0; y < MaxYears; ++y) {
        for (double v : block.years[y].series)
            QVERIFY(std::isfinite(v));
    }
    QCOMPARE(at(block, 1, SerMonthlyCosts), 0.0);
    QCOMPARE(at(block, 1, SerDebt), 0.0);
}

void TestProjection::endlessOrUnreadableMortgageTerm_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<double>("loanToValue");
    QTest::addColumn<double>("costs");
    QTest::addColumn<double>("debt");

    // An endless term at 3%: the payment tends to the interest alone, L × r, due forever.
    QTest::newRow("inf") << "inf" << 80.0 << 160000.0 * 0.0025 << Inf;
    QTest::newRow("inf, no loan") << "inf" << 0.0 << 0.0 << 0.0;
    QTest::newRow("1e300") << "1e300" << 0.0 << 0.0 << 0.0;
    QTest::newRow("nan") << "nan" << 80.0 << 0.0 << 0.0;
    QTest::newRow("-inf") << "-inf" << 80.0 << 0.0 << 0.0;
    QTest::newRow("1e999 does not convert: 0") << "1e999" << 80.0 << 0.0 << 0.0;
}

void TestProjection::endlessOrUnreadableMortgageTerm()
{
    QFETCH(QString, term);
    QFETCH(double, loanToValue);
    QFETCH(double, costs);
    QFETCH(double, debt);
    InvestmentInput in = leveraged();
    in.field[ColMortgageYears] = FieldFromText(term);
    in.field[ColLoanToValue] = loanToValue;
    const ProjectionBlock block = project(in);
    for (int y = 0; y < MaxYears; ++y) {
        QVERIFY(std::fabs(at(block, y, SerMonthlyCosts) - costs) < 1e-6);
        QCOMPARE(at(block, y, SerDebt), debt);
        QVERIFY(!std::isnan(at(block, y, SerRoi)) && at(block, y, SerRoi) >= 0.0);
    }
}

void TestProjection::extremeInputsStayDefined()
{
    // Every field of every type, one extreme text at a time: the projection runs, the start year
    // it writes is the clamped truncation, and the ROI is never NaN or negative.
    const char *texts[] = { "1e999", "-1e999", "inf", "-inf", "nan", "1e308", "-1e308", "4e9" };
    const QByteArray names[] = { "leveraged", "inFull", "cashForCashflow", "saving", "compounded" };
    for (const QByteArray &name : names) {
        for (int column = 0; column < FieldCount; ++column) {
            for (const char *text : texts) {
                InvestmentInput in = example(name);
                in.field[column] = FieldFromText(QString::fromLatin1(text));
                const int start = ProjectedStartYear(in);
                QVERIFY(start >= -StartYearLimit && start <= StartYearLimit);
                const ProjectionBlock block = project(in, start);
                const QByteArray where = name + " column " + QByteArray::number(column) + " " + text;
                QVERIFY2(block.projected, where.constData());
                QVERIFY2(at(block, 0, SerStartYear) == start, where.constData());
                for (int y = 0; y < MaxYears; ++y) {
                    const double roi = at(block, y, SerRoi);
                    QVERIFY2(!std::isnan(roi) && roi >= 0.0, where.constData());
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestProjection)
#include "tst_projection.moc"
