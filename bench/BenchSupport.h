#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

// What the window benchmarks share: a grid of example investments typed in as a user would,
// and a main that runs Google Benchmark inside a Qt application without a display.

#include "app/MainWindow.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace benchsupport {

struct ExampleRow
{
    int type;
    QStringList cells; // from column 1 on; a null string leaves the cell alone
};

// One complete row of each type, the start years 2020 to 2024.
inline const QList<ExampleRow> &exampleRows()
{
    static const QString skip;
    static const QList<ExampleRow> rows {
        { 0, { "2020", skip, skip, skip, skip, "200000", "1000", "2", "3", skip, "80", "3", "20" } },
        { 1, { "2021", skip, skip, skip, skip, "150000", "800", "2", "2" } },
        { 2, { "2022", "10000", "0", "5", skip, "10000", skip, skip, skip, skip, skip, skip, skip, skip, "6" } },
        { 3, { "2023", "1000", "100" } },
        { 4, { "2024", "1000", "100", "10", skip, skip, skip, skip, skip, skip, skip, skip, skip, skip, "5" } },
    };
    return rows;
}

// Types `count` rows of the example kinds in turn: the type through the type selector, then
// the cells, each running the window's cell rule.
inline void typeExampleRows(MainWindow &w, int count)
{
    auto *grid = w.findChild<QTableWidget *>(QStringLiteral("Vastgoed"));
    for (int r = 0; r < count; ++r) {
        const ExampleRow &row = exampleRows().at(r % exampleRows().size());
        {
            const QSignalBlocker quiet(grid->selectionModel()); // no editor opens on the cell
            grid->selectionModel()->setCurrentIndex(grid->model()->index(r, 1), QItemSelectionModel::NoUpdate);
        }
        w.on_InvestTypeChanged(row.type);
        for (int i = 0; i < row.cells.size(); ++i) {
            if (!row.cells.at(i).isNull())
                grid->item(r, i + 1)->setText(row.cells.at(i));
        }
    }
}

// Call before the QApplication is made.
inline void useOffscreenPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Debug lines ("addinvestment" at every projection) would otherwise be part of the measurement.
inline void silenceDebugOutput()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

inline int runBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport

#endif // BENCHSUPPORT_H
