// The one way a row of the store is changed: what a cell text stores and what the edit reports.

#include "grid/ColumnCatalogue.h"
#include "grid/RowEdit.h"
#include "model/ColumnUsage.h"
#include "model/InvestmentStore.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(CellEditResult)

class RowEditTest : public QObject
{
    Q_OBJECT

private slots:
    void cellText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("field");
        QTest::addColumn<CellEditResult>("result");
        const auto ok = CellEditResult::Accepted;
        QTest::newRow("amount") << int(ColPrice) << "200000" << 200000.0 << ok;
        QTest::newRow("blanks around") << int(ColRent) << " 950 " << 950.0 << ok;
        QTest::newRow("exponent") << int(ColLumpSum) << "2e3" << 2000.0 << ok;
        QTest::newRow("empty is the empty marker") << int(ColPrice) << "" << EmptyField << ok;
        QTest::newRow("word counts as 0") << int(ColPrice) << "duur" << 0.0 << CellEditResult::NotANumber;
        QTest::newRow("blank only counts as 0") << int(ColRent) << "  " << 0.0 << CellEditResult::NotANumber;
        QTest::newRow("comma is no decimal point") << int(ColInterest) << "4,2" << 0.0 << CellEditResult::NotANumber;
        QTest::newRow("overflow counts as 0") << int(ColPrice) << "1e999" << 0.0 << CellEditResult::NotANumber;
        QTest::newRow("first valid year") << int(ColStartYear) << "1920" << 1920.0 << ok;
        QTest::newRow("last valid year") << int(ColStartYear) << "2100" << 2100.0 << ok;
        QTest::newRow("year too early") << int(ColStartYear) << "1919" << EmptyField << CellEditResult::RejectedStartYear;
        QTest::newRow("year too late") << int(ColStartYear) << "2101" << EmptyField << CellEditResult::RejectedStartYear;
        QTest::newRow("year not a number") << int(ColStartYear) << "twintig" << EmptyField
                                           << CellEditResult::RejectedStartYear;
        QTest::newRow("year nan") << int(ColStartYear) << "nan" << EmptyField << CellEditResult::RejectedStartYear;
        QTest::newRow("empty year") << int(ColStartYear) << "" << EmptyField << ok;
        QTest::newRow("same number elsewhere is no year") << int(ColRent) << "1919" << 1919.0 << ok;
    }

    void cellText()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(double, field);
        QFETCH(CellEditResult, result);
        InvestmentStore store;
        store.input(3).field[column] = 123.0; // an earlier value must not survive
        QCOMPARE(SetCellFromText(store, 3, column, text), result);
        QCOMPARE(store.input(3).field[column], field);
        double loaded = 7.0;
        QCOMPARE(CellFieldFromText(column, text, &loaded), result);
        QCOMPARE(loaded, field);
    }

    void typeEmptiesTheColumnsThatDoNotApply_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        for (int t = 0; t < InvestmentTypeCount; ++t)
            QTest::newRow(qPrintable(InvestmentTypeNames.at(t))) << InvestmentTypeNames.at(t) << t;
        QTest::newRow("unknown name is type 0") << "Obligaties" << int(LeveragedProperty);
        QTest::newRow("names are case-sensitive") << "cash voor cashflow" << int(LeveragedProperty);
    }

    void typeEmptiesTheColumnsThatDoNotApply()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        InvestmentStore store;
        store.input(0).fill(5.0);
        QCOMPARE(SetCellFromText(store, 0, ColType, text), CellEditResult::Accepted);
        QCOMPARE(store.rowType(0), type);
        QCOMPARE(store.input(0).field[ColType], double(type));
        for (int c = 1; c < FieldCount; ++c)
            QCOMPARE(store.input(0).field[c], ColumnApplies(type, c) ? 5.0 : EmptyField);
    }

    void outsideTheStoreIsIgnored()
    {
        InvestmentStore store;
        QCOMPARE(SetCellFromText(store, MaxRows, ColPrice, "1"), CellEditResult::Ignored);
        QCOMPARE(SetCellFromText(store, -1, ColPrice, "1"), CellEditResult::Ignored);
        QCOMPARE(SetCellFromText(store, 0, FieldCount, "1"), CellEditResult::Ignored);
        QCOMPARE(store.input(0).field[ColPrice], EmptyField);
        SetRowType(store, 0, 9); // kept within the five kinds
        QCOMPARE(store.rowType(0), int(LeveragedProperty));
        QCOMPARE(store.input(0).field[ColType], 0.0);
    }
};

QTEST_GUILESS_MAIN(RowEditTest)
#include "tst_row_edit.moc"
