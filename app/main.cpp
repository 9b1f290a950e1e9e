#include "app/AppFont.h"
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    // The form is drawn in fixed pixels: on a high-density screen it is scaled, not shrunk.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication a(argc, argv);
    UseApplicationFont();
    MainWindow w;
    w.show();
    return a.exec();
}
