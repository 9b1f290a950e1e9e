#ifndef LANGUAGEMENU_H
#define LANGUAGEMENU_H

#include "settings/ProgramSettings.h"

#include <QLocale>
#include <QObject>

class QAction;
class QCoreApplication;
class QMenu;
class QMenuBar;

// The "Taal" menu: Origineel (the program's own texts), Nederlands and English. The choice
// is remembered and takes effect at the next start; the menu says so.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    // Adds the menu to the bar, before the given menu (Help).
    LanguageMenu(QMenuBar *bar, QAction *before, QObject *parent);

    QMenu *menu() const { return m_menu; }

signals:
    void chosen(Language language);

private:
    QMenu *m_menu;
};

// Loads the language's texts into the application: nothing of ours for Origineel, the Dutch or
// English translation otherwise; Qt's own texts (dialog buttons) in Dutch unless English is
// chosen. A second call replaces what the first installed. False when a translation could not
// be loaded (the program's own texts are shown then).
bool InstallLanguage(QCoreApplication *application, Language language);

// The language installed last (Origineel before any).
Language ActiveLanguage();

// The locale of dates and month names in the texts: Dutch, or English with English chosen.
QLocale ShownLocale();

#endif // LANGUAGEMENU_H
