#ifndef OPTIONS_H
#define OPTIONS_H

#include <QDialog>

QT_BEGIN_NAMESPACE
namespace Ui {
class Options;
}
QT_END_NAMESPACE

// The limits dialog: every change of a field sends the new limit to the main window at once.
class Options : public QDialog
{
    Q_OBJECT

public:
    explicit Options(QWidget *parent = nullptr);
    ~Options() override;

signals:
    void SendAantalJaar(int jaar);
    void SendAantalInvestments(int investment);

private slots:
    void on_AantalInvestments_textChanged();
    void on_AantalJaren_textChanged();

private:
    Ui::Options *ui;
};

#endif // OPTIONS_H
