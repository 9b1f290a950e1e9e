#ifndef LINEGRAPHS_H
#define LINEGRAPHS_H

#include <QDialog>

QT_BEGIN_NAMESPACE
namespace Ui {
class LineGraphs;
}
QT_END_NAMESPACE

class LineGraphs : public QDialog
{
    Q_OBJECT

public:
    explicit LineGraphs(QWidget *parent = nullptr);
    ~LineGraphs() override;

private:
    Ui::LineGraphs *ui;
};

#endif // LINEGRAPHS_H
