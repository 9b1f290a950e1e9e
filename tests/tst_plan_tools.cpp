// The Plan menu in the window: "Wat is er nodig?" answers for the plan on screen and
// "Toepassen" writes the answer as one undo step; "Gevoeligheid" draws its tornado.

#include "TestSupport.h"

#include "app/GoalSeekDialog.h"
#include "app/MainWindow.h"
#include "generator/GeneratorRun.h"
#include "app/SensitivityWindow.h"
#include "model/DutchFormat.h"

#include "grid/ColumnCatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QUndoStack>
#include <QtCharts/QChartView>
#include <QtCharts/QHorizontalStackedBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QRegularExpression>
#include <QtTest>

using namespace testsupport;
QT_CHARTS_USE_NAMESPACE

namespace {

void setPanel(MainWindow &w, const QStringList &fields)
{
    for (int k = 1; k <= 10; ++k)
        find<QTextEdit>(&w, QStringLiteral("wealth_edit%1").arg(k).toLatin1().constData())->setPlainText(fields.value(k - 1));
}

QAction *action(MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class PlanToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    // The solver's generator run writes the rows the window's "Get Wealthy" writes.
    void generatorRunWithoutTheWindowBuysTheSame_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("panel");
        QTest::newRow("leveraged example") << 0 << QStringList { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" };
        QTest::newRow("growing prices, six digits") << 1 << QStringList { "2021", "123456.7", "777.77", "98765.4", "650", "2.5", "3.1" };
        QTest::newRow("cash, staying in a year") << 2 << QStringList { "2020", "50000", "0", "", "10000", "6" };
    }
    void generatorRunWithoutTheWindowBuysTheSame()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, panel);
        MainWindow w;
        setRow(w, 0, CompoundedInterest, { "2019", "1000", "100", "10", "", "", "", "", "", "", "", "", "", "5" });
        find<QComboBox>(&w, "WealthSelect")->setCurrentIndex(kind);
        setPanel(w, panel);
        InvestmentStore alone = w.store();
        find<QPushButton>(&w, "GoGoGo")->click();
        GeneratorPanel fields;
        fields.kind = kind;
        for (int k = 0; k < GeneratorFieldCount; ++k)
            fields.parameters.field[k] = GeneratorParameterFromText(panel.value(k));
        QVERIFY(RunGenerator(alone, fields));
        QVERIFY(w.store().projectedRowCount() > 2);
        for (int r = 0; r < MaxRows; ++r) {
            QCOMPARE(alone.isRowComplete(r), w.store().isRowComplete(r));
            for (int c = 0; c < FieldCount; ++c)
                QCOMPARE(alone.input(r).field[c], w.store().input(r).field[c]);
        }
    }

    void toepassenIsOneUndoStep_data()
    {
        QTest::addColumn<int>("unknown");
        QTest::addColumn<int>("goal");
        QTest::newRow("generator deposit, free by 2034") << int(SolveUnknown::GeneratorDeposit) << 0;
        QTest::newRow("price of row 1, net worth in 2030") << int(SolveUnknown::RowPrice) << 1;
    }
    void toepassenIsOneUndoStep()
    {
        QFETCH(int, unknown);
        QFETCH(int, goal);
        MainWindow w;
        find<QLineEdit>(&w, "MaandelijkseUitgaven")->setText(QStringLiteral("3000"));
        find<QLineEdit>(&w, "Inflatie")->setText(QStringLiteral("0"));
        setPanel(w, { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" });
        if (unknown == int(SolveUnknown::RowPrice))
            setRow(w, 0, PropertyInFull, { "2020", "", "", "", "", "150000", "800", "2", "2" });
        action(w, "actionWatIsErNodig")->trigger();
        auto *dialog = w.findChild<GoalSeekDialog *>();
        QVERIFY(dialog);
        auto *unknowns = find<QComboBox>(dialog, "Onbekende");
        unknowns->setCurrentIndex(unknowns->findData(unknown));
        find<QComboBox>(dialog, "Doel")->setCurrentIndex(goal);
        find<QSpinBox>(dialog, "DoelJaar")->setValue(goal == 0 ? 2034 : 2030);
        find<QLineEdit>(dialog, "DoelNettowaarde")->setText(QStringLiteral("200.000"));
        dialog->solve(true);
        QCOMPARE(int(dialog->result().status), int(SolveStatus::Found));
        const QString answer = find<QLabel>(dialog, "Antwoord")->text();
        QVERIFY2(answer.contains(DutchAmount(dialog->result().value)), qPrintable(answer));
        if (goal == 0)
            QVERIFY(dialog->result().outcome.freeYear && dialog->result().outcome.freeYear <= 2034);

        QUndoStack *undo = w.UndoStack();
        const int steps = undo->count();
        const QString before = unknown == int(SolveUnknown::RowPrice) ? cellText(inputGrid(w), 0, ColPrice)
                                                                       : find<QTextEdit>(&w, "wealth_edit3")->toPlainText();
        find<QPushButton>(dialog, "Toepassen")->click();
        auto shown = [&]() {
            return unknown == int(SolveUnknown::RowPrice) ? cellText(inputGrid(w), 0, ColPrice)
                                                           : find<QTextEdit>(&w, "wealth_edit3")->toPlainText();
        };
        QCOMPARE(shown(), QString::number(dialog->result().value, 'f', 2));
        QCOMPARE(undo->count(), steps + 1);
        undo->undo();
        QCOMPARE(shown(), before);
    }

    void cancelEndsASearchWithPaths()
    {
        MainWindow w;
        find<QLineEdit>(&w, "MaandelijkseUitgaven")->setText(QStringLiteral("3000"));
        setPanel(w, { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" });
        action(w, "actionWatIsErNodig")->trigger();
        auto *dialog = w.findChild<GoalSeekDialog *>();
        find<QCheckBox>(dialog, "MetKans")->setChecked(true);
        dialog->solve();
        QVERIFY(dialog->isRunning());
        QVERIFY(!find<QPushButton>(dialog, "Bereken")->isEnabled());
        dialog->cancel();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isRunning(), 20000);
        QTRY_COMPARE(int(dialog->result().status), int(SolveStatus::Cancelled));
        QVERIFY(!find<QPushButton>(dialog, "Toepassen")->isEnabled());
    }

    void tornadoDrawsTheLargestEffectsOnTop()
    {
        MainWindow w;
        find<QLineEdit>(&w, "MaandelijkseUitgaven")->setText(QStringLiteral("900"));
        setRow(w, 0, PropertyInFull, { "2020", "", "", "", "", "150000", "800", "2", "2" });
        action(w, "actionGevoeligheid")->trigger();
        auto *window = w.findChild<SensitivityWindow *>();
        QVERIFY(window);
        const SensitivityTable &table = window->table();
        QVERIFY(!table.rows.isEmpty());
        auto *series = qobject_cast<QHorizontalStackedBarSeries *>(find<QChartView>(window, "Tornado")->chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->barSets().size(), 2);
        // The bars run bottom to top: the last is the largest swing.
        const QBarSet *high = series->barSets().at(1);
        QCOMPARE(high->at(high->count() - 1), table.rows.first().netWorthHigh);
        QCOMPARE(find<QTableWidget>(window, "GevoeligheidTabel")->item(1, 0)->text(), table.rows.first().name);
        // The axis of the changes reads as the line charts' amounts: round steps in Dutch
        // notation, symmetric about 0, never a C-locale or exponent text.
        auto *axis = qobject_cast<QCategoryAxis *>(series->attachedAxes().value(1));
        QVERIFY(axis);
        const QStringList labels = axis->categoriesLabels();
        QVERIFY(labels.size() >= 3);
        QVERIFY(labels.contains(QStringLiteral("0")));
        for (const QString &label : labels) {
            QVERIFY2(QRegularExpression(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*(,\\d+)?( mln| mld)?$")).match(label).hasMatch(), qPrintable(label));
            QVERIFY2(labels.contains(label.startsWith('-') ? label.mid(1) : label == "0" ? label : "-" + label), qPrintable(label));
        }
    }
};

QTEST_MAIN(PlanToolsTest)
#include "tst_plan_tools.moc"
