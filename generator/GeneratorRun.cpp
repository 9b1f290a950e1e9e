#include "generator/GeneratorRun.h"

#include "grid/ColumnCatalogue.h"
#include "grid/RowEdit.h"
#include "io/InvestFormat.h"
#include "model/InvestmentStore.h"

GeneratorPanel GeneratorPanelFromFields(const InvestFields &fields)
{
    GeneratorPanel panel;
    const int kind = static_cast<int>(InvestmentTypeNames.indexOf(fields.kind));
    panel.kind = kind >= 0 && kind < GeneratorKindCount ? kind : 0;
    for (int k = 0; k < GeneratorFieldCount; ++k)
        panel.parameters.field[k] = GeneratorParameterFromText(fields.generator[k]);
    return panel;
}

bool WriteGeneratedRow(InvestmentStore &store, const InvestmentInput &record)
{
    const int row = FirstIncompleteRow(store);
    if (row < 0)
        return false;
    SetRowType(store, row, GeneratedRowType(record.field[ColType]));
    for (int c = 1; c < FieldCount; ++c)
        SetCellFromText(store, row, c, GeneratedCellText(record.field[c]));
    store.addInvestment(row);
    return true;
}

bool RunGenerator(InvestmentStore &store, const GeneratorPanel &panel)
{
    if (!RunCanStart(panel.parameters))
        return false;
    if (!WritesSingleCashRow(panel.kind, panel.parameters))
        WriteGeneratedRow(store, SavingsPlanRecord(panel.parameters)); // a full grid gets no savings plan
    RunPurchases(store, panel.kind, panel.parameters,
        [&store](const InvestmentInput &record) { return WriteGeneratedRow(store, record); });
    return true;
}
