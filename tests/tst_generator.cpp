// The generator panel and the "Get Wealthy" run, driven through the real window.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "model/DutchFormat.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentInput.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace testsupport;

namespace {

const QString JaartalMessage = QStringLiteral("Jaartal fout|Vul een geldig jaartal in , bv 2020");

// Year indexes (counted from the begin year) in which a run buys, worked out from the
// closed-form cash of the rows already there and of each purchase.
QVector<int> expectedPurchases(int years, int freeRows, const std::function<double(int)> &otherCash,
    const std::function<double(int, int)> &purchaseCash, const std::function<double(int)> &need)
{
    QVector<int> bought;
    int l = 0;
    while (l < years && bought.size() < freeRows) {
        double cash = otherCash(l);
        for (int j : bought)
            cash += purchaseCash(j, l);
        const double n = need(l);
        if (cash >= n) {
            bought << l;
            if (cash - n >= n)
                continue;
        }
        ++l;
    }
    return bought;
}

// The number a cell shows after the generator wrote it with six significant digits.
double shown(double value)
{
    return QString::number(value, 'g', 6).toDouble();
}

} // namespace

class GeneratorTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    QTableWidget *grid() { return inputGrid(*w); }
    QTextEdit *edit(int k) { return find<QTextEdit>(w.get(), QStringLiteral("wealth_edit%1").arg(k).toLatin1()); }
    QLabel *label(int k) { return find<QLabel>(w.get(), QStringLiteral("Wealth_lbl%1").arg(k).toLatin1()); }
    QComboBox *kindBox() { return find<QComboBox>(w.get(), "WealthSelect"); }

    // Chooses the kind and fills wealth_edit1 .. with the given texts (the rest empty).
    void setPanel(int kind, const QStringList &fields)
    {
        kindBox()->setCurrentIndex(kind);
        for (int k = 1; k <= 10; ++k)
            edit(k)->setPlainText(k <= fields.size() ? fields.at(k - 1) : QString());
    }

    void press() { find<QPushButton>(w.get(), "GoGoGo")->click(); }

    QStringList rowTexts(int row)
    {
        QStringList texts;
        for (int c = 0; c < InputColumnCount; ++c)
            texts << cellText(grid(), row, c);
        return texts;
    }

    // The 16 texts of a generated row: its type name, then column 1 .. 15.
    static QStringList row(int type, const QMap<int, QString> &cells)
    {
        QStringList texts { InvestmentTypeNames.at(type) };
        for (int c = 1; c < InputColumnCount; ++c)
            texts << cells.value(c);
        return texts;
    }

    QStringList leveragedRow(int year)
    {
        return row(LeveragedProperty,
            { { 1, QString::number(year) }, { 6, "200000" }, { 7, "1000" }, { 8, "0" }, { 9, "0" }, { 11, "80" },
                { 12, "0" }, { 13, "20" } });
    }

    bool rowIsEmpty(int r)
    {
        for (int c = 1; c < InputColumnCount; ++c) {
            if (!cellText(grid(), r, c).isEmpty())
                return false;
        }
        return true;
    }

    // Every column the row's type uses is painted in the solid colour; the others are not.
    bool rowPainted(int r, const QColor &colour)
    {
        const int type = TypeIndexOfName(cellText(grid(), r, 0));
        for (int c = 1; c < InputColumnCount; ++c) {
            const QBrush brush = grid()->item(r, c)->background();
            const bool solid = brush.style() == Qt::SolidPattern && brush.color() == colour;
            if (solid != ColumnApplies(type, c))
                return false;
        }
        return true;
    }

    int completeRows()
    {
        int count = 0;
        for (int r = 0; r < grid()->rowCount(); ++r)
            count += w->IsRowComplete(r) ? 1 : 0;
        return count;
    }

private slots:
    void initTestCase() { initResources(); }
    void init() { w = std::make_unique<MainWindow>(); }
    void cleanup() { w.reset(); }

    // ---- the panel -------------------------------------------------------------------

    void panelLabelsPerKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("leveraged") << 0
                                   << QStringList { "BeginJaar", "Eenmalige inleg", "Maandelijkse inleg", "Kostprijs",
                                          "Netto Huur/maand", "Huurstijging (%)", "Waardestijging (%)", "LTV (%)",
                                          "Hypotheekrente (%)", "Hypotheekduur(j)" };
        QTest::newRow("in full") << 1
                                 << QStringList { "BeginJaar", "Eenmalige inleg", "Maandelijkse inleg", "Kostprijs",
                                        "Netto Huur/maand", "Huurstijging (%)", "Waardestijging (%)", "", "", "" };
        QTest::newRow("cash") << 2
                              << QStringList { "BeginJaar", "Eenmalige inleg", "Maandelijkse inleg",
                                     "Inlegperiode(jaar)", "Minimum inleg", "Rendement", "", "", "", "" };
    }

    void panelLabelsPerKind()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, labels);
        // Start from another kind, so that the choice is a real change.
        kindBox()->setCurrentIndex((kind + 1) % 3);
        kindBox()->setCurrentIndex(kind);
        QCOMPARE(kindBox()->currentIndex(), kind);
        for (int k = 1; k <= 10; ++k) {
            const QString expected = labels.at(k - 1);
            QCOMPARE(label(k)->text(), expected);
            QCOMPARE(label(k)->isHidden(), expected.isEmpty());
            QCOMPARE(edit(k)->isHidden(), expected.isEmpty());
        }
    }

    void panelAtStartShowsKindZero()
    {
        QCOMPARE(kindBox()->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(kindBox()->itemText(i), InvestmentTypeNames.at(i));
        QCOMPARE(kindBox()->currentIndex(), 0);
        for (int k = 1; k <= 10; ++k) {
            QVERIFY(label(k)->text() != QLatin1String("TextLabel"));
            QVERIFY(!label(k)->isHidden());
            QVERIFY(!edit(k)->isHidden());
        }
        QCOMPARE(label(10)->text(), QStringLiteral("Hypotheekduur(j)"));
    }

    void hiddenFieldsKeepTheirTexts()
    {
        for (int k = 1; k <= 10; ++k)
            edit(k)->setPlainText(QStringLiteral("v%1").arg(k));
        kindBox()->setCurrentIndex(2);
        QVERIFY(edit(7)->isHidden());
        QVERIFY(label(10)->isHidden());
        kindBox()->setCurrentIndex(0);
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(edit(k)->toPlainText(), QStringLiteral("v%1").arg(k));
            QVERIFY(!edit(k)->isHidden());
        }
    }

    void choosingTheCurrentKindChangesNothing()
    {
        kindBox()->setCurrentIndex(1);
        QSignalSpy spy(kindBox(), QOverload<int>::of(&QComboBox::currentIndexChanged));
        kindBox()->setCurrentIndex(1);
        QCOMPARE(spy.count(), 0);
        QVERIFY(label(8)->isHidden());
        QVERIFY(!label(7)->isHidden());
    }

    // ---- the run: worked examples ------------------------------------------------------

    void leveragedWorkedExample()
    {
        setPanel(0, { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" });
        press();

        // Savings plan: 50000 + 12000 l. A property bought in year j pays its own
        // contribution of 40000 and earns 12 * (1000 - 160000 / 240) = 4000 a year after.
        const QVector<int> bought = expectedPurchases(
            31, 29, [](int l) { return 50000.0 + 12000.0 * l; },
            [](int j, int l) { return l < j ? 0.0 : -40000.0 + 4000.0 * (l - j); }, [](int) { return 40000.0; });
        QCOMPARE(bought.mid(0, 3), (QVector<int> { 0, 2, 4 })); // 2020, 2022, 2024
        QCOMPARE(bought.size(), 29); // the grid fills up before the last year

        QCOMPARE(rowTexts(0),
            row(MonthlySaving, { { 1, "2020" }, { 2, "50000" }, { 3, "1000" }, { 15, "0" } }));
        QVERIFY(rowPainted(0, MainWindow::GeneratedRowColour));
        for (int i = 0; i < bought.size(); ++i) {
            QCOMPARE(rowTexts(i + 1), leveragedRow(2020 + bought.at(i)));
            QVERIFY(rowPainted(i + 1, MainWindow::GeneratedRowColour));
        }
        QCOMPARE(completeRows(), 30);
        QCOMPARE(w->ProjectedRowCount(), 30);

        // The year totals of the first year are shown after the run: 50000 saved, one
        // property's 40000 paid, 200000 of property and 240 payments of 666.67 still due.
        auto *years = find<QComboBox>(w.get(), "Situatie_Jaartal");
        QCOMPARE(years->count(), 31);
        QCOMPARE(years->currentText(), QStringLiteral("2020"));
        QCOMPARE(find<QLabel>(w.get(), "Totaal_Cash")->text(), shownTotal("10000"));
        QCOMPARE(find<QLabel>(w.get(), "Totaal_Vastgoed")->text(), shownTotal("200000"));
        QCOMPARE(find<QLabel>(w.get(), "Totaal_Schulden")->text(), shownTotal("160000"));
        // The output grid shows 2020 for every row; rows bought later are left blank.
        QCOMPARE(cellText(outputGrid(*w), 1, 0), QStringLiteral("2020"));
        QCOMPARE(cellText(outputGrid(*w), 1, 1), shownCell("-40000"));
        QCOMPARE(cellText(outputGrid(*w), 29, 0), QString());
        QCOMPARE(cellText(outputGrid(*w), 29, 1), QString());
    }

    void dutchFieldsWriteTheSameRows()
    {
        setPanel(1, { "2020", "30.000", "1.000", "100.000", "750", "2,5", "3,5 %" });
        press();
        QCOMPARE(edit(2)->toPlainText(), QStringLiteral("30000")); // the field shows what counts
        QCOMPARE(edit(7)->toPlainText(), QStringLiteral("3.5"));
        QStringList dutch;
        for (int r = 0; r < 30; ++r)
            dutch << rowTexts(r).join(QLatin1Char(';'));
        QVERIFY(completeRows() > 2);

        w = std::make_unique<MainWindow>();
        setPanel(1, { "2020", "30000", "1000", "100000", "750", "2.5", "3.5" });
        press();
        for (int r = 0; r < 30; ++r)
            QCOMPARE(rowTexts(r).join(QLatin1Char(';')), dutch.at(r));

        // A field that stays no number counts as 0 and says so.
        edit(3)->setPlainText(QStringLiteral("veel"));
        press();
        QVERIFY(!edit(3)->toolTip().isEmpty());
        edit(3)->setPlainText(QStringLiteral("1000"));
        press();
        QVERIFY(edit(3)->toolTip().isEmpty());
    }

    void cashWorkedExampleStaysInYear()
    {
        setPanel(2, { "2020", "50000", "0", "", "10000" });
        press();
        QCOMPARE(rowTexts(0),
            row(MonthlySaving, { { 1, "2020" }, { 2, "50000" }, { 3, "0" }, { 15, "0" } }));
        const QStringList cash
            = row(CashForCashflow, { { 1, "2020" }, { 2, "10000" }, { 3, "0" }, { 4, "0" }, { 6, "10000" }, { 15, "0" } });
        for (int r = 1; r <= 5; ++r) {
            QCOMPARE(rowTexts(r), cash);
            QVERIFY(rowPainted(r, MainWindow::GeneratedRowColour));
        }
        QVERIFY(rowIsEmpty(6));
        QCOMPARE(completeRows(), 6);
    }

    void singleCashRowWithoutMinimum_data()
    {
        QTest::addColumn<QString>("minimum");
        QTest::newRow("zero") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "abc";
    }

    void singleCashRowWithoutMinimum()
    {
        QFETCH(QString, minimum);
        setPanel(2, { "2021", "7000", "150", "5", minimum, "4" });
        press();
        QCOMPARE(rowTexts(0),
            row(CashForCashflow, { { 1, "2021" }, { 2, "7000" }, { 3, "150" }, { 4, "5" }, { 6, "0" }, { 15, "4" } }));
        QVERIFY(rowPainted(0, MainWindow::GeneratedRowColour));
        QVERIFY(rowIsEmpty(1));
        QCOMPARE(w->ProjectedRowCount(), 1);
    }

    void fullLoanFillsTheGrid_data()
    {
        QTest::addColumn<QString>("lumpSum");
        QTest::addColumn<int>("maxJaren");
        QTest::addColumn<int>("maxInvestment");
        QTest::newRow("nothing saved") << "0" << 31 << 30;
        QTest::newRow("lump sum") << "50000" << 31 << 30;
        QTest::newRow("limits beyond the store") << "0" << 1000 << 1000;
    }

    void fullLoanFillsTheGrid()
    {
        QFETCH(QString, lumpSum);
        QFETCH(int, maxJaren);
        QFETCH(int, maxInvestment);
        w->SetMaxJaren(maxJaren);
        w->SetMaxInvestment(maxInvestment);
        setPanel(0, { "2020", lumpSum, "0", "200000", "1000", "0", "0", "100", "3", "20" });
        press();
        QCOMPARE(rowTexts(0), row(MonthlySaving, { { 1, "2020" }, { 2, lumpSum }, { 3, "0" }, { 15, "0" } }));
        const QStringList property = row(LeveragedProperty,
            { { 1, "2020" }, { 6, "200000" }, { 7, "1000" }, { 8, "0" }, { 9, "0" }, { 11, "100" }, { 12, "3" },
                { 13, "20" } });
        for (int r = 1; r < 30; ++r)
            QCOMPARE(rowTexts(r), property);
        QCOMPARE(completeRows(), 30);
    }

    // ---- the run on top of what the grid holds ----------------------------------------

    void fullGridChangesNoRow()
    {
        for (int r = 0; r < 30; ++r)
            setRow(*w, r, MonthlySaving, { "2020", QString::number(100 + r), "10" });
        QStringList before;
        for (int r = 0; r < 30; ++r)
            before << rowTexts(r);
        setPanel(0, { "2020", "50000", "0", "200000", "1000", "0", "0", "100", "3", "20" });
        press();
        QStringList after;
        for (int r = 0; r < 30; ++r) {
            after << rowTexts(r);
            QVERIFY(rowPainted(r, MainWindow::ManualRowColour));
        }
        QCOMPARE(after, before);
        // The closing steps still run: the first year's cash of the 30 rows is shown.
        QCOMPARE(find<QLabel>(w.get(), "Totaal_Cash")->text(), DutchTotal(30 * 100 + 29 * 30 / 2));
    }

    void partlyFilledRowIsOverwritten()
    {
        setRow(*w, 0, MonthlySaving, { "2020", "1000", "0" });
        setRow(*w, 1, CompoundedInterest, { "2019", "5", QString(), "7" }); // Inleg/maand, Rendement missing
        setRow(*w, 2, MonthlySaving, { "2021", "2000", "0" });
        const QStringList row0 = rowTexts(0);
        const QStringList row2 = rowTexts(2);
        QVERIFY(!w->IsRowComplete(1));

        // Kind 1 at 3000: 1000 in 2020 is too little; 1000 + 2000 in 2021 buys one.
        setPanel(1, { "2020", "0", "0", "3000", "0", "0", "0" });
        press();
        QCOMPARE(rowTexts(1), row(MonthlySaving, { { 1, "2020" }, { 2, "0" }, { 3, "0" }, { 15, "0" } }));
        QVERIFY(rowPainted(1, MainWindow::GeneratedRowColour));
        QCOMPARE(rowTexts(0), row0);
        QCOMPARE(rowTexts(2), row2);
        QVERIFY(rowPainted(0, MainWindow::ManualRowColour));
        QVERIFY(rowPainted(2, MainWindow::ManualRowColour));
        QCOMPARE(rowTexts(3),
            row(PropertyInFull, { { 1, "2021" }, { 6, "3000" }, { 7, "0" }, { 8, "0" }, { 9, "0" } }));
        QVERIFY(rowIsEmpty(4));
    }

    void runOnTopOfEarlierRows()
    {
        // Saved by hand from 2010: 100000 in every year of the horizon 2010 .. 2040.
        setRow(*w, 0, MonthlySaving, { "2010", "100000", "0" });
        setPanel(1, { "2020", "0", "0", "100000", "1000", "0", "0" });
        press();

        // The generated rows start in 2020 + l, year index 10 + l of a projection from 2010.
        const auto inHorizon = [](int l) { return 10 + l <= 30; };
        const QVector<int> bought = expectedPurchases(
            31, 28, [&](int l) { return inHorizon(l) ? 100000.0 : 0.0; },
            [&](int j, int l) { return (l < j || !inHorizon(l)) ? 0.0 : -100000.0 + 12000.0 * (l - j); },
            [](int) { return 100000.0; });
        QVERIFY(bought.size() > 2);
        QVERIFY(bought.size() < 28); // one year's cash does not buy property after property
        QCOMPARE(bought.first(), 0);
        QCOMPARE(rowTexts(1), row(MonthlySaving, { { 1, "2020" }, { 2, "0" }, { 3, "0" }, { 15, "0" } }));
        for (int i = 0; i < bought.size(); ++i) {
            QCOMPARE(rowTexts(2 + i),
                row(PropertyInFull,
                    { { 1, QString::number(2020 + bought.at(i)) }, { 6, "100000" }, { 7, "1000" }, { 8, "0" },
                        { 9, "0" } }));
        }
        QVERIFY(rowIsEmpty(2 + bought.size()));
    }

    void secondPressBuildsOnTheFirst()
    {
        setPanel(2, { "2020", "50000", "0", "", "10000" });
        press();
        press();
        // The second savings plan brings 50000 more; the first run's rows have spent theirs.
        const QStringList savings
            = row(MonthlySaving, { { 1, "2020" }, { 2, "50000" }, { 3, "0" }, { 15, "0" } });
        const QStringList cash
            = row(CashForCashflow, { { 1, "2020" }, { 2, "10000" }, { 3, "0" }, { 4, "0" }, { 6, "10000" }, { 15, "0" } });
        QCOMPARE(rowTexts(0), savings);
        QCOMPARE(rowTexts(6), savings);
        for (int r : { 1, 2, 3, 4, 5, 7, 8, 9, 10, 11 })
            QCOMPARE(rowTexts(r), cash);
        QVERIFY(rowIsEmpty(12));
    }

    // ---- limits, growth and number format -----------------------------------------------

    void noYearsWritesOnlyTheSavingsPlan()
    {
        w->SetMaxJaren(0);
        setPanel(0, { "2020", "50000", "0", "200000", "1000", "0", "0", "100", "3", "20" });
        press();
        QCOMPARE(rowTexts(0), row(MonthlySaving, { { 1, "2020" }, { 2, "50000" }, { 3, "0" }, { 15, "0" } }));
        QVERIFY(rowIsEmpty(1));
    }

    void valueGrowthCompoundsMonthly()
    {
        // Kind 1 at 100000 growing 3 % a year, saved at 10000 a month, no rent.
        setPanel(1, { "2020", "0", "10000", "100000", "0", "0", "3" });
        press();
        const auto price = [](int l) { return 100000.0 * std::pow(1.0 + 0.03 / 12.0, 12.0 * l); };
        const QVector<int> bought = expectedPurchases(
            31, 29, [](int l) { return 120000.0 * l; },
            [&](int j, int l) { return l < j ? 0.0 : -shown(price(j)); }, price);
        QVERIFY(bought.size() > 10);
        // 1.0025^12 = 1.0304160: bought in 2021 at 103041.60.
        QCOMPARE(bought.first(), 1);
        QCOMPARE(cellText(grid(), 1, 6), QStringLiteral("103042"));
        for (int i = 0; i < bought.size(); ++i) {
            QCOMPARE(cellText(grid(), 1 + i, 1), QString::number(2020 + bought.at(i)));
            QCOMPARE(cellText(grid(), 1 + i, 6), QString::number(price(bought.at(i)), 'g', 6));
        }
    }

    void rentGrowthCompoundsMonthly()
    {
        // 12 % a year is 1 % a month: the rent of a purchase in year index l is 100 * 1.01^(12 l).
        setPanel(1, { "2020", "0", "10000", "100000", "100", "12", "0" });
        press();
        int generated = 0;
        for (int r = 1; r < 30 && !rowIsEmpty(r); ++r, ++generated) {
            const int l = cellText(grid(), r, 1).toInt() - 2020;
            QCOMPARE(cellText(grid(), r, 6), QStringLiteral("100000"));
            QCOMPARE(cellText(grid(), r, 7), QString::number(100.0 * std::pow(1.01, 12.0 * l), 'g', 6));
        }
        QVERIFY(generated > 5);
        QCOMPARE(cellText(grid(), 1, 1), QStringLiteral("2021"));
        QCOMPARE(cellText(grid(), 1, 7), QStringLiteral("112.683"));
    }

    void valuesKeepSixSignificantDigits()
    {
        setPanel(1, { "2020", "2000000", "0", "1234567", "0", "0", "0" });
        press();
        QCOMPARE(cellText(grid(), 0, 2), QStringLiteral("2e+06"));
        QCOMPARE(w->store().input(0).field[ColLumpSum], 2000000.0);
        QCOMPARE(cellText(grid(), 1, 6), QStringLiteral("1.23457e+06"));
        QCOMPARE(w->store().input(1).field[ColPrice], 1234570.0);
        // 2000000 - 1234570 left in 2021 buys nothing more.
        QVERIFY(rowIsEmpty(2));
    }

    // ---- rows that do not become complete -------------------------------------------------

    void badBeginYearIsReportedOncePerRun()
    {
        setPanel(0, { "1800", "50000", "0", "200000", "1000", "0", "0", "100", "3", "20" });
        const QStringList seen = closingModals([this]() { press(); });
        QCOMPARE(seen, QStringList { JaartalMessage });
        QCOMPARE(completeRows(), 0);
        // Every purchase overwrote the same rejected row; the run went on year by year.
        QCOMPARE(cellText(grid(), 0, 0), InvestmentTypeNames.at(LeveragedProperty));
        QCOMPARE(cellText(grid(), 0, 1), QString());
        QVERIFY(rowIsEmpty(1));

        // Outside a run every bad year is reported again.
        const QStringList typed = closingModals([this]() { setCell(*w, 5, 1, "1919"); });
        QCOMPARE(typed, QStringList { JaartalMessage });
    }

    void incompleteRowEndsTheStay()
    {
        // LTV 100 needs nothing, so every year would buy for ever; a mortgage rate of -1
        // leaves each written row incomplete.
        setPanel(0, { "2020", "0", "0", "200000", "1000", "0", "0", "100", "-1", "20" });
        press();
        QVERIFY(w->IsRowComplete(0));
        QVERIFY(!w->IsRowComplete(1));
        QCOMPARE(cellText(grid(), 1, 1), QStringLiteral("2050")); // the last year's attempt
        QCOMPARE(cellText(grid(), 1, 12), QString());
        QVERIFY(rowIsEmpty(2));
    }
};

QTEST_MAIN(GeneratorTest)
#include "tst_generator.moc"
