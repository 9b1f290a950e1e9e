// Numbers shown the Dutch way, and read back by the typing rule of the grid.

#include "model/DutchFormat.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

enum Figure { Amount, Whole, Total, Percentage, Count };

QString shown(int figure, double value)
{
    switch (figure) {
    case Amount:
        return DutchAmount(value);
    case Whole:
        return DutchWholeAmount(value);
    case Total:
        return DutchTotal(value);
    case Percentage:
        return DutchPercentage(value);
    default:
        return DutchCount(value);
    }
}

NumberKind kindOf(int figure)
{
    return figure == Percentage ? NumberKind::Percentage : figure == Count ? NumberKind::Count : NumberKind::Amount;
}

// Half a unit of the last shown digit.
double shownPrecision(const QString &text)
{
    const int comma = int(text.indexOf(QLatin1Char(',')));
    return comma < 0 ? 0.5 : 0.5 * std::pow(10.0, -(text.size() - comma - 1));
}

} // namespace

class DutchFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void shownText_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("amount cents grouped") << int(Amount) << 2799.93 << "2.799,93";
        QTest::newRow("amount negative") << int(Amount) << -86.8371 << "-86,84";
        QTest::newRow("amount half a cent up") << int(Amount) << 0.125 << "0,13";
        QTest::newRow("amount 1,005 is below half") << int(Amount) << 1.005 << "1,00";
        QTest::newRow("amount rounds to minus zero") << int(Amount) << -0.004 << "0,00";
        QTest::newRow("amount carries into a group") << int(Amount) << 999999.996 << "1.000.000,00";
        QTest::newRow("whole grid cell") << int(Whole) << 343739.4 << "343.739";
        QTest::newRow("whole half away from zero") << int(Whole) << 2.5 << "3";
        QTest::newRow("whole negative half") << int(Whole) << -2.5 << "-3";
        QTest::newRow("whole negative millions") << int(Whole) << -2500000.0 << "-2.500.000";
        QTest::newRow("whole far beyond 64 bits") << int(Whole) << 1e21 << "1.000.000.000.000.000.000.000";
        QTest::newRow("total cents below 1.000") << int(Total) << 954.831 << "954,83";
        QTest::newRow("total whole from 1.000") << int(Total) << 2799.93 << "2.800";
        QTest::newRow("total 999,995 rounds to 1.000") << int(Total) << 999.996 << "1.000";
        QTest::newRow("total millions") << int(Total) << 2065130.0 << "2.065.130";
        QTest::newRow("total negative millions") << int(Total) << -2500000.49 << "-2.500.000";
        QTest::newRow("total negative cents") << int(Total) << -86.8371 << "-86,84";
        QTest::newRow("total NaN") << int(Total) << std::nan("") << "\u2014";
        QTest::newRow("total inf") << int(Total) << inf << "\u2014";
        QTest::newRow("amount minus inf") << int(Amount) << -inf << "\u2014";
        QTest::newRow("percentage not grouped") << int(Percentage) << 1250.04 << "1250,0";
        QTest::newRow("percentage points") << int(Percentage) << 5.0 << "5,0";
        QTest::newRow("percentage half up") << int(Percentage) << -0.25 << "-0,3";
        QTest::newRow("count grouped") << int(Count) << 10000.0 << "10.000";
    }

    // The text, and that it reads back by the typing rule to the value within what it shows.
    void shownText()
    {
        QFETCH(int, figure);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(shown(figure, value), text);
        const TypedNumber back = ReadTypedNumber(text, kindOf(figure));
        if (!std::isfinite(value)) {
            QCOMPARE(back.state, TypedState::NotANumber);
            QVERIFY(!NotANumberReason(value).isEmpty());
            return;
        }
        QVERIFY(NotANumberReason(value).isEmpty());
        QVERIFY2(back.ok(), qPrintable(text));
        QVERIFY2(std::abs(back.value - value) <= shownPrecision(text) * (1 + 1e-12), qPrintable(text));
    }

    // Random sizes and signs over the whole double range: no exponent, and the text reads back.
    void roundTrip()
    {
        quint64 bits = 0x2545f4914f6cdd1dULL;
        for (int i = 0; i < 20000; ++i) {
            bits ^= bits << 13;
            bits ^= bits >> 7;
            bits ^= bits << 17;
            const double value = (bits & 1 ? -1.0 : 1.0) * double(bits >> 11) * std::pow(10.0, int(bits % 40) - 20);
            const int figure = int((bits >> 3) % 5);
            const QString text = shown(figure, value);
            QVERIFY2(!text.contains(QLatin1Char('e')), qPrintable(text));
            const TypedNumber back = ReadTypedNumber(text, kindOf(figure));
            QVERIFY2(back.ok(), qPrintable(text));
            QVERIFY2(std::abs(back.value - value) <= shownPrecision(text) + std::abs(value) * 1e-15, qPrintable(text));
        }
    }

    void typedField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("state");
        QTest::addColumn<double>("value");
        const int number = int(TypedState::Number);
        const int no = int(TypedState::NotANumber);
        QTest::newRow("spending grouped") << "3.000" << int(NumberKind::Amount) << number << 3000.0;
        QTest::newRow("spending plain") << "3000" << int(NumberKind::Amount) << number << 3000.0;
        QTest::newRow("spending cents") << "\u20ac 2.799,93" << int(NumberKind::Amount) << number << 2799.93;
        QTest::newRow("spending a word") << "drie" << int(NumberKind::Amount) << no << 0.0;
        QTest::newRow("spending blanks") << "  " << int(NumberKind::Amount) << int(TypedState::Empty) << 0.0;
        QTest::newRow("spending inf") << "inf" << int(NumberKind::Amount) << no << 0.0;
        QTest::newRow("inflation comma") << "2,5 %" << int(NumberKind::Percentage) << number << 2.5;
        QTest::newRow("inflation dot") << "2.5" << int(NumberKind::Percentage) << number << 2.5;
        QTest::newRow("paths grouped") << "10.000" << int(NumberKind::Count) << number << 10000.0;
        QTest::newRow("paths with decimals") << "10,5" << int(NumberKind::Count) << no << 0.0;
        QTest::newRow("paths beyond doubles") << QString(400, QLatin1Char('9')) << int(NumberKind::Count) << no << 0.0;
    }

    void typedField()
    {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(int, state);
        QFETCH(double, value);
        const TypedNumber read = ReadTypedNumber(typed, NumberKind(kind));
        QCOMPARE(int(read.state), state);
        if (read.ok())
            QCOMPARE(read.value, value);
    }
};

QTEST_GUILESS_MAIN(DutchFormatTest)
#include "tst_dutch_format.moc"
