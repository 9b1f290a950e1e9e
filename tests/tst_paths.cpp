// Projected paths: with no spread a path is the projection itself; the seed alone fixes the
// bands; the median of a compounding lump sum meets its analytic value; a run can be cancelled
// and superseded; the exporter's percentile lines.

#include "ExampleInvestments.h"
#include "grid/ColumnCatalogue.h"
#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"
#include "model/PathRunner.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>

Q_DECLARE_METATYPE(InvestmentInput)

namespace {

using namespace examples;

std::unique_ptr<InvestmentStore> storeOf(const QVector<InvestmentInput> &rows, int years = MaxYears)
{
    auto store = std::make_unique<InvestmentStore>();
    store->setMaxJaren(years);
    for (int r = 0; r < rows.size(); ++r) {
        store->setRowType(r, static_cast<int>(rows[r].field[ColType]));
        store->input(r) = rows[r];
        store->addInvestment(r);
    }
    return store;
}

// A figure of a path against the projection's: equal, both the same non-number, or within
// 1e-9 of the size of the amounts summed into it.
bool close(double path, double projected, double scale)
{
    if (path == projected || (std::isnan(path) && std::isnan(projected)))
        return true;
    return std::fabs(path - projected) <= 1e-9 * std::max(1.0, scale);
}

// 30 rows, the five example types in turn, starting from 2020 to 2026.
QVector<InvestmentInput> fullRows()
{
    QVector<InvestmentInput> rows;
    for (int r = 0; r < MaxRows; ++r)
        rows << exampleRow(r % InvestmentTypeCount, 2020 + r % 7);
    return rows;
}

PathPortfolio fullStore()
{
    return PathPortfolio::fromStore(*storeOf(fullRows()));
}

PathSettings noSpread()
{
    PathSettings settings;
    settings.valueSpread = settings.rentSpread = settings.returnSpread = 0.0;
    return settings;
}

} // namespace

class PathsTest : public QObject
{
    Q_OBJECT

private slots:
    void spreadZeroIsTheProjection_data()
    {
        QTest::addColumn<QVector<InvestmentInput>>("rows");
        QTest::addColumn<QString>("file"); // an example file of the suite instead of rows
        QTest::addColumn<int>("years");
        for (int type = 0; type < InvestmentTypeCount; ++type) {
            QTest::addRow("type %d", type) << QVector<InvestmentInput> { exampleRow(type) } << QString() << 31;
            QTest::addRow("type %d from 2023, base 2018", type)
                << QVector<InvestmentInput> { saving(2018), exampleRow(type, 2023) } << QString() << 31;
        }
        QTest::newRow("30 rows") << fullRows() << QString() << 31;
        QTest::newRow("30 rows, 12 years") << fullRows() << QString() << 12;

        // The edge cases of the projection: no interest, no term, no loan, no duration, no
        // return, a price on a compounding row, a fractional start year, an endless price.
        InvestmentInput noInterest = leveraged(), noTerm = leveraged(), noLoan = leveraged();
        noInterest.field[ColInterest] = 0;
        noTerm.field[ColMortgageYears] = 0;
        noLoan.field[ColLoanToValue] = 0;
        InvestmentInput noDuration = cashForCashflow(2021), noReturn = compounded(2022), priced = compounded();
        noDuration.field[ColDepositPeriod] = 0;
        noReturn.field[ColReturn] = 0;
        priced.field[ColPrice] = 5;
        InvestmentInput fraction = inFull(2020.5), endless = inFull(2021), shortTerm = leveraged(2022);
        endless.field[ColPrice] = std::numeric_limits<double>::infinity();
        shortTerm.field[ColMortgageYears] = 0.05;
        QTest::newRow("edge cases") << QVector<InvestmentInput> { noInterest, noTerm, noLoan, noDuration, noReturn,
            priced, fraction, shortTerm } << QString() << 31;
        QTest::newRow("endless price") << QVector<InvestmentInput> { leveraged(), endless } << QString() << 31;

        for (const QString &name : QDir(QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus")).entryList(QDir::Files))
            QTest::newRow(qPrintable(name)) << QVector<InvestmentInput>()
                                            << QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/") + name << 31;
    }

    void spreadZeroIsTheProjection()
    {
        QFETCH(QVector<InvestmentInput>, rows);
        QFETCH(QString, file);
        QFETCH(int, years);
        std::unique_ptr<InvestmentStore> store = storeOf(rows, years);
        if (!file.isEmpty()) {
            QString text, error;
            QVERIFY2(ReadInvestTextFile(file, &text, &error), qPrintable(error));
            LoadPortfolioText(text, *store);
        }
        const PathPortfolio portfolio = PathPortfolio::fromStore(*store);
        if (!store->anyRowProjected()) { // a file without a complete row: no years, no bands
            QVERIFY(RunPaths(portfolio, noSpread()).p50.isEmpty());
            return;
        }
        for (int path : { 0, 7, 9999 }) {
            const PathTotals t = SimulatePath(portfolio, noSpread(), path);
            QCOMPARE(t.cash.size(), years);
            for (int y = 0; y < years; ++y) {
                YearTotals want;
                QVERIFY(store->yearTotals(y, want));
                double cash = 0, value = 0, debt = 0, flow = 0; // the size of the amounts summed
                for (int r = 0; r < MaxRows; ++r) {
                    const double *s = store->block(r).years[y].series;
                    cash += std::fabs(s[SerCash]);
                    value += std::fabs(s[SerPropertyValue]);
                    debt += std::fabs(s[SerDebt]);
                    flow += std::fabs(s[SerMonthlyIncome]) + std::fabs(s[SerMonthlyCosts]);
                }
                const QByteArray where = QStringLiteral("path %1 year %2").arg(path).arg(y).toLatin1();
                QVERIFY2(close(t.cash[y], want.cash, cash), where);
                QVERIFY2(close(t.propertyValue[y], want.propertyValue, value), where);
                QVERIFY2(close(t.debt[y], want.debt, debt), where);
                QVERIFY2(close(t.monthlyCashFlow[y], want.monthlyCashFlow, flow), where);
                QVERIFY2(close(t.netWorth(y), want.netWorth(), cash + value + debt), where);
            }
        }
    }

    // Given deviations, each row follows the variation model as stated, computed here year by
    // year with the power function: a deviation z of year index k applies to the growth from
    // k to k + 1, and the income a row reports for year k is what it earns during k.
    void deviationsMoveTheRows_data()
    {
        QTest::addColumn<int>("type");
        for (int type : { PropertyInFull, CashForCashflow, CompoundedInterest })
            QTest::newRow(qPrintable(InvestmentTypeNames.at(type))) << type;
    }

    void deviationsMoveTheRows()
    {
        QFETCH(int, type);
        PathDeviations z;
        for (int k = 0; k < MaxYears; ++k) {
            z.value[k] = 0.5 * k - 3;
            z.rent[k] = 1 - 0.2 * k;
            z.yield[k] = (k % 3 - 1) * 4.0;
        }
        // A row of the type starting in 2021, beside a saving plan from 2020 that sets the base year.
        const InvestmentInput in = exampleRow(type, 2021);
        const PathTotals t = SimulatePath(PathPortfolio::fromStore(*storeOf({ saving(2020), in })), z);
        const auto growth = [](double percent) { return std::pow(1 + percent / 1200, 12); };
        const double rate = in.value(type == PropertyInFull ? ColValueIncrease : ColReturn);
        double value = in.value(ColPrice), rent = in.value(ColRent), cash = 0, balance = in.value(ColLumpSum);
        for (int y = 1; y < MaxYears; ++y) {
            const int d = y - 1;
            double flow = 0;
            if (type == PropertyInFull) {
                if (d > 0) {
                    cash += 12 * rent;
                    value *= growth(rate + z.value[y - 1]);
                    rent *= growth(in.value(ColRentIncrease) + z.rent[y - 1]);
                } else {
                    cash = -value;
                }
                flow = rent;
            } else if (type == CashForCashflow) {
                const double capital = in.value(ColLumpSum);
                cash = d == 0 ? -in.value(ColPrice) : cash + (d <= 5 ? capital * (growth(rate + z.yield[y - 1]) - 1) : 0);
                flow = d <= 5 ? capital * (growth(rate + z.yield[y]) - 1) / 12 : 0;
            } else if (d <= 10) {
                cash = balance;
                const double r = (rate + z.yield[y]) / 1200, deposit = in.value(ColMonthlyDeposit);
                balance = balance * growth(rate + z.yield[y]) + deposit * (growth(rate + z.yield[y]) - 1) / r;
                flow = (balance - cash - 12 * deposit) / 12; // the interest of the year

            }
            const double saved = 1000 + 1200.0 * y;
            const QByteArray where = QByteArray::number(2020 + y);
            QVERIFY2(close(t.cash[y], cash + saved, std::fabs(cash) + saved), where);
            QVERIFY2(close(t.propertyValue[y], type == PropertyInFull ? value : 0, value), where);
            QVERIFY2(close(t.monthlyCashFlow[y], flow, std::fabs(flow)), where);
        }
    }

    // The same seed gives the same bands on any number of threads; another seed other bands.
    void seedFixesTheBands()
    {
        const PathPortfolio portfolio = fullStore();
        PathSettings settings;
        settings.paths = 3000;
        settings.monthlySpending = 2500;
        const auto onThreads = [&](int threads) {
            PathRunControl control;
            control.threads = threads;
            return RunPaths(portfolio, settings, control);
        };
        const PathBands a = onThreads(1);
        QCOMPARE(a.p50.size(), MaxYears);
        for (const PathBands &b : { onThreads(2), onThreads(5) }) {
            QCOMPARE(b.p10, a.p10);
            QCOMPARE(b.p50, a.p50);
            QCOMPARE(b.p90, a.p90);
            QCOMPARE(b.coveredChance, a.coveredChance);
            QCOMPARE(b.coveredByChance, a.coveredByChance);
        }
        settings.seed += 1;
        QVERIFY(onThreads(2).p50 != a.p50);
        for (int y = 1; y < MaxYears; ++y) {
            QVERIFY(a.p10[y] < a.p50[y] && a.p50[y] < a.p90[y]);
            QVERIFY(a.coveredByChance[y] >= a.coveredByChance[y - 1]);
            QVERIFY(a.coveredByChance[y] <= a.coveredChance[y]); // free by then: covered then too
        }
    }

    // Without spread the chance of being covered is 1 in the years the projected cash flow covers
    // the spending, and the chance of being free 1 from the free year on: the leveraged example
    // and money lent out cover 260 in 2025, not in 2026 (the lending is over), and from 2027 on.
    // The percentiles are the projected net worth.
    void spendingCoveredWithoutSpread()
    {
        std::unique_ptr<InvestmentStore> store = storeOf({ leveraged(), cashForCashflow() });
        PathSettings settings = noSpread();
        settings.paths = 50;
        settings.monthlySpending = 260;
        const PathBands bands = RunPaths(PathPortfolio::fromStore(*store), settings);
        for (int y = 0; y < MaxYears; ++y) {
            YearTotals t;
            store->yearTotals(y, t);
            QCOMPARE(bands.coveredChance[y], t.monthlyCashFlow >= 260 ? 1.0 : 0.0);
            QCOMPARE(bands.coveredByChance[y], y >= 2027 - 2020 ? 1.0 : 0.0);
            const double scale = std::fabs(t.cash) + t.propertyValue + t.debt;
            QVERIFY(close(bands.p10[y], t.netWorth(), scale) && close(bands.p90[y], t.netWorth(), scale));
        }
    }

    // A lump sum A at p % with a return spread of σ points grows in year t by (1 + u_t)^12,
    // u_t normal with mean μ = p / 1200 and spread s = σ / 1200. The log of the balance after n
    // years is ln A + 12 Σ ln(1 + u_t), a sum of n independent terms of mean
    // ln(1 + μ) − s² / (2 (1 + μ)²) + O(s⁴) and negligible skew, so its median is its mean:
    //     median = A (1 + μ)^(12 n) exp(−6 n s² / (1 + μ)²),
    // at σ = 10 some 1.2 % below the projection after 30 years. The sampled median's standard
    // error is about 1.25 × 12 s √n / √paths: 0.5 % after 15 years of 10,000 paths, 0.2 %
    // after 30 years of 100,000, so the bounds below hold at two standard errors or more.
    void medianOfLumpSum_data()
    {
        QTest::addColumn<int>("paths");
        QTest::addColumn<int>("lastYear");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("10,000 paths, 15 years") << 10000 << 15 << 0.01;
        QTest::newRow("100,000 paths, 30 years") << 100000 << 30 << 0.006;
    }

    void medianOfLumpSum()
    {
        QFETCH(int, paths);
        QFETCH(int, lastYear);
        QFETCH(double, tolerance);
        const double amount = 10000, percent = 5, sigma = 10;
        InvestmentInput in = compounded(2020);
        in.field[ColLumpSum] = amount;
        in.field[ColMonthlyDeposit] = 0;
        in.field[ColDepositPeriod] = 40;
        in.field[ColReturn] = percent;
        PathSettings settings;
        settings.returnSpread = sigma;
        settings.paths = paths;
        const PathBands bands = RunPaths(PathPortfolio::fromStore(*storeOf({ in })), settings);
        const double mu = percent / 1200, s = sigma / 1200;
        for (int n = 1; n <= lastYear; ++n) {
            const double median = amount * std::pow(1 + mu, 12 * n) * std::exp(-6 * n * s * s / ((1 + mu) * (1 + mu)));
            QVERIFY2(std::fabs(bands.p50[n] / median - 1) < tolerance,
                qPrintable(QStringLiteral("year %1: %2 against %3").arg(n).arg(bands.p50[n]).arg(median)));
            // The log of the product of n yearly factors is near normal with a standard deviation
            // of 12 s √n / (1 + μ): the 10th and 90th percentiles lie 1,2816 of it either side of
            // the median's log. Their sampled error is about 1,7 times the median's.
            const double spread = 1.2815516 * 12 * s * std::sqrt(n) / (1 + mu);
            const double wider = 2.0 * tolerance;
            QVERIFY2(std::fabs(std::log(bands.p90[n] / median) / spread - 1) < wider / spread + 0.02,
                qPrintable(QStringLiteral("p90 year %1: %2 against %3").arg(n).arg(bands.p90[n]).arg(median * std::exp(spread))));
            QVERIFY2(std::fabs(std::log(median / bands.p10[n]) / spread - 1) < wider / spread + 0.02,
                qPrintable(QStringLiteral("p10 year %1: %2 against %3").arg(n).arg(bands.p10[n]).arg(median / std::exp(spread))));
        }
    }

    void quantile_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("expected");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("10th of five") << QVector<double> { 5, 1, 4, 2, 3 } << 0.1 << 1.4;
        QTest::newRow("median of five") << QVector<double> { 5, 1, 4, 2, 3 } << 0.5 << 3.0;
        QTest::newRow("ties") << QVector<double> { 2, 9, 2, 2, 1, 9 } << 0.7 << 5.5;
        QTest::newRow("between infinities") << QVector<double> { inf, 1, -inf } << 0.5 << 1.0;
        QTest::newRow("a NaN") << QVector<double> { 1, qQNaN(), 2 } << 0.5 << qQNaN();
        QTest::newRow("none") << QVector<double>() << 0.5 << qQNaN();
    }

    void quantile()
    {
        QFETCH(QVector<double>, values);
        QFETCH(double, p);
        QFETCH(double, expected);
        const auto same = [](double q, double e) {
            return q == e || (std::isnan(q) && std::isnan(e)) || std::fabs(q - e) < 1e-12;
        };
        QVERIFY(same(Quantile(QVector<double>(values).data(), values.size(), p), expected));
        // Asked together with a lower and a higher one, as a run asks.
        const double ps[3] = { p / 2, p, (1 + p) / 2 };
        double qs[3];
        Quantiles(QVector<double>(values).data(), values.size(), ps, qs, 3);
        QVERIFY(same(qs[1], expected));
        QVERIFY(same(qs[0], Quantile(values.data(), values.size(), ps[0])));
        QVERIFY(same(qs[2], Quantile(values.data(), values.size(), ps[2])));
    }

    // Many values, as a run has one per path: the quantiles must be those of the sorted values
    // exactly, whether few values lie near each quantile or many are equal.
    void quantileOfManyValues_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<double>>("ps");
        const QVector<double> bands { 0.1, 0.5, 0.9 };
        QTest::newRow("spread out, 100.000") << "lognormal" << 100000 << bands;
        QTest::newRow("spread out, an odd count") << "lognormal" << 12347 << bands;
        QTest::newRow("the ends") << "lognormal" << 20000 << QVector<double> { 0.0, 1.0 };
        QTest::newRow("close together") << "lognormal" << 30000 << QVector<double> { 0.49, 0.5, 0.51 };
        QTest::newRow("all equal") << "equal" << 20000 << bands;
        QTest::newRow("half of them equal") << "half equal" << 40000 << bands;
        QTest::newRow("ascending") << "ascending" << 50000 << bands;
        QTest::newRow("descending") << "descending" << 50000 << bands;
        QTest::newRow("two far clusters") << "clusters" << 30000 << bands;
        QTest::newRow("infinities at both ends") << "infinite ends" << 20000 << QVector<double> { 0.0, 0.5, 1.0 };
        QTest::newRow("a NaN at the end") << "nan last" << 20000 << bands;
        QTest::newRow("a NaN in front") << "nan first" << 20000 << bands;
    }

    void quantileOfManyValues()
    {
        QFETCH(QString, shape);
        QFETCH(int, count);
        QFETCH(QVector<double>, ps);
        QVector<double> values(count);
        std::mt19937_64 random(7);
        std::lognormal_distribution<double> lognormal(12.0, 0.6);
        for (int i = 0; i < count; ++i) {
            const double spread = lognormal(random);
            if (shape == "equal")
                values[i] = 250000.0;
            else if (shape == "half equal")
                values[i] = i % 2 ? 250000.0 : spread;
            else if (shape == "ascending")
                values[i] = i * 0.5;
            else if (shape == "descending")
                values[i] = (count - i) * 0.5;
            else if (shape == "clusters")
                values[i] = (i % 3 ? 1e6 : -1e6) + spread * 1e-9;
            else
                values[i] = spread;
        }
        if (shape == "infinite ends") {
            values[count / 3] = std::numeric_limits<double>::infinity();
            values[count / 2] = -std::numeric_limits<double>::infinity();
        }
        if (shape == "nan last")
            values[count - 1] = qQNaN();
        if (shape == "nan first")
            values[0] = qQNaN();
        const bool nan = shape.startsWith("nan");

        QVector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        QVector<double> got(ps.size());
        Quantiles(values.data(), count, ps.data(), got.data(), ps.size());
        for (int i = 0; i < ps.size(); ++i) {
            const double h = ps[i] * (count - 1);
            const int lo = static_cast<int>(h);
            const double low = sorted[lo];
            const double high = h > lo && lo + 1 < count ? sorted[lo + 1] : low;
            const double expected = high == low ? low : low + (h - lo) * (high - low);
            if (nan)
                QVERIFY(std::isnan(got[i]));
            else
                QVERIFY2(got[i] == expected, qPrintable(QStringLiteral("p %1: %2 against %3").arg(ps[i]).arg(got[i], 0, 'g', 17).arg(expected, 0, 'g', 17)));
        }
    }

    void cancelledRunGivesNothing()
    {
        std::atomic<bool> cancel { true };
        std::atomic<int> done { 0 };
        PathRunControl control;
        control.pathsDone = &done;
        QCOMPARE(RunPaths(fullStore(), PathSettings(), control).paths, 10000);
        QCOMPARE(done.load(), 10000);
        done = 0;
        control.cancel = &cancel;
        const PathBands bands = RunPaths(fullStore(), PathSettings(), control);
        QVERIFY(bands.cancelled);
        QVERIFY(bands.p50.isEmpty());
        QCOMPARE(done.load(), 0);
    }

    // A new request supersedes the running one, which then delivers nothing; a cancelled run
    // delivers nothing either; a run that takes a while reports progress; a runner can go
    // while a run is going.
    void runnerSupersedesAndCancels()
    {
        const PathPortfolio portfolio = fullStore();
        PathSettings big, small;
        big.paths = PathSettings::MaxPaths;
        small.paths = 500;
        small.seed = 7;
        PathRunner runner;
        QSignalSpy finished(&runner, &PathRunner::finished);
        QSignalSpy progress(&runner, &PathRunner::progress);
        runner.start(portfolio, big);
        QVERIFY(runner.isRunning());
        runner.start(portfolio, small);
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(!runner.isRunning());
        const PathBands got = finished.first().first().value<PathBands>();
        QCOMPARE(got.paths, small.paths);
        QCOMPARE(got.p50, RunPaths(portfolio, small).p50);
        runner.start(portfolio, big);
        runner.cancel();
        QVERIFY(!runner.isRunning());
        QTest::qWait(300);
        QCOMPARE(finished.size(), 1); // neither the superseded nor the cancelled run delivered

        runner.setThreadCount(1);
        QElapsedTimer clock;
        clock.start();
        runner.start(portfolio, big);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 60000);
        if (clock.elapsed() > 3 * PathRunner::ProgressDelayMs)
            QVERIFY(!progress.isEmpty());
        for (const QList<QVariant> &report : progress)
            QVERIFY(report.at(0).toInt() <= big.paths && report.at(1).toInt() == big.paths);

        auto gone = std::make_unique<PathRunner>();
        gone->start(portfolio, big);
        gone.reset(); // cancels and waits, no delivery to a runner that is gone
    }

    // The exporter's free year, its chance of being free along paths without spread and its
    // remaining-principal debt, against the rules the window calls, for every example file.
    void exporterFreeYearAndDebt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("spending");
        QTest::addColumn<double>("inflation"); // from 2025
        for (const QString &name : QDir(QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus")).entryList(QDir::Files)) {
            for (const char *spending : { "300", "500", "1500" }) {
                QTest::addRow("%s, %s", qPrintable(name), spending) << name << spending << 0.0;
                QTest::addRow("%s, %s at 2 %%", qPrintable(name), spending) << name << spending << 2.0;
            }
        }
    }

    void exporterFreeYearAndDebt()
    {
        QFETCH(QString, file);
        QFETCH(QString, spending);
        QFETCH(double, inflation);
        const QString path = QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/") + file;
        const auto run = [&](const QStringList &options) {
            QProcess exporter;
            exporter.start(QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export"), options + QStringList { path });
            const bool ok = exporter.waitForFinished(60000) && exporter.exitCode() == 0;
            return ok ? QString::fromLatin1(exporter.readAllStandardOutput()).trimmed().split('\n') : QStringList();
        };
        QString text, error;
        QVERIFY(ReadInvestTextFile(path, &text, &error));
        InvestmentStore store;
        LoadPortfolioText(text, store);
        const int free = FreeYearIndex(store, InflationTableFor(store, inflation, 2025), spending.toDouble());
        const QStringList options { "--free-year", spending, "--real", QString::number(inflation), "--reference-year",
            "2025" };
        const QString year = QString::number(store.earliestStartYear() + free);
        QCOMPARE(run(options).value(0), free == NoFreeYear ? QStringLiteral("geen") : year);
        const QStringList paths = run(QStringList { "--paths", "20", "--spread", "0,0,0" } + options);
        QCOMPARE(paths.value(0), QStringLiteral("year,p10_real,p50_real,p90_real,chance_free")); // options hold --real
        for (int y = 1; y < paths.size(); ++y)
            QCOMPARE(paths.at(y).section(',', 4), QString(free != NoFreeYear && y - 1 >= free ? "1" : "0"));

        store.setDebtMeasure(DebtMeasure::RemainingPrincipal); // the debt of totals, net worth and bands
        const QStringList totals = run({ "--totals", "--debt", "principal" });
        const PathBands bands = RunPaths(PathPortfolio::fromStore(store), noSpread());
        QCOMPARE(totals.size(), 1 + bands.p50.size());
        for (int y = 1; y < totals.size(); ++y) {
            YearTotals t;
            QVERIFY(store.yearTotals(y - 1, t) && totals.at(y).section(',', 5, 5).toDouble() == t.debt);
            QVERIFY(close(bands.p50.at(y - 1), t.netWorth(), std::fabs(t.assets) + t.debt));
        }
    }

    // Percentiles per year from the exporter; with no spread they are the projected net worth.
    void exporterWritesPercentiles()
    {
        const QString file = QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/example.inv");
        QProcess exporter;
        exporter.start(QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export"),
            { "--paths", "200", "--spread", "0,0,0", "--seed", "5", file });
        QVERIFY(exporter.waitForFinished(60000) && exporter.exitCode() == 0);
        const QStringList lines = QString::fromLatin1(exporter.readAllStandardOutput()).trimmed().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("year,p10,p50,p90"));
        QCOMPARE(lines.size(), 1 + MaxYears);
        QString text, error;
        QVERIFY(ReadInvestTextFile(file, &text, &error));
        InvestmentStore store;
        LoadPortfolioText(text, store);
        for (int y = 0; y < MaxYears; ++y) {
            YearTotals t;
            store.yearTotals(y, t);
            const QStringList f = lines.at(1 + y).split(',');
            QCOMPARE(f.value(0).toInt(), store.earliestStartYear() + y);
            for (int k = 1; k <= 3; ++k)
                QVERIFY2(close(f.value(k).toDouble(), t.netWorth(), std::fabs(t.assets) + t.debt), qPrintable(lines.at(1 + y)));
        }
        for (const QStringList &bad : QList<QStringList> { { "--spread", "1,2" }, { "--paths", "0" }, { "--seed", "-4" },
                 { "--paths", "10", "--totals" }, { "--free-year", "0" }, { "--free-year", "x" },
                 { "--free-year", "500", "--totals" }, { "--debt", "rente" } }) {
            exporter.start(QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export"), bad + QStringList { file });
            QVERIFY(exporter.waitForFinished(60000));
            QVERIFY2(exporter.exitCode() == 2, qPrintable(bad.join(' ')));
        }
    }
};

QTEST_GUILESS_MAIN(PathsTest)
#include "tst_paths.moc"
