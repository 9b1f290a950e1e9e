// The comparison with a baseline portfolio: its net worth and monthly cash flow per calendar
// year and the difference with the portfolio on screen, with the same limits and real values.

#include "TestFiles.h"
#include "io/PortfolioLoader.h"
#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/RealValues.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace testsupport;

namespace {

QStringList leveraged(const char *price)
{
    return { "Onderpand met hefboom", "2020", "", "", "", "", price, "1000", "2", "3", "", "80", "3", "20" };
}

QStringList saving(const char *year)
{
    return { "Maandelijks sparen", year, "1000", "250" };
}

QString portfolio(const QVector<QStringList> &rows)
{
    return investFileText(QStringLiteral("Cash voor cashflow"), {}, rows);
}

} // namespace

class TestBaseline : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void difference_data()
    {
        QTest::addColumn<QString>("baseline"); // a file text, "<copy>" of the current one, or "" for none
        QTest::addColumn<int>("investments");
        QTest::addColumn<int>("years");
        QTest::addColumn<double>("inflation"); // 0: real values off
        QTest::addColumn<int>("available"); // years with figures on both sides
        QTest::addColumn<int>("handYear");
        QTest::addColumn<double>("handDifference"); // net worth, computed by hand
        const QString nominal = portfolio({ saving("2018"), leveraged("200000") });
        QTest::newRow("no baseline") << QString() << 30 << 31 << 0.0 << 0 << 0 << 0.0;
        QTest::newRow("equal, a copy") << "<copy>" << 30 << 31 << 0.0 << 31 << 2040 << 0.0;
        QTest::newRow("equal, read from a file") << nominal << 30 << 31 << 0.0 << 31 << 2040 << 0.0;
        // 2020: 10000 more value, 2000 less cash, 10648.27 more debt.
        QTest::newRow("one Kostprijs changed")
            << portfolio({ saving("2018"), leveraged("210000") }) << 30 << 31 << 0.0 << 31 << 2020 << 2648.27;
        // Base year 2019 against 2018: the 2018 line has no baseline; 2019 saves 4000 against 1000.
        QTest::newRow("later base year") << portfolio({ saving("2019"), leveraged("200000") }) << 30 << 31 << 0.0
                                         << 30 << 2019 << 3000.0;
        QTest::newRow("only the first row counts, 10 years")
            << portfolio({ saving("2018"), leveraged("210000") }) << 1 << 10 << 0.0 << 10 << 2027 << 0.0;
        QTest::newRow("no complete row in the baseline") << portfolio({ { "Maandelijks sparen", "2018", "1000" } })
                                                         << 30 << 31 << 0.0 << 0 << 0 << 0.0;
        QTest::newRow("equal, in today's money") << "<copy>" << 30 << 31 << 2.0 << 31 << 2048 << 0.0;
        QTest::newRow("one Kostprijs changed, in today's money")
            << portfolio({ saving("2018"), leveraged("210000") }) << 30 << 31 << 2.0 << 31 << 2020 << 2545.44;
    }

    void difference()
    {
        QFETCH(QString, baseline);
        QFETCH(int, investments);
        QFETCH(int, years);
        QFETCH(double, inflation);
        QFETCH(int, available);
        QFETCH(int, handYear);
        QFETCH(double, handDifference);
        InvestmentStore current;
        current.setMaxInvestment(investments);
        current.setMaxJaren(years);
        LoadPortfolioText(portfolio({ saving("2018"), leveraged("200000") }), current);

        // Read with the default limits, then following the limits of the portfolio on screen.
        Baseline base;
        InvestmentStore independent; // the baseline's own projection, as a second export run makes it
        independent.setMaxInvestment(investments);
        independent.setMaxJaren(years);
        if (baseline == QLatin1String("<copy>")) {
            base.setCopyOf(current, QStringLiteral("kopie"));
            independent = current;
        } else if (!baseline.isEmpty()) {
            const QString path = m_dir.filePath(QStringLiteral("base.inv"));
            QVERIFY(writeBytes(path, baseline.toUtf8()));
            QString error;
            QVERIFY(base.loadFile(path, 30, 31, &error));
            QCOMPARE(base.name(), QStringLiteral("base.inv"));
            base.setLimits(investments, years);
            LoadPortfolioText(baseline, independent);
        }
        QCOMPARE(base.isSet(), !baseline.isEmpty());

        const InflationTable table = InflationTableFor(current, inflation, 2018);
        const InflationTable *real = inflation != 0.0 ? &table : nullptr;
        BaselineYear byYear[MaxYears];
        QCOMPARE(CompareByYear(current, base.store(), real, byYear), years);
        int count = 0;
        for (int y = 0; y < years; ++y) {
            const BaselineYear one = CompareWithBaseline(current, base.store(), y, real);
            QCOMPARE(one.available, byYear[y].available);
            if (!one.available)
                continue;
            ++count;
            const int year = 2018 + y;
            YearTotals mine;
            YearTotals theirs;
            QVERIFY(ShownYearTotals(current, y, real, mine));
            QVERIFY(ShownYearTotals(independent, year - independent.earliestStartYear(), real, theirs));
            for (const BaselineYear &b : { one, byYear[y] }) {
                QCOMPARE(b.netWorth, theirs.netWorth());
                QCOMPARE(b.monthlyCashFlow, theirs.monthlyCashFlow);
                QCOMPARE(b.netWorthDifference, mine.netWorth() - theirs.netWorth());
                QCOMPARE(b.cashFlowDifference, mine.monthlyCashFlow - theirs.monthlyCashFlow);
            }
            if (year == handYear)
                QVERIFY2(std::abs(one.netWorthDifference - handDifference) < 0.005,
                    qPrintable(QString::number(one.netWorthDifference, 'f', 4)));
            if (handDifference == 0.0)
                QCOMPARE(one.netWorthDifference, 0.0); // exactly, in every year
        }
        QCOMPARE(count, available);
        QVERIFY(!CompareWithBaseline(current, base.store(), years, real).available);
    }

    // A file that cannot be read keeps the baseline that was set.
    void unreadableFileKeepsBaseline()
    {
        InvestmentStore current;
        LoadPortfolioText(portfolio({ saving("2018") }), current);
        Baseline base;
        base.setCopyOf(current, QStringLiteral("kopie"));
        QString error;
        QVERIFY(!base.loadFile(m_dir.filePath(QStringLiteral("missing.inv")), 30, 31, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(base.name(), QStringLiteral("kopie"));
        QVERIFY(CompareWithBaseline(current, base.store(), 0, nullptr).available);
        base.clear();
        QVERIFY(!base.isSet());
        QVERIFY(!CompareWithBaseline(current, base.store(), 0, nullptr).available);
    }
};

QTEST_GUILESS_MAIN(TestBaseline)
#include "tst_baseline.moc"
