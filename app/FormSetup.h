#ifndef FORMSETUP_H
#define FORMSETUP_H

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QMainWindow;
class QRect;
class QWidget;
namespace Ui {
class MainWindow;
}
QT_END_NAMESPACE

// What the fixed-pixel form gets on top of its specified set-up, once the grids have their
// header items: a scroll area around it for screens smaller than the form, tool tips on the
// grid headers, accessible names, Delete in the input grid and one-line generator fields.
void FinishMainForm(QMainWindow *window, Ui::MainWindow *ui);

// Once every part has placed its controls: the form grows to hold them all, so that the
// scroll area reaches each control whole, none behind the status bar.
void FitFormToControls(QWidget *form);

// Shows the window on a screen whose free area is `available`: grown to show the whole form
// where the screen has room for it, maximised on a screen smaller than the window.
void ShowOnScreen(QMainWindow *window, const QRect &available);

#endif // FORMSETUP_H
