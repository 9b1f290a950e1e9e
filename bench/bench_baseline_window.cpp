// The comparison with a baseline in the real window without a display: one edit in a full
// grid while a baseline of 30 rows is set (output grid, totals and the Basis and Verschil
// figures refreshed), and File > "Vergelijk met..." reading a baseline of 30 rows.

#include "BenchSupport.h"
#include "TestSupport.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A window with 30 example rows, saved as `path` so that it can serve as a baseline.
void fullWindow(MainWindow &w, const QString &path)
{
    testsupport::typeExampleRows(w, 30);
    testsupport::triggerWithFile(w, "actionSave_as", path);
    w.findChild<QComboBox *>(QStringLiteral("Situatie_Jaartal"))->setCurrentIndex(5);
}

void BM_EditWithBaseline(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("base.inv"));
    MainWindow w;
    fullWindow(w, path);
    if (!w.CompareWithFile(path)) {
        state.SkipWithError("cannot read the baseline");
        return;
    }
    QTableWidgetItem *rent = testsupport::inputGrid(w)->item(10, 7);
    int i = 0;
    for (auto _ : state) {
        rent->setText(QString::number(1000 + (++i % 500)));
        benchmark::DoNotOptimize(w.store().block(10).years[5].series[1]);
    }
}
BENCHMARK(BM_EditWithBaseline)->Unit(benchmark::kMicrosecond);

void BM_CompareWithFileInWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("base.inv"));
    MainWindow w;
    fullWindow(w, path);
    for (auto _ : state) {
        if (!w.CompareWithFile(path)) {
            state.SkipWithError("cannot read the baseline");
            return;
        }
    }
    state.counters["rows"] = w.CurrentBaseline().store()->projectedRowCount();
}
BENCHMARK(BM_CompareWithFileInWindow)->Unit(benchmark::kMillisecond);

} // namespace

QUORVANT_WINDOW_BENCHMARK_MAIN()
