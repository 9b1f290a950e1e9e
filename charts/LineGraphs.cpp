#include "charts/LineGraphs.h"
#include "ui_LineGraphs.h"

#include "charts/ChartExport.h"
#include "charts/ChartMath.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QColor>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QMouseEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include "settings/ProgramSettings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
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
#include <climits>
#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {
const QColor AxisLineColour(209, 137, 82); // #d18952
constexpr int AxisLineWidth = 2;
constexpr int SumLineWidth = 4;
constexpr int AxisLabelPixelSize = 12;
// Room the chart takes around a label's text, beyond the text's own height or width: its
// padding on both sides and the text item's margins, with a few pixels to spare.
constexpr double ValueLabelRoom = 12.0;
constexpr double YearLabelRoom = 20.0;
// A legend entry is its text plus a marker of about the text's height, the gaps around
// both, and the room between two entries; the legend keeps the chart's margins free.
constexpr double LegendEntryRoom = 24.0;
constexpr double LegendSpacing = 8.0;
constexpr double LegendSideRoom = 60.0;
const QColor GroupedLineColour(160, 160, 160);
// How near, in pixels, the mouse has to come to a line for its tip.
constexpr double HoverReach = 6.0;
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
const QSize SmallestWindow(640, 480);
// Saved and printed charts are laid out at this size, whatever the window's.
const QSize PictureLayout(800, 500);
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
    m_chartView->viewport()->installEventFilter(this);
    m_chartView->viewport()->setMouseTracking(true);

    // The axes take their label font when they are built, so it is set here already.
    m_axisFont.setPixelSize(AxisLabelPixelSize);
    SetUpKeeping();
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
    LayOutChart(m_chartView->size());
    PlaceTitle();
    PlaceKeepBar();
}

QSize LineGraphs::SmallestSize()
{
    return SmallestWindow;
}

QSize LineGraphs::PictureLayoutSize()
{
    return PictureLayout;
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
    m_firstYear = firstYear;
    m_lastYear = std::max(firstYear, lastYear);
    m_yearStep = 0;
    ApplyYearLabels(1);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
}

void LineGraphs::SetValueAxis(double lower, double upper)
{
    m_axisY = NewAxis(m_axisY);
    m_valueLower = lower;
    m_valueUpper = upper;
    m_ticks = AxisTicks();
    m_ticks.count = -1;
    ApplyValueTicks(11);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
}

void LineGraphs::ApplyYearLabels(int step)
{
    if (!m_axisX || step == m_yearStep)
        return;
    m_yearStep = step;
    for (const QString &label : m_axisX->categoriesLabels())
        m_axisX->remove(label);
    m_axisX->setStartValue(m_firstYear);
    for (int year : LabelledYears(m_firstYear, m_lastYear, step))
        m_axisX->append(QString::number(year), static_cast<qreal>(year));
    m_axisX->setRange(m_firstYear, m_lastYear);
}

void LineGraphs::ApplyValueTicks(int most)
{
    if (!m_axisY)
        return;
    const AxisTicks ticks = ValueAxisTicks(m_valueLower, m_valueUpper, most);
    if (ticks.count == m_ticks.count && ticks.first == m_ticks.first && ticks.step == m_ticks.step)
        return;
    m_ticks = ticks;
    for (const QString &label : m_axisY->categoriesLabels())
        m_axisY->remove(label);
    m_axisY->setStartValue(m_valueLower);
    const QVector<double> values = ticks.values();
    const QStringList labels = TickLabels(ticks);
    for (int i = 0; i < values.size(); ++i)
        m_axisY->append(labels.at(i), values.at(i));
    m_axisY->setRange(m_valueLower, m_valueUpper);
}

void LineGraphs::LayOutChart(const QSizeF &size)
{
    m_chart->resize(size);
    if (!m_chart->series().isEmpty())
        ApplyLegendPlan(size.width());
    const QFontMetricsF metrics(m_axisFont);
    const double valueExtent = metrics.height() + ValueLabelRoom;
    const double yearExtent = std::max(metrics.horizontalAdvance(QString::number(m_firstYear)),
                                  metrics.horizontalAdvance(QString::number(m_lastYear)))
        + YearLabelRoom;
    QGraphicsLayout *layout = m_chart->layout();
    // The ticks change the width the value axis takes and so the room for the years: twice.
    for (int pass = 0; pass < 2 && layout; ++pass) {
        layout->invalidate();
        layout->activate();
        const QRectF plot = m_chart->plotArea();
        ApplyYearLabels(YearLabelStep(m_firstYear, m_lastYear, plot.width(), yearExtent));
        ApplyValueTicks(LabelsThatFit(plot.height(), valueExtent));
    }
    if (layout) {
        layout->invalidate();
        layout->activate();
    }
}

void LineGraphs::ApplyLegendPlan(double chartWidth)
{
    QLegend *legend = m_chart->legend();
    if (m_themePens.isEmpty()) {
        for (QLineSeries *series : m_investmentSeries)
            m_themePens.append(series->pen());
    }
    const QFontMetricsF metrics(legend->font());
    const auto entryWidth = [&metrics](const QString &name) {
        return metrics.horizontalAdvance(name) + metrics.height() + LegendEntryRoom;
    };
    QVector<LegendEntry> entries;
    QVector<QAbstractSeries *> entrySeries;
    QVector<int> entryRow;
    for (QAbstractSeries *series : m_chart->series()) {
        if (series == m_groupSeries)
            continue;
        LegendEntry entry;
        entry.width = entryWidth(series->name());
        int row = -1;
        for (int r = 0; r < MaxRows && row < 0; ++r)
            row = series == m_investmentSeries[r] ? r : -1;
        if (row >= 0) {
            entry.investment = true;
            for (const QPointF &point : m_investmentSeries[row]->pointsVector())
                entry.size = std::max(entry.size, std::fabs(point.y()));
        }
        entries.append(entry);
        entrySeries.append(series);
        entryRow.append(row);
    }
    const QString groupName = tr("overige (%1)");
    const LegendPlan plan
        = PlanLegend(entries, entryWidth(groupName.arg(MaxRows)), LegendSpacing, chartWidth - LegendSideRoom);

    m_grouped.clear();
    int byName = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const int row = entryRow.at(i);
        if (row < 0)
            continue;
        QLineSeries *line = m_investmentSeries[row];
        if (plan.shown.at(i)) {
            // Grouped, the few lines by name take the theme's first colours, which differ;
            // rows five apart would otherwise share one.
            line->setPen(m_themePens.value(plan.grouped > 0 ? byName++ : row));
            line->setVisible(true);
        } else {
            m_grouped.append(line);
            line->setPen(QPen(GroupedLineColour, 1));
            line->setVisible(!m_groupFolded);
        }
    }
    const bool grouping = plan.grouped > 0;
    const bool present = m_groupSeries && m_chart->series().contains(m_groupSeries);
    if (grouping && !present) {
        if (!m_groupSeries) {
            m_groupSeries = new QLineSeries(this);
            m_groupSeries->setObjectName(QStringLiteral("OverigeInvesteringen"));
            m_groupSeries->setPen(QPen(GroupedLineColour, 2));
        }
        AttachToAxes(m_groupSeries);
        for (QLegendMarker *marker : legend->markers(m_groupSeries))
            connect(marker, &QLegendMarker::clicked, this, &LineGraphs::ToggleGroupedLines);
    } else if (!grouping && present) {
        m_chart->removeSeries(m_groupSeries);
    }
    if (grouping)
        m_groupSeries->setName(groupName.arg(plan.grouped));
    for (int i = 0; i < entries.size(); ++i) {
        for (QLegendMarker *marker : legend->markers(entrySeries.at(i)))
            marker->setVisible(plan.shown.at(i));
    }
}

void LineGraphs::ToggleGroupedLines()
{
    m_groupFolded = !m_groupFolded;
    for (QLineSeries *line : qAsConst(m_grouped)) {
        line->setVisible(!m_groupFolded);
        for (QLegendMarker *marker : m_chart->legend()->markers(line))
            marker->setVisible(false);
    }
    if (!m_groupSeries)
        return;
    for (QLegendMarker *marker : m_chart->legend()->markers(m_groupSeries))
        marker->setLabelBrush(m_groupFolded ? QBrush(GroupedLineColour) : QBrush(Qt::black));
}

QStringList LineGraphs::LabelsNotShownWhole() const
{
    // What the chart shows: the text items it drew, whole or shortened, and not hidden.
    QVector<const QGraphicsTextItem *> shown;
    if (const QGraphicsScene *scene = m_chart->scene()) {
        for (const QGraphicsItem *item : scene->items()) {
            if (item->type() == QGraphicsTextItem::Type && item->isVisible())
                shown.append(static_cast<const QGraphicsTextItem *>(item));
        }
    }
    const QRectF chartArea = m_chart->sceneBoundingRect().adjusted(-1, -1, 1, 1);
    QStringList missing;
    const auto check = [&](const QString &text, const QFont &font, const QString &where) {
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        const bool whole = std::any_of(shown.cbegin(), shown.cend(), [&](const QGraphicsTextItem *item) {
            const QRectF box = item->sceneBoundingRect();
            return item->toPlainText() == text && box.width() >= width && chartArea.contains(box);
        });
        if (!whole)
            missing << QStringLiteral("%1 (%2)").arg(text, where);
    };
    for (QCategoryAxis *axis : { m_axisX, m_axisY }) {
        if (!axis)
            continue;
        for (const QString &label : axis->categoriesLabels())
            check(label, axis->labelsFont(), QStringLiteral("as"));
    }
    const QLegend *legend = m_chart->legend();
    if (legend->isVisible()) {
        for (QLegendMarker *marker : legend->markers()) {
            if (marker->isVisible() && marker->series()->isVisible())
                check(marker->label(), marker->font(), QStringLiteral("legenda"));
        }
    }
    return missing;
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
    m_sumSeries->setName(tr("Som"));
    AttachToAxes(m_sumSeries);
}

void LineGraphs::AddSpendingLine(const QVector<double> &values, int freeYear)
{
    auto *line = new QLineSeries(this);
    line->setObjectName(QStringLiteral("Uitgaven"));
    line->setName(tr("Uitgaven"));
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
    mark->setName(tr("Financieel vrij in %1").arg(freeYear));
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
    median->setName(tr("Mediaan"));
    QPen pen(QColor(40, 80, 160));
    pen.setWidth(2);
    pen.setStyle(Qt::DashDotLine);
    median->setPen(pen);
    AttachToAxes(median);
}

namespace {

QList<QPointF> FinitePoints(int fromX, const QVector<double> &values)
{
    QList<QPointF> points;
    for (int i = 0; i < values.size() && static_cast<long long>(fromX) + i <= INT_MAX; ++i) {
        if (std::isfinite(values.at(i)))
            points.append(QPointF(static_cast<qreal>(fromX) + i, values.at(i)));
    }
    return points;
}

} // namespace

void LineGraphs::AddBaselineSeries(int fromX, const QVector<double> &values)
{
    auto *series = new QLineSeries(this);
    series->append(FinitePoints(fromX, values));
    series->setPen(QPen(QBrush(QColor(128, 128, 128)), SumLineWidth / 2, Qt::DashLine));
    series->setName(tr("Basis"));
    AttachToAxes(series);
}

QColor LineGraphs::ScenarioColour(int index)
{
    // Apart from the theme's first colours, the grey baseline and the black sum.
    static const QColor colours[] = { QColor(230, 120, 20), QColor(150, 60, 180), QColor(0, 150, 140),
        QColor(200, 30, 90), QColor(110, 140, 20) };
    constexpr int count = sizeof(colours) / sizeof(colours[0]);
    return colours[((index % count) + count) % count];
}

void LineGraphs::AddScenarioSeries(int index, const QString &name, int fromX, const QVector<double> &values)
{
    auto *series = new QLineSeries(this);
    series->setObjectName(QStringLiteral("Scenario_%1").arg(index + 1));
    series->append(FinitePoints(fromX, values));
    series->setPen(QPen(QBrush(ScenarioColour(index)), SumLineWidth / 2, Qt::DashLine));
    series->setName(name);
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
        for (QLegendMarker *marker : legend->markers(series))
            connect(marker, &QLegendMarker::hovered, this, [this, row](bool shown) { ShowTypeTip(row, shown); });
    }
    ConnectPointTips();
    m_chartView->setParent(ui->horizontalFrame);
    m_chartView->resize(ui->horizontalFrame->size());
    m_chartView->show();
    FitToScreen();
    LayOutChart(m_chartView->size());
}

void LineGraphs::SetGraphTitle(const QString &title)
{
    ui->GraphType->setText(title);
    PlaceTitle();
}

// Keeping the chart.

namespace {
// The buttons sit right-aligned in the gap between the chart frame and the title.
constexpr int KeepBarGap = 4;


QString askImageFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filters,
    QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filters, selectedFilter);
}
} // namespace

void LineGraphs::SetUpKeeping()
{
    auto *save = new QAction(tr("Opslaan als afbeelding..."), this);
    save->setObjectName(QStringLiteral("GrafiekOpslaan"));
    save->setShortcut(QKeySequence::Save);
    save->setToolTip(tr("De grafiek opslaan als PNG- of SVG-afbeelding (%1)")
                         .arg(save->shortcut().toString(QKeySequence::NativeText)));
    connect(save, &QAction::triggered, this, &LineGraphs::SaveAsImage);

    auto *copy = new QAction(tr("Kopiëren"), this);
    copy->setObjectName(QStringLiteral("GrafiekKopieren"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setToolTip(tr("De grafiek als afbeelding naar het klembord kopiëren (%1)")
                         .arg(copy->shortcut().toString(QKeySequence::NativeText)));
    connect(copy, &QAction::triggered, this, &LineGraphs::CopyImage);

    auto *print = new QAction(tr("Afdrukken..."), this);
    print->setObjectName(QStringLiteral("GrafiekAfdrukken"));
    print->setShortcut(QKeySequence::Print);
    print->setToolTip(tr("De grafiek afdrukken op één pagina (%1)")
                          .arg(print->shortcut().toString(QKeySequence::NativeText)));
    connect(print, &QAction::triggered, this, &LineGraphs::PrintChart);

    const QList<QAction *> actions { save, copy, print };
    // The buttons show the captions whole; by default they drop the "..." that announces a dialog.
    for (QAction *action : actions)
        action->setIconText(action->text());
    // A row of buttons rather than a QToolBar: a tool bar brings a pop-up menu of its own,
    // another top-level window that lives as long as the chart window.
    m_keepBar = new QWidget(this);
    m_keepBar->setObjectName(QStringLiteral("GrafiekBewaren"));
    m_keepBar->setAccessibleName(tr("Grafiek bewaren"));
    auto *row = new QHBoxLayout(m_keepBar);
    row->setContentsMargins(0, 0, 0, 0);
    for (QAction *action : actions) {
        auto *button = new QToolButton(m_keepBar);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        row->addWidget(button);
    }
    m_keepBar->addActions(actions);
    // The same choices under the right mouse button on the chart.
    m_chartView->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_chartView->addActions(actions);
    PlaceKeepBar();
}

void LineGraphs::PlaceKeepBar()
{
    if (!m_keepBar)
        return;
    const QSize bar = m_keepBar->sizeHint();
    const QRect frame = ui->horizontalFrame->geometry();
    m_keepBar->setGeometry(std::max(0, frame.right() + 1 - bar.width()), frame.bottom() + 1 + KeepBarGap, bar.width(),
        bar.height());
}

void LineGraphs::SetImageFileProvider(ImageFileProvider provider)
{
    m_imageFileProvider = std::move(provider);
}

void LineGraphs::SetPrinterSetup(PrinterSetup setup)
{
    m_printerSetup = std::move(setup);
}

ChartPicture LineGraphs::LaidOutPicture()
{
    ChartPicture picture = Picture();
    const QSize whole = PictureLayoutSize();
    LayOutChart(QSizeF(whole.width(), whole.height() - picture.titleHeight()));
    return picture;
}

ChartPicture LineGraphs::Picture() const
{
    ChartPicture picture;
    picture.chart = m_chart;
    picture.title = ui->GraphType->text();
    picture.titleFont = ui->GraphType->font();
    picture.dpi = m_chartView->logicalDpiY();
    return picture;
}

void LineGraphs::SaveAsImage()
{
    ChartFolderSettings settings = ChartFolderSettings::load();
    QString folder = settings.folder;
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString caption = tr("Grafiek opslaan als afbeelding");
    const QString proposal = QDir(folder).filePath(QStringLiteral("grafiek"));
    const QString filters = ChartImageFilters().join(QStringLiteral(";;"));
    QString selectedFilter = ChartImageFilters().constFirst();
    const QString name = m_imageFileProvider ? m_imageFileProvider(caption, proposal, filters, &selectedFilter)
                                             : askImageFileName(this, caption, proposal, filters, &selectedFilter);
    const ChartImageTarget target = ChartImageTargetFor(name, selectedFilter);
    if (target.fileName.isEmpty())
        return;
    QString error;
    ChartImageTarget drawn = target;
    drawn.scale *= PictureScale;
    const bool saved = SaveChartPicture(LaidOutPicture(), drawn, &error);
    LayOutChart(m_chartView->size());
    if (!saved) {
        QMessageBox::warning(this, tr("Afbeelding niet opgeslagen"),
            tr("De grafiek kon niet worden opgeslagen in %1:\n%2")
                .arg(QDir::toNativeSeparators(target.fileName), error));
        return;
    }
    settings.folder = QFileInfo(target.fileName).absolutePath();
    settings.save();
}

void LineGraphs::CopyImage()
{
    QApplication::clipboard()->setImage(Picture().image(1));
}

void LineGraphs::PrintChart()
{
    QPrinter printer(QPrinter::HighResolution);
    // The chart is wider than high.
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(ui->GraphType->text().isEmpty() ? windowTitle() : ui->GraphType->text());
    // Printed to a file the last time: the dialog proposes a file in the last folder used.
    ChartFolderSettings settings = ChartFolderSettings::load();
    const QString folder = settings.folder;
    if (settings.printedToFile && !folder.isEmpty() && QDir(folder).exists()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(folder).filePath(printer.docName() + QStringLiteral(".pdf")));
    }
    bool chosen = false;
    if (m_printerSetup) {
        chosen = m_printerSetup(&printer);
    } else {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("Grafiek afdrukken"));
        chosen = dialog.exec() == QDialog::Accepted;
    }
    if (!chosen)
        return;
    const bool printed = PrintChartPicture(LaidOutPicture(), &printer);
    LayOutChart(m_chartView->size());
    if (printed && !printer.outputFileName().isEmpty())
        settings.folder = QFileInfo(printer.outputFileName()).absolutePath();
    settings.printedToFile = printed && !printer.outputFileName().isEmpty();
    settings.save();
    if (!printed) {
        const QString where = printer.outputFileName().isEmpty()
            ? tr("De printer %1 neemt de opdracht niet aan.").arg(printer.printerName())
            : tr("Het bestand %1 kon niet worden geschreven.")
                  .arg(QDir::toNativeSeparators(printer.outputFileName()));
        QMessageBox::warning(
            this, tr("Afdrukken mislukt"), tr("De grafiek kon niet worden afgedrukt. ") + where);
    }
}

QString LineGraphs::PointToolTip(int row, double x) const
{
    const QLineSeries *series = row < 0 ? m_sumSeries : row < MaxRows ? m_investmentSeries[row] : nullptr;
    if (!series || series->count() == 0 || !std::isfinite(x))
        return QString();
    // The points lie one year apart from the first on.
    const double index = std::round(x) - series->at(0).x();
    if (index < 0 || index >= series->count())
        return QString();
    const QPointF point = series->at(static_cast<int>(index));
    QString line = row < 0 ? tr("Som") : InvestmentToolTip(row);
    if (line.isEmpty())
        line = QString::number(row + 1);
    return QStringLiteral("%1\n%2: %3").arg(line, QString::number(std::llround(point.x())), ValueAxisLabel(point.y()));
}

QString LineGraphs::TipAt(const QPoint &pos) const
{
    const QPointF place = m_chart->mapFromScene(m_chartView->mapToScene(pos));
    if (!m_chart->plotArea().adjusted(-HoverReach, -HoverReach, HoverReach, HoverReach).contains(place))
        return QString();
    // Every line drawn, with the name its tip gives.
    QVector<const QLineSeries *> lines;
    QStringList names;
    const auto add = [&](const QLineSeries *line, const QString &name) {
        if (line && line->isVisible() && line->count() > 0) {
            lines.append(line);
            names.append(name);
        }
    };
    for (QAbstractSeries *series : m_chart->series()) {
        if (series == m_groupSeries)
            continue;
        if (auto *band = qobject_cast<QAreaSeries *>(series)) {
            if (band->isVisible()) {
                add(band->upperSeries(), band->name() + tr(" (bovenrand)"));
                add(band->lowerSeries(), band->name() + tr(" (onderrand)"));
            }
            continue;
        }
        if (series->type() != QAbstractSeries::SeriesTypeLine)
            continue;
        auto *line = static_cast<QLineSeries *>(series);
        QString name = line == m_sumSeries ? tr("Som") : line->name();
        for (int row = 0; row < MaxRows; ++row) {
            if (line == m_investmentSeries[row] && !InvestmentToolTip(row).isEmpty())
                name = InvestmentToolTip(row);
        }
        add(line, name);
    }
    QVector<QVector<QPointF>> drawn;
    drawn.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        // A band's edges are drawn against the band's axes.
        QAbstractSeries *axesOf = const_cast<QLineSeries *>(lines.at(i));
        if (!m_chart->series().contains(axesOf))
            axesOf = nullptr;
        QVector<QPointF> points = lines.at(i)->pointsVector();
        for (QPointF &point : points)
            point = m_chart->mapToPosition(point, axesOf);
        drawn.append(points);
    }
    const NearestPoint nearest = NearestLine(drawn, place, HoverReach);
    if (nearest.line < 0)
        return QString();
    const QPointF point = lines.at(nearest.line)->at(nearest.index);
    return QStringLiteral("%1\n%2: %3")
        .arg(names.at(nearest.line), QString::number(std::llround(point.x())), ValueAxisLabel(point.y()));
}

bool LineGraphs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_chartView->viewport() && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        const QString tip = TipAt(move->pos());
        if (!tip.isEmpty()) {
            QToolTip::showText(move->globalPos(), tip, m_chartView->viewport());
            m_pointTipShown = true;
        } else if (m_pointTipShown) {
            QToolTip::hideText();
            m_pointTipShown = false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LineGraphs::ConnectPointTips()
{
    for (int row = -1; row < MaxRows; ++row) {
        QLineSeries *series = row < 0 ? m_sumSeries : m_investmentSeries[row];
        if (!m_chart->series().contains(series))
            continue;
        connect(series, &QLineSeries::hovered, this, [this, row](const QPointF &point, bool shown) {
            const QString tip = shown ? PointToolTip(row, point.x()) : QString();
            if (tip.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(QCursor::pos(), tip, m_chartView);
        });
    }
}
