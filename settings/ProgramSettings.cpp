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
const QString LanguageKey = QStringLiteral("Taal");
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

QString LanguageName(Language language)
{
    switch (language) {
    case Language::Dutch:
        return QStringLiteral("nl");
    case Language::English:
        return QStringLiteral("en");
    case Language::Original:
        break;
    }
    return QStringLiteral("origineel");
}

bool LanguageFromName(const QString &name, Language *language)
{
    const QString wanted = name.trimmed().toLower();
    for (const Language candidate : { Language::Original, Language::Dutch, Language::English }) {
        if (wanted == LanguageName(candidate)) {
            *language = candidate;
            return true;
        }
    }
    return false;
}

LanguageSettings LanguageSettings::load()
{
    LanguageSettings chosen;
    // A value this program did not write (another version, a hand edit) leaves the original texts.
    if (!LanguageFromName(ProgramSettings().value(LanguageKey).toString(), &chosen.language))
        chosen.language = Language::Original;
    return chosen;
}

void LanguageSettings::save() const
{
    ProgramSettings().setValue(LanguageKey, LanguageName(language));
}

bool TakeLanguageOption(QStringList *arguments, Language *language)
{
    for (int i = 1; i < arguments->size(); ++i) {
        const QString argument = arguments->at(i);
        QString name;
        if (argument == QLatin1String("--lang")) {
            if (i + 1 >= arguments->size())
                return false;
            name = arguments->at(i + 1);
            arguments->erase(arguments->begin() + i, arguments->begin() + i + 2);
        } else if (argument.startsWith(QLatin1String("--lang="))) {
            name = argument.mid(7);
            arguments->removeAt(i);
        } else {
            continue;
        }
        return LanguageFromName(name, language);
    }
    return true;
}
