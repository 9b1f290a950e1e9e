#ifndef LINEGRAPHS_H
#define LINEGRAPHS_H

#include <QDialog>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>
#include <QVector>
#include <QtCharts/QChartGlobal>

#include <functional>

#include "charts/ChartMath.h"
#include "model/ProjectionBlock.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class LineGraphs;
}
class QEvent;
class QMouseEvent;
class QPrinter;
class QResizeEvent;
QT_END_NAMESPACE

QT_CHARTS_BEGIN_NAMESPACE
class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
QT_CHARTS_END_NAMESPACE

struct ChartPicture;

// A window that draws one line per investment over the years, and their sum. It is a
// plain viewer: filled once by the chart button, it never changes afterwards. Closing it
// releases it.
class LineGraphs : public QDialog
{
    Q_OBJECT

public:
    explicit LineGraphs(QWidget *parent = nullptr);
    ~LineGraphs() override;

    // The horizontal axis from firstYear to lastYear, labelled every year, or every 2nd, 5th,
    // 10th ... year where the labels would not fit side by side.
    void SetYearAxis(int firstYear, int lastYear);
    // The vertical axis from lower to upper, with as many round ticks (steps of 1, 2 or 5
    // times a power of ten) as fit the chart's height.
    void SetValueAxis(double lower, double upper);
    // The line of one grid row: the points (x, values[x - fromX]) for x = fromX .. toX - 1.
    void AddInvestmentSeries(int row, int fromX, int toX, const QVector<double> &values);
    // The black sum line "Som" over the x range that all investment lines share.
    void AddSumSeries(const QVector<double> &values);
    // The monthly spending as a dashed red line "Uitgaven", and a mark on it at the first year
    // the cash flow covers it (none for a year outside the axis).
    void AddSpendingLine(const QVector<double> &values, int freeYear);
    // The band between the 10th and 90th percentile of the total net worth (a light area
    // "10%-90%") and the median as a line "Mediaan".
    void AddPercentileBand(const QVector<double> &p10, const QVector<double> &p50, const QVector<double> &p90);
    // The dashed grey line "Basis" of a baseline: (fromX + i, values[i]) for every finite value.
    void AddBaselineSeries(int fromX, const QVector<double> &values);
    // The dashed line of kept scenario number `index` (0 ..), named `name`, each scenario in a
    // colour of its own: (fromX + i, values[i]) for every finite value.
    void AddScenarioSeries(int index, const QString &name, int fromX, const QVector<double> &values);
    static QColor ScenarioColour(int index);
    // The type of the investment in a row, shown as the tool tip of its line and legend entry.
    void SetInvestmentType(int row, const QString &typeName);
    QString InvestmentToolTip(int row) const;
    // Legend, antialiasing, the label font, the chart view placed in its frame, and the window
    // made small enough for the screen it opens on.
    void FinishView();
    void SetGraphTitle(const QString &title);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    // The chart view follows the window's size; the title stays under it.
    void resizeEvent(QResizeEvent *event) override;
    // The tip with year and value when the mouse comes near a line.
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // The smallest size the window can be given.
    static QSize SmallestSize();
    // The size a saved or printed chart is laid out at, title included, in pixels at scale 1;
    // pictures are drawn at PictureScale times this.
    static QSize PictureLayoutSize();
    static constexpr int PictureScale = 2;
    // Lays the chart out for a chart of `size`: the ticks, the year labels and the legend.
    // The window does so whenever its size changes.
    void LayOutChart(const QSizeF &size);
    // Axis labels and legend entries that the chart does not show whole as it is laid out
    // now: "text (axis)" or "text (legend)", empty when every one is shown whole.
    QStringList LabelsNotShownWhole() const;
    // The tip for the place `pos` of the chart view, as the mouse shows it: empty when no
    // line passes within a few pixels.
    QString TipAt(const QPoint &pos) const;

private:
    void PlaceTitle();
    void StyleAxis(QtCharts::QCategoryAxis *axis) const;
    // A fresh styled axis in place of `previous`, which leaves the chart.
    QtCharts::QCategoryAxis *NewAxis(QtCharts::QCategoryAxis *previous) const;
    void AttachToAxes(QtCharts::QLineSeries *series);
    void ShowTypeTip(int row, bool shown);
    void FitToScreen();
    void ApplyYearLabels(int step);
    void ApplyValueTicks(int most);
    void ApplyLegendPlan(double chartWidth);
    void ToggleGroupedLines();

    Ui::LineGraphs *ui;
    QtCharts::QLineSeries *m_investmentSeries[MaxRows];
    QtCharts::QLineSeries *m_sumSeries;
    QtCharts::QCategoryAxis *m_axisX = nullptr;
    QtCharts::QCategoryAxis *m_axisY = nullptr;
    QtCharts::QChart *m_chart;
    QtCharts::QChartView *m_chartView;
    QString m_typeNames[MaxRows];
    QFont m_axisFont;
    int m_firstX = 0;
    int m_endX = 0;
    int m_firstYear = 0;
    int m_lastYear = 0;
    int m_yearStep = 0;
    double m_valueLower = 0.0;
    double m_valueUpper = 0.0;
    AxisTicks m_ticks;
    // The investment lines that share one legend entry, drawn grey; hidden when the user
    // folds the group up by clicking its entry.
    QtCharts::QLineSeries *m_groupSeries = nullptr;
    QVector<QtCharts::QLineSeries *> m_grouped;
    QVector<QPen> m_themePens;
    bool m_groupFolded = false;
    bool m_pointTipShown = false;

    // Keeping the chart: "Opslaan als afbeelding...", "Kopiëren" and "Afdrukken..." as buttons
    // under the chart and in its context menu, and a tool tip with year and value on a line.
public:
    // Asks for the picture's file name with this caption, starting folder and filter list
    // (";;"-separated), and sets *selectedFilter to the chosen filter. Empty when cancelled.
    using ImageFileProvider = std::function<QString(
        const QString &caption, const QString &folder, const QString &filters, QString *selectedFilter)>;
    // Lets the user choose and set up the printer; false when cancelled.
    using PrinterSetup = std::function<bool(QPrinter *printer)>;
    // Tests answer in place of the save dialog and the print dialog through these.
    void SetImageFileProvider(ImageFileProvider provider);
    void SetPrinterSetup(PrinterSetup setup);

    void SaveAsImage();
    void CopyImage();
    void PrintChart();
    // The tip of the line of grid row `row`, or of the sum for row -1: "1: Onderpand met
    // hefboom" or "Som", then the year nearest to x and the line's value in that year, written
    // as the vertical axis writes amounts. Empty when the line has no point in that year.
    QString PointToolTip(int row, double x) const;

private:
    void SetUpKeeping();
    void PlaceKeepBar();
    void ConnectPointTips();
    ChartPicture Picture() const;
    // The chart laid out at PictureLayoutSize(); LayOutChart(view size) puts it back.
    ChartPicture LaidOutPicture();

    QWidget *m_keepBar = nullptr;
    ImageFileProvider m_imageFileProvider;
    PrinterSetup m_printerSetup;
};

#endif // LINEGRAPHS_H
