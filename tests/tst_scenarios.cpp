// The kept scenarios: their figures against the rows projected one by one, the limit of five,
// removal and renaming, and their chart lines by calendar year.

#include "ExampleInvestments.h"

#include "model/InvestmentStore.h"
#include "model/RealValues.h"
#include "model/ScenarioSet.h"

#include <QtTest>

#include <cmath>

using Rows = QVector<InvestmentInput>;
Q_DECLARE_METATYPE(Rows)

namespace {

InvestmentStore storeOf(const Rows &rows)
{
    InvestmentStore store;
    for (int r = 0; r < rows.size(); ++r) {
        store.setRowType(r, static_cast<int>(rows.at(r).field[ColType]));
        store.input(r) = rows.at(r);
        store.addInvestment(r);
    }
    return store;
}

} // namespace

class ScenariosTest : public QObject
{
    Q_OBJECT

private slots:
    void figuresOfAProjection_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("spending");
        QTest::addColumn<bool>("todaysMoney");
        QTest::newRow("one leveraged") << Rows { examples::leveraged(2020) } << 2030 << 500.0 << false;
        QTest::newRow("saving and in full") << Rows { examples::saving(2020), examples::inFull(2022) } << 2035 << 300.0
                                            << true;
        QTest::newRow("lent out, a later start")
            << Rows { examples::compounded(2021), examples::cashForCashflow(2024) } << 2040 << 40.0 << false;
        QTest::newRow("never free") << Rows { examples::saving(2020) } << 2025 << 100.0 << true;
    }

    // Each row projected on its own and summed, the spending grown by 2 % a year from 2020.
    void figuresOfAProjection()
    {
        QFETCH(Rows, rows);
        QFETCH(int, year);
        QFETCH(double, spending);
        QFETCH(bool, todaysMoney);
        int base = INT_MAX;
        for (const InvestmentInput &in : rows)
            base = std::min(base, static_cast<int>(in.field[ColStartYear]));
        double netWorth[MaxYears] = {}, cashFlow[MaxYears] = {};
        for (const InvestmentInput &in : rows) {
            const ProjectionBlock block = examples::project(in, base);
            for (int y = 0; y < MaxYears; ++y) {
                const double *s = block.years[y].series;
                netWorth[y] += s[SerAssets] - s[SerDebt];
                cashFlow[y] += s[SerMonthlyCashFlow];
            }
        }
        int free = NoFreeYear;
        for (int y = MaxYears - 1; y >= 0 && cashFlow[y] >= spending * std::pow(1.02, base + y - 2020); --y)
            free = base + y;
        const double divisor = todaysMoney ? std::pow(1.02, year - 2020) : 1.0;

        ScenarioSet set;
        QVERIFY(set.addCopy(storeOf(rows), QStringLiteral("  Plan B ")));
        QCOMPARE(set.name(0), QStringLiteral("Plan B"));
        const InflationTable today(2.0, 2020, base);
        const ScenarioFigures f = FiguresOfYear(set.store(0), year, today, todaysMoney ? &today : nullptr, spending);
        QVERIFY(f.available);
        QCOMPARE(f.freeYear, free);
        QVERIFY(std::fabs(f.netWorth - netWorth[year - base] / divisor) <= 1e-9 * std::fabs(netWorth[year - base]) + 1e-9);
        QVERIFY(std::fabs(f.monthlyCashFlow - cashFlow[year - base] / divisor) <= 1e-9 * std::fabs(cashFlow[year - base]) + 1e-9);
        QCOMPARE(FiguresOfYear(set.store(0), base + MaxYears, today, nullptr, spending).available, false);
        QCOMPARE(FiguresOfYear(set.store(0), year, today, nullptr, std::nullopt).freeYear, NoFreeYear);

        // Without any spread every path is the projection: free by the year or not, all alike.
        PathSettings still;
        still.valueSpread = still.rentSpread = still.returnSpread = 0.0;
        still.paths = 16;
        const PathBands bands = RunPaths(PathPortfolio::fromStore(set.store(0)),
            FreeChanceSettings(set.store(0), still, today, spending));
        QCOMPARE(FreeChanceByYear(bands, year), free != NoFreeYear && free <= year ? 1.0 : 0.0);
        QVERIFY(std::isnan(FreeChanceByYear(bands, base - 1)));
    }

    void atMostFiveAndRemoval()
    {
        const InvestmentStore store = storeOf({ examples::leveraged(2020) });
        ScenarioSet set;
        for (int i = 0; i < ScenarioSet::MaxScenarios; ++i)
            QVERIFY(set.addCopy(store, QString()));
        QCOMPARE(set.name(4), QStringLiteral("Scenario 5"));
        QVERIFY(set.isFull() && !set.addCopy(store, QStringLiteral("Zesde")));
        QString error;
        QVERIFY(!set.addFile(QStringLiteral(QUORVANT_SOURCE_DIR "/none.inv"), 30, 31, &error));
        QVERIFY(error.contains(QStringLiteral("5 scenario's")));
        QCOMPARE(set.count(), 5);

        const ScenarioSet before = set; // a value: the copy keeps its own scenarios
        QVERIFY(!set.remove(-1) && !set.remove(5));
        QVERIFY(set.remove(1));
        QVERIFY(set.rename(0, QStringLiteral("Eerste")) && !set.rename(4, QStringLiteral("x")));
        QVERIFY(set.rename(0, QStringLiteral("  ")));
        QCOMPARE(QStringList({ set.name(0), set.name(1), set.name(2), set.name(3) }),
            QStringList({ "Eerste", "Scenario 3", "Scenario 4", "Scenario 5" }));
        QCOMPARE(before.count(), 5);
        QCOMPARE(before.name(1), QStringLiteral("Scenario 2"));
        // A name still carried is not offered again.
        QCOMPARE(set.nextDefaultName(), QStringLiteral("Scenario 6"));
        QVERIFY(!set.addFile(QStringLiteral(QUORVANT_SOURCE_DIR "/none.inv"), 30, 31, &error));
        QCOMPARE(set.count(), 4); // an unreadable file adds nothing
    }

    void chartLineByCalendarYear()
    {
        const InvestmentStore current = storeOf({ examples::saving(2020) });
        const InvestmentStore later = storeOf({ examples::leveraged(2022) });
        ScenarioSet set;
        set.addCopy(later, QStringLiteral("Later"));
        set.setLimits(30, 10);
        const QVector<double> line = set.chartValues(0, current, nullptr, false);
        QCOMPARE(line.size(), current.maxJaren());
        QVERIFY(std::isnan(line.at(0)) && std::isnan(line.at(1)));
        YearTotals totals;
        set.store(0).yearTotals(0, totals);
        QCOMPARE(line.at(2), totals.netWorth());
        QVERIFY(std::isnan(line.at(12))); // its ten years end in 2031
        QVERIFY(set.chartValues(1, current, nullptr, false).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ScenariosTest)
#include "tst_scenarios.moc"
