// The baseline in the window: each File action, "Basis" and "Verschil" against exporter runs,
// and the dashed "Basis" line inside the charts' range.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "model/DutchFormat.h"
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
#include <QtCharts>
#include <QtTest>

using namespace testsupport;

namespace {

// The exporter's --totals fields of a file and year: [8] monthly cash flow, [9] net worth.
QStringList exported(const QString &path, const QString &year)
{
    QProcess p;
    p.start(QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export"), { "--totals", path });
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return out.mid(out.indexOf('\n' + year + ',') + 1).section('\n', 0, 0).split(',');
}

// The cash flow and net worth of "Basis" or "Verschil" as shown, and as two exported lines give them.
QStringList shown(MainWindow &w, const QString &row)
{
    return { find<QLabel>(&w, qPrintable(row + "_Cashflow"))->text(),
        find<QLabel>(&w, qPrintable(row + "_Nettowaarde"))->text() };
}
QStringList difference(const QStringList &mine, const QStringList &base)
{
    return { DutchTotal(mine.value(8).toDouble() - base.value(8).toDouble()),
        DutchTotal(mine.value(9).toDouble() - base.value(9).toDouble()) };
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
        MainWindow w, other;
        typeExampleRows(w, 2);
        typeExampleRows(other, 3);
        const QString a = dir.filePath("a.inv"), b = dir.filePath("b.inv");
        triggerWithFile(w, "actionSave_as", a);
        triggerWithFile(other, "actionSave_as", b);
        const int steps = w.UndoStack()->count();
        const QStringList refused = triggerWithFile(w, "actionVergelijkMet", dir.filePath("none.inv"));
        QCOMPARE(refused.value(0).section('|', 0, 0), "Unable to open file");
        QCOMPARE(triggerWithFile(w, "actionVergelijkMet", b), QStringList());
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2025");
        QCOMPARE(shown(w, "Basis"), difference(exported(b, "2025"), {})); // b's own figures
        QCOMPARE(shown(w, "Verschil"), difference(exported(a, "2025"), exported(b, "2025")));
        QCOMPARE(find<QLabel>(&w, "BasisStatus")->text(), "Basis: b.inv");
        QVERIFY(w.ProjectedRowCount() == 2 && w.UndoStack()->count() == steps && !w.isWindowModified());
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
            QCOMPARE(shown(w, "Verschil"), QStringList({ "0,00", "0,00" }));
        }
        setCell(w, 0, ColPrice, "215000");
        triggerWithFile(w, "actionSave_as", b);
        for (int y = 0; y < years->count(); ++y) {
            years->setCurrentIndex(y);
            const QString year = years->currentText();
            QCOMPARE(shown(w, "Verschil"), difference(exported(b, year), exported(a, year)));
        }
        QVERIFY(shown(w, "Verschil").value(1) != "0,00");
        w.UndoStack()->undo();
        QCOMPARE(shown(w, "Verschil"), QStringList({ "0,00", "0,00" }));
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
        QVERIFY(clear->isEnabled() && w.grab().toImage() != before);
        clear->trigger();
        QApplication::processEvents();
        QVERIFY(!clear->isEnabled() && !w.CurrentBaseline().isSet());
        QCOMPARE(w.grab().toImage(), before);
    }

    void chartHasDashedBaseline_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::newRow("net worth") << "NettoRadioButt";
        QTest::newRow("cash flow") << "CashFlowRadioButt";
    }

    void chartHasDashedBaseline()
    {
        QFETCH(QString, radio);
        MainWindow w;
        typeExampleRows(w, 1);
        // A baseline far from the portfolio: the range must widen for it.
        setCell(w, 0, ColPrice, "900000");
        find<QAction>(&w, "actionBasisVastleggen")->trigger();
        setCell(w, 0, ColPrice, "200000");
        find<QRadioButton>(&w, qPrintable(radio))->setChecked(true);
        find<QPushButton>(&w, "pushButton")->click();
        QChartView *view = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            view = top->inherits("LineGraphs") ? top->findChild<QChartView *>() : view;
        QVERIFY(view);
        auto *axis = qobject_cast<QValueAxis *>(view->chart()->axes(Qt::Vertical).value(0));
        QLineSeries *basis = nullptr;
        for (QAbstractSeries *s : view->chart()->series())
            basis = s->name() == "Basis" ? qobject_cast<QLineSeries *>(s) : basis;
        QVERIFY(axis && basis && basis->pen().style() == Qt::DashLine && basis->points().size() == 31);
        for (const QPointF &p : basis->points())
            QVERIFY(p.y() >= axis->min() && p.y() <= axis->max());
    }
};

QTEST_MAIN(BaselineWindowTest)
#include "tst_baseline_window.moc"
