#include "app/AppFont.h"
#include "app/FormSetup.h"
#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "app/PlanReport.h"
#include "app/RecoveryController.h"

#include <QApplication>
#include <QScreen>
#include <QStringList>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    // The form is drawn in fixed pixels: on a high-density screen it is scaled, not shrunk.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // "quorvant --report RAPPORT.pdf BESTAND" writes the plan report and shows no window; it
    // needs no display. The language option may come before it.
    int first = 1;
    if (argc > first && std::strcmp(argv[first], "--lang") == 0)
        first += 2;
    else if (argc > first && std::strncmp(argv[first], "--lang=", 7) == 0)
        first += 1;
    const bool report = argc > first && std::strcmp(argv[first], "--report") == 0;
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication a(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    Language language = LanguageSettings::load().language;
    if (!TakeLanguageOption(&arguments, &language)) {
        std::fputs("quorvant: --lang kent en, nl of origineel\n", stderr);
        return 2;
    }
    InstallLanguage(&a, language);
    UseApplicationFont();
    if (report)
        return RunReportCommand(arguments);
    MainWindow w;
    // Grown to show the whole form where the screen has room, maximised on a screen smaller
    // than the window (a 1366 x 768 laptop), where the form scrolls.
    ShowOnScreen(&w, w.screen() ? w.screen()->availableGeometry() : QRect());
    // Work a crash left unsaved is offered first.
    const bool restored = w.Recovery()->offerLeftWork();
    // "quorvant FILE" opens that file, as File > Open would (a double-clicked .inv file).
    if (arguments.size() > 1 && !arguments.at(1).isEmpty()) {
        if (restored)
            w.OpenFileAsking(arguments.at(1));
        else
            w.OpenFile(arguments.at(1));
    }
    return a.exec();
}
