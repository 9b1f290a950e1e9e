// Amounts in the money of a reference year, and the year the monthly cash flow covers a
// monthly spending.

#include "ExampleInvestments.h"
#include "model/InvestmentStore.h"
#include "model/RealValues.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(1.0, std::abs(b));
}

} // namespace

class TestRealValues : public QObject
{
    Q_OBJECT

private slots:
    void deflation_data()
    {
        QTest::addColumn<double>("inflation");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("real"); // by hand: amount / (1 + inflation / 100)^(year - reference)
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("0 %") << 0.0 << 2025 << 2040 << 12345.67 << 12345.67;
        QTest::newRow("2 %, 15 years on") << 2.0 << 2025 << 2040 << 100000.0 << 74301.4729988519;
        QTest::newRow("the reference year") << 2.0 << 2025 << 2025 << 500.0 << 500.0;
        QTest::newRow("5 years before it") << 2.0 << 2025 << 2020 << 1000.0 << 1104.0808032;
        QTest::newRow("deflation of -2 %") << -2.0 << 2025 << 2030 << 1000.0 << 1106.2916170754488;
        QTest::newRow("180 years") << 2.0 << 1920 << 2100 << 35.32083135698926 << 1.0;
        QTest::newRow("negative amount") << 2.0 << 2025 << 2040 << -100000.0 << -74301.4729988519;
        QTest::newRow("-100 % is not usable") << -100.0 << 2025 << 2040 << 7.0 << 7.0;
        QTest::newRow("nan is not usable") << nan << 2025 << 2040 << 7.0 << 7.0;
        QTest::newRow("inf is not usable") << inf << 2025 << 2040 << 7.0 << 7.0;
    }

    void deflation()
    {
        QFETCH(double, inflation);
        QFETCH(int, reference);
        QFETCH(int, year);
        QFETCH(double, amount);
        QFETCH(double, real);
        // The year inside the precomputed table and outside it.
        for (const int first : { year - 3, year + 40 }) {
            const InflationTable table(inflation, reference, first);
            QVERIFY2(near(table.real(amount, year), real), qPrintable(QString::number(table.real(amount, year), 'g', 17)));
            QVERIFY(near(table.nominal(real, year), amount));

            YearRecord record;
            for (double &v : record.series)
                v = amount;
            table.deflate(record, year);
            for (int k = 0; k < SeriesCount; ++k) {
                const bool unchanged = k == SerStartYear || k == SerRoi;
                QVERIFY2(near(record.series[k], unchanged ? amount : real), qPrintable(QString::number(k)));
            }
        }
        if (inflation == 0.0)
            QCOMPARE(DeflationDivisor(year, reference, inflation), 1.0); // exactly: 0 % changes no bit
    }

    // The store's totals in today's money: each divided, exactly unchanged at 0 %.
    void shownTotals()
    {
        InvestmentStore store;
        store.setRowType(0, LeveragedProperty);
        store.input(0) = examples::leveraged(2020);
        store.addInvestment(0);
        YearTotals nominal;
        QVERIFY(store.yearTotals(20, nominal));

        YearTotals shown;
        const InflationTable none = InflationTableFor(store, 0.0, 2025);
        QVERIFY(ShownYearTotals(store, 20, &none, shown));
        QCOMPARE(std::memcmp(&shown, &nominal, sizeof shown), 0);
        QVERIFY(ShownYearTotals(store, 20, nullptr, shown));
        QCOMPARE(std::memcmp(&shown, &nominal, sizeof shown), 0);

        const InflationTable two = InflationTableFor(store, 2.0, 2025);
        QVERIFY(ShownYearTotals(store, 20, &two, shown)); // 2040
        const double d = std::pow(1.02, 15);
        QVERIFY(nominal.monthlyCashFlow > 1000.0);
        for (const auto &[a, b] : { std::pair(shown.cash, nominal.cash), { shown.propertyValue, nominal.propertyValue },
                 { shown.ownContribution, nominal.ownContribution }, { shown.debt, nominal.debt },
                 { shown.monthlyIncome, nominal.monthlyIncome }, { shown.monthlyCosts, nominal.monthlyCosts },
                 { shown.monthlyCashFlow, nominal.monthlyCashFlow }, { shown.assets, nominal.assets },
                 { shown.netWorth(), nominal.netWorth() } })
            QVERIFY2(std::abs(a - b / d) < 0.005, qPrintable(QString::number(a, 'f', 4)));
        QVERIFY(!ShownYearTotals(store, 31, &two, shown));
    }

    // The leveraged property of the worked example from 2020: monthly cash flow 112.64 in 2020,
    // 132.83 in 2021, 574.47 in 2039 and 1491.33 in 2040 once the mortgage is paid off.
    void freeYear_data()
    {
        QTest::addColumn<bool>("projected");
        QTest::addColumn<int>("years");
        QTest::addColumn<double>("inflation");
        QTest::addColumn<int>("reference");
        QTest::addColumn<double>("spending");
        QTest::addColumn<int>("freeYear"); // 0: none
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("no row") << false << 31 << 2.0 << 2020 << 100.0 << 0;
        QTest::newRow("spending 0") << true << 31 << 2.0 << 2020 << 0.0 << 0;
        QTest::newRow("spending not set") << true << 31 << 2.0 << 2020 << nan << 0;
        QTest::newRow("negative spending") << true << 31 << 2.0 << 2020 << -50.0 << 0;
        QTest::newRow("the first year covers it") << true << 31 << 0.0 << 2020 << 100.0 << 2020;
        QTest::newRow("exactly covered") << true << 31 << 0.0 << 2020 << 112.64384343372694 << 2020;
        QTest::newRow("the next year") << true << 31 << 0.0 << 2020 << 112.65 << 2021;
        QTest::newRow("mortgage paid off") << true << 31 << 0.0 << 2020 << 1000.0 << 2040;
        // 1491.33 / 1.02^20 = 1003.62 in 2020 money; rent grows about as fast as prices after that.
        QTest::newRow("in today's money") << true << 31 << 2.0 << 2020 << 1000.0 << 2040;
        QTest::newRow("never enough") << true << 31 << 2.0 << 2020 << 1100.0 << 0;
        QTest::newRow("beyond the horizon") << true << 10 << 0.0 << 2020 << 1000.0 << 0;
        // 112.64 in 2020 is 137.31 in 2030 money; at 0 % it is not.
        QTest::newRow("a year before the reference") << true << 31 << 2.0 << 2030 << 130.0 << 2020;
        QTest::newRow("before it, at 0 %") << true << 31 << 0.0 << 2030 << 130.0 << 2021;
    }

    void freeYear()
    {
        QFETCH(bool, projected);
        QFETCH(int, years);
        QFETCH(double, inflation);
        QFETCH(int, reference);
        QFETCH(double, spending);
        QFETCH(int, freeYear);
        InvestmentStore store;
        store.setMaxJaren(years);
        store.setRowType(0, LeveragedProperty);
        store.input(0) = examples::leveraged(2020);
        if (projected)
            store.addInvestment(0);
        const InflationTable table = InflationTableFor(store, inflation, reference);
        const int index = FreeYearIndex(store, table, spending);
        QCOMPARE(index == NoFreeYear ? 0 : 2020 + index, freeYear);

        // With real values off the window compares the nominal cash flow with the spending
        // grown to each year's money: the same year.
        int nominalIndex = NoFreeYear;
        for (int y = 0; projected && spending > 0 && y < years && nominalIndex == NoFreeYear; ++y) {
            YearTotals t;
            store.yearTotals(y, t);
            if (t.monthlyCashFlow >= table.nominal(spending, 2020 + y))
                nominalIndex = y;
        }
        QCOMPARE(nominalIndex, index);
    }
};

QTEST_GUILESS_MAIN(TestRealValues)
#include "tst_real_values.moc"
