#include "grid/NumberCellDelegate.h"

#include "grid/NumberEntry.h"

#include <QLineEdit>

void NumberCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    model->setData(index, NormalisedNumberText(line->text(), InputColumnKind(index.column())), Qt::EditRole);
}
