#ifndef PLANNINGPANEL_H
#define PLANNINGPANEL_H

#include "model/Projection.h"
#include "model/RealValues.h"

#include <QObject>

#include <optional>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;
QT_END_NAMESPACE

class InvestmentStore;

// Today's money and the year the portfolio's cash flow covers what its owner lives on: the
// inflation, the check box "Toon in euro's van vandaag", the monthly spending and the
// free-year label, in the free space under the totals. Owns its controls (placed on the
// form) and what they remember; tells what they hold by value.
class PlanningPanel : public QObject
{
    Q_OBJECT

public:
    PlanningPanel(QWidget *form, QObject *parent);

    // The typed inflation, 0 when it is no number or out of range.
    double inflationPercent() const;
    // The monthly spending goal in today's money; none when not set or not usable.
    std::optional<double> monthlySpending() const;
    bool showsTodaysMoney() const;
    // "Schuld als restschuld": the remaining principal of each mortgage as its debt, or (off,
    // the default) the payments still due.
    DebtMeasure debtMeasure() const;

    // The table that deflates to this year's money at the typed inflation.
    InflationTable inflationToday(const InvestmentStore &store) const;
    // The table the shown figures divide by, or nullptr when they are nominal.
    const InflationTable *shownInflation(const InvestmentStore &store) const;
    // "(euro's van vandaag, 2,0 % inflatie)".
    QString realMoneyCaption() const;

    // Names the free year of the portfolio, or clears the label without a goal.
    void showFreeYear(const InvestmentStore &store);

signals:
    // What the figures are shown in changed (real values on or off, another inflation).
    void shownMoneyChanged();
    // The spending goal changed.
    void goalChanged();
    // The debt is to be shown the other way.
    void debtMeasureChanged();

private:
    QLineEdit *m_inflation;
    QCheckBox *m_real;
    QCheckBox *m_principal;
    QLineEdit *m_spending;
    QLabel *m_freeYear;
    mutable InflationTable m_shown;
};

#endif // PLANNINGPANEL_H
