#include "grid/ComboBoxDelegate.h"

#include "grid/ColumnCatalogue.h"

#include <QComboBox>
#include <QRegExp>

ComboBoxDelegate::ComboBoxDelegate(QObject *parent)
    : QItemDelegate(parent)
{
    for (int t = 0; t < InvestmentTypeCount; ++t)
        items.append(InvestmentTypeNames.at(t));
}

ComboBoxDelegate::~ComboBoxDelegate() = default;

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QComboBox(parent);
    editor->addItems(items);
    editor->setMaxVisibleItems(items.size());
    connect(editor, SIGNAL(currentIndexChanged(int)), this, SLOT(setData(int)));
    return editor;
}

void ComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = static_cast<QComboBox *>(editor);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRegExp pattern(text, Qt::CaseSensitive, QRegExp::RegExp);
    for (int i = 0; i < items.size(); ++i) {
        if (pattern.exactMatch(items.at(i))) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *combo = static_cast<QComboBox *>(editor);
    model->setData(index, combo->currentText(), Qt::EditRole);
}

void ComboBoxDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void ComboBoxDelegate::setData(int val)
{
    emit commitData(val);
}

void ComboBoxDelegate::ReceiveIndexCmbo(int)
{
}
