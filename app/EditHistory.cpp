#include "app/EditHistory.h"

#include "app/MainWindow.h"

bool GridSnapshot::operator==(const GridSnapshot &other) const
{
    if (kind != other.kind || yearListEmpty != other.yearListEmpty)
        return false;
    for (int r = 0; r < MaxRows; ++r) {
        if (rowColours[r] != other.rowColours[r])
            return false;
        for (int c = 0; c < FieldCount; ++c) {
            if (texts[r][c] != other.texts[r][c])
                return false;
        }
    }
    for (int k = 0; k < GeneratorFieldCount; ++k) {
        if (panel[k] != other.panel[k])
            return false;
    }
    return true;
}

SnapshotCommand::SnapshotCommand(MainWindow *owner, const QString &text, const Shared &from, const Shared &to)
    : QUndoCommand(text)
    , window(owner)
    , before(from)
    , after(to)
{
}

void SnapshotCommand::undo()
{
    window->ApplySnapshot(*before.constData());
    done = false;
}

void SnapshotCommand::redo()
{
    if (done)
        return;
    window->ApplySnapshot(*after.constData());
    done = true;
}
