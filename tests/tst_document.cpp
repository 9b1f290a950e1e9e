// The portfolio as a document: undo and redo of every kind of step, the question about
// unsaved changes, Save and the extension it adds.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "io/InvestFormat.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>
#include <QtTest>

using namespace testsupport;

namespace {

// Everything a user sees of the portfolio: input texts and colours, output grid, totals,
// the year list and the generator panel, and the numbers behind them.
QStringList screen(MainWindow &w)
{
    QStringList seen;
    QTableWidget *in = inputGrid(w);
    for (int r = 0; r < in->rowCount(); ++r) {
        for (int c = 0; c < in->columnCount(); ++c)
            seen << in->item(r, c)->text() + QLatin1Char('@') + in->item(r, c)->background().color().name();
    }
    QTableWidget *out = outputGrid(w);
    for (int r = 0; r < out->rowCount(); ++r) {
        for (int c = 0; c < out->columnCount(); ++c)
            seen << out->item(r, c)->text();
    }
    for (QLabel *label : w.findChildren<QLabel *>()) {
        if (label->objectName().startsWith(QLatin1String("Totaal_")))
            seen << label->objectName() + QLatin1Char('=') + label->text();
    }
    auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
    seen << QStringLiteral("years %1 %2").arg(years->count()).arg(years->currentText());
    for (int k = 1; k <= 10; ++k)
        seen << find<QTextEdit>(&w, QStringLiteral("wealth_edit%1").arg(k).toLatin1())->toPlainText();
    for (int r = 0; r < MaxRows; ++r) {
        for (int y = 0; y < MaxYears; y += 5)
            seen << QString::number(w.store().block(r).years[y].series[SerCash], 'g', 17);
    }
    return seen;
}

void typePortfolio(MainWindow &w)
{
    setRow(w, 0, 0, { "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" });
    setRow(w, 1, 3, { "2021", "1000", "100" });
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { initResources(); }

    void undoAndRedoEveryKindOfStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("typed cell") << "cell";
        QTest::newRow("type change") << "type";
        QTest::newRow("Get Wealthy") << "generator";
        QTest::newRow("Clear Investments") << "clear";
        QTest::newRow("Open") << "open";
        QTest::newRow("Delete") << "delete";
    }

    void undoAndRedoEveryKindOfStep()
    {
        QFETCH(QString, step);
        const QString file = dir.filePath(QStringLiteral("other.inv"));
        {
            MainWindow other;
            setRow(other, 4, 4, { "2019", "5000", "10", "20", "", "", "", "", "", "", "", "", "", "", "4" });
            find<QTextEdit>(&other, "wealth_edit1")->setPlainText(QStringLiteral("1999"));
            triggerWithFile(other, "actionSave_as", file);
        }
        MainWindow w;
        typePortfolio(w);
        // Typed in the panel before the step: no step of its own, and an undo keeps it.
        const QStringList panel { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" };
        for (int k = 1; k <= 10; ++k)
            find<QTextEdit>(&w, QStringLiteral("wealth_edit%1").arg(k).toLatin1())->setPlainText(panel.at(k - 1));
        const QStringList before = screen(w);
        const int steps = w.UndoStack()->count();

        if (step == QLatin1String("cell")) {
            typeCell(w, 0, 6, QStringLiteral("250.000"));
        } else if (step == QLatin1String("type")) {
            placeCursor(inputGrid(w), 0, 1);
            w.on_InvestTypeChanged(1); // empties the loan columns
        } else if (step == QLatin1String("generator")) {
            find<QPushButton>(&w, "GoGoGo")->click();
        } else if (step == QLatin1String("clear")) {
            find<QPushButton>(&w, "btn_ClearInvestmenst")->click();
        } else if (step == QLatin1String("open")) {
            QCOMPARE(triggerWithFile(w, "actionOpen", file), QStringList());
        } else {
            QTableWidget *grid = inputGrid(w);
            grid->setRangeSelected(QTableWidgetSelectionRange(0, 6, 1, 9), true);
            QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QCoreApplication::sendEvent(grid, &del);
        }
        const QStringList after = screen(w);
        QVERIFY(after != before);
        // Whatever the step set off (nested cell changes, projections), it is one step.
        QCOMPARE(w.UndoStack()->count(), steps + 1);

        w.UndoStack()->undo();
        QCOMPARE(screen(w), before);
        w.UndoStack()->redo();
        QCOMPARE(screen(w), after);
        w.UndoStack()->undo();
        QCOMPARE(screen(w), before);
    }

    // Undo of an Open gives back the document it replaced: the file Save writes, the title and
    // the unsaved mark; Redo brings the opened file back. The opened file is never written.
    void undoOfOpenGivesBackTheDocument_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<bool>("changedBefore");
        QTest::newRow("a saved file") << true << false;
        QTest::newRow("a saved file with changes given up") << true << true;
        QTest::newRow("a new portfolio with changes given up") << false << true;
    }

    void undoOfOpenGivesBackTheDocument()
    {
        QFETCH(bool, savedBefore);
        QFETCH(bool, changedBefore);
        const QString opened = dir.filePath(QStringLiteral("geopend.inv"));
        {
            MainWindow other;
            setRow(other, 2, 3, { "2022", "500", "50" });
            triggerWithFile(other, "actionSave_as", opened);
        }
        const QByteArray openedBytes = readBytes(opened);
        const QString plan = dir.filePath(QStringLiteral("plan.inv"));
        MainWindow w;
        w.setSaveFileNameProvider([&]() { return plan; });
        typePortfolio(w);
        if (savedBefore)
            triggerWithFile(w, "actionSave_as", plan);
        if (changedBefore)
            typeCell(w, 1, 2, QStringLiteral("3000"));
        const QStringList before = screen(w);
        const QString title = w.windowTitle();
        const bool modified = w.isWindowModified();

        QCOMPARE(triggerWithFile(w, "actionOpen", opened), QStringList());
        QCOMPARE(w.windowTitle(), QString::fromUtf8("geopend.inv[*] \u2014 Quorvant"));
        QVERIFY(!w.isWindowModified());
        const QStringList after = screen(w);

        w.UndoStack()->undo();
        QCOMPARE(screen(w), before);
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(w.isWindowModified(), modified);
        QCOMPARE(w.CurrentFile(), savedBefore ? plan : QString());

        w.UndoStack()->redo();
        QCOMPARE(screen(w), after);
        QCOMPARE(w.CurrentFile(), opened);
        QVERIFY(!w.isWindowModified());

        // Save after the undo writes the earlier document, never the opened file.
        w.UndoStack()->undo();
        w.setSaveFileNameProvider([&]() { return plan; }); // a new portfolio asks for a name
        find<QAction>(&w, "actionSave")->trigger();
        QCOMPARE(readBytes(opened), openedBytes);
        QVERIFY(readBytes(plan).contains(changedBefore ? ";2021;3000;100;" : ";2021;1000;100;"));
        QVERIFY(!w.isWindowModified());
        // The opened file, brought back, still equals its file.
        w.UndoStack()->redo();
        QVERIFY(!w.isWindowModified());
    }

    // A file that is no investment file changes nothing: not the grid, the title, the file
    // Save writes or the undo history, and the file itself is never written.
    void refusedFileChangesNothing()
    {
        const QString letter = dir.filePath(QStringLiteral("brief.txt"));
        const QByteArray letterBytes("Beste Jan; hierbij de offerte.");
        QVERIFY(writeBytes(letter, letterBytes));
        const QString plan = dir.filePath(QStringLiteral("eigen.inv"));
        MainWindow w;
        typePortfolio(w);
        triggerWithFile(w, "actionSave_as", plan);
        typeCell(w, 1, 2, QStringLiteral("4000"));
        const QStringList before = screen(w);
        const int steps = w.UndoStack()->count();

        const QStringList seen = triggerWithFile(w, "actionOpen", letter);
        QCOMPARE(seen, QStringList { "Unable to open file|" + NotInvestFileText(QStringLiteral("brief.txt")) });
        QCOMPARE(screen(w), before);
        QCOMPARE(w.UndoStack()->count(), steps);
        QCOMPARE(w.CurrentFile(), plan);
        QVERIFY(w.isWindowModified());
        find<QAction>(&w, "actionSave")->trigger();
        QCOMPARE(readBytes(letter), letterBytes);
        QVERIFY(readBytes(plan).contains(";2021;4000;100;"));
    }

    void unsavedQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save") << int(QMessageBox::Save) << true << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
    }

    void unsavedQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QString file = dir.filePath(QStringLiteral("guard-%1").arg(answer));
        MainWindow w;
        w.setSaveFileNameProvider([file]() { return file; });
        w.show();
        typePortfolio(w);
        QVERIFY(w.isWindowModified());
        bool accepted = false;
        const QStringList seen = answeringModals(QMessageBox::StandardButton(answer), [&]() { accepted = w.close(); });
        QCOMPARE(seen, QStringList { UnsavedQuestion });
        QCOMPARE(accepted, closed);
        QCOMPARE(QFile::exists(file + QStringLiteral(".inv")), saved);
        QCOMPARE(cellText(inputGrid(w), 1, 2), QStringLiteral("1000")); // nothing was cleared
        if (saved)
            QVERIFY(!w.isWindowModified());

        // Without changes nothing is asked.
        w.UndoStack()->setClean();
        QCOMPARE(closingModals([&]() { w.close(); }), QStringList());
    }

    void saveAddsTheExtensionAndSavesAgainWithoutAsking()
    {
        MainWindow w;
        int asked = 0;
        const QString name = dir.filePath(QStringLiteral("mijn plan"));
        w.setSaveFileNameProvider([&]() {
            ++asked;
            return name;
        });
        typePortfolio(w);
        QAction *save = find<QAction>(&w, "actionSave");
        QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(closingModals([&]() { save->trigger(); }), QStringList()); // no file yet: asks
        QCOMPARE(asked, 1);
        QVERIFY(QFile::exists(name + QStringLiteral(".inv")));
        QVERIFY(!QFile::exists(name));
        QCOMPARE(w.windowTitle(), QString::fromUtf8("mijn plan.inv[*] \u2014 Quorvant"));
        QVERIFY(!w.isWindowModified());

        typeCell(w, 1, 2, QStringLiteral("2000"));
        QVERIFY(w.isWindowModified());
        save->trigger();
        QCOMPARE(asked, 1); // the current file, without a dialog
        QVERIFY(readBytes(name + QStringLiteral(".inv")).contains(";2021;2000;100;"));
        QVERIFY(!w.isWindowModified());
        // Undo back past the save marks the portfolio changed again.
        w.UndoStack()->undo();
        QVERIFY(w.isWindowModified());

        // The file is among the recent files.
        const QList<QAction *> recent = find<QMenu>(&w, "menuRecent")->actions();
        QVERIFY(!recent.isEmpty());
        QVERIFY(recent.first()->text().contains(QStringLiteral("mijn plan.inv")));
    }
};

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"
