#include "model/PathRunner.h"

#include <QtConcurrent/QtConcurrentRun>

struct PathRunner::Run
{
    std::atomic<bool> cancel { false };
    std::atomic<int> pathsDone { 0 };
    int pathsTotal = 0;
};

PathRunner::PathRunner(QObject *parent)
    : QObject(parent)
{
    static const int registered = qRegisterMetaType<PathBands>("PathBands");
    Q_UNUSED(registered);
    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &PathRunner::reportProgress);
}

PathRunner::~PathRunner()
{
    cancel();
    for (QFuture<void> &future : m_futures)
        future.waitForFinished();
}

void PathRunner::start(const PathPortfolio &portfolio, const PathSettings &settings)
{
    cancel();
    forgetFinishedFutures();
    auto run = std::make_shared<Run>();
    run->pathsTotal = settings.bounded().paths;
    m_current = run;
    const int threads = m_threads;
    // The queued call to deliver() is dropped with the runner should it be gone by then; the
    // destructor waits for the task, so the task never outlives the runner.
    m_futures.append(QtConcurrent::run([this, run, portfolio, settings, threads] {
        PathRunControl control;
        control.threads = threads;
        control.cancel = &run->cancel;
        control.pathsDone = &run->pathsDone;
        const PathBands bands = RunPaths(portfolio, settings, control);
        if (!bands.cancelled)
            QMetaObject::invokeMethod(this, [this, run, bands] { deliver(run, bands); }, Qt::QueuedConnection);
    }));
    m_clock.start();
    m_progressTimer.start();
}

void PathRunner::cancel()
{
    if (m_current) {
        m_current->cancel = true;
        m_current.reset();
    }
    m_progressTimer.stop();
}

void PathRunner::deliver(const std::shared_ptr<Run> &run, const PathBands &bands)
{
    if (run != m_current)
        return; // superseded or cancelled while its result was on its way
    m_current.reset();
    m_progressTimer.stop();
    forgetFinishedFutures();
    emit finished(bands);
}

void PathRunner::reportProgress()
{
    if (m_current && m_clock.elapsed() >= ProgressDelayMs)
        emit progress(m_current->pathsDone.load(), m_current->pathsTotal);
}

void PathRunner::forgetFinishedFutures()
{
    for (int i = m_futures.size() - 1; i >= 0; --i) {
        if (m_futures.at(i).isFinished())
            m_futures.removeAt(i);
    }
}
