// The translations: each language shows its texts in every window, English leaves no Dutch
// caption behind, and "--lang" chooses the language of one run.

#include "TestSupport.h"

#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"
#include "settings/Options.h"
#include "settings/ProgramSettings.h"
#include "settings/SpreadDialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>
#include <QtCharts/QAbstractAxis>
#include <QtTest>

using namespace testsupport;

Q_DECLARE_METATYPE(Language)

namespace {

// Words of the program's Dutch captions, menus, tips and messages; none has an English twin
// spelt the same.
const QStringList DutchWords = {
    "bestand", "opslaan", "openen", "afsluiten", "instellingen", "bewerken", "ongedaan", "opnieuw",
    "handleiding", "voorbeeld", "jaaroverzicht", "rapport", "afdrukken", "kopiëren", "grafiek",
    "vergelijk", "vergelijking", "basis", "verschil", "naamloos", "taal", "origineel", "jaartal",
    "inleg", "kostprijs", "huur", "huurstijging", "waardestijging", "hypotheek", "hypotheekrente",
    "rendement", "vastgoed", "activa", "schulden", "schuld", "inkomsten", "lasten", "maandelijkse",
    "nettowaarde", "spreiding", "inflatie", "uitgaven", "vandaag", "toon", "beperk", "paden", "som",
    "inbreng", "investeringen", "investering", "portefeuille", "jaar", "jaren", "geen", "getal",
    "wissen", "herstellen", "annuleren", "mediaan", "overige", "financieel", "vrij", "tabel", "kies",
    "vul", "eenmalige", "recente", "procentpunt", "gewijzigd", "vermogen", "groei", "weergave",
};

QString plain(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// Every text a user can see in `window` and its children: captions, titles, menus, tips,
// headers, list entries, placeholders, suffixes, chart series and axes.
QStringList visibleTexts(QWidget *window)
{
    QStringList texts;
    auto add = [&texts](const QString &text) {
        if (!text.trimmed().isEmpty())
            texts << plain(text);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        add(widget->windowTitle());
        add(widget->toolTip());
        add(widget->statusTip());
        add(widget->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text());
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            add(box->title());
        if (auto *menu = qobject_cast<QMenu *>(widget))
            add(menu->title());
        if (auto *edit = qobject_cast<QTextEdit *>(widget))
            add(edit->placeholderText());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(edit->placeholderText());
        if (auto *spin = qobject_cast<QSpinBox *>(widget))
            add(spin->suffix());
        if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget))
            add(spin->suffix());
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        }
        if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            for (int s = 0; s < header->count(); ++s) {
                add(header->model()->headerData(s, header->orientation()).toString());
                add(header->model()->headerData(s, header->orientation(), Qt::ToolTipRole).toString());
            }
        }
        if (auto *view = qobject_cast<QtCharts::QChartView *>(widget)) {
            add(view->chart()->title());
            for (QtCharts::QAbstractSeries *series : view->chart()->series())
                add(series->name());
            for (QtCharts::QAbstractAxis *axis : view->chart()->axes())
                add(axis->titleText());
        }
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        add(action->text());
        add(action->toolTip());
        add(action->statusTip());
    }
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

// The object of that name among the window's children, or the window itself.
QString textOf(QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(object))
        return box->title();
    if (auto *widget = qobject_cast<QWidget *>(object))
        return widget->windowTitle();
    return QString();
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
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
            { "main", "actionOpen", "Open", "Openen", "Open" },
            { "main", "actionSave_as", "Save as...", "Opslaan als...", "Save as..." },
            { "main", "actionExit", "Exit", "Afsluiten", "Exit" },
            { "main", "actionSettings", "Settings...", "Instellingen...", "Settings..." },
            { "main", "actionSave", "Opslaan", "Opslaan", "Save" },
            { "main", "menuBewerken", "Bewerken", "Bewerken", "Edit" },
            { "main", "menuTaal", "Taal", "Taal", "Language" },
            { "main", "actionTaalOrigineel", "Origineel", "Origineel", "Original" },
            { "main", "GoGoGo", "Get Wealthy", "Rijk plannen", "Get Wealthy" },
            { "main", "btn_ClearInvestmenst", "Clear Investments", "Investeringen wissen", "Clear Investments" },
            { "main", "label_6", "Uw financiele situatie in jaar :", "Uw financiele situatie in jaar :", "Your situation in year :" },
            { "main", "Wealth_lbl2", "Eenmalige inleg", "Eenmalige inleg", "One-off deposit" },
            { "main", "ToonEurosVanVandaag", "Toon in euro's van vandaag", "Toon in euro's van vandaag", "Show in today's euros" },
            { "chart", "GrafiekOpslaan", "Opslaan als afbeelding...", "Opslaan als afbeelding...", "Save as image..." },
            { "chart", "GrafiekAfdrukken", "Afdrukken...", "Afdrukken...", "Print..." },
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
        QCOMPARE(textOf(found), text);
    }

    // The column headers follow the language; the Dutch CSV headers of the core do not.
    void headersFollowTheLanguage()
    {
        QVERIFY(InstallLanguage(qApp, Language::English));
        MainWindow w;
        QCOMPARE(inputGrid(w)->horizontalHeaderItem(ColStartYear)->text(), QStringLiteral("Year"));
        QCOMPARE(outputGrid(w)->horizontalHeaderItem(SerDebt)->text(), QStringLiteral("Debt"));
        QCOMPARE(InputColumns[ColStartYear].header, QStringLiteral("Jaartal"));
        // A "Cash voor cashflow" row relabels two headers, and back.
        inputGrid(w)->setCurrentCell(0, 0);
        QMetaObject::invokeMethod(&w, "on_InvestTypeChanged", Q_ARG(int, CashForCashflow));
        QCOMPARE(inputGrid(w)->horizontalHeaderItem(ColPrice)->text(), QStringLiteral("Min. dep."));
        QMetaObject::invokeMethod(&w, "on_InvestTypeChanged", Q_ARG(int, LeveragedProperty));
        QCOMPARE(inputGrid(w)->horizontalHeaderItem(ColPrice)->text(), QStringLiteral("Price"));
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

    // The menu remembers the choice for the next start; an unknown stored value is Origineel.
    void menuRemembersTheChoice()
    {
        MainWindow w;
        find<QAction>(&w, "actionTaalEnglish")->trigger();
        QCOMPARE(LanguageSettings::load().language, Language::English);
        QCOMPARE(ActiveLanguage(), Language::Original); // from the next start on
        MainWindow next;
        QVERIFY(find<QAction>(&next, "actionTaalEnglish")->isChecked());
        QVERIFY(!find<QAction>(&next, "actionTaalOrigineel")->isChecked());
        ProgramSettings().setValue(QStringLiteral("Taal"), QStringLiteral("klingon"));
        QCOMPARE(LanguageSettings::load().language, Language::Original);
        find<QAction>(&w, "actionTaalOrigineel")->trigger();
        QCOMPARE(LanguageSettings::load().language, Language::Original);
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translations.moc"
