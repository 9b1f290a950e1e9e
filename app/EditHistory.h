#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include "generator/GeneratorMath.h"
#include "model/CostTax.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QColor>
#include <QSharedData>
#include <QSharedDataPointer>
#include <QString>
#include <QUndoCommand>

class QUndoStack;

// Everything one undo step gives back: every input cell's text, each row's colour and the
// generator panel. The numbers, the projections, the output grid and the labels follow from
// these through the cell rule. Texts are shared with the grid, and neighbouring steps share
// the snapshot between them, so a step costs one snapshot.
struct GridSnapshot : public QSharedData
{
    QString texts[MaxRows][FieldCount];
    QColor rowColours[MaxRows];
    int kind = 0;
    QString panel[GeneratorFieldCount];
    bool yearListEmpty = true;
    CostTaxAssumptions costTax;
    // The year the user reads when the step is taken; choosing a year is no step of its own,
    // so it does not count in comparing two snapshots.
    QString chosenYear;

    bool operator==(const GridSnapshot &other) const;
    bool operator!=(const GridSnapshot &other) const { return !(*this == other); }
};

// The document around the portfolio: its file and whether it differs from that file. An
// opened file brings its own; undoing the Open gives back the one it replaced.
struct DocumentSide
{
    QString file;
    qint64 cleanStep = -1; // the step at which it equals its file; -1: at none
    bool panelChanged = false; // typed in the generator panel since then
    QString untitledName; // the title's name without a file ("Voorbeeld"); empty: "Naamloos"
};

// What the undo steps act on: the window shows a snapshot and names a document.
class SnapshotTarget
{
public:
    virtual ~SnapshotTarget() = default;
    virtual void ApplySnapshot(const GridSnapshot &snapshot) = 0;
    virtual DocumentSide CurrentDocument() const = 0;
    virtual void RestoreDocument(const DocumentSide &side) = 0;
};

// One step of the undo history: the portfolio before and after a cell edit, a type change,
// a generator run or clearing. Every step has a serial number of its own, by which the
// document knows the step at which it was saved.
class SnapshotCommand : public QUndoCommand
{
public:
    using Shared = QSharedDataPointer<GridSnapshot>;
    SnapshotCommand(SnapshotTarget *target, const QString &text, const Shared &before, const Shared &after);

    void undo() override;
    void redo() override;

    qint64 serial() const { return m_serial; }

protected:
    SnapshotTarget *target;

private:
    Shared before;
    Shared after;
    qint64 m_serial;
    bool done = true; // the step has already happened when it is pushed
};

// Opening a file: the portfolio and the document change together, so that after an undo the
// title, the file that Save writes and the unsaved mark are those of the document it replaced.
class OpenCommand : public SnapshotCommand
{
public:
    // `opened` names the opened file; with `openedClean` it equals that file at this step
    // (an opened file), otherwise it is unsaved from the start (recovered work).
    OpenCommand(SnapshotTarget *target, const QString &text, const Shared &before, const Shared &after,
        const QString &opened, bool openedClean, const QString &untitledName = QString());

    void undo() override;
    void redo() override;

private:
    DocumentSide m_replaced;
    DocumentSide m_opened;
};

// Which step the portfolio on screen is at, by serial number, also after the oldest steps
// have been dropped by the undo limit. The step before any command is 0.
class StepTracker
{
public:
    explicit StepTracker(QUndoStack *stack);

    qint64 current() const;
    // Call before every push: the push may drop the oldest command.
    void beforePush();

private:
    QUndoStack *m_stack;
    qint64 m_base = 0; // the step reached by the commands dropped so far
};

#endif // EDITHISTORY_H
