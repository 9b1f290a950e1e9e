// Reaching every control: the scroll area on a small screen, Delete in the input grid and
// Enter in the generator fields.

#include "TestSupport.h"

#include "app/FormSetup.h"
#include "app/MainWindow.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

using namespace testsupport;

class ReachTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    // On a screen with room the window shows the whole form without scroll bars; on a laptop
    // screen scroll bars appear and the chart button can be scrolled to and pressed.
    void smallWindowScrollsToTheChartButton()
    {
        MainWindow w;
        ShowOnScreen(&w, QRect(0, 0, 1920, 1040));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.height() <= 1040);
        auto *scroll = find<QScrollArea>(&w, "formScrollArea");
        QVERIFY(scroll);
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());

        w.resize(1300, 640);
        QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
        QVERIFY(scroll->horizontalScrollBar()->isVisible());
        auto *button = find<QPushButton>(&w, "pushButton");
        // Its top and its middle, where the mouse presses it, in sight.
        const auto inSight = [&]() {
            const QRect area = scroll->viewport()->rect();
            return area.contains(button->mapTo(scroll->viewport(), QPoint(button->width() / 2, 0)))
                && area.contains(button->mapTo(scroll->viewport(), button->rect().center()));
        };
        QVERIFY(!inSight());
        scroll->ensureWidgetVisible(button);
        QVERIFY(inSight());
        QTest::mouseClick(button, Qt::LeftButton);
        const auto charts = QApplication::topLevelWidgets();
        const int opened = std::count_if(charts.begin(), charts.end(), [](QWidget *t) { return qobject_cast<LineGraphs *>(t); });
        QCOMPARE(opened, 1);
        for (QWidget *t : QApplication::topLevelWidgets())
            delete qobject_cast<LineGraphs *>(t);
    }

    // Delete empties the selected cells through the cell rule: the store forgets them and the
    // row loses its projection; the Type cell keeps its type.
    void deleteEmptiesSelectedCells()
    {
        MainWindow w;
        setRow(w, 0, 3, { "2020", "1000", "100" });
        setRow(w, 1, 3, { "2020", "500", "50" });
        QVERIFY(w.store().block(0).projected);
        QTableWidget *grid = inputGrid(w);
        grid->setFocus();
        grid->clearSelection();
        grid->setRangeSelected(QTableWidgetSelectionRange(0, ColType, 0, 2), true);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(cellText(grid, 0, ColType), InvestmentTypeNames.at(MonthlySaving));
        QCOMPARE(cellText(grid, 0, 1), QString());
        QCOMPARE(cellText(grid, 0, 2), QString());
        QCOMPARE(cellText(grid, 0, 3), QStringLiteral("100"));
        QVERIFY(w.store().input(0).isEmpty(1));
        QVERIFY(w.store().input(0).isEmpty(2));
        QVERIFY(!w.store().block(0).projected);
        QCOMPARE(cellText(grid, 1, 2), QStringLiteral("500")); // not selected, kept
        QVERIFY(w.store().block(1).projected);
    }

    // Enter moves on to the next field as Tab does; no line break gets into a field, typed or
    // pasted.
    void enterMovesToTheNextGeneratorField()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *first = find<QTextEdit>(&w, "wealth_edit1");
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClicks(first, "2020");
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(find<QTextEdit>(&w, "wealth_edit2")));
        QCOMPARE(first->toPlainText(), QStringLiteral("2020"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(find<QTextEdit>(&w, "wealth_edit3")));

        auto *field = find<QTextEdit>(&w, "wealth_edit3");
        QApplication::clipboard()->setText(QStringLiteral("25\n00\r\n0"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->toPlainText(), QStringLiteral("25000"));
        QTest::keyClicks(field, "1");
        QCOMPARE(field->toPlainText(), QStringLiteral("250001")); // the cursor stayed at the end
    }
};

QTEST_MAIN(ReachTest)
#include "tst_reach.moc"
