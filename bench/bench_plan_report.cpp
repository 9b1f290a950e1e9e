// The year overview and the plan report without a display: opening the overview of a window
// with 30 rows (31 years), and writing the report of that portfolio as PDF (the 10.000 paths,
// the two charts and the pages).

#include "BenchSupport.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/PlanReport.h"
#include "app/YearOverviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_OpenOverview(benchmark::State &state)
{
    MainWindow w;
    testsupport::typeExampleRows(w, 30);
    QAction *open = w.findChild<QAction *>(QStringLiteral("actionJaaroverzicht"));
    for (auto _ : state) {
        open->trigger();
        auto *overview = w.findChild<YearOverviewWindow *>();
        QApplication::processEvents(); // shown and painted
        state.PauseTiming();
        delete overview;
        state.ResumeTiming();
    }
    state.counters["rows"] = w.store().projectedRowCount();
}
BENCHMARK(BM_OpenOverview)->Unit(benchmark::kMillisecond);

void BM_WriteReport(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString inv = dir.filePath(QStringLiteral("plan.inv"));
    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    MainWindow w;
    testsupport::typeExampleRows(w, 30);
    testsupport::triggerWithFile(w, "actionSave_as", inv);
    PlanState plan;
    plan.store = &w.store();
    plan.inflationPercent = 2.0;
    plan.monthlySpending = 3000.0;
    plan.fileName = inv;
    plan.portfolioText = w.InvestText();
    for (auto _ : state) {
        const PlanReport report(plan);
        QString error;
        if (!report.writePdf(pdf, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    state.counters["paths"] = plan.pathSettings.paths;
}
BENCHMARK(BM_WriteReport)->Unit(benchmark::kMillisecond);

} // namespace

QUORVANT_WINDOW_BENCHMARK_MAIN()
