#include "grid/NumberCellDelegate.h"

#include "grid/NumberEntry.h"

#include <QLineEdit>

namespace {
const QChar FieldTerminator(QLatin1Char(';'));
}

QWidget *NumberCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
    const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        connect(line, &QLineEdit::textEdited, line, [line](const QString &text) {
            if (!text.contains(FieldTerminator))
                return;
            const int position = line->cursorPosition();
            const int before = text.leftRef(position).count(FieldTerminator);
            line->setText(QString(text).remove(FieldTerminator));
            line->setCursorPosition(position - before);
        });
    }
    return editor;
}

void NumberCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString typed = QString(line->text()).remove(FieldTerminator);
    model->setData(index, NormalisedNumberText(typed, InputColumnKind(index.column())), Qt::EditRole);
}
