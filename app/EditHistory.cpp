#include "app/EditHistory.h"

#include <QUndoStack>

namespace {
qint64 lastSerial = 0;
}

bool GridSnapshot::operator==(const GridSnapshot &other) const
{
    if (kind != other.kind || yearListEmpty != other.yearListEmpty || costTax != other.costTax)
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

SnapshotCommand::SnapshotCommand(SnapshotTarget *owner, const QString &text, const Shared &from, const Shared &to)
    : QUndoCommand(text)
    , target(owner)
    , before(from)
    , after(to)
    , m_serial(++lastSerial)
{
}

void SnapshotCommand::undo()
{
    target->ApplySnapshot(*before.constData());
    done = false;
}

void SnapshotCommand::redo()
{
    if (done)
        return;
    target->ApplySnapshot(*after.constData());
    done = true;
}

OpenCommand::OpenCommand(SnapshotTarget *owner, const QString &text, const Shared &from, const Shared &to,
    const QString &opened, bool openedClean, const QString &untitledName)
    : SnapshotCommand(owner, text, from, to)
{
    m_opened.file = opened;
    m_opened.untitledName = untitledName;
    m_opened.cleanStep = openedClean ? serial() : -1;
}

void OpenCommand::undo()
{
    // What became of the opened document meanwhile (a save) is kept for the redo.
    m_opened = target->CurrentDocument();
    SnapshotCommand::undo();
    target->RestoreDocument(m_replaced);
}

void OpenCommand::redo()
{
    // Also when the command is pushed: the document it replaces is the one on screen.
    m_replaced = target->CurrentDocument();
    SnapshotCommand::redo();
    target->RestoreDocument(m_opened);
}

StepTracker::StepTracker(QUndoStack *stack)
    : m_stack(stack)
{
}

qint64 StepTracker::current() const
{
    const int index = m_stack->index();
    if (index <= 0)
        return m_base;
    return static_cast<const SnapshotCommand *>(m_stack->command(index - 1))->serial();
}

void StepTracker::beforePush()
{
    // A push first drops the steps that could be redone, then the oldest beyond the limit.
    const int limit = m_stack->undoLimit();
    if (limit > 0 && m_stack->index() >= limit)
        m_base = static_cast<const SnapshotCommand *>(m_stack->command(0))->serial();
}
