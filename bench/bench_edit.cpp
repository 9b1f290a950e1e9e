// One edit in a full grid, from the cell's new text to the refreshed output grid and labels,
// and clearing a full grid; both in the real window without a display.

#include "BenchSupport.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "grid/ColumnCatalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace {

QTableWidget *grid(MainWindow &w)
{
    return w.findChild<QTableWidget *>(QStringLiteral("Vastgoed"));
}

// Thirty complete rows of every type.
void fillGrid(MainWindow &w)
{
    testsupport::typeExampleRows(w, 30);
}

void BM_OneEditInAFullGrid(benchmark::State &state)
{
    MainWindow w;
    fillGrid(w);
    w.findChild<QComboBox *>(QStringLiteral("Situatie_Jaartal"))->setCurrentIndex(5);
    QTableWidgetItem *rent = grid(w)->item(10, 7);
    int i = 0;
    for (auto _ : state) {
        rent->setText(QString::number(1000 + (++i % 500)));
        benchmark::DoNotOptimize(w.store().block(10).years[5].series[1]);
    }
}
BENCHMARK(BM_OneEditInAFullGrid)->Unit(benchmark::kMicrosecond);

void BM_ClearFullGrid(benchmark::State &state)
{
    MainWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        fillGrid(w);
        state.ResumeTiming();
        w.ClearInvestments();
    }
}
BENCHMARK(BM_ClearFullGrid)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    benchsupport::useOffscreenPlatform();
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    benchsupport::silenceDebugOutput();
    return benchsupport::runBenchmarks(argc, argv);
}
