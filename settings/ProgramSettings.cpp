#include "settings/ProgramSettings.h"

#include <QFileInfo>

namespace {
const QString RecentFilesKey = QStringLiteral("recentFiles");
const QString LastFolderKey = QStringLiteral("lastFolder");
const QString InflationKey = QStringLiteral("inflation");
const QString SpendingKey = QStringLiteral("monthlySpending");
const QString DebtViewKey = QStringLiteral("debtAsPrincipal");
const QString ChartFolderKey = QStringLiteral("Grafiek/Map");
const QString PrintedToFileKey = QStringLiteral("Grafiek/AfgedruktNaarBestand");
} // namespace

RecentFiles RecentFiles::load()
{
    const QSettings settings = ProgramSettings();
    RecentFiles recent;
    recent.files = settings.value(RecentFilesKey).toStringList().mid(0, Count);
    recent.lastFolder = settings.value(LastFolderKey).toString();
    return recent;
}

void RecentFiles::save() const
{
    QSettings settings = ProgramSettings();
    settings.setValue(RecentFilesKey, files);
    settings.setValue(LastFolderKey, lastFolder);
}

void RecentFiles::add(const QString &absolutePath)
{
    files.removeAll(absolutePath);
    files.prepend(absolutePath);
    while (files.size() > Count)
        files.removeLast();
    lastFolder = QFileInfo(absolutePath).absolutePath();
}

PlanningSettings PlanningSettings::load()
{
    const QSettings settings = ProgramSettings();
    PlanningSettings planning;
    const QVariant inflation = settings.value(InflationKey);
    planning.haveInflation = inflation.isValid();
    planning.inflation = inflation.toString();
    planning.monthlySpending = settings.value(SpendingKey).toString();
    planning.debtAsPrincipal = settings.value(DebtViewKey, false).toBool();
    return planning;
}

void PlanningSettings::saveInflation() const
{
    ProgramSettings().setValue(InflationKey, inflation);
}

void PlanningSettings::saveSpending() const
{
    ProgramSettings().setValue(SpendingKey, monthlySpending);
}

void PlanningSettings::saveDebtView() const
{
    ProgramSettings().setValue(DebtViewKey, debtAsPrincipal);
}

ChartFolderSettings ChartFolderSettings::load()
{
    const QSettings settings = ProgramSettings();
    ChartFolderSettings chart;
    chart.folder = settings.value(ChartFolderKey).toString();
    chart.printedToFile = settings.value(PrintedToFileKey).toBool();
    return chart;
}

void ChartFolderSettings::save() const
{
    QSettings settings = ProgramSettings();
    settings.setValue(ChartFolderKey, folder);
    settings.setValue(PrintedToFileKey, printedToFile);
}
