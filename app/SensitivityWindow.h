#ifndef SENSITIVITYWINDOW_H
#define SENSITIVITYWINDOW_H

#include "app/PlanMenu.h"
#include "model/Sensitivity.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QSpinBox;
class QTableWidget;
QT_END_NAMESPACE

namespace QtCharts {
class QChartView;
}

// "Gevoeligheid": a tornado chart of how much each assumption moves the net worth of the
// chosen year, the largest on top, and the numbers in a table beside it.
class SensitivityWindow : public QDialog
{
    Q_OBJECT

public:
    SensitivityWindow(PlanAccess access, QWidget *parent);

    // Projects every assumption again for the year in the year field.
    void recompute();
    const SensitivityTable &table() const { return m_table; }

private:
    void showTable();

    PlanAccess m_access;
    QSpinBox *m_year;
    QtCharts::QChartView *m_chart;
    QTableWidget *m_numbers;
    SensitivityTable m_table;
};

#endif // SENSITIVITYWINDOW_H
