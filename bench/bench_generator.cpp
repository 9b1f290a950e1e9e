// How long one press of "Get Wealthy" takes in the real window (offscreen): every generated
// cell goes through the grid, the cell-change rule and the projection.

#include "BenchSupport.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

MainWindow *g_window = nullptr;

void setPanel(MainWindow &w, const QStringList &fields)
{
    for (int k = 1; k <= 10; ++k) {
        auto *edit = w.findChild<QTextEdit *>(QStringLiteral("wealth_edit%1").arg(k));
        edit->setPlainText(k <= fields.size() ? fields.at(k - 1) : QString());
    }
}

int filledRows(MainWindow &w)
{
    int count = 0;
    for (int r = 0; r < 30; ++r)
        count += w.IsRowComplete(r) ? 1 : 0;
    return count;
}

void runGenerator(benchmark::State &state, const QStringList &fields)
{
    MainWindow &w = *g_window;
    setPanel(w, fields);
    auto *button = w.findChild<QPushButton *>(QStringLiteral("GoGoGo"));
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.ClearInvestments();
        QApplication::processEvents();
        state.ResumeTiming();
        button->click();
        state.PauseTiming();
        rows = filledRows(w);
        QApplication::processEvents(); // the repaint the run scheduled, outside the measurement
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

// Kind 0 with a loan of 100 %: the run stays in the first year and fills all 29 free rows.
void BM_GeneratorFullLoanFillsGrid(benchmark::State &state)
{
    runGenerator(state, { "2020", "0", "0", "200000", "1000", "0", "0", "100", "3", "20" });
}
BENCHMARK(BM_GeneratorFullLoanFillsGrid)->Unit(benchmark::kMillisecond);

// The leveraged example: 50000 saved, 1000 a month, properties of 200000 at 80 %.
void BM_GeneratorLeveragedExample(benchmark::State &state)
{
    runGenerator(state, { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" });
}
BENCHMARK(BM_GeneratorLeveragedExample)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchsupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    auto window = std::make_unique<MainWindow>();
    window->show();
    g_window = window.get();

    const int result = benchsupport::runBenchmarks(argc, argv);
    g_window = nullptr;
    return result;
}
