// Switching "Toon in euro's van vandaag" on and off with 30 projected rows: the output grid,
// the nine totals and the free-year label refreshed, nothing projected again.

#include "BenchSupport.h"
#include "TestSupport.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

void BM_ToggleTodaysMoney(benchmark::State &state)
{
    MainWindow w;
    testsupport::typeExampleRows(w, 30);
    w.findChild<QLineEdit *>(QStringLiteral("MaandelijkseUitgaven"))->setText(QStringLiteral("3000"));
    auto *check = w.findChild<QCheckBox *>(QStringLiteral("ToonEurosVanVandaag"));
    QApplication::processEvents();
    for (auto _ : state) {
        check->toggle();
        state.PauseTiming();
        QApplication::processEvents(); // the repaint, outside the measurement
        state.ResumeTiming();
    }
    state.counters["rows"] = w.ProjectedRowCount();
}
BENCHMARK(BM_ToggleTodaysMoney)->Unit(benchmark::kMicrosecond);

} // namespace

QUORVANT_WINDOW_BENCHMARK_MAIN()
