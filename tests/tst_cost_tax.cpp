// Costs and Box 3 tax: the assumptions in a file, the year table, the cost rules of property
// and the steps of the tax.

#include "TestFiles.h"

#include "io/InvestFormat.h"
#include "io/InvestTextReader.h"
#include "io/PortfolioLoader.h"
#include "model/CostTax.h"
#include "model/InvestmentStore.h"

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
    }
};

QTEST_GUILESS_MAIN(CostTaxTest)
#include "tst_cost_tax.moc"
