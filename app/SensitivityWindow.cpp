#include "app/SensitivityWindow.h"
#include "charts/ChartMath.h"

#include "grid/CellRules.h"
#include "model/DutchFormat.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QCategoryAxis>
#include <QVBoxLayout>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace QtCharts;

namespace {

// How many assumptions the chart shows; the table lists them all.
constexpr int ChartedAssumptions = 15;

QString freeYearText(int year)
{
    return year ? QString::number(year) : QCoreApplication::translate("SensitivityWindow", "geen");
}

} // namespace

SensitivityWindow::SensitivityWindow(PlanAccess access, QWidget *parent)
    : QDialog(parent)
    , m_access(std::move(access))
{
    setWindowTitle(tr("Gevoeligheid"));
    setObjectName(QStringLiteral("Gevoeligheid"));
    resize(1340, 740);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Nettowaarde in"), this));
    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("GevoeligheidJaar"));
    m_year->setRange(FirstValidYear, LastValidYear);
    const int chosen = m_access.chosenYear ? m_access.chosenYear() : 0;
    m_year->setValue(chosen ? chosen : 2035);
    top->addWidget(m_year);
    auto *again = new QPushButton(tr("Bereken"), this);
    top->addWidget(again);
    top->addStretch();
    connect(again, &QPushButton::clicked, this, &SensitivityWindow::recompute);

    m_chart = new QChartView(this);
    m_chart->setObjectName(QStringLiteral("Tornado"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumWidth(480);
    m_numbers = new QTableWidget(this);
    m_numbers->setObjectName(QStringLiteral("GevoeligheidTabel"));
    m_numbers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_numbers->verticalHeader()->setVisible(false);

    auto *split = new QSplitter(this);
    split->addWidget(m_chart);
    split->addWidget(m_numbers);
    split->setSizes({ 540, 800 });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
}

void SensitivityWindow::recompute()
{
    if (!m_access.plan)
        return;
    // The plan on screen; after a generator run, the typed rows with the run on top of them.
    m_table = RunSensitivity(m_access.plan(m_access.generated && m_access.generated()), m_year->value());
    showTable();
}

void SensitivityWindow::showTable()
{
    const QStringList headers { tr("Aanname"), tr("Waarde"), tr("Stap"), tr("Vrij (−)"), tr("Vrij (+)"),
        tr("Nettowaarde (−)"), tr("Nettowaarde (+)") };
    m_numbers->clear();
    m_numbers->setColumnCount(headers.size());
    m_numbers->setHorizontalHeaderLabels(headers);
    m_numbers->setRowCount(m_table.rows.size() + 1);
    auto set = [this](int r, int c, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        if (c > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_numbers->setItem(r, c, item);
    };
    set(0, 0, tr("Het plan zoals het is"));
    set(0, 3, freeYearText(m_table.base.freeYear));
    set(0, 4, freeYearText(m_table.base.freeYear));
    set(0, 5, DutchAmount(m_table.base.netWorth, 0));
    set(0, 6, DutchAmount(m_table.base.netWorth, 0));
    for (int i = 0; i < m_table.rows.size(); ++i) {
        const SensitivityRow &row = m_table.rows.at(i);
        set(i + 1, 0, row.name);
        set(i + 1, 1, row.step == PlanAssumption::Points ? DutchPercentage(row.value, 2) : DutchAmount(row.value));
        set(i + 1, 2, SensitivityStepText(row));
        set(i + 1, 3, freeYearText(row.lowOutcome.freeYear));
        set(i + 1, 4, freeYearText(row.highOutcome.freeYear));
        set(i + 1, 5, DutchAmount(row.netWorthLow, 0));
        set(i + 1, 6, DutchAmount(row.netWorthHigh, 0));
    }
    m_numbers->resizeColumnsToContents();

    // The tornado: per assumption the change of the net worth for its low and high value,
    // the largest effect on top.
    auto *chart = new QChart;
    chart->setTitle(tr("Verandering van de nettowaarde in %1 (plan: %2)")
                        .arg(m_table.year)
                        .arg(DutchAmount(m_table.base.netWorth, 0)));
    auto *low = new QBarSet(tr("aanname omlaag"));
    auto *high = new QBarSet(tr("aanname omhoog"));
    low->setColor(QColor(200, 70, 60));
    high->setColor(QColor(60, 120, 200));
    QStringList names;
    const int shown = std::min(ChartedAssumptions, static_cast<int>(m_table.rows.size()));
    double extent = 1.0;
    for (int i = shown - 1; i >= 0; --i) {
        const SensitivityRow &row = m_table.rows.at(i);
        const double l = std::isfinite(row.netWorthLow) ? row.netWorthLow : 0.0;
        const double h = std::isfinite(row.netWorthHigh) ? row.netWorthHigh : 0.0;
        *low << l;
        *high << h;
        extent = std::max({ extent, std::abs(l), std::abs(h) });
        // Category names must differ; the rank keeps them apart and short.
        // The chart names the row and the column; the table says the type too.
        QString name = row.name;
        name.replace(QRegularExpression(QStringLiteral(" \\([^)]*\\):")), QStringLiteral(":"));
        if (name.size() > 48)
            name = name.left(47) + QChar(0x2026);
        names << QStringLiteral("%1. %2").arg(i + 1).arg(name);
    }
    auto *series = new QHorizontalStackedBarSeries;
    series->append(low);
    series->append(high);
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto *axisY = new QBarCategoryAxis;
    axisY->append(names);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    // The changes in Dutch notation at round steps, as the line charts label their amounts.
    auto *axisX = new QCategoryAxis;
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double bound = extent * 1.05;
    const AxisTicks ticks = ValueAxisTicks(-bound, bound, 7);
    const QVector<double> values = ticks.values();
    const QStringList labels = TickLabels(ticks);
    axisX->setStartValue(-bound);
    for (int i = 0; i < values.size(); ++i)
        axisX->append(labels.at(i), values.at(i));
    axisX->setRange(-bound, bound);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart *old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
}
