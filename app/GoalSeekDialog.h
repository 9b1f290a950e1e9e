#ifndef GOALSEEKDIALOG_H
#define GOALSEEKDIALOG_H

#include "app/PlanMenu.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <memory>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
QT_END_NAMESPACE

// "Wat is er nodig?": choose the unknown, the goal, its year and optionally a least chance;
// the search runs off the window's thread with progress and cancel; "Toepassen" writes the
// answer into the field or cell.
class GoalSeekDialog : public QDialog
{
    Q_OBJECT

public:
    GoalSeekDialog(PlanAccess access, QWidget *parent);
    ~GoalSeekDialog() override;

    // Starts a search with what the controls hold; `wait` blocks until it is done (tests).
    void solve(bool wait = false);
    void cancel();
    bool isRunning() const;
    const SolveResult &result() const { return m_result; }
    SolveQuestion question() const;

private:
    void finished();
    void updateControls();

    PlanAccess m_access;
    QComboBox *m_unknown;
    QSpinBox *m_row;
    QComboBox *m_goal;
    QSpinBox *m_year;
    QLineEdit *m_netWorth;
    QCheckBox *m_withChance;
    QDoubleSpinBox *m_chance;
    QLabel *m_answer;
    QProgressBar *m_progress;
    QPushButton *m_solve;
    QPushButton *m_cancel;
    QPushButton *m_apply;
    QFutureWatcher<SolveResult> m_watcher;
    std::shared_ptr<std::atomic<bool>> m_stop;
    SolveQuestion m_asked;
    SolveResult m_result;
};

#endif // GOALSEEKDIALOG_H
