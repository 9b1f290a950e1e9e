// The investment store: limits, completeness, base year, projected rows, year totals,
// clearing, and the rule that the projection depends on what the rows hold, not on the order
// in which it was typed. Also the label text of an amount.

#include "ExampleInvestments.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "model/FormatAmount.h"
#include "model/InvestmentStore.h"
#include "model/Projection.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>

namespace {

using namespace examples;

// What the window does for a whole row written at once: the Type cell's index into the row type
// and field 0, then the fields, then the projection.
ProjectionUpdate add(InvestmentStore &store, int r, const InvestmentInput &in)
{
    store.setRowType(r, static_cast<int>(in.field[ColType]));
    store.input(r) = in;
    return store.addInvestment(r);
}

double at(const InvestmentStore &store, int r, int yearIndex, int series)
{
    return store.block(r).years[yearIndex].series[series];
}

// The window's type change: the row takes the new type and loses the cells that do not apply.
void changeType(InvestmentStore &store, int r, int type)
{
    store.setRowType(r, type);
    InvestmentInput &in = store.input(r);
    in.field[ColType] = type;
    for (int c = 1; c < FieldCount; ++c) {
        if (!ColumnApplies(type, c))
            in.field[c] = EmptyField;
    }
    store.addInvestment(r);
}

void typeField(InvestmentStore &store, int r, int column, double value)
{
    store.input(r).field[column] = value;
    store.addInvestment(r);
}

// A row typed cell by cell: the type first, then every column of that type, left to right or
// right to left.
void typeRow(InvestmentStore &store, int r, const InvestmentInput &in, bool rightToLeft = false)
{
    const int type = int(in.field[ColType]);
    changeType(store, r, type);
    for (int k = 1; k < FieldCount; ++k) {
        const int c = rightToLeft ? FieldCount - k : k;
        if (ColumnApplies(type, c))
            typeField(store, r, c, in.field[c]);
    }
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void limitsAreClamped_data();
    void limitsAreClamped();
    void outOfRangeRowsAndYears();
    void rowTypeFromText();
    void columnsOfEachType_data();
    void columnsOfEachType();
    void completenessFollowsRowType();
    void projectedRowCount_data();
    void projectedRowCount();
    void yearTotals();
    void clearing();

    void typeOrStartChangeLeavesNothingStale();
    void baseYearChangeProjectsAllAgain();
    void typingOrderDoesNotMatter();
    void rowThatStopsBeingCompleteLosesProjection();
    void limitChangesProjectAgain();
    void rowsChangedBehindTheStoreAreCaughtUp();
    void extremeStartYears_data();
    void extremeStartYears();
    void projectingAllEndsWhereAddingEachEnds_data();
    void projectingAllEndsWhereAddingEachEnds();

};

void TestStore::initialState()
{
    const auto store = std::make_unique<InvestmentStore>();
    QCOMPARE(store->maxInvestment(), 30);
    QCOMPARE(store->maxJaren(), 31);
    QCOMPARE(store->earliestStartYear(), INT_MAX);
    QVERIFY(!store->anyRowProjected());
    for (int r = 0; r < MaxRows; ++r) {
        for (int c = 0; c < FieldCount; ++c)
            QVERIFY(store->input(r).isEmpty(c));
        QCOMPARE(store->rowType(r), 0);
        QVERIFY(!store->isRowComplete(r));
        QVERIFY(!store->block(r).projected);
        QVERIFY(blockIsZero(store->block(r)));
    }
    for (int y = 0; y < MaxYears; ++y)
        QCOMPARE(store->netWorthByYear(y), 0.0);
}

void TestStore::limitsAreClamped_data()
{
    QTest::addColumn<bool>("rows");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("rows -5") << true << -5 << 0;
    QTest::newRow("rows 0") << true << 0 << 0;
    QTest::newRow("rows 12") << true << 12 << 12;
    QTest::newRow("rows 30") << true << 30 << 30;
    QTest::newRow("rows 31") << true << 31 << 30;
    QTest::newRow("rows INT_MAX") << true << INT_MAX << 30;
    QTest::newRow("rows INT_MIN") << true << INT_MIN << 0;
    QTest::newRow("years -1") << false << -1 << 0;
    QTest::newRow("years 0") << false << 0 << 0;
    QTest::newRow("years 10") << false << 10 << 10;
    QTest::newRow("years 31") << false << 31 << 31;
    QTest::newRow("years 32") << false << 32 << 31;
    QTest::newRow("years INT_MAX") << false << INT_MAX << 31;
    QTest::newRow("years INT_MIN") << false << INT_MIN << 0;
}

void TestStore::limitsAreClamped()
{
    QFETCH(bool, rows);
    QFETCH(int, value);
    QFETCH(int, expected);
    const auto store = std::make_unique<InvestmentStore>();
    for (int r = 0; r < MaxRows; ++r)
        add(*store, r, saving(2020 + r));
    if (rows) {
        store->setMaxInvestment(value);
        QCOMPARE(store->maxInvestment(), expected);
        QCOMPARE(store->projectedRowCount(), expected);
        QCOMPARE(store->anyRowProjected(), expected > 0);
        QCOMPARE(store->earliestStartYear(), expected == 0 ? INT_MAX : 2020);
        return;
    }
    store->setMaxJaren(value);
    QCOMPARE(store->maxJaren(), expected);
    // Totals exist for the projected years only; a refused year leaves them zero.
    YearTotals totals;
    QCOMPARE(store->yearTotals(expected - 1, totals), expected > 0);
    totals.cash = 99;
    QVERIFY(!store->yearTotals(expected, totals));
    QCOMPARE(totals.cash, 0.0);
    totals.cash = 99;
    QVERIFY(!store->yearTotals(-1, totals));
    QCOMPARE(totals.cash, 0.0);
    // Row 0 starts in the base year: exactly `expected` records written.
    for (int y = 0; y < MaxYears; ++y)
        QCOMPARE(at(*store, 0, y, SerStartYear), y < expected ? 2020.0 : 0.0);
}

void TestStore::outOfRangeRowsAndYears()
{
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 0, saving());
    // Writes to rows outside the store land nowhere.
    store->input(-1).field[ColStartYear] = 1999;
    store->input(30).field[ColStartYear] = 1999;
    QVERIFY(store->input(-1).isEmpty(ColStartYear));
    QVERIFY(store->input(30).isEmpty(ColStartYear));
    store->setRowType(30, CompoundedInterest);
    QCOMPARE(store->rowType(30), 0);
    QVERIFY(!store->isRowComplete(-1));
    QVERIFY(!store->addInvestment(-1).projected);
    QVERIFY(!store->addInvestment(30).projected);
    QVERIFY(!store->block(-1).projected);
    QVERIFY(blockIsZero(store->block(-1)));
    QVERIFY(blockIsZero(store->block(30)));
    QCOMPARE(at(*store, 0, 0, SerCash), 1000.0);

    QVERIFY(store->record(0, 0) && store->record(29, 30));
    QVERIFY(!store->record(-1, 0) && !store->record(30, 0) && !store->record(0, -1) && !store->record(0, 31));

    // Net worth has an entry per year index 0..30.
    for (int y : { -1, 0, 30, 31 })
        store->setNetWorthByYear(y, y + 0.5);
    QCOMPARE(store->netWorthByYear(-1), 0.0);
    QCOMPARE(store->netWorthByYear(31), 0.0);
    for (int y = 0; y < MaxYears; ++y)
        QCOMPARE(store->netWorthByYear(y), y == 0 ? 0.5 : y == 30 ? 30.5 : 0.0);
    QCOMPARE(store->netWorthSeries()[30], 30.5);
}

void TestStore::rowTypeFromText()
{
    const char *names[] = { "Onderpand met hefboom", "Onderpand zonder hefboom", "Cash voor cashflow",
        "Maandelijks sparen", "Compounded interest" };
    for (int t = 0; t < InvestmentTypeCount; ++t)
        QCOMPARE(TypeIndexOfName(QString::fromLatin1(names[t])), t);
    // Anything else, also a name in other case, with a blank or cut short, reads as the first type.
    for (const char *text : { "compounded interest", "Maandelijks sparen ", "Maandelijks", "" })
        QCOMPARE(TypeIndexOfName(QString::fromLatin1(text)), 0);
}

void TestStore::columnsOfEachType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("columns");

    QTest::newRow("Onderpand met hefboom") << 0 << QList<int> { 0, 1, 6, 7, 8, 9, 11, 12, 13 };
    QTest::newRow("Onderpand zonder hefboom") << 1 << QList<int> { 0, 1, 6, 7, 8, 9 };
    QTest::newRow("Cash voor cashflow") << 2 << QList<int> { 0, 1, 2, 3, 4, 6, 15 };
    QTest::newRow("Maandelijks sparen") << 3 << QList<int> { 0, 1, 2, 3 };
    QTest::newRow("Compounded interest") << 4 << QList<int> { 0, 1, 2, 3, 4, 15 };
}

void TestStore::columnsOfEachType()
{
    QFETCH(int, type);
    QFETCH(QList<int>, columns);
    for (int c = 0; c < FieldCount; ++c) {
        const bool applies = columns.contains(c);
        QCOMPARE(int(ColumnUsage[type][c]), applies ? c : 255);
        QCOMPARE(ColumnApplies(type, c), applies);
    }

    // A row is complete when exactly the columns of its type are filled.
    const auto store = std::make_unique<InvestmentStore>();
    store->setRowType(0, type);
    InvestmentInput &in = store->input(0);
    in.setAllEmpty();
    in.field[ColType] = type;
    for (int c = 1; c < FieldCount; ++c) {
        if (columns.contains(c))
            in.field[c] = FieldFromText(QStringLiteral("2020"));
    }
    QVERIFY(store->isRowComplete(0));
    for (int c = 0; c < FieldCount; ++c) {
        const double kept = in.field[c];
        // -1 typed into a cell is the empty marker.
        in.field[c] = FieldFromText(QStringLiteral("-1"));
        QCOMPARE(store->isRowComplete(0), !columns.contains(c));
        // A word is 0 and fills the cell.
        in.field[c] = FieldFromText(QStringLiteral("tweehonderd"));
        QVERIFY(store->isRowComplete(0));
        in.field[c] = kept;
    }
}

void TestStore::completenessFollowsRowType()
{
    const auto store = std::make_unique<InvestmentStore>();
    // Field 0 says saving, the Type cell says leveraged: the mortgage columns are missing.
    store->input(0) = saving();
    store->setRowType(0, LeveragedProperty);
    QVERIFY(!store->isRowComplete(0));
    store->setRowType(0, MonthlySaving);
    QVERIFY(store->isRowComplete(0));
    // An unknown type index reads as the first type.
    store->setRowType(0, 7);
    QCOMPARE(store->rowType(0), 0);

    // A word in "Kostprijs" completes a property row with a price of 0.
    const auto words = std::make_unique<InvestmentStore>();
    InvestmentInput in = inFull();
    in.field[ColPrice] = FieldFromText(QStringLiteral("duur"));
    QVERIFY(add(*words, 0, in).projected);
    QCOMPARE(at(*words, 0, 0, SerCash), 0.0);
    QCOMPARE(at(*words, 0, 0, SerOwnContribution), 0.0);
}

void TestStore::projectedRowCount_data()
{
    QTest::addColumn<QList<int>>("projected");
    QTest::addColumn<int>("maxInvestment");
    QTest::addColumn<int>("expected");

    QTest::newRow("none") << QList<int>() << 30 << 0;
    QTest::newRow("rows 0 and 2") << QList<int> { 0, 2 } << 30 << 1;
    QTest::newRow("rows 1 and 2") << QList<int> { 1, 2 } << 30 << 0;
    QTest::newRow("rows 0, 1, 3") << QList<int> { 0, 1, 3 } << 30 << 2;
    QTest::newRow("rows 0..4, limit 2") << QList<int> { 0, 1, 2, 3, 4 } << 2 << 2;
    QTest::newRow("row 0, limit 0") << QList<int> { 0 } << 0 << 0;
    QList<int> all;
    for (int r = 0; r < MaxRows; ++r)
        all << r;
    QTest::newRow("all") << all << 30 << 30;
}

void TestStore::projectedRowCount()
{
    QFETCH(QList<int>, projected);
    QFETCH(int, maxInvestment);
    QFETCH(int, expected);
    const auto store = std::make_unique<InvestmentStore>();
    for (int r : projected)
        QVERIFY(add(*store, r, saving(2020 + r)).projected);
    store->setMaxInvestment(maxInvestment);
    QCOMPARE(store->projectedRowCount(), expected);
}

void TestStore::yearTotals()
{
    // Rows 0, 1 and 3 projected, row 2 never complete: the totals count row 3 all the same.
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 0, leveraged());
    add(*store, 1, inFull());
    InvestmentInput incomplete = cashForCashflow();
    incomplete.field[ColReturn] = EmptyField;
    QVERIFY(!add(*store, 2, incomplete).projected);
    add(*store, 3, saving());
    QCOMPARE(store->projectedRowCount(), 2);

    // 2021 from the worked examples: leveraged + in full + saving (cash 2200, nothing else).
    YearTotals t;
    QVERIFY(store->yearTotals(1, t));
    QVERIFY(std::fabs(t.cash - (-38648.27 - 140400 + 2200)) <= 3 * Cent);
    QVERIFY(std::fabs(t.propertyValue - (206083.19 + 153027.65)) <= 2 * Cent);
    QVERIFY(std::fabs(t.assets - (167434.92 + 12627.65 + 2200)) <= 3 * Cent);
    QVERIFY(std::fabs(t.ownContribution - (40000 + 150000)) <= Cent);
    QVERIFY(std::fabs(t.debt - 202317.20) <= Cent);
    QVERIFY(std::fabs(t.netWorth() - (167434.92 + 12627.65 + 2200 - 202317.20)) <= 4 * Cent);
    QVERIFY(std::fabs(t.monthlyIncome - (1020.18 + 816.15)) <= 2 * Cent);
    QVERIFY(std::fabs(t.monthlyCosts - 887.36) <= Cent);
    QVERIFY(std::fabs(t.monthlyCashFlow - (132.83 + 816.15)) <= 2 * Cent);

    // Only the rows within the investment limit count.
    store->setMaxInvestment(3);
    QVERIFY(store->yearTotals(1, t));
    QVERIFY(std::fabs(t.cash - (-38648.27 - 140400)) <= 2 * Cent);
}

void TestStore::clearing()
{
    // What clearing the portfolio does to the store, with the investment limit at 10.
    const auto store = std::make_unique<InvestmentStore>();
    for (int r = 0; r < 12; ++r)
        add(*store, r, compounded(2020 + r));
    for (int y = 0; y < MaxYears; ++y)
        store->setNetWorthByYear(y, 1.0);
    store->setMaxInvestment(10);

    store->fillAllInputs(0.0);
    for (int r = 0; r < store->maxInvestment(); ++r) {
        store->input(r).setAllEmpty();
        store->input(r).field[ColType] = store->rowType(r);
    }
    store->clearProjections();

    for (int r = 0; r < MaxRows; ++r) {
        QVERIFY(!store->block(r).projected);
        QVERIFY(blockIsZero(store->block(r)));
        for (int c = 1; c < FieldCount; ++c)
            QCOMPARE(store->input(r).field[c], r < 10 ? EmptyField : 0.0);
    }
    QCOMPARE(store->input(3).field[ColType], double(CompoundedInterest));
    for (int y = 0; y < MaxYears; ++y)
        QCOMPARE(store->netWorthByYear(y), 0.0);
    QCOMPARE(store->projectedRowCount(), 0);
    QCOMPARE(store->earliestStartYear(), INT_MAX);

    // The store projects as new afterwards.
    const ProjectionUpdate update = add(*store, 0, saving(2030));
    QVERIFY(update.projected && update.baseYearMoved);
    QCOMPARE(update.baseYear, 2030);
    QVERIFY(sameBlock(store->block(0), project(saving(2030), 2030)));
}

void TestStore::typeOrStartChangeLeavesNothingStale()
{
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 1, saving(2020)); // keeps the base year at 2020
    add(*store, 0, leveraged(2020));
    QVERIFY(at(*store, 0, 0, SerDebt) > 0.0);

    // Same row, now a savings plan, projected from 2020 and then (start year typed last) from 2025.
    typeRow(*store, 0, saving(2025), true);
    QVERIFY(sameBlock(store->block(0), project(saving(2025), 2020)));
    for (int y = 0; y < MaxYears; ++y) {
        QVERIFY(y >= 5 || recordIsZero(store->block(0), y));
        QCOMPARE(at(*store, 0, y, SerPropertyValue), 0.0);
        QCOMPARE(at(*store, 0, y, SerDebt), 0.0);
    }

    // A later start year of the same type: the earlier years are empty again.
    add(*store, 2, leveraged(2020));
    typeField(*store, 2, ColStartYear, 2023);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(at(*store, 2, y, SerCash), 0.0);
    QCOMPARE(at(*store, 2, 3, SerCash), -40000.0);
}

void TestStore::baseYearChangeProjectsAllAgain()
{
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 0, leveraged(2020));
    QCOMPARE(at(*store, 0, 0, SerCash), -40000.0);

    // An earlier investment arrives: the leveraged row moves two records up.
    const ProjectionUpdate earlier = add(*store, 1, saving(2018));
    QVERIFY(earlier.baseYearMoved);
    QCOMPARE(earlier.baseYear, 2018);
    QCOMPARE(at(*store, 0, 0, SerCash), 0.0);
    QCOMPARE(at(*store, 0, 1, SerCash), 0.0);
    QCOMPARE(at(*store, 0, 2, SerCash), -40000.0);
    QVERIFY(std::fabs(at(*store, 0, 3, SerCash) - -38648.27) <= Cent);
    QVERIFY(sameBlock(store->block(0), project(leveraged(2020), 2018)));

    // The earlier one loses its start year: back to 2020 for the leveraged row.
    store->input(1).field[ColStartYear] = EmptyField;
    const ProjectionUpdate later = store->addInvestment(1);
    QVERIFY(later.dropped && later.baseYearMoved);
    QCOMPARE(later.baseYear, 2020);
    QCOMPARE(at(*store, 0, 0, SerCash), -40000.0);
    QVERIFY(sameBlock(store->block(0), project(leveraged(2020), 2020)));
}

void TestStore::typingOrderDoesNotMatter()
{
    InvestmentInput lowLoan = leveraged(2022);
    lowLoan.field[ColLoanToValue] = 0;
    InvestmentInput unfinished = saving(2010);
    unfinished.field[ColMonthlyDeposit] = EmptyField;
    const InvestmentInput portfolio[] = { leveraged(2020), saving(2018), compounded(2025), cashForCashflow(2016.5),
        inFull(2030), lowLoan, unfinished };
    const int count = int(std::size(portfolio));

    // Order A: row by row from the top, each field left to right.
    const auto a = std::make_unique<InvestmentStore>();
    for (int r = 0; r < count; ++r)
        typeRow(*a, r, portfolio[r]);

    // Order B: from the bottom up; every row is first a complete leveraged property with a wrong
    // early start year (projected, moving the base year), then gets its type and its fields
    // right to left, the start year last.
    const auto b = std::make_unique<InvestmentStore>();
    for (int r = count - 1; r >= 0; --r) {
        typeRow(*b, r, leveraged(2000 + r));
        QVERIFY(b->block(r).projected);
        typeRow(*b, r, portfolio[r], true);
    }

    QCOMPARE(a->earliestStartYear(), 2016);
    QCOMPARE(b->earliestStartYear(), 2016);
    for (int r = 0; r < MaxRows; ++r) {
        QCOMPARE(std::memcmp(&a->input(r), &b->input(r), sizeof(InvestmentInput)), 0);
        QVERIFY2(sameBlock(a->block(r), b->block(r)), qPrintable(QStringLiteral("row %1").arg(r)));
        const bool complete = r < count - 1;
        QCOMPARE(a->block(r).projected, complete);
        if (complete)
            QVERIFY(sameBlock(a->block(r), project(portfolio[r], 2016)));
        else
            QVERIFY(blockIsZero(a->block(r)));
    }
}

void TestStore::rowThatStopsBeingCompleteLosesProjection()
{
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 0, saving(2020));
    add(*store, 1, inFull(2020));
    add(*store, 2, saving(2020));
    QCOMPARE(store->projectedRowCount(), 3);

    store->input(1).field[ColRent] = EmptyField;
    const ProjectionUpdate update = store->addInvestment(1);
    QVERIFY(!update.projected);
    QVERIFY(update.dropped);
    QVERIFY(!store->block(1).projected);
    QVERIFY(blockIsZero(store->block(1)));
    QCOMPARE(store->projectedRowCount(), 1);
    YearTotals t;
    QVERIFY(store->yearTotals(0, t));
    QCOMPARE(t.cash, 2000.0);
    QCOMPARE(t.propertyValue, 0.0);

    // A type change can make a row incomplete too.
    store->setRowType(2, LeveragedProperty);
    QVERIFY(store->addInvestment(2).dropped);
    QVERIFY(!store->block(2).projected);

    // A row that was never projected is not "dropped".
    QVERIFY(!store->addInvestment(5).dropped);
}

void TestStore::limitChangesProjectAgain()
{
    // The base year: the earliest start year, truncated, of the complete rows within the limit.
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 0, saving(2022));
    add(*store, 1, saving(2019.7));
    InvestmentInput incomplete = saving(2010);
    incomplete.field[ColMonthlyDeposit] = EmptyField;
    add(*store, 2, incomplete);
    QCOMPARE(store->earliestStartYear(), 2019);
    QCOMPARE(at(*store, 0, 3, SerCash), 1000.0);

    // Row 1 drops out of the limit: the base year moves to 2022 and row 0 follows.
    store->setMaxInvestment(1);
    QCOMPARE(store->earliestStartYear(), 2022);
    QVERIFY(sameBlock(store->block(0), project(saving(2022), 2022)));
    // The next projection still reports the move, so that a view can follow it.
    QVERIFY(store->addInvestment(0).baseYearMoved);
    QVERIFY(!store->addInvestment(0).baseYearMoved);
    store->setMaxInvestment(30);
    QVERIFY(sameBlock(store->block(0), project(saving(2022), 2019)));
    QVERIFY(sameBlock(store->block(1), project(saving(2019), 2019)));

    // Fewer years: nothing is left beyond them.
    store->setMaxJaren(10);
    QVERIFY(sameBlock(store->block(1), project(saving(2019), 2019, 10)));
    QCOMPARE(at(*store, 1, 10, SerCash), 0.0);

    // The same rows typed after the limits were set give the same blocks.
    const auto later = std::make_unique<InvestmentStore>();
    later->setMaxJaren(10);
    add(*later, 0, saving(2022));
    add(*later, 1, saving(2019));
    QVERIFY(sameBlock(store->block(0), later->block(0)));
    QVERIFY(sameBlock(store->block(1), later->block(1)));
}

void TestStore::rowsChangedBehindTheStoreAreCaughtUp()
{
    const auto store = std::make_unique<InvestmentStore>();
    add(*store, 0, saving(2020));
    add(*store, 1, saving(2020));
    // Row 0 changed without a projection of its own; the next projection of any row catches up.
    store->input(0).field[ColLumpSum] = 5000;
    const ProjectionUpdate update = add(*store, 1, saving(2020));
    QVERIFY(update.othersChanged);
    QCOMPARE(at(*store, 0, 0, SerCash), 5000.0);
    // Nothing else changed: nothing to catch up.
    QVERIFY(!store->addInvestment(1).othersChanged);
    // Row 0 loses a field behind the store: the next projection of another row drops it.
    store->input(0).field[ColMonthlyDeposit] = EmptyField;
    QVERIFY(store->addInvestment(1).othersChanged);
    QVERIFY(!store->block(0).projected);
    QVERIFY(blockIsZero(store->block(0)));
}

void TestStore::extremeStartYears_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("startYear");
    QTest::addColumn<double>("cash0");
    QTest::addColumn<double>("cash1");

    const int compound = CompoundedInterest;
    QTest::newRow("inf") << "inf" << compound << StartYearLimit << 1000.0 << 2279.05;
    QTest::newRow("-inf") << "-inf" << compound << -StartYearLimit << 1000.0 << 2279.05;
    QTest::newRow("4e9") << "4e9" << compound << StartYearLimit << 1000.0 << 2279.05;
    QTest::newRow("nan") << "nan" << compound << 0 << 1000.0 << 2279.05;
    QTest::newRow("1e999 does not convert") << "1e999" << compound << 0 << 1000.0 << 2279.05;
    QTest::newRow("2020.5") << "2020.5" << compound << 2020 << 1000.0 << 2279.05;
    QTest::newRow("2020.5, leveraged") << "2020.5" << int(LeveragedProperty) << 2020 << -40000.0 << -38648.27;
}

void TestStore::extremeStartYears()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(int, startYear);
    QFETCH(double, cash0);
    QFETCH(double, cash1);
    const auto store = std::make_unique<InvestmentStore>();
    InvestmentInput in = exampleRow(type);
    in.field[ColStartYear] = FieldFromText(text);
    QVERIFY(add(*store, 0, in).projected);
    QCOMPARE(store->earliestStartYear(), startYear);
    QCOMPARE(at(*store, 0, 0, SerStartYear), double(startYear));
    QVERIFY(std::fabs(at(*store, 0, 0, SerCash) - cash0) <= Cent);
    QVERIFY(std::fabs(at(*store, 0, 1, SerCash) - cash1) <= Cent);
    QVERIFY(sameBlock(store->block(0), project(exampleRow(type, startYear), startYear)));

    // Beside an ordinary row the base year is the earlier start year, and row 0 follows it.
    add(*store, 1, saving(2020));
    const int base = std::min(startYear, 2020);
    QCOMPARE(store->earliestStartYear(), base);
    QVERIFY(sameBlock(store->block(0), project(exampleRow(type, startYear), base)));
}

void TestStore::projectingAllEndsWhereAddingEachEnds_data()
{
    // Start years of the rows (0: left incomplete), the investment limit, and whether the store
    // held other projections before: rows projected against another base year, a row that has
    // since lost a field.
    QTest::addColumn<QVector<int>>("starts");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("stale");
    QTest::newRow("empty store") << QVector<int> {} << MaxRows << false;
    QTest::newRow("one row") << QVector<int> { 2031 } << MaxRows << false;
    QTest::newRow("descending years") << QVector<int> { 2040, 2035, 2030, 2025, 2020 } << MaxRows << false;
    QTest::newRow("gaps and unfinished rows") << QVector<int> { 2022, 0, 2019, 0, 0, 2026 } << MaxRows << false;
    QTest::newRow("earlier rows beyond the limit") << QVector<int> { 2030, 2028, 2010, 2005 } << 2 << false;
    QTest::newRow("over stale projections") << QVector<int> { 2024, 2021, 0, 2029 } << MaxRows << true;
    QTest::newRow("all thirty rows") << [] {
        QVector<int> all;
        for (int r = 0; r < MaxRows; ++r)
            all.append(2049 - r);
        return all;
    }() << MaxRows << true;
}

void TestStore::projectingAllEndsWhereAddingEachEnds()
{
    QFETCH(QVector<int>, starts);
    QFETCH(int, limit);
    QFETCH(bool, stale);

    const auto fill = [&](InvestmentStore &store) {
        store.setMaxInvestment(limit);
        if (stale) {
            // Every row a complete property of 1995, projected, before the portfolio is written.
            for (int r = 0; r < starts.size(); ++r)
                add(store, r, leveraged(1995 + r));
        }
        for (int r = 0; r < starts.size(); ++r) {
            InvestmentInput in = exampleRow(r % InvestmentTypeCount, starts[r] == 0 ? 2020 : starts[r]);
            if (starts[r] == 0)
                in.field[ColStartYear] = EmptyField;
            store.setRowType(r, static_cast<int>(in.field[ColType]));
            store.input(r) = in;
        }
    };
    const auto oneByOne = std::make_unique<InvestmentStore>();
    fill(*oneByOne);
    for (int r = 0; r < MaxRows; ++r)
        oneByOne->addInvestment(r);
    const auto atOnce = std::make_unique<InvestmentStore>();
    fill(*atOnce);
    atOnce->projectAll();

    for (int r = 0; r < MaxRows; ++r) {
        QVERIFY2(sameBlock(atOnce->block(r), oneByOne->block(r)), qPrintable(QStringLiteral("row %1").arg(r)));
        QCOMPARE(atOnce->block(r).projected, r < starts.size() && starts[r] != 0);
    }
    QCOMPARE(atOnce->earliestStartYear(), oneByOne->earliestStartYear());
    // Both know the base year they projected against: adding a row again moves nothing.
    const int row = std::max(0, int(starts.size()) - 1);
    const ProjectionUpdate a = atOnce->addInvestment(row);
    const ProjectionUpdate b = oneByOne->addInvestment(row);
    QCOMPARE(a.baseYearMoved, false);
    QCOMPARE(b.baseYearMoved, false);
    QCOMPARE(a.othersChanged, false);
    // A second projection of everything keeps what is current.
    atOnce->projectAll();
    for (int r = 0; r < MaxRows; ++r)
        QVERIFY(sameBlock(atOnce->block(r), oneByOne->block(r)));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
