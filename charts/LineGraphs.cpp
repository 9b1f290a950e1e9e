#include "charts/LineGraphs.h"
#include "ui_LineGraphs.h"

#include "charts/ChartMath.h"

#include <QBrush>
#include <QColor>
#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QScreen>
#include <QToolTip>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

#include <algorithm>
#include <cmath>
#include <climits>
#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {
const QColor AxisLineColour(209, 137, 82); // #d18952
constexpr int AxisLineWidth = 2;
constexpr int SumLineWidth = 4;
constexpr int AxisLabelPixelSize = 12;
constexpr int YearLabelAngle = -90;
// The window opens at 1430 x 920 with the chart frame at (10, 10) and the title 70 pixels
// from the bottom; a resized window keeps these margins.
constexpr int FrameLeft = 10;
constexpr int FrameTop = 10;
constexpr int FrameRightMargin = 80;
constexpr int FrameBottomMargin = 120;
constexpr int TitleBottomMargin = 70;
constexpr int InitialWidth = 1430;
constexpr int TitleLeftAtInitialWidth = 440;
constexpr int SpecifiedTitleWidth = 411;
const QSize SmallestWindow(480, 360);
// Room left on the screen for the window manager's frame and title bar.
const QSize WindowFrameAllowance(16, 48);
}

LineGraphs::LineGraphs(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LineGraphs)
{
    ui->setupUi(this);
    // Each press of the chart button opens a new window; a closed one is released, and an
    // open one does not keep the program running once the main window is closed.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(SmallestWindow);
    setSizeGripEnabled(true);

    // Lines not added to the chart are released with the window.
    for (QLineSeries *&series : m_investmentSeries)
        series = new QLineSeries(this);
    m_sumSeries = new QLineSeries(this);
    m_chart = new QChart();
    m_chartView = new QChartView(m_chart, this); // the view owns the chart

    // The axes take their label font when they are built, so it is set here already.
    m_axisFont.setPixelSize(AxisLabelPixelSize);
}

LineGraphs::~LineGraphs()
{
    delete ui;
}

void LineGraphs::mouseMoveEvent(QMouseEvent *)
{
}

void LineGraphs::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ui->horizontalFrame->setGeometry(FrameLeft, FrameTop, std::max(0, width() - FrameRightMargin),
        std::max(0, height() - FrameBottomMargin));
    m_chartView->resize(ui->horizontalFrame->size());
    PlaceTitle();
}

void LineGraphs::PlaceTitle()
{
    // The specified place, moving with the window's width; a title longer than its label
    // (one that names today's money) widens the label around the same centre.
    QLabel *title = ui->GraphType;
    const int left = TitleLeftAtInitialWidth + (width() - InitialWidth) / 2;
    const int needed = QFontMetrics(title->font()).horizontalAdvance(title->text()) + 8;
    if (needed <= SpecifiedTitleWidth) {
        title->setGeometry(std::max(0, left), height() - TitleBottomMargin, SpecifiedTitleWidth, title->height());
        return;
    }
    const int wide = std::min(needed, std::max(SpecifiedTitleWidth, width()));
    const int centre = left + SpecifiedTitleWidth / 2;
    title->setGeometry(std::clamp(centre - wide / 2, 0, std::max(0, width() - wide)), height() - TitleBottomMargin, wide,
        title->height());
}

void LineGraphs::FitToScreen()
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    const QSize room = shownOn->availableGeometry().size() - WindowFrameAllowance;
    resize(size().boundedTo(room).expandedTo(minimumSize()));
}

void LineGraphs::StyleAxis(QCategoryAxis *axis) const
{
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setGridLineVisible(true);
    axis->setLinePen(QPen(QBrush(AxisLineColour), AxisLineWidth));
    axis->setLabelsBrush(QBrush(Qt::black, Qt::SolidPattern));
    axis->setLabelsFont(m_axisFont);
}

QCategoryAxis *LineGraphs::NewAxis(QCategoryAxis *previous) const
{
    if (previous) {
        m_chart->removeAxis(previous);
        delete previous;
    }
    auto *axis = new QCategoryAxis();
    StyleAxis(axis);
    return axis;
}

void LineGraphs::SetYearAxis(int firstYear, int lastYear)
{
    m_axisX = NewAxis(m_axisX);
    for (long long year = firstYear; year <= lastYear; ++year)
        m_axisX->append(QString::number(year), static_cast<qreal>(year));
    m_axisX->setRange(firstYear, std::max(firstYear, lastYear));
    // 31 year labels side by side do not fit between the grid lines; standing upright they do.
    m_axisX->setLabelsAngle(YearLabelAngle);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
}

void LineGraphs::SetValueAxis(double lower, double upper)
{
    m_axisY = NewAxis(m_axisY);
    // The axis keeps a label only when its value lies above the previous one.
    for (double value : ValueAxisLabelValues(lower, upper))
        m_axisY->append(ValueAxisLabel(value), value);
    m_axisY->setRange(lower, upper);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
}

void LineGraphs::AttachToAxes(QLineSeries *series)
{
    if (!m_chart->series().contains(series))
        m_chart->addSeries(series);
    if (m_axisY)
        series->attachAxis(m_axisY);
    if (m_axisX)
        series->attachAxis(m_axisX);
}

void LineGraphs::AddInvestmentSeries(int row, int fromX, int toX, const QVector<double> &values)
{
    if (row < 0 || row >= MaxRows)
        return;
    QLineSeries *series = m_investmentSeries[row];
    QList<QPointF> points;
    for (long long x = fromX; x < toX && x - fromX < values.size(); ++x)
        points.append(QPointF(static_cast<qreal>(x), values.at(static_cast<int>(x - fromX))));
    series->append(points);
    series->setName(QString::number(row + 1));
    AttachToAxes(series);

    if (row == 0) {
        m_firstX = 0;
        m_endX = INT_MAX;
    }
    m_firstX = std::max(m_firstX, fromX);
    m_endX = std::min(m_endX, toX);
}

void LineGraphs::AddSumSeries(const QVector<double> &values)
{
    QList<QPointF> points;
    for (long long x = m_firstX; x < m_endX && x - m_firstX < values.size(); ++x)
        points.append(QPointF(static_cast<qreal>(x), values.at(static_cast<int>(x - m_firstX))));
    m_sumSeries->append(points);
    m_sumSeries->setPen(QPen(QBrush(QColor(0, 0, 0)), SumLineWidth));
    m_sumSeries->setName(QStringLiteral("Som"));
    AttachToAxes(m_sumSeries);
}

void LineGraphs::AddSpendingLine(const QVector<double> &values, int freeYear)
{
    auto *line = new QLineSeries(this);
    line->setObjectName(QStringLiteral("Uitgaven"));
    line->setName(QStringLiteral("Uitgaven"));
    for (long long x = m_firstX; x < m_endX && x - m_firstX < values.size(); ++x)
        line->append(static_cast<qreal>(x), values.at(static_cast<int>(x - m_firstX)));
    QPen pen(QColor(200, 0, 0));
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    line->setPen(pen);
    AttachToAxes(line);
    if (freeYear < m_firstX || freeYear >= m_endX || freeYear - m_firstX >= values.size())
        return;
    auto *mark = new QScatterSeries(this);
    mark->setObjectName(QStringLiteral("FinancieelVrij"));
    mark->setName(QStringLiteral("Financieel vrij in %1").arg(freeYear));
    mark->setMarkerSize(12.0);
    mark->setColor(QColor(200, 0, 0));
    mark->append(static_cast<qreal>(freeYear), values.at(freeYear - m_firstX));
    m_chart->addSeries(mark);
    for (QAbstractAxis *axis : m_chart->axes())
        mark->attachAxis(axis);
}

void LineGraphs::AddPercentileBand(const QVector<double> &p10, const QVector<double> &p50, const QVector<double> &p90)
{
    auto *upper = new QLineSeries(this);
    auto *lower = new QLineSeries(this);
    auto *median = new QLineSeries(this);
    for (long long x = m_firstX; x < m_endX && x - m_firstX < p50.size(); ++x) {
        const int i = static_cast<int>(x - m_firstX);
        if (!std::isfinite(p10.at(i)) || !std::isfinite(p90.at(i)) || !std::isfinite(p50.at(i)))
            continue;
        lower->append(static_cast<qreal>(x), p10.at(i));
        upper->append(static_cast<qreal>(x), p90.at(i));
        median->append(static_cast<qreal>(x), p50.at(i));
    }
    auto *band = new QAreaSeries(upper, lower);
    band->setParent(this);
    band->setObjectName(QStringLiteral("Spreidingsband"));
    band->setName(QStringLiteral("10%-90%"));
    band->setColor(QColor(120, 160, 220, 70));
    band->setBorderColor(QColor(120, 160, 220, 120));
    m_chart->addSeries(band);
    for (QAbstractAxis *axis : m_chart->axes())
        band->attachAxis(axis);
    median->setObjectName(QStringLiteral("Mediaan"));
    median->setName(QStringLiteral("Mediaan"));
    QPen pen(QColor(40, 80, 160));
    pen.setWidth(2);
    pen.setStyle(Qt::DashDotLine);
    median->setPen(pen);
    AttachToAxes(median);
}

void LineGraphs::AddBaselineSeries(int fromX, const QVector<double> &values)
{
    QList<QPointF> points;
    for (int i = 0; i < values.size() && static_cast<long long>(fromX) + i <= INT_MAX; ++i) {
        if (std::isfinite(values.at(i)))
            points.append(QPointF(static_cast<qreal>(fromX) + i, values.at(i)));
    }
    auto *series = new QLineSeries(this);
    series->append(points);
    series->setPen(QPen(QBrush(QColor(128, 128, 128)), SumLineWidth / 2, Qt::DashLine));
    series->setName(QStringLiteral("Basis"));
    AttachToAxes(series);
}

void LineGraphs::SetInvestmentType(int row, const QString &typeName)
{
    if (row >= 0 && row < MaxRows)
        m_typeNames[row] = typeName;
}

QString LineGraphs::InvestmentToolTip(int row) const
{
    if (row < 0 || row >= MaxRows || m_typeNames[row].isEmpty())
        return QString();
    return QStringLiteral("%1: %2").arg(row + 1).arg(m_typeNames[row]);
}

void LineGraphs::ShowTypeTip(int row, bool shown)
{
    const QString tip = InvestmentToolTip(row);
    if (shown && !tip.isEmpty())
        QToolTip::showText(QCursor::pos(), tip, m_chartView);
    else
        QToolTip::hideText();
}

void LineGraphs::FinishView()
{
    QLegend *legend = m_chart->legend();
    legend->setVisible(true);
    legend->setAlignment(Qt::AlignBottom);
    legend->setShowToolTips(true);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_axisFont.setPixelSize(AxisLabelPixelSize);
    for (QAbstractAxis *axis : m_chart->axes())
        axis->setLabelsFont(m_axisFont);
    for (int row = 0; row < MaxRows; ++row) {
        QLineSeries *series = m_investmentSeries[row];
        if (!m_chart->series().contains(series))
            continue;
        connect(series, &QLineSeries::hovered, this, [this, row](const QPointF &, bool shown) { ShowTypeTip(row, shown); });
        for (QLegendMarker *marker : legend->markers(series))
            connect(marker, &QLegendMarker::hovered, this, [this, row](bool shown) { ShowTypeTip(row, shown); });
    }
    m_chartView->setParent(ui->horizontalFrame);
    m_chartView->resize(ui->horizontalFrame->size());
    m_chartView->show();
    FitToScreen();
}

void LineGraphs::SetGraphTitle(const QString &title)
{
    ui->GraphType->setText(title);
    PlaceTitle();
}
