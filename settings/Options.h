#ifndef OPTIONS_H
#define OPTIONS_H

#include <QDialog>

#include <optional>

QT_BEGIN_NAMESPACE
namespace Ui {
class Options;
}
class QTextEdit;
QT_END_NAMESPACE

// The limits dialog: every change of a field to a whole number sends the new limit to the
// main window at once.
class Options : public QDialog
{
    Q_OBJECT

public:
    explicit Options(QWidget *parent = nullptr);
    ~Options() override;

    // Shows the limits in force, without sending them.
    void ShowLimits(int years, int investments);

signals:
    void SendAantalJaar(int jaar);
    void SendAantalInvestments(int investment);

private slots:
    void on_AantalInvestments_textChanged();
    void on_AantalJaren_textChanged();

private:
    // The limit a field's text names; none (and the field is marked) when it is empty or not
    // a whole number, so that the last valid limit stays.
    std::optional<int> ReadField(QTextEdit *field) const;

    Ui::Options *ui;
};

#endif // OPTIONS_H
