// The limits dialog: its form, how it reads a field and what the window keeps.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "grid/CellRules.h"
#include "settings/Options.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTextEdit>
#include <QPointer>
#include <QtTest>

using namespace testsupport;

class OptionsTest : public QObject
{
    Q_OBJECT

    static Options *openDialog(MainWindow &w)
    {
        const QList<Options *> before = w.findChildren<Options *>();
        find<QAction>(&w, "actionSettings")->trigger();
        for (Options *o : w.findChildren<Options *>()) {
            if (!before.contains(o))
                return o;
        }
        return nullptr;
    }

private slots:
    void initTestCase() { initResources(); }

    void form()
    {
        MainWindow w;
        Options *o = openDialog(w);
        QVERIFY(o);
        QCOMPARE(o->objectName(), QStringLiteral("Options"));
        QCOMPARE(o->windowTitle(), QStringLiteral("Dialog"));
        QCOMPARE(o->size(), QSize(396, 120));
        QVERIFY(o->isVisible());
        QVERIFY(!o->isModal());
        QCOMPARE(find<QTextEdit>(o, "AantalJaren")->geometry(), QRect(280, 60, 101, 31));
        QCOMPARE(find<QTextEdit>(o, "AantalInvestments")->geometry(), QRect(280, 20, 101, 31));
        QCOMPARE(find<QLabel>(o, "label_2")->text(), QStringLiteral("Beperk het jaaroverzicht tot :"));
        QCOMPARE(find<QLabel>(o, "label")->text(), QStringLiteral("Beperk het aantal investeringen tot :"));
        QCOMPARE(find<QLabel>(o, "label")->font().pointSize(), 11); // 12 points does not fit its 261 pixels
        // It opens showing the limits in force.
        QCOMPARE(find<QTextEdit>(o, "AantalJaren")->toPlainText(), QStringLiteral("31"));
        QCOMPARE(find<QTextEdit>(o, "AantalInvestments")->toPlainText(), QStringLiteral("30"));
        // Its meta-object carries the two signals and two slots by these names.
        const QMetaObject *meta = o->metaObject();
        QCOMPARE(meta->className(), "Options");
        QVERIFY(meta->indexOfSignal("SendAantalJaar(int)") >= 0);
        QVERIFY(meta->indexOfSignal("SendAantalInvestments(int)") >= 0);
        QVERIFY(meta->indexOfSlot("on_AantalInvestments_textChanged()") >= 0);
        QVERIFY(meta->indexOfSlot("on_AantalJaren_textChanged()") >= 0);
    }

    void conversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("investments");
        QTest::newRow("plain") << "10" << 10 << 10 << 10;
        QTest::newRow("blanks and line breaks") << " \n 7 \n" << 7 << 7 << 7;
        QTest::newRow("plus sign") << "+12" << 12 << 12 << 12;
        QTest::newRow("zero") << "0" << 0 << 0 << 0;
        QTest::newRow("negative") << "-5" << -5 << 0 << 0;
        QTest::newRow("just past the rows") << "31" << 31 << 31 << 30;
        QTest::newRow("past both") << "99" << 99 << 31 << 30;
        QTest::newRow("int max") << "2147483647" << 2147483647 << 31 << 30;
        QTest::newRow("Dutch decimal comma, whole") << "12,0" << 12 << 12 << 12;
        QTest::newRow("blanks inside are dropped") << "1 0" << 10 << 10 << 10;
        // Not a whole number: nothing is sent and the last valid limit (13) stays.
        QTest::newRow("beyond 32 bits") << "2147483648" << -1 << 13 << 13;
        QTest::newRow("int min") << "-2147483648" << int(-2147483647 - 1) << 0 << 0;
        QTest::newRow("letters") << "abc" << -1 << 13 << 13;
        QTest::newRow("digits then letters") << "12a" << -1 << 13 << 13;
        QTest::newRow("decimal point") << "1.5" << -1 << 13 << 13;
        QTest::newRow("comma") << "1,5" << -1 << 13 << 13;
        QTest::newRow("empty") << "" << -1 << 13 << 13;
    }
    void conversion()
    {
        QFETCH(QString, text);
        QFETCH(int, sent);
        QFETCH(int, years);
        QFETCH(int, investments);
        MainWindow w;
        Options *o = openDialog(w);
        QSignalSpy yearSpy(o, SIGNAL(SendAantalJaar(int)));
        QSignalSpy rowSpy(o, SIGNAL(SendAantalInvestments(int)));
        // Start from a value different from the expected one so a missed store shows.
        w.SetMaxJaren(13);
        w.SetMaxInvestment(13);
        auto *yearField = find<QTextEdit>(o, "AantalJaren");
        yearField->setPlainText(text.isEmpty() ? QStringLiteral("x") : text);
        yearField->setPlainText(text);
        find<QTextEdit>(o, "AantalInvestments")->setPlainText(text.isEmpty() ? QStringLiteral("x") : text);
        find<QTextEdit>(o, "AantalInvestments")->setPlainText(text);
        if (sent == -1) {
            QVERIFY(yearSpy.isEmpty());
            QVERIFY(rowSpy.isEmpty());
            QVERIFY(!yearField->toolTip().isEmpty()); // marked
            QCOMPARE(LimitFromText(text), 0);
        } else {
            QCOMPARE(yearSpy.last().at(0).toInt(), sent);
            QCOMPARE(rowSpy.last().at(0).toInt(), sent);
            QVERIFY(yearField->toolTip().isEmpty());
        }
        QCOMPARE(w.MaxJaren(), years);
        QCOMPARE(w.MaxInvestment(), investments);
    }

    void typingSendsEveryIntermediateValue()
    {
        MainWindow w;
        Options *o = openDialog(w);
        auto *field = find<QTextEdit>(o, "AantalJaren");
        field->clear(); // an empty field changes no limit
        QCOMPARE(w.MaxJaren(), 31);
        QSignalSpy spy(o, SIGNAL(SendAantalJaar(int)));
        field->setFocus();
        QTest::keyClicks(field, "25");
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), 25);
        QCOMPARE(w.MaxJaren(), 25);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(w.MaxJaren(), 2); // an erased field keeps the last valid limit
        // The upper field is the investment limit and leaves the years alone.
        find<QTextEdit>(o, "AantalInvestments")->clear();
        QTest::keyClicks(find<QTextEdit>(o, "AantalInvestments"), "5");
        QCOMPARE(w.MaxInvestment(), 5);
        QCOMPARE(w.MaxJaren(), 2);
    }

    void everyActivationMakesANewDialogFeedingTheSameLimits()
    {
        MainWindow w;
        Options *first = openDialog(w);
        Options *second = openDialog(w);
        QVERIFY(first && second);
        QVERIFY(first != second);
        QVERIFY(first->isVisible() && second->isVisible());
        QCOMPARE(first->parent(), &w);
        find<QTextEdit>(first, "AantalJaren")->setPlainText("12");
        QCOMPARE(w.MaxJaren(), 12);
        find<QTextEdit>(second, "AantalJaren")->setPlainText("8");
        QCOMPARE(w.MaxJaren(), 8);
        find<QTextEdit>(second, "AantalInvestments")->setPlainText("4");
        find<QTextEdit>(first, "AantalInvestments")->setPlainText("6");
        QCOMPARE(w.MaxInvestment(), 6);
        // Closing hides and then deletes; reopening shows the limits in force.
        const QPointer<Options> closed(first);
        first->close();
        QVERIFY(!first->isVisible());
        QTRY_VERIFY(closed.isNull());
        QVERIFY(second->isVisible());
        Options *third = openDialog(w);
        QCOMPARE(find<QTextEdit>(third, "AantalJaren")->toPlainText(), QStringLiteral("8"));
        QCOMPARE(find<QTextEdit>(third, "AantalInvestments")->toPlainText(), QStringLiteral("6"));
        QCOMPARE(w.MaxJaren(), 8);
        QCOMPARE(w.MaxInvestment(), 6);
    }

    void limitsNeverResizeTheGrids()
    {
        MainWindow w;
        Options *o = openDialog(w);
        find<QTextEdit>(o, "AantalInvestments")->setPlainText("5");
        QCOMPARE(inputGrid(w)->rowCount(), 30);
        QCOMPARE(outputGrid(w)->rowCount(), 30);
        find<QTextEdit>(o, "AantalInvestments")->setPlainText("2147483647");
        QCOMPARE(inputGrid(w)->rowCount(), 30);
    }

    void yearLimitShapesTheNextYearList()
    {
        MainWindow w;
        Options *o = openDialog(w);
        find<QTextEdit>(o, "AantalJaren")->setPlainText("10");
        setRow(w, 0, 3, { "2020", "1000", "100" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), 10);
        QCOMPARE(years->itemText(0), QStringLiteral("2020"));
        QCOMPARE(years->itemText(9), QStringLiteral("2029"));
    }

    void hugeLimitsNeverIndexPastTheStore()
    {
        MainWindow w;
        Options *o = openDialog(w);
        find<QTextEdit>(o, "AantalJaren")->setPlainText("2147483647");
        find<QTextEdit>(o, "AantalInvestments")->setPlainText("2147483647");
        for (int r = 0; r < 30; ++r)
            setRow(w, r, 3, { QString::number(2000 + r), "1000", "100" });
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), 31);
        years->setCurrentIndex(30);
        QCOMPARE(w.ProjectedRowCount(), 30);
        find<QPushButton>(&w, "btn_ClearInvestmenst")->click();
        QCOMPARE(w.ProjectedRowCount(), 0);
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
