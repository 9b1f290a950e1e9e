// Saving the chart of 30 projected rows as a picture from the chart window, through the
// "Opslaan als afbeelding..." action with the file name given in place of the dialog.

#include "BenchSupport.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "charts/ChartImageFile.h"
#include "charts/LineGraphs.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

void saveChart(benchmark::State &state, int filter)
{
    benchsupport::silenceDebugOutput();
    QTemporaryDir folder;
    auto w = std::make_unique<MainWindow>();
    testsupport::typeExampleRows(*w, 30);
    if (w->ProjectedRowCount() != 30) {
        state.SkipWithError("the portfolio did not project 30 rows");
        return;
    }
    w->findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
    LineGraphs *chart = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<LineGraphs *>(widget))
            chart = found;
    }
    if (!chart) {
        state.SkipWithError("no chart window opened");
        return;
    }
    // The window at its usual size, shown and laid out.
    chart->resize(1430, 920);
    chart->show();
    QCoreApplication::processEvents();

    const QString name = folder.filePath(QStringLiteral("grafiek"));
    const QString chosen = ChartImageFilters().at(filter);
    chart->SetImageFileProvider([&](const QString &, const QString &, const QString &, QString *selected) {
        *selected = chosen;
        return name;
    });
    QAction *save = chart->findChild<QAction *>(QStringLiteral("GrafiekOpslaan"));
    for (auto _ : state)
        save->trigger();
    const QString written = ChartImageTargetFor(name, chosen).fileName;
    if (!QFile::exists(written))
        state.SkipWithError("no picture was written");
    else
        state.counters["bytes"] = static_cast<double>(QFile(written).size());
    delete chart;
}

void BM_SaveChart_Png(benchmark::State &state)
{
    saveChart(state, 0);
}

void BM_SaveChart_PngTwice(benchmark::State &state)
{
    saveChart(state, 1);
}

void BM_SaveChart_Svg(benchmark::State &state)
{
    saveChart(state, 2);
}

} // namespace

BENCHMARK(BM_SaveChart_Png)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveChart_PngTwice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveChart_Svg)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchsupport::useOffscreenPlatform();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    return benchsupport::runBenchmarks(argc, argv);
}
