#ifndef FOCUSWATCH_H
#define FOCUSWATCH_H

#include <QObject>

class QWidget;

// Reports when a widget loses the keyboard focus (the moment a typed entry in a field
// without an editing-finished signal counts as committed). A child of the widget.
class FocusWatch : public QObject
{
    Q_OBJECT

public:
    explicit FocusWatch(QWidget *widget);

signals:
    void focusLost();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // FOCUSWATCH_H
