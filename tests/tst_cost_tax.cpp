// Costs and Box 3 tax: the assumptions in a file, the year table, the cost rules of property
// and the steps of the tax.

#include "ExampleInvestments.h"
#include "TestFiles.h"

#include "io/InvestFormat.h"
#include "io/InvestTextReader.h"
#include "io/PortfolioLoader.h"
#include "model/CostTax.h"
#include "model/InvestmentStore.h"
#include "model/Projection.h"
#include "generator/GeneratorMath.h"
#include "io/CsvExport.h"
#include "model/PathSimulation.h"

#include <QDir>
#include "grid/ColumnCatalogue.h"

#include <QtTest>

using namespace testsupport;

namespace {

QString portfolioText()
{
    return investFileText(QStringLiteral("Onderpand met hefboom"), {},
        { { "Onderpand zonder hefboom", "2026", "", "", "", "", "400000", "0", "0", "0" },
            { "Maandelijks sparen", "2026", "50000", "0" } });
}

CostTaxAssumptions everythingOn()
{
    CostTaxAssumptions a;
    a.costs = { 10.0, 1.0, 0.5, 5.0, 6.0 };
    a.box3.regime = Box3Regime::Actual;
    a.box3.partners = true;
    a.box3.wozFactor = 96.5;
    a.box3.actual.rate = 34.0;
    a.box3.actual.taxFreeReturn = 2000.0;
    a.box3.overrides[2027][Box3Rate] = 37.5;
    a.box3.overrides[2030][Box3DebtThreshold] = 4100.0;
    return a;
}

void compareToTheCent(double actual, double expected, const char *what)
{
    if (!(qAbs(actual - expected) < 0.005))
        QFAIL(qPrintable(QStringLiteral("%1: %2, expected %3").arg(what).arg(actual, 0, 'f', 4).arg(expected, 0, 'f', 2)));
}

} // namespace

class CostTaxTest : public QObject
{
    Q_OBJECT

private slots:
    void fileRoundTrip_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("everything on") << 0;
        QTest::newRow("box 3 off, a partner and an entered year kept") << 1;
        QTest::newRow("only a cost") << 2;
    }

    void fileRoundTrip()
    {
        QFETCH(int, which);
        CostTaxAssumptions a = everythingOn();
        if (which == 1) {
            a = CostTaxAssumptions();
            a.box3.partners = true;
            a.box3.overrides[2026][Box3BankReturn] = 1.5;
        } else if (which == 2) {
            a = CostTaxAssumptions();
            a.costs.vacancy = 0.1;
        }
        InvestFields fields = ParseInvestFields(portfolioText());
        fields.assumptions = CostTaxFieldTexts(a);
        const QString text = InvestTextFromFields(fields);
        const InvestFields back = ParseInvestFields(text);
        QCOMPARE(back.cells, fields.cells);
        QCOMPARE(CostTaxFromFieldTexts(back.assumptions), a);
        // The store takes them with the file.
        InvestmentStore store;
        LoadPortfolioText(text, store);
        QCOMPARE(store.costTax(), a);
    }

    void fieldTexts()
    {
        const QStringList texts = CostTaxFieldTexts(everythingOn());
        QCOMPARE(texts,
            QStringList({ "kosten.koper=10", "kosten.onderhoud=1", "kosten.vastelasten=0.5", "kosten.leegstand=5",
                "kosten.beheer=6", "box3.regime=werkelijk", "box3.partners=1", "box3.wozfactor=96.5",
                "box3.werkelijk.tarief=34", "box3.werkelijk.vrijstelling=2000", "box3.2027.tarief=37.5",
                "box3.2030.schulddrempel=4100" }));
    }

    // Without assumptions, and with every one at 0 / uit, the file is today's file.
    void offWritesTodaysFile_data()
    {
        QTest::addColumn<QString>("extra");
        QTest::newRow("none") << QString();
        QTest::newRow("all zero")
            << "kosten.koper=0;kosten.onderhoud=0;kosten.vastelasten=0;kosten.leegstand=0;kosten.beheer=0;"
               "box3.regime=uit;box3.partners=0;box3.wozfactor=100;";
    }

    void offWritesTodaysFile()
    {
        QFETCH(QString, extra);
        const QString today = portfolioText();
        const InvestFields fields = ParseInvestFields(today + extra);
        InvestmentStore store;
        LoadPortfolio(fields, store);
        QVERIFY(store.costTax().isOff());
        InvestFields written = fields;
        written.assumptions = CostTaxFieldTexts(store.costTax());
        QCOMPARE(InvestTextFromFields(written), today);
    }

    // A reader that knows only the 491 fields finds the same fields with or without the
    // assumptions behind them; malformed extra fields are no assumptions.
    void olderReaderIgnoresAssumptions()
    {
        const QString today = portfolioText();
        const QString withThem = today + CostTaxFieldTexts(everythingOn()).join(';') + ';';
        InvestTextReader older(withThem), plain(today);
        for (int i = 0; i < InvestFieldCount; ++i) {
            QString a, b;
            QVERIFY(older.next(&a));
            QVERIFY(plain.next(&b));
            QCOMPARE(a, b);
        }
        InvestmentStore oldStore, newStore;
        LoadPortfolioText(today, oldStore);
        LoadPortfolioText(withThem, newStore);
        for (int r = 0; r < 2; ++r)
            QCOMPARE(QByteArray((const char *)newStore.input(r).field, sizeof(InvestmentInput)),
                QByteArray((const char *)oldStore.input(r).field, sizeof(InvestmentInput)));

        const InvestFields odd = ParseInvestFields(today + "Kosten.koper=5;kosten koper=5;=3;kosten.koper=abc;x;");
        QCOMPARE(odd.assumptions, QStringList({ "kosten.koper=abc" }));
        QVERIFY(CostTaxFromFieldTexts(odd.assumptions).isDefault());
        // A cut-off file has no assumptions, whatever its last fields hold.
        QVERIFY(ParseInvestFields("Onderpand met hefboom;kosten.koper=5;").assumptions.isEmpty());
    }

    void yearRules_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("entered");
        QTest::newRow("2025 allowance") << 2025 << int(Box3Allowance) << 57684.0 << false;
        QTest::newRow("2024 other") << 2024 << int(Box3OtherReturn) << 6.04 << false;
        QTest::newRow("2026 bank") << 2026 << int(Box3BankReturn) << 1.28 << false;
        QTest::newRow("2031 as 2026") << 2031 << int(Box3Allowance) << 59357.0 << false;
        QTest::newRow("2020 as 2024") << 2020 << int(Box3DebtReturn) << 2.47 << false;
        QTest::newRow("2025 threshold") << 2025 << int(Box3DebtThreshold) << 3800.0 << false;
        QTest::newRow("2027 entered") << 2027 << int(Box3Rate) << 37.5 << true;
        QTest::newRow("2029 carries 2027's entry") << 2029 << int(Box3Rate) << 37.5 << false;
        QTest::newRow("2029 threshold before its entry") << 2029 << int(Box3DebtThreshold) << 3800.0 << false;
        QTest::newRow("2035 threshold after its entry") << 2035 << int(Box3DebtThreshold) << 4100.0 << false;
        QTest::newRow("2026 untouched by a later entry") << 2026 << int(Box3Rate) << 36.0 << false;
    }

    void yearRules()
    {
        QFETCH(int, year);
        QFETCH(int, value);
        QFETCH(double, expected);
        QFETCH(bool, entered);
        const Box3YearRule rule = everythingOn().box3.rule(year);
        QCOMPARE(rule.year, year);
        QCOMPARE(rule.value[value], expected);
        QCOMPARE(rule.overridden[value], entered);
        QVERIFY(!rule.source[value].isEmpty());
        double values[Box3ValueCount];
        everythingOn().box3.ruleValues(year, values);
        QCOMPARE(values[value], expected);
    }

    // The worked leveraged row with kosten koper 10, onderhoud 1, vaste lasten 0.5, leegstand 5
    // and beheer 6, computed by hand: own contribution 40000 + 20000; income 95 % of the rent;
    // costs the annuity 887.36 + value × 1.5 / 1200 + income × 6 %.
    void leveragedRowWithCosts_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QVector<double>>("expected"); // series 1 .. 9
        QTest::newRow("2020") << 2020
                              << QVector<double> { -60000.00, 200000.00, 140000.00, 60000.00, 212965.48, 950.00,
                                     1194.36, -244.36, 0.00 };
        QTest::newRow("2021") << 2021
                              << QVector<double> { -62932.27, 206083.19, 143150.92, 60000.00, 202317.20, 969.18,
                                     1203.11, -233.94, 0.00 };
        QTest::newRow("2039") << 2039
                              << QVector<double> { -92785.00, 353401.94, 260616.94, 60000.00, 10648.27, 1388.73,
                                     1412.43, -23.70, 316.61 };
    }

    void leveragedRowWithCosts()
    {
        QFETCH(int, year);
        QFETCH(QVector<double>, expected);
        ProjectionBlock block;
        const CostAssumptions costs { 10.0, 1.0, 0.5, 5.0, 6.0 };
        ProjectRow(examples::leveraged(2020), 2020, MaxYears, block, DebtMeasure::PaymentsDue, costs);
        const double *s = block.years[year - 2020].series;
        static const char *names[] = { "cash", "value", "assets", "own", "debt", "income", "costs", "cash flow", "roi" };
        for (int k = 0; k < 9; ++k)
            compareToTheCent(s[k + 1], expected.at(k), names[k]);
        compareToTheCent(block.runningCosts[year - 2020], s[SerMonthlyCosts] - 887.36, "running costs");
    }

    // The cost rules one at a time on a year's rent and value.
    void costRules_data()
    {
        QTest::addColumn<double>("purchase");
        QTest::addColumn<double>("maintenance");
        QTest::addColumn<double>("fixed");
        QTest::addColumn<double>("vacancy");
        QTest::addColumn<double>("management");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("running");
        QTest::addColumn<double>("purchaseCosts");
        // rent 1200, value 300000, price 250000
        QTest::newRow("off") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 1200.0 << 0.0 << 0.0;
        QTest::newRow("kosten koper 8") << 8.0 << 0.0 << 0.0 << 0.0 << 0.0 << 1200.0 << 0.0 << 20000.0;
        QTest::newRow("onderhoud 1") << 0.0 << 1.0 << 0.0 << 0.0 << 0.0 << 1200.0 << 250.0 << 0.0;
        QTest::newRow("vaste lasten 0.4") << 0.0 << 0.0 << 0.4 << 0.0 << 0.0 << 1200.0 << 100.0 << 0.0;
        QTest::newRow("leegstand 5") << 0.0 << 0.0 << 0.0 << 5.0 << 0.0 << 1140.0 << 0.0 << 0.0;
        QTest::newRow("beheer 6 of the rent received") << 0.0 << 0.0 << 0.0 << 5.0 << 6.0 << 1140.0 << 68.4 << 0.0;
        QTest::newRow("all") << 10.4 << 1.0 << 0.5 << 5.0 << 6.0 << 1140.0 << 443.4 << 26000.0;
    }

    void costRules()
    {
        QFETCH(double, purchase);
        QFETCH(double, maintenance);
        QFETCH(double, fixed);
        QFETCH(double, vacancy);
        QFETCH(double, management);
        QFETCH(double, income);
        QFETCH(double, running);
        QFETCH(double, purchaseCosts);
        const CostAssumptions costs { purchase, maintenance, fixed, vacancy, management };
        const PropertyYearCosts year = PropertyCostsOfYear(costs, 1200.0, 300000.0);
        compareToTheCent(year.income, income, "income");
        compareToTheCent(year.runningCosts, running, "running costs");
        compareToTheCent(PurchaseCosts(costs, 250000.0), purchaseCosts, "purchase costs");

        // A property bought in full bears the same in its first year.
        InvestmentInput in = examples::row(PropertyInFull, 2026);
        in.field[ColPrice] = 250000;
        in.field[ColRent] = 1200;
        in.field[ColRentIncrease] = 0;
        in.field[ColValueIncrease] = 0;
        ProjectionBlock block;
        ProjectRow(in, 2026, 2, block, DebtMeasure::PaymentsDue, costs);
        const double *first = block.years[0].series;
        compareToTheCent(first[SerCash], -250000.0 - purchaseCosts, "start cash");
        compareToTheCent(first[SerOwnContribution], 250000.0 + purchaseCosts, "own contribution");
        const double runningOnPrice = PropertyCostsOfYear(costs, 1200.0, 250000.0).runningCosts;
        compareToTheCent(first[SerMonthlyCashFlow], income - runningOnPrice, "cash flow");
        compareToTheCent(block.years[1].series[SerCash], first[SerCash] + 12.0 * (income - runningOnPrice), "cash");
    }

    // The five steps with the 2026 figures: 50000 in the bank, 400000 of property.
    void box3Steps_data()
    {
        QTest::addColumn<double>("deposits");
        QTest::addColumn<double>("other");
        QTest::addColumn<double>("debts");
        QTest::addColumn<int>("persons");
        QTest::addColumn<double>("deemed");
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("taxable");
        QTest::addColumn<double>("tax");
        QTest::newRow("single") << 50000.0 << 400000.0 << 0.0 << 1 << 24640.0 << 450000.0 << 390643.0 << 7700.35;
        QTest::newRow("partners") << 50000.0 << 400000.0 << 0.0 << 2 << 24640.0 << 450000.0 << 331286.0 << 6530.31;
        // Debts above the threshold of 3800: 196200 at 2.70 %.
        QTest::newRow("with a mortgage") << 50000.0 << 400000.0 << 200000.0 << 1 << 19342.6 << 253800.0 << 194443.0
                                         << 5334.80;
        QTest::newRow("debts within the threshold") << 0.0 << 100000.0 << 3800.0 << 1 << 6000.0 << 100000.0
                                                    << 40643.0 << 877.89;
        QTest::newRow("below the allowance") << 59357.0 << 0.0 << 0.0 << 1 << 759.7696 << 59357.0 << 0.0 << 0.0;
        QTest::newRow("more debt than assets") << 0.0 << 100000.0 << 300000.0 << 1 << -1997.4 << -196200.0
                                               << -255557.0 << 0.0;
    }

    void box3Steps()
    {
        QFETCH(double, deposits);
        QFETCH(double, other);
        QFETCH(double, debts);
        QFETCH(int, persons);
        QFETCH(double, deemed);
        QFETCH(double, base);
        QFETCH(double, taxable);
        QFETCH(double, tax);
        const Box3Steps steps = Box3DeemedTax(Box3Assumptions().rule(2026), { deposits, other, debts }, persons);
        compareToTheCent(steps.deemedReturn, deemed, "deemed return");
        compareToTheCent(steps.returnBase, base, "return base");
        compareToTheCent(steps.taxableBase, taxable, "taxable base");
        compareToTheCent(steps.tax, tax, "tax");
    }

    // One property bought outright for 400000 in 2026 and 50000 of savings: the tax of 2026 is
    // the five steps', and the cash of 2027 is lower by it; the tax of 2027 sees the lower cash.
    void portfolioTax_data()
    {
        QTest::addColumn<bool>("partners");
        QTest::addColumn<double>("tax2026");
        QTest::newRow("single") << false << 7700.35;
        QTest::newRow("partners") << true << 6530.31;
    }

    void portfolioTax()
    {
        QFETCH(bool, partners);
        QFETCH(double, tax2026);
        InvestmentStore store;
        LoadPortfolioText(portfolioText(), store);
        YearTotals before2027;
        QVERIFY(store.yearTotals(1, before2027));
        CostTaxAssumptions a;
        a.box3.regime = Box3Regime::Deemed;
        a.box3.partners = partners;
        store.setCostTax(a);
        compareToTheCent(store.box3Tax(0), tax2026, "tax 2026");
        YearTotals y2026, y2027;
        QVERIFY(store.yearTotals(0, y2026));
        QVERIFY(store.yearTotals(1, y2027));
        compareToTheCent(y2026.box3Tax, tax2026, "total tax 2026");
        compareToTheCent(y2027.cash, before2027.cash - tax2026, "cash 2027");
        compareToTheCent(y2026.monthlyCashFlow, -tax2026 / 12.0, "cash flow 2026");
        // 2027: the property's rent of 0 earns nothing; the bank holds 50000 less the tax paid.
        const double bank = 50000.0 - tax2026;
        const Box3Steps steps = Box3DeemedTax(a.box3.rule(2027), { bank, 400000.0, 0.0 }, a.box3.persons());
        compareToTheCent(store.box3Tax(1), steps.tax, "tax 2027");
        // Off again: today's figures.
        store.setCostTax(CostTaxAssumptions());
        QVERIFY(store.yearTotals(1, y2027));
        QCOMPARE(y2027.cash, before2027.cash);
        QCOMPARE(store.box3Tax(0), 0.0);
    }

    // From 2028 on the actual regime taxes the direct return above the tax-free return.
    void actualReturn()
    {
        const ActualReturnRule rule;
        QCOMPARE(Box3ActualTax(rule, 10000.0, 1), 0.36 * 8200.0);
        QCOMPARE(Box3ActualTax(rule, 10000.0, 2), 0.36 * 6400.0);
        QCOMPARE(Box3ActualTax(rule, 1000.0, 1), 0.0);

        // A let flat bought in full for 400000 with 1500 rent: 18000 a year, before 2028 the
        // deemed return on its value.
        InvestmentStore store;
        LoadPortfolioText(investFileText(QStringLiteral("Onderpand met hefboom"), {},
                              { { "Onderpand zonder hefboom", "2026", "", "", "", "", "400000", "1500", "0", "0" } }),
            store);
        CostTaxAssumptions a;
        a.box3.regime = Box3Regime::Actual;
        store.setCostTax(a);
        const Box3Steps deemed2027 = Box3DeemedTax(a.box3.rule(2027), { 18000.0 - store.box3Tax(0), 400000.0, 0.0 }, 1);
        compareToTheCent(store.box3Tax(1), deemed2027.tax, "2027 deemed");
        compareToTheCent(store.box3Tax(2), 0.36 * (18000.0 - 1800.0), "2028 actual");
    }

    // A run of kind 0 buys only when the cash covers the own contribution plus the purchase
    // costs: 40000 + 20000 for 200000 at 80 %, from 50000 saved and 1000 a month; a property
    // adds 12 × (1000 − 160000 / 240) = 4000 a year.
    void generatorPaysPurchaseCosts_data()
    {
        QTest::addColumn<double>("purchase");
        QTest::addColumn<QVector<int>>("years");
        QTest::newRow("off: the worked run") << 0.0 << QVector<int> { 2020, 2022, 2024 };
        QTest::newRow("kosten koper 10") << 10.0 << QVector<int> { 2021, 2025, 2028 };
    }

    void generatorPaysPurchaseCosts()
    {
        QFETCH(double, purchase);
        QFETCH(QVector<int>, years);
        InvestmentStore store;
        CostTaxAssumptions a;
        a.costs.purchase = purchase;
        store.setCostTax(a);
        GeneratorParameters p;
        const double fields[GeneratorFieldCount] = { 2020, 50000, 1000, 200000, 1000, 0, 0, 80, 0, 20 };
        std::copy(std::begin(fields), std::end(fields), p.field);
        auto write = [&store](const InvestmentInput &record) {
            const int row = FirstIncompleteRow(store);
            if (row < 0)
                return false;
            store.input(row) = record;
            store.setRowType(row, GeneratedRowType(record.field[ColType]));
            store.addInvestment(row);
            return true;
        };
        write(SavingsPlanRecord(p));
        RunPurchases(store, LeveragedProperty, p, write);
        for (int i = 0; i < years.size(); ++i)
            QCOMPARE(store.input(i + 1).field[ColStartYear], double(years.at(i)));
    }

    // A path without deviations is the projection: costs and tax on the path's own values give
    // the store's figures.
    void pathWithoutDeviations_data()
    {
        QTest::addColumn<int>("regime");
        QTest::newRow("deemed") << int(Box3Regime::Deemed);
        QTest::newRow("actual from 2028") << int(Box3Regime::Actual);
    }

    void pathWithoutDeviations()
    {
        QFETCH(int, regime);
        InvestmentStore store;
        LoadPortfolioText(investFileText(QStringLiteral("Onderpand met hefboom"), {},
                              { { "Onderpand met hefboom", "2026", "", "", "", "", "300000", "1400", "2", "3", "",
                                    "70", "4", "25" },
                                  { "Maandelijks sparen", "2026", "60000", "500" } }),
            store);
        CostTaxAssumptions a = everythingOn();
        a.box3.regime = Box3Regime(regime);
        store.setCostTax(a);
        const PathTotals path = SimulatePath(PathPortfolio::fromStore(store), PathDeviations());
        for (int y = 0; y < store.maxJaren(); ++y) {
            YearTotals t;
            QVERIFY(store.yearTotals(y, t));
            compareToTheCent(path.cash.at(y), t.cash, "cash");
            compareToTheCent(path.monthlyCashFlow.at(y), t.monthlyCashFlow, "cash flow");
        }
        QVERIFY(store.box3Tax(5) > 0.0);
    }

    // Every example and suite file exports the same bytes without assumptions and with all of
    // them at 0 / uit; with costs on the columns of costs and tax follow.
    void exportsUnchangedWhenOff()
    {
        QStringList files;
        for (const QString &folder : { QStringLiteral("rec/examples"), QStringLiteral("fuzz/corpus") }) {
            const QDir dir(QStringLiteral(QUORVANT_SOURCE_DIR) + QLatin1Char('/') + folder);
            for (const QString &name : dir.entryList({ QStringLiteral("*.inv") }, QDir::Files))
                files << dir.filePath(name);
        }
        QVERIFY(files.size() >= 2);
        const QString off = QStringLiteral("kosten.koper=0;kosten.onderhoud=0;kosten.vastelasten=0;"
                                           "kosten.leegstand=0;kosten.beheer=0;box3.regime=uit;box3.partners=0;");
        for (const QString &file : files) {
            QString text;
            QString error;
            if (!ReadInvestTextFile(file, &text, &error))
                continue;
            InvestmentStore plain, zero, on;
            LoadPortfolioText(text, plain);
            LoadPortfolioText(text + off, zero);
            for (bool totals : { false, true })
                QCOMPARE(ProjectionCsvBytes(zero, totals), ProjectionCsvBytes(plain, totals));
            // Only a whole file goes on to assumptions.
            if (!text.endsWith(QLatin1Char(';')) || CheckInvestText(text).fields < InvestFieldCount)
                continue;
            LoadPortfolioText(text + "box3.regime=forfaitair;kosten.onderhoud=1;", on);
            const QByteArray header = ProjectionCsvBytes(on, true).split('\n').first();
            QVERIFY2(header.endsWith(",running_costs,box3_tax"), header.constData());
            QVERIFY(ProjectionCsvBytes(on, false).split('\n').first().endsWith(",roi,running_costs"));
        }
    }
};

QTEST_GUILESS_MAIN(CostTaxTest)
#include "tst_cost_tax.moc"
