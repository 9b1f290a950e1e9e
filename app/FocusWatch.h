#ifndef FOCUSWATCH_H
#define FOCUSWATCH_H

#include <QObject>

#include <functional>

class QWidget;

// Calls `onFocusOut` whenever `widget` loses the keyboard focus (the moment a typed entry in
// a field without an editing-finished signal counts as committed). The watch lives as long as
// the widget.
void WatchFocusOut(QWidget *widget, std::function<void()> onFocusOut);

#endif // FOCUSWATCH_H
