// The chart window: what the chart button draws for a portfolio, the axes, and what the
// button leaves behind in the main window.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"
#include "model/FormatAmount.h"
#include "model/ProjectionBlock.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <cmath>
#include <functional>

QT_CHARTS_USE_NAMESPACE
using namespace testsupport;

namespace {

// Cells from column 1 ("Jaartal") on; a null string leaves the cell alone.
const QString skip;
// Leveraged property: price 200000, rent 1000 (+2 %), value +3 %, LTV 80 %, 3 %, 20 years.
const QStringList leveraged { "2020", skip, skip, skip, skip, "200000", "1000", "2", "3", skip, "80", "3", "20" };
// Property bought in full: price 150000, rent 800 (+2 %), value +2 %.
const QStringList inFull { "2020", skip, skip, skip, skip, "150000", "800", "2", "2" };
// Cash lent out: 10000 at 6 % for 5 years, 10000 paid in.
const QStringList cashForCashflow { "2020", "10000", "0", "5", skip, "10000", skip, skip, skip, skip, skip, skip,
    skip, skip, "6" };
// Saving 1000 once and 100 a month, no interest.
const QStringList saving { "2020", "1000", "100" };
// Compounding 1000 once and 100 a month at 5 % for 10 years.
const QStringList compounded { "2020", "1000", "100", "10", skip, skip, skip, skip, skip, skip, skip, skip, skip,
    skip, "5" };

struct RowSpec
{
    int type;
    QStringList cells;
};

} // namespace

Q_DECLARE_METATYPE(RowSpec)

namespace {

QList<LineGraphs *> chartWindows()
{
    QList<LineGraphs *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *chart = qobject_cast<LineGraphs *>(widget))
            found << chart;
    }
    return found;
}

// Presses the chart button and returns the window it opened (nullptr when none opened).
LineGraphs *pressChartButton(MainWindow &w, bool cashFlow = false)
{
    const QList<LineGraphs *> before = chartWindows();
    find<QRadioButton>(&w, cashFlow ? "CashFlowRadioButt" : "NettoRadioButt")->setChecked(true);
    find<QPushButton>(&w, "pushButton")->click();
    LineGraphs *opened = nullptr;
    for (LineGraphs *chart : chartWindows()) {
        if (!before.contains(chart)) {
            if (opened)
                return nullptr; // more than one new window
            opened = chart;
        }
    }
    return opened;
}

QChart *chartOf(LineGraphs *window)
{
    auto *view = window->findChild<QChartView *>();
    return view ? view->chart() : nullptr;
}

QCategoryAxis *axisOf(LineGraphs *window, Qt::Orientation orientation)
{
    QChart *chart = chartOf(window);
    if (!chart || chart->axes(orientation).size() != 1)
        return nullptr;
    return qobject_cast<QCategoryAxis *>(chart->axes(orientation).first());
}

QStringList seriesNames(LineGraphs *window)
{
    QStringList names;
    for (QAbstractSeries *series : chartOf(window)->series())
        names << series->name();
    return names;
}

QLineSeries *seriesNamed(LineGraphs *window, const QString &name)
{
    for (QAbstractSeries *series : chartOf(window)->series()) {
        if (series->name() == name)
            return qobject_cast<QLineSeries *>(series);
    }
    return nullptr;
}

double netWorthOf(const MainWindow &w, int row, int yearIndex)
{
    const double *s = w.store().record(row, yearIndex)->series;
    return s[SerAssets] - s[SerDebt];
}

double cashFlowOf(const MainWindow &w, int row, int yearIndex)
{
    return w.store().record(row, yearIndex)->series[SerMonthlyCashFlow];
}

void closeAllCharts()
{
    for (LineGraphs *chart : chartWindows())
        delete chart;
}

} // namespace

class ChartsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void cleanup() { closeAllCharts(); }

    // ---- the vertical range and its labels, on their own

    void valueAxisRange_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("none") << QVector<double>() << 0.0 << 0.0;
        QTest::newRow("all zero") << QVector<double>(31, 0.0) << 0.0 << 0.0;
        QTest::newRow("all positive") << QVector<double> { 1000, 2200, 3400 } << 0.0 << 3400.0;
        QTest::newRow("all negative") << QVector<double> { -10000, -9383.22, -6916.11 } << -10000.0 << 0.0;
        QTest::newRow("both signs") << QVector<double> { -40000, 5, 125000.5, -3 } << -40000.0 << 125000.5;
        QTest::newRow("beyond ten billion") << QVector<double> { 2e10, 3e10 } << 0.0 << 3e10;
        QTest::newRow("not finite left out")
            << QVector<double> { 100, std::nan(""), HUGE_VAL, -HUGE_VAL, -50 } << -50.0 << 100.0;
    }

    void valueAxisRange()
    {
        QFETCH(QVector<double>, values);
        QFETCH(double, lower);
        QFETCH(double, upper);
        const ValueRange range = ValueAxisRange(values.constData(), values.size());
        QCOMPARE(range.lower, lower);
        QCOMPARE(range.upper, upper);
    }

    void valueAxisLabelValues_data()
    {
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("step");
        QTest::newRow("whole step") << 0.0 << 37000.0 << 1850.0;
        QTest::newRow("negative range") << -10000.0 << 0.0 << 500.0;
        QTest::newRow("step truncated") << -7.5 << 1000.0 << 50.0; // 1007.5 / 20 = 50.375
        QTest::newRow("range under 20") << 0.0 << 19.99 << 0.0;
        QTest::newRow("empty range") << 0.0 << 0.0 << 0.0;
    }

    void valueAxisLabelValues()
    {
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(double, step);
        const QVector<double> labels = ValueAxisLabelValues(lower, upper);
        QCOMPARE(labels.size(), 21);
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(labels.at(i), lower + i * step);
    }

    // ---- the window as the button opens it

    void windowForm()
    {
        MainWindow w;
        setRow(w, 0, 1, inFull);
        setRow(w, 1, 3, saving);
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QVERIFY(!window->parent());
        QCOMPARE(window->objectName(), QStringLiteral("LineGraphs"));
        QCOMPARE(window->windowTitle(), QString::fromUtf8("Financi\xc3\xab" "le groei"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->size(), QSize(1430, 920));

        auto *frame = find<QFrame>(window, "horizontalFrame");
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), QRect(10, 10, 1350, 800));
        QCOMPARE(frame->minimumSize(), QSize(1350, 800));
        QCOMPARE(frame->maximumSize(), QSize(1350, 800));
        QCOMPARE(frame->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(frame->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        auto *layout = find<QLayout>(window, "horizontalLayout");
        QVERIFY(layout);
        QCOMPARE(layout->parentWidget(), static_cast<QWidget *>(frame));
        QCOMPARE(layout->sizeConstraint(), QLayout::SetNoConstraint);
        QCOMPARE(layout->count(), 0);

        auto *view = window->findChild<QChartView *>();
        QVERIFY(view);
        QCOMPARE(view->parentWidget(), static_cast<QWidget *>(frame));
        QCOMPARE(view->size(), QSize(1350, 800));
        QVERIFY(view->isVisible());
        QVERIFY(view->renderHints().testFlag(QPainter::Antialiasing));

        auto *title = find<QLabel>(window, "GraphType");
        QVERIFY(title);
        QCOMPARE(title->geometry(), QRect(440, 850, 411, 51));
        QCOMPARE(title->font().pointSize(), 20);
        QVERIFY(title->font().bold());
        QCOMPARE(title->alignment(), Qt::Alignment(Qt::AlignCenter));
        QCOMPARE(title->text(), QStringLiteral("Netto vermogen"));

        QLegend *legend = chartOf(window)->legend();
        QVERIFY(legend->isVisible());
        QCOMPARE(legend->alignment(), Qt::AlignBottom);
        QVERIFY(legend->showToolTips());

        for (Qt::Orientation orientation : { Qt::Horizontal, Qt::Vertical }) {
            QCategoryAxis *axis = axisOf(window, orientation);
            QVERIFY(axis);
            QCOMPARE(axis->alignment(), Qt::Alignment(orientation == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft));
            QCOMPARE(axis->linePen().color(), QColor(0xd1, 0x89, 0x52));
            QCOMPARE(axis->linePen().width(), 2);
            QCOMPARE(axis->labelsBrush().color(), QColor(Qt::black));
            QCOMPARE(axis->labelsBrush().style(), Qt::SolidPattern);
            QCOMPARE(axis->labelsFont().pixelSize(), 12);
            QVERIFY(axis->isGridLineVisible());
            QCOMPARE(axis->labelsPosition(), QCategoryAxis::AxisLabelsPositionOnValue);
        }

        QLineSeries *sum = seriesNamed(window, QStringLiteral("Som"));
        QVERIFY(sum);
        QCOMPARE(sum->pen().color(), QColor(0, 0, 0));
        QCOMPARE(sum->pen().width(), 4);
        // Every line is drawn against both axes.
        for (QAbstractSeries *series : chartOf(window)->series()) {
            QCOMPARE(series->attachedAxes().size(), 2);
            QVERIFY(series->attachedAxes().contains(axisOf(window, Qt::Horizontal)));
            QVERIFY(series->attachedAxes().contains(axisOf(window, Qt::Vertical)));
        }
        // The investment lines keep the theme's colours, not the black of the sum.
        QVERIFY(seriesNamed(window, "1")->pen().color() != QColor(0, 0, 0));
        QVERIFY(seriesNamed(window, "1")->pen().color() != seriesNamed(window, "2")->pen().color());

        LineGraphs *cash = pressChartButton(w, true);
        QVERIFY(cash);
        QCOMPARE(find<QLabel>(cash, "GraphType")->text(), QStringLiteral("Maandelijkse Cashflow"));
    }

    void emptyGridShowsAxesWithoutSeries()
    {
        MainWindow w;
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QVERIFY(chartOf(window)->series().isEmpty());
        QCategoryAxis *years = axisOf(window, Qt::Horizontal);
        QCategoryAxis *values = axisOf(window, Qt::Vertical);
        QVERIFY(years);
        QVERIFY(values);
        // Without a complete row there is no base year; the axis still shows 31 whole years.
        const QStringList yearLabels = years->categoriesLabels();
        QCOMPARE(yearLabels.size(), 31);
        for (int k = 1; k < yearLabels.size(); ++k)
            QCOMPARE(yearLabels.at(k).toInt(), yearLabels.first().toInt() + k);
        // Nothing was ever projected: the net worth list is all 0.
        QCOMPARE(values->min(), 0.0);
        QCOMPARE(values->max(), 0.0);
        QCOMPARE(values->categoriesLabels(), QStringList { "0" });
    }

    void emptyGridAfterClearingKeepsTheYears()
    {
        MainWindow w;
        setRow(w, 0, 3, saving);
        find<QPushButton>(&w, "btn_ClearInvestmenst")->click();
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QVERIFY(chartOf(window)->series().isEmpty());
        QCategoryAxis *years = axisOf(window, Qt::Horizontal);
        QVERIFY(years);
        QCOMPARE(years->categoriesLabels().value(0), QStringLiteral("2020"));
        QCOMPARE(axisOf(window, Qt::Vertical)->max(), 0.0);
    }

    void singleRowHasNoSum()
    {
        MainWindow w;
        setRow(w, 0, 1, inFull);
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QCOMPARE(seriesNames(window), QStringList { "1" });
        const QVector<QPointF> points = seriesNamed(window, "1")->pointsVector();
        QCOMPARE(points.size(), 31);
        for (int k = 0; k < points.size(); ++k) {
            QCOMPARE(points.at(k).x(), 2020.0 + k);
            QCOMPARE(points.at(k).y(), netWorthOf(w, 0, k));
        }
        // Bought in full for 150000: worth nothing net in the first year, then 12 months of
        // 800 rent are in cash and the value grew by 2 % compounded monthly.
        QCOMPARE(points.at(0).y(), 0.0);
        const double grown = 150000 * std::pow(1 + 0.02 / 12, 12);
        QVERIFY(qAbs(points.at(1).y() - (-150000 + 12 * 800 + grown)) < 1e-6);
        QVERIFY(qAbs(points.at(1).y() - 12627.65) < 0.01);
    }

    void leadingRowsAndSum_data()
    {
        QTest::addColumn<bool>("cashFlow");
        QTest::addColumn<double>("firstSum");
        // Rows 0, 1 and 3 projected, row 2 not. Year 2020: net worth 0 + 1000 - 10000, where the
        // net worth sum includes row 3; cash flow 800 + 0, where row 3's 51.40 is left out.
        QTest::newRow("net worth") << false << -9000.0;
        QTest::newRow("cash flow") << true << 800.0;
    }

    void leadingRowsAndSum()
    {
        QFETCH(bool, cashFlow);
        QFETCH(double, firstSum);
        MainWindow w;
        setRow(w, 0, 1, inFull);
        setRow(w, 1, 3, saving);
        setRow(w, 2, 0, { "2020", skip, skip, skip, skip, "200000" }); // incomplete
        setRow(w, 3, 2, cashForCashflow);
        QCOMPARE(w.ProjectedRowCount(), 2);

        LineGraphs *window = pressChartButton(w, cashFlow);
        QVERIFY(window);
        QCOMPARE(seriesNames(window), (QStringList { "1", "2", "Som" }));

        for (int row = 0; row < 2; ++row) {
            const QVector<QPointF> points = seriesNamed(window, QString::number(row + 1))->pointsVector();
            QCOMPARE(points.size(), 31);
            for (int k = 0; k < points.size(); ++k) {
                QCOMPARE(points.at(k).x(), 2020.0 + k);
                QCOMPARE(points.at(k).y(), cashFlow ? cashFlowOf(w, row, k) : netWorthOf(w, row, k));
            }
        }

        const QVector<QPointF> sum = seriesNamed(window, "Som")->pointsVector();
        QCOMPARE(sum.size(), 31);
        for (int k = 0; k < sum.size(); ++k) {
            const double expected = cashFlow ? cashFlowOf(w, 0, k) + cashFlowOf(w, 1, k)
                                             : netWorthOf(w, 0, k) + netWorthOf(w, 1, k) + netWorthOf(w, 3, k);
            QCOMPARE(sum.at(k).x(), 2020.0 + k);
            QVERIFY2(qAbs(sum.at(k).y() - expected) < 1e-6, qPrintable(QString::number(k)));
            // The sum is what the button left in the main window's net worth list.
            QCOMPARE(sum.at(k).y(), w.store().netWorthByYear(k));
        }
        QVERIFY(qAbs(sum.at(0).y() - firstSum) < 0.005);
    }

    void valueAxisBounds_data()
    {
        QTest::addColumn<QList<RowSpec>>("rows");
        QTest::addColumn<bool>("cashFlow");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QStringList>("someLabels");
        // Saving: net worth 1000 + 1200 d, so 37000 in the 31st year; steps of 1850.
        QTest::newRow("all positive")
            << QList<RowSpec> { { 3, saving }, { 3, saving } } << false << 0.0 << 74000.0
            << QStringList { "0", "3700", "74000" };
        // Cash lent out: -10000 in the start year, never back above 0; steps of 500.
        QTest::newRow("all negative")
            << QList<RowSpec> { { 2, cashForCashflow }, { 2, cashForCashflow } } << false << -20000.0 << 0.0
            << QStringList { "-20000", "-19000", "0" };
        // Cash flow of the leveraged property: 1000 - 887.36 in the start year and growing.
        QTest::newRow("cash flow positive")
            << QList<RowSpec> { { 0, leveraged }, { 3, saving } } << true << 0.0 << qQNaN() << QStringList { "0" };
    }

    void valueAxisBounds()
    {
        QFETCH(QList<RowSpec>, rows);
        QFETCH(bool, cashFlow);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(QStringList, someLabels);
        double top = upper;
        MainWindow w;
        for (int r = 0; r < rows.size(); ++r)
            setRow(w, r, rows.at(r).type, rows.at(r).cells);
        LineGraphs *window = pressChartButton(w, cashFlow);
        QVERIFY(window);
        QCategoryAxis *axis = axisOf(window, Qt::Vertical);
        QVERIFY(axis);

        if (qIsNaN(top)) {
            // The top is the largest sum; the sum comes from the projection.
            top = 0;
            for (int k = 0; k < 31; ++k)
                top = qMax(top, cashFlowOf(w, 0, k) + cashFlowOf(w, 1, k));
            QVERIFY(top > 1000);
        }
        QCOMPARE(axis->min(), lower);
        QCOMPARE(axis->max(), top);

        const QStringList labels = axis->categoriesLabels();
        QCOMPARE(labels.size(), 21);
        const double step = std::trunc((top - lower) / 20);
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(axis->endValue(labels.at(i)), lower + i * step);
            QCOMPARE(labels.at(i), QString::number(lower + i * step, 'g', 6));
        }
        for (const QString &label : someLabels)
            QVERIFY2(labels.contains(label), qPrintable(label));
    }

    void rangeUnderTwentyHasOneLabel()
    {
        MainWindow w;
        setRow(w, 0, 3, { "2020", "5", "0" }); // 5 saved once: net worth 5 in every year
        setRow(w, 1, 3, { "2020", "7", "0" });
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QCategoryAxis *axis = axisOf(window, Qt::Vertical);
        QVERIFY(axis);
        QCOMPARE(axis->min(), 0.0);
        QCOMPARE(axis->max(), 12.0);
        QCOMPARE(axis->categoriesLabels(), QStringList { "0" });
    }

    void yearLabels_data()
    {
        QTest::addColumn<QString>("startYear");
        QTest::addColumn<int>("maxJaren");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("31 years from 2020") << "2020" << 31 << "2020" << "2050";
        QTest::newRow("10 years from 1999") << "1999" << 10 << "1999" << "2008";
    }

    void yearLabels()
    {
        QFETCH(QString, startYear);
        QFETCH(int, maxJaren);
        QFETCH(QString, first);
        QFETCH(QString, last);
        MainWindow w;
        w.SetMaxJaren(maxJaren);
        setRow(w, 0, 3, { startYear, "1000", "100" });
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QCategoryAxis *axis = axisOf(window, Qt::Horizontal);
        QVERIFY(axis);
        const QStringList labels = axis->categoriesLabels();
        QCOMPARE(labels.size(), maxJaren);
        QCOMPARE(labels.first(), first);
        QCOMPARE(labels.last(), last);
        for (int k = 0; k < labels.size(); ++k) {
            QCOMPARE(labels.at(k), QString::number(first.toInt() + k));
            QCOMPARE(axis->endValue(labels.at(k)), first.toDouble() + k);
        }
        QCOMPARE(axis->min(), first.toDouble());
        QCOMPARE(axis->max(), last.toDouble());
        QCOMPARE(seriesNamed(window, "1")->pointsVector().size(), maxJaren);
    }

    // ---- what the button leaves behind in the main window

    void yearListEndsOnTheLastYear()
    {
        MainWindow w;
        setRow(w, 0, 0, leveraged);
        setRow(w, 1, 4, compounded);
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentIndex(5);

        QVERIFY(pressChartButton(w));
        QCOMPARE(years->currentIndex(), 30);
        QCOMPARE(years->currentText(), QStringLiteral("2050"));
        // Every year's net worth was stored on the way.
        for (int k = 0; k < 31; ++k) {
            const double expected = netWorthOf(w, 0, k) + netWorthOf(w, 1, k);
            QVERIFY2(qAbs(w.store().netWorthByYear(k) - expected) < 1e-6, qPrintable(QString::number(k)));
        }
        // The grid and the labels show 2050.
        QCOMPARE(cellText(outputGrid(w), 0, 0), QStringLiteral("2020"));
        QCOMPARE(cellText(outputGrid(w), 0, 5), QStringLiteral("0")); // the mortgage is paid off
        QCOMPARE(cellText(outputGrid(w), 1, 1), QString::number(w.store().record(1, 30)->series[SerCash], 'f', 0));
        const double lastNetWorth = netWorthOf(w, 0, 30) + netWorthOf(w, 1, 30);
        QCOMPARE(find<QLabel>(&w, "Totaal_Nettowaarde")->text(), FormatAmount(lastNetWorth));
    }

    void cashFlowChartLeavesItsSumsBehind()
    {
        MainWindow w;
        setRow(w, 0, 0, leveraged);
        setRow(w, 1, 2, cashForCashflow);
        QVERIFY(pressChartButton(w, true));
        for (int k = 0; k < 31; ++k)
            QCOMPARE(w.store().netWorthByYear(k), cashFlowOf(w, 0, k) + cashFlowOf(w, 1, k));
        // Start year: 1000 - 887.36 rent minus mortgage, plus 616.78 / 12 from the loan.
        QVERIFY(qAbs(w.store().netWorthByYear(0) - (112.64 + 51.40)) < 0.01);

        // Choosing a year again stores that year's net worth over the cash-flow sum.
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentIndex(1);
        QVERIFY(qAbs(w.store().netWorthByYear(1) - (netWorthOf(w, 0, 1) + netWorthOf(w, 1, 1))) < 1e-6);
    }

    void steppingStaysInsideTheYearList_data()
    {
        QTest::addColumn<int>("yearsWhenFilled");
        QTest::addColumn<int>("yearsWhenPressed");
        QTest::addColumn<int>("lastIndex");
        QTest::newRow("list shorter than the limit") << 10 << 31 << 9;
        QTest::newRow("list longer than the limit") << 31 << 12 << 11;
        QTest::newRow("one year") << 1 << 1 << 0;
    }

    void steppingStaysInsideTheYearList()
    {
        QFETCH(int, yearsWhenFilled);
        QFETCH(int, yearsWhenPressed);
        QFETCH(int, lastIndex);
        MainWindow w;
        w.SetMaxJaren(yearsWhenFilled);
        setRow(w, 0, 3, saving);
        setRow(w, 1, 3, saving);
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), yearsWhenFilled);
        w.SetMaxJaren(yearsWhenPressed); // the list is not refilled until a row is projected

        QVERIFY(pressChartButton(w));
        QCOMPARE(years->currentIndex(), lastIndex);
        const int stepped = qMin(yearsWhenFilled, yearsWhenPressed);
        // Saving 1000 + 1200 d twice, for every year the list offered.
        for (int k = 0; k < stepped; ++k)
            QCOMPARE(w.store().netWorthByYear(k), 2 * (1000.0 + 1200.0 * k));
        for (int k = stepped; k < MaxYears; ++k)
            QCOMPARE(w.store().netWorthByYear(k), 0.0);
    }

    // ---- the window's life

    void everyPressOpensANewWindow()
    {
        MainWindow w;
        setRow(w, 0, 3, saving);
        LineGraphs *first = pressChartButton(w);
        LineGraphs *second = pressChartButton(w);
        QVERIFY(first);
        QVERIFY(second);
        QVERIFY(first != second);
        QVERIFY(first->isVisible());
        QVERIFY(second->isVisible());

        // Later changes to the grid do not reach an open window.
        setRow(w, 1, 3, saving);
        QCOMPARE(seriesNames(second), QStringList { "1" });
    }

    void closedWindowIsReleased()
    {
        MainWindow w;
        setRow(w, 0, 3, saving);
        QPointer<LineGraphs> window = pressChartButton(w);
        QVERIFY(window);
        QPointer<QChart> chart = chartOf(window);
        QPointer<QAbstractSeries> series = chart->series().value(0);
        QVERIFY(series);
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QVERIFY(chart.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(series.isNull());
        // The button still works after its last window is gone.
        QVERIFY(pressChartButton(w));
    }

    void openChartsDoNotKeepTheProgramRunning()
    {
        MainWindow w;
        setRow(w, 0, 3, saving);
        w.show();
        QVERIFY(pressChartButton(w));
        QVERIFY(pressChartButton(w));
        // Closing the main window ends the event loop, charts open or not.
        QTimer::singleShot(0, &w, [&w]() { w.close(); });
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, []() { QCoreApplication::exit(7); });
        stillRunning.start(2000);
        QCOMPARE(QApplication::exec(), 0);
    }

    void openChartsAreReleasedWithTheMainWindow()
    {
        QPointer<LineGraphs> first;
        QPointer<LineGraphs> second;
        {
            MainWindow w;
            setRow(w, 0, 3, saving);
            first = pressChartButton(w);
            second = pressChartButton(w);
            QVERIFY(first);
            QVERIFY(second);
        }
        QVERIFY(first.isNull());
        QVERIFY(second.isNull());
    }
};

QTEST_MAIN(ChartsTest)
#include "tst_charts.moc"
