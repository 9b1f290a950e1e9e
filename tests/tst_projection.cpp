// The yearly projection of one investment: the growth function, the mortgage helpers and
// ProjectRow for all five types, checked against hand-computed figures.

#include "ExampleInvestments.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"
#include "model/Projection.h"
#include "model/ProjectionBlock.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <thread>

Q_DECLARE_METATYPE(InvestmentInput)

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double NQ = NaN; // a figure the worked example does not quote

using namespace examples;

const char *const TypeNames[] = { "leveraged", "in full", "cash for cashflow", "saving", "compounded" };

double at(const ProjectionBlock &block, int yearIndex, int series)
{
    return block.years[yearIndex].series[series];
}

// Equal, or within a billionth of the expected value.
bool nearly(double actual, double expected)
{
    return actual == expected || std::fabs(actual - expected) <= 1e-9 * std::fabs(expected);
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

// The figures of the worked examples, one year of one example per entry, in series order:
// start year, cash, property value, assets, own contribution, debt, monthly income,
// monthly costs, monthly cash flow, ROI.
struct Quoted
{
    int type;
    int year;
    double series[SeriesCount];
};

const Quoted WorkedExamples[] = {
    { LeveragedProperty, 2020, { 2020, -40000, 200000, 160000, 40000, 212965.48, 1000, 887.36, 112.64, 0 } },
    { LeveragedProperty, 2021, { NQ, -38648.27, 206083.19, 167434.92, NQ, 202317.20, 1020.18, NQ, 132.83, 0 } },
    { LeveragedProperty, 2039, { NQ, 32245.21, 353401.94, 385647.15, NQ, 10648.27, 1461.82, NQ, 574.47, 837.50 } },
    { LeveragedProperty, 2040, { NQ, 39138.80, 364151.00, NQ, NQ, 0, 1491.33, 0, 1491.33, 908.22 } },
    { PropertyInFull, 2020, { NQ, -150000, 150000, 0, 150000, NQ, 800, NQ, 800, 0 } },
    { PropertyInFull, 2021, { NQ, -140400, 153027.65, 12627.65, NQ, NQ, 816.15, NQ, NQ, 0 } },
    { CashForCashflow, 2020, { NQ, -10000, NQ, -10000, 10000, NQ, 51.40, NQ, 51.40, 0 } },
    { CashForCashflow, 2021, { NQ, -9383.22, NQ, NQ, NQ, NQ, NQ, NQ, NQ, NQ } },
    { CashForCashflow, 2025, { NQ, -6916.11, NQ, NQ, NQ, NQ, 51.40, NQ, NQ, NQ } },
    { CashForCashflow, 2026, { NQ, -6916.11, NQ, NQ, NQ, NQ, 0, NQ, NQ, NQ } },
    { CashForCashflow, 2050, { NQ, -6916.11, NQ, NQ, NQ, NQ, 0, NQ, NQ, NQ } },
    { MonthlySaving, 2020, { NQ, 1000, NQ, 1000, NQ, NQ, NQ, NQ, NQ, 0 } },
    { MonthlySaving, 2021, { NQ, 2200, NQ, 2200, NQ, NQ, NQ, NQ, NQ, 0 } },
    { MonthlySaving, 2022, { NQ, 3400, NQ, 3400, NQ, NQ, NQ, NQ, NQ, 0 } },
    // The income is the interest of the coming year: (E(d + 1) − E(d) − 1200) / 12.
    { CompoundedInterest, 2020, { NQ, 1000, NQ, NQ, 1000, NQ, 6.59, NQ, NQ, 0 } },
    { CompoundedInterest, 2021, { NQ, 2279.05, NQ, NQ, 2200, NQ, 12.04, NQ, NQ, 3.59 } },
    { CompoundedInterest, 2030, { NQ, 17175.24, NQ, NQ, 13000, NQ, 75.55, NQ, NQ, 32.12 } },
    { CompoundedInterest, 2031, { NQ, 17175.24, NQ, NQ, 14200, NQ, 0, NQ, NQ, 20.95 } },
};

} // namespace

class TestProjection : public QObject
{
    Q_OBJECT

private slots:
    void futureValue_data();
    void futureValue();
    void annuityPayment_data();
    void annuityPayment();
    void typedNumber_data();
    void typedNumber();

    void workedExamples_data();
    void workedExamples();
    void sameProjection_data();
    void sameProjection();
    void writtenRecords_data();
    void writtenRecords();
    void startYearBeforeBaseYearReadsNoEarlierRecord();

    void mortgage_data();
    void mortgage();
    void remainingPrincipal_data();
    void remainingPrincipal();
    void compoundIncomeIsTheComingYearsInterest_data();
    void compoundIncomeIsTheComingYearsInterest();
    void loanToValueHundredGivesInfiniteOrZeroRoi();
    void noGrowthKeepsRentAndValue_data();
    void noGrowthKeepsRentAndValue();
    void flatCashAndContribution_data();
    void flatCashAndContribution();
    void extremeInputsStayDefined();
    void carriedYearsMatchTheirPowers_data();
    void carriedYearsMatchTheirPowers();
    void rowsProjectedBeforeChangeNothing_data();
    void rowsProjectedBeforeChangeNothing();
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
    // 1 + r / 12 rounds to 1: the deposits must not vanish into 0 / r.
    QTest::newRow("rate too small to count") << 1000.0 << 1e-18 << 100.0 << 120;
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

void TestProjection::typedNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("field");
    QTest::addColumn<int>("startYear");
    QTest::addColumn<int>("payments"); // as a mortgage term in years

    QTest::newRow("empty") << "" << -1.0 << 0 << 0;
    QTest::newRow("-1 typed is empty") << "-1" << -1.0 << 0 << 0;
    QTest::newRow("word") << "abc" << 0.0 << 0 << 0;
    QTest::newRow("a blank is not empty") << " " << 0.0 << 0 << 0;
    QTest::newRow("blanks around") << " 12 " << 12.0 << 12 << 144;
    QTest::newRow("decimal comma does not convert") << "1,5" << 0.0 << 0 << 0;
    QTest::newRow("overflow does not convert") << "1e999" << 0.0 << 0 << 0;
    QTest::newRow("negative overflow") << "-1e999" << 0.0 << 0 << 0;
    QTest::newRow("2020") << "2020" << 2020.0 << 2020 << 24240;
    QTest::newRow("2020.5") << "2020.5" << 2020.5 << 2020 << 24246;
    QTest::newRow("2020.9") << "2020.9" << 2020.9 << 2020 << 24250;
    QTest::newRow("negative fraction toward zero") << "-0.5" << -0.5 << 0 << 0;
    QTest::newRow("20") << "20" << 20.0 << 20 << 240;
    QTest::newRow("20.5") << "20.5" << 20.5 << 20 << 246;
    QTest::newRow("20.05: payments truncated") << "20.05" << 20.05 << 20 << 240;
    QTest::newRow("one month") << QString::number(1.0 / 12.0, 'g', 17) << 1.0 / 12.0 << 0 << 1;
    QTest::newRow("under a month") << "0.05" << 0.05 << 0 << 1;
    QTest::newRow("a tiny term") << "1e-300" << 1e-300 << 0 << 1;
    QTest::newRow("0") << "0" << 0.0 << 0 << 0;
    QTest::newRow("-5") << "-5" << -5.0 << -5 << 0;
    QTest::newRow("inf saturates") << "inf" << Inf << StartYearLimit << INT_MAX;
    QTest::newRow("-inf") << "-inf" << -Inf << -StartYearLimit << 0;
    QTest::newRow("nan") << "nan" << NaN << 0 << 0;
    QTest::newRow("1e300 saturates") << "1e300" << 1e300 << StartYearLimit << INT_MAX;
    QTest::newRow("-3e9") << "-3e9" << -3e9 << -StartYearLimit << 0;
}

void TestProjection::typedNumber()
{
    QFETCH(QString, text);
    QFETCH(double, field);
    QFETCH(int, startYear);
    QFETCH(int, payments);
    const double value = FieldFromText(text);
    if (std::isnan(field))
        QVERIFY(std::isnan(value));
    else
        QCOMPARE(value, field);
    QCOMPARE(ProjectedStartYear(row(MonthlySaving, value)), startYear);
    QCOMPARE(MortgagePaymentCount(value), payments);
}

void TestProjection::workedExamples_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("baseYear");

    // Each figure against the row's own start year and against a base year two years earlier,
    // where the year lies two records further on.
    for (int e = 0; e < int(std::size(WorkedExamples)); ++e) {
        const Quoted &q = WorkedExamples[e];
        for (int base : { 2020, 2018 }) {
            if (q.year - base < MaxYears)
                QTest::addRow("%s %d, base %d", TypeNames[q.type], q.year, base) << e << base;
        }
    }
}

void TestProjection::workedExamples()
{
    QFETCH(int, entry);
    QFETCH(int, baseYear);
    const Quoted &q = WorkedExamples[entry];
    const ProjectionBlock block = project(exampleRow(q.type), baseYear);
    QVERIFY(block.projected);
    for (int s = 0; s < SeriesCount; ++s) {
        if (std::isnan(q.series[s]))
            continue;
        const double actual = at(block, q.year - baseYear, s);
        QVERIFY2(std::fabs(actual - q.series[s]) <= Cent,
            qPrintable(QStringLiteral("series %1: got %2, expected %3")
                           .arg(s)
                           .arg(actual, 0, 'f', 4)
                           .arg(q.series[s], 0, 'f', 2)));
    }
}

void TestProjection::sameProjection_data()
{
    QTest::addColumn<InvestmentInput>("input");
    QTest::addColumn<int>("baseYear");
    QTest::addColumn<InvestmentInput>("reference");
    QTest::addColumn<int>("referenceBase");

    for (int type = 0; type < InvestmentTypeCount; ++type) {
        QTest::addRow("%s, start year 2020.5 truncated", TypeNames[type])
            << exampleRow(type, 2020.5) << 2020 << exampleRow(type) << 2020;
        // Records 0 and 1 stay empty; record y + 2 is record y of the row projected on time.
        QTest::addRow("%s, base year two years early", TypeNames[type])
            << exampleRow(type) << 2018 << exampleRow(type) << 2020;
    }
    InvestmentInput fractionalType = cashForCashflow();
    fractionalType.field[ColType] = 2.7;
    QTest::newRow("type index 2.7 truncated") << fractionalType << 2020 << cashForCashflow() << 2020;

    // Without a loan the leveraged property is the property in full, debt and costs written as 0.
    InvestmentInput noLoan = leveraged();
    noLoan.field[ColLoanToValue] = 0;
    InvestmentInput inFullNoLoan = noLoan;
    inFullNoLoan.field[ColType] = PropertyInFull;
    QTest::newRow("LTV 0 is property in full") << noLoan << 2020 << inFullNoLoan << 2020;

    InvestmentInput priceZero = compounded();
    priceZero.field[ColPrice] = 0;
    QTest::newRow("compounded, price 0 as empty") << priceZero << 2020 << compounded() << 2020;
}

void TestProjection::sameProjection()
{
    QFETCH(InvestmentInput, input);
    QFETCH(int, baseYear);
    QFETCH(InvestmentInput, reference);
    QFETCH(int, referenceBase);
    const ProjectionBlock block = project(input, baseYear);
    const ProjectionBlock expected = project(reference, referenceBase);
    QVERIFY(block.projected);
    const int shift = referenceBase - baseYear;
    for (int y = 0; y < MaxYears; ++y) {
        if (y < shift)
            QVERIFY(recordIsZero(block, y));
        else
            QVERIFY2(std::memcmp(&block.years[y], &expected.years[y - shift], sizeof(YearRecord)) == 0,
                qPrintable(QStringLiteral("record %1").arg(y)));
    }
}

void TestProjection::writtenRecords_data()
{
    QTest::addColumn<InvestmentInput>("input");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("years");
    QTest::addColumn<QList<int>>("unwritten"); // series left zero in the records written

    const QList<int> unwritten[] = { {}, { SerDebt, SerMonthlyCosts }, { SerPropertyValue, SerDebt, SerMonthlyCosts },
        { SerPropertyValue, SerOwnContribution, SerDebt, SerMonthlyIncome, SerMonthlyCosts, SerMonthlyCashFlow },
        { SerPropertyValue, SerDebt, SerMonthlyCosts } };
    for (int type = 0; type < InvestmentTypeCount; ++type)
        QTest::newRow(TypeNames[type]) << exampleRow(type) << 2020 << 31 << unwritten[type];
    const QList<int> savingSeries = unwritten[MonthlySaving];
    QTest::newRow("saving from 2025") << saving(2025) << 2025 << 31 << savingSeries;
    QTest::newRow("saving from 2050, the last year") << saving(2050) << 2050 << 31 << savingSeries;
    QTest::newRow("saving from 2051: only the flag") << saving(2051) << 2051 << 31 << savingSeries;
    QTest::newRow("saving, 10 years") << saving() << 2020 << 10 << savingSeries;
    QTest::newRow("saving from 2030: after the last of 10 years") << saving(2030) << 2030 << 10 << savingSeries;

    // Only the start year (and a ROI of 0): a compounded row with a price, and a type index
    // outside 0..4 with every field filled.
    const QList<int> all { SerCash, SerPropertyValue, SerAssets, SerOwnContribution, SerDebt, SerMonthlyIncome,
        SerMonthlyCosts, SerMonthlyCashFlow, SerRoi };
    for (double price : { 500.0, -3.0 }) {
        InvestmentInput in = compounded();
        in.field[ColPrice] = price;
        QTest::addRow("compounded, price %g", price) << in << 2020 << 31 << all;
    }
    for (double type : { 5.0, EmptyField, 99.0, NaN, Inf }) {
        InvestmentInput in = leveraged(2025);
        in.field[ColLumpSum] = 1000;
        in.field[ColReturn] = 5;
        in.field[ColType] = type;
        QTest::addRow("type %g from 2025", type) << in << 2025 << 31 << all;
    }
}

void TestProjection::writtenRecords()
{
    QFETCH(InvestmentInput, input);
    QFETCH(int, start);
    QFETCH(int, years);
    QFETCH(QList<int>, unwritten);
    // A block full of an older projection's figures: nothing of it may survive.
    ProjectionBlock block;
    block.projected = false;
    for (YearRecord &record : block.years)
        std::fill(std::begin(record.series), std::end(record.series), 7.0);
    ProjectRow(input, 2020, years, block);
    QVERIFY(block.projected);
    for (int y = 0; y < MaxYears; ++y) {
        const QByteArray where = "year index " + QByteArray::number(y);
        if (y >= years || 2020 + y < start) {
            QVERIFY2(recordIsZero(block, y), where.constData());
            continue;
        }
        QCOMPARE(at(block, y, SerStartYear), double(start));
        for (int s : unwritten)
            QVERIFY2(at(block, y, s) == 0.0, where.constData());
    }
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

void TestProjection::mortgage_data()
{
    QTest::addColumn<double>("term");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("loanToValue");
    QTest::addColumn<double>("payment"); // monthly costs while within the term
    QTest::addColumn<int>("yearsPaid"); // records within the term
    QTest::addColumn<double>("debt0"); // debt in the start year; it falls by 12 payments a year
    QTest::addColumn<double>("own");

    // The loan of 160000 in equal parts; 12 × N whole, so the start year's debt is the loan.
    QTest::newRow("0%") << 20.0 << 0.0 << 80.0 << 160000.0 / 240 << 20 << 160000.0 << 40000.0;
    QTest::newRow("no interest (empty)") << 20.0 << EmptyField << 80.0 << 160000.0 / 240 << 20 << 160000.0 << 40000.0;
    // 240 payments, but the debt counts N as entered and 2040 < 2020 + 20.05 lies within the term.
    QTest::newRow("0%, 20.05 years") << 20.05 << 0.0 << 80.0 << 160000.0 / 240 << 21 << 160400.0 << 40000.0;
    QTest::newRow("no term") << 0.0 << 3.0 << 80.0 << 0.0 << 0 << 0.0 << 40000.0;
    // Under a month: one payment, the loan and one month's interest.
    QTest::newRow("0.05 years at 3%") << 0.05 << 3.0 << 80.0 << 160400.0 << 1 << 96240.0 << 40000.0;
    QTest::newRow("half a month at 3%") << 1.0 / 24.0 << 3.0 << 80.0 << 160400.0 << 1 << 80200.0 << 40000.0;
    QTest::newRow("0.0001 years, no interest") << 0.0001 << 0.0 << 80.0 << 160000.0 << 1 << 192.0 << 40000.0;
    // An endless term: the payment tends to the interest alone, L × r, due forever.
    QTest::newRow("inf at 3%") << FieldFromText("inf") << 3.0 << 80.0 << 400.0 << 31 << Inf << 40000.0;
    QTest::newRow("inf, no loan") << FieldFromText("inf") << 3.0 << 0.0 << 0.0 << 31 << 0.0 << 200000.0;
    QTest::newRow("1e300, no loan") << FieldFromText("1e300") << 3.0 << 0.0 << 0.0 << 31 << 0.0 << 200000.0;
    QTest::newRow("nan") << FieldFromText("nan") << 3.0 << 80.0 << 0.0 << 0 << 0.0 << 40000.0;
    QTest::newRow("-inf") << FieldFromText("-inf") << 3.0 << 80.0 << 0.0 << 0 << 0.0 << 40000.0;
    QTest::newRow("1e999 does not convert: 0") << FieldFromText("1e999") << 3.0 << 80.0 << 0.0 << 0 << 0.0 << 40000.0;
}

void TestProjection::mortgage()
{
    QFETCH(double, term);
    QFETCH(double, interest);
    QFETCH(double, loanToValue);
    QFETCH(double, payment);
    QFETCH(int, yearsPaid);
    QFETCH(double, debt0);
    QFETCH(double, own);
    InvestmentInput in = leveraged();
    in.field[ColMortgageYears] = term;
    in.field[ColInterest] = interest;
    in.field[ColLoanToValue] = loanToValue;
    const ProjectionBlock block = project(in, 2020);
    QCOMPARE(at(block, 0, SerCash), -own);
    for (int y = 0; y < MaxYears; ++y) {
        const bool inTerm = y < yearsPaid;
        const QByteArray where = "year index " + QByteArray::number(y);
        QVERIFY2(nearly(at(block, y, SerMonthlyCosts), inTerm ? payment : 0.0), where.constData());
        QVERIFY2(nearly(at(block, y, SerDebt), inTerm ? debt0 - 12.0 * payment * y : 0.0), where.constData());
        QCOMPARE(at(block, y, SerOwnContribution), own);
        for (int s = 0; s < SeriesCount; ++s)
            QVERIFY2(s == SerDebt || std::isfinite(at(block, y, s)), where.constData());
        QVERIFY(at(block, y, SerRoi) >= 0.0);
    }
}

void TestProjection::remainingPrincipal_data()
{
    QTest::addColumn<double>("term");
    QTest::addColumn<double>("interest");
    QTest::newRow("worked example, 20 years at 3%") << 20.0 << 3.0;
    QTest::newRow("no interest") << 20.0 << 0.0;
    QTest::newRow("20.5 years: 246 payments") << 20.5 << 3.0;
    QTest::newRow("no term: no mortgage") << 0.0 << 3.0;
}

void TestProjection::remainingPrincipal()
{
    QFETCH(double, term);
    QFETCH(double, interest);
    InvestmentInput in = leveraged(2020);
    in.field[ColMortgageYears] = term;
    in.field[ColInterest] = interest;
    const ProjectionBlock due = project(in, 2020);
    ProjectionBlock shown;
    ProjectRow(in, 2020, MaxYears, shown, DebtMeasure::RemainingPrincipal);
    // The loan of 160000 paid off month by month: interest on the balance, less the payment.
    const int n = MortgagePaymentCount(term);
    const double r = interest / 1200.0, payment = AnnuityPayment(160000, r, n);
    double balance = n > 0 ? 160000 : 0.0;
    for (int y = 0; y < MaxYears; ++y) {
        QVERIFY(std::fabs(shown.principal[y] - balance) <= Cent && due.principal[y] == shown.principal[y]);
        // The debt shown is the principal; every other series, ROI included, stays as it was.
        for (int s = 0; s < SeriesCount; ++s)
            QCOMPARE(shown.years[y].series[s], s == SerDebt ? shown.principal[y] : due.years[y].series[s]);
        for (int k = 0; k < 12; ++k)
            balance = balance * (1 + r) - payment;
        balance = 12 * (y + 1) >= n ? 0.0 : balance; // paid off by the last payment
    }
    QCOMPARE(shown.principal[0], n > 0 ? 160000.0 : 0.0); // the loan itself, to the bit
}

void TestProjection::compoundIncomeIsTheComingYearsInterest_data()
{
    QTest::addColumn<InvestmentInput>("input");
    InvestmentInput in = compounded(2026); // 10000 once plus 200 a month at 5% for 20 years
    in.field[ColLumpSum] = 10000;
    in.field[ColMonthlyDeposit] = 200;
    in.field[ColDepositPeriod] = 20;
    QTest::newRow("10000 + 200 a month") << in;
    QTest::newRow("worked example") << compounded(2026);
}

void TestProjection::compoundIncomeIsTheComingYearsInterest()
{
    QFETCH(InvestmentInput, input);
    const double a = input.field[ColLumpSum], m = input.field[ColMonthlyDeposit], p = input.field[ColDepositPeriod];
    const ProjectionBlock block = project(input, 2026);
    for (int d = 0; d < MaxYears; ++d) {
        const double *s = block.years[d].series, own = a + 12 * m * d;
        const double balance = simulatedBalance(a, 0.05, m, 12 * int(std::min<double>(d, p)));
        const double interest = simulatedBalance(a, 0.05, m, 12 * (d + 1)) - balance - 12 * m;
        QVERIFY(std::fabs(s[SerMonthlyIncome] - (d <= p ? interest / 12 : 0.0)) <= Cent);
        // Cash, own contribution and ROI as before.
        QVERIFY(std::fabs(s[SerCash] - balance) <= Cent && s[SerOwnContribution] == own);
        QVERIFY(std::fabs(s[SerRoi] - std::max(0.0, s[SerCash] / own * 100 - 100)) <= 1e-9);
    }
}

void TestProjection::loanToValueHundredGivesInfiniteOrZeroRoi()
{
    InvestmentInput in = leveraged();
    in.field[ColLoanToValue] = 100;
    const ProjectionBlock block = project(in, 2020);
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
    const ProjectionBlock nothing = project(in, 2020);
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
    const ProjectionBlock block = project(in, 2020);
    for (int y = 0; y < MaxYears; ++y) {
        QCOMPARE(at(block, y, SerMonthlyIncome), 1000.0);
        QCOMPARE(at(block, y, SerPropertyValue), 200000.0);
    }
}

void TestProjection::flatCashAndContribution_data()
{
    QTest::addColumn<InvestmentInput>("input");
    QTest::addColumn<int>("baseYear");
    QTest::addColumn<double>("cash0");
    QTest::addColumn<double>("cashStep"); // per year, until the period is over
    QTest::addColumn<double>("period");
    QTest::addColumn<double>("own0");
    QTest::addColumn<double>("ownStep");
    QTest::addColumn<double>("income0"); // in the start year; none later

    // Money lent out for 0 years: the return of the start year only (G = 616.78 on the capital
    // of 10000), or nothing at all without a return. The lent capital never comes back.
    const auto lent = [](double price, double duration, double yearlyReturn) {
        InvestmentInput in = cashForCashflow();
        in.field[ColPrice] = price;
        in.field[ColDepositPeriod] = duration;
        in.field[ColReturn] = yearlyReturn;
        return in;
    };
    QTest::newRow("lent, duration 0")
        << lent(10000, 0, 6) << 2020 << -10000.0 << 0.0 << 0.0 << 10000.0 << 0.0 << 51.40;
    QTest::newRow("lent, duration 0, price apart from the capital")
        << lent(12000, 0, 6) << 2020 << -12000.0 << 0.0 << 0.0 << 12000.0 << 0.0 << 51.40;
    QTest::newRow("lent, no return (0%)") << lent(10000, 5, 0) << 2020 << -10000.0 << 0.0 << 0.0 << 10000.0 << 0.0 << 0.0;
    QTest::newRow("lent, no return (empty)")
        << lent(10000, 5, EmptyField) << 2020 << -10000.0 << 0.0 << 0.0 << 10000.0 << 0.0 << 0.0;

    // Compounded savings without a return: the deposits alone. With a period over before the start
    // year, the start year's "previous cash" is 0, whether the start year is record 0 (nothing
    // before it) or a later record. (A period of -1 would be empty.)
    const auto saved = [](double yearlyReturn, double period) {
        InvestmentInput in = compounded();
        in.field[ColReturn] = yearlyReturn;
        in.field[ColDepositPeriod] = period;
        return in;
    };
    QTest::newRow("compounded, no return")
        << saved(EmptyField, 10) << 2020 << 1000.0 << 1200.0 << 10.0 << 1000.0 << 1200.0 << 0.0;
    QTest::newRow("compounded, period -2") << saved(5, -2) << 2020 << 0.0 << 0.0 << 0.0 << 1000.0 << 1200.0 << 0.0;
    QTest::newRow("compounded, period -2, start in record 3")
        << saved(5, -2) << 2017 << 0.0 << 0.0 << 0.0 << 1000.0 << 1200.0 << 0.0;
}

void TestProjection::flatCashAndContribution()
{
    QFETCH(InvestmentInput, input);
    QFETCH(int, baseYear);
    QFETCH(double, cash0);
    QFETCH(double, cashStep);
    QFETCH(double, period);
    QFETCH(double, own0);
    QFETCH(double, ownStep);
    QFETCH(double, income0);
    const ProjectionBlock block = project(input, baseYear);
    const int first = 2020 - baseYear;
    const double income = at(block, first, SerMonthlyIncome);
    QVERIFY(income0 == 0.0 ? income == 0.0 : std::fabs(income - income0) <= Cent);
    for (int y = first; y < MaxYears; ++y) {
        const double d = y - first;
        QCOMPARE(at(block, y, SerCash), cash0 + cashStep * std::min(d, period));
        QCOMPARE(at(block, y, SerOwnContribution), own0 + ownStep * d);
        if (d > 0)
            QCOMPARE(at(block, y, SerMonthlyIncome), 0.0);
        QCOMPARE(at(block, y, SerRoi), 0.0); // negative, clamped
    }
}

void TestProjection::extremeInputsStayDefined()
{
    // Every field of every type, one extreme text at a time: the projection runs, the start year
    // it writes is the clamped truncation, and the ROI is never NaN or negative.
    const char *texts[] = { "1e999", "-1e999", "inf", "-inf", "nan", "1e308", "-1e308", "4e9" };
    for (int type = 0; type < InvestmentTypeCount; ++type) {
        for (int column = 0; column < FieldCount; ++column) {
            for (const char *text : texts) {
                InvestmentInput in = exampleRow(type);
                in.field[column] = FieldFromText(QString::fromLatin1(text));
                const int start = ProjectedStartYear(in);
                QVERIFY(start >= -StartYearLimit && start <= StartYearLimit);
                const ProjectionBlock block = project(in, start);
                const QByteArray where
                    = QByteArray(TypeNames[type]) + " column " + QByteArray::number(column) + " " + text;
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

void TestProjection::carriedYearsMatchTheirPowers_data()
{
    QTest::addColumn<double>("rate");
    // Rates from a fall through nearly nothing to doubling: each year's figure is carried from
    // the year before and must stay within 1e-12 of the power of its own year.
    for (double rate : { -20.0, -0.5, 0.01, 0.2, 3.0, 7.25, 40.0, 100.0 })
        QTest::newRow(QByteArray::number(rate).constData()) << rate;
}

void TestProjection::carriedYearsMatchTheirPowers()
{
    QFETCH(double, rate);
    // Against the powers in long double: for a rate of 0,01 % the double formula
    // a g + m (g - 1) / r itself is off by some 4e-12, as g - 1 loses digits.
    const auto close = [](double actual, long double expected) {
        return std::fabs(static_cast<long double>(actual) - expected) <= 1e-12L * std::fabs(expected);
    };

    InvestmentInput property = leveraged();
    property.field[ColRentIncrease] = rate;
    property.field[ColValueIncrease] = rate;
    property.field[ColInterest] = std::fabs(rate);
    property.field[ColMortgageYears] = 30;
    const ProjectionBlock p = project(property, 2020);

    InvestmentInput savings = compounded();
    savings.field[ColReturn] = rate;
    savings.field[ColDepositPeriod] = 40;
    const ProjectionBlock c = project(savings, 2020);

    const long double monthly = static_cast<long double>(rate) / 1200.0L;
    const long double interest = std::fabs(monthly);
    const long double loan = 160000;
    for (int d = 0; d < MaxYears; ++d) {
        const long double g = std::pow(1.0L + monthly, 12.0L * d);
        const QByteArray year = "year " + QByteArray::number(d);
        QVERIFY2(close(at(p, d, SerMonthlyIncome), 1000 * g), year.constData());
        QVERIFY2(close(at(p, d, SerPropertyValue), 200000 * g), year.constData());
        const long double left = d < 30
            ? loan * (1.0L - std::pow(1.0L + interest, -(360.0L - 12 * d))) / (1.0L - std::pow(1.0L + interest, -360.0L))
            : 0.0L;
        QVERIFY2(close(p.principal[d], left), year.constData());
        QVERIFY2(close(at(c, d, SerCash), 1000 * g + 100 * (g - 1.0L) / monthly), year.constData());
    }
}

// Rows at nearly the same rates and terms, or many rates in turn, projected before a row leave
// it as it is when nothing was projected before it (on a thread of its own): bit for bit.
void TestProjection::rowsProjectedBeforeChangeNothing_data()
{
    QTest::addColumn<QVector<InvestmentInput>>("before");
    QTest::addColumn<InvestmentInput>("row");
    const auto with = [](InvestmentInput in, int column, double value) {
        in.field[column] = value;
        return in;
    };
    const InvestmentInput lev = examples::leveraged(2020);
    const double nextToThree = std::nextafter(3.0, 4.0);
    QTest::newRow("rent growth a bit apart") << QVector<InvestmentInput> { with(lev, ColRentIncrease, std::nextafter(2.0, 3.0)) } << lev;
    QTest::newRow("value growth a bit apart") << QVector<InvestmentInput> { with(lev, ColValueIncrease, nextToThree) } << lev;
    QTest::newRow("interest a bit apart") << QVector<InvestmentInput> { with(lev, ColInterest, nextToThree) } << lev;
    QTest::newRow("a longer term") << QVector<InvestmentInput> { with(lev, ColMortgageYears, 20.5) } << lev;
    QTest::newRow("no interest, then some") << QVector<InvestmentInput> { with(lev, ColInterest, 0.0) } << lev;
    QTest::newRow("minus zero growth") << QVector<InvestmentInput> { with(lev, ColRentIncrease, -0.0) } << with(lev, ColRentIncrease, 0.0);
    QTest::newRow("a NaN rate") << QVector<InvestmentInput> { with(lev, ColValueIncrease, qQNaN()) } << with(lev, ColValueIncrease, 0.0);
    QVector<InvestmentInput> many;
    for (int k = 1; k <= 9; ++k)
        many.append(with(with(with(lev, ColRentIncrease, k), ColValueIncrease, k + 0.5), ColInterest, k * 0.7));
    QTest::newRow("nine rates in turn") << many << with(with(with(lev, ColRentIncrease, 1), ColValueIncrease, 1.5), ColInterest, 0.7);
    QTest::newRow("property in full after a mortgage") << QVector<InvestmentInput> { lev } << examples::inFull(2020);
}

void TestProjection::rowsProjectedBeforeChangeNothing()
{
    QFETCH(QVector<InvestmentInput>, before);
    QFETCH(InvestmentInput, row);
    ProjectionBlock alone;
    std::thread([&] { ProjectRow(row, 2020, MaxYears, alone); }).join();
    ProjectionBlock scratch;
    for (const InvestmentInput &in : before)
        ProjectRow(in, 2020, MaxYears, scratch);
    const auto same = [&alone](const ProjectionBlock &b) {
        return std::memcmp(b.years, alone.years, sizeof b.years) == 0
            && std::memcmp(b.principal, alone.principal, sizeof b.principal) == 0
            && std::memcmp(b.runningCosts, alone.runningCosts, sizeof b.runningCosts) == 0;
    };
    ProjectionBlock after;
    ProjectRow(row, 2020, MaxYears, after);
    QVERIFY(same(after));
    // And again after the row itself, which it may now share figures with.
    ProjectRow(row, 2020, MaxYears, after);
    QVERIFY(same(after));
}

QTEST_GUILESS_MAIN(TestProjection)
#include "tst_projection.moc"
