#include "app/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

namespace {

Language installed = Language::Original;
QTranslator *ownTexts = nullptr;
QTranslator *qtTexts = nullptr;

void removeTranslator(QCoreApplication *application, QTranslator *&translator)
{
    if (!translator)
        return;
    application->removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

} // namespace

LanguageMenu::LanguageMenu(QMenuBar *bar, QAction *before, QObject *parent)
    : QObject(parent)
    , m_menu(new QMenu(tr("Taal"), bar))
{
    m_menu->setObjectName(QStringLiteral("menuTaal"));
    auto *group = new QActionGroup(m_menu);
    const Language saved = LanguageSettings::load().language;
    // The languages carry their own names; only "Origineel" says what it is in the language shown.
    const struct {
        Language language;
        QString caption;
        const char *objectName;
    } choices[] = {
        { Language::Original, tr("Origineel"), "actionTaalOrigineel" },
        { Language::Dutch, QStringLiteral("Nederlands"), "actionTaalNederlands" },
        { Language::English, QStringLiteral("English"), "actionTaalEnglish" },
    };
    for (const auto &choice : choices) {
        QAction *action = m_menu->addAction(choice.caption);
        action->setObjectName(QString::fromLatin1(choice.objectName));
        action->setCheckable(true);
        action->setChecked(choice.language == saved);
        action->setToolTip(tr("Deze taal gebruiken vanaf de volgende start"));
        action->setStatusTip(action->toolTip());
        group->addAction(action);
        const Language language = choice.language;
        connect(action, &QAction::triggered, this, [this, language]() {
            LanguageSettings kept;
            kept.language = language;
            kept.save();
            emit chosen(language);
        });
    }
    m_menu->addSeparator();
    QAction *note = m_menu->addAction(tr("Geldt vanaf de volgende start"));
    note->setObjectName(QStringLiteral("actionTaalToelichting"));
    note->setEnabled(false);
    bar->insertMenu(before, m_menu);
}

bool InstallLanguage(QCoreApplication *application, Language language)
{
    Q_INIT_RESOURCE(translations);
    removeTranslator(application, ownTexts);
    removeTranslator(application, qtTexts);
    installed = language;
    bool loaded = true;
    if (language != Language::Original) {
        ownTexts = new QTranslator(application);
        const QString name = language == Language::English ? QStringLiteral("quorvant_en") : QStringLiteral("quorvant_nl");
        loaded = ownTexts->load(name, QStringLiteral(":/translations"));
        if (loaded)
            application->installTranslator(ownTexts);
        else
            removeTranslator(application, ownTexts);
    }
    // Qt's own texts (the buttons of message boxes, the file dialogs) in Dutch, like the rest;
    // in English they are Qt's own.
    if (language != Language::English) {
        qtTexts = new QTranslator(application);
        if (qtTexts->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            application->installTranslator(qtTexts);
        else
            removeTranslator(application, qtTexts);
    }
    return loaded;
}

Language ActiveLanguage()
{
    return installed;
}

QLocale ShownLocale()
{
    return installed == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                          : QLocale(QLocale::Dutch, QLocale::Netherlands);
}
