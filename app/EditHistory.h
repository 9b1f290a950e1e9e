#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include "generator/GeneratorMath.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QColor>
#include <QSharedData>
#include <QSharedDataPointer>
#include <QString>
#include <QUndoCommand>

class MainWindow;

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
    // The year the user reads when the step is taken; choosing a year is no step of its own,
    // so it does not count in comparing two snapshots.
    QString chosenYear;

    bool operator==(const GridSnapshot &other) const;
    bool operator!=(const GridSnapshot &other) const { return !(*this == other); }
};

// One step of the undo history: the portfolio before and after a cell edit, a type change,
// a generator run, clearing or opening a file.
class SnapshotCommand : public QUndoCommand
{
public:
    using Shared = QSharedDataPointer<GridSnapshot>;
    SnapshotCommand(MainWindow *window, const QString &text, const Shared &before, const Shared &after);

    void undo() override;
    void redo() override;

private:
    MainWindow *window;
    Shared before;
    Shared after;
    bool done = true; // the step has already happened when it is pushed
};

#endif // EDITHISTORY_H
