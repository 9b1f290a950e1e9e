// The window as a user meets it right after start-up.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace testsupport;

namespace {
QStringList g_debugLines;
QtMessageHandler g_previousHandler = nullptr;

void recordMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        g_debugLines << QString::fromLatin1(context.category ? context.category : "") + QLatin1Char('|') + message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    void writesStartLineOnce()
    {
        g_debugLines.clear();
        g_previousHandler = qInstallMessageHandler(recordMessages);
        {
            MainWindow w;
        }
        qInstallMessageHandler(g_previousHandler);
        QCOMPARE(g_debugLines.count(QStringLiteral("default|Start application")), 1);
        // Building the window projects nothing.
        QCOMPARE(g_debugLines.count(QStringLiteral("default|addinvestment")), 0);
    }

    void signalsAndSlotsInTheirOrder()
    {
        const QMetaObject &meta = MainWindow::staticMetaObject;
        QCOMPARE(meta.className(), "MainWindow");
        const QStringList expected { "SendItemToComboDelegate(int)", "on_pushButton_clicked()",
            "on_actionOpen_triggered()", "on_actionExit_triggered()", "on_actionSave_as_triggered()",
            "on_Vastgoed_currentCellChanged(int,int,int,int)", "on_Vastgoed_cellChanged(int,int)",
            "ValidateDate(int,int)", "on_Situatie_Jaartal_currentIndexChanged(QString)",
            "on_WealthSelect_currentIndexChanged(int)", "on_GoGoGo_clicked()",
            "on_btn_ClearInvestmenst_clicked()", "on_actionSettings_triggered()", "on_actionInhoud_triggered()",
            "on_Vastgoed_cellDoubleClicked(int,int)", "on_InvestTypeChanged(int)", "SetMaxJaren(int)",
            "SetMaxInvestment(int)" };
        for (int i = 0; i < expected.size(); ++i) {
            const QMetaMethod method = meta.method(meta.methodOffset() + i);
            QCOMPARE(QString::fromLatin1(method.methodSignature()), expected.at(i));
        }
        QCOMPARE(meta.method(meta.methodOffset()).methodType(), QMetaMethod::Signal);
        QCOMPARE(meta.method(meta.methodOffset() + 15).access(), QMetaMethod::Public);
        QCOMPARE(meta.method(meta.methodOffset() + 14).access(), QMetaMethod::Private);
    }

    void windowFrame()
    {
        MainWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(w.size(), QSize(1342, 926));
        QCOMPARE(w.windowTitle(), QString::fromUtf8("Naamloos[*] \u2014 Quorvant"));
        QVERIFY(!w.isWindowModified());
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.windowIcon().availableSizes().size(), 6);

        auto *toolBar = find<QToolBar>(&w, "toolBar");
        QVERIFY(toolBar);
        QCOMPARE(toolBar->windowTitle(), QStringLiteral("toolBar"));
        QCOMPARE(w.toolBarArea(toolBar), Qt::TopToolBarArea);
        QStringList toolTexts;
        for (QAction *a : toolBar->actions())
            toolTexts << a->text();
        QCOMPARE(toolTexts, (QStringList { "Open", "Save as...", "Exit" }));

        auto *bar = find<QMenuBar>(&w, "menubar");
        QStringList menus;
        for (QAction *a : bar->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList { "File", "Bewerken", "Plan", "Taal", "Help" }));
        QStringList fileItems;
        for (QAction *a : find<QMenu>(&w, "menuOpen_File")->actions())
            fileItems << a->objectName();
        // Settings must be reachable: it sits in the File menu between saving and leaving.
        QVERIFY(fileItems.indexOf("actionSettings") > fileItems.indexOf("actionSave_as"));
        QVERIFY(fileItems.indexOf("actionSettings") < fileItems.indexOf("actionExit"));
        QCOMPARE(fileItems.first(), QStringLiteral("actionOpen"));
        QCOMPARE(fileItems.indexOf("actionSave") + 1, fileItems.indexOf("actionSave_as"));
        QCOMPARE(fileItems.last(), QStringLiteral("actionExit"));
        // Help: the manual first, then the example and About.
        QStringList helpItems;
        for (QAction *action : find<QMenu>(&w, "menuHelp")->actions()) {
            if (!action->isSeparator())
                helpItems << action->objectName();
        }
        QCOMPARE(helpItems, (QStringList { "actionInhoud", "actionVoorbeeld", "actionOverQuorvant" }));
        QCOMPARE(find<QMenu>(&w, "menuHelp")->actions().first()->text(), QStringLiteral("Online Handleiding"));
        for (const char *name : { "actionOpen", "actionSave_as", "actionExit" })
            QVERIFY2(!find<QAction>(&w, name)->icon().isNull(), name);
        QVERIFY(find<QAction>(&w, "actionSettings")->icon().isNull());
        QCOMPARE(find<QAction>(&w, "actionSettings")->text(), QStringLiteral("Settings..."));
    }

    void resourcesHaveTheirSizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("open") << ":/rec/img/open-file-icon.png" << QSize(256, 256);
        QTest::newRow("save") << ":/rec/img/file-save-as-icon.png" << QSize(128, 128);
        QTest::newRow("close") << ":/rec/img/Close-2-icon.png" << QSize(256, 256);
        QTest::newRow("graph") << ":/rec/img/graph.png" << QSize(509, 452);
    }
    void resourcesHaveTheirSizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        QCOMPARE(reader.size(), size);
    }

    void iconHoldsSixSizes()
    {
        QIcon icon(QStringLiteral(":/rec/ico/21571-7-green-arrow-file.ico"));
        QList<int> widths;
        for (const QSize &s : icon.availableSizes())
            widths << s.width();
        std::sort(widths.begin(), widths.end());
        QCOMPARE(widths, (QList<int> { 16, 32, 48, 64, 128, 256 }));
    }

    void outputGridLayout()
    {
        MainWindow w;
        QTableWidget *grid = outputGrid(w);
        QCOMPARE(grid->geometry(), QRect(40, 420, 1261, 192));
        QCOMPARE(grid->rowCount(), 30);
        QCOMPARE(grid->columnCount(), 10);
        const QStringList headers { "BeginJaar", "Cash", "Vastgoed", "Activa", "Eigen inbreng", "Schulden",
            "Maandelijkse Inkomsten", "Maandelijkse lasten", "Maandelijkse CashFlow", "ROI(%)" };
        const QList<int> widths { 60, 130, 130, 130, 130, 130, 140, 140, 140, 80 };
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(grid->horizontalHeaderItem(c)->text(), headers.at(c));
            QCOMPARE(grid->columnWidth(c), widths.at(c));
        }
    }

    void everyCellHoldsAnItem()
    {
        MainWindow w;
        QTableWidget *in = inputGrid(w);
        QTableWidget *out = outputGrid(w);
        for (int r = 0; r < 30; ++r) {
            QCOMPARE(in->item(r, 0)->text(), QStringLiteral("Onderpand met hefboom"));
            for (int c = 1; c < 16; ++c) {
                QVERIFY(in->item(r, c));
                QCOMPARE(in->item(r, c)->text(), QString());
            }
            for (int c = 0; c < 10; ++c) {
                QVERIFY(out->item(r, c));
                QCOMPARE(out->item(r, c)->text(), QString());
            }
        }
    }

    void rowsArePaintedForTheirType()
    {
        MainWindow w;
        QTableWidget *in = inputGrid(w);
        for (int r = 0; r < 30; ++r) {
            for (int c = 1; c < 16; ++c) {
                const QBrush brush = in->item(r, c)->background();
                if (ColumnApplies(LeveragedProperty, c)) {
                    QCOMPARE(brush.style(), Qt::SolidPattern);
                    QCOMPARE(brush.color(), QColor(255, 255, 255));
                } else {
                    QCOMPARE(brush.style(), Qt::Dense6Pattern);
                    QCOMPARE(brush.color(), QColor(204, 229, 255));
                }
            }
        }
        QCOMPARE(MainWindow::ManualRowColour, QColor(204, 229, 255, 255));
        QCOMPARE(MainWindow::EmptyRowColour, QColor(255, 255, 255, 255));
        QCOMPARE(MainWindow::GeneratedRowColour, QColor(255, 255, 51, 255));
    }

    void storeStartsEmpty()
    {
        MainWindow w;
        const InvestmentStore &s = w.store();
        QCOMPARE(w.MaxInvestment(), 30);
        QCOMPARE(w.MaxJaren(), 31);
        for (int r = 0; r < 30; ++r) {
            QCOMPARE(s.input(r).field[0], 0.0);
            for (int c = 1; c < 16; ++c)
                QCOMPARE(s.input(r).field[c], -1.0);
            QVERIFY(!s.block(r).projected);
            QVERIFY(!s.isRowComplete(r));
        }
        QCOMPARE(w.EarliestStartYear(), 2147483647);
        QCOMPARE(w.ProjectedRowCount(), 0);
        QVERIFY(w.InvestText().isEmpty());
    }

    void yearListAndTotalsStartEmpty()
    {
        MainWindow w;
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), 0);
        QCOMPARE(years->geometry(), QRect(460, 380, 221, 31));
        const char *labels[] = { "Totaal_Schulden", "Totaal_Cashflow", "Totaal_Activa", "Totaal_Nettowaarde",
            "Totaal_Cash", "Totaal_Vastgoed", "Totaal_EigenCash", "Totaal_InkomenMaandelijks",
            "Totaal_LastenMaandelijks" };
        for (const char *name : labels) {
            auto *label = find<QLabel>(&w, name);
            QVERIFY2(label, name);
            QCOMPARE(label->text(), QString());
            QCOMPARE(label->font().pointSize(), 10);
            QVERIFY(label->font().bold());
        }
        QCOMPARE(find<QLabel>(&w, "Totaal_Nettowaarde")->geometry(), QRect(1240, 620, 181, 20));
        QCOMPARE(find<QLabel>(&w, "label_2")->text(), QStringLiteral("Nettowaarde"));
    }

    void generatorPanelShowsKindZero()
    {
        MainWindow w;
        auto *kinds = find<QComboBox>(&w, "WealthSelect");
        QCOMPARE(kinds->count(), 3);
        QCOMPARE(kinds->itemText(0), QStringLiteral("Onderpand met hefboom"));
        QCOMPARE(kinds->itemText(1), QStringLiteral("Onderpand zonder hefboom"));
        QCOMPARE(kinds->itemText(2), QStringLiteral("Cash voor cashflow"));
        QCOMPARE(kinds->currentIndex(), 0);
        QCOMPARE(kinds->toolTip().split('\n').size(), 4);
        QVERIFY(kinds->toolTip().startsWith("Onderpand met hefboom  (Vastgoed, forex, opties)\n"));
        const QStringList expected { "BeginJaar", "Eenmalige inleg", "Maandelijkse inleg", "Kostprijs",
            "Netto Huur/maand", "Huurstijging (%)", "Waardestijging (%)", "LTV (%)", "Hypotheekrente (%)",
            "Hypotheekduur(j)" };
        for (int k = 1; k <= 10; ++k) {
            auto *label = find<QLabel>(&w, QByteArray("Wealth_lbl" + QByteArray::number(k)).constData());
            QCOMPARE(label->text(), expected.at(k - 1));
            QVERIFY(!label->isHidden());
            auto *edit = find<QTextEdit>(&w, QByteArray("wealth_edit" + QByteArray::number(k)).constData());
            QVERIFY(!edit->isHidden());
            QVERIFY(edit->tabChangesFocus());
            QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(edit->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        }
        // No placeholder caption is left anywhere.
        for (QLabel *label : w.findChildren<QLabel *>())
            QVERIFY2(label->text() != QStringLiteral("TextLabel"), qPrintable(label->objectName()));
        QCOMPARE(find<QPushButton>(&w, "GoGoGo")->text(), QStringLiteral("Get Wealthy"));
        QCOMPARE(find<QPushButton>(&w, "btn_ClearInvestmenst")->text(), QStringLiteral("Clear Investments"));
    }

    void chartChoiceStartsOnNetWorth()
    {
        MainWindow w;
        QVERIFY(find<QRadioButton>(&w, "NettoRadioButt")->isChecked());
        QVERIFY(!find<QRadioButton>(&w, "CashFlowRadioButt")->isChecked());
        QCOMPARE(find<QPushButton>(&w, "pushButton")->iconSize(), QSize(120, 120));
    }

    // Tab walks the generator's fields in the manual's order: BeginJaar, Eenmalige inleg, ...
    void tabFollowsTheManualsFieldOrder()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QApplication::setActiveWindow(&w);
        auto *first = find<QTextEdit>(&w, "wealth_edit1");
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClick(first, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(find<QTextEdit>(&w, "wealth_edit2")));
        QCOMPARE(first->toPlainText(), QString()); // no tab character was inserted
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(find<QTextEdit>(&w, "wealth_edit3")));
    }

    // "Online Handleiding" opens the Dutch manual that ships with the program, which explains
    // every kind and every output column.
    void manualOpensTheShippedPage()
    {
        MainWindow w;
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        find<QAction>(&w, "actionInhoud")->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.urls.size(), 1);
        QVERIFY(catcher.urls.first().isLocalFile());
        const QString page = QString::fromUtf8(readBytes(catcher.urls.first().toLocalFile()));
        QVERIFY(page.contains(QStringLiteral("<html lang=\"nl\">")));
        QStringList named = InvestmentTypeNames;
        for (int c = 0; c < OutputColumnCount; ++c)
            named << OutputColumns[c].header;
        for (const QString &name : named)
            QVERIFY2(page.contains(name), qPrintable(name));
    }

    void exitWithoutChangesQuitsAtOnce()
    {
        MainWindow w;
        w.show();
        QTimer::singleShot(0, find<QAction>(&w, "actionExit"), &QAction::trigger);
        QTimer watchdog;
        bool timedOut = false;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&timedOut]() {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);
        const int code = QCoreApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(code, 0);
        QVERIFY(QApplication::topLevelWidgets().contains(&w)); // nothing asked, nothing closed first
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
