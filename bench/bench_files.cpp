// Opening an investment file with 30 complete rows in the main window (offscreen), the
// command-line exporter as a whole process on the same file, and the core's part of both.

#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "grid/ColumnCatalogue.h"
#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentStore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

QString g_file;
QString g_exporter;

// 30 complete rows, the five types in turn, start years spread over a decade.
QString portfolioText()
{
    InvestFields fields(MaxRows, FieldCount);
    fields.kind = InvestmentTypeNames.at(0);
    for (int r = 0; r < MaxRows; ++r) {
        const int type = r % InvestmentTypeCount;
        fields.setCell(r, ColType, InvestmentTypeNames.at(type));
        for (int c = 1; c < FieldCount; ++c) {
            if (!ColumnApplies(type, c))
                continue;
            QString text;
            switch (c) {
            case ColStartYear:
                text = QString::number(2015 + r % 10);
                break;
            case ColPrice:
                text = type == CashForCashflow ? QStringLiteral("10000") : QStringLiteral("200000");
                break;
            case ColLoanToValue:
                text = QStringLiteral("80");
                break;
            case ColMortgageYears:
                text = QStringLiteral("25");
                break;
            case ColDepositPeriod:
                text = QStringLiteral("10");
                break;
            default:
                text = QString::number(1 + (r + c) % 7 * 1.5);
                break;
            }
            fields.setCell(r, c, text);
        }
    }
    return InvestTextFromFields(fields);
}

void openInWindow(benchmark::State &state)
{
    MainWindow w;
    w.show();
    QCoreApplication::processEvents();
    w.setOpenFileNameProvider([]() { return g_file; });
    QAction *open = w.findChild<QAction *>(QStringLiteral("actionOpen"));
    if (!open) {
        state.SkipWithError("no actionOpen");
        return;
    }
    for (auto _ : state) {
        open->trigger();
        QCoreApplication::processEvents(); // the repaint that follows belongs to opening
    }
    if (w.store().projectedRowCount() != MaxRows)
        state.SkipWithError("not every row was projected");
}
BENCHMARK(openInWindow)->Unit(benchmark::kMillisecond);

void exporterProcess(benchmark::State &state)
{
    const QByteArray program = QFile::encodeName(g_exporter);
    const QByteArray file = QFile::encodeName(g_file);
    char *argv[] = { const_cast<char *>(program.constData()), const_cast<char *>(file.constData()), nullptr };
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start quorvant-export");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("quorvant-export failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(exporterProcess)->Unit(benchmark::kMillisecond);

// The exporter's own work without process start: read, parse, load, project, format.
void readLoadAndFormat(benchmark::State &state)
{
    for (auto _ : state) {
        QString text;
        ReadInvestTextFile(g_file, &text, nullptr);
        InvestmentStore store;
        LoadPortfolioText(text, store);
        benchmark::DoNotOptimize(ProjectionCsvText(store, false));
    }
}
BENCHMARK(readLoadAndFormat)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    benchsupport::useOffscreenPlatform();
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    benchsupport::silenceDebugOutput();

    QTemporaryDir dir;
    g_file = dir.filePath(QStringLiteral("thirty-rows.inv"));
    QString error;
    if (!dir.isValid() || !SaveTextFile(g_file, portfolioText(), &error)) {
        fprintf(stderr, "cannot write the portfolio: %s\n", qPrintable(error));
        return 1;
    }
    g_exporter = qEnvironmentVariableIsSet("QUORVANT_EXPORT")
        ? qEnvironmentVariable("QUORVANT_EXPORT")
        : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../quorvant-export"));
    if (!QFileInfo(g_exporter).isExecutable())
        fprintf(stderr, "no exporter at %s (set QUORVANT_EXPORT)\n", qPrintable(g_exporter));

    return benchsupport::runBenchmarks(argc, argv);
}
