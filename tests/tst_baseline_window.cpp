// The baseline in the window: each File action, the "Basis" and "Verschil" figures against two
// runs of the exporter, and the dashed "Basis" line in the charts.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"
#include "model/FormatAmount.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>

QT_CHARTS_USE_NAMESPACE
using namespace testsupport;

namespace {

// The exporter's --totals lines of a file by year: [8] monthly cash flow, [9] net worth.
QHash<QString, QStringList> exportedTotals(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export"), { "--totals", path });
    p.waitForFinished(60000);
    QHash<QString, QStringList> byYear;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        byYear.insert(line.section(',', 0, 0), line.split(','));
    return byYear;
}

QString shown(MainWindow &w, const char *label)
{
    return find<QLabel>(&w, label)->text();
}

// Base.inv: the example rows with the property's Kostprijs set to `price`.
QString writeBase(const QTemporaryDir &dir, const QString &price)
{
    const QString path = dir.filePath(QStringLiteral("base.inv"));
    writeBytes(path, investFileText("Cash voor cashflow", {}, { { "Onderpand met hefboom", "2020", "", "", "", "", price,
                                    "1000", "2", "3", "", "80", "3", "20" }, { "Maandelijks sparen", "2021", "1000", "100" } }).toUtf8());
    return path;
}

} // namespace

class BaselineWindowTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { initResources(); }

    void compareWithFile()
    {
        MainWindow w;
        typeExampleRows(w, 2);
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2025");
        const QStringList grid = { cellText(inputGrid(w), 0, ColPrice), shown(w, "Totaal_Nettowaarde") };
        const int steps = w.UndoStack()->count();
        QCOMPARE(triggerWithFile(w, "actionVergelijkMet", dir.filePath("missing.inv")).value(0).section('|', 0, 0),
            QStringLiteral("Unable to open file"));
        QVERIFY(!w.CurrentBaseline().isSet());
        QCOMPARE(triggerWithFile(w, "actionVergelijkMet", writeBase(dir, "300000")), QStringList());
        const QStringList base = exportedTotals(dir.filePath("base.inv")).value("2025");
        QCOMPARE(shown(w, "Basis_Nettowaarde"), FormatAmount(base.value(9).toDouble()));
        QCOMPARE(shown(w, "Basis_Cashflow"), FormatAmount(base.value(8).toDouble()));
        QVERIFY(!shown(w, "Verschil_Nettowaarde").isEmpty());
        QCOMPARE(shown(w, "BasisStatus"), QStringLiteral("Basis: base.inv"));
        // The portfolio on screen and its document are untouched; the baseline follows the limits.
        QCOMPARE(QStringList({ cellText(inputGrid(w), 0, ColPrice), shown(w, "Totaal_Nettowaarde") }), grid);
        QCOMPARE(w.UndoStack()->count(), steps);
        w.SetMaxJaren(10);
        QCOMPARE(w.CurrentBaseline().store()->maxJaren(), 10);
    }

    void copyIsZeroThenOneKostprijsChanged()
    {
        MainWindow w;
        typeExampleRows(w, 3);
        const QString a = dir.filePath("a.inv"), b = dir.filePath("b.inv");
        triggerWithFile(w, "actionSave_as", a);
        find<QAction>(&w, "actionBasisVastleggen")->trigger();
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        for (int y = 0; y < years->count(); ++y) {
            years->setCurrentIndex(y);
            QCOMPARE(shown(w, "Verschil_Nettowaarde") + shown(w, "Verschil_Cashflow"), QStringLiteral("00"));
        }
        setCell(w, 0, ColPrice, "215000");
        triggerWithFile(w, "actionSave_as", b);
        const auto before = exportedTotals(a), after = exportedTotals(b);
        QCOMPARE(after.size(), 32);
        for (int y = 0; y < years->count(); ++y) {
            years->setCurrentIndex(y);
            const QStringList x = before.value(years->currentText()), z = after.value(years->currentText());
            QCOMPARE(shown(w, "Verschil_Nettowaarde"), FormatAmount(z.value(9).toDouble() - x.value(9).toDouble()));
            QCOMPARE(shown(w, "Verschil_Cashflow"), FormatAmount(z.value(8).toDouble() - x.value(8).toDouble()));
        }
        QVERIFY(shown(w, "Verschil_Nettowaarde") != "0");
        w.UndoStack()->undo();
        QCOMPARE(shown(w, "Verschil_Nettowaarde"), QStringLiteral("0"));
    }

    void clearingShowsTheWindowAsBefore()
    {
        MainWindow w;
        typeExampleRows(w, 2);
        w.show();
        QApplication::processEvents();
        const QImage before = w.grab().toImage();
        QAction *clear = find<QAction>(&w, "actionVergelijkingWissen");
        QVERIFY(!clear->isEnabled());
        find<QAction>(&w, "actionBasisVastleggen")->trigger();
        QVERIFY(clear->isEnabled() && find<QWidget>(&w, "BasisVergelijking")->isVisible());
        QVERIFY(w.grab().toImage() != before);
        clear->trigger();
        QApplication::processEvents();
        QVERIFY(!clear->isEnabled() && !w.CurrentBaseline().isSet());
        QCOMPARE(w.grab().toImage(), before);
    }

    void chartHasDashedBaseline_data()
    {
        QTest::addColumn<bool>("cashFlow");
        QTest::newRow("net worth") << false;
        QTest::newRow("cash flow") << true;
    }

    void chartHasDashedBaseline()
    {
        QFETCH(bool, cashFlow);
        MainWindow w;
        typeExampleRows(w, 2);
        w.CompareWithFile(writeBase(dir, "900000")); // far above every line of the portfolio
        find<QRadioButton>(&w, cashFlow ? "CashFlowRadioButt" : "NettoRadioButt")->setChecked(true);
        find<QPushButton>(&w, "pushButton")->click();
        LineGraphs *chart = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            chart = qobject_cast<LineGraphs *>(top) ? qobject_cast<LineGraphs *>(top) : chart;
        QVERIFY(chart);
        QChart *c = chart->findChild<QChartView *>()->chart();
        auto *axis = qobject_cast<QValueAxis *>(c->axes(Qt::Vertical).value(0));
        QLineSeries *basis = nullptr;
        QVector<double> basisValues, others;
        for (QAbstractSeries *s : c->series()) {
            auto *line = qobject_cast<QLineSeries *>(s);
            basis = s->name() == "Basis" ? line : basis;
            for (const QPointF &p : line->points())
                (s->name() == "Basis" ? basisValues : others) << p.y();
        }
        QVERIFY(axis && basis && basis->pen().style() == Qt::DashLine && basisValues.size() == 31);
        const auto [low, high] = std::minmax_element(basisValues.begin(), basisValues.end());
        QVERIFY(*low >= axis->min() && *high <= axis->max());
        // The line lies outside the portfolio's own lines, so the axis covers it for its own sake.
        QVERIFY(*high > *std::max_element(others.begin(), others.end())
            || *low < *std::min_element(others.begin(), others.end()));
        delete chart;
    }
};

QTEST_MAIN(BaselineWindowTest)
#include "tst_baseline_window.moc"
