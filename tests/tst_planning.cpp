// Today's money and the free year in the window: the inflation field, the check box, the
// spending field, and what the totals, the CSV export and the charts show through them.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"
#include "model/DutchFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtTest>

#include <cmath>

using namespace testsupport;
QT_CHARTS_USE_NAMESPACE

namespace {

// The totals CSV of the window as year -> columns.
QMap<int, QStringList> totalsByYear(MainWindow &w, QString *header = nullptr)
{
    QMap<int, QStringList> byYear;
    const QStringList lines = w.ProjectionCsv(true).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (header && !lines.isEmpty())
        *header = lines.first();
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList columns = lines.at(i).split(QLatin1Char(','));
        byYear.insert(columns.at(0).toInt(), columns);
    }
    return byYear;
}

void runLeveragedGenerator(MainWindow &w)
{
    const QStringList panel { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" };
    for (int k = 1; k <= 10; ++k)
        find<QTextEdit>(&w, QStringLiteral("wealth_edit%1").arg(k).toLatin1())->setPlainText(panel.at(k - 1));
    find<QPushButton>(&w, "GoGoGo")->click();
}

} // namespace

class PlanningTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    // "Schuld als restschuld" shows the mortgage's remaining principal as the debt in the grid,
    // the totals and the net worth: the whole loan in the year of purchase, the annuity's
    // balance after the payments made; off, the payments still due as before.
    void debtAsRemainingPrincipal_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<double>("principal");
        // 160.000 at 3 % over 20 years: the balance after 12 × d monthly payments.
        const double r = 0.03 / 12, payment = 160000.0 * r / (1 - std::pow(1 + r, -240));
        auto balance = [=](int months) { return 160000.0 * std::pow(1 + r, months) - payment * (std::pow(1 + r, months) - 1) / r; };
        QTest::newRow("2020") << "2020" << 160000.0;
        QTest::newRow("2021") << "2021" << balance(12);
        QTest::newRow("2030") << "2030" << balance(120);
        QTest::newRow("2040") << "2040" << 0.0;
    }

    void debtAsRemainingPrincipal()
    {
        QFETCH(QString, year);
        QFETCH(double, principal);
        MainWindow w;
        setRow(w, 0, 0, { "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" });
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText(year);
        const QString paymentsDue = cellText(outputGrid(w), 0, 5);
        const QString headerTip = outputGrid(w)->horizontalHeaderItem(5)->toolTip();
        auto *check = find<QCheckBox>(&w, "SchuldAlsRestschuld");
        check->setChecked(true);
        QCOMPARE(cellText(outputGrid(w), 0, 5), DutchWholeAmount(principal));
        QCOMPARE(find<QLabel>(&w, "Totaal_Schulden")->text(), DutchTotal(principal));
        const YearRecord *record = w.store().record(0, year.toInt() - 2020);
        QCOMPARE(find<QLabel>(&w, "Totaal_Nettowaarde")->text(),
            DutchTotal(record->series[SerCash] + record->series[SerPropertyValue] - principal));
        QVERIFY(outputGrid(w)->horizontalHeaderItem(5)->toolTip() != headerTip);
        check->setChecked(false);
        QCOMPARE(cellText(outputGrid(w), 0, 5), paymentsDue);
        QCOMPARE(outputGrid(w)->horizontalHeaderItem(5)->toolTip(), headerTip);
    }

    // In today's money the own contribution of a purchase is deflated at the year it was
    // paid, however far the chosen year lies.
    void ownContributionAtItsOwnYear()
    {
        MainWindow w;
        find<QLineEdit>(&w, "Inflatie")->setText(QStringLiteral("2"));
        setRow(w, 0, 0, { "2030", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" });
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(true);
        const double today = 40000.0 / std::pow(1.02, 2030 - QDate::currentDate().year());
        for (const QString year : { "2030", "2041", "2060" }) {
            find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText(year);
            QCOMPARE(cellText(outputGrid(w), 0, 4), DutchWholeAmount(today));
            QCOMPARE(find<QLabel>(&w, "Totaal_EigenCash")->text(), DutchTotal(today));
        }
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(false);
    }

    void todaysMoneyDividesEveryAmount()
    {
        MainWindow w;
        typeExampleRows(w, 5);
        auto *inflation = find<QLineEdit>(&w, "Inflatie");
        inflation->setText(QStringLiteral("2"));
        auto *check = find<QCheckBox>(&w, "ToonEurosVanVandaag");
        QVERIFY(!check->isChecked()); // off at start
        QString nominalHeader;
        const QMap<int, QStringList> nominal = totalsByYear(w, &nominalHeader);
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentText(QStringLiteral("2040"));
        const QString nominalNetWorth = find<QLabel>(&w, "Totaal_Nettowaarde")->text();
        const QString nominalRoi = cellText(outputGrid(w), 0, 9);

        check->setChecked(true);
        QString realHeader;
        const QMap<int, QStringList> real = totalsByYear(w, &realHeader);
        QVERIFY(realHeader.contains(QStringLiteral("cash_real")) && !nominalHeader.contains(QStringLiteral("_real")));
        const double divisor = std::pow(1.02, 2040 - QDate::currentDate().year());
        for (int c = 1; c < nominal.value(2040).size(); ++c) {
            const double expected = nominal.value(2040).at(c).toDouble() / divisor;
            const double shown = real.value(2040).at(c).toDouble();
            // The own contribution was paid before 2040, each payment at its own smaller divisor.
            if (realHeader.section(',', c, c) == QLatin1String("own_contribution_real"))
                QVERIFY(shown > expected + 1);
            else
                QVERIFY2(std::abs(shown - expected) < 0.005, qPrintable(realHeader.section(',', c, c)));
        }
        QVERIFY(find<QLabel>(&w, "Totaal_Nettowaarde")->text() != nominalNetWorth);
        QCOMPARE(cellText(outputGrid(w), 0, 9), nominalRoi); // ROI unchanged
        QCOMPARE(cellText(outputGrid(w), 0, 0), QStringLiteral("2020")); // start year unchanged

        // At 0 % and with the box off the figures are exactly the nominal ones.
        inflation->setText(QStringLiteral("0"));
        QCOMPARE(totalsByYear(w).value(2040).mid(1), nominal.value(2040).mid(1));
        check->setChecked(false);
        QCOMPARE(find<QLabel>(&w, "Totaal_Nettowaarde")->text(), nominalNetWorth);
        QCOMPARE(w.ProjectionCsv(true).section('\n', 0, 0), nominalHeader);
    }

    // The planning fields read as the grid reads a typed entry, at every keystroke, and mark
    // a text that is no number or a number out of range; such a field counts as not set.
    void planningFieldsAreRead_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("same"); // the plain text that gives the same figures
        QTest::addColumn<bool>("marked");
        QTest::newRow("spending with grouping") << "MaandelijkseUitgaven" << "3.000" << "3000" << false;
        QTest::newRow("spending in words") << "MaandelijkseUitgaven" << "drie" << "" << true;
        QTest::newRow("spending beyond reason") << "MaandelijkseUitgaven" << "1e12" << "" << true;
        QTest::newRow("inflation with a comma") << "Inflatie" << "2,5" << "2.5" << false;
        QTest::newRow("inflation beyond range") << "Inflatie" << "1e308" << "0" << true;
        QTest::newRow("deflation beyond range") << "Inflatie" << "-99" << "0" << true;
    }

    void planningFieldsAreRead()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, same);
        QFETCH(bool, marked);
        MainWindow w;
        find<QLineEdit>(&w, "Inflatie")->setText(QStringLiteral("2"));
        find<QLineEdit>(&w, "MaandelijkseUitgaven")->setText(QStringLiteral("3000"));
        runLeveragedGenerator(w);
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(true);
        auto *edit = find<QLineEdit>(&w, field.toLatin1().constData());
        auto *label = find<QLabel>(&w, "FinancieelVrij");
        auto *cash = find<QLabel>(&w, "Totaal_Cash");
        edit->setText(same);
        const QString expectedLabel = label->text();
        const QString expectedCash = cash->text();
        edit->setText(QString());
        // Typed key by key: after the last key, as the plain text.
        QTest::keyClicks(edit, typed);
        QCOMPARE(label->text(), expectedLabel);
        QCOMPARE(cash->text(), expectedCash);
        QCOMPARE(edit->toolTip() != edit->accessibleDescription(), marked);
        QCOMPARE(edit->styleSheet().isEmpty(), !marked);
    }

    void freeYear_data()
    {
        QTest::addColumn<QString>("spending");
        QTest::addColumn<bool>("named");
        QTest::newRow("3000 a month") << "3000" << true;
        QTest::newRow("Dutch grouping") << "3.000" << true;
        QTest::newRow("never covered") << "1000000" << false;
        QTest::newRow("not set") << "" << false;
    }

    void freeYear()
    {
        QFETCH(QString, spending);
        QFETCH(bool, named);
        MainWindow w;
        find<QLineEdit>(&w, "Inflatie")->setText(QStringLiteral("2"));
        auto *field = find<QLineEdit>(&w, "MaandelijkseUitgaven");
        field->setText(spending);
        emit field->editingFinished();
        runLeveragedGenerator(w); // the label follows a run like any edit
        auto *label = find<QLabel>(&w, "FinancieelVrij");
        if (spending.isEmpty()) {
            QVERIFY(label->text().isEmpty());
            return;
        }
        if (!named) {
            QCOMPARE(label->text(), QStringLiteral("Niet binnen de horizon"));
            return;
        }
        // By hand: the first year from which the monthly cash flow in today's money covers 3000
        // in every later year.
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(true);
        int byHand = 0;
        const QMap<int, QStringList> real = totalsByYear(w);
        for (auto it = real.cbegin(); it != real.cend(); ++it) {
            if (it.value().at(8).toDouble() < 3000.0)
                byHand = 0;
            else if (byHand == 0)
                byHand = it.key();
        }
        QVERIFY(byHand > 0);
        QCOMPARE(label->text(), QStringLiteral("Financieel vrij in %1").arg(byHand));
        // With real values off the same year is named.
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(false);
        QCOMPARE(label->text(), QStringLiteral("Financieel vrij in %1").arg(byHand));

        // The cash-flow chart draws the spending and marks the year; its title says the money.
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(true);
        QStringList names;
        LineGraphs *chart = openChart(w, true, &names);
        QVERIFY(chart);
        QVERIFY2(names.contains(QStringLiteral("Uitgaven")), qPrintable(names.join(',')));
        QVERIFY(names.contains(QStringLiteral("Financieel vrij in %1").arg(byHand)));
        // The mouse three pixels under the spending line in its 10th year gives that year's spending.
        chart->resize(1430, 920);
        auto *view = chart->findChild<QtCharts::QChartView *>();
        QtCharts::QLineSeries *spendingLine = nullptr;
        for (QtCharts::QAbstractSeries *series : view->chart()->series())
            spendingLine = series->name() == "Uitgaven" ? qobject_cast<QtCharts::QLineSeries *>(series) : spendingLine;
        QVERIFY(spendingLine);
        const QPointF point = spendingLine->at(9);
        const QPointF at = view->chart()->mapToPosition(point, spendingLine) + QPointF(0, 3);
        QCOMPARE(chart->TipAt(view->mapFromScene(view->chart()->mapToScene(at))),
            QStringLiteral("Uitgaven\n%1: %2").arg(qRound(point.x())).arg(ValueAxisLabel(point.y())));
        const QString title = chart->findChild<QLabel *>(QStringLiteral("GraphType"))->text();
        QVERIFY2(title.endsWith(QStringLiteral("(euro's van vandaag, 2,0 % inflatie)")), qPrintable(title));
        delete chart;
    }
};

QTEST_MAIN(PlanningTest)
#include "tst_planning.moc"
