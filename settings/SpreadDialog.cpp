#include "settings/SpreadDialog.h"

#include "settings/DutchSpinBoxes.h"
#include "settings/SpreadSettings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox *spreadBox(const char *name, const QString &accessible, const QString &tip)
{
    auto *box = new DutchPercentSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(0.0, PathSettings::MaxSpread);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QCoreApplication::translate("SpreadDialog", " procentpunt"));
    box->setAccessibleName(accessible);
    box->setToolTip(tip);
    return box;
}

} // namespace

SpreadDialog::SpreadDialog(QSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_kept(ReadSpreadSettings(settings))
{
    setObjectName(QStringLiteral("SpreadDialog"));
    setWindowTitle(tr("Spreiding"));

    m_value = spreadBox("SpreidingWaardestijging", tr("Spreiding van de waardestijging"),
        tr("Hoeveel de waardestijging van jaar tot jaar rond de ingevulde waarde schommelt "
                       "(standaardafwijking in procentpunten)"));
    m_rent = spreadBox("SpreidingHuurstijging", tr("Spreiding van de huurstijging"),
        tr("Hoeveel de huurstijging van jaar tot jaar rond de ingevulde waarde schommelt "
                       "(standaardafwijking in procentpunten)"));
    m_return = spreadBox("SpreidingRendement", tr("Spreiding van het rendement"),
        tr("Hoeveel het rendement van jaar tot jaar rond de ingevulde waarde schommelt "
                       "(standaardafwijking in procentpunten)"));
    m_paths = new DutchCountSpinBox;
    m_paths->setObjectName(QStringLiteral("AantalPaden"));
    m_paths->setRange(PathSettings::MinPaths, PathSettings::MaxPaths);
    m_paths->setSingleStep(1000);
    m_paths->setAccessibleName(tr("Aantal paden"));
    m_paths->setToolTip(tr("Hoeveel mogelijke verlopen worden doorgerekend; meer paden geven "
                                       "gladdere banden maar rekenen langer"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Waardestijging:"), m_value);
    form->addRow(tr("&Huurstijging:"), m_rent);
    form->addRow(tr("&Rendement:"), m_return);
    form->addRow(tr("Aantal &paden:"), m_paths);

    auto *note = new QLabel(tr("De hypotheekrente blijft vast."));
    note->setObjectName(QStringLiteral("SpreidingToelichting"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuleren"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SpreadDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SpreadDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);

    setValues(m_kept);
}

PathSettings SpreadDialog::values() const
{
    PathSettings v = m_kept;
    v.valueSpread = m_value->value();
    v.rentSpread = m_rent->value();
    v.returnSpread = m_return->value();
    v.paths = m_paths->value();
    return v;
}

void SpreadDialog::setValues(const PathSettings &values)
{
    const PathSettings b = values.bounded();
    m_value->setValue(b.valueSpread);
    m_rent->setValue(b.rentSpread);
    m_return->setValue(b.returnSpread);
    m_paths->setValue(b.paths);
}

void SpreadDialog::accept()
{
    m_kept = values();
    WriteSpreadSettings(m_settings, m_kept);
    QDialog::accept();
}
