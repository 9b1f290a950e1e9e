// "Spreiding" in the window: the run starts from the portfolio on screen, its percentiles
// show beside the totals, a new edit restarts it, and the net-worth chart draws the band.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"
#include "model/FormatAmount.h"
#include "model/PathRunner.h"
#include "settings/SpreadSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtTest>

using namespace testsupport;
QT_CHARTS_USE_NAMESPACE

class UncertaintyTest : public QObject
{
    Q_OBJECT

    static void setSpreads(double value, double rent, double ret)
    {
        QSettings settings(QStringLiteral("Quorvant"), QStringLiteral("Quorvant"));
        PathSettings s;
        s.valueSpread = value;
        s.rentSpread = rent;
        s.returnSpread = ret;
        s.paths = 2000;
        WriteSpreadSettings(settings, s);
    }

private slots:
    void initTestCase() { initResources(); }

    void withoutSpreadThePercentilesAreTheProjection()
    {
        setSpreads(0, 0, 0);
        MainWindow w;
        typeExampleRows(w, 5);
        auto *runner = w.findChild<PathRunner *>();
        QVERIFY(runner);
        QSignalSpy done(runner, &PathRunner::finished);
        find<QCheckBox>(&w, "Spreiding")->setChecked(true);
        QVERIFY(done.wait(10000));
        const QString net = find<QLabel>(&w, "Totaal_Nettowaarde")->text();
        const QString band = find<QLabel>(&w, "SpreidingNettowaarde")->text();
        QVERIFY2(band.contains(QStringLiteral("10%: %1 ").arg(net)) && band.endsWith(QStringLiteral("90%: %1").arg(net)),
            qPrintable(band + " / " + net));

        // An edit restarts the run; the labels say so until the new paths are in.
        setCell(w, 1, 6, QStringLiteral("175000"));
        QCOMPARE(find<QLabel>(&w, "SpreidingNettowaarde")->text(), QStringLiteral("Spreiding wordt berekend..."));
        QVERIFY(done.wait(10000));
        QVERIFY(find<QLabel>(&w, "SpreidingNettowaarde")->text().endsWith(find<QLabel>(&w, "Totaal_Nettowaarde")->text()));

        // Off: nothing of it shows and nothing runs.
        find<QCheckBox>(&w, "Spreiding")->setChecked(false);
        QVERIFY(find<QLabel>(&w, "SpreidingNettowaarde")->text().isEmpty());
        QVERIFY(!runner->isRunning());
    }

    void spreadWidensTheBandInTheChart()
    {
        setSpreads(5, 2, 10);
        MainWindow w;
        typeExampleRows(w, 5);
        QSignalSpy done(w.findChild<PathRunner *>(), &PathRunner::finished);
        find<QCheckBox>(&w, "Spreiding")->setChecked(true);
        QVERIFY(done.wait(10000));
        const PathBands bands = done.last().at(0).value<PathBands>();
        QVERIFY(bands.p10.last() < bands.p50.last() && bands.p50.last() < bands.p90.last());

        QStringList names;
        LineGraphs *chart = openChart(w, false, &names);
        QVERIFY(chart);
        QVERIFY2(names.contains(QStringLiteral("10%-90%")) && names.contains(QStringLiteral("Mediaan")), qPrintable(names.join(',')));
        // The mouse two pixels off the band's upper edge in its 25th year names that edge.
        chart->resize(1430, 920);
        auto *view = chart->findChild<QtCharts::QChartView *>();
        QtCharts::QAreaSeries *band = nullptr;
        for (QtCharts::QAbstractSeries *series : view->chart()->series())
            band = band ? band : qobject_cast<QtCharts::QAreaSeries *>(series);
        QVERIFY(band);
        const QPointF edge = band->upperSeries()->at(24);
        const QPointF at = view->chart()->mapToPosition(edge, band) + QPointF(0, -2);
        QCOMPARE(chart->TipAt(view->mapFromScene(view->chart()->mapToScene(at))),
            QStringLiteral("10%-90% (bovenrand)\n%1: %2").arg(qRound(edge.x())).arg(ValueAxisLabel(edge.y())));
        delete chart;
    }
};

QTEST_MAIN(UncertaintyTest)
#include "tst_uncertainty.moc"
