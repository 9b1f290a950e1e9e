#ifndef FORMSETUP_H
#define FORMSETUP_H

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QMainWindow;
namespace Ui {
class MainWindow;
}
QT_END_NAMESPACE

// What the fixed-pixel form gets on top of its specified set-up, once the grids have their
// header items: a scroll area around it for screens smaller than the form, tool tips on the
// grid headers, accessible names, Delete in the input grid and one-line generator fields.
void FinishMainForm(QMainWindow *window, Ui::MainWindow *ui);

#endif // FORMSETUP_H
