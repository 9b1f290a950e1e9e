#ifndef LINEGRAPHS_H
#define LINEGRAPHS_H

#include <QDialog>
#include <QFont>
#include <QString>
#include <QVector>
#include <QtCharts/QChartGlobal>

#include <functional>

#include "model/ProjectionBlock.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class LineGraphs;
}
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

    // The horizontal axis: one label per year from firstYear to lastYear.
    void SetYearAxis(int firstYear, int lastYear);
    // The vertical axis: 21 labels from lower on, in steps of a twentieth of the range.
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

private:
    void PlaceTitle();
    void StyleAxis(QtCharts::QCategoryAxis *axis) const;
    // A fresh styled axis in place of `previous`, which leaves the chart.
    QtCharts::QCategoryAxis *NewAxis(QtCharts::QCategoryAxis *previous) const;
    void AttachToAxes(QtCharts::QLineSeries *series);
    void ShowTypeTip(int row, bool shown);
    void FitToScreen();

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

    QWidget *m_keepBar = nullptr;
    ImageFileProvider m_imageFileProvider;
    PrinterSetup m_printerSetup;
};

#endif // LINEGRAPHS_H
