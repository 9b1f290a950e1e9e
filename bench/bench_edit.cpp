// One edit in a full grid, from the cell's new text to the refreshed output grid and labels,
// and clearing a full grid; both in the real window without a display.

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

void setType(MainWindow &w, int row, int type)
{
    QTableWidget *g = grid(w);
    g->selectionModel()->blockSignals(true);
    g->selectionModel()->setCurrentIndex(g->model()->index(row, 1), QItemSelectionModel::NoUpdate);
    g->selectionModel()->blockSignals(false);
    w.on_InvestTypeChanged(type);
}

// Thirty complete rows of every type.
void fillGrid(MainWindow &w)
{
    for (int r = 0; r < 30; ++r) {
        const int type = r % 5;
        setType(w, r, type);
        auto set = [&](int c, const char *text) { grid(w)->item(r, c)->setText(QString::fromLatin1(text)); };
        set(1, r % 2 ? "2021" : "2020");
        switch (type) {
        case 0:
            set(6, "200000"); set(7, "1000"); set(8, "2"); set(9, "3"); set(11, "80"); set(12, "3"); set(13, "20");
            break;
        case 1:
            set(6, "150000"); set(7, "800"); set(8, "2"); set(9, "2");
            break;
        case 2:
            set(2, "10000"); set(3, "0"); set(4, "5"); set(6, "10000"); set(15, "6");
            break;
        case 3:
            set(2, "1000"); set(3, "100");
            break;
        default:
            set(2, "1000"); set(3, "100"); set(4, "10"); set(15, "5");
            break;
        }
    }
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
