// Typed numbers the Dutch way: what the normaliser makes of them per kind of field.

#include "grid/NumberEntry.h"

#include <QtTest>

Q_DECLARE_METATYPE(NumberKind)

class NumberEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void normalised_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<NumberKind>("kind");
        QTest::addColumn<QString>("stored");
        const auto amount = NumberKind::Amount;
        const auto percent = NumberKind::Percentage;
        const auto year = NumberKind::Year;
        const auto term = NumberKind::Term;
        // Amounts: dots grouping digits in threes are thousands separators.
        QTest::newRow("amount grouped") << "250.000" << amount << "250000";
        QTest::newRow("amount grouped twice") << "1.250.000" << amount << "1250000";
        QTest::newRow("amount rent") << "1.150" << amount << "1150";
        QTest::newRow("amount grouped with decimal comma") << "1.250,50" << amount << "1250.5";
        QTest::newRow("amount euro sign and blank") << "\u20ac 180.000" << amount << "180000";
        QTest::newRow("amount non-breaking blanks") << "1\u00a0250\u00a0000" << amount << "1250000";
        QTest::newRow("amount whole euros") << "\u20ac 250.000,-" << amount << "250000";
        QTest::newRow("amount negative grouped") << "-1.000" << amount << "-1000";
        // Three decimals behind a comma must not come back as a thousands group.
        QTest::newRow("amount three decimals") << "1,234" << amount << "1.2340";
        QTest::newRow("amount negative three decimals") << "-00,511" << amount << "-00.5110";
        QTest::newRow("amount decimal comma") << "0,75" << amount << "0.75";
        QTest::newRow("amount plain decimal stays") << "1.5" << amount << "1.5";
        QTest::newRow("amount four digits after dot stays") << "1.2500" << amount << "1.2500";
        QTest::newRow("amount exponent stays") << "2e3" << amount << "2e3";
        QTest::newRow("amount plain stays") << "200000" << amount << "200000";
        QTest::newRow("amount wrong grouping is no number") << "1.25.000" << amount << "1.25.000";
        QTest::newRow("amount word stays as typed") << "abc" << amount << "abc";
        QTest::newRow("amount empty stays empty") << "" << amount << "";
        // Percentages: a single dot stays a decimal point.
        QTest::newRow("percent decimal comma") << "3,5" << percent << "3.5";
        QTest::newRow("percent sign") << "3,5 %" << percent << "3.5";
        QTest::newRow("percent trailing zero") << "4,20" << percent << "4.2";
        QTest::newRow("percent dot stays") << "3.5" << percent << "3.5";
        QTest::newRow("percent three decimals stay") << "3.500" << percent << "3.500";
        QTest::newRow("percent negative comma") << "-0,5" << percent << "-0.5";
        QTest::newRow("percent two commas stay") << "3,5,1" << percent << "3,5,1";
        QTest::newRow("percent euro sign and comma") << "\u20ac3,5%" << percent << "3.5";
        // Years and terms read a dot as a decimal point too.
        QTest::newRow("year plain") << "2020" << year << "2020";
        QTest::newRow("year dot is no grouping") << "2.020" << year << "2.020";
        QTest::newRow("year with comma") << "2020,0" << year << "2020";
        QTest::newRow("term comma") << "2,5" << term << "2.5";
        QTest::newRow("not a number field") << "3,5" << NumberKind::None << "3,5";
    }

    void normalised()
    {
        QFETCH(QString, typed);
        QFETCH(NumberKind, kind);
        QFETCH(QString, stored);
        QCOMPARE(NormalisedNumberText(typed, kind), stored);
        // Normalising twice changes nothing more.
        QCOMPARE(NormalisedNumberText(stored, kind), stored);
    }

    void fieldKinds()
    {
        // The same generator field is an amount for property and a term for money lent out.
        QCOMPARE(GeneratorFieldKind(0, 3), NumberKind::Amount);
        QCOMPARE(GeneratorFieldKind(2, 3), NumberKind::Term);
        QCOMPARE(GeneratorFieldKind(2, 4), NumberKind::Amount);
        QCOMPARE(InputColumnKind(6), NumberKind::Amount); // "Kostprijs"
        QCOMPARE(InputColumnKind(9), NumberKind::Percentage); // "Waardestijging/j(%)"
        QCOMPARE(InputColumnKind(5), NumberKind::None); // a separator
    }
};

QTEST_GUILESS_MAIN(NumberEntryTest)
#include "tst_number_entry.moc"
