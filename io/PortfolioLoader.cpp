#include "io/PortfolioLoader.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "io/InvestFormat.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentStore.h"

double LoadedCellValue(int column, const QString &text)
{
    const double value = FieldFromText(text);
    if (column == ColStartYear && value != EmptyField && !IsValidStartYear(value))
        return EmptyField;
    return value;
}

void LoadPortfolio(const InvestFields &fields, InvestmentStore &store)
{
    store.clearProjections();
    for (int r = 0; r < MaxRows; ++r) {
        const int type = TypeIndexOfName(fields.cell(r, ColType));
        store.setRowType(r, type);
        InvestmentInput &input = store.input(r);
        input.field[ColType] = type;
        for (int c = 1; c < FieldCount; ++c)
            input.field[c] = ColumnApplies(type, c) ? LoadedCellValue(c, fields.cell(r, c)) : EmptyField;
    }
    // Each row in grid order, as the window accepts them one after the other; when the
    // base year moves the store projects the rows it already holds again.
    for (int r = 0; r < MaxRows; ++r)
        store.addInvestment(r);
}

void LoadPortfolioText(const QString &text, InvestmentStore &store)
{
    LoadPortfolio(ParseInvestFields(text), store);
}
