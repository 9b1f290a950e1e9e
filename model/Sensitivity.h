#ifndef SENSITIVITY_H
#define SENSITIVITY_H

// "Gevoeligheid": which assumption matters most. Each assumption of a plan is moved by a
// stated step both ways (a rate by one percentage point, an amount by a tenth of itself) and
// the plan is projected again; what the free year and the net worth of one year do then is
// the assumption's effect.

#include "model/GoalSolver.h"

#include <QString>
#include <QVector>

#include <functional>

// One assumption: what it is called, its value in the plan, the step it moves by and how a
// value is put into a plan.
struct PlanAssumption
{
    enum Step { Points, Share };
    QString name;
    double value = 0.0;
    Step step = Points;
    double size = 1.0; // percentage points, or the share of the value (0.1)
    std::function<void(PlanInputs &plan, double value)> apply;

    // The moved values. A value of exactly -1 would read as an empty field (a rate of 0 moved
    // down a point would empty it and leave its row unprojected): it is taken a millionth
    // closer to zero instead.
    double low() const { return movable(step == Points ? value - size : value * (1.0 - size)); }
    double high() const { return movable(step == Points ? value + size : value * (1.0 + size)); }
    static double movable(double v) { return v == -1.0 ? -0.999999 : v; }
};

// Every assumption of the plan, in one list: each row's rates and amounts that its type uses
// and that are filled, the generator's fields when the generator takes part, the inflation
// and the spreads of the paths. New kinds of assumption are added here and nowhere else.
QVector<PlanAssumption> PlanAssumptions(const PlanInputs &plan);

struct SensitivityRow
{
    QString name;
    double value = 0.0, low = 0.0, high = 0.0; // the assumption and its two moved values
    PlanAssumption::Step step = PlanAssumption::Points;
    double size = 0.0;
    PlanOutcome lowOutcome, highOutcome;
    // Net worth of the year minus that of the plan as it is, for the low and the high value.
    double netWorthLow = 0.0, netWorthHigh = 0.0;
    // Free year minus that of the plan as it is, in years; valid only when both have one.
    int freeYearLow = 0, freeYearHigh = 0;
    bool freeYearLowKnown = false, freeYearHighKnown = false;

    // How much the assumption moves the net worth from its low to its high value.
    double netWorthSwing() const;
    // How much it moves the free year, a missing free year counting as one year after the horizon.
    int freeYearSwing() const;
};

struct SensitivityTable
{
    int year = 0;
    PlanOutcome base;
    QVector<SensitivityRow> rows; // by effect: the largest net-worth swing first, then the free year
};

// The table for the net worth of `year`; with `chanceGoal` every plan also runs its paths for
// that goal's chance (the spreads have an effect only then).
SensitivityTable RunSensitivity(const PlanInputs &plan, int year, const SolveGoal *chanceGoal = nullptr);

// The step of a row as the table shows it: "± 1,0 %-punt", "± 10 %".
QString SensitivityStepText(const SensitivityRow &row);



// The table as CSV for scripts: a header, the plan itself ("plan"), then one line per
// assumption in the table's order. Free years are calendar years or "geen"; amounts in the
// plain number format of the exporter.
QByteArray SensitivityCsvBytes(const SensitivityTable &table);
#endif // SENSITIVITY_H
