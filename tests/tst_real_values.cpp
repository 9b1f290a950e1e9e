// Amounts in today's money, the year the monthly cash flow covers a spending, and the
// comparison with a baseline per calendar year.

#include "ExampleInvestments.h"
#include "TestFiles.h"
#include "io/PortfolioLoader.h"
#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/RealValues.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// A saving plan from `savingYear` and the worked example's leveraged property from 2020.
QString portfolio(const char *savingYear, const char *price)
{
    return testsupport::investFileText(QStringLiteral("Cash voor cashflow"), {},
        { { "Maandelijks sparen", savingYear, "1000", "250" },
            { "Onderpand met hefboom", "2020", "", "", "", "", price, "1000", "2", "3", "", "80", "3", "20" } });
}

} // namespace

class TestRealValues : public QObject
{
    Q_OBJECT

private slots:
    void deflation_data()
    {
        QTest::addColumn<double>("inflation");
        QTest::addColumn<int>("year"); // against 2025
        QTest::addColumn<double>("real"); // of 1000, by hand: 1000 / (1 + inflation / 100)^(year - 2025)
        QTest::newRow("0 %") << 0.0 << 2040 << 1000.0;
        QTest::newRow("2 %, 15 years on") << 2.0 << 2040 << 743.0147299885189;
        QTest::newRow("the reference year") << 2.0 << 2025 << 1000.0;
        QTest::newRow("5 years before it") << 2.0 << 2020 << 1104.0808032;
        QTest::newRow("-2 %") << -2.0 << 2030 << 1106.2916170754488;
        QTest::newRow("-100 % changes nothing") << -100.0 << 2040 << 1000.0;
        QTest::newRow("nan changes nothing") << std::nan("") << 2040 << 1000.0;
    }

    void deflation()
    {
        QFETCH(double, inflation);
        QFETCH(int, year);
        QFETCH(double, real);
        for (const int first : { year - 3, year + 40 }) { // the year inside the table and outside it
            YearRecord record;
            std::fill(std::begin(record.series), std::end(record.series), 1000.0);
            InflationTable(inflation, 2025, first).deflate(record, year);
            for (int k = 0; k < SeriesCount; ++k) // all but start year and ROI are amounts
                QVERIFY(std::abs(record.series[k] - (k == SerStartYear || k == SerRoi ? 1000.0 : real)) < 1e-9);
        }
        QVERIFY(inflation != 0.0 || DeflationDivisor(year, 2025, inflation) == 1.0); // 0 % changes no bit
    }

    // The leveraged property from 2020: monthly cash flow 112.64 in 2020, 132.83 in 2021, 217.72
    // in 2025, 239.92 in 2026, 262.44 in 2027, 1491.33 in 2040 once the mortgage is paid off.
    // The money lent out from 2020 pays 51.40 a month up to 2025 and nothing from 2026 on.
    void freeYear_data()
    {
        QTest::addColumn<QString>("rows"); // L: leveraged, C: cash lent out
        QTest::addColumn<int>("years"); // 0: no row projected
        QTest::addColumn<double>("inflation");
        QTest::addColumn<int>("reference");
        QTest::addColumn<double>("spending");
        QTest::addColumn<int>("freeYear"); // 0: none
        QTest::newRow("no row") << "L" << 0 << 2.0 << 2020 << 100.0 << 0;
        QTest::newRow("spending 0") << "L" << 31 << 2.0 << 2020 << 0.0 << 0;
        QTest::newRow("spending not set") << "L" << 31 << 2.0 << 2020 << std::nan("") << 0;
        QTest::newRow("exactly covered") << "L" << 31 << 0.0 << 2020 << 112.64384343372694 << 2020;
        QTest::newRow("the next year") << "L" << 31 << 0.0 << 2020 << 112.65 << 2021;
        // 1491.33 / 1.02^20 = 1003.62 in 2020 money; the rent grows about as fast as prices after that.
        QTest::newRow("in today's money") << "L" << 31 << 2.0 << 2020 << 1000.0 << 2040;
        QTest::newRow("never enough") << "L" << 31 << 2.0 << 2020 << 1100.0 << 0;
        QTest::newRow("beyond the horizon") << "L" << 10 << 0.0 << 2020 << 1000.0 << 0;
        // 112.64 of 2020 is 137.31 in 2030 money; at 0 % it is not.
        QTest::newRow("a year before the reference") << "L" << 31 << 2.0 << 2030 << 130.0 << 2020;
        QTest::newRow("before it, at 0 %") << "L" << 31 << 0.0 << 2030 << 130.0 << 2021;
        // Covered from 2020 to 2025, then no income at all: never free.
        QTest::newRow("income stops after six years") << "C" << 31 << 0.0 << 2020 << 50.0 << 0;
        // 217.72 + 51.40 covers 260 in 2025, 239.92 alone not in 2026: free from 2027.
        QTest::newRow("covered for good from 2027") << "LC" << 31 << 0.0 << 2020 << 260.0 << 2027;
        QTest::newRow("covered in the last year only") << "C" << 6 << 0.0 << 2020 << 50.0 << 2020;
    }

    void freeYear()
    {
        QFETCH(QString, rows);
        QFETCH(int, years);
        QFETCH(double, inflation);
        QFETCH(int, reference);
        QFETCH(double, spending);
        QFETCH(int, freeYear);
        InvestmentStore store;
        store.setMaxJaren(years);
        for (int r = 0; r < rows.size(); ++r) {
            const bool lent = rows.at(r) == QLatin1Char('C');
            store.setRowType(r, lent ? CashForCashflow : LeveragedProperty);
            store.input(r) = lent ? examples::cashForCashflow(2020) : examples::leveraged(2020);
            if (years > 0)
                store.addInvestment(r);
        }
        const InflationTable table = InflationTableFor(store, inflation, reference);
        const int index = FreeYearIndex(store, table, spending);
        QCOMPARE(index == NoFreeYear ? 0 : 2020 + index, freeYear);
        // Real values off: the nominal cash flow against the spending grown to each year names it
        // too, covered from the free year to the last year and not in the year before.
        YearTotals t;
        const int from = index == NoFreeYear ? years : index;
        for (int y = std::max(0, from - 1); spending > 0.0 && y < years; ++y)
            QCOMPARE(store.yearTotals(y, t) && t.monthlyCashFlow >= table.nominal(spending, 2020 + y), y >= from);
    }

    // Own contribution in today's money: each payment divided by the divisor of the year it was
    // paid. A property pays once, in its start year; the compounding savings pay 1000 in 2020 and
    // 1200 in each later year, which the next year's record holds. At 2 % inflation.
    void realOwnContribution_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("reference"); // 0: this year
        QTest::addColumn<double>("expected"); // NaN: nominal / 1.02^(start - reference)
        for (int year : { 2030, 2031, 2050 })
            QTest::addRow("leveraged from 2030, in %d", year) << int(LeveragedProperty) << 2030 << year << 0 << qQNaN();
        QTest::newRow("before its start") << int(LeveragedProperty) << 2030 << 2029 << 0 << 0.0;
        QTest::newRow("compounding, 2022") << int(CompoundedInterest) << 2020 << 2022 << 2021 << 1020 + 1224 + 1200.0;
    }

    void realOwnContribution()
    {
        QFETCH(int, type);
        QFETCH(int, start);
        QFETCH(int, year);
        QFETCH(int, reference);
        QFETCH(double, expected);
        reference = reference ? reference : CurrentCalendarYear();
        InvestmentStore store; // a saving plan from 2020 sets the base year and pays in nothing
        store.setRowType(0, MonthlySaving);
        store.input(0) = examples::saving(2020);
        store.setRowType(1, type);
        store.input(1) = examples::exampleRow(type, start);
        store.addInvestment(0);
        store.addInvestment(1);
        const int y = year - 2020;
        const InflationTable table = InflationTableFor(store, 2.0, reference);
        const double nominal = store.record(1, y)->series[SerOwnContribution];
        expected = std::isnan(expected) ? nominal / std::pow(1.02, start - reference) : expected;
        const YearRecord shown = ShownRecord(store, 1, y, &table);
        QVERIFY(std::abs(shown.series[SerOwnContribution] - expected) < 1e-6);
        QCOMPARE(shown.series[SerCash], table.real(store.record(1, y)->series[SerCash], year));
        // The totals follow the rows, one year or all; without a table the store's own figure.
        YearTotals one, all[MaxYears];
        ShownTotalsByYear(store, &table, all);
        QVERIFY(ShownYearTotals(store, y, &table, one) && one.ownContribution == shown.series[SerOwnContribution]);
        QCOMPARE(all[y].ownContribution, one.ownContribution);
        QCOMPARE(ShownRecord(store, 1, y, nullptr).series[SerOwnContribution], nominal);
    }

    void baselineDifference_data()
    {
        QTest::addColumn<QString>("baseline"); // a file text, "<copy>" of the portfolio, "" for none
        QTest::addColumn<int>("investments"); // and 10 years when 1
        QTest::addColumn<double>("inflation"); // 0: real values off
        QTest::addColumn<int>("available"); // years with figures on both sides
        QTest::addColumn<int>("handYear");
        QTest::addColumn<double>("handDifference"); // net worth; 0: exactly 0 in every year
        const QString dearer = portfolio("2018", "210000");
        QTest::newRow("no baseline") << QString() << 30 << 0.0 << 0 << 0 << 0.0;
        QTest::newRow("equal, a copy") << "<copy>" << 30 << 2.0 << 31 << 0 << 0.0;
        QTest::newRow("equal, from a file") << portfolio("2018", "200000") << 30 << 0.0 << 31 << 0 << 0.0;
        // 2020: 10000 more value, 2000 less cash, 10648.27 more debt; / 1.02^2 in 2018 money.
        QTest::newRow("one Kostprijs changed") << dearer << 30 << 0.0 << 31 << 2020 << 2648.27;
        QTest::newRow("the same, in today's money") << dearer << 30 << 2.0 << 31 << 2020 << 2545.44;
        // Base year 2019: no 2018 in the baseline; in 2019 4000 saved against 1000.
        QTest::newRow("later base year") << portfolio("2019", "200000") << 30 << 0.0 << 30 << 2019 << 3000.0;
        QTest::newRow("first row only, 10 years") << dearer << 1 << 0.0 << 10 << 0 << 0.0;
        QTest::newRow("no complete row") << portfolio("", "") << 30 << 0.0 << 0 << 0 << 0.0;
    }

    void baselineDifference()
    {
        QFETCH(QString, baseline);
        QFETCH(int, investments);
        QFETCH(double, inflation);
        QFETCH(int, available);
        QFETCH(int, handYear);
        QFETCH(double, handDifference);
        const int years = investments == 1 ? 10 : 31;
        InvestmentStore current;
        current.setMaxInvestment(investments);
        current.setMaxJaren(years);
        LoadPortfolioText(portfolio("2018", "200000"), current);
        Baseline base;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("base.inv"));
        QString error;
        if (baseline == QLatin1String("<copy>"))
            base.setCopyOf(current, QStringLiteral("kopie"));
        else if (!baseline.isEmpty())
            QVERIFY(testsupport::writeBytes(path, baseline.toUtf8()) && base.loadFile(path, 30, 31, &error));
        base.setLimits(investments, years); // following the portfolio on screen

        const InflationTable table = InflationTableFor(current, inflation, 2018);
        const InflationTable *real = inflation != 0.0 ? &table : nullptr;
        BaselineYear byYear[MaxYears];
        QCOMPARE(CompareByYear(current, base.store(), real, byYear), years);
        int count = 0;
        for (const BaselineYear &b : byYear) {
            count += b.available ? 1 : 0;
            QVERIFY(handDifference != 0.0 || (b.netWorthDifference == 0.0 && b.cashFlowDifference == 0.0));
        }
        QCOMPARE(count, available);
        const BaselineYear b = CompareWithBaseline(current, base.store(), handYear - 2018, real);
        QVERIFY(handYear == 0 || (b.available && std::abs(b.netWorthDifference - handDifference) < 0.005));
        // A file that cannot be read keeps the baseline that was set.
        QVERIFY(!base.loadFile(dir.filePath(QStringLiteral("missing.inv")), 30, 31, &error) && !error.isEmpty());
        QCOMPARE(base.isSet(), !baseline.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRealValues)
#include "tst_real_values.moc"
