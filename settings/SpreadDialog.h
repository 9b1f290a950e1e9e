#ifndef SPREADDIALOG_H
#define SPREADDIALOG_H

#include "model/PathSimulation.h"

#include <QDialog>

class QDoubleSpinBox;
class QSettings;
class QSpinBox;

// "Spreiding": the three spreads and the number of paths. Shows what `settings` holds and
// writes the values back there when the user accepts them.
class SpreadDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SpreadDialog(QSettings &settings, QWidget *parent = nullptr);

    // The spreads and the number of paths shown (the other fields as in the kept settings).
    PathSettings values() const;
    void setValues(const PathSettings &values);

    void accept() override;

private:
    QSettings &m_settings;
    PathSettings m_kept;
    QDoubleSpinBox *m_value;
    QDoubleSpinBox *m_rent;
    QDoubleSpinBox *m_return;
    QSpinBox *m_paths;
};

#endif // SPREADDIALOG_H
