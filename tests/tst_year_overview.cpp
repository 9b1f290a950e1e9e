// The year overview's rows and its copied text, against the exporter's totals.

#include "TestFiles.h"
#include "io/PortfolioLoader.h"
#include "model/DutchFormat.h"
#include "model/YearOverview.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Exporter = QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export");

QString portfolio(const char *price)
{
    return testsupport::investFileText(QStringLiteral("Cash voor cashflow"), {},
        { { "Maandelijks sparen", "2022", "1000", "250" },
            { "Onderpand met hefboom", "2020", "", "", "", "", price, "1000", "2", "3", "", "80", "3", "20" },
            { "Cash voor cashflow", "2024", "10000", "0", "5", "", "10000", "", "", "", "", "", "", "", "", "6" } });
}

// The exporter's --totals as columns by name (a "_real" suffix dropped); one list per year.
QHash<QString, QVector<double>> exportedTotals(const QStringList &arguments)
{
    QProcess process;
    process.start(Exporter, QStringList { QStringLiteral("--totals") } + arguments);
    QHash<QString, QVector<double>> columns;
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return columns;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QStringList names = lines.value(0).split(',');
    for (QString &name : names)
        name.remove(QStringLiteral("_real"));
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(',');
        for (int c = 0; c < names.size(); ++c)
            columns[names.at(c)].append(fields.value(c).isEmpty() ? std::nan("") : fields.value(c).toDouble());
    }
    return columns;
}

// Whether a shown total is the exported figure at the shown precision (cents or euros).
bool sameAtShownPrecision(const QString &shown, double exported)
{
    const TypedNumber read = ReadTypedNumber(shown, NumberKind::Amount);
    if (!read.ok())
        return false;
    const double unit = shown.contains(',') ? 0.01 : 1.0;
    return std::abs(read.value - exported) <= unit / 2 + 1e-9 * std::abs(exported);
}

} // namespace

class TestYearOverview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(Exporter), "build quorvant-export first");
        QVERIFY(dir.isValid());
        file = dir.filePath(QStringLiteral("plan.inv"));
        baseFile = dir.filePath(QStringLiteral("base.inv"));
        QVERIFY(testsupport::writeBytes(file, portfolio("200000").toUtf8()));
        QVERIFY(testsupport::writeBytes(baseFile, portfolio("250000").toUtf8()));
    }

    void rowsMatchTheExporter_data()
    {
        QTest::addColumn<bool>("real");
        QTest::addColumn<bool>("withBaseline");
        QTest::newRow("nominal") << false << false;
        QTest::newRow("today's money") << true << false;
        QTest::newRow("baseline") << false << true;
        QTest::newRow("baseline in today's money") << true << true;
    }

    void rowsMatchTheExporter()
    {
        QFETCH(bool, real);
        QFETCH(bool, withBaseline);
        InvestmentStore store;
        LoadPortfolioText(portfolio("200000"), store);
        Baseline baseline;
        QString error;
        QVERIFY(baseline.loadFile(baseFile, MaxRows, MaxYears, &error));
        const InflationTable table = InflationTableFor(store, 2.5, 2026);
        OverviewFigures figures;
        figures.real = real ? &table : nullptr;
        figures.baseline = withBaseline ? baseline.store() : nullptr;

        QStringList arguments;
        if (real)
            arguments << "--real" << "2.5" << "--reference-year" << "2026";
        if (withBaseline)
            arguments << "--baseline" << baseFile;
        const QHash<QString, QVector<double>> exported = exportedTotals(arguments << file);
        const OverviewTable overview = YearOverviewTable(store, figures);
        QCOMPARE(overview.cells.size(), MaxYears);
        QCOMPARE(exported.value("year").size(), MaxYears);

        const QStringList names { "cash", "property_value", "assets", "own_contribution", "debt", "monthly_income",
            "monthly_costs", "monthly_cash_flow", "net_worth" };
        for (int y = 0; y < MaxYears; ++y) {
            const QStringList &cells = overview.cells.at(y);
            QCOMPARE(cells.at(0).toDouble(), exported.value("year").at(y));
            QCOMPARE(overview.years.at(y), 2020 + y);
            for (int c = 0; c < names.size(); ++c)
                QVERIFY2(sameAtShownPrecision(cells.at(1 + c), exported.value(names.at(c)).at(y)),
                    qPrintable(QStringLiteral("%1 %2: %3").arg(2020 + y).arg(names.at(c), cells.at(1 + c))));
            if (withBaseline) {
                const int basis = overview.headers.indexOf("Basis");
                const double exportedBase = exported.value("baseline_net_worth").at(y);
                if (std::isnan(exportedBase)) {
                    QVERIFY(cells.at(basis).isEmpty()); // the baseline starts in 2020 too, so none here
                } else {
                    QVERIFY(sameAtShownPrecision(cells.at(basis), exportedBase));
                    QVERIFY(sameAtShownPrecision(cells.at(basis + 1), exported.value("net_worth_difference").at(y)));
                }
            }
        }
    }

    // The free-year mark and the percentiles appear only where they belong to the store.
    void planningColumns()
    {
        InvestmentStore store;
        LoadPortfolioText(portfolio("200000"), store);
        const InflationTable today = InflationTableFor(store, 2.0, 2026);
        PathSettings settings;
        settings.paths = 200;
        PathBands bands = RunPaths(PathPortfolio::fromStore(store), settings);
        OverviewFigures figures;
        figures.today = &today;
        figures.monthlySpending = 600.0;
        figures.bands = &bands;
        OverviewTable table = YearOverviewTable(store, figures);
        const int free = FreeYearIndex(store, today, 600.0);
        QVERIFY(free > 0);
        const int mark = table.headers.indexOf("Vrij");
        QVERIFY(mark > 0);
        for (int y = 0; y < table.cells.size(); ++y)
            QCOMPARE(table.cells.at(y).at(mark), y == free ? QStringLiteral("vrij") : QString());
        QVERIFY(sameAtShownPrecision(table.cells.at(10).at(table.headers.indexOf("Uitgaven p/m")), today.nominal(600.0, 2030)));
        QVERIFY(sameAtShownPrecision(table.cells.at(5).at(table.headers.indexOf("50%")), bands.p50.at(5)));

        const QString summary = PlanSummary(YearOverviewRows(store, figures), figures);
        QVERIFY2(summary.startsWith(QStringLiteral("Met deze portefeuille is de maandelijkse cashflow in %1 hoger dan "
                                                   "de uitgaven van 600; de nettowaarde in 2050 is ").arg(2020 + free)),
            qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("(10\u201390 %: ")));

        bands.firstYear = 2019; // the paths of another portfolio
        table = YearOverviewTable(store, figures);
        QCOMPARE(table.headers.indexOf("50%"), -1);
    }

    void clipboardText_data()
    {
        QTest::addColumn<QVector<int>>("rows");
        QTest::addColumn<QVector<int>>("columns");
        QTest::addColumn<QString>("text");
        QTest::newRow("all") << QVector<int>() << QVector<int>()
                             << "Jaar\tBedrag\tROI\r\n2020\t2065121\t-0,25\r\n2021\t954,83\t\r\n2022\t-1234\t1250,0\r\n";
        QTest::newRow("one column") << QVector<int>() << QVector<int> { 1 }
                                    << "Bedrag\r\n2065121\r\n954,83\r\n-1234\r\n";
        QTest::newRow("rows and columns") << QVector<int> { 0, 2 } << QVector<int> { 0, 2 }
                                          << "Jaar\tROI\r\n2020\t-0,25\r\n2022\t1250,0\r\n";
    }

    // Dutch spreadsheets read every cell as a number: no grouping dots, a decimal comma, and an
    // empty cell for a value that is no number.
    void clipboardText()
    {
        QFETCH(QVector<int>, rows);
        QFETCH(QVector<int>, columns);
        QFETCH(QString, text);
        OverviewTable table;
        table.headers = QStringList { "Jaar", "Bedrag", "ROI" };
        table.cells = { { "2020", DutchTotal(2065121.35), DutchPercentage(-0.25, 2) },
            { "2021", DutchTotal(954.83), DutchTotal(std::nan("")) },
            { "2022", DutchTotal(-1234.0), DutchPercentage(1250.0) } };
        QCOMPARE(OverviewClipboardText(table, rows, columns), text);
    }

    void millions_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("millions") << 2.06e6 << "2,1 mln";
        QTest::newRow("rounds up to a million") << 999960.0 << "1,0 mln";
        QTest::newRow("below") << 999940.0 << "999.940";
        QTest::newRow("negative") << -1.25e7 << "-12,5 mln";
        QTest::newRow("small") << 954.834 << "954,83";
    }

    void millions()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(DutchMillionsOrTotal(value), text);
    }

private:
    QTemporaryDir dir;
    QString file;
    QString baseFile;
};

QTEST_GUILESS_MAIN(TestYearOverview)
#include "tst_year_overview.moc"
