#ifndef NUMBERCELLDELEGATE_H
#define NUMBERCELLDELEGATE_H

#include <QStyledItemDelegate>

// Editor of the number columns of the input grid: the grid's usual line editor, whose typed
// text is normalised ("250.000" → "250000", "3,5" → "3.5") when it is committed, before the
// cell rule reads it. A ';' cannot be typed or pasted into a cell: it ends a field in an
// investment file, so it is dropped as it is entered.
class NumberCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

#endif // NUMBERCELLDELEGATE_H
