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
    PlaceTitle();
    PlaceKeepBar();
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
        for (QLegendMarker *marker : legend->markers(series))
            connect(marker, &QLegendMarker::hovered, this, [this, row](bool shown) { ShowTypeTip(row, shown); });
    }
    ConnectPointTips();
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

// Keeping the chart.

namespace {
const char *const ChartFolderKey = "Grafiek/Map";
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
    auto *save = new QAction(QStringLiteral("Opslaan als afbeelding..."), this);
    save->setObjectName(QStringLiteral("GrafiekOpslaan"));
    save->setShortcut(QKeySequence::Save);
    save->setToolTip(QStringLiteral("De grafiek opslaan als PNG- of SVG-afbeelding (%1)")
                         .arg(save->shortcut().toString(QKeySequence::NativeText)));
    connect(save, &QAction::triggered, this, &LineGraphs::SaveAsImage);

    auto *copy = new QAction(QStringLiteral("Kopiëren"), this);
    copy->setObjectName(QStringLiteral("GrafiekKopieren"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setToolTip(QStringLiteral("De grafiek als afbeelding naar het klembord kopiëren (%1)")
                         .arg(copy->shortcut().toString(QKeySequence::NativeText)));
    connect(copy, &QAction::triggered, this, &LineGraphs::CopyImage);

    auto *print = new QAction(QStringLiteral("Afdrukken..."), this);
    print->setObjectName(QStringLiteral("GrafiekAfdrukken"));
    print->setShortcut(QKeySequence::Print);
    print->setToolTip(QStringLiteral("De grafiek afdrukken op één pagina (%1)")
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
    m_keepBar->setAccessibleName(QStringLiteral("Grafiek bewaren"));
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
    QSettings settings = ProgramSettings();
    QString folder = settings.value(QLatin1String(ChartFolderKey)).toString();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString caption = QStringLiteral("Grafiek opslaan als afbeelding");
    const QString proposal = QDir(folder).filePath(QStringLiteral("grafiek"));
    const QString filters = ChartImageFilters().join(QStringLiteral(";;"));
    QString selectedFilter = ChartImageFilters().constFirst();
    const QString name = m_imageFileProvider ? m_imageFileProvider(caption, proposal, filters, &selectedFilter)
                                             : askImageFileName(this, caption, proposal, filters, &selectedFilter);
    const ChartImageTarget target = ChartImageTargetFor(name, selectedFilter);
    if (target.fileName.isEmpty())
        return;
    QString error;
    if (!SaveChartPicture(Picture(), target, &error)) {
        QMessageBox::warning(this, QStringLiteral("Afbeelding niet opgeslagen"),
            QStringLiteral("De grafiek kon niet worden opgeslagen in %1:\n%2")
                .arg(QDir::toNativeSeparators(target.fileName), error));
        return;
    }
    settings.setValue(QLatin1String(ChartFolderKey), QFileInfo(target.fileName).absolutePath());
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
    bool chosen = false;
    if (m_printerSetup) {
        chosen = m_printerSetup(&printer);
    } else {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Grafiek afdrukken"));
        chosen = dialog.exec() == QDialog::Accepted;
    }
    if (!chosen)
        return;
    if (!PrintChartPicture(Picture(), &printer)) {
        const QString where = printer.outputFileName().isEmpty()
            ? QStringLiteral("De printer %1 neemt de opdracht niet aan.").arg(printer.printerName())
            : QStringLiteral("Het bestand %1 kon niet worden geschreven.")
                  .arg(QDir::toNativeSeparators(printer.outputFileName()));
        QMessageBox::warning(
            this, QStringLiteral("Afdrukken mislukt"), QStringLiteral("De grafiek kon niet worden afgedrukt. ") + where);
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
    QString line = row < 0 ? QStringLiteral("Som") : InvestmentToolTip(row);
    if (line.isEmpty())
        line = QString::number(row + 1);
    return QStringLiteral("%1\n%2: %3").arg(line, QString::number(std::llround(point.x())), ValueAxisLabel(point.y()));
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
