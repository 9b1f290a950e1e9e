// The investment text without a window: the terminator search, splitting a text into
// fields, writing fields back, reading a file (encodings, line ends, size), the cell rules
// of loading and the projection of a loaded portfolio.

#include "grid/ColumnCatalogue.h"
#include "io/InvestFormat.h"
#include "io/InvestTextReader.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const QString NotFound = QStringLiteral("<not found>");
const QString Leveraged = QStringLiteral("Onderpand met hefboom");

// One grid row of 16 fields, each followed by ';'.
QString rowText(const QStringList &cells)
{
    QString text;
    for (int c = 0; c < FieldCount; ++c)
        text += (c < cells.size() ? cells.at(c) : QString()) + QLatin1Char(';');
    return text;
}

// A complete text: kind, ten generator fields, then the given rows and untouched rows.
QString fileText(const QString &kind, const QStringList &generator, const QVector<QStringList> &rows)
{
    QString text = kind + QLatin1Char(';');
    for (int k = 0; k < GeneratorFieldCount; ++k)
        text += (k < generator.size() ? generator.at(k) : QString()) + QLatin1Char(';');
    for (int r = 0; r < MaxRows; ++r)
        text += rowText(r < rows.size() ? rows.at(r) : QStringList { Leveraged });
    return text;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace

class InvestFileFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void terminatorSearch_data();
    void terminatorSearch();
    void fieldsRunningOut_data();
    void fieldsRunningOut();
    void extraFieldsAndTrailingTextIgnored();
    void emptyTextLeavesEverythingEmpty();
    void writtenTextHasAllTerminators();
    void semicolonWrittenAsComma();
    void writeParseRoundTrip();
    void readsCrLfAsLf();
    void byteOrderMarks_data();
    void byteOrderMarks();
    void unreadableFiles();
    void endlessDeviceRefused();
    void loadedCellValue_data();
    void loadedCellValue();
    void loadAppliesTypeRules();
    void loadProjectsAgainstEarliestYear();
    void loadHonoursLimits();
};

void InvestFileFormatTest::terminatorSearch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("fields then alternation on the final ';'")
        << "a;b;" << QStringList { "a", "b", NotFound, "", NotFound, "" };
    QTest::newRow("no final ';': fails for good")
        << "a;b" << QStringList { "a", NotFound, NotFound, NotFound };
    QTest::newRow("empty text") << "" << QStringList { NotFound, NotFound, NotFound };
    QTest::newRow("a lone ';'") << ";" << QStringList { "", NotFound, "", NotFound, "" };
    QTest::newRow("no ';' at all") << "abc" << QStringList { NotFound, NotFound };
    QTest::newRow("empty fields in between")
        << "a;;b;c" << QStringList { "a", "", "b", NotFound, NotFound };
    QTest::newRow("line break inside a field") << "x\ny;z;" << QStringList { "x\ny", "z", NotFound, "" };
}

void InvestFileFormatTest::terminatorSearch()
{
    QFETCH(QString, text);
    QFETCH(QStringList, results);
    InvestTextReader reader(text);
    for (int i = 0; i < results.size(); ++i) {
        QString field = QStringLiteral("<untouched>");
        const bool found = reader.next(&field);
        QCOMPARE(found ? field : NotFound, results.at(i));
        if (!found) {
            QCOMPARE(field, QStringLiteral("<untouched>"));
            QCOMPARE(reader.searchFrom(), -1);
        }
    }
}

void InvestFileFormatTest::fieldsRunningOut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("generator"); // NotFound: the field is left alone

    // Without a final ';' the search fails from the third generator field on.
    QTest::newRow("without final terminator") << "Cash voor cashflow;g1;g2"
                                              << QStringList { "g1", NotFound, NotFound, NotFound, NotFound,
                                                     NotFound, NotFound, NotFound, NotFound, NotFound };
    // With it, every second field after the last complete one is found empty.
    QTest::newRow("with final terminator") << "Cash voor cashflow;g1;g2;"
                                           << QStringList { "g1", "g2", NotFound, "", NotFound, "", NotFound, "",
                                                  NotFound, "" };
}

void InvestFileFormatTest::fieldsRunningOut()
{
    QFETCH(QString, text);
    QFETCH(QStringList, generator);
    const InvestFields fields = ParseInvestFields(text);
    QVERIFY(fields.hasKind);
    QCOMPARE(fields.kind, QStringLiteral("Cash voor cashflow"));
    for (int k = 0; k < GeneratorFieldCount; ++k)
        QCOMPARE(fields.hasGenerator[k] ? fields.generator[k] : NotFound, generator.at(k));
    QCOMPARE(fields.cells.size(), MaxRows * FieldCount);
    for (const QString &cell : fields.cells)
        QVERIFY(cell.isEmpty()); // the Type cells too
}

void InvestFileFormatTest::extraFieldsAndTrailingTextIgnored()
{
    const QString complete = fileText(QStringLiteral("Cash voor cashflow"), { "1", "2" },
        { { "Maandelijks sparen", "2020", "1000", "250" } });
    const InvestFields fields = ParseInvestFields(complete + QStringLiteral("extra;more;tail without end"));
    QCOMPARE(fields.cell(0, 0), QStringLiteral("Maandelijks sparen"));
    QCOMPARE(fields.cell(0, 3), QStringLiteral("250"));
    QCOMPARE(fields.cell(MaxRows - 1, 0), Leveraged);
    QCOMPARE(fields.cell(MaxRows - 1, FieldCount - 1), QString());
    QCOMPARE(fields.cells, ParseInvestFields(complete).cells);
}

void InvestFileFormatTest::emptyTextLeavesEverythingEmpty()
{
    const InvestFields fields = ParseInvestFields(QString());
    QVERIFY(!fields.hasKind);
    for (bool has : fields.hasGenerator)
        QVERIFY(!has);
    for (const QString &cell : fields.cells)
        QVERIFY(cell.isEmpty());
}

void InvestFileFormatTest::writtenTextHasAllTerminators()
{
    InvestFields fields(MaxRows, FieldCount);
    fields.kind = QStringLiteral("Onderpand met hefboom");
    const QString text = InvestTextFromFields(fields);
    QCOMPARE(text.count(QLatin1Char(';')), 491);
    QVERIFY(text.endsWith(QLatin1Char(';')));
    QCOMPARE(text, QStringLiteral("Onderpand met hefboom") + QString(491, QLatin1Char(';')));
}

void InvestFileFormatTest::semicolonWrittenAsComma()
{
    InvestFields fields(MaxRows, FieldCount);
    fields.kind = QStringLiteral("Cash voor cashflow");
    fields.generator[0] = QStringLiteral("a;b");
    fields.setCell(0, 6, QStringLiteral("2;5"));
    fields.setCell(0, 7, QStringLiteral("7"));
    const QString text = InvestTextFromFields(fields);
    QCOMPARE(text.count(QLatin1Char(';')), InvestFieldCount);
    const InvestFields back = ParseInvestFields(text);
    QCOMPARE(back.generator[0], QStringLiteral("a,b"));
    QCOMPARE(back.generator[1], QString());
    QCOMPARE(back.cell(0, 6), QStringLiteral("2,5"));
    QCOMPARE(back.cell(0, 7), QStringLiteral("7")); // nothing after it has shifted
    QCOMPARE(LoadedCellValue(6, QStringLiteral("2;5")), LoadedCellValue(6, back.cell(0, 6)));
}

void InvestFileFormatTest::writeParseRoundTrip()
{
    InvestFields fields(MaxRows, FieldCount);
    fields.kind = QStringLiteral("Onderpand zonder hefboom");
    for (int k = 0; k < GeneratorFieldCount; ++k)
        fields.generator[k] = QStringLiteral("line %1\nsecond line %1").arg(k);
    for (int r = 0; r < MaxRows; ++r) {
        for (int c = 0; c < FieldCount; ++c)
            fields.setCell(r, c, QStringLiteral("r%1c%2 \u00e9\u20ac").arg(r).arg(c));
    }
    const InvestFields back = ParseInvestFields(InvestTextFromFields(fields));
    QVERIFY(back.hasKind);
    QCOMPARE(back.kind, fields.kind);
    for (int k = 0; k < GeneratorFieldCount; ++k)
        QCOMPARE(back.generator[k], fields.generator[k]);
    QCOMPARE(back.cells, fields.cells);
}

void InvestFileFormatTest::readsCrLfAsLf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeFile(dir, QStringLiteral("crlf.inv"), "Cash voor cashflow;first\r\nsecond;3;\r\n");
    QString text = QStringLiteral("before");
    QString error;
    QVERIFY2(ReadInvestTextFile(path, &text, &error), qPrintable(error));
    QCOMPARE(text, QStringLiteral("Cash voor cashflow;first\nsecond;3;\n"));
}

void InvestFileFormatTest::byteOrderMarks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString content = QStringLiteral("Maandelijks sparen;\u00e9t\u00e9;2020;");
    QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbf") + content.toUtf8();
    QByteArray le("\xff\xfe");
    QByteArray be("\xfe\xff");
    for (const QChar ch : content) {
        const ushort u = ch.unicode();
        le.append(char(u & 0xff)).append(char(u >> 8));
        be.append(char(u >> 8)).append(char(u & 0xff));
    }
    QTest::newRow("UTF-16 little endian") << le;
    QTest::newRow("UTF-16 big endian") << be;
}

void InvestFileFormatTest::byteOrderMarks()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writeFile(dir, QStringLiteral("bom.inv"), bytes);
    QString text;
    QString error;
    QVERIFY2(ReadInvestTextFile(path, &text, &error), qPrintable(error));
    QCOMPARE(text, QStringLiteral("Maandelijks sparen;\u00e9t\u00e9;2020;"));
    QCOMPARE(ParseInvestFields(text).kind, QStringLiteral("Maandelijks sparen"));
}

void InvestFileFormatTest::unreadableFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &path : { dir.filePath(QStringLiteral("missing.inv")), dir.path() }) {
        QString text = QStringLiteral("kept");
        QString error;
        QVERIFY(!ReadInvestTextFile(path, &text, &error));
        QCOMPARE(text, QStringLiteral("kept"));
        QVERIFY(!error.isEmpty());
    }
}

void InvestFileFormatTest::endlessDeviceRefused()
{
    if (!QFile::exists(QStringLiteral("/dev/zero")))
        QSKIP("no /dev/zero here");
    QString text = QStringLiteral("kept");
    QString error;
    QVERIFY(!ReadInvestTextFile(QStringLiteral("/dev/zero"), &text, &error));
    QCOMPARE(text, QStringLiteral("kept"));
    QVERIFY(error.contains(QStringLiteral("too large")));
}

void InvestFileFormatTest::loadedCellValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("year") << 1 << "2020" << 2020.0;
    QTest::newRow("first valid year") << 1 << "1920" << 1920.0;
    QTest::newRow("last valid year") << 1 << "2100" << 2100.0;
    QTest::newRow("year too early") << 1 << "1919" << -1.0;
    QTest::newRow("year too late") << 1 << "2100.5" << -1.0;
    QTest::newRow("year in words") << 1 << "twintig" << -1.0;
    QTest::newRow("year not a number") << 1 << "nan" << -1.0;
    QTest::newRow("year infinite") << 1 << "inf" << -1.0;
    QTest::newRow("year empty") << 1 << "" << -1.0;
    QTest::newRow("year -1 is empty") << 1 << "-1" << -1.0;
    QTest::newRow("number") << 6 << "200000" << 200000.0;
    QTest::newRow("decimal point") << 12 << "2.5" << 2.5;
    QTest::newRow("decimal comma") << 12 << "2,5" << 0.0;
    QTest::newRow("letters") << 7 << "abc" << 0.0;
    QTest::newRow("empty") << 7 << "" << -1.0;
    QTest::newRow("-1 is empty") << 7 << "-1" << -1.0;
    QTest::newRow("exponent") << 15 << "1e3" << 1000.0;
}

void InvestFileFormatTest::loadedCellValue()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(LoadedCellValue(column, text), expected);
}

void InvestFileFormatTest::loadAppliesTypeRules()
{
    QStringList allFilled { "Cash voor cashflow" };
    for (int c = 1; c < FieldCount; ++c)
        allFilled << QString::number(c == 1 ? 2020 : c * 10);
    QStringList unknown = allFilled;
    unknown[0] = QStringLiteral("cash voor cashflow"); // case matters
    const QString text = fileText(Leveraged, {}, { allFilled, unknown });

    InvestmentStore store;
    LoadPortfolioText(text, store);
    // Row 0: "Cash voor cashflow" uses columns 1 2 3 4 6 15; the rest is emptied.
    QCOMPARE(store.rowType(0), int(CashForCashflow));
    QCOMPARE(store.input(0).field[ColType], double(CashForCashflow));
    for (int c = 1; c < FieldCount; ++c) {
        const bool applies = c <= 4 || c == 6 || c == 15;
        QCOMPARE(store.input(0).field[c], applies ? (c == 1 ? 2020.0 : c * 10.0) : -1.0);
    }
    // Row 1: an unknown name counts as "Onderpand met hefboom": columns 1 6 7 8 9 11 12 13.
    QCOMPARE(store.rowType(1), int(LeveragedProperty));
    for (int c = 1; c < FieldCount; ++c) {
        const bool applies = c == 1 || (c >= 6 && c <= 9) || (c >= 11 && c <= 13);
        QCOMPARE(store.input(1).field[c], applies ? (c == 1 ? 2020.0 : c * 10.0) : -1.0);
    }
    QVERIFY(store.block(0).projected);
    QVERIFY(store.block(1).projected);
    // Untouched rows are incomplete "Onderpand met hefboom" rows.
    QCOMPARE(store.rowType(5), int(LeveragedProperty));
    QVERIFY(!store.block(5).projected);
}

void InvestFileFormatTest::loadProjectsAgainstEarliestYear()
{
    // Saving without interest: cash = A + 12 × M × d. Row 1 starts earlier and moves the
    // base year to 2018 after row 0 has been accepted; row 2's year is refused.
    const QString text = fileText(Leveraged, {},
        { { "Maandelijks sparen", "2020", "1000", "250" }, { "Maandelijks sparen", "2018", "500", "100" },
            { "Maandelijks sparen", "1800", "1", "1" } });
    InvestmentStore store;
    LoadPortfolioText(text, store);
    QCOMPARE(store.earliestStartYear(), 2018);
    QVERIFY(!store.block(2).projected);
    QCOMPARE(store.input(2).field[ColStartYear], -1.0);
    for (int y = 0; y < MaxYears; ++y) {
        const int year = 2018 + y;
        const double *row0 = store.block(0).years[y].series;
        const double *row1 = store.block(1).years[y].series;
        if (year < 2020) {
            QCOMPARE(row0[SerStartYear], 0.0);
            QCOMPARE(row0[SerCash], 0.0);
        } else {
            QCOMPARE(row0[SerStartYear], 2020.0);
            QCOMPARE(row0[SerCash], 1000.0 + 12 * 250.0 * (year - 2020));
        }
        QCOMPARE(row1[SerCash], 500.0 + 12 * 100.0 * y);
        QCOMPARE(row1[SerAssets], row1[SerCash]);
    }
}

void InvestFileFormatTest::loadHonoursLimits()
{
    const QString text = fileText(Leveraged, {},
        { { "Maandelijks sparen", "2020", "1000", "250" }, { "Maandelijks sparen", "2018", "500", "100" } });
    InvestmentStore store;
    store.setMaxInvestment(1);
    store.setMaxJaren(3);
    LoadPortfolioText(text, store);
    QCOMPARE(store.maxInvestment(), 1);
    QCOMPARE(store.maxJaren(), 3);
    QCOMPARE(store.earliestStartYear(), 2020); // row 1 is beyond the limit
    QCOMPARE(store.block(0).years[2].series[SerCash], 1000.0 + 12 * 250.0 * 2);
    QCOMPARE(store.block(0).years[3].series[SerCash], 0.0); // only three years projected
}

QTEST_GUILESS_MAIN(InvestFileFormatTest)
#include "tst_investfile_format.moc"
