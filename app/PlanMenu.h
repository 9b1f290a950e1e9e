#ifndef PLANMENU_H
#define PLANMENU_H

#include "model/GoalSolver.h"

#include <QObject>
#include <QPointer>

#include <functional>

QT_BEGIN_NAMESPACE
class QMenu;
class QWidget;
QT_END_NAMESPACE

class GoalSeekDialog;
class SensitivityWindow;

// What the plan tools need of a main window, as calls.
struct PlanAccess
{
    // The plan on screen; with `generator` the generator runs on its panel after the rows
    // that were not generated (the rows a run added before are left out).
    std::function<PlanInputs(bool generator)> plan;
    // Whether rows of a generator run are on screen: the sensitivity then moves the generator's
    // fields and runs it again instead of moving the rows it wrote.
    std::function<bool()> generated;
    // The calendar year the window shows (0: none).
    std::function<int()> chosenYear;
    // Writes a found value into the generator field, the spending or the row's cell, as one
    // undo step where the document keeps it.
    std::function<void(const SolveQuestion &question, double value)> apply;
};

// The menu "Plan" with "Wat is er nodig?..." and "Gevoeligheid...".
class PlanMenu : public QObject
{
    Q_OBJECT

public:
    PlanMenu(QMenu *menu, QWidget *window, PlanAccess access);

    void openGoalSeek();
    void openSensitivity();
    GoalSeekDialog *goalSeek() const;
    SensitivityWindow *sensitivity() const;

private:
    QWidget *m_window;
    PlanAccess m_access;
    QPointer<GoalSeekDialog> m_goalSeek;
    QPointer<SensitivityWindow> m_sensitivity;
};

#endif // PLANMENU_H
