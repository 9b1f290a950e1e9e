#ifndef UNCERTAINTYPANEL_H
#define UNCERTAINTYPANEL_H

#include "model/PathSimulation.h"

#include <QObject>

#include <optional>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLabel;
class QWidget;
QT_END_NAMESPACE

class InflationTable;
class InvestmentStore;
class PathRunner;

// "Spreiding": thousands of projected paths with varying growth, run off the window's thread
// after every change, shown as percentiles beside the totals and as the chance of being
// financially free. Owns its check box, its settings button, its labels and the runner.
class UncertaintyPanel : public QObject
{
    Q_OBJECT

public:
    UncertaintyPanel(QWidget *form, QObject *parent);

    // Starts a new run for the portfolio (the running one is dropped), or stops when the
    // bands are off or nothing is projected. `today` grows the spending to each year's euros.
    void restart(const InvestmentStore &store, std::optional<double> spending, const InflationTable &today);
    // Shows the bands of a year index (-1: none), in today's money with a table.
    void showYear(int yearIndex, bool anyProjected, const InflationTable *real);
    // The bands of the last finished run (empty while one runs or when off).
    const PathBands &bands() const { return m_bands; }

signals:
    // The check box or the settings changed: the window starts a new run.
    void restartWanted();
    // A run finished: the window shows its year.
    void bandsArrived();
    void status(const QString &message);

private:
    QCheckBox *m_check;
    QLabel *m_band;
    QLabel *m_chance;
    PathRunner *m_runner;
    PathBands m_bands;
};

#endif // UNCERTAINTYPANEL_H
