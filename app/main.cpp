#include "app/AppFont.h"
#include "app/FormSetup.h"
#include "app/MainWindow.h"
#include "app/PlanReport.h"
#include "app/RecoveryController.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QScreen>
#include <QStringList>

#include <cstring>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    // The form is drawn in fixed pixels: on a high-density screen it is scaled, not shrunk.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // "quorvant --report RAPPORT.pdf BESTAND" writes the plan report and shows no window; it
    // needs no display.
    const bool report = argc > 1 && std::strcmp(argv[1], "--report") == 0;
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication a(argc, argv);
    // Qt's own texts (the buttons of message boxes, the file dialogs) in Dutch, like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        a.installTranslator(&qtTexts);
    UseApplicationFont();
    if (report)
        return RunReportCommand(QCoreApplication::arguments());
    MainWindow w;
    // Grown to show the whole form where the screen has room, maximised on a screen smaller
    // than the window (a 1366 x 768 laptop), where the form scrolls.
    ShowOnScreen(&w, w.screen() ? w.screen()->availableGeometry() : QRect());
    // Work a crash left unsaved is offered first.
    const bool restored = w.Recovery()->offerLeftWork();
    // "quorvant FILE" opens that file, as File > Open would (a double-clicked .inv file).
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && !arguments.at(1).isEmpty()) {
        if (restored)
            w.OpenFileAsking(arguments.at(1));
        else
            w.OpenFile(arguments.at(1));
    }
    return a.exec();
}
