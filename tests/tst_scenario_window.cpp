// The kept scenarios in the window: three of them side by side in their table and as dashed
// lines of their own colour in both charts, without an undo step.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ScenarioController.h"
#include "charts/LineGraphs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtCharts>
#include <QtTest>

using namespace testsupport;

class ScenarioWindowTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    // Two copies of the screen (the second after a dearer first row) and a saved file.
    void keepThree(MainWindow &w)
    {
        typeExampleRows(w, 2);
        const QString file = dir.filePath("ander.inv");
        setCell(w, 0, ColPrice, "260000");
        triggerWithFile(w, "actionSave_as", file);
        setCell(w, 0, ColPrice, "200000");
        auto *controller = w.findChild<ScenarioController *>();
        QStringList asked;
        controller->setNameAsker([&asked](const QString &, const QString &suggested) {
            asked << suggested;
            return std::optional<QString>(asked.size() == 1 ? suggested : QStringLiteral("Zonder extra"));
        });
        find<QAction>(&w, "actionScenarioVanScherm")->trigger();
        setCell(w, 0, ColPrice, "180000");
        find<QAction>(&w, "actionScenarioVanScherm")->trigger();
        QCOMPARE(triggerWithFile(w, "actionScenarioUitBestand", file), QStringList());
        QCOMPARE(asked, QStringList({ "Scenario 1", "Scenario 2" }));
    }

private slots:
    void initTestCase() { initResources(); }

    void threeSideBySide()
    {
        MainWindow w;
        keepThree(w);
        const int steps = w.UndoStack()->count();
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2030");
        auto *table = find<QTableWidget>(&w, "ScenarioTabel");
        QVERIFY(table->isVisible());
        QStringList headers;
        for (int c = 0; c < table->columnCount(); ++c)
            headers << table->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, QStringList({ "Huidige portefeuille", "Scenario 1", "Zonder extra", "ander.inv" }));
        QCOMPARE(table->verticalHeaderItem(1)->text(), QStringLiteral("Nettowaarde 2030"));
        // The screen now holds the second copy: equal to it, apart from the others.
        const auto netWorth = [table](int c) { return table->item(1, c)->text(); };
        QCOMPARE(netWorth(0), netWorth(2));
        QVERIFY(netWorth(1) != netWorth(0) && netWorth(3) != netWorth(1) && netWorth(3) != netWorth(0));
        QVERIFY(find<QAction>(&w, "actionScenarioVanScherm")->isEnabled());
        // With a spending the paths give each column its chance; the same portfolio, the same chance.
        w.findChild<QLineEdit *>(QStringLiteral("MaandelijkseUitgaven"))->setText(QStringLiteral("1500"));
        QTRY_VERIFY(table->item(3, 0)->text().endsWith('%') && table->item(3, 2)->text().endsWith('%'));
        QCOMPARE(table->item(3, 0)->text(), table->item(3, 2)->text());
        QVERIFY(table->item(0, 0)->text() != QStringLiteral("—"));

        table->setCurrentCell(1, 1);
        find<QPushButton>(&w, "ScenarioVerwijderen")->click();
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Zonder extra"));
        QCOMPARE(w.UndoStack()->count(), steps);
    }

    // A kept scenario does not change with an edit on screen: its chance stays without a new run
    // of its paths; the limits change every scenario, and their chances are computed again.
    void anEditOnScreenKeepsTheScenariosChances()
    {
        MainWindow w;
        keepThree(w);
        auto *table = find<QTableWidget>(&w, "ScenarioTabel");
        w.findChild<QLineEdit *>(QStringLiteral("MaandelijkseUitgaven"))->setText(QStringLiteral("1500"));
        const auto allIn = [table] {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (!table->item(3, c)->text().endsWith('%'))
                    return false;
            }
            return true;
        };
        QTRY_VERIFY(allIn());
        QStringList before;
        for (int c = 0; c < table->columnCount(); ++c)
            before << table->item(3, c)->text();

        setCell(w, 0, ColPrice, "150000");
        const QString computing = QStringLiteral("wordt berekend...");
        QCOMPARE(table->item(3, 0)->text(), computing);
        for (int c = 1; c < table->columnCount(); ++c)
            QCOMPARE(table->item(3, c)->text(), before.at(c));
        QTRY_VERIFY(allIn());
        for (int c = 1; c < table->columnCount(); ++c)
            QCOMPARE(table->item(3, c)->text(), before.at(c));

        w.findChild<ScenarioController *>()->setLimits(MaxRows, 20);
        for (int c = 0; c < table->columnCount(); ++c)
            QCOMPARE(table->item(3, c)->text(), computing);
        QTRY_VERIFY(allIn());
    }

    void dashedInBothCharts_data()
    {
        QTest::addColumn<bool>("cashFlow");
        QTest::newRow("net worth") << false;
        QTest::newRow("cash flow") << true;
    }

    void dashedInBothCharts()
    {
        QFETCH(bool, cashFlow);
        MainWindow w;
        keepThree(w);
        QStringList names;
        std::unique_ptr<LineGraphs> chart(openChart(w, cashFlow, &names));
        QVERIFY(chart);
        QList<QColor> colours;
        for (const QString &name : { "Scenario 1", "Zonder extra", "ander.inv" }) {
            QVERIFY2(names.contains(name), qPrintable(names.join(", ")));
            QLineSeries *line = nullptr;
            for (QAbstractSeries *s : chart->findChild<QChartView *>()->chart()->series())
                line = s->name() == name ? qobject_cast<QLineSeries *>(s) : line;
            QVERIFY(line && line->pen().style() == Qt::DashLine && line->points().size() == 31);
            QVERIFY(!colours.contains(line->pen().color()));
            colours << line->pen().color();
        }
    }
};

QTEST_MAIN(ScenarioWindowTest)
#include "tst_scenario_window.moc"
