#include "io/PortfolioLoader.h"

#include "grid/RowEdit.h"
#include "grid/ColumnCatalogue.h"
#include "io/InvestFormat.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentStore.h"

double LoadedCellValue(int column, const QString &text)
{
    double field = EmptyField;
    CellFieldFromText(column, text, &field);
    return field;
}

QVector<int> LoadPortfolio(const InvestFields &fields, InvestmentStore &store)
{
    QVector<int> refusedYears;
    store.clearProjections();
    store.setCostTax(CostTaxFromFieldTexts(fields.assumptions));
    for (int r = 0; r < MaxRows; ++r) {
        ClearRow(store, r);
        SetCellFromText(store, r, ColType, fields.cell(r, ColType));
        const int type = store.rowType(r);
        for (int c = 1; c < FieldCount; ++c) {
            if (ColumnApplies(type, c)
                && SetCellFromText(store, r, c, fields.cell(r, c)) == CellEditResult::RejectedStartYear)
                refusedYears.append(r);
        }
    }
    // Every complete row against the base year of them all, as accepting them one after the
    // other in grid order ends.
    store.projectAll();
    return refusedYears;
}

QVector<int> LoadPortfolioText(const QString &text, InvestmentStore &store)
{
    return LoadPortfolio(ParseInvestFields(text), store);
}
