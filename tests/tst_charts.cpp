// The chart window: what the chart button draws for a portfolio, the axes, and what the
// button leaves behind in the main window.

#include "TestSupport.h"

#include "app/AppFont.h"
#include "app/MainWindow.h"
#include "model/DutchFormat.h"
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
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QUndoStack>
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

// Writes the rows from row 0 on and presses the chart button.
LineGraphs *chartOfRows(MainWindow &w, const QList<RowSpec> &rows, bool cashFlow)
{
    for (int r = 0; r < rows.size(); ++r)
        setRow(w, r, rows.at(r).type, rows.at(r).cells);
    return pressChartButton(w, cashFlow);
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

// What is wrong with the ticks of a value axis: they lie inside the axis, one step of 1, 2
// or 5 times a power of ten apart, labelled as the tick rule writes them. Empty when right.
QString valueTickFault(QCategoryAxis *axis)
{
    const QStringList labels = axis->categoriesLabels();
    AxisTicks ticks;
    ticks.count = labels.size();
    ticks.first = labels.isEmpty() ? 0.0 : axis->endValue(labels.first());
    ticks.step = labels.size() > 1 ? axis->endValue(labels.at(1)) - ticks.first : 0.0;
    if (ticks.step > 0) {
        const double mantissa = ticks.step / std::pow(10.0, std::floor(std::log10(ticks.step) + 1e-9));
        if (qAbs(mantissa - 1) > 1e-6 && qAbs(mantissa - 2) > 1e-6 && qAbs(mantissa - 5) > 1e-6)
            return QStringLiteral("step %1").arg(ticks.step);
    }
    for (int i = 0; i < labels.size(); ++i) {
        const double value = axis->endValue(labels.at(i));
        if (value < axis->min() || value > axis->max() || qAbs(value - ticks.first - i * ticks.step) > 1e-6 * ticks.step)
            return QStringLiteral("tick %1 at %2").arg(labels.at(i)).arg(value);
    }
    return labels == TickLabels(ticks) ? QString() : labels.join(QLatin1Char(' '));
}

// What is wrong with the year labels from first to last: every year, or every 2nd, 5th,
// 10th year on its multiples, none missing at either end. Empty when right.
QString yearLabelFault(QCategoryAxis *axis, int first, int last)
{
    const QStringList labels = axis->categoriesLabels();
    if (labels.isEmpty())
        return QStringLiteral("no years");
    const int step = labels.size() > 1 ? labels.at(1).toInt() - labels.at(0).toInt() : qMax(1, last - first + 1);
    if (labels.size() > 1 && !QList<int> { 1, 2, 5, 10 }.contains(step))
        return QStringLiteral("year step %1").arg(step);
    for (int i = 0; i < labels.size(); ++i) {
        const int year = labels.first().toInt() + i * step;
        if (labels.at(i) != QString::number(year) || axis->endValue(labels.at(i)) != year
            || (labels.size() > 1 && year % step != 0))
            return QStringLiteral("year %1").arg(labels.at(i));
    }
    if (labels.first().toInt() - first >= step || last - labels.last().toInt() >= step)
        return QStringLiteral("years %1 to %2").arg(labels.first(), labels.last());
    return QString();
}

} // namespace

class ChartsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void cleanup() { qDeleteAll(chartWindows()); }

    // The range from the values: from the smallest to the largest, 0 always inside.
    void valueAxis_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("none") << QVector<double>() << 0.0 << 0.0;
        QTest::newRow("all zero") << QVector<double>(31, 0.0) << 0.0 << 0.0;
        QTest::newRow("all positive") << QVector<double> { 1000, 2200, 37000 } << 0.0 << 37000.0;
        QTest::newRow("all negative") << QVector<double> { -10000, -9383.22, -6916.11 } << -10000.0 << 0.0;
        QTest::newRow("both signs") << QVector<double> { -40000, 5, 125000.5, -3 } << -40000.0 << 125000.5;
        QTest::newRow("beyond ten billion") << QVector<double> { 2e10, 3e10 } << 0.0 << 3e10;
        QTest::newRow("not finite left out")
            << QVector<double> { 100, std::nan(""), HUGE_VAL, -HUGE_VAL, -50 } << -50.0 << 100.0;
    }

    void valueAxis()
    {
        QFETCH(QVector<double>, values);
        const ValueRange range = ValueAxisRange(values.constData(), values.size());
        QTEST(range.lower, "lower");
        QTEST(range.upper, "upper");
    }

    // The ticks: the smallest step of 1, 2 or 5 times a power of ten that gives at most
    // `most` ticks inside the range, labelled in Dutch notation.
    void ticks_data()
    {
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<int>("most");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("0..1") << 0.0 << 1.0 << 6 << QStringList { "0", "0,2", "0,4", "0,6", "0,8", "1" };
        QTest::newRow("0..1, little room") << 0.0 << 1.0 << 3 << QStringList { "0", "0,5", "1" };
        QTest::newRow("tenths added up") << 0.0 << 0.3 << 4 << QStringList { "0", "0,1", "0,2", "0,3" };
        QTest::newRow("one value") << 0.0 << 12.0 << 10 << QStringList { "0", "2", "4", "6", "8", "10", "12" };
        QTest::newRow("all zero") << 0.0 << 0.0 << 10 << QStringList { "0" };
        QTest::newRow("no room") << -7.0 << 95.0 << 0 << QStringList { "0" };
        QTest::newRow("cash flow") << -1234.5 << 5678.0 << 8
                                   << QStringList { "-1.000", "0", "1.000", "2.000", "3.000", "4.000", "5.000" };
        QTest::newRow("all negative") << -10000.0 << 0.0 << 6
                                      << QStringList { "-10.000", "-8.000", "-6.000", "-4.000", "-2.000", "0" };
        QTest::newRow("halves of a million")
            << 0.0 << 2.6e6 << 6 << QStringList { "0", "0,5 mln", "1 mln", "1,5 mln", "2 mln", "2,5 mln" };
        QTest::newRow("-3 mln..40 mln") << -3e6 << 40e6 << 12
                                        << QStringList { "0", "5 mln", "10 mln", "15 mln", "20 mln", "25 mln",
                                               "30 mln", "35 mln", "40 mln" };
        QTest::newRow("-3 mln..40 mln, tall") << -3e6 << 40e6 << 45 << QStringList(); // 1 mln, from -3 mln
        QTest::newRow("beyond ten billion") << 0.0 << 3e10 << 4 << QStringList { "0", "10 mld", "20 mld", "30 mld" };
        QTest::newRow("not finite") << 0.0 << double(HUGE_VAL) << 10 << QStringList {};
        QTest::newRow("smallest range") << 0.0 << 5e-324 << 10 << QStringList { "0" };
        QTest::newRow("range of tiny numbers") << 0.0 << 1e-310 << 10 << QStringList { "0" };
        QTest::newRow("near the largest double") << -1.79769e308 << 0.0 << 1 << QStringList();
        QTest::newRow("millionths") << 0.0 << 4.2e-6 << 5 << QStringList { "0", "0,000001", "0,000002", "0,000003", "0,000004" };
        QTest::newRow("finer than twelve decimals") << 0.0 << 1.79e-101 << 7 << QStringList { "0" };
    }

    void ticks()
    {
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(int, most);
        QFETCH(QStringList, labels);
        const AxisTicks ticks = ValueAxisTicks(lower, upper, most);
        const QVector<double> values = ticks.values();
        if (QByteArray(QTest::currentDataTag()) == "near the largest double") {
            QCOMPARE(values.size(), 1);
            QVERIFY(values.first() >= lower && values.first() <= upper);
            return;
        }
        if (QByteArray(QTest::currentDataTag()).endsWith("tall")) {
            QCOMPARE(values.size(), 44);
            QCOMPARE(TickLabels(ticks).first(), QStringLiteral("-3 mln"));
            QCOMPARE(TickLabels(ticks).last(), QStringLiteral("40 mln"));
            return;
        }
        QCOMPARE(TickLabels(ticks), labels);
        for (int i = 0; i < values.size(); ++i) {
            QVERIFY(values.at(i) >= lower && values.at(i) <= upper);
            if (i > 0) {
                // The step: 1, 2 or 5 times a power of ten.
                const double step = values.at(i) - values.at(i - 1);
                const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
                QVERIFY2(qAbs(mantissa - 1) < 1e-6 || qAbs(mantissa - 2) < 1e-6 || qAbs(mantissa - 5) < 1e-6,
                    qPrintable(QString::number(step)));
            }
        }
    }

    // The legend names every entry while there are few investments and they fit; else the
    // largest investments that fit (five at most) and one group entry for the rest, and
    // always what is not an investment.
    void legendGroups_data()
    {
        QTest::addColumn<QVector<double>>("widths");
        QTest::addColumn<QVector<double>>("sizes"); // -1: not an investment
        QTest::addColumn<double>("rowWidth");
        QTest::addColumn<QVector<bool>>("shown");
        QTest::addColumn<int>("grouped");
        // Group entry 70 pixels wide, 8 between two entries.
        QTest::newRow("few, just fit") << QVector<double> { 30, 30, 30, 40 } << QVector<double> { 1, 2, 3, -1 } << 154.0
                                  << QVector<bool> { true, true, true, true } << 0;
        QTest::newRow("few, one pixel short") << QVector<double> { 30, 30, 30, 40 } << QVector<double> { 1, 3, 2, -1 }
                                              << 153.0 << QVector<bool> { false, false, false, true } << 3;
        QTest::newRow("largest that fit, by size")
            << QVector<double> { 40, 50, 50, 50, 50, 50, 50, 80 } << QVector<double> { -1, 1, 6, 3, 5, 2, 4, -1 }
            << 300.0 << QVector<bool> { true, false, true, false, false, false, false, true } << 5;
        QTest::newRow("nine investments, room for all")
            << QVector<double>(10, 20) << QVector<double> { 9, 8, 7, 6, 5, 4, 3, 2, 1, -1 } << 2000.0
            << QVector<bool> { true, true, true, true, true, false, false, false, false, true } << 4;
        QTest::newRow("names alone too wide") << QVector<double> { 200, 30, 200 } << QVector<double> { -1, 5, -1 }
                                              << 300.0 << QVector<bool> { true, false, true } << 1;
    }

    void legendGroups()
    {
        QFETCH(QVector<double>, widths);
        QFETCH(QVector<double>, sizes);
        QFETCH(double, rowWidth);
        QVector<LegendEntry> entries;
        for (int i = 0; i < widths.size(); ++i)
            entries.append({ widths.at(i), sizes.at(i) >= 0, qMax(0.0, sizes.at(i)) });
        const LegendPlan plan = PlanLegend(entries, 70, 8, rowWidth);
        QTEST(plan.shown, "shown");
        QTEST(plan.grouped, "grouped");
    }

    // Whole amounts, grouped by three with dots, a minus sign, never an exponent; the range
    // over several lines reaches the lowest and the highest of them and 0.
    void axisLabelsAndRange_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("label");
        QTest::newRow("millions") << 2160880.0 << "2.160.880";
        QTest::newRow("negative") << -15000.0 << "-15.000";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("rounds to zero, no sign") << -0.4 << "0";
        QTest::newRow("three digits") << 999.0 << "999";
        QTest::newRow("halves away from 0") << -2.5 << "-3";
        QTest::newRow("rounded up into a group") << 999999.5 << "1.000.000";
        QTest::newRow("beyond ten billion") << 3e10 << "30.000.000.000";
    }

    void axisLabelsAndRange()
    {
        QFETCH(double, value);
        QFETCH(QString, label);
        QCOMPARE(ValueAxisLabel(value), label);
        const ValueRange range = CoveringRange({ { 5, value, 7 }, { -3, 2 }, {} });
        QCOMPARE(range.lower, qMin(-3.0, value));
        QCOMPARE(range.upper, qMax(7.0, value));
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
        // Opened on a screen smaller than its specified size (offscreen: 800 x 600), it fits.
        const QSize screen = window->screen()->availableGeometry().size();
        QVERIFY(window->width() <= screen.width() && window->height() <= screen.height());
        window->resize(1430, 920); // the specified size

        auto *frame = find<QFrame>(window, "horizontalFrame");
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), QRect(10, 10, 1350, 800));
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
        // A resized window: the view follows, the title stays inside.
        window->resize(1000, 600);
        QCOMPARE(view->size(), QSize(920, 480));
        QVERIFY(window->rect().contains(title->geometry()));

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
        // The legend entry and the line tell the row's type on hovering.
        QCOMPARE(window->InvestmentToolTip(1), QStringLiteral("2: Maandelijks sparen"));
        QLegendMarker *marker = chartOf(window)->legend()->markers(seriesNamed(window, "1")).value(0);
        QVERIFY(marker);
        emit marker->hovered(true);
        QCOMPARE(QToolTip::text(), QStringLiteral("1: Onderpand zonder hefboom"));
        // The investment lines keep the theme's colours, not the black of the sum.
        QVERIFY(seriesNamed(window, "1")->pen().color() != QColor(0, 0, 0));
        QVERIFY(seriesNamed(window, "1")->pen().color() != seriesNamed(window, "2")->pen().color());
    }

    void emptyGrid_data()
    {
        QTest::addColumn<bool>("afterClearing");
        QTest::addColumn<QString>("firstYear"); // empty: not looked at
        QTest::newRow("never filled") << false << QString();
        QTest::newRow("after clearing") << true << "2020";
    }

    void emptyGrid()
    {
        QFETCH(bool, afterClearing);
        QFETCH(QString, firstYear);
        MainWindow w;
        if (afterClearing) {
            setRow(w, 0, 3, saving);
            find<QPushButton>(&w, "btn_ClearInvestmenst")->click();
        }
        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QVERIFY(chartOf(window)->series().isEmpty());
        QCategoryAxis *years = axisOf(window, Qt::Horizontal);
        QCategoryAxis *values = axisOf(window, Qt::Vertical);
        QVERIFY(years);
        QVERIFY(values);
        // Without a complete row there is no base year; the axis still shows 31 whole years.
        const int first = qRound(years->min());
        QCOMPARE(years->max(), first + 30.0);
        const QString fault = yearLabelFault(years, first, first + 30);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        if (!firstYear.isEmpty())
            QCOMPARE(QString::number(first), firstYear);
        // Nothing is projected: the net worth list is all 0.
        QCOMPARE(values->min(), 0.0);
        QCOMPARE(values->max(), 0.0);
        QCOMPARE(values->categoriesLabels(), QStringList { "0" });
    }

    // Each investment line against the projection, the sum line against the rows it sums and
    // the net worth list, and one value of the worked examples.
    void seriesAgainstProjection_data()
    {
        QTest::addColumn<QList<RowSpec>>("rows");
        QTest::addColumn<bool>("cashFlow");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("sumRows");
        QTest::addColumn<QList<double>>("firstValues"); // of the last line, to the cent
        // Bought in full for 150000: worth nothing net in the first year; after a year 12 months of
        // 800 rent are in cash and the value grew by 2 % compounded monthly.
        QTest::newRow("one row, no sum")
            << QList<RowSpec> { { 1, inFull } } << false << QStringList { "1" } << QList<int>()
            << QList<double> { 0, 12627.65 };
        // Rows 0, 1 and 3 projected, row 2 not. Year 2020: net worth 0 + 1000 - 10000, where the
        // net worth sum includes row 3; cash flow 800 + 0, where row 3's 51.40 is left out.
        const QList<RowSpec> gap { { 1, inFull }, { 3, saving }, { 0, { "2020", skip, skip, skip, skip, "200000" } },
            { 2, cashForCashflow } };
        QTest::newRow("row 2 incomplete, net worth")
            << gap << false << QStringList { "1", "2", "Som" } << QList<int> { 0, 1, 3 } << QList<double> { -9000 };
        QTest::newRow("row 2 incomplete, cash flow")
            << gap << true << QStringList { "1", "2", "Som" } << QList<int> { 0, 1 } << QList<double> { 800 };
        // Start year: 1000 - 887.36 rent minus mortgage, plus 616.78 / 12 from the loan.
        QTest::newRow("cash flow of a mortgage and a loan")
            << QList<RowSpec> { { 0, leveraged }, { 2, cashForCashflow } } << true << QStringList { "1", "2", "Som" }
            << QList<int> { 0, 1 } << QList<double> { 112.64 + 51.40 };
    }

    void seriesAgainstProjection()
    {
        QFETCH(QList<RowSpec>, rows);
        QFETCH(bool, cashFlow);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, sumRows);
        QFETCH(QList<double>, firstValues);
        MainWindow w;
        LineGraphs *window = chartOfRows(w, rows, cashFlow);
        QVERIFY(window);
        const auto valueOf = [&w, cashFlow](int row, int k) {
            return cashFlow ? cashFlowOf(w, row, k) : netWorthOf(w, row, k);
        };
        QCOMPARE(find<QLabel>(window, "GraphType")->text(),
            QString::fromLatin1(cashFlow ? "Maandelijkse Cashflow" : "Netto vermogen"));
        QCOMPARE(seriesNames(window), names);
        for (const QString &name : names) {
            const QVector<QPointF> points = seriesNamed(window, name)->pointsVector();
            QCOMPARE(points.size(), 31);
            for (int k = 0; k < points.size(); ++k) {
                QCOMPARE(points.at(k).x(), 2020.0 + k);
                if (name != QLatin1String("Som")) {
                    QCOMPARE(points.at(k).y(), valueOf(name.toInt() - 1, k));
                    continue;
                }
                double expected = 0;
                for (int row : sumRows)
                    expected += valueOf(row, k);
                QVERIFY2(qAbs(points.at(k).y() - expected) < 1e-6, qPrintable(QString::number(k)));
                // The sum is what the button left in the main window's net worth list.
                QCOMPARE(points.at(k).y(), w.store().netWorthByYear(k));
            }
        }
        const QVector<QPointF> last = seriesNamed(window, names.last())->pointsVector();
        for (int k = 0; k < firstValues.size(); ++k)
            QVERIFY2(qAbs(last.at(k).y() - firstValues.at(k)) < 0.005, qPrintable(QString::number(last.at(k).y())));

        // Choosing a year again stores that year's net worth, over a cash-flow sum too.
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentIndex(1);
        double netWorth = 0;
        for (int row = 0; row < MaxRows; ++row)
            netWorth += w.store().block(row).projected ? netWorthOf(w, row, 1) : 0.0;
        QVERIFY(qAbs(w.store().netWorthByYear(1) - netWorth) < 1e-6);
    }

    void valueAxisBounds_data()
    {
        QTest::addColumn<QList<RowSpec>>("rows");
        QTest::addColumn<bool>("cashFlow");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper"); // NaN: the largest sum of the projection
        // Saving: net worth 1000 + 1200 d, so 37000 in the 31st year, twice.
        QTest::newRow("all positive") << QList<RowSpec> { { 3, saving }, { 3, saving } } << false << 0.0 << 74000.0;
        // Cash lent out: -10000 in the start year, never back above 0.
        QTest::newRow("all negative") << QList<RowSpec> { { 2, cashForCashflow }, { 2, cashForCashflow } } << false
                                      << -20000.0 << 0.0;
        // Cash flow of the leveraged property: 1000 - 887.36 in the start year and growing.
        QTest::newRow("cash flow positive")
            << QList<RowSpec> { { 0, leveraged }, { 3, saving } } << true << 0.0 << qQNaN();
        // Lent out, net worth -10000 for good, beside saving up to 37000: the axis reaches the
        // single lines, which lie below and above the sum.
        QTest::newRow("single lines beyond the sum")
            << QList<RowSpec> { { 2, cashForCashflow }, { 3, saving } } << false << -10000.0 << 37000.0;
        // 5 and 7 saved once: net worth 12 in every year.
        QTest::newRow("range under 20")
            << QList<RowSpec> { { 3, { "2020", "5", "0" } }, { 3, { "2020", "7", "0" } } } << false << 0.0 << 12.0;
    }

    void valueAxisBounds()
    {
        QFETCH(QList<RowSpec>, rows);
        QFETCH(bool, cashFlow);
        QFETCH(double, lower);
        QFETCH(double, upper);
        MainWindow w;
        LineGraphs *window = chartOfRows(w, rows, cashFlow);
        QVERIFY(window);
        QCategoryAxis *axis = axisOf(window, Qt::Vertical);
        QVERIFY(axis);
        if (qIsNaN(upper)) {
            upper = 0;
            for (int k = 0; k < 31; ++k)
                upper = qMax(upper, cashFlowOf(w, 0, k) + cashFlowOf(w, 1, k));
            QVERIFY(upper > 1000);
        }
        QCOMPARE(axis->min(), lower);
        QCOMPARE(axis->max(), upper);
        QVERIFY(axis->categoriesLabels().size() >= 3);
        const QString fault = valueTickFault(axis);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // At the size the window opens at on a 1366 x 768 screen, at a middle size and at the
    // smallest, with the program's font, 30 investments, net worth and cash flow: every axis
    // label and legend entry is shown whole, the ticks are round and the lines lie inside the
    // axes.
    void labelsFit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("cashFlow");
        QTest::newRow("1366 x 768, net worth") << QSize(1366 - 16, 768 - 48) << false;
        QTest::newRow("1366 x 768, cash flow") << QSize(1366 - 16, 768 - 48) << true;
        QTest::newRow("900 x 560, cash flow") << QSize(900, 560) << true;
        QTest::newRow("smallest, net worth") << LineGraphs::SmallestSize() << false;
        QTest::newRow("smallest, cash flow") << LineGraphs::SmallestSize() << true;
        QTest::newRow("saved picture") << QSize() << false;
    }

    void labelsFit()
    {
        QFETCH(QSize, size);
        QFETCH(bool, cashFlow);
        const QFont before = QApplication::font();
        UseApplicationFont();
        MainWindow w;
        typeExampleRows(w, 30);
        LineGraphs *window = pressChartButton(w, cashFlow);
        QApplication::setFont(before);
        QVERIFY(window);
        window->resize(1, 1);
        QCOMPARE(window->size(), LineGraphs::SmallestSize());
        window->resize(size.isValid() ? size : QSize(1430, 920));
        QCoreApplication::processEvents();
        // Saved, the chart is laid out without its title strip of about 50 pixels.
        if (!size.isValid())
            window->LayOutChart(LineGraphs::PictureLayoutSize() - QSize(0, 50));
        QCOMPARE(window->LabelsNotShownWhole(), QStringList());
        QCategoryAxis *values = axisOf(window, Qt::Vertical);
        QCategoryAxis *years = axisOf(window, Qt::Horizontal);
        QVERIFY(values->categoriesLabels().size() >= 3);
        const QString fault = valueTickFault(values) + yearLabelFault(years, 2020, 2050);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        for (QAbstractSeries *series : chartOf(window)->series()) {
            if (auto *line = qobject_cast<QLineSeries *>(series)) {
                for (const QPointF &p : line->pointsVector())
                    QVERIFY(p.y() >= values->min() && p.y() <= values->max());
            }
        }
        // 30 investments: five by name, the others in one entry, and "Som".
        const QStringList names = seriesNames(window);
        QVERIFY2(names.contains("overige (25)") && names.contains("Som"), qPrintable(names.join(',')));
        // Clicking that entry folds the 25 lines up and out again.
        const auto shownLines = [window]() {
            int shown = 0;
            for (QAbstractSeries *series : chartOf(window)->series())
                shown += series->isVisible() && qobject_cast<QLineSeries *>(series) && !series->name().isEmpty();
            return shown;
        };
        const int linesShown = shownLines();
        QLegendMarker *group = chartOf(window)->legend()->markers(seriesNamed(window, "overige (25)")).value(0);
        QVERIFY(group);
        emit group->clicked();
        QCOMPARE(shownLines(), linesShown - 25);
        emit group->clicked();
        QCOMPARE(shownLines(), linesShown);
    }

    // ---- the years, on the axis and in the main window

    // The horizontal axis has a label for every year of the limit. The button stores each
    // projected year's net worth without moving the year list, and
    // leaves the last of them chosen and shown.
    void years_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("yearsWhenFilled");
        QTest::addColumn<int>("yearsWhenPressed");
        QTest::addColumn<QString>("lastLabel");
        QTest::newRow("31 years from 2020") << 2020 << 31 << 31 << "2050";
        QTest::newRow("10 years from 1999") << 1999 << 10 << 10 << "2008";
        QTest::newRow("list shorter than the limit") << 2020 << 10 << 31 << "2050";
        QTest::newRow("list longer than the limit") << 2020 << 31 << 12 << "2031";
        QTest::newRow("one year") << 2020 << 1 << 1 << "2020";
    }

    void years()
    {
        QFETCH(int, first);
        QFETCH(int, yearsWhenFilled);
        QFETCH(int, yearsWhenPressed);
        QFETCH(QString, lastLabel);
        MainWindow w;
        w.SetMaxJaren(yearsWhenFilled);
        setRow(w, 0, 3, { QString::number(first), "1000", "100" });
        setRow(w, 1, 3, { QString::number(first), "1000", "100" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), yearsWhenFilled);
        const int chosen = qMin(yearsWhenFilled, yearsWhenPressed) / 2;
        years->setCurrentIndex(chosen);
        w.SetMaxJaren(yearsWhenPressed); // the list is not refilled until a row is projected

        LineGraphs *window = pressChartButton(w);
        QVERIFY(window);
        QCategoryAxis *axis = axisOf(window, Qt::Horizontal);
        QVERIFY(axis);
        const QString fault = yearLabelFault(axis, first, lastLabel.toInt());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(axis->min(), double(first));
        QCOMPARE(axis->max(), lastLabel.toDouble());
        QCOMPARE(seriesNamed(window, "1")->pointsVector().size(), yearsWhenPressed);

        // The year the user chose stays chosen and shown.
        QCOMPARE(years->currentIndex(), chosen);
        QCOMPARE(cellText(outputGrid(w), 1, 1), DutchWholeAmount(1000 + 1200 * chosen));
        QCOMPARE(find<QLabel>(&w, "Totaal_Nettowaarde")->text(), DutchTotal(2 * (1000.0 + 1200.0 * chosen)));
        // Saving 1000 + 1200 d twice, for every projected year, whatever the list holds.
        for (int k = 0; k < yearsWhenPressed; ++k)
            QCOMPARE(w.store().netWorthByYear(k), 2 * (1000.0 + 1200.0 * k));
        for (int k = yearsWhenPressed; k < MaxYears; ++k)
            QCOMPARE(w.store().netWorthByYear(k), 0.0);
    }

    // ---- the window's life

    void everyPressOpensANewWindow()
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
            QVERIFY(first != second);
            QVERIFY(first->isVisible());
            QVERIFY(second->isVisible());
            // Later changes to the grid do not reach an open window.
            setRow(w, 1, 3, saving);
            QCOMPARE(seriesNames(second), QStringList { "1" });
        }
        // Windows still open are released with the main window.
        QVERIFY(first.isNull());
        QVERIFY(second.isNull());
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
        // Closing the main window ends the event loop, charts open or not (nothing unsaved).
        w.UndoStack()->setClean();
        QTimer::singleShot(0, &w, [&w]() { w.close(); });
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, []() { QCoreApplication::exit(7); });
        stillRunning.start(2000);
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ChartsTest)
#include "tst_charts.moc"
