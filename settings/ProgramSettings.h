#ifndef PROGRAMSETTINGS_H
#define PROGRAMSETTINGS_H

#include <QSettings>
#include <QString>
#include <QStringList>

// Where the program keeps what it remembers between runs. Each concern reads and writes its
// own keys through one value type below (the spreads of the paths: settings/SpreadSettings).
inline QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("Quorvant"), QStringLiteral("Quorvant"));
}

// The last files opened or saved, newest first, and the folder the file dialogs start in.
struct RecentFiles
{
    static constexpr int Count = 5;
    QStringList files;
    QString lastFolder;

    static RecentFiles load();
    void save() const;
    // Puts an absolute path in front (once) and its folder as the last folder.
    void add(const QString &absolutePath);
};

// Today's money and the spending goal, as typed.
struct PlanningSettings
{
    QString inflation; // empty: never set (the default applies)
    QString monthlySpending;
    bool haveInflation = false;
    bool debtAsPrincipal = false; // "Schuld als restschuld"

    static PlanningSettings load();
    void saveInflation() const;
    void saveSpending() const;
    void saveDebtView() const;
};

// Where chart pictures were last saved, and whether the last print went to a file.
struct ChartFolderSettings
{
    QString folder;
    bool printedToFile = false;

    static ChartFolderSettings load();
    void save() const;
};

// The year last chosen in the year list, per investment file (absolute path); not in the file.
struct ChosenYears
{
    static constexpr int Count = 50;
    QStringList files; // newest first
    QStringList years;

    static ChosenYears load();
    void save() const;
    QString yearOf(const QString &absolutePath) const;
    void remember(const QString &absolutePath, const QString &year);
};

// The language of the window: the program's own texts ("Origineel", the default), all Dutch or
// all English. Read at start-up; a choice takes effect at the next start.
enum class Language { Original, Dutch, English };

struct LanguageSettings
{
    Language language = Language::Original;

    static LanguageSettings load();
    void save() const;
};

// The name of a language as "quorvant --lang" and the settings take it: "origineel", "nl", "en".
QString LanguageName(Language language);
// The language of such a name (case-insensitive, blanks around it ignored); false when the name
// is none of the three.
bool LanguageFromName(const QString &name, Language *language);

// Takes "--lang NAME" or "--lang=NAME" out of a program's arguments (the first one is the
// program) and sets the language to it; the other arguments keep their order. Without the
// option nothing changes; false when its name is missing or unknown.
bool TakeLanguageOption(QStringList *arguments, Language *language);

#endif // PROGRAMSETTINGS_H
