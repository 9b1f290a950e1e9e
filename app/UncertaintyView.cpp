// "Spreiding": thousands of projected paths with varying growth, run off the window's
// thread after every change, shown as percentiles beside the totals, as the chance of being
// financially free, and as a band in the net-worth chart.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "model/FormatAmount.h"
#include "model/PathRunner.h"
#include "settings/SpreadDialog.h"
#include "settings/SpreadSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include "settings/ProgramSettings.h"

#include <QSettings>
#include <QStatusBar>

#include <cmath>

namespace {

QString Percent(double share)
{
    return QStringLiteral("%1 %").arg(std::lround(share * 100.0));
}

} // namespace

void MainWindow::SetUpUncertaintyControls()
{
    QWidget *form = ui->centralwidget;
    spreadCheck = new QCheckBox(QStringLiteral("Spreiding"), form);
    spreadCheck->setObjectName(QStringLiteral("Spreiding"));
    spreadCheck->setGeometry(850, 736, 110, 22);
    spreadCheck->setToolTip(QStringLiteral("Toon hoe breed de uitkomsten zijn: duizenden paden met wisselende "
                                           "waardestijging, huurstijging en rendement"));
    auto *settingsButton = new QPushButton(QStringLiteral("Instellingen..."), form);
    settingsButton->setObjectName(QStringLiteral("SpreidingInstellingen"));
    settingsButton->setGeometry(965, 733, 120, 27);
    settingsButton->setToolTip(QStringLiteral("De spreiding per jaar en het aantal paden"));
    bandLabel = new QLabel(form);
    bandLabel->setObjectName(QStringLiteral("SpreidingNettowaarde"));
    bandLabel->setGeometry(850, 766, 470, 22);
    chanceLabel = new QLabel(form);
    chanceLabel->setObjectName(QStringLiteral("KansFinancieelVrij"));
    chanceLabel->setGeometry(850, 792, 470, 22);

    pathRunner = new PathRunner(this);
    connect(pathRunner, &PathRunner::finished, this, [this](const PathBands &bands) {
        pathBands = bands;
        statusBar()->clearMessage();
        ShowPathBands();
    });
    connect(pathRunner, &PathRunner::progress, this, [this](int done, int total) {
        statusBar()->showMessage(QStringLiteral("Spreiding: %1 van %2 paden berekend").arg(done).arg(total));
    });
    connect(spreadCheck, &QCheckBox::toggled, this, [this]() { RestartPaths(); });
    connect(settingsButton, &QPushButton::clicked, this, [this]() {
        QSettings settings = ProgramSettings();
        SpreadDialog dialog(settings, this);
        if (dialog.exec() == QDialog::Accepted && spreadCheck->isChecked())
            RestartPaths();
    });
}

void MainWindow::RestartPaths()
{
    pathBands = PathBands();
    if (!spreadCheck || !spreadCheck->isChecked() || !portfolio.anyRowProjected()) {
        if (pathRunner)
            pathRunner->cancel();
        ShowPathBands();
        return;
    }
    PathSettings settings = ReadSpreadSettings(ProgramSettings());
    if (const std::optional<double> spending = MonthlySpending()) {
        // The spending in the euros of each year, as the free-year rule compares it.
        const InflationTable today = InflationToday();
        settings.monthlySpending = spending;
        settings.spendingByYear.resize(portfolio.maxJaren());
        for (int y = 0; y < settings.spendingByYear.size(); ++y)
            settings.spendingByYear[y] = today.nominal(*spending, portfolio.earliestStartYear() + y);
    }
    pathRunner->start(PathPortfolio::fromStore(portfolio), settings);
    ShowPathBands();
}

void MainWindow::ShowPathBands()
{
    if (!bandLabel)
        return;
    const bool on = spreadCheck->isChecked() && portfolio.anyRowProjected();
    const int c = ChosenYearIndex();
    if (!on || c < 0) {
        bandLabel->clear();
        chanceLabel->clear();
        return;
    }
    if (pathBands.p50.size() <= c) {
        bandLabel->setText(QStringLiteral("Spreiding wordt berekend..."));
        chanceLabel->clear();
        return;
    }
    const int year = pathBands.firstYear + c;
    const InflationTable *real = ShownInflation();
    auto shown = [real, year](double value) { return real ? real->real(value, year) : value; };
    bandLabel->setText(QStringLiteral("Nettowaarde %1: 10%: %2 \u00b7 50%: %3 \u00b7 90%: %4")
                           .arg(year)
                           .arg(FormatAmount(shown(pathBands.p10.at(c))), FormatAmount(shown(pathBands.p50.at(c))),
                               FormatAmount(shown(pathBands.p90.at(c)))));
    if (pathBands.coveredByChance.size() > c)
        chanceLabel->setText(QStringLiteral("Kans financieel vrij uiterlijk %1: %2").arg(year).arg(Percent(pathBands.coveredByChance.at(c))));
    else
        chanceLabel->clear();
}
