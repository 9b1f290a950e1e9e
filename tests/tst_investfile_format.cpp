// The investment text without a window: the terminator search, splitting a text into
// fields, reading a file (encodings, line ends, size), the cell rules of loading and the
// projection of a loaded portfolio.

#include "TestFiles.h"

#include "grid/ColumnCatalogue.h"
#include "io/InvestFormat.h"
#include "io/InvestTextReader.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"

#include <QDir>
#include <QFile>
#include <QTextCodec>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

using namespace testsupport;

namespace {

const QString NotFound = QStringLiteral("<not found>");
const QString Leveraged = QStringLiteral("Onderpand met hefboom");

} // namespace

class InvestFileFormatTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void terminatorSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("fields then alternation on the final ';'")
            << "a;b;" << QStringList { "a", "b", NotFound, "", NotFound, "" };
        QTest::newRow("no final ';': fails for good") << "a;b" << QStringList { "a", NotFound, NotFound, NotFound };
        QTest::newRow("empty text") << "" << QStringList { NotFound, NotFound, NotFound };
        QTest::newRow("a lone ';'") << ";" << QStringList { "", NotFound, "", NotFound, "" };
        QTest::newRow("no ';' at all") << "abc" << QStringList { NotFound, NotFound };
        QTest::newRow("empty fields in between") << "a;;b;c" << QStringList { "a", "", "b", NotFound, NotFound };
        QTest::newRow("line break inside a field") << "x\ny;z;" << QStringList { "x\ny", "z", NotFound, "" };
    }

    void terminatorSearch()
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

    // The fields of a whole text: kind and generator fields (NotFound: not in the text), the
    // cells of row 0 and the Type text of the other rows; every other cell is empty.
    void parseFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("generator");
        QTest::addColumn<QStringList>("row0");
        QTest::addColumn<QString>("otherTypes");
        const QString cash = QStringLiteral("Cash voor cashflow");
        QStringList none;
        for (int k = 0; k < GeneratorFieldCount; ++k)
            none << NotFound;
        // Without a final ';' the search fails from the third generator field on.
        QTest::newRow("too few fields, no final ';'")
            << "Cash voor cashflow;g1;g2" << cash << (QStringList { "g1" } + none.mid(1)) << QStringList() << QString();
        // With it, every second field after the last complete one is found empty.
        QTest::newRow("too few fields, final ';'")
            << "Cash voor cashflow;g1;g2;" << cash
            << QStringList { "g1", "g2", NotFound, "", NotFound, "", NotFound, "", NotFound, "" } << QStringList()
            << QString();
        QTest::newRow("empty text") << "" << NotFound << none << QStringList() << QString();
        const QStringList saving { "Maandelijks sparen", "2020", "1000", "250" };
        QTest::newRow("extra fields and trailing text ignored")
            << investFileText(cash, { "1", "2" }, { saving }) + QStringLiteral("extra;more;tail without end") << cash
            << QStringList { "1", "2", "", "", "", "", "", "", "", "" } << saving << Leveraged;
    }

    void parseFields()
    {
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QFETCH(QStringList, generator);
        QFETCH(QStringList, row0);
        QFETCH(QString, otherTypes);
        const InvestFields fields = ParseInvestFields(text);
        QCOMPARE(fields.hasKind ? fields.kind : NotFound, kind);
        for (int k = 0; k < GeneratorFieldCount; ++k)
            QCOMPARE(fields.hasGenerator[k] ? fields.generator[k] : NotFound, generator.at(k));
        QCOMPARE(fields.cells.size(), MaxRows * FieldCount);
        for (int r = 0; r < MaxRows; ++r) {
            for (int c = 0; c < FieldCount; ++c)
                QCOMPARE(fields.cell(r, c), r == 0 ? row0.value(c) : c == 0 ? otherTypes : QString());
        }
    }

    // The recognition rule: a text is an investment file when one of its fields, trimmed of
    // blanks, line breaks and a leading byte-order mark, is a type name.
    void recognition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<int>("fields");
        const QString bom(QChar(0xfeff));
        QTest::newRow("a letter") << "Beste Jan; hierbij de offerte." << false << 1;
        QTest::newRow("a CSV line") << "jaar;cash;waarde;\n2020;1;2;\n" << false << 6;
        QTest::newRow("no terminator") << "Maandelijks sparen" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("terminators only") << ";;;;" << false << 4;
        QTest::newRow("a name in other case") << "maandelijks sparen;2020;" << false << 2;
        QTest::newRow("a name inside a longer field") << "Maandelijks sparen plan;" << false << 1;
        QTest::newRow("a name after the last terminator") << "a;Compounded interest" << false << 1;
        QTest::newRow("a generator kind") << "Cash voor cashflow;2021;" << true << 2;
        QTest::newRow("a type deep in the grid") << ";;;;;;;;;;;;Compounded interest;;" << true << 14;
        QTest::newRow("blanks and line breaks around") << " \r\n\tOnderpand zonder hefboom \n;" << true << 1;
        QTest::newRow("a byte-order mark in front") << bom + "Onderpand met hefboom;" << true << 1;
        QTest::newRow("a saved empty window") << investFileText(QStringLiteral("Onderpand met hefboom"), {}, {}) << true
                                              << InvestFieldCount;
    }

    void recognition()
    {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(int, fields);
        const InvestTextCheck check = CheckInvestText(text);
        QCOMPARE(check.hasTypeName, taken);
        QCOMPARE(check.fields, fields);
        QCOMPARE(IsInvestText(text), taken);

        // A refused file leaves the text it was to fill alone and names itself.
        const QString path = m_dir.filePath(QStringLiteral("brief.txt"));
        QVERIFY(writeBytes(path, text.toUtf8()));
        QString read = QStringLiteral("kept");
        QString error;
        QCOMPARE(ReadInvestTextFile(path, &read, &error), taken);
        if (!taken) {
            QCOMPARE(read, QStringLiteral("kept"));
            QCOMPARE(error, NotInvestFileText(QStringLiteral("brief.txt")));
        }
    }

    // Every investment file the project holds is still taken.
    void corpusIsTaken()
    {
        const QDir corpus(QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus"));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &name : files) {
            QString text;
            QString error;
            QVERIFY2(ReadInvestTextFile(corpus.filePath(name), &text, &error), qPrintable(name + ": " + error));
        }
    }

    void readFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString content = QStringLiteral("Maandelijks sparen;\u00e9t\u00e9;2020;");
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xef\xbb\xbf") + content.toUtf8() << content;
        QByteArray le("\xff\xfe");
        QByteArray be("\xfe\xff");
        for (const QChar ch : content) {
            const ushort u = ch.unicode();
            le.append(char(u & 0xff)).append(char(u >> 8));
            be.append(char(u >> 8)).append(char(u & 0xff));
        }
        QTest::newRow("UTF-16 little endian") << le << content;
        QTest::newRow("UTF-16 big endian") << be << content;
        QTest::newRow("CR LF read as LF") << QByteArray("Cash voor cashflow;first\r\nsecond;3;\r\n")
                                          << "Cash voor cashflow;first\nsecond;3;\n";
        // The limit counts bytes as they are in the file, CRs included.
        const QByteArray type("Maandelijks sparen;");
        QTest::newRow("CR bytes up to the limit") << QByteArray(MaxInvestFileBytes - type.size(), '\r') + type
                                                  << QString::fromLatin1(type);
    }

    void readFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString path = m_dir.filePath(QStringLiteral("read.inv"));
        QVERIFY(writeBytes(path, bytes));
        QString read = QStringLiteral("before");
        QString error;
        QVERIFY2(ReadInvestTextFile(path, &read, &error), qPrintable(error));
        QCOMPARE(read, text);
    }

    // What a save and a read keep of texts that UTF-8 has trouble with: a leading U+FEFF is
    // kept (a byte-order mark goes in front of it), half a surrogate pair becomes '?'.
    void savedAndReadBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const QString bom(QChar(0xfeff));
        QTest::newRow("leading U+FEFF") << bom + "Cash;x;" << bom + "Cash;x;";
        QTest::newRow("two leading U+FEFF") << bom + bom + ";" << bom + bom + ";";
        QTest::newRow("U+FEFF inside") << "a;" + bom + ";" << "a;" + bom + ";";
        QTest::newRow("lone high surrogate") << QString("a") + QChar(0xd800) + "b;" << "a?b;";
        QTest::newRow("lone low surrogate first") << QString(QChar(0xdc00)) + ";" << "?;";
        QTest::newRow("surrogate pair") << QString("\U0001F600;") << QString("\U0001F600;");
    }

    void savedAndReadBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QTextCodec *locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        const QString path = m_dir.filePath(QStringLiteral("saved.inv"));
        QString error;
        // A type name at the end makes each text one the reader takes.
        const QString type = QStringLiteral("Compounded interest;");
        const bool saved = SaveTextFile(path, text + type, &error);
        QString back;
        const bool opened = ReadInvestTextFile(path, &back, &error);
        QTextCodec::setCodecForLocale(locale);
        QVERIFY2(saved && opened, qPrintable(error));
        QCOMPARE(back, read + type);
    }

    // A save removes the temporary copies an interrupted save of the same file left behind,
    // and nothing else; it keeps the mode of the file it replaces.
    void saveRemovesStaleCopies()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList stale { ".plan.inv.qvtmp-AbC123", ".plan.inv.qvtmp-000000" };
        const QStringList kept { "plan.inv.backup", ".plan.inv.qvtmp-AbC12", ".plan.inv.qvtmp-AbC1234",
            ".ander.inv.qvtmp-AbC123", "plan.inv.AbC123" };
        for (const QString &name : stale + kept)
            QVERIFY(writeBytes(dir.filePath(name), "Maandelijks sparen;"));
        const QString plan = dir.filePath(QStringLiteral("plan.inv"));
        QVERIFY(writeBytes(plan, "oud"));
        QVERIFY(QFile::setPermissions(plan, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QString error;
        QVERIFY2(SaveTextFile(plan, QStringLiteral("Maandelijks sparen;2020;"), &error), qPrintable(error));
        QCOMPARE(readBytes(plan), QByteArray("Maandelijks sparen;2020;"));
        const QFileDevice::Permissions user = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        QCOMPARE(QFile::permissions(plan) & ~user, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QStringList expected = kept;
        expected << "plan.inv";
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        QVERIFY(WriteErrorText(ENOSPC).contains(QStringLiteral("schijf is vol")));
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.inv")) << QString();
        QTest::newRow("a directory") << m_dir.path() << QString();
        QTest::newRow("endless device") << "/dev/zero" << "too large";
        QTest::newRow("CR bytes beyond the limit") << "<CRs>" << "too large";
    }

    void unreadableFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (path == QLatin1String("<CRs>")) {
            path = m_dir.filePath(QStringLiteral("crs.inv"));
            QVERIFY(writeBytes(path, QByteArray(MaxInvestFileBytes + 1, '\r')));
        }
        if (!QFile::exists(path) && path.startsWith(QLatin1String("/dev/")))
            QSKIP("no such device here");
        QString text = QStringLiteral("kept");
        QString error;
        QVERIFY(!ReadInvestTextFile(path, &text, &error));
        QCOMPARE(text, QStringLiteral("kept"));
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void loadedCellValue_data()
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

    void loadedCellValue()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(LoadedCellValue(column, text), expected);
    }

    void loadAppliesTypeRules()
    {
        QStringList allFilled { "Cash voor cashflow" };
        for (int c = 1; c < FieldCount; ++c)
            allFilled << QString::number(c == 1 ? 2020 : c * 10);
        QStringList unknown = allFilled;
        unknown[0] = QStringLiteral("cash voor cashflow"); // case matters
        InvestmentStore store;
        LoadPortfolioText(investFileText(Leveraged, {}, { allFilled, unknown }), store);
        // Row 0: "Cash voor cashflow" uses columns 1 2 3 4 6 15; row 1: an unknown name counts
        // as "Onderpand met hefboom", columns 1 6 7 8 9 11 12 13. The rest is emptied.
        QCOMPARE(store.rowType(0), int(CashForCashflow));
        QCOMPARE(store.input(0).field[ColType], double(CashForCashflow));
        QCOMPARE(store.rowType(1), int(LeveragedProperty));
        for (int c = 1; c < FieldCount; ++c) {
            const double value = c == 1 ? 2020.0 : c * 10.0;
            const bool cashUses = c <= 4 || c == 6 || c == 15;
            const bool leveragedUses = c == 1 || (c >= 6 && c <= 9) || (c >= 11 && c <= 13);
            QCOMPARE(store.input(0).field[c], cashUses ? value : -1.0);
            QCOMPARE(store.input(1).field[c], leveragedUses ? value : -1.0);
        }
        QVERIFY(store.block(0).projected);
        QVERIFY(store.block(1).projected);
        // Untouched rows are incomplete "Onderpand met hefboom" rows.
        QCOMPARE(store.rowType(5), int(LeveragedProperty));
        QVERIFY(!store.block(5).projected);
    }

    // Saving without interest: cash = A + 12 × M × d. Row 1 starts earlier and moves the base
    // year to 2018 after row 0 has been accepted, unless it lies beyond the limit; row 2's year
    // is refused. Only the years within the limit are projected.
    void loadProjects_data()
    {
        QTest::addColumn<int>("investments");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("baseYear");
        QTest::newRow("no limits") << 30 << 31 << 2018;
        QTest::newRow("one investment, three years") << 1 << 3 << 2020;
    }

    void loadProjects()
    {
        QFETCH(int, investments);
        QFETCH(int, years);
        QFETCH(int, baseYear);
        InvestmentStore store;
        store.setMaxInvestment(investments);
        store.setMaxJaren(years);
        LoadPortfolioText(investFileText(Leveraged, {},
                              { { "Maandelijks sparen", "2020", "1000", "250" },
                                  { "Maandelijks sparen", "2018", "500", "100" },
                                  { "Maandelijks sparen", "1800", "1", "1" } }),
            store);
        QCOMPARE(store.maxInvestment(), investments);
        QCOMPARE(store.maxJaren(), years);
        QCOMPARE(store.earliestStartYear(), baseYear);
        QVERIFY(!store.block(2).projected);
        QCOMPARE(store.input(2).field[ColStartYear], -1.0);
        for (int y = 0; y < MaxYears; ++y) {
            const int year = baseYear + y;
            const double *row0 = store.block(0).years[y].series;
            QCOMPARE(row0[SerStartYear], year < 2020 || y >= years ? 0.0 : 2020.0);
            QCOMPARE(row0[SerCash], year < 2020 || y >= years ? 0.0 : 1000.0 + 12 * 250.0 * (year - 2020));
            if (investments > 1) {
                const double *row1 = store.block(1).years[y].series;
                QCOMPARE(row1[SerCash], 500.0 + 12 * 100.0 * y);
                QCOMPARE(row1[SerAssets], row1[SerCash]);
            }
        }
    }
};

QTEST_GUILESS_MAIN(InvestFileFormatTest)
#include "tst_investfile_format.moc"
