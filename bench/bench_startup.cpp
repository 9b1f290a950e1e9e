// Start-up probe: builds the main window with the program's font (or, with "bare", a plain
// QMainWindow), shows it,
// waits until it is exposed on screen and exits, printing the resident memory at that point.
// scripts/measure-startup.sh times whole runs of it side by side under Xvfb.

#include "app/AppFont.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}
} // namespace

int main(int argc, char **argv)
{
    const bool bare = argc > 1 && qstrcmp(argv[1], "bare") == 0;
    Q_INIT_RESOURCE(resources);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::unique_ptr<QMainWindow> window;
    if (bare) {
        window = std::make_unique<QMainWindow>();
    } else {
        UseApplicationFont(); // as main() does: the program's own font, loaded from its resources
        window = std::make_unique<MainWindow>();
    }
    window->show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        if (window->windowHandle() && window->windowHandle()->isExposed()) {
            std::printf("rss_kib %ld\n", residentKiB());
            QCoreApplication::quit();
        }
    });
    poll.start(1);
    return app.exec();
}
