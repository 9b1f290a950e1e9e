#ifndef ONELINEFIELDS_H
#define ONELINEFIELDS_H

#include <QObject>

QT_BEGIN_NAMESPACE
class QTextEdit;
QT_END_NAMESPACE

// Makes a multi-line text edit behave as a one-line field: Enter and Tab move the focus to
// the next field, and line breaks and ';' the user types, pastes or drops into it are removed.
class OneLineField : public QObject
{
    Q_OBJECT

public:
    explicit OneLineField(QTextEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void DropLineBreaks();

    QTextEdit *m_edit;
};

#endif // ONELINEFIELDS_H
