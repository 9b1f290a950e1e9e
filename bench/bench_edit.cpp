// One edit in a full grid, from the cell's new text to the refreshed output grid and labels,
// and clearing a full grid; both in the real window without a display.

#include "BenchSupport.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/RecoveryController.h"
#include "grid/ColumnCatalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>

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

// The same edit with every cost and Box 3 assumed.
void BM_OneEditEveryAssumption(benchmark::State &state)
{
    MainWindow w;
    fillGrid(w);
    CostTaxAssumptions a;
    a.costs = { 8.0, 1.0, 0.5, 5.0, 6.0 };
    a.box3.regime = Box3Regime::Actual;
    a.box3.partners = true;
    a.box3.overrides[2030][Box3Rate] = 37.0;
    w.SetCostTax(a);
    w.findChild<QComboBox *>(QStringLiteral("Situatie_Jaartal"))->setCurrentIndex(5);
    QTableWidgetItem *rent = grid(w)->item(10, 7);
    int i = 0;
    for (auto _ : state) {
        rent->setText(QString::number(1000 + (++i % 500)));
        benchmark::DoNotOptimize(w.store().box3Tax(5));
    }
}
BENCHMARK(BM_OneEditEveryAssumption)->Unit(benchmark::kMicrosecond);

// The same edit with the recovery file on (restarting its timer at every edit) and off; and
// with the recovery file written after every edit (the timer at 0, its write queued for the
// writer thread), the worst case of an edit followed by a pause.
void editWithRecovery(benchmark::State &state, bool recovery, bool writeEveryEdit)
{
    MainWindow w;
    QTemporaryDir folder;
    w.Recovery()->setFolder(folder.path());
    w.Recovery()->setEnabled(recovery);
    w.Recovery()->setDelay(writeEveryEdit ? 0 : 3000);
    fillGrid(w);
    w.findChild<QComboBox *>(QStringLiteral("Situatie_Jaartal"))->setCurrentIndex(5);
    QTableWidgetItem *rent = grid(w)->item(10, 7);
    int i = 0;
    for (auto _ : state) {
        rent->setText(QString::number(1000 + (++i % 500)));
        if (writeEveryEdit)
            QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.store().block(10).years[5].series[1]);
    }
    w.Recovery()->flush();
}
void BM_OneEditRecoveryOn(benchmark::State &state)
{
    editWithRecovery(state, true, false);
}
void BM_OneEditRecoveryOff(benchmark::State &state)
{
    editWithRecovery(state, false, false);
}
void BM_OneEditRecoveryWrittenEachTime(benchmark::State &state)
{
    editWithRecovery(state, true, true);
}
BENCHMARK(BM_OneEditRecoveryOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneEditRecoveryOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneEditRecoveryWrittenEachTime)->Unit(benchmark::kMicrosecond);

// The same edit as the user commits it: typed the Dutch way ("1.150") into the cell editor and
// normalised on commit, against a plain text committed the same way.
void typedEdit(benchmark::State &state, bool dutch)
{
    MainWindow w;
    fillGrid(w);
    w.findChild<QComboBox *>(QStringLiteral("Situatie_Jaartal"))->setCurrentIndex(5);
    int i = 0;
    for (auto _ : state) {
        const int rent = 1000 + (++i % 500);
        testsupport::typeCell(w, 10, 7, dutch ? QStringLiteral("1.%1").arg(rent % 1000, 3, 10, QLatin1Char('0')) : QString::number(rent));
        benchmark::DoNotOptimize(w.store().block(10).years[5].series[1]);
    }
}
void BM_TypedEditPlain(benchmark::State &state)
{
    typedEdit(state, false);
}
void BM_TypedEditDutch(benchmark::State &state)
{
    typedEdit(state, true);
}
BENCHMARK(BM_TypedEditPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypedEditDutch)->Unit(benchmark::kMicrosecond);

// An edit while the uncertainty paths run: the window refreshes and starts the next run;
// the running one is cancelled, nothing waits for it.
void BM_OneEditWhilePathsRun(benchmark::State &state)
{
    MainWindow w;
    fillGrid(w);
    w.findChild<QCheckBox *>(QStringLiteral("Spreiding"))->setChecked(true);
    QTableWidgetItem *rent = grid(w)->item(10, 7);
    int i = 0;
    for (auto _ : state) {
        rent->setText(QString::number(1000 + (++i % 500)));
        benchmark::DoNotOptimize(w.store().block(10).years[5].series[1]);
    }
    w.findChild<QCheckBox *>(QStringLiteral("Spreiding"))->setChecked(false);
}
BENCHMARK(BM_OneEditWhilePathsRun)->Unit(benchmark::kMicrosecond);

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

QUORVANT_WINDOW_BENCHMARK_MAIN()
