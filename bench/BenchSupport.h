#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

// What the benchmarks share: a main that runs Google Benchmark inside a Qt application
// without a display. The window benchmarks type their example investments in with the test
// support's helpers.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace benchsupport {

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

// The main of a benchmark of the real window: offscreen, with the program's resources and
// without its debug lines.
#define QUORVANT_WINDOW_BENCHMARK_MAIN()                                                                  \
    int main(int argc, char **argv)                                                                       \
    {                                                                                                     \
        benchsupport::useOffscreenPlatform();                                                             \
        Q_INIT_RESOURCE(resources);                                                                       \
        QApplication app(argc, argv);                                                                     \
        benchsupport::silenceDebugOutput();                                                               \
        return benchsupport::runBenchmarks(argc, argv);                                                   \
    }

#endif // BENCHSUPPORT_H
