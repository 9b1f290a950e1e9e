#ifndef BASELINECONTROLLER_H
#define BASELINECONTROLLER_H

#include "model/Baseline.h"

#include <QObject>
#include <QVector>

QT_BEGIN_NAMESPACE
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QWidget;
QT_END_NAMESPACE

class InflationTable;
class InvestmentStore;

// The baseline the portfolio on screen is compared with: its three File actions ("Vergelijk
// met...", "Huidige als basis vastleggen", "Vergelijking wissen"), the "Basis" and "Verschil"
// figures under the totals, its name in the status bar and its sum for the charts. It is no
// part of the document: never saved, no undo step, kept when another file is opened.
class BaselineController : public QObject
{
    Q_OBJECT

public:
    // The actions go into `fileMenu` before `before`; the figures onto `form`.
    BaselineController(QWidget *form, QMenu *fileMenu, QAction *before, QStatusBar *statusBar, QObject *parent);

    const Baseline &baseline() const { return m_baseline; }
    // Reads a file as the baseline, with its refusal box over `dialogParent`; true when read.
    bool compareWithFile(const QString &path, int maxInvestment, int maxJaren, QWidget *dialogParent);
    void takeCopyOf(const InvestmentStore &store, const QString &documentName);
    void clear();
    void setLimits(int maxInvestment, int maxJaren);
    void setDebtMeasure(DebtMeasure measure);

    // The figures of year index `yearIndex` of `current` (-1 empties them).
    void showYear(const InvestmentStore &current, int yearIndex, const InflationTable *real);
    // The baseline's net worth or monthly cash flow for every projected year of `current`,
    // NaN where it has none; empty without a baseline or without any common year.
    QVector<double> chartValues(const InvestmentStore &current, const InflationTable *real, bool cashFlow) const;

signals:
    // The user asked for a file to compare with, or for a copy of what is on screen.
    void compareRequested();
    void copyRequested();
    // Set, replaced or cleared: the window shows the figures of its year.
    void changed();

private:
    void showState();

    Baseline m_baseline;
    QWidget *m_panel;
    QLabel *m_figures[2][2] = {}; // [Basis, Verschil][cash flow, net worth]
    QLabel *m_status;
    QAction *m_clear;
};

#endif // BASELINECONTROLLER_H
