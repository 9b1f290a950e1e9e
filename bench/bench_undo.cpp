// Undo and redo of one "Get Wealthy" run that filled 29 rows, in the real window offscreen,
// and what the undo history holds after many runs.

#include "BenchSupport.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

void runOnce(MainWindow &w)
{
    const QStringList panel { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" };
    for (int k = 1; k <= 10; ++k)
        w.findChild<QTextEdit *>(QStringLiteral("wealth_edit%1").arg(k))->setPlainText(panel.at(k - 1));
    w.findChild<QPushButton *>(QStringLiteral("GoGoGo"))->click();
}

int filledRows(const MainWindow &w)
{
    int count = 0;
    for (int r = 0; r < 30; ++r)
        count += w.IsRowComplete(r) ? 1 : 0;
    return count;
}

void BM_UndoGeneratorRun(benchmark::State &state)
{
    MainWindow w;
    runOnce(w);
    QUndoStack *stack = w.UndoStack();
    const int rows = filledRows(w);
    for (auto _ : state) {
        stack->undo();
        state.PauseTiming();
        QApplication::processEvents();
        stack->redo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_UndoGeneratorRun)->Unit(benchmark::kMillisecond);

void BM_RedoGeneratorRun(benchmark::State &state)
{
    MainWindow w;
    runOnce(w);
    QUndoStack *stack = w.UndoStack();
    for (auto _ : state) {
        state.PauseTiming();
        stack->undo();
        QApplication::processEvents();
        state.ResumeTiming();
        stack->redo();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = filledRows(w);
}
BENCHMARK(BM_RedoGeneratorRun)->Unit(benchmark::kMillisecond);

// 100 runs, each after clearing the grid: 200 steps, of which the history keeps the last
// 100. The counter is the heap the history holds (the heap in use with the history full,
// less the heap in use once it is emptied).
void BM_HistoryAfterHundredRuns(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow w;
        for (int i = 0; i < 100; ++i) {
            w.findChild<QPushButton *>(QStringLiteral("btn_ClearInvestmenst"))->click();
            runOnce(w);
        }
        QApplication::processEvents();
        const size_t full = mallinfo2().uordblks;
        const int steps = w.UndoStack()->count();
        w.UndoStack()->clear();
        const size_t empty = mallinfo2().uordblks;
        state.counters["steps"] = steps;
        state.counters["history_KiB"] = (static_cast<double>(full) - static_cast<double>(empty)) / 1024.0;
    }
}
BENCHMARK(BM_HistoryAfterHundredRuns)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

QUORVANT_WINDOW_BENCHMARK_MAIN()
