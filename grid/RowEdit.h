#ifndef ROWEDIT_H
#define ROWEDIT_H

// The one way a row of the store is changed: the window's cell rule, the file loader and the
// generator's row writing all go through these, so a row reads the same whoever wrote it.

#include <QString>

class InvestmentStore;

// What setting a cell from its text did.
enum class CellEditResult {
    Accepted, // a number, or an empty text (stored as the empty marker)
    NotANumber, // a text that is no number: stored as 0, as every earlier version did
    RejectedStartYear, // a "Jaartal" outside 1920 .. 2100: the field is emptied
    Ignored, // a row or column outside the store
};

// Sets a row's type (kept within the five kinds): the type goes into field 0 and every
// field whose column does not apply to it is emptied.
void SetRowType(InvestmentStore &store, int row, int type);

// Empties every field of a row, its type field included.
void ClearRow(InvestmentStore &store, int row);

// Sets one cell of a row from its text. Column 0 sets the type named by the text (type 0
// for anything else) as SetRowType does; every other column stores the text's number.
CellEditResult SetCellFromText(InvestmentStore &store, int row, int column, const QString &text);

// The field a text gives in an input column other than the Type column, as above.
CellEditResult CellFieldFromText(int column, const QString &text, double *field);

#endif // ROWEDIT_H
