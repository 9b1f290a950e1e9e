// Pressing the chart button with 30 projected rows, up to the chart window shown and painted.

#include "app/MainWindow.h"
#include "charts/LineGraphs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QWindow>
#include <QtCharts/QChartView>

#include <memory>

namespace {

const QString skip;

struct Row
{
    int type;
    QStringList cells;
};

// The five kinds of investment, repeated down the grid.
const QList<Row> kinds {
    { 0, { "2020", skip, skip, skip, skip, "200000", "1000", "2", "3", skip, "80", "3", "20" } },
    { 1, { "2021", skip, skip, skip, skip, "150000", "800", "2", "2" } },
    { 2, { "2022", "10000", "0", "5", skip, "10000", skip, skip, skip, skip, skip, skip, skip, skip, "6" } },
    { 3, { "2023", "1000", "100" } },
    { 4, { "2024", "1000", "100", "10", skip, skip, skip, skip, skip, skip, skip, skip, skip, skip, "5" } },
};

// Counts the paint events of a widget.
class PaintWatcher : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

std::unique_ptr<MainWindow> windowWithThirtyRows()
{
    auto w = std::make_unique<MainWindow>();
    auto *grid = w->findChild<QTableWidget *>(QStringLiteral("Vastgoed"));
    for (int r = 0; r < 30; ++r) {
        const Row &row = kinds.at(r % kinds.size());
        grid->setCurrentCell(r, 1);
        w->on_InvestTypeChanged(row.type);
        for (int i = 0; i < row.cells.size(); ++i) {
            if (!row.cells.at(i).isNull())
                grid->item(r, i + 1)->setText(row.cells.at(i));
        }
    }
    w->show();
    QCoreApplication::processEvents();
    return w;
}

LineGraphs *newestChart(const QList<LineGraphs *> &before)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *chart = qobject_cast<LineGraphs *>(widget);
        if (chart && !before.contains(chart))
            return chart;
    }
    return nullptr;
}

QList<LineGraphs *> openCharts()
{
    QList<LineGraphs *> charts;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *chart = qobject_cast<LineGraphs *>(widget))
            charts << chart;
    }
    return charts;
}

void pressChartButton(benchmark::State &state, const char *radio)
{
    std::unique_ptr<MainWindow> w = windowWithThirtyRows();
    if (w->ProjectedRowCount() != 30) {
        state.SkipWithError("the portfolio did not project 30 rows");
        return;
    }
    w->findChild<QRadioButton *>(QString::fromLatin1(radio))->setChecked(true);
    QPushButton *button = w->findChild<QPushButton *>(QStringLiteral("pushButton"));

    for (auto _ : state) {
        const QList<LineGraphs *> before = openCharts();
        button->click();
        QPointer<LineGraphs> chart = newestChart(before);
        if (!chart) {
            state.SkipWithError("no chart window opened");
            break;
        }
        PaintWatcher watcher;
        QWidget *canvas = chart->findChild<QtCharts::QChartView *>()->viewport();
        canvas->installEventFilter(&watcher);
        QElapsedTimer limit;
        limit.start();
        while (!(chart->windowHandle() && chart->windowHandle()->isExposed() && watcher.paints > 0)
            && limit.elapsed() < 5000)
            QCoreApplication::processEvents();
        if (watcher.paints == 0) {
            state.SkipWithError("the chart was never painted");
            break;
        }

        state.PauseTiming();
        canvas->removeEventFilter(&watcher);
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_ChartButton_NetWorth(benchmark::State &state)
{
    pressChartButton(state, "NettoRadioButt");
}

void BM_ChartButton_CashFlow(benchmark::State &state)
{
    pressChartButton(state, "CashFlowRadioButt");
}

} // namespace

BENCHMARK(BM_ChartButton_NetWorth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartButton_CashFlow)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
