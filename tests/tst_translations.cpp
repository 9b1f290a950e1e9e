// The translations: each language shows its texts in every window, English leaves no Dutch
// caption behind, and "--lang" chooses the language of one run.

#include "TestSupport.h"

#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "app/Manual.h"
#include "app/ShownAmount.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"
#include "settings/Options.h"
#include "settings/ProgramSettings.h"
#include "settings/SpreadDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

using namespace testsupport;

Q_DECLARE_METATYPE(Language)

namespace {

// Words of the program's Dutch captions, menus, tips and messages; none has an English twin
// spelt the same.
const QStringList DutchWords = QStringLiteral(
    "bestand opslaan openen afsluiten instellingen bewerken ongedaan opnieuw handleiding voorbeeld "
    "jaaroverzicht rapport afdrukken kopiëren grafiek vergelijk vergelijking basis verschil naamloos "
    "taal origineel jaartal inleg kostprijs huur huurstijging waardestijging hypotheek hypotheekrente "
    "rendement vastgoed activa schulden schuld inkomsten lasten maandelijkse nettowaarde spreiding "
    "inflatie uitgaven vandaag toon beperk paden som inbreng investeringen investering portefeuille jaar "
    "jaren geen getal wissen herstellen annuleren mediaan overige financieel vrij tabel kies vul "
    "eenmalige recente procentpunt gewijzigd vermogen groei weergave")
                                     .split(QLatin1Char(' '));

// Every text a user can see in `window`: captions, titles, menus, actions, tips, placeholders,
// suffixes, list entries, headers with their tips, chart series and titles.
QStringList visibleTexts(QWidget *window)
{
    QStringList texts;
    QList<QObject *> objects = window->findChildren<QObject *>();
    objects.prepend(window);
    for (QObject *object : objects) {
        for (const char *property : { "text", "title", "windowTitle", "toolTip", "statusTip", "accessibleName",
                 "placeholderText", "suffix" })
            texts << object->property(property).toString();
        if (auto *combo = qobject_cast<QComboBox *>(object)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
        if (auto *header = qobject_cast<QHeaderView *>(object)) {
            for (int s = 0; s < header->count(); ++s) {
                for (int role : { int(Qt::DisplayRole), int(Qt::ToolTipRole) })
                    texts << header->model()->headerData(s, header->orientation(), role).toString();
            }
        }
        if (auto *view = qobject_cast<QtCharts::QChartView *>(object)) {
            texts << view->chart()->title();
            for (QtCharts::QAbstractSeries *series : view->chart()->series())
                texts << series->name();
        }
    }
    // Rich text (the About box, the report's headings) is read without its tags.
    for (QString &text : texts)
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    texts.removeAll(QString());
    return texts;
}

// "word in 'text'" for every Dutch word of a text. The five type names are the values of the
// Type column and of the files, the same in every language; the languages in the Taal menu
// carry their own names.
QStringList dutchIn(const QStringList &texts)
{
    QStringList found;
    for (QString text : texts) {
        for (const QString &type : InvestmentTypeNames)
            text.remove(type);
        text.remove(QStringLiteral("Nederlands"));
        for (const QString &word : text.toLower().split(QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts)) {
            if (DutchWords.contains(word))
                found << QStringLiteral("%1 in '%2'").arg(word, text);
        }
    }
    found.removeDuplicates();
    return found;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initResources();
        ProgramSettings().clear(); // this test's own settings (tests/CMakeLists.txt)
    }
    void cleanup() { InstallLanguage(qApp, Language::Original); }

    // A few texts of each window in each language; Origineel shows the program's own texts.
    void windowTexts_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("text");
        const struct {
            const char *window, *object, *original, *dutch, *english;
        } texts[] = {
            { "main", "menuOpen_File", "File", "Bestand", "File" },
            { "main", "actionSave_as", "Save as...", "Opslaan als...", "Save as..." },
            { "main", "actionSettings", "Settings...", "Instellingen...", "Settings..." },
            { "main", "actionSave", "Opslaan", "Opslaan", "Save" },
            { "main", "menuBewerken", "Bewerken", "Bewerken", "Edit" },
            { "main", "menuTaal", "Taal", "Taal", "Language" },
            { "main", "GoGoGo", "Get Wealthy", "Rijk plannen", "Get Wealthy" },
            { "main", "btn_ClearInvestmenst", "Clear Investments", "Investeringen wissen", "Clear Investments" },
            { "main", "label_6", "Uw financiele situatie in jaar :", "Uw financiele situatie in jaar :", "Your situation in year :" },
            { "chart", "GrafiekOpslaan", "Opslaan als afbeelding...", "Opslaan als afbeelding...", "Save as image..." },
            { "options", "label", "Beperk het aantal investeringen tot :", "Beperk het aantal investeringen tot :", "Limit the investments to :" },
            { "spread", "SpreadDialog", "Spreiding", "Spreiding", "Spread" },
        };
        for (const auto &t : texts) {
            const QString name = QStringLiteral("%1 %2").arg(QLatin1String(t.window), QLatin1String(t.object));
            QTest::newRow(qPrintable(name + " origineel")) << Language::Original << t.window << t.object << QString::fromUtf8(t.original);
            QTest::newRow(qPrintable(name + " nl")) << Language::Dutch << t.window << t.object << QString::fromUtf8(t.dutch);
            QTest::newRow(qPrintable(name + " en")) << Language::English << t.window << t.object << QString::fromUtf8(t.english);
        }
    }

    void windowTexts()
    {
        QFETCH(Language, language);
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(QString, text);
        QVERIFY(InstallLanguage(qApp, language));
        MainWindow w;
        std::unique_ptr<QWidget> other;
        QWidget *shown = &w;
        if (window == QLatin1String("chart")) {
            typeExampleRows(w, 2);
            other.reset(openChart(w, false, nullptr));
            shown = other.get();
        } else if (window == QLatin1String("options")) {
            find<QAction>(&w, "actionSettings")->trigger();
            shown = w.findChild<Options *>();
        } else if (window == QLatin1String("spread")) {
            QSettings settings = ProgramSettings();
            other = std::make_unique<SpreadDialog>(settings);
            shown = other.get();
        }
        QVERIFY(shown);
        QObject *found = shown->objectName() == object ? shown : shown->findChild<QObject *>(object);
        QVERIFY2(found, qPrintable(object));
        QString caption;
        for (const char *property : { "title", "text", "windowTitle" }) { // a menu, an action or caption, a window
            if (caption.isNull() && found->property(property).isValid())
                caption = found->property(property).toString();
        }
        QCOMPARE(caption, text);
    }

    // With English chosen no Dutch caption is left in the main window (with a baseline and
    // its rows), the chart windows and the dialogs, nor in a message box; with the original
    // texts the same check finds the Dutch words, or it checks nothing.
    void noDutchInEnglish_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("Origineel") << Language::Original;
    }

    void noDutchInEnglish()
    {
        QFETCH(Language, language);
        QVERIFY(InstallLanguage(qApp, language));
        MainWindow w;
        w.show();
        typeExampleRows(w, 3);
        // A spending goal (the free year, the spending line), the spread on, a baseline.
        find<QLineEdit>(&w, "MaandelijkseUitgaven")->setText(QStringLiteral("3000"));
        find<QCheckBox>(&w, "Spreiding")->setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(!find<QLabel>(&w, "SpreidingNettowaarde")->text().contains(QLatin1String("...")), 60000);
        find<QAction>(&w, "actionBasisVastleggen")->trigger();
        QStringList texts = visibleTexts(&w);
        for (bool cashFlow : { false, true }) {
            std::unique_ptr<LineGraphs> chart(openChart(w, cashFlow, nullptr));
            QVERIFY(chart);
            texts << visibleTexts(chart.get());
        }
        find<QAction>(&w, "actionSettings")->trigger();
        QVERIFY(w.findChild<Options *>());
        texts << visibleTexts(w.findChild<Options *>());
        QSettings settings = ProgramSettings();
        SpreadDialog spread(settings);
        texts << visibleTexts(&spread);
        find<QAction>(&w, "actionJaaroverzicht")->trigger();
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("Jaaroverzicht"))
                texts << visibleTexts(top);
        }
        // A refused start year: the message box.
        texts << closingModals([&w]() { typeCell(w, 5, ColStartYear, QStringLiteral("1800")); });
        QVERIFY(texts.size() > 200);
        const QStringList dutch = dutchIn(texts);
        if (language == Language::English)
            QVERIFY2(dutch.isEmpty(), qPrintable(dutch.join(QLatin1Char('\n'))));
        else
            QVERIFY2(dutch.size() > 50, qPrintable(QString::number(dutch.size())));
    }

    // "--lang" and "--lang=" in any place; a name of none of the three is refused.
    void languageOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("none") << QStringList { "quorvant", "a.inv" } << true << Language::Dutch << QStringList { "quorvant", "a.inv" };
        QTest::newRow("en before a file") << QStringList { "quorvant", "--lang", "en", "a.inv" } << true << Language::English
                                          << QStringList { "quorvant", "a.inv" };
        QTest::newRow("origineel after a file") << QStringList { "quorvant", "a.inv", "--lang=Origineel" } << true
                                                << Language::Original << QStringList { "quorvant", "a.inv" };
        QTest::newRow("before --report") << QStringList { "quorvant", "--lang=en", "--report", "r.pdf", "a.inv" } << true
                                         << Language::English << QStringList { "quorvant", "--report", "r.pdf", "a.inv" };
        QTest::newRow("unknown name") << QStringList { "quorvant", "--lang", "de" } << false << Language::Dutch << QStringList { "quorvant" };
        QTest::newRow("name missing") << QStringList { "quorvant", "--lang" } << false << Language::Dutch << QStringList { "quorvant", "--lang" };
    }

    void languageOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(Language, language);
        QFETCH(QStringList, left);
        Language chosen = Language::Dutch;
        QCOMPARE(TakeLanguageOption(&arguments, &chosen), accepted);
        QCOMPARE(chosen, language);
        QCOMPARE(arguments, left);
    }

    // Help shows the English manual with English chosen, the Dutch one otherwise.
    void manualFollowsTheLanguage()
    {
        for (const Language language : { Language::Original, Language::Dutch, Language::English }) {
            QVERIFY(InstallLanguage(qApp, language));
            QFile manual(ManualResourcePath());
            QVERIFY2(manual.open(QIODevice::ReadOnly), qPrintable(manual.fileName()));
            const bool english = manual.readAll().contains("<html lang=\"en\">");
            QCOMPARE(english, language == Language::English);
        }
    }

    // A label that showed no number gets its own tip back with the next number, in English too.
    void ownTipReturnsInEnglish()
    {
        QVERIFY(InstallLanguage(qApp, Language::English));
        QLabel label;
        label.setToolTip(QStringLiteral("own tip"));
        ShowShownAmount(&label, std::nan(""));
        QVERIFY(label.toolTip().startsWith(QLatin1String("Not a number")));
        ShowShownAmount(&label, 12.0);
        QCOMPARE(label.toolTip(), QStringLiteral("own tip"));
    }

    // The menu remembers the choice for the next start; an unknown stored value is Origineel.
    void menuRemembersTheChoice()
    {
        MainWindow w;
        find<QAction>(&w, "actionTaalEnglish")->trigger();
        QCOMPARE(LanguageSettings::load().language, Language::English);
        QCOMPARE(ActiveLanguage(), Language::Original); // from the next start on
        QVERIFY(find<QAction>(MainWindow().findChild<QMenu *>("menuTaal"), "actionTaalEnglish")->isChecked());
        ProgramSettings().setValue(QStringLiteral("Taal"), QStringLiteral("klingon"));
        QCOMPARE(LanguageSettings::load().language, Language::Original);
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translations.moc"
