#ifndef COSTTAXDIALOG_H
#define COSTTAXDIALOG_H

#include "model/CostTax.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
QT_END_NAMESPACE

// "Kosten en belasting...": the costs of property and the Box 3 tax a portfolio assumes. Shows
// the assumptions it is given and tells what it holds; it changes nothing by itself.
class CostTaxDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CostTaxDialog(QWidget *parent = nullptr);

    void setAssumptions(const CostTaxAssumptions &assumptions);
    CostTaxAssumptions assumptions() const;

    // The tax years the table shows: the table's own and every year with a value entered,
    // and those added since.
    QList<int> shownYears() const;
    // Adds a tax year to the table (its values those the rules give it until one is typed).
    void addYear(int year);

private:
    void fillTable();
    void tableEdited(QTableWidgetItem *item);
    void showRegime();

    QDoubleSpinBox *m_costs[5];
    QComboBox *m_regime;
    QCheckBox *m_partners;
    QDoubleSpinBox *m_woz;
    QTableWidget *m_table;
    QSpinBox *m_newYear;
    QWidget *m_addYear;
    QDoubleSpinBox *m_actualRate;
    QDoubleSpinBox *m_actualFree;
    QLabel *m_actualCaption;
    Box3Assumptions m_box3; // the overrides as edited
    QList<int> m_addedYears;
    bool m_filling = false;
};

#endif // COSTTAXDIALOG_H
