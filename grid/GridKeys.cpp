#include "grid/GridKeys.h"

#include "model/InvestmentInput.h"

#include <QKeyEvent>
#include <QTableWidget>

#include <algorithm>

DeleteEmptiesCells::DeleteEmptiesCells(QTableWidget *grid)
    : QObject(grid)
    , m_grid(grid)
{
    grid->installEventFilter(this);
}

bool DeleteEmptiesCells::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_grid || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!key->matches(QKeySequence::Delete))
        return false;
    QList<QTableWidgetItem *> items = m_grid->selectedItems();
    std::sort(items.begin(), items.end(), [this](QTableWidgetItem *a, QTableWidgetItem *b) {
        return m_grid->row(a) != m_grid->row(b) ? m_grid->row(a) < m_grid->row(b) : m_grid->column(a) < m_grid->column(b);
    });
    emit emptying();
    for (QTableWidgetItem *item : items) {
        if (m_grid->column(item) != ColType)
            item->setText(QString()); // the cell-changed signal runs the cell rule
    }
    emit emptied();
    return true;
}
