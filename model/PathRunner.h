#ifndef PATHRUNNER_H
#define PATHRUNNER_H

#include "model/PathSimulation.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

// Runs the paths of a portfolio off the calling thread, on every core. A new request cancels
// the one still running; only the newest request delivers its bands. Signals arrive on the
// thread the runner lives in.
class PathRunner : public QObject
{
    Q_OBJECT

public:
    // Progress is first reported once a run has taken this long, then every ProgressInterval.
    static constexpr int ProgressDelayMs = 100;
    static constexpr int ProgressIntervalMs = 50;

    explicit PathRunner(QObject *parent = nullptr);
    // Cancels what runs and waits for it to stop (a few milliseconds).
    ~PathRunner() override;

    // Starts a run of `portfolio` (copied) with `settings`, superseding any run in progress.
    void start(const PathPortfolio &portfolio, const PathSettings &settings);
    // Stops the run in progress; it delivers nothing.
    void cancel();
    bool isRunning() const { return m_current != nullptr; }
    // Threads per run; 0 (the default) uses every core.
    void setThreadCount(int threads) { m_threads = threads; }

signals:
    // Paths finished of the running request; sent only when a run takes longer than ProgressDelayMs.
    void progress(int pathsDone, int pathsTotal);
    // The bands of the newest request.
    void finished(const PathBands &bands);

private:
    struct Run;

    void deliver(const std::shared_ptr<Run> &run, const PathBands &bands);
    void reportProgress();
    void forgetFinishedFutures();

    std::shared_ptr<Run> m_current;
    QList<QFuture<void>> m_futures;
    QTimer m_progressTimer;
    QElapsedTimer m_clock;
    int m_threads = 0;
};

#endif // PATHRUNNER_H
