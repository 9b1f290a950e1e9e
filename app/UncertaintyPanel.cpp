#include "app/UncertaintyPanel.h"

#include "model/DutchFormat.h"
#include "model/InvestmentStore.h"
#include "model/PathRunner.h"
#include "model/RealValues.h"
#include "settings/ProgramSettings.h"
#include "settings/SpreadDialog.h"
#include "settings/SpreadSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

QString Percent(double share)
{
    return QStringLiteral("%1 %").arg(std::lround(share * 100.0));
}

} // namespace

UncertaintyPanel::UncertaintyPanel(QWidget *form, QObject *parent)
    : QObject(parent)
{
    m_check = new QCheckBox(tr("Spreiding"), form);
    m_check->setObjectName(QStringLiteral("Spreiding"));
    m_check->setGeometry(850, 736, 110, 22);
    m_check->setToolTip(tr("Toon hoe breed de uitkomsten zijn: duizenden paden met wisselende "
                                       "waardestijging, huurstijging en rendement"));
    auto *settingsButton = new QPushButton(tr("Instellingen..."), form);
    settingsButton->setObjectName(QStringLiteral("SpreidingInstellingen"));
    settingsButton->setGeometry(965, 733, 120, 27);
    settingsButton->setToolTip(tr("De spreiding per jaar en het aantal paden"));
    m_band = new QLabel(form);
    m_band->setObjectName(QStringLiteral("SpreidingNettowaarde"));
    m_band->setGeometry(850, 766, 470, 22);
    m_chance = new QLabel(form);
    m_chance->setObjectName(QStringLiteral("KansFinancieelVrij"));
    m_chance->setGeometry(850, 792, 470, 22);

    m_runner = new PathRunner(this);
    connect(m_runner, &PathRunner::finished, this, [this](const PathBands &bands) {
        m_bands = bands;
        emit status(QString());
        emit bandsArrived();
    });
    connect(m_runner, &PathRunner::progress, this, [this](int done, int total) {
        emit status(tr("Spreiding: %1 van %2 paden berekend").arg(done).arg(total));
    });
    connect(m_check, &QCheckBox::toggled, this, &UncertaintyPanel::restartWanted);
    connect(settingsButton, &QPushButton::clicked, this, [this, form]() {
        QSettings settings = ProgramSettings();
        SpreadDialog dialog(settings, form->window());
        if (dialog.exec() == QDialog::Accepted && m_check->isChecked())
            emit restartWanted();
    });
}

void UncertaintyPanel::restart(const InvestmentStore &store, std::optional<double> spending, const InflationTable &today)
{
    m_bands = PathBands();
    if (!m_check->isChecked() || !store.anyRowProjected()) {
        m_runner->cancel();
        return;
    }
    PathSettings settings = ReadSpreadSettings(ProgramSettings());
    if (spending) {
        // The spending in the euros of each year, as the free-year rule compares it.
        settings.monthlySpending = spending;
        settings.spendingByYear.resize(store.maxJaren());
        for (int y = 0; y < settings.spendingByYear.size(); ++y)
            settings.spendingByYear[y] = today.nominal(*spending, store.earliestStartYear() + y);
    }
    m_runner->start(PathPortfolio::fromStore(store), settings);
}

void UncertaintyPanel::showYear(int c, bool anyProjected, const InflationTable *real)
{
    if (!m_check->isChecked() || !anyProjected || c < 0) {
        m_band->clear();
        m_chance->clear();
        return;
    }
    if (m_bands.p50.size() <= c) {
        m_band->setText(tr("Spreiding wordt berekend..."));
        m_chance->clear();
        return;
    }
    const int year = m_bands.firstYear + c;
    auto shown = [real, year](double value) { return real ? real->real(value, year) : value; };
    m_band->setText(tr("Nettowaarde %1: 10%: %2 \u00b7 50%: %3 \u00b7 90%: %4")
                        .arg(year)
                        .arg(DutchTotal(shown(m_bands.p10.at(c))), DutchTotal(shown(m_bands.p50.at(c))),
                            DutchTotal(shown(m_bands.p90.at(c)))));
    if (m_bands.coveredByChance.size() > c)
        m_chance->setText(tr("Kans financieel vrij uiterlijk %1: %2").arg(year).arg(Percent(m_bands.coveredByChance.at(c))));
    else
        m_chance->clear();
}
