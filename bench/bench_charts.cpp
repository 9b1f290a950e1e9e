// Pressing the chart button with 30 projected rows, up to the chart window shown and painted.

#include "BenchSupport.h"
#include "TestSupport.h"
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
    testsupport::typeExampleRows(*w, 30);
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
    benchsupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    return benchsupport::runBenchmarks(argc, argv);
}
