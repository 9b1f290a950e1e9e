// The window side of costs and Box 3: the dialog "Kosten en belasting..." as one undo step
// (Cancel changes nothing), what it shows after the document changes, and the two totals.

#include "TestSupport.h"

#include "app/CostTaxDialog.h"
#include "app/MainWindow.h"
#include "app/PlanReport.h"
#include "app/PlanSource.h"
#include "model/DutchFormat.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUndoStack>
#include <QtTest>

#include <cmath>

using namespace testsupport;

namespace {

CostTaxDialog *openDialog(MainWindow &w)
{
    find<QAction>(&w, "actionKostenBelasting")->trigger();
    return w.findChild<CostTaxDialog *>();
}

// Types a Dutch number into a spin box as a user does.
void typeInto(QDoubleSpinBox *box, const QString &text)
{
    QLineEdit *edit = box->findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    box->interpretText();
}

QTableWidgetItem *tableCell(CostTaxDialog *d, int year, int value)
{
    auto *table = find<QTableWidget>(d, "Box3Tabel");
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0)->text() == QString::number(year))
            return table->item(r, 1 + value);
    }
    return nullptr;
}

} // namespace

class CostTaxWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    // Dutch entry in every kind of field, then OK (one step, undone and redone) or Cancel
    // (nothing at all).
    void dialogRoundTrip_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Annuleren") << false;
    }

    void dialogRoundTrip()
    {
        QFETCH(bool, accept);
        MainWindow w;
        const int steps = w.UndoStack()->count();
        CostTaxDialog *d = openDialog(w);
        QVERIFY(d && d->isVisible());
        typeInto(find<QDoubleSpinBox>(d, "KostenKoper"), QStringLiteral("8,5"));
        typeInto(find<QDoubleSpinBox>(d, "KostenBeheer"), QStringLiteral("6"));
        find<QComboBox>(d, "Box3Stelsel")->setCurrentIndex(2);
        find<QCheckBox>(d, "Box3Partners")->setChecked(true);
        typeInto(find<QDoubleSpinBox>(d, "Box3HeffingvrijRendement"), QStringLiteral("2.000"));
        // A later year of its own: its rate typed, the year after it following.
        d->addYear(2030);
        tableCell(d, 2030, Box3Rate)->setText(QStringLiteral("37,5"));
        tableCell(d, 2026, Box3Allowance)->setText(QStringLiteral("60.000"));
        // Not a number: the cell goes back, no entry.
        tableCell(d, 2025, Box3BankReturn)->setText(QStringLiteral("veel"));
        QTest::qWait(0);
        QCOMPARE(tableCell(d, 2025, Box3BankReturn)->text(), DutchPercentage(1.44, 2));
        QCOMPARE(tableCell(d, 2030, Box3Rate)->text(), DutchPercentage(37.5, 2));

        QDialogButtonBox *buttons = find<QDialogButtonBox>(d, "KostenBelastingKnoppen");
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        QTest::qWait(0);
        const CostTaxAssumptions a = w.CostTax();
        if (!accept) {
            QVERIFY(a == CostTaxAssumptions());
            QCOMPARE(w.UndoStack()->count(), steps);
            QVERIFY(!w.isWindowModified());
            return;
        }
        QCOMPARE(a.costs.purchase, 8.5);
        QCOMPARE(a.costs.management, 6.0);
        QCOMPARE(a.costs.maintenance, 0.0);
        QVERIFY(a.box3.regime == Box3Regime::Actual);
        QVERIFY(a.box3.partners);
        QCOMPARE(a.box3.actual.taxFreeReturn, 2000.0);
        QCOMPARE(a.box3.actual.rate, ActualReturnRule::DefaultRate);
        QCOMPARE(a.box3.rule(2031).value[Box3Rate], 37.5);
        QCOMPARE(a.box3.rule(2029).value[Box3Rate], 36.0);
        QCOMPARE(a.box3.rule(2026).value[Box3Allowance], 60000.0);
        QCOMPARE(a.box3.overrides.size(), 2); // 2025's refused text is no entry
        QCOMPARE(w.UndoStack()->count(), steps + 1);
        QVERIFY(w.isWindowModified());

        // The dialog reopened shows the document; an undo under it shows the undone one.
        d = openDialog(w);
        QCOMPARE(find<QDoubleSpinBox>(d, "KostenKoper")->text(), QStringLiteral("8,50 %"));
        w.UndoStack()->undo();
        QVERIFY(w.CostTax() == CostTaxAssumptions());
        QVERIFY(!w.isWindowModified());
        QCOMPARE(find<QDoubleSpinBox>(d, "KostenKoper")->value(), 0.0);
        QVERIFY(!find<QCheckBox>(d, "Box3Partners")->isChecked());
        QVERIFY(d->assumptions() == CostTaxAssumptions());
        w.UndoStack()->redo();
        QVERIFY(w.CostTax() == a);
        QVERIFY(d->assumptions() == a);
        // OK without a change is no step.
        find<QDialogButtonBox>(d, "KostenBelastingKnoppen")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(w.UndoStack()->count(), steps + 1);
    }

    // One property bought outright for 400.000 in 2026 and 50.000 of savings: the totals of
    // 2026 show the year's Box 3 tax, single and as partners, in today's money when asked.
    void totalsShowBox3_data()
    {
        QTest::addColumn<bool>("partners");
        QTest::addColumn<QString>("tax");
        QTest::newRow("single") << false << DutchTotal(7700.35);
        QTest::newRow("partners") << true << DutchTotal(6530.31);
    }

    void totalsShowBox3()
    {
        QFETCH(bool, partners);
        QFETCH(QString, tax);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("box3.inv"));
        QVERIFY(writeBytes(path, investFileText(QStringLiteral("Onderpand met hefboom"), {},
            { { "Onderpand zonder hefboom", "2026", "", "", "", "", "400000", "0", "0", "0" },
                { "Maandelijks sparen", "2026", "50000", "0" } }).toUtf8()));
        MainWindow w;
        QVERIFY(w.OpenFile(path));
        auto *box3 = find<QLabel>(&w, "Totaal_Box3Jaar");
        auto *costs = find<QLabel>(&w, "Totaal_KostenMaandelijks");
        QCOMPARE(find<QComboBox>(&w, "Situatie_Jaartal")->currentText(), QStringLiteral("2026"));
        QCOMPARE(box3->text(), DutchTotal(0.0)); // off: no tax

        CostTaxDialog *d = openDialog(w);
        find<QComboBox>(d, "Box3Stelsel")->setCurrentIndex(1);
        find<QCheckBox>(d, "Box3Partners")->setChecked(partners);
        typeInto(find<QDoubleSpinBox>(d, "KostenOnderhoud"), QStringLiteral("1"));
        find<QDialogButtonBox>(d, "KostenBelastingKnoppen")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(box3->text(), tax);
        // 1 % of 400.000 a year.
        QCOMPARE(costs->text(), DutchTotal(400000.0 * 0.01 / 12.0));

        // In today's money the later year's figures are divided by the inflation since today.
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText(QStringLiteral("2030"));
        const QString nominal = box3->text();
        find<QLineEdit>(&w, "Inflatie")->setText(QStringLiteral("10"));
        find<QCheckBox>(&w, "ToonEurosVanVandaag")->setChecked(true);
        const double divisor = std::pow(1.1, 2030 - QDate::currentDate().year());
        QCOMPARE(costs->text(), DutchTotal(400000.0 * 0.01 / 12.0 / divisor));
        QVERIFY(box3->text() != nominal);
    }

    // The report's inputs name the assumptions the figures were made with.
    void reportListsAssumptions_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("absent");
        const QString off = QStringLiteral("Kosten en belasting (Box 3): niet meegerekend");
        QTest::newRow("none") << QStringList() << QStringList { off } << QStringLiteral("Box 3:");
        QTest::newRow("costs only") << QStringList { "kosten.koper=8", "kosten.beheer=5.5" }
                                    << QStringList { "kosten koper 8,00 %", "beheer 5,50 % van de huur", "Box 3: niet meegerekend" }
                                    << off;
        QTest::newRow("actual return, a year of its own")
            << QStringList { "box3.regime=werkelijk", "box3.partners=1", "box3.2030.tarief=37.5" }
            << QStringList { "daarna werkelijk rendement (tarief 36,00 %, heffingvrij rendement 1.800 per persoon); fiscale partners",
                   "Box 3 in 2030 (eigen invoer): tarief 37,50 %", "geen tegenbewijsregeling" }
            << off;
    }

    void reportListsAssumptions()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, lines);
        QFETCH(QString, absent);
        PlanState state;
        state.portfolioText = investFileText(QStringLiteral("Onderpand met hefboom"), {},
                                  { { "Maandelijks sparen", "2026", "50000", "0" } })
            + fields.join(';') + (fields.isEmpty() ? "" : ";");
        state.pathSettings.paths = PathSettings::MinPaths;
        const QString text = PlanReport(state).document()->toPlainText();
        for (const QString &line : lines)
            QVERIFY2(text.contains(line), qPrintable(line));
        QVERIFY(!text.contains(absent));
    }
};

QTEST_MAIN(CostTaxWindowTest)
#include "tst_cost_tax_window.moc"
