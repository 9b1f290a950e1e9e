#ifndef NUMBERCELLDELEGATE_H
#define NUMBERCELLDELEGATE_H

#include <QStyledItemDelegate>

// Editor of the number columns of the input grid: the grid's usual line editor, whose typed
// text is normalised ("250.000" → "250000", "3,5" → "3.5") when it is committed, before the
// cell rule reads it.
class NumberCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

#endif // NUMBERCELLDELEGATE_H
