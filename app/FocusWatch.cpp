#include "app/FocusWatch.h"

#include <QEvent>
#include <QWidget>

FocusWatch::FocusWatch(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool FocusWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        emit focusLost();
    return QObject::eventFilter(watched, event);
}
