// What a new user trips over: controls out of reach, a generator run without a begin year,
// help without a browser, the example portfolio, rows that have not started yet.

#include "TestSupport.h"

#include "app/HelpMenu.h"
#include "app/MainWindow.h"
#include "io/RecoveryFile.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <QTextEdit>
#include <QUndoStack>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

class FrictionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    // At a laptop's and a desktop's screen size every control can be scrolled to and then
    // lies whole within the viewport, none under the status bar.
    void everyControlWithinReach_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }

    void everyControlWithinReach()
    {
        QFETCH(QSize, size);
        MainWindow w;
        w.resize(size);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *scroll = find<QScrollArea>(&w, "formScrollArea");
        QVERIFY(scroll);
        QStringList outOfReach;
        for (QWidget *control : scroll->widget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!control->isVisible() || qobject_cast<QLabel *>(control))
                continue;
            // Scrolled to its whole box (not only to its inner area, as ensureWidgetVisible does).
            const QPoint centre = control->geometry().center();
            scroll->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1, control->height() / 2 + 1);
            const QRect box(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
            if (!scroll->viewport()->rect().contains(box))
                outOfReach << QStringLiteral("%1 %2,%3 %4x%5 in %6x%7").arg(control->objectName()).arg(box.x()).arg(box.y())
                                  .arg(box.width()).arg(box.height()).arg(scroll->viewport()->width()).arg(scroll->viewport()->height());
        }
        QVERIFY2(outOfReach.isEmpty(), qPrintable(outOfReach.join(QLatin1Char(' '))));
    }

    // A run whose begin year the year check refuses writes no row at all and says so once.
    void badBeginYearWritesNothing_data()
    {
        QTest::addColumn<QString>("beginYear");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << "abc";
        QTest::newRow("too early") << "1800";
        QTest::newRow("too late") << "2200";
    }

    void badBeginYearWritesNothing()
    {
        QFETCH(QString, beginYear);
        MainWindow w;
        find<QTextEdit>(&w, "wealth_edit1")->setPlainText(beginYear);
        find<QTextEdit>(&w, "wealth_edit2")->setPlainText("50000");
        const int steps = w.UndoStack()->count();
        const QStringList boxes = closingModals([&]() { QTest::mouseClick(find<QPushButton>(&w, "GoGoGo"), Qt::LeftButton); });
        QCOMPARE(boxes, QStringList { "Jaartal fout|Vul een geldig jaartal in , bv 2020" });
        for (int r = 0; r < inputGrid(w)->rowCount(); ++r)
            QCOMPARE(cellText(inputGrid(w), r, ColLumpSum), QString());
        QCOMPARE(w.UndoStack()->count(), steps);
        // The grey example is only shown, never read.
        QVERIFY(!find<QTextEdit>(&w, "wealth_edit4")->placeholderText().isEmpty());
        QCOMPARE(find<QTextEdit>(&w, "wealth_edit4")->toPlainText(), QString());
    }

    // Without a browser the manual opens in a window of the program; About names the
    // version, the font's licence and the folders.
    void helpAnswersWithoutBrowser()
    {
        MainWindow w;
        auto *help = w.findChild<HelpMenu *>();
        QVERIFY(help);
        int asked = 0;
        help->setUrlOpener([&](const QUrl &) { ++asked; return false; });
        find<QAction>(&w, "actionInhoud")->trigger();
        QCOMPARE(asked, 1);
        QTextBrowser *manual = help->manualWindow();
        QVERIFY(manual && manual->isVisible());
        QVERIFY(manual->toPlainText().contains(QStringLiteral("Get Wealthy")));
        delete manual;

        const QStringList boxes = closingModals([&]() { find<QAction>(&w, "actionOverQuorvant")->trigger(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.at(0).startsWith(QStringLiteral("Over Quorvant|")));
        QVERIFY(boxes.at(0).contains(QStringLiteral("Bitstream Vera")));
        QVERIFY(boxes.at(0).contains(DefaultRecoveryFolder().toHtmlEscaped()));
    }

    // The example is an unsaved document whose every row is projected, and undo takes it back.
    void exampleOpensUnsaved()
    {
        MainWindow w;
        find<QAction>(&w, "actionVoorbeeld")->trigger();
        QVERIFY(w.CurrentFile().isEmpty());
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.windowTitle(), QString::fromUtf8("Voorbeeld[*] \u2014 Quorvant"));
        QCOMPARE(w.ProjectedRowCount(), 4);
        QVERIFY(find<QComboBox>(&w, "Situatie_Jaartal")->count() > 0);
        QVERIFY(!find<QLabel>(&w, "Totaal_Nettowaarde")->text().isEmpty());
        w.UndoStack()->undo();
        QCOMPARE(w.ProjectedRowCount(), 0);
        QCOMPARE(w.windowTitle(), QString::fromUtf8("Naamloos[*] \u2014 Quorvant"));
    }

    // Ctrl+Z in an open cell editor undoes the editor's typing first, then the history.
    void undoFromAnOpenEditor_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("yearAfter");
        QTest::addColumn<bool>("editorOpen");
        QTest::newRow("typing to undo") << "5" << "2020" << true;
        QTest::newRow("nothing typed") << QString() << QString() << false;
    }

    void undoFromAnOpenEditor()
    {
        QFETCH(QString, typed);
        QFETCH(QString, yearAfter);
        QFETCH(bool, editorOpen);
        MainWindow w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeCell(w, 0, ColStartYear, "2020");
        QTableWidget *grid = inputGrid(w);
        placeCursor(grid, 0, ColLumpSum);
        grid->editItem(grid->item(0, ColLumpSum));
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cellText(grid, 0, ColStartYear), yearAfter);
        QCOMPARE(grid->isPersistentEditorOpen(grid->model()->index(0, ColLumpSum)) || QApplication::focusWidget() == editor, editorOpen);
        if (editorOpen)
            QCOMPARE(editor->text(), QString());
        QCOMPARE(cellText(grid, 0, ColLumpSum), QString());
    }

    // A reopened file shows the year last chosen for it; another file keeps its own.
    void reopenedFileKeepsItsYear()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("een.inv"));
        const QString second = dir.filePath(QStringLiteral("twee.inv"));
        for (const QString &path : { first, second }) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(HelpMenu::exampleText().toUtf8());
        }
        {
            MainWindow w;
            QVERIFY(w.OpenFile(first));
            find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2035");
            QVERIFY(w.OpenFile(second));
            find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2030");
        }
        MainWindow w;
        QVERIFY(w.OpenFile(first));
        QCOMPARE(find<QComboBox>(&w, "Situatie_Jaartal")->currentText(), QStringLiteral("2035"));
        QVERIFY(w.OpenFile(second));
        QCOMPARE(find<QComboBox>(&w, "Situatie_Jaartal")->currentText(), QStringLiteral("2030"));
    }

    // A row that starts after the chosen year is blank, not a row of zeros.
    void laterRowsAreBlank()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        setRow(w, 1, MonthlySaving, { "2025", "500", "0" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentText("2024");
        QCOMPARE(cellText(outputGrid(w), 0, 0), QStringLiteral("2020"));
        for (int k = 0; k < outputGrid(w)->columnCount(); ++k)
            QCOMPARE(cellText(outputGrid(w), 1, k), QString());
        years->setCurrentText("2025");
        QCOMPARE(cellText(outputGrid(w), 1, 0), QStringLiteral("2025"));
        QCOMPARE(cellText(outputGrid(w), 1, 1), shownCell("500"));
    }
};

QTEST_MAIN(FrictionsTest)
#include "tst_frictions.moc"
