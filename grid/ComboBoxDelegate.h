#ifndef COMBOBOXDELEGATE_H
#define COMBOBOXDELEGATE_H

#include <QItemDelegate>
#include <QStringList>

// Editor of the Type column: a drop-down of the five investment types. Every selection
// made in the open editor is reported at once through commitData(int).
class ComboBoxDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit ComboBoxDelegate(QObject *parent = nullptr);
    ~ComboBoxDelegate() override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    // Beside the inherited commitData(QWidget *); connections name it by its signature.
    void commitData(int);

private slots:
    void setData(int val);
    void ReceiveIndexCmbo(int);

private:
    QStringList items;
};

#endif // COMBOBOXDELEGATE_H
