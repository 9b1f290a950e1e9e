// Typing investments into the grid and reading their projection, end to end in the window.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "model/DutchFormat.h"
#include "model/ColumnUsage.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <cmath>

using namespace testsupport;

namespace {
QStringList g_debugLines;
void recordDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        g_debugLines << message;
}

// The four rows of the worked examples, all starting in 2020, cells from column 1 on.
const QStringList LeveragedRow { "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" };
const QStringList FullPropertyRow { "2020", "", "", "", "", "150000", "800", "2", "2" };
const QStringList LentOutRow { "2020", "10000", "0", "5", "", "10000", "", "", "", "", "", "", "", "", "6" };
const QStringList CompoundRow { "2020", "1000", "100", "10", "", "", "", "", "", "", "", "", "", "", "5" };

double labelValue(MainWindow &w, const char *name)
{
    // A total reads back by the rule of a typed amount.
    const TypedNumber typed = ReadTypedNumber(find<QLabel>(&w, name)->text(), NumberKind::Amount);
    return typed.ok() ? typed.value : std::nan("");
}

bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}
} // namespace

class GridTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    void roadOfOneEdit()
    {
        MainWindow w;
        QStringList cells = LeveragedRow;
        cells[5] = QString(); // Kostprijs still missing
        setRow(w, 0, LeveragedProperty, cells);
        QVERIFY(!w.store().block(0).projected);
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), 0);

        g_debugLines.clear();
        QtMessageHandler previous = qInstallMessageHandler(recordDebug);
        setCell(w, 0, 6, "200000");
        qInstallMessageHandler(previous);
        QCOMPARE(g_debugLines, QStringList { "addinvestment" });

        QCOMPARE(w.store().input(0).field[6], 200000.0);
        QVERIFY(w.store().block(0).projected);
        QCOMPARE(years->count(), 31);
        QCOMPARE(years->itemText(0), QStringLiteral("2020"));
        QCOMPARE(years->itemText(30), QStringLiteral("2050"));
        QCOMPARE(years->currentText(), QStringLiteral("2020"));
        QTableWidget *out = outputGrid(w);
        const QStringList expected2020 { "2020", "-40000", "200000", "160000", "40000", "212965", "1000", "887",
            "113", "0" };
        for (int k = 0; k < 10; ++k)
            QCOMPARE(cellText(out, 0, k), k == 0 ? expected2020.at(k) : shownCell(expected2020.at(k)));
        QCOMPARE(find<QLabel>(&w, "Totaal_Schulden")->text(), shownTotal("212965"));

        years->setCurrentText(QStringLiteral("2021"));
        const QStringList expected2021 { "2020", "-38648", "206083", "167435", "40000",
            "202317", "1020", "887", "133", "0" };
        for (int k = 0; k < 10; ++k)
            QCOMPARE(cellText(out, 0, k), k == 0 ? expected2021.at(k) : shownCell(expected2021.at(k)));
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("-38648.3"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Vastgoed")->text(), shownTotal("206083"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Activa")->text(), shownTotal("167435"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Nettowaarde")->text(), DutchTotal(167434.92 - 202317.20));
    }

    void workedExamplePortfolioIn2021()
    {
        MainWindow w;
        setRow(w, 0, LeveragedProperty, LeveragedRow);
        setRow(w, 1, PropertyInFull, FullPropertyRow);
        setRow(w, 2, CashForCashflow, LentOutRow);
        setRow(w, 3, CompoundedInterest, CompoundRow);
        QCOMPARE(w.ProjectedRowCount(), 4);
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2021");
        QTableWidget *out = outputGrid(w);
        // Cash of each investment in 2021, rounded to whole units.
        QCOMPARE(cellText(out, 0, 1), shownCell("-38648"));
        QCOMPARE(cellText(out, 1, 1), shownCell("-140400"));
        QCOMPARE(cellText(out, 1, 2), shownCell("153028"));
        QCOMPARE(cellText(out, 2, 1), shownCell("-9383"));
        QCOMPARE(cellText(out, 3, 1), shownCell("2279"));
        QCOMPARE(cellText(out, 3, 9), shownCell("4")); // ROI 3.59 %
        // The totals are the sums of the worked figures.
        QVERIFY(near(labelValue(w, "Totaal_Cash"), -38648.27 - 140400 - 9383.22 + 2279.05, 1.0));
        QVERIFY(near(labelValue(w, "Totaal_Vastgoed"), 206083.19 + 153027.65, 1.0));
        QVERIFY(near(labelValue(w, "Totaal_EigenCash"), 40000 + 150000 + 10000 + 2200, 0.5));
        QVERIFY(near(labelValue(w, "Totaal_Schulden"), 202317.20, 1.0));
        QVERIFY(near(labelValue(w, "Totaal_InkomenMaandelijks"), 1020.18 + 816.15 + 51.40 + 12.04, 0.5));
        QVERIFY(near(labelValue(w, "Totaal_LastenMaandelijks"), 887.36, 0.01));
        QVERIFY(near(labelValue(w, "Totaal_Cashflow"), 132.83 + 816.15 + 51.40 + 12.04, 0.5));
        QVERIFY(near(labelValue(w, "Totaal_Activa"), 167434.92 + 12627.65 - 9383.22 + 2279.05, 1.0));
        QVERIFY(near(labelValue(w, "Totaal_Nettowaarde"), 167434.92 + 12627.65 - 9383.22 + 2279.05 - 202317.20, 1.0));
        const double netWorth = w.store().netWorthByYear(1);
        QVERIFY(near(netWorth, 167434.92 + 12627.65 - 9383.22 + 2279.05 - 202317.20, 0.05));
    }

    void startYearCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1919") << "1919" << false;
        QTest::newRow("1920") << "1920" << true;
        QTest::newRow("2100") << "2100" << true;
        QTest::newRow("2101") << "2101" << false;
        QTest::newRow("2020.5") << "2020.5" << true;
        QTest::newRow("nan") << "nan" << false;
        QTest::newRow("inf") << "inf" << false;
        QTest::newRow("-inf") << "-inf" << false;
        QTest::newRow("1e999") << "1e999" << false;
        QTest::newRow("word") << "soon" << false; // reads as 0
        QTest::newRow("-1 is empty") << "-1" << true;
    }
    void startYearCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        MainWindow w;
        setRow(w, 0, MonthlySaving, { QString(), "1000", "100" });
        const QStringList boxes = closingModals([&]() { setCell(w, 0, 1, text); });
        if (accepted) {
            QCOMPARE(boxes, QStringList());
            QCOMPARE(cellText(inputGrid(w), 0, 1), text);
        } else {
            QCOMPARE(boxes, QStringList { "Jaartal fout|Vul een geldig jaartal in , bv 2020" });
            QCOMPARE(cellText(inputGrid(w), 0, 1), QString());
            QCOMPARE(w.store().input(0).field[1], -1.0);
            QVERIFY(!w.store().block(0).projected);
        }
    }

    void fractionalYearShowsItsWholeYear()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020.5", "1000", "100" });
        QVERIFY(w.store().block(0).projected);
        QCOMPARE(find<QComboBox>(&w, "Situatie_Jaartal")->itemText(0), QStringLiteral("2020"));
        QCOMPARE(cellText(outputGrid(w), 0, 0), QStringLiteral("2020"));
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("1000"));
    }

    void dutchEntriesGiveThePlainFigures()
    {
        MainWindow dutch;
        MainWindow plain;
        setRow(dutch, 0, PropertyInFull, { "2020" });
        setRow(plain, 0, PropertyInFull, { "2020" });
        const QStringList typed { "250.000", "1.150", "2", "3,5" };
        const QStringList canonical { "250000", "1150", "2", "3.5" };
        for (int i = 0; i < typed.size(); ++i) {
            typeCell(dutch, 0, 6 + i, typed.at(i));
            typeCell(plain, 0, 6 + i, canonical.at(i));
            QCOMPARE(cellText(inputGrid(dutch), 0, 6 + i), canonical.at(i));
        }
        QVERIFY(dutch.store().block(0).projected);
        for (int y = 0; y < 31; ++y) {
            for (int k = 0; k < SeriesCount; ++k)
                QCOMPARE(dutch.store().block(0).years[y].series[k], plain.store().block(0).years[y].series[k]);
        }
    }

    void notANumberIsMarkedUntilANumberIsTyped()
    {
        MainWindow w;
        setRow(w, 2, PropertyInFull, FullPropertyRow);
        typeCell(w, 2, 6, "abc");
        QTableWidgetItem *item = inputGrid(w)->item(2, 6);
        QCOMPARE(item->text(), QStringLiteral("abc"));
        QCOMPARE(w.store().input(2).field[6], 0.0); // it still counts as 0
        QCOMPARE(item->foreground().color(), MainWindow::NotANumberColour);
        QCOMPARE(item->toolTip(), QString::fromUtf8("Geen getal \u2014 telt als 0"));
        const QString status = find<QStatusBar>(&w, "statusbar")->currentMessage();
        QVERIFY2(status.contains(QStringLiteral("Rij 3")) && status.contains(QStringLiteral("Kostprijs")), qPrintable(status));
        typeCell(w, 2, 6, "150.000");
        QCOMPARE(item->text(), QStringLiteral("150000"));
        QVERIFY(item->toolTip().isEmpty());
        QVERIFY(!item->data(Qt::ForegroundRole).isValid());
    }

    // Values the projection takes but that cannot be meant are marked as a text that is no
    // number: red, the reason as tip, the status bar naming row and column. The mark goes
    // when the value (or the value it depends on) is mended.
    void implausibleValuesAreMarked_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason"); // empty: no mark
        QTest::newRow("negative price") << int(ColPrice) << "-200000" << "negatief bedrag";
        QTest::newRow("LTV above 100") << int(ColLoanToValue) << "120" << "LTV";
        QTest::newRow("LTV below 0") << int(ColLoanToValue) << "-5" << "LTV";
        QTest::newRow("rate of -100 %") << int(ColInterest) << "-100" << "100 %";
        QTest::newRow("value falling 150 %") << int(ColValueIncrease) << "-150" << "100 %";
        QTest::newRow("a loan without a term") << int(ColMortgageYears) << "0" << "looptijd";
        QTest::newRow("a plain price") << int(ColPrice) << "250000" << "";
        QTest::newRow("LTV of 100") << int(ColLoanToValue) << "100" << "";
        QTest::newRow("a falling value") << int(ColValueIncrease) << "-3" << "";
    }

    void implausibleValuesAreMarked()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        MainWindow w;
        setRow(w, 1, LeveragedProperty, { "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" });
        typeCell(w, 1, column, typed);
        QTableWidgetItem *item = inputGrid(w)->item(1, column);
        const QString status = find<QStatusBar>(&w, "statusbar")->currentMessage();
        if (reason.isEmpty()) {
            QVERIFY(item->toolTip().isEmpty());
            QVERIFY(!item->data(Qt::ForegroundRole).isValid());
            return;
        }
        QVERIFY2(item->toolTip().contains(reason), qPrintable(item->toolTip()));
        QCOMPARE(item->foreground().color(), MainWindow::NotANumberColour);
        QVERIFY2(status.startsWith(QStringLiteral("Rij 2, %1: ").arg(inputGrid(w)->horizontalHeaderItem(column)->text())),
            qPrintable(status));
        // The arithmetic still takes the value as typed.
        QCOMPARE(w.store().input(1).field[column], typed.toDouble());
        // Mended: no mark. A term of 0 is mended by taking the loan away.
        if (column == ColMortgageYears)
            typeCell(w, 1, ColLoanToValue, QStringLiteral("0"));
        else
            typeCell(w, 1, column, QStringLiteral("50"));
        QVERIFY(item->toolTip().isEmpty());
        QVERIFY(!item->data(Qt::ForegroundRole).isValid());
    }

    void rejectedYearKeepsWhatTheCellHeld()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("1000"));
        const QStringList boxes = closingModals([&]() { setCell(w, 0, 1, "1919"); });
        QCOMPARE(boxes, QStringList { "Jaartal fout|Vul een geldig jaartal in , bv 2020" });
        QCOMPARE(cellText(inputGrid(w), 0, 1), QStringLiteral("2020"));
        QCOMPARE(w.store().input(0).field[1], 2020.0);
        QVERIFY(w.store().block(0).projected);
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("1000"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("1000"));
    }

    void typeChangeEmptiesCellsAndRelabelsHeaders()
    {
        MainWindow w;
        setRow(w, 0, LeveragedProperty, LeveragedRow);
        QVERIFY(w.store().block(0).projected);
        QTableWidget *grid = inputGrid(w);
        placeCursor(grid, 0, 1);
        w.on_InvestTypeChanged(MonthlySaving);
        QCOMPARE(cellText(grid, 0, 0), QStringLiteral("Maandelijks sparen"));
        QCOMPARE(cellText(grid, 0, 1), QStringLiteral("2020"));
        for (int c = 2; c < 16; ++c) {
            QCOMPARE(cellText(grid, 0, c), QString());
            QCOMPARE(w.store().input(0).field[c], -1.0);
            QCOMPARE(grid->item(0, c)->background().style(), ColumnApplies(MonthlySaving, c) ? Qt::SolidPattern
                                                                                            : Qt::Dense6Pattern);
        }
        QCOMPARE(w.store().input(0).field[0], 3.0);
        QVERIFY(!w.store().block(0).projected); // Inleg/1x and Inleg/maand are still missing
        QCOMPARE(cellText(outputGrid(w), 0, 0), QString());

        // "Cash voor cashflow" renames two headers for the whole grid, any other type renames them back.
        placeCursor(grid, 4, 1);
        w.on_InvestTypeChanged(CashForCashflow);
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Duurtijd(j)"));
        QCOMPARE(grid->horizontalHeaderItem(6)->text(), QStringLiteral("Min. inleg"));
        QCOMPARE(grid->item(4, 1)->background().color(), QColor(204, 229, 255));
        placeCursor(grid, 7, 1);
        w.on_InvestTypeChanged(PropertyInFull);
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Inleg periode(j)"));
        QCOMPARE(grid->horizontalHeaderItem(6)->text(), QStringLiteral("Kostprijs"));
    }

    void typeChangeReprojectsUnderTheNewType()
    {
        MainWindow w;
        // A property bought in full, then switched to leveraged and completed.
        setRow(w, 0, PropertyInFull, FullPropertyRow);
        QCOMPARE(w.store().block(0).years[0].series[SerCash], -150000.0);
        QTableWidget *grid = inputGrid(w);
        placeCursor(grid, 0, 1);
        w.on_InvestTypeChanged(LeveragedProperty);
        setCell(w, 0, 11, "50");
        setCell(w, 0, 12, "0");
        setCell(w, 0, 13, "10");
        QCOMPARE(w.store().input(0).field[0], 0.0);
        QCOMPARE(w.store().block(0).years[0].series[SerCash], -75000.0);
        QCOMPARE(w.store().block(0).years[0].series[SerMonthlyCosts], 75000.0 / 120.0);
    }

    void cursorSkipsCellsThatDoNotApply()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableWidget *grid = inputGrid(w);
        setRow(w, 1, PropertyInFull, {});
        setRow(w, 2, CashForCashflow, {});
        placeCursor(grid, 5, 5);

        grid->setCurrentCell(0, 2); // leveraged: 2..5 do not apply
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(grid->currentColumn(), 6);

        grid->setCurrentCell(1, 9); // property in full: moving right from Waardestijging
        grid->setCurrentCell(1, 10);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 1);

        grid->setCurrentCell(2, 15); // Rendement applies to money lent out
        QCOMPARE(grid->currentColumn(), 15);
        grid->setCurrentCell(2, 14); // leaving column 15 in any way lands on Jaartal of the next row
        QCOMPARE(grid->currentRow(), 3);
        QCOMPARE(grid->currentColumn(), 1);

        setRow(w, 29, CompoundedInterest, {});
        grid->setCurrentCell(29, 15);
        grid->setCurrentCell(29, 3);
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(grid->currentColumn(), 1);

        // Double clicks: on column 15 to the next row, on a cell that does not apply one to the right.
        emit grid->cellDoubleClicked(2, 15);
        QCOMPARE(grid->currentRow(), 3);
        QCOMPARE(grid->currentColumn(), 1);
        placeCursor(grid, 1, 12);
        emit grid->cellDoubleClicked(1, 12);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 1);
    }

    void delegateOpensOnTheRowsType()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableWidget *grid = inputGrid(w);
        setRow(w, 2, CashForCashflow, {});
        setRow(w, 5, LeveragedProperty, {});
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Inleg periode(j)"));

        grid->setCurrentCell(2, 0);
        auto *editor = grid->viewport()->findChild<QComboBox *>();
        QVERIFY(editor);
        QCOMPARE(editor->count(), 5);
        QCOMPARE(editor->maxVisibleItems(), 5);
        QCOMPARE(editor->itemText(4), QStringLiteral("Compounded interest"));
        QCOMPARE(editor->currentIndex(), 2);
        // Opening on a "Cash voor cashflow" row relabels the headers before anything is chosen.
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Duurtijd(j)"));
        QCOMPARE(editor->geometry(), grid->visualItemRect(grid->item(2, 0)));

        // A choice takes effect at once; Escape afterwards keeps it.
        editor->setCurrentIndex(3);
        QCOMPARE(cellText(grid, 2, 0), QStringLiteral("Maandelijks sparen"));
        QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Inleg periode(j)"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!grid->viewport()->findChild<QComboBox *>() || !grid->viewport()->findChild<QComboBox *>()->isVisible());
        QCOMPARE(cellText(grid, 2, 0), QStringLiteral("Maandelijks sparen"));
        QCOMPARE(w.store().input(2).field[0], 3.0);
    }

    void delegateOnAnUnknownTypeText()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableWidget *grid = inputGrid(w);
        setCell(w, 3, 0, "Obligaties");
        setRow(w, 6, CashForCashflow, {});
        grid->setCurrentCell(3, 0);
        auto *editor = grid->viewport()->findChild<QComboBox *>();
        QVERIFY(editor);
        QCOMPARE(editor->currentIndex(), 0);
        // Nothing was reported: the text stays and the headers of the last choice stay.
        QCOMPARE(cellText(grid, 3, 0), QStringLiteral("Obligaties"));
        QCOMPARE(grid->horizontalHeaderItem(6)->text(), QStringLiteral("Min. inleg"));
        QCOMPARE(w.ReadRowType(3), 0);
    }

    void delegateInterface()
    {
        MainWindow w;
        QAbstractItemDelegate *delegate = inputGrid(w)->itemDelegateForColumn(0);
        const QMetaObject *meta = delegate->metaObject();
        QCOMPARE(meta->className(), "ComboBoxDelegate");
        QCOMPARE(meta->method(meta->methodOffset()).methodSignature(), QByteArray("commitData(int)"));
        QCOMPARE(meta->method(meta->methodOffset() + 1).methodSignature(), QByteArray("setData(int)"));
        QCOMPARE(meta->method(meta->methodOffset() + 2).methodSignature(), QByteArray("ReceiveIndexCmbo(int)"));
        QCOMPARE(delegate->parent(), inputGrid(w));
        // The reader's notification to the delegate changes nothing, whatever it carries.
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        for (int item : { -1, 0, 4, 99 })
            emit w.SendItemToComboDelegate(item);
        QCOMPARE(cellText(inputGrid(w), 0, 0), QStringLiteral("Maandelijks sparen"));
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("1000"));
    }

    void totalsCountRowsTheOutputGridLeavesOut()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        setRow(w, 1, MonthlySaving, { "2020", "2000", "0" });
        setRow(w, 2, MonthlySaving, { "2020", "4000" }); // no monthly deposit: not complete
        setRow(w, 3, MonthlySaving, { "2020", "8000", "50" });
        QCOMPARE(w.ProjectedRowCount(), 2);
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentText("2022");
        QTableWidget *out = outputGrid(w);
        QCOMPARE(cellText(out, 0, 1), shownCell("3400"));
        QCOMPARE(cellText(out, 1, 1), shownCell("2000"));
        QCOMPARE(cellText(out, 2, 1), QString());
        QCOMPARE(cellText(out, 3, 1), QString());
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), DutchTotal(3400 + 2000 + 8000 + 1200));
        QCOMPARE(find<QLabel>(&w, "Totaal_Activa")->text(), shownTotal("14600"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Schulden")->text(), shownTotal("0"));
        QCOMPARE(w.store().netWorthByYear(2), 14600.0);
    }

    void earlierStartYearShiftsTheYearList()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentText("2022");
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("3400"));

        setRow(w, 1, MonthlySaving, { "2018", "500", "0" });
        QCOMPARE(years->itemText(0), QStringLiteral("2018"));
        QCOMPARE(years->count(), 31);
        QCOMPARE(years->currentText(), QStringLiteral("2022")); // the chosen year stays
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("3400"));
        QCOMPARE(cellText(outputGrid(w), 1, 1), shownCell("500"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("3900"));
        // Year index 2 now means 2020 in every block.
        QCOMPARE(w.store().block(0).years[2].series[SerCash], 1000.0);
        QCOMPARE(w.store().block(0).years[1].series[SerCash], 0.0);

        // Removing the earlier row moves the years back; its figures leave the grid and the totals.
        setCell(w, 1, 2, "");
        QCOMPARE(years->itemText(0), QStringLiteral("2020"));
        QCOMPARE(years->currentText(), QStringLiteral("2022"));
        QCOMPARE(cellText(outputGrid(w), 1, 1), QString());
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("3400"));
        QCOMPARE(w.store().block(0).years[2].series[SerCash], 3400.0);
    }

    void typingOrderDoesNotChangeTheFigures()
    {
        MainWindow a;
        setRow(a, 0, LeveragedProperty, LeveragedRow);
        setRow(a, 1, CompoundedInterest, CompoundRow);
        setRow(a, 2, MonthlySaving, { "2017", "100", "10" });
        MainWindow b;
        setRow(b, 2, MonthlySaving, { "2017", "100", "10" });
        setRow(b, 1, CompoundedInterest, CompoundRow);
        setRow(b, 0, LeveragedProperty, LeveragedRow);
        for (auto *years : { find<QComboBox>(&a, "Situatie_Jaartal"), find<QComboBox>(&b, "Situatie_Jaartal") })
            years->setCurrentText("2030");
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 10; ++k)
                QCOMPARE(cellText(outputGrid(a), r, k), cellText(outputGrid(b), r, k));
            for (int y = 0; y < 31; ++y) {
                for (int s = 0; s < 10; ++s)
                    QCOMPARE(a.store().block(r).years[y].series[s], b.store().block(r).years[y].series[s]);
            }
        }
        QCOMPARE(find<QLabel>(&a, "Totaal_Nettowaarde")->text(), find<QLabel>(&b, "Totaal_Nettowaarde")->text());
    }

    void choosingAYearWithNothingProjectedShowsNothing()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        setCell(w, 0, 3, "");
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), 31); // the list keeps its years
        years->setCurrentIndex(5);
        QCOMPARE(cellText(outputGrid(w), 0, 1), QString());
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), QString());
    }

    void clearingEmptiesEverythingButTypesAndYears()
    {
        MainWindow w;
        setRow(w, 0, LeveragedProperty, LeveragedRow);
        setRow(w, 1, CashForCashflow, LentOutRow);
        setRow(w, 2, MonthlySaving, { "2020", "1000", "100" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentText("2025");
        find<QPushButton>(&w, "btn_ClearInvestmenst")->click();
        QTableWidget *grid = inputGrid(w);
        QCOMPARE(cellText(grid, 1, 0), QStringLiteral("Cash voor cashflow"));
        QCOMPARE(cellText(grid, 2, 0), QStringLiteral("Maandelijks sparen"));
        for (int r = 0; r < 30; ++r) {
            for (int c = 1; c < 16; ++c) {
                QCOMPARE(cellText(grid, r, c), QString());
                QCOMPARE(w.store().input(r).field[c], -1.0);
                if (ColumnApplies(w.ReadRowType(r), c))
                    QCOMPARE(grid->item(r, c)->background().color(), QColor(255, 255, 255));
            }
            for (int k = 0; k < 10; ++k)
                QCOMPARE(cellText(outputGrid(w), r, k), QString());
            QVERIFY(!w.store().block(r).projected);
        }
        QCOMPARE(w.store().input(1).field[0], 2.0);
        for (QLabel *label : w.findChildren<QLabel *>()) {
            if (label->objectName().startsWith("Totaal_"))
                QCOMPARE(label->text(), QString());
        }
        QCOMPARE(years->count(), 31);
        QCOMPARE(years->currentText(), QStringLiteral("2025"));
        for (int y = 0; y < 31; ++y)
            QCOMPARE(w.store().netWorthByYear(y), 0.0);
    }

    void clearingEmptiesEveryRowWhateverTheLimit()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        setRow(w, 6, MonthlySaving, { "2021", "500", "10" });
        w.SetMaxInvestment(5);
        find<QPushButton>(&w, "btn_ClearInvestmenst")->click();
        QCOMPARE(cellText(inputGrid(w), 0, 2), QString());
        QCOMPARE(cellText(inputGrid(w), 6, 2), QString()); // beyond the limit too
        QCOMPARE(w.store().input(6).field[2], -1.0);
        QVERIFY(!w.store().isRowComplete(6));
    }

    void investmentLimitShowsOnlyTheLeadingRows()
    {
        MainWindow w;
        for (int r = 0; r < 7; ++r)
            setRow(w, r, MonthlySaving, { QString::number(2020 + r), "1000", "0" });
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2030");
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("7000"));
        w.SetMaxInvestment(5);
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("5000"));
        QCOMPARE(cellText(outputGrid(w), 4, 1), shownCell("1000"));
        QCOMPARE(cellText(outputGrid(w), 5, 1), QString());
        QCOMPARE(cellText(inputGrid(w), 6, 2), QStringLiteral("1000")); // the row itself stays
        // A shorter horizon: a chosen year beyond it gives way to the last year offered.
        w.SetMaxJaren(5);
        QCOMPARE(find<QComboBox>(&w, "Situatie_Jaartal")->currentText(), QStringLiteral("2024"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("5000"));
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentText("2022");
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), shownTotal("3000"));
    }

    // The year list follows a new year limit at once: the chosen year stays when it is still
    // offered, otherwise the nearest offered year is shown, with its figures.
    void yearListFollowsANewYearLimit_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cash");
        QTest::newRow("still offered") << "2024" << 10 << "2024" << "5800";
        QTest::newRow("beyond the new horizon") << "2040" << 10 << "2029" << "11800";
        QTest::newRow("one year left") << "2040" << 1 << "2020" << "1000";
        QTest::newRow("no years") << "2024" << 0 << "" << "";
    }

    void yearListFollowsANewYearLimit()
    {
        QFETCH(QString, chosen);
        QFETCH(int, limit);
        QFETCH(QString, shown);
        QFETCH(QString, cash);
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        years->setCurrentText(chosen);
        QCOMPARE(years->currentText(), chosen);
        w.SetMaxJaren(limit);
        QCOMPARE(years->count(), limit);
        if (limit > 0)
            QCOMPARE(years->itemText(limit - 1), QString::number(2020 + limit - 1));
        QCOMPARE(years->currentText(), shown);
        QCOMPARE(cellText(outputGrid(w), 0, 1), cash.isEmpty() ? QString() : shownCell(cash));
        QCOMPARE(find<QLabel>(&w, "Totaal_Cash")->text(), cash.isEmpty() ? QString() : shownTotal(cash));
        // The investment limit refills the list as well, keeping the year shown.
        w.SetMaxInvestment(5);
        QCOMPARE(years->currentText(), shown);
        // Typed digit by digit, a longer limit returns to the year that was chosen.
        w.SetMaxJaren(1);
        w.SetMaxJaren(31);
        QCOMPARE(years->currentText(), chosen);
    }

    void outputCellsTypedIntoAreOverwritten()
    {
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "100" });
        outputGrid(w)->item(0, 1)->setText("999999");
        find<QComboBox>(&w, "Situatie_Jaartal")->setCurrentIndex(1);
        QCOMPARE(cellText(outputGrid(w), 0, 1), shownCell("2200"));
    }
};

QTEST_MAIN(GridTest)
#include "tst_grid.moc"
