#include "settings/ProgramSettings.h"

#include <QFileInfo>

#include <algorithm>

namespace {
const QString RecentFilesKey = QStringLiteral("recentFiles");
const QString LastFolderKey = QStringLiteral("lastFolder");
const QString InflationKey = QStringLiteral("inflation");
const QString SpendingKey = QStringLiteral("monthlySpending");
const QString DebtViewKey = QStringLiteral("debtAsPrincipal");
const QString ChartFolderKey = QStringLiteral("Grafiek/Map");
const QString PrintedToFileKey = QStringLiteral("Grafiek/AfgedruktNaarBestand");
const QString ChosenYearFilesKey = QStringLiteral("GekozenJaar/Bestanden");
const QString ChosenYearYearsKey = QStringLiteral("GekozenJaar/Jaren");
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

ChosenYears ChosenYears::load()
{
    const QSettings settings = ProgramSettings();
    ChosenYears chosen;
    chosen.files = settings.value(ChosenYearFilesKey).toStringList();
    chosen.years = settings.value(ChosenYearYearsKey).toStringList();
    // Two lists of unequal length were not written by this program: only the pairs count.
    const int pairs = std::min<int>(Count, std::min(chosen.files.size(), chosen.years.size()));
    chosen.files = chosen.files.mid(0, pairs);
    chosen.years = chosen.years.mid(0, pairs);
    return chosen;
}

void ChosenYears::save() const
{
    QSettings settings = ProgramSettings();
    settings.setValue(ChosenYearFilesKey, files);
    settings.setValue(ChosenYearYearsKey, years);
}

QString ChosenYears::yearOf(const QString &absolutePath) const
{
    const int at = files.indexOf(absolutePath);
    return at < 0 ? QString() : years.value(at);
}

void ChosenYears::remember(const QString &absolutePath, const QString &year)
{
    const int at = files.indexOf(absolutePath);
    if (at >= 0) {
        files.removeAt(at);
        years.removeAt(at);
    }
    files.prepend(absolutePath);
    years.prepend(year);
    while (files.size() > Count) {
        files.removeLast();
        years.removeLast();
    }
}
