// "Spreiding" in the window: the run starts from the portfolio on screen, its percentiles
// show beside the totals, a new edit restarts it, and the net-worth chart draws the band.

#include "TestSupport.h"

#include "app/MainWindow.h"
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
        delete chart;
    }
};

QTEST_MAIN(UncertaintyTest)
#include "tst_uncertainty.moc"
