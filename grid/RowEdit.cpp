#include "grid/RowEdit.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentStore.h"

void SetRowType(InvestmentStore &store, int row, int type)
{
    if (!InvestmentStore::isValidRow(row))
        return;
    store.setRowType(row, type);
    const int kept = store.rowType(row);
    InvestmentInput &input = store.input(row);
    input.field[ColType] = kept;
    for (int c = 1; c < FieldCount; ++c) {
        if (!ColumnApplies(kept, c))
            input.field[c] = EmptyField;
    }
}

void ClearRow(InvestmentStore &store, int row)
{
    if (InvestmentStore::isValidRow(row))
        store.input(row).setAllEmpty();
}

CellEditResult SetCellFromText(InvestmentStore &store, int row, int column, const QString &text)
{
    if (!InvestmentStore::isValidRow(row) || column < 0 || column >= FieldCount)
        return CellEditResult::Ignored;
    if (column == ColType) {
        SetRowType(store, row, TypeIndexOfName(text));
        return CellEditResult::Accepted;
    }
    return CellFieldFromText(column, text, &store.input(row).field[column]);
}

CellEditResult CellFieldFromText(int column, const QString &text, double *field)
{
    const std::optional<double> number = text.isEmpty() ? std::optional<double>(EmptyField) : NumberFromText(text);
    *field = number.value_or(0.0);
    if (column == ColStartYear && IsRefusedStartYear(*field)) {
        *field = EmptyField;
        return CellEditResult::RejectedStartYear;
    }
    return number ? CellEditResult::Accepted : CellEditResult::NotANumber;
}
