// The arithmetic of a generator run: prices, rents, the money one purchase needs, the cash
// of a calendar year and the cell texts, without the window.

#include "generator/GeneratorMath.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

GeneratorParameters parameters(std::initializer_list<double> values)
{
    GeneratorParameters p;
    int k = 0;
    for (double v : values)
        p.field[k++] = v;
    return p;
}

// A "Maandelijks sparen" row: cash A + 12 M d in its year d.
void addSaving(InvestmentStore &store, int row, double year, double lumpSum, double monthly)
{
    InvestmentInput &in = store.input(row);
    in.setAllEmpty();
    in.field[ColType] = MonthlySaving;
    in.field[ColStartYear] = year;
    in.field[ColLumpSum] = lumpSum;
    in.field[ColMonthlyDeposit] = monthly;
    store.setRowType(row, MonthlySaving);
    store.addInvestment(row);
}

} // namespace

class GeneratorMathTest : public QObject
{
    Q_OBJECT

private slots:
    void parameterFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "veel" << 0.0;
        QTest::newRow("comma is no decimal point") << "2,5" << 0.0;
        QTest::newRow("blanks around") << "  12.5\n" << 12.5;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
    }

    void parameterFromText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(GeneratorParameterFromText(text), value);
    }

    void yearCountStaysWithinTheHorizon_data()
    {
        QTest::addColumn<int>("maxJaren");
        QTest::addColumn<int>("count");
        QTest::newRow("default") << 31 << 31;
        QTest::newRow("fewer") << 5 << 5;
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("negative") << -3 << 0;
        QTest::newRow("beyond") << 1000 << 31;
    }

    void yearCountStaysWithinTheHorizon()
    {
        QFETCH(int, maxJaren);
        QFETCH(int, count);
        QCOMPARE(GeneratorYearCount(maxJaren), count);
        double table[MaxYears];
        std::fill(std::begin(table), std::end(table), -7.0);
        QCOMPARE(FillPriceTable(1000.0, 0.0, maxJaren, table), count);
        for (int l = 0; l < MaxYears; ++l)
            QCOMPARE(table[l], l < count ? 1000.0 : -7.0);
    }

    void priceAndRentGrowMonthlyCompounded_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("percent");
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("expected");
        QTest::newRow("no growth, first year") << 200000.0 << 0.0 << 0 << 200000.0;
        QTest::newRow("no growth, later year") << 200000.0 << 0.0 << 17 << 200000.0;
        QTest::newRow("first year") << 200000.0 << 3.0 << 0 << 200000.0;
        QTest::newRow("3 %, one year") << 200000.0 << 3.0 << 1 << 200000.0 * std::pow(1.0025, 12);
        QTest::newRow("3 %, ten years") << 200000.0 << 3.0 << 10 << 200000.0 * std::pow(1.0025, 120);
        QTest::newRow("12 %, two years") << 1000.0 << 12.0 << 2 << 1000.0 * std::pow(1.01, 24);
        QTest::newRow("falling") << 1000.0 << -12.0 << 1 << 1000.0 * std::pow(0.99, 12);
    }

    void priceAndRentGrowMonthlyCompounded()
    {
        QFETCH(double, amount);
        QFETCH(double, percent);
        QFETCH(int, year);
        QFETCH(double, expected);
        QVERIFY(std::abs(GeneratedPrice(amount, percent, year) - expected) <= 1e-9 * std::abs(expected));
        QVERIFY(std::abs(GeneratedRent(amount, percent, year) - expected) <= 1e-9 * std::abs(expected));
        double table[MaxYears];
        FillPriceTable(amount, percent, 31, table);
        QVERIFY(std::abs(table[year] - expected) <= 1e-9 * std::abs(expected));
    }

    void moneyNeeded_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("loanToValue");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("need");
        QTest::newRow("leveraged 80 %") << 0 << 80.0 << 999.0 << 200000.0 << 40000.0;
        QTest::newRow("leveraged 100 %") << 0 << 100.0 << 999.0 << 200000.0 << 0.0;
        QTest::newRow("leveraged no loan") << 0 << 0.0 << 999.0 << 150000.0 << 150000.0;
        QTest::newRow("in full") << 1 << 80.0 << 999.0 << 150000.0 << 150000.0;
        QTest::newRow("cash") << 2 << 80.0 << 10000.0 << 150000.0 << 10000.0;
    }

    void moneyNeeded()
    {
        QFETCH(int, kind);
        QFETCH(double, loanToValue);
        QFETCH(double, minimum);
        QFETCH(double, price);
        QFETCH(double, need);
        GeneratorParameters p;
        p.field[GenLoanToValue] = loanToValue;
        p.field[GenMinimumDeposit] = minimum;
        QCOMPARE(MoneyNeeded(kind, p, price), need);
    }

    void buyingAndStaying_data()
    {
        QTest::addColumn<double>("cash");
        QTest::addColumn<double>("need");
        QTest::addColumn<bool>("buys");
        QTest::addColumn<bool>("stays");
        QTest::newRow("short") << 39999.0 << 40000.0 << false << false;
        QTest::newRow("exactly one") << 40000.0 << 40000.0 << true << false;
        QTest::newRow("one and a bit") << 50000.0 << 40000.0 << true << false;
        QTest::newRow("exactly two") << 80000.0 << 40000.0 << true << true;
        QTest::newRow("nothing needed") << 0.0 << 0.0 << true << true;
        QTest::newRow("debt, nothing needed") << -5.0 << 0.0 << false << false;
        QTest::newRow("cash not a number") << NaN << 0.0 << false << false;
        QTest::newRow("need not a number") << 1e9 << NaN << false << false;
    }

    void buyingAndStaying()
    {
        QFETCH(double, cash);
        QFETCH(double, need);
        QFETCH(bool, buys);
        QFETCH(bool, stays);
        QCOMPARE(CoversNeed(cash, need), buys);
        QCOMPARE(CoversNeed(cash, need) && StaysInYear(cash, need), stays);
    }

    void cashTotalOfACalendarYear()
    {
        InvestmentStore store;
        QCOMPARE(CashTotal(store, 2020), 0.0); // nothing projected: no base year

        addSaving(store, 0, 2018, 1000, 100); // base year 2018
        addSaving(store, 1, 2020, 500, 0);
        QCOMPARE(CashTotal(store, 2017), 0.0); // before the base year
        QCOMPARE(CashTotal(store, 2018), 1000.0);
        QCOMPARE(CashTotal(store, 2020), 1000.0 + 2 * 1200.0 + 500.0);
        QCOMPARE(CashTotal(store, 2020.9), 1000.0 + 2 * 1200.0 + 500.0); // a year is truncated
        QCOMPARE(CashTotal(store, 2048), 1000.0 + 30 * 1200.0 + 500.0); // year index 30
        QCOMPARE(CashTotal(store, 2049), 0.0); // beyond the horizon
        QCOMPARE(CashTotal(store, NaN), 0.0);
        QCOMPARE(CashTotal(store, 1e300), 0.0);

        // Only rows within the investment limit count.
        store.setMaxInvestment(1);
        QCOMPARE(CashTotal(store, 2020), 1000.0 + 2 * 1200.0);
        store.setMaxInvestment(30);

        // Only the projected years count.
        store.setMaxJaren(3);
        QCOMPARE(CashTotal(store, 2020), 1000.0 + 2 * 1200.0 + 500.0);
        QCOMPARE(CashTotal(store, 2021), 0.0);
    }

    void savingsPlanRecord()
    {
        const InvestmentInput r = SavingsPlanRecord(parameters({ 2020, 50000, 1000, 7, 8, 9, 10, 11, 12, 13 }));
        QCOMPARE(r.field[ColType], double(MonthlySaving));
        QCOMPARE(r.field[ColStartYear], 2020.0);
        QCOMPARE(r.field[ColLumpSum], 50000.0);
        QCOMPARE(r.field[ColMonthlyDeposit], 1000.0);
        QCOMPARE(r.field[ColReturn], 0.0);
        for (int c : { 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 })
            QCOMPARE(r.field[c], EmptyField);
    }

    void purchaseTemplate_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVector<double>>("fields"); // the 16 fields, start year included
        QTest::newRow("leveraged") << 0
                                   << QVector<double> { 0, 2020, -1, -1, -1, -1, 200000, 1000, 2, 3, -1, 80, 4, 20, -1,
                                          -1 };
        QTest::newRow("in full") << 1
                                 << QVector<double> { 1, 2020, -1, -1, -1, -1, 200000, 1000, 2, 3, -1, -1, -1, -1, -1,
                                        -1 };
        // Kind 2 reads field 4 as the period, 5 as the minimum deposit and 6 as the return.
        QTest::newRow("cash, minimum") << 2
                                       << QVector<double> { 2, 2020, 1000, 0, 200000, -1, 1000, -1, -1, -1, -1, -1, -1,
                                              -1, -1, 2 };
    }

    void purchaseTemplate()
    {
        QFETCH(int, kind);
        QFETCH(QVector<double>, fields);
        const InvestmentInput r = PurchaseTemplate(kind, parameters({ 2020, 50000, 1000, 200000, 1000, 2, 3, 80, 4, 20 }));
        for (int c = 0; c < FieldCount; ++c)
            QCOMPARE(r.field[c], fields.at(c));
    }

    void singleCashRowCarriesThePanelDeposits()
    {
        const GeneratorParameters p = parameters({ 2021, 7000, 150, 5, 0, 4 });
        QVERIFY(WritesSingleCashRow(2, p));
        QVERIFY(!WritesSingleCashRow(0, p));
        QVERIFY(!WritesSingleCashRow(2, parameters({ 2021, 7000, 150, 5, 10, 4 })));
        const InvestmentInput r = PurchaseTemplate(2, p);
        QCOMPARE(r.field[ColLumpSum], 7000.0);
        QCOMPARE(r.field[ColMonthlyDeposit], 150.0);
        QCOMPARE(r.field[ColDepositPeriod], 5.0);
        QCOMPARE(r.field[ColPrice], 0.0);
        QCOMPARE(r.field[ColReturn], 4.0);
    }

    void cellText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty marker") << -1.0 << "";
        QTest::newRow("year") << 2020.0 << "2020";
        QTest::newRow("price") << 200000.0 << "200000";
        QTest::newRow("seven digits") << 1234567.0 << "1.23457e+06";
        QTest::newRow("fraction") << 2.5 << "2.5";
        QTest::newRow("long fraction") << 103041.5957 << "103042";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -2.0 << "-2";
    }

    void cellText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(GeneratedCellText(value), text);
    }

    void rowTypeOfARecord_data()
    {
        QTest::addColumn<double>("field");
        QTest::addColumn<int>("type");
        QTest::newRow("leveraged") << 0.0 << 0;
        QTest::newRow("cash") << 2.0 << 2;
        QTest::newRow("saving") << 3.9 << 3;
        QTest::newRow("beyond the types") << 5.0 << 0;
        QTest::newRow("negative") << -1.0 << 0;
        QTest::newRow("not a number") << NaN << 0;
    }

    void rowTypeOfARecord()
    {
        QFETCH(double, field);
        QFETCH(int, type);
        QCOMPARE(GeneratedRowType(field), type);
    }
};

QTEST_GUILESS_MAIN(GeneratorMathTest)
#include "tst_generator_math.moc"
