#ifndef GENERATORRUN_H
#define GENERATORRUN_H

// A "Get Wealthy" run on a store without a window: the rows go in as the grid takes them
// (each value through its cell text, six significant digits, the year check on the start
// year) and are projected as they are written, so the run buys what the window's run buys.

#include "generator/GeneratorMath.h"

class InvestmentStore;
struct InvestFields;

// The generator panel: the kind chosen in the list and the ten fields as numbers.
struct GeneratorPanel
{
    int kind = 0;
    GeneratorParameters parameters;
};

// The panel of an investment file: its kind by name (the first kind for a name that is none
// of the three) and its fields read as the panel reads them (empty or no number: 0).
GeneratorPanel GeneratorPanelFromFields(const InvestFields &fields);

// Writes a generated record into the first row of the store that is not complete, as the
// window writes it into the grid, and projects it. False when every row is complete.
bool WriteGeneratedRow(InvestmentStore &store, const InvestmentInput &record);

// One run on top of the rows the store holds: the savings plan, then the purchases. False,
// with nothing written, when the begin year does not pass the year check (the window then
// shows its message and writes nothing either).
bool RunGenerator(InvestmentStore &store, const GeneratorPanel &panel);

#endif // GENERATORRUN_H
