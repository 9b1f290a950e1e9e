#ifndef GRIDKEYS_H
#define GRIDKEYS_H

#include <QObject>

QT_BEGIN_NAMESPACE
class QTableWidget;
QT_END_NAMESPACE

// Delete in the input grid empties the selected cells, one by one through the grid, so that
// the cell rule stores and projects each change. The Type column keeps its type; an open
// cell editor takes the key itself.
class DeleteEmptiesCells : public QObject
{
    Q_OBJECT

public:
    explicit DeleteEmptiesCells(QTableWidget *grid);

signals:
    // Around the emptying of the selected cells, so that it can count as one step.
    void emptying();
    void emptied();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget *m_grid;
};

#endif // GRIDKEYS_H
