#ifndef PLANSOURCE_H
#define PLANSOURCE_H

#include "model/YearOverview.h"

#include <functional>

// What the year overview and the plan report need of the main window, as three calls, so
// that neither depends on how the window holds its document.
struct PlanSource
{
    // The portfolio on screen and its planning settings, read when they are needed.
    std::function<PlanState()> state;
    // The calendar year the window shows (0: none), and choosing one there.
    std::function<int()> chosenYear;
    std::function<void(int year)> chooseYear;
};

#endif // PLANSOURCE_H
