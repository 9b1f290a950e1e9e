#ifndef EDITORUNDO_H
#define EDITORUNDO_H

#include <QObject>

class QAbstractItemView;

// Undo and redo while a cell editor is open, as in a spreadsheet: the editor's own undo
// first when it has something to undo (or redo), otherwise the editor is closed without
// committing and the window's undo history takes the shortcut. A child of the grid.
class EditorUndo : public QObject
{
    Q_OBJECT

public:
    explicit EditorUndo(QAbstractItemView *grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // EDITORUNDO_H
