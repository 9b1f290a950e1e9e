#ifndef YEAROVERVIEWWINDOW_H
#define YEAROVERVIEWWINDOW_H

#include "app/PlanSource.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QTableWidget;
QT_END_NAMESPACE

// "Jaaroverzicht": the projected years of the portfolio in one table, the nine totals and
// the planning figures per year, or the years of one investment. The chosen year of the main
// window is highlighted; choosing a row chooses its year there. Ctrl+C copies the selected
// cells for a spreadsheet.
class YearOverviewWindow : public QWidget
{
    Q_OBJECT

public:
    explicit YearOverviewWindow(PlanSource source, QWidget *parent = nullptr);

    // Fills the table again from the source (the portfolio or its settings changed).
    void refresh();
    // Highlights the row of the window's chosen year.
    void showChosenYear();
    // The selected cells (all when none is selected) as OverviewClipboardText writes them.
    QString selectionText() const;
    void copySelection();

    // 0: the portfolio; 1 + r: grid row r. Rows without a projection are not offered.
    int shownView() const;

private:
    void fillViewList();
    void fillTable();
    void chooseRow(int row);

    PlanSource m_source;
    QComboBox *m_view = nullptr;
    QLabel *m_note = nullptr;
    QTableWidget *m_table = nullptr;
    OverviewTable m_shown;
    bool m_filling = false;
};

#endif // YEAROVERVIEWWINDOW_H
