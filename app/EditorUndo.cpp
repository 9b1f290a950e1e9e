#include "app/EditorUndo.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

EditorUndo::EditorUndo(QAbstractItemView *grid)
    : QObject(grid)
{
    // Every editor the grid opens is a child of its viewport.
    grid->viewport()->installEventFilter(this);
}

bool EditorUndo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
        return false;
    }
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) || (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y);
    if (!undo && !redo)
        return false;
    if (auto *line = qobject_cast<QLineEdit *>(watched)) {
        if (undo ? line->isUndoAvailable() : line->isRedoAvailable())
            return false; // the editor undoes its own typing
    }
    // Nothing to undo in the editor: close it as Escape does (its text is not committed over
    // what the history brings back) and leave the shortcut to the window.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(watched, &escape);
    event->ignore();
    return true;
}
