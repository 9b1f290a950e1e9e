#include "app/PlanMenu.h"

#include "app/GoalSeekDialog.h"
#include "app/SensitivityWindow.h"

#include <QAction>
#include <QMenu>

PlanMenu::PlanMenu(QMenu *menu, QWidget *window, PlanAccess access)
    : QObject(window)
    , m_window(window)
    , m_access(std::move(access))
{
    QAction *goal = menu->addAction(tr("Wat is er nodig?..."));
    goal->setObjectName(QStringLiteral("actionWatIsErNodig"));
    goal->setStatusTip(tr("Zoek de inleg, de uitgaven of de kostprijs waarmee een doel gehaald wordt"));
    connect(goal, &QAction::triggered, this, &PlanMenu::openGoalSeek);
    QAction *sensitivity = menu->addAction(tr("Gevoeligheid..."));
    sensitivity->setObjectName(QStringLiteral("actionGevoeligheid"));
    sensitivity->setStatusTip(tr("Welke aanname het meeste uitmaakt voor het vrije jaar en de nettowaarde"));
    connect(sensitivity, &QAction::triggered, this, &PlanMenu::openSensitivity);
}

void PlanMenu::openGoalSeek()
{
    if (!m_goalSeek) {
        m_goalSeek = new GoalSeekDialog(m_access, m_window);
        m_goalSeek->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_goalSeek->show();
    m_goalSeek->raise();
}

void PlanMenu::openSensitivity()
{
    if (!m_sensitivity) {
        m_sensitivity = new SensitivityWindow(m_access, m_window);
        m_sensitivity->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_sensitivity->recompute();
    m_sensitivity->show();
    m_sensitivity->raise();
}

GoalSeekDialog *PlanMenu::goalSeek() const
{
    return m_goalSeek;
}

SensitivityWindow *PlanMenu::sensitivity() const
{
    return m_sensitivity;
}
