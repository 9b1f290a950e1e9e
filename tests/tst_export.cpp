// The CSV of a projection: the number format, the command-line exporter's contract
// (headers, lines, limits, exit codes, messages), and that the exporter, the window's
// "Export CSV..." and the window's own numbers agree for the same files.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "grid/ColumnCatalogue.h"
#include "io/CsvExport.h"
#include "io/SheetExport.h"
#include "model/PathSimulation.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

using namespace testsupport;

namespace {

const QString RowsHeader = QStringLiteral("row,type,year,start_year,cash,property_value,assets,own_contribution,debt,"
                                          "monthly_income,monthly_costs,monthly_cash_flow,roi");
const QString TotalsHeader = QStringLiteral("year,cash,property_value,assets,own_contribution,debt,monthly_income,"
                                            "monthly_costs,monthly_cash_flow,net_worth");
const QString Leveraged = QStringLiteral("Onderpand met hefboom");

struct Run
{
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
};

const QString Exporter = QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export");

Run finish(QProcess &process)
{
    Run run;
    run.finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

Run exportCsv(const QStringList &args)
{
    QProcess process;
    process.start(Exporter, args);
    return finish(process);
}

// Runs the exporter from the shell in `dir`, with the output of `feed` (a shell command) on
// its standard input when given; the argument "<latin-1>" is the name "caf\351.inv", which
// is not valid UTF-8.
Run exportFromShell(const QString &dir, const QString &feed, const QStringList &args)
{
    QString script = feed.isEmpty() ? QStringLiteral("exec \"$0\"") : feed + QStringLiteral(" | \"$0\"");
    for (int i = 0; i < args.size(); ++i)
        script += args.at(i) == QLatin1String("<latin-1>") ? QStringLiteral(" \"$(printf 'caf\\351.inv')\"")
                                                           : QStringLiteral(" \"$%1\"").arg(i + 1);
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(QStringLiteral("/bin/sh"), QStringList { "-c", script, Exporter } + args);
    return finish(process);
}

// A file with the generator fields of the worked example and the given rows.
QString fileText(const QVector<QStringList> &rows)
{
    return investFileText(QStringLiteral("Cash voor cashflow"), { "2021", "10000", "500", "5", "20000", "6" }, rows);
}

QStringList lines(const QString &text)
{
    QStringList all = text.split(QLatin1Char('\n'));
    if (!all.isEmpty() && all.last().isEmpty())
        all.removeLast();
    return all;
}

// The numbers of one CSV line; empty when a field is not a number.
QVector<double> numbers(const QString &line)
{
    QVector<double> values;
    for (const QString &field : line.split(QLatin1Char(','))) {
        bool ok = false;
        const double v = field.toDouble(&ok);
        if (!ok)
            return {};
        values << v;
    }
    return values;
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// A line of the per-row CSV for (row counted from 1, year).
QString lineFor(const QString &csv, int row, int year)
{
    for (const QString &line : lines(csv)) {
        const QStringList f = line.split(QLatin1Char(','));
        if (f.size() == 13 && f.at(0) == QString::number(row) && f.at(2) == QString::number(year))
            return line;
    }
    return QString();
}

// Rows of every type, a base year that moves, refused years, words, commas, an unknown
// type name, cells that do not apply to their row, an incomplete row, a row far in the future.
QVector<QStringList> mixedRows()
{
    return {
        { "Onderpand met hefboom", "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" },
        { "Onderpand zonder hefboom", "2021", "9", "9", "9", "", "150000", "800", "2", "2", "", "70", "4", "30" },
        { "Cash voor cashflow", "2019", "10000", "0", "5", "", "10000", "1200", "", "", "", "", "", "", "", "6" },
        { "Maandelijks sparen", "2022", "1000", "100" },
        { "Compounded interest", "2018", "1000", "100", "10", "", "", "", "", "", "", "", "", "", "", "5" },
        { "Compounded interest", "2020", "1000", "100", "10", "", "5", "", "", "", "", "", "", "", "", "5" },
        { "Maandelijks sparen", "1800", "1000", "100" },
        { "Maandelijks sparen", "twintig", "1000", "100" },
        { "Huis", "2025", "", "", "", "", "90000", "2,5", "abc", "1", "", "60", "2.5", "15" },
        { "Onderpand zonder hefboom", "2023", "", "", "", "", "", "800", "2", "2" },
        { "Maandelijks sparen", "2100", "1", "1" },
        { "Onderpand met hefboom", "2017", "", "", "", "", "100000", "700", "0", "0", "", "0", "0", "0" },
        { "Onderpand zonder hefboom", "2024", "", "", "", "", "0", "100", "0", "0" },
        { "Onderpand zonder hefboom", "2024", "", "", "", "", "inf", "0", "0", "0" },
        { "Cash voor cashflow", "2020.5", "5000", "0", "0", "", "5000", "", "", "", "", "", "", "", "", "4" },
    };
}

// A field of the Dutch CSV (a decimal comma, no grouping or exponent) or a cell of the
// workbook (as Python writes a float) as a double, the words for what is no number.
std::optional<double> dutchNumber(const QString &field, bool workbook)
{
    if (field == QLatin1String("geen getal"))
        return std::numeric_limits<double>::quiet_NaN();
    if (field == QLatin1String("oneindig") || field == QLatin1String("-oneindig"))
        return field.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
    if (!workbook && (field.contains(QLatin1Char('.')) || field.contains(QLatin1Char('e'))))
        return std::nullopt;
    bool ok = false;
    const double value = workbook ? field.toDouble(&ok) : QString(field).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Whether the Dutch CSV's fields hold the plain CSV's values (type names for type indices) as
// the same doubles, or the workbook's cells them within 1e-9 relative.
bool sameFields(const QStringList &plain, const QStringList &dutch, int typeColumn, bool workbook, QString *why)
{
    if (plain.size() != dutch.size()) {
        *why = QStringLiteral("%1 fields, not %2").arg(dutch.size()).arg(plain.size());
        return false;
    }
    for (int k = 0; k < plain.size(); ++k) {
        if (k == typeColumn) {
            if (InvestmentTypeNames.indexOf(dutch.at(k)) != plain.at(k).toInt()) {
                *why = dutch.at(k);
                return false;
            }
            continue;
        }
        if (plain.at(k).isEmpty() && dutch.at(k).isEmpty())
            continue;
        const double want = plain.at(k).toDouble();
        const std::optional<double> got = dutchNumber(dutch.at(k), workbook);
        const bool close = got && (same(*got, want) || (workbook && std::abs(*got - want) <= 1e-9 * std::abs(want)));
        if (!close) {
            *why = QStringLiteral("column %1: %2 for %3").arg(k).arg(dutch.at(k), plain.at(k));
            return false;
        }
    }
    return true;
}

// Every sheet of an .xlsx as "\fname;freeze pane;number format of C2", the header with each
// column's width, then its rows, fields split by tabs; empty without Python's openpyxl.
const char *const WorkbookDump = R"(
import sys
import openpyxl
from openpyxl.utils import get_column_letter
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    rows = sheet.max_row # before C2 is looked at, which makes the cell
    print('\f%s;%s;%s' % (sheet.title, sheet.freeze_panes, sheet['C2'].number_format))
    print('\t'.join('%s=%s' % (c.value, sheet.column_dimensions[get_column_letter(c.column)].width) for c in sheet[1]))
    for row in sheet.iter_rows(min_row=2, max_row=rows, values_only=True):
        print('\t'.join('' if v is None else repr(float(v)) if isinstance(v, (int, float)) else str(v) for v in row))
)";

QString workbookDump(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), { "-c", QString::fromLatin1(WorkbookDump), path });
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return QString();
    return QString::fromUtf8(python.readAllStandardOutput());
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString &name, const QString &text)
    {
        const QString path = m_dir.filePath(name);
        return writeBytes(path, text.toUtf8()) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        initResources();
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFile::exists(QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export")), "build quorvant-export first");
    }

    // The window's spreadsheet exports write what the core writes for what the window shows.
    void windowSpreadsheets()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        MainWindow w;
        typeExampleRows(w, 3);
        const QString csv = dir.filePath(QStringLiteral("nl"));
        QCOMPARE(triggerWithFile(w, "actionExportCsvNl", csv), QStringList());
        const QByteArray bytes = readBytes(csv + QStringLiteral(".csv"));
        QVERIFY(bytes.startsWith("\xef\xbb\xbf"));
        QCOMPARE(bytes, ProjectionDutchCsvBytes(w.store(), false));
        const QString book = dir.filePath(QStringLiteral("werkmap.xlsx"));
        QCOMPARE(triggerWithFile(w, "actionExportXlsx", book), QStringList());
        QVERIFY(readBytes(book).startsWith("PK"));
    }

    void csvNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 2020.0 << "2020";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("negative") << -38648.5 << "-38648.5";
        QTest::newRow("0.1 in 17 digits") << 0.1 << "0.10000000000000001";
        QTest::newRow("one third") << 1.0 / 3.0 << "0.33333333333333331";
        QTest::newRow("million, no grouping") << 1234567.0 << "1234567";
        QTest::newRow("large") << 1e21 << "1e+21";
        QTest::newRow("small") << 1e-7 << "9.9999999999999995e-08";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "-inf";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "nan";
    }

    void csvNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // ',' decimals, '.' groups
        const QString written = CsvNumber(value);
        QLocale::setDefault(previous);
        QCOMPARE(written, text);
    }

    // Seventeen significant digits give back the very same double.
    void csvNumberReadsBack()
    {
        quint64 bits = 0x9e3779b97f4a7c15ULL;
        for (int i = 0; i < 20000; ++i) {
            bits ^= bits << 13;
            bits ^= bits >> 7;
            bits ^= bits << 17;
            double value;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
            bool ok = false;
            const double back = CsvNumber(value).toDouble(&ok);
            QVERIFY(ok);
            QVERIFY2(back == value, qPrintable(CsvNumber(value)));
        }
    }

    void savingPlanLines()
    {
        // Saving without interest: cash = assets = A + 12 × M × d, everything else 0.
        const QString path = file(QStringLiteral("saving.inv"),
            fileText({ { "Maandelijks sparen", "2020", "1000", "250" }, { Leveraged },
                { "Maandelijks sparen", "2021", "500", "100" } }));
        Run run = exportCsv({ "--years", "3", path });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, RowsHeader + QStringLiteral("\n"
                                                      "1,3,2020,2020,1000,0,1000,0,0,0,0,0,0\n"
                                                      "1,3,2021,2020,4000,0,4000,0,0,0,0,0,0\n"
                                                      "1,3,2022,2020,7000,0,7000,0,0,0,0,0,0\n"
                                                      "3,3,2020,0,0,0,0,0,0,0,0,0,0\n"
                                                      "3,3,2021,2021,500,0,500,0,0,0,0,0,0\n"
                                                      "3,3,2022,2021,1700,0,1700,0,0,0,0,0,0\n"));
        run = exportCsv({ "--totals", "--years", "3", path });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, TotalsHeader + QStringLiteral("\n"
                                                        "2020,1000,0,1000,0,0,0,0,0,1000\n"
                                                        "2021,4500,0,4500,0,0,0,0,0,4500\n"
                                                        "2022,8700,0,8700,0,0,0,0,0,8700\n"));
    }

    void leveragedPropertyFigures()
    {
        // The leveraged property of the projection's worked example, base year 2018 by a
        // saving plan starting then: its 2018 and 2019 records stay empty.
        const QString path = file(QStringLiteral("leveraged.inv"),
            fileText({ { "Maandelijks sparen", "2018", "0", "0" },
                { Leveraged, "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" } }));
        const Run run = exportCsv({ path });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(lines(run.out).size(), 1 + 2 * 31);
        QCOMPARE(lineFor(run.out, 2, 2018), QStringLiteral("2,0,2018,0,0,0,0,0,0,0,0,0,0"));
        QCOMPARE(lineFor(run.out, 2, 2019), QStringLiteral("2,0,2019,0,0,0,0,0,0,0,0,0,0"));
        // year, then cash, value, assets, own contribution, debt, income, costs, cash flow, roi
        const double expected[][10] = {
            { 2020, -40000, 200000, 160000, 40000, 212965.48, 1000, 887.36, 112.64, 0 },
            { 2021, -38648.27, 206083.19, 167434.92, 40000, 202317.20, 1020.18, 887.36, 132.83, 0 },
            { 2039, 32245.21, 353401.94, 385647.15, 40000, 10648.27, 1461.82, 887.36, 574.47, 837.50 },
            { 2040, 39138.80, 364151.00, 364151.00 + 39138.80, 40000, 0, 1491.33, 0, 1491.33, 908.22 },
        };
        for (const auto &e : expected) {
            const QVector<double> v = numbers(lineFor(run.out, 2, int(e[0])));
            QCOMPARE(v.size(), 13);
            QCOMPARE(v.at(0), 2.0);
            QCOMPARE(v.at(1), 0.0);
            QCOMPARE(v.at(3), 2020.0);
            for (int k = 1; k < 10; ++k)
                QVERIFY2(std::abs(v.at(3 + k) - e[k]) <= 0.011,
                    qPrintable(QStringLiteral("%1 column %2: %3").arg(e[0]).arg(3 + k).arg(v.at(3 + k), 0, 'f', 4)));
        }
    }

    void nonFiniteNumbers()
    {
        // A price of "inf" for a property bought in full; rent on a price of 0 makes the
        // return infinite from the second year on (positive over an own contribution of 0).
        const QString path = file(QStringLiteral("nonfinite.inv"),
            fileText({ { "Onderpand zonder hefboom", "2020", "", "", "", "", "inf", "0", "0", "0" },
                { "Onderpand zonder hefboom", "2020", "", "", "", "", "0", "100", "0", "0" } }));
        const Run run = exportCsv({ "--years", "2", path });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(lineFor(run.out, 1, 2020), QStringLiteral("1,1,2020,2020,-inf,inf,nan,inf,0,0,0,0,0"));
        QCOMPARE(lineFor(run.out, 2, 2021), QStringLiteral("2,1,2021,2020,1200,0,1200,0,0,100,0,100,inf"));
    }

    // Output, exit status and messages: the header alone when no row is complete, one line
    // with the usage and 2 for bad arguments, one line naming the file and 1 for a file that
    // cannot be read; the usage on standard output for --help.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args"); // <name>: a file of the test, see below
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // "<usage>": the whole usage
        QTest::addColumn<QString>("message"); // part of stderr, empty when nothing is written there
        QTest::addColumn<QString>("feed"); // a shell command whose output is standard input
        const QString usage = QStringLiteral("usage: quorvant-export");
        const QString good = QStringLiteral("<good>");
        QTest::newRow("header alone") << QStringList { "<incomplete>" } << 0 << RowsHeader + "\n" << QString() << QString();
        QTest::newRow("totals header alone") << QStringList { "--totals", "<incomplete>" } << 0 << TotalsHeader + "\n"
                                             << QString() << QString();
        // A file without any field terminator is no investment file, an empty one neither.
        QTest::newRow("empty file") << QStringList { "<empty>" } << 1 << QString() << "geen investeringsbestand" << QString();
        const QString goodTotals = TotalsHeader + QStringLiteral("\n2020,1,0,1,0,0,0,0,0,1\n");
        const QStringList oneYear { "--totals", "--years", "1" };
        QTest::newRow("standard input") << oneYear + QStringList { "-" } << 0 << goodTotals << QString()
                                        << "cat good.inv";
        QTest::newRow("name not valid UTF-8") << oneYear + QStringList { "<latin-1>" } << 0 << goodTotals << QString() << QString();
        QTest::newRow("endless CR stream") << QStringList { "-" } << 1 << QString() << "File too large"
                                           << "yes \"$(printf '\\r')\" | tr -d '\\n'";
        QTest::newRow("40 MB of CR") << QStringList { "<CRs>" } << 1 << QString() << "File too large" << QString();
        QTest::newRow("endless device") << QStringList { "/dev/zero" } << 1 << QString() << "File too large" << QString();
        QTest::newRow("help") << QStringList { "--totals", "--help", good } << 0 << "<usage>" << QString() << QString();
        QTest::newRow("empty FILE") << QStringList { "" } << 2 << QString() << usage << QString();
        QTest::newRow("no arguments") << QStringList() << 2 << QString() << usage << QString();
        QTest::newRow("unknown option") << QStringList { "--total", good } << 2 << QString() << usage << QString();
        QTest::newRow("years without number") << QStringList { good, "--years" } << 2 << QString() << usage << QString();
        QTest::newRow("years not a number") << QStringList { "--years", "tien", good } << 2 << QString() << usage << QString();
        QTest::newRow("years with decimals") << QStringList { "--years", "2.5", good } << 2 << QString() << usage << QString();
        QTest::newRow("two files") << QStringList { good, good } << 2 << QString() << usage << QString();
        QTest::newRow("missing file") << QStringList { "<missing>" } << 1 << QString() << "No such file or directory" << QString();
        QTest::newRow("a directory") << QStringList { "<dir>" } << 1 << QString() << "directory" << QString();
        QTest::newRow("missing baseline") << QStringList { "--totals", "--baseline", "<missing>", good } << 1
                                          << QString() << "No such file or directory" << QString();
        QTest::newRow("baseline without totals") << QStringList { "--baseline", good, good } << 2 << QString() << usage
                                                 << QString();
        QTest::newRow("real -100 %") << QStringList { "--real", "-100", good } << 2 << QString() << usage << QString();
        QTest::newRow("reference year without real") << QStringList { "--reference-year", "2025", good } << 2
                                                     << QString() << usage << QString();
        // The loose ends: deflation beyond the range of doubles (the divisor of 2020 is 0 from
        // this year on; at -99.9 % from 1920 the amounts of 2023 pass 1e308), repeats, path
        // options without --paths, the output options, the baseline from standard input.
        QTest::newRow("real whose divisor overflows") << QStringList { "--real", "1e300", good } << 2 << QString()
                                                      << "--real 1e+300 takes the amounts of 2020 beyond" << QString();
        QTest::newRow("real whose amounts overflow")
            << QStringList { "--real", "-99.9", "--reference-year", "1920", good } << 2 << QString()
            << "amounts of 2023 beyond" << QString();
        QTest::newRow("real from 1920 at -50 % stays finite") // divided by 2^-100
            << QStringList { "--totals", "--years", "1", "--real", "-50", "--reference-year", "1920", good } << 0
            << "year,cash_real,property_value_real,assets_real,own_contribution_real,debt_real,monthly_income_real,"
               "monthly_costs_real,monthly_cash_flow_real,net_worth_real\n"
               "2020,1.2676506002282294e+30,0,1.2676506002282294e+30,0,0,0,0,0,1.2676506002282294e+30\n"
            << QString() << QString();
        QTest::newRow("years twice") << QStringList { "--years", "3", "--years", "3", good } << 2 << QString()
                                     << "--years is given more than once" << QString();
        QTest::newRow("totals twice") << QStringList { "--totals", "--totals", good } << 2 << QString() << usage << QString();
        QTest::newRow("format twice") << QStringList { "--format", "csv", "--format", "csv", good } << 2 << QString()
                                      << usage << QString();
        QTest::newRow("free year twice") << QStringList { "--free-year", "1", "--free-year", "1", good } << 2 << QString()
                                         << "--free-year is given more than once" << QString();
        QTest::newRow("debt twice") << QStringList { "--debt", "principal", "--debt", "payments", good } << 2 << QString()
                                    << "--debt is given more than once" << QString();
        QTest::newRow("free year alone as Dutch CSV") << QStringList { "--free-year", "1", "--format", "csv-nl", good } << 2
                                                      << QString() << "needs --paths with --free-year" << QString();
        QTest::newRow("free year alone as workbook")
            << QStringList { "--free-year", "1", "--format", "xlsx", "-o", m_dir.filePath(QStringLiteral("free.xlsx")), good }
            << 2 << QString() << "needs --paths with --free-year" << QString();
        // good.inv's monthly cash flow is 0: never free.
        QTest::newRow("free year, -o -") << QStringList { "--free-year", "1", "-o", "-", good } << 0 << "geen\n"
                                         << QString() << QString();
        QTest::newRow("free year from standard input") << QStringList { "--free-year", "1", "-" } << 0 << "geen\n"
                                                       << QString() << "cat good.inv";
        QTest::newRow("spread without paths") << QStringList { "--spread", "1,1,1", good } << 2 << QString()
                                              << "need --paths" << QString();
        QTest::newRow("seed without paths") << QStringList { "--seed", "7", good } << 2 << QString() << "need --paths"
                                            << QString();
        QTest::newRow("unknown format") << QStringList { "--format", "ods", good } << 2 << QString() << usage << QString();
        QTest::newRow("xlsx without -o") << QStringList { "--format", "xlsx", good } << 2 << QString()
                                         << "xlsx needs -o" << QString();
        QTest::newRow("xlsx to standard output") << QStringList { "--format", "xlsx", "-o", "-", good } << 2 << QString()
                                                 << "xlsx needs -o" << QString();
        QTest::newRow("-o - is standard output") << oneYear + QStringList { "-o", "-", good } << 0 << goodTotals
                                                 << QString() << QString();
        QTest::newRow("baseline from standard input")
            << oneYear + QStringList { "--baseline", "-", good } << 0
            << TotalsHeader + ",baseline_net_worth,baseline_monthly_cash_flow,net_worth_difference\n"
                              "2020,1,0,1,0,0,0,0,0,1,1,0,0\n"
            << QString() << "cat good.inv";
        QTest::newRow("file and baseline both standard input") << QStringList { "--totals", "--baseline", "-", "-" } << 2
                                                               << QString() << usage << "cat good.inv";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, message);
        QFETCH(QString, feed);
        const QHash<QString, QString> files {
            { "<good>", file(QStringLiteral("good.inv"), fileText({ { "Maandelijks sparen", "2020", "1", "2" } })) },
            { "<incomplete>",
                file(QStringLiteral("incomplete.inv"), fileText({ { "Maandelijks sparen", "2020", "1000" } })) },
            { "<empty>", file(QStringLiteral("empty.inv"), QString()) },
            { "<missing>", m_dir.filePath(QStringLiteral("missing.inv")) },
            { "<dir>", m_dir.path() },
            { "<CRs>", args.contains("<CRs>") ? file(QStringLiteral("cr.inv"), QString(40 << 20, QLatin1Char('\r'))) : QString() },
        };
        for (QString &arg : args)
            arg = files.value(arg, arg);
        if (args.contains("<latin-1>")) {
            const QByteArray good = readBytes(files["<good>"]);
            std::FILE *latin1 = std::fopen(QFile::encodeName(m_dir.path()).append("/caf\351.inv").constData(), "wb");
            QVERIFY(latin1 && std::fwrite(good.constData(), 1, size_t(good.size()), latin1) == size_t(good.size()));
            QCOMPARE(std::fclose(latin1), 0);
        }
        const Run run = !feed.isEmpty() || args.contains("<latin-1>") ? exportFromShell(m_dir.path(), feed, args) : exportCsv(args);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, status);
        if (out == QLatin1String("<usage>"))
            QVERIFY2(run.out.startsWith(QStringLiteral("usage: quorvant-export")) && run.out.count('\n') > 3, qPrintable(run.out));
        else
            QCOMPARE(run.out, out);
        if (message.isEmpty())
            QCOMPARE(run.err, QString());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        if (status != 0) {
            QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
            QVERIFY(run.err.endsWith(QLatin1Char('\n')));
            const int baselineAt = int(args.indexOf(QStringLiteral("--baseline")));
            const QString unread = baselineAt >= 0 ? args.value(baselineAt + 1)
                                                   : (args.value(0) == "-" ? QStringLiteral("standard input") : args.value(0));
            QVERIFY2(status == 2 || run.err.contains(unread), qPrintable(run.err));
        }
    }

    void limits_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("firstYear");
        QTest::newRow("defaults") << QStringList() << QStringList { "1", "2" } << 31 << 2018;
        QTest::newRow("three years") << QStringList { "--years", "3" } << QStringList { "1", "2" } << 3 << 2018;
        QTest::newRow("years clamped to 31") << QStringList { "--years", "99" } << QStringList { "1", "2" } << 31 << 2018;
        QTest::newRow("years beyond 64 bits") << QStringList { "--years", "99999999999999999999999" }
                                              << QStringList { "1", "2" } << 31 << 2018;
        QTest::newRow("negative years") << QStringList { "--years", "-3" } << QStringList() << 0 << 0;
        // Row 2 alone sets the base year: with one investment only row 1 counts.
        QTest::newRow("one investment") << QStringList { "--investments", "1" } << QStringList { "1" } << 31 << 2020;
        QTest::newRow("no investments") << QStringList { "--investments", "0" } << QStringList() << 0 << 0;
        QTest::newRow("investments clamped") << QStringList { "--investments", "+99", "--years", "2" }
                                             << QStringList { "1", "2" } << 2 << 2018;
    }

    void limits()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, rows);
        QFETCH(int, years);
        QFETCH(int, firstYear);
        const QString path = file(QStringLiteral("limits.inv"),
            fileText({ { "Maandelijks sparen", "2020", "1000", "250" }, { "Maandelijks sparen", "2018", "1", "2" } }));
        const Run run = exportCsv(options + QStringList { path });
        QCOMPARE(run.exitCode, 0);
        const QStringList all = lines(run.out);
        QCOMPARE(all.value(0), RowsHeader);
        QCOMPARE(all.size(), 1 + rows.size() * years);
        for (int i = 0; i < rows.size(); ++i) {
            for (int y = 0; y < years; ++y) {
                const QStringList f = all.at(1 + i * years + y).split(QLatin1Char(','));
                QCOMPARE(f.value(0), rows.at(i));
                QCOMPARE(f.value(2), QString::number(firstYear + y));
            }
        }
        const Run totals = exportCsv(QStringList { "--totals" } + options + QStringList { path });
        QCOMPARE(totals.exitCode, 0);
        QCOMPARE(lines(totals.out).size(), 1 + (rows.isEmpty() ? 0 : years));
    }

    // The exporter and the window open the same file to the same numbers.
    void sameNumbersAsWindow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("investments");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("projectedRows");
        const QByteArray mixed = fileText(mixedRows()).toUtf8();
        QTest::newRow("mixed") << mixed << 30 << 31 << 12;
        QTest::newRow("mixed, limited") << mixed << 5 << 10 << 5;
        QTest::newRow("mixed, no years") << mixed << 30 << 0 << 12;
        QByteArray crlf = mixed;
        crlf.replace("2021;10000", "2021\r\n;10000");
        QTest::newRow("mixed, BOM and CR LF") << QByteArray("\xef\xbb\xbf") + crlf << 30 << 31 << 12;
        const QString full = fileText(mixedRows());
        QTest::newRow("cut short after a ';'") << full.left(full.indexOf(QStringLiteral("Compounded interest;2020"))).toUtf8()
                                               << 30 << 31 << 5;
        QTest::newRow("cut short in a field") << full.left(full.indexOf(QStringLiteral("Compounded interest;2020")) + 23).toUtf8()
                                              << 30 << 31 << 5;
    }

    void sameNumbersAsWindow()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, investments);
        QFETCH(int, years);
        QFETCH(int, projectedRows);
        const QString path = m_dir.filePath(QStringLiteral("same.inv"));
        QVERIFY(writeBytes(path, bytes));

        MainWindow w;
        w.SetMaxInvestment(investments);
        w.SetMaxJaren(years);
        triggerWithFile(w, "actionOpen", path); // the refused years are reported

        const QStringList limits { "--investments", QString::number(investments), "--years", QString::number(years) };
        const Run rows = exportCsv(limits + QStringList { path });
        const Run totals = exportCsv(QStringList { "--totals" } + limits + QStringList { path });
        QCOMPARE(rows.exitCode, 0);
        QCOMPARE(totals.exitCode, 0);
        QCOMPARE(rows.out, w.ProjectionCsv(false));
        QCOMPARE(totals.out, w.ProjectionCsv(true));

        // And the numbers the exporter wrote are the window's own, digit for digit.
        const InvestmentStore &store = w.store();
        const QStringList rowLines = lines(rows.out);
        int line = 1;
        int projected = 0;
        for (int r = 0; r < investments; ++r) {
            if (!store.block(r).projected)
                continue;
            ++projected;
            for (int y = 0; y < years; ++y, ++line) {
                const QVector<double> v = numbers(rowLines.value(line));
                QCOMPARE(v.size(), 13);
                QCOMPARE(v.at(0), double(r + 1));
                QCOMPARE(v.at(1), double(store.rowType(r)));
                QCOMPARE(v.at(2), double(store.earliestStartYear() + y));
                for (int k = 0; k < SeriesCount; ++k)
                    QVERIFY2(same(v.at(3 + k), store.block(r).years[y].series[k]),
                        qPrintable(QStringLiteral("row %1 year %2 series %3").arg(r).arg(y).arg(k)));
            }
        }
        QCOMPARE(rowLines.size(), line);
        // Counted by hand: the two refused years and the row without a price drop out.
        QCOMPARE(projected, projectedRows);
        const QStringList totalLines = lines(totals.out);
        for (int y = 0; projected > 0 && y < years; ++y) {
            YearTotals t;
            QVERIFY(store.yearTotals(y, t));
            const QVector<double> v = numbers(totalLines.value(1 + y));
            const double want[] = { double(store.earliestStartYear() + y), t.cash, t.propertyValue, t.assets,
                t.ownContribution, t.debt, t.monthlyIncome, t.monthlyCosts, t.monthlyCashFlow, t.netWorth() };
            QCOMPARE(v.size(), 10);
            for (int k = 0; k < 10; ++k)
                QVERIFY2(same(v.at(k), want[k]), qPrintable(QStringLiteral("year %1 column %2").arg(y).arg(k)));
        }
    }

    // --real: every amount divided by (1 + inflation)^(year - reference year), to the cent (the own
    // contribution at the year it was paid); the other columns, and every line at 0 %, as without
    // it; the amount columns named "_real".
    void realFigures_data()
    {
        QTest::addColumn<bool>("totals");
        QTest::addColumn<QStringList>("real");
        QTest::addColumn<int>("reference"); // 0: this year
        QTest::newRow("rows, 0 %") << false << QStringList { "--real", "0" } << 0;
        QTest::newRow("rows, 2 %, this year") << false << QStringList { "--real", "2" } << 0;
        QTest::newRow("totals, 2 % from 2025")
            << true << QStringList { "--real", "2", "--reference-year", "2025" } << 2025;
    }

    void realFigures()
    {
        QFETCH(bool, totals);
        QFETCH(QStringList, real);
        QFETCH(int, reference);
        const QString path = file(QStringLiteral("real.inv"),
            fileText({ { "Maandelijks sparen", "2018", "1000", "250" },
                { Leveraged, "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" } }));
        const QStringList options = totals ? QStringList { "--totals" } : QStringList();
        const QStringList r = lines(exportCsv(options + real + QStringList { path }).out);
        const QStringList n = lines(exportCsv(options + QStringList { path }).out);
        QCOMPARE(r.size(), n.size());
        const QStringList header = n.value(0).split(QLatin1Char(','));
        const double growth = 1.0 + real.at(1).toDouble() / 100.0;
        reference = reference ? reference : QDate::currentDate().year();
        for (int i = 0; i < n.size(); ++i) {
            const QStringList rf = r.at(i).split(QLatin1Char(','));
            const QStringList nf = n.at(i).split(QLatin1Char(','));
            QCOMPARE(rf.size(), nf.size());
            const int year = nf.at(totals ? 0 : 2).toInt();
            for (int k = 0; k < nf.size(); ++k) {
                const bool amount = k >= (totals ? 1 : 4) && header.at(k) != QLatin1String("roi");
                // The own contribution is the price paid in 2020 (the saving plan writes none),
                // in the money of the year it was paid.
                const int paid = header.at(k) == QLatin1String("own_contribution") ? 2020 : year;
                if (i == 0 || !amount || growth == 1.0)
                    QCOMPARE(rf.at(k), nf.at(k) + (i == 0 && amount ? "_real" : ""));
                else
                    QVERIFY(std::abs(rf.at(k).toDouble() - nf.at(k).toDouble() / std::pow(growth, paid - reference))
                        < 0.005);
            }
        }
    }

    // --baseline: three columns from a separate --totals run of the baseline, digit for digit;
    // empty where the baseline has no figures for the year.
    void baselineColumns_data()
    {
        QTest::addColumn<QString>("price"); // of the baseline's property; its saving plan starts in 2018
        QTest::addColumn<QString>("savingYear");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("emptyLines");
        QTest::newRow("the same") << "200000" << "2018" << QStringList() << 0;
        QTest::newRow("one Kostprijs changed") << "210000" << "2018" << QStringList() << 0;
        QTest::newRow("base year 2020") << "210000" << "" << QStringList() << 2;
        QTest::newRow("limited") << "210000" << "2018" << QStringList { "--investments", "1", "--years", "10" } << 0;
        QTest::newRow("in today's money") << "210000" << "2018" << QStringList { "--real", "2" } << 0;
        QTest::newRow("remaining principal") << "210000" << "2018" << QStringList { "--debt", "principal" } << 0;
        QTest::newRow("remaining principal in today's money")
            << "210000" << "2018" << QStringList { "--debt", "principal", "--real", "2" } << 0;
        QTest::newRow("no complete row") << "" << "" << QStringList() << 31;
    }

    void baselineColumns()
    {
        QFETCH(QString, price);
        QFETCH(QString, savingYear);
        QFETCH(QStringList, options);
        QFETCH(int, emptyLines);
        const auto portfolio = [&](const QString &name, const QString &year, const QString &price) {
            return file(name, fileText({ { "Maandelijks sparen", year, "1000", "250" },
                { Leveraged, "2020", "", "", "", "", price, "1000", "2", "3", "", "80", "3", "20" } }));
        };
        const QString mine = portfolio(QStringLiteral("mine.inv"), QStringLiteral("2018"), QStringLiteral("200000"));
        const QString base = portfolio(QStringLiteral("base.inv"), savingYear, price);
        options.prepend(QStringLiteral("--totals"));
        const QStringList both = lines(exportCsv(options + QStringList { "--baseline", base, mine }).out);
        const QStringList first = lines(exportCsv(options + QStringList { mine }).out);
        QHash<QString, QStringList> second; // the baseline's own lines by year
        for (const QString &line : lines(exportCsv(options + QStringList { base }).out))
            second.insert(line.section(QLatin1Char(','), 0, 0), line.split(QLatin1Char(',')));
        QCOMPARE(both.size(), first.size());
        const QString real = options.contains(QStringLiteral("--real")) ? QStringLiteral("_real") : QString();
        QCOMPARE(both.at(0), first.at(0)
                + QStringLiteral(",baseline_net_worth%1,baseline_monthly_cash_flow%1,net_worth_difference%1").arg(real));
        int empty = 0;
        for (int i = 1; i < both.size(); ++i) {
            const QStringList f = both.at(i).split(QLatin1Char(','));
            QCOMPARE(f.mid(0, 10).join(QLatin1Char(',')), first.at(i));
            const QStringList b = second.value(f.at(0), { "", "", "", "", "", "", "", "", "", "" });
            empty += b.at(0).isEmpty() ? 1 : 0;
            const QString difference
                = b.at(0).isEmpty() ? QString() : CsvNumber(f.at(9).toDouble() - b.at(9).toDouble());
            QCOMPARE(f.mid(10), QStringList({ b.at(9), b.at(8), difference })); // net worth, cash flow, difference
        }
        QCOMPARE(empty, emptyLines);
    }

    // The Dutch CSV and the workbook hold the plain CSV's numbers: the CSV the very doubles,
    // the workbook within 1e-9; Dutch headers, type names, a byte-order mark, ';' and CR LF.
    void spreadsheetFormats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("header"); // of the Dutch CSV
        const QString rowsHeader = QStringLiteral("Rij;Type;Jaar;BeginJaar;Cash;Vastgoed;Activa;Eigen inbreng;Schulden;"
                                                  "Maandelijkse Inkomsten;Maandelijkse lasten;Maandelijkse CashFlow;ROI(%)");
        const QString totalsHeader = QStringLiteral("Jaar;Cash;Vastgoed;Activa;Eigen inbreng;Schulden;Maandelijkse Inkomsten;"
                                                    "Maandelijkse lasten;Maandelijkse CashFlow;Nettowaarde");
        const QByteArray mixed = fileText(mixedRows()).toUtf8(); // with inf and nan figures
        const QByteArray example = readBytes(QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/example.inv"));
        const QByteArray crlf = readBytes(QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/mixed-crlf-bom.inv"));
        QTest::newRow("mixed rows") << mixed << QStringList() << rowsHeader;
        QTest::newRow("mixed totals") << mixed << QStringList { "--totals" } << totalsHeader;
        QTest::newRow("mixed totals, baseline, today's money")
            << mixed << QStringList { "--totals", "--baseline", "<self>", "--real", "2", "--reference-year", "2025" }
            << QStringLiteral("Jaar;Cash (euro's van 2025);Vastgoed (euro's van 2025);Activa (euro's van 2025);"
                              "Eigen inbreng (euro's van 2025);Schulden (euro's van 2025);Maandelijkse Inkomsten (euro's van "
                              "2025);Maandelijkse lasten (euro's van 2025);Maandelijkse CashFlow (euro's van 2025);Nettowaarde "
                              "(euro's van 2025);Nettowaarde basis (euro's van 2025);Maandelijkse cashflow basis (euro's van "
                              "2025);Verschil nettowaarde (euro's van 2025)");
        QTest::newRow("example rows") << example << QStringList { "--years", "12" } << rowsHeader;
        QTest::newRow("CR LF rows in today's money")
            << crlf << QStringList { "--real", "3" } << QStringLiteral("Rij;Type;Jaar;BeginJaar;Cash (euro's van %1);Vastgoed (euro's van %1);Activa (euro's van %1);"
                              "Eigen inbreng (euro's van %1);Schulden (euro's van %1);Maandelijkse Inkomsten (euro's van %1);"
                              "Maandelijkse lasten (euro's van %1);Maandelijkse CashFlow (euro's van %1);ROI(%)");
        for (const char *name : { "startup", "short-terminated", "utf16" })
            QTest::newRow(name) << readBytes(QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/%1.inv").arg(name))
                                << QStringList() << rowsHeader;
        QTest::newRow("example paths") << example << QStringList { "--paths", "200", "--seed", "9" }
                                       << "Jaar;Nettowaarde 10%;Nettowaarde 50%;Nettowaarde 90%";
        QTest::newRow("example paths, chance of being free, today's money")
            << example
            << QStringList { "--paths", "200", "--seed", "9", "--free-year", "1500", "--real", "2", "--reference-year", "2025" }
            << "Jaar;Nettowaarde 10% (euro's van 2025);Nettowaarde 50% (euro's van 2025);Nettowaarde 90% (euro's van 2025);"
               "Kans financieel vrij (aandeel)";
        QTest::newRow("example totals, remaining principal") << example << QStringList { "--totals", "--debt", "principal" }
                                                             << totalsHeader;
        QTest::newRow("example rows, remaining principal") << example << QStringList { "--debt", "principal", "--years", "12" }
                                                           << rowsHeader;
    }

    void spreadsheetFormats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, options);
        QFETCH(QString, header);
        const QString path = m_dir.filePath(QStringLiteral("sheets.inv"));
        QVERIFY(writeBytes(path, bytes));
        options.replaceInStrings(QStringLiteral("<self>"), path);
        header.replace(QStringLiteral("%1"), QString::number(QDate::currentDate().year()));
        const bool totals = options.contains(QStringLiteral("--totals"));
        const bool paths = options.contains(QStringLiteral("--paths"));
        const int typeColumn = totals || paths ? -1 : 1;
        const Run plain = exportCsv(options + QStringList { path });
        QCOMPARE(plain.exitCode, 0);
        const QStringList plainLines = lines(plain.out);
        const QString plainPath = m_dir.filePath(QStringLiteral("plain.csv"));
        QCOMPARE(exportCsv(options + QStringList { "-o", plainPath, path }).exitCode, 0);
        QCOMPARE(readBytes(plainPath), plain.out.toUtf8());

        // The Dutch CSV, to standard output and with -o.
        const QString dutchPath = m_dir.filePath(QStringLiteral("sheets.csv"));
        const Run dutch = exportCsv(options + QStringList { "--format", "csv-nl", path });
        QCOMPARE(dutch.exitCode, 0);
        QCOMPARE(exportCsv(options + QStringList { "--format", "csv-nl", "-o", dutchPath, path }).exitCode, 0);
        const QByteArray dutchBytes = readBytes(dutchPath);
        QCOMPARE(QString::fromUtf8(dutchBytes), dutch.out);
        QVERIFY(dutchBytes.startsWith("\xef\xbb\xbf"));
        QVERIFY(dutchBytes.endsWith("\r\n") && dutchBytes.count('\n') == dutchBytes.count("\r\n"));
        const QStringList dutchLines = QString::fromUtf8(dutchBytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(dutchLines.value(0), header);
        QCOMPARE(dutchLines.size() - 1, plainLines.size()); // after the last CR LF an empty piece
        QString why;
        for (int i = 1; i < plainLines.size(); ++i)
            QVERIFY2(sameFields(plainLines.at(i).split(','), dutchLines.at(i).split(';'), typeColumn, false, &why),
                qPrintable(QStringLiteral("line %1: %2").arg(i).arg(why)));

        // The workbook: the totals (or the percentiles) first, then a sheet per projected row.
        const QString book = m_dir.filePath(QStringLiteral("sheets.xlsx"));
        const Run written = exportCsv(options + QStringList { "--format", "xlsx", "-o", book, path });
        QCOMPARE(written.exitCode, 0);
        QCOMPARE(written.out, QString());
        QVERIFY(readBytes(book).startsWith("PK"));
        const QString dump = workbookDump(book);
        if (dump.isEmpty())
            QSKIP("no /usr/bin/python3 with openpyxl (Debian: python3-openpyxl) to read the workbook");
        QStringList expected; // per sheet: the plain lines it must hold, the first being the header
        QStringList totalLines = totals || paths ? plainLines : lines(exportCsv(QStringList { "--totals" } + options + QStringList { path }).out);
        QVector<QStringList> sheets { totalLines };
        QStringList names { paths ? "Spreiding" : "Jaartotalen" };
        for (int i = 1; typeColumn > 0 && i < plainLines.size(); ++i) {
            const QStringList f = plainLines.at(i).split(',');
            const QString name = QStringLiteral("Rij %1 %2").arg(f.at(0), InvestmentTypeNames.value(f.at(1).toInt()));
            if (names.last() != name) {
                names << name;
                sheets.append({ QString() });
            }
            sheets.last() << QStringList(f.mid(2)).join(',');
        }
        const QStringList parts = dump.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(parts.size(), sheets.size());
        for (int s = 0; s < parts.size(); ++s) {
            const QStringList sheetLines = lines(parts.at(s));
            const QString format = sheets.at(s).size() > 1 ? QStringLiteral("[$-413]#,##0.00") : QStringLiteral("General");
            QCOMPARE(sheetLines.value(0), names.at(s) + QStringLiteral(";A2;") + format); // empty without rows
            QCOMPARE(sheetLines.size() - 1, sheets.at(s).size());
            for (const QString &column : sheetLines.value(1).split('\t')) { // header=width
                const int equals = int(column.lastIndexOf('='));
                QVERIFY2(column.mid(equals + 1).toDouble() >= equals, qPrintable(column));
            }
            for (int i = 2; i < sheetLines.size(); ++i)
                QVERIFY2(sameFields(sheets.at(s).at(i - 1).split(','), sheetLines.at(i).split('\t'), -1, true, &why),
                    qPrintable(QStringLiteral("%1 line %2: %3").arg(names.at(s)).arg(i).arg(why)));
        }
    }

    // --paths with --real: without spread every percentile is the net worth in today's money.
    void pathsInTodaysMoney()
    {
        const QString path = QStringLiteral(QUORVANT_SOURCE_DIR "/fuzz/corpus/example.inv");
        const QStringList real { "--real", "2", "--reference-year", "2025" };
        const QStringList bands = lines(exportCsv(QStringList { "--paths", "20", "--spread", "0,0,0" } + real + QStringList { path }).out);
        const QStringList totals = lines(exportCsv(QStringList { "--totals" } + real + QStringList { path }).out);
        QCOMPARE(bands.value(0), QStringLiteral("year,p10_real,p50_real,p90_real"));
        QCOMPARE(bands.size(), totals.size());
        for (int i = 1; i < bands.size(); ++i) {
            const QVector<double> b = numbers(bands.at(i));
            const QVector<double> t = numbers(totals.at(i));
            QCOMPARE(b.value(0), t.value(0));
            for (int k = 1; k <= 3; ++k)
                QVERIFY2(std::abs(b.value(k) - t.value(9)) <= 1e-9 * std::abs(t.value(9)) + 1e-6, qPrintable(bands.at(i)));
        }
        const QString help = exportCsv({ "--help" }).out;
        QVERIFY2(help.contains(QStringLiteral("default %1").arg(PathSettings::DefaultSeed)), qPrintable(help));
    }

    // "Export CSV..." writes what the exporter writes for the file the window saves.
    void exportActionMatchesExporter()
    {
        MainWindow w;
        setRow(w, 0, LeveragedProperty, { "2020", "", "", "", "", "200000", "1000", "2", "3", "", "80", "3", "20" });
        setRow(w, 1, CompoundedInterest, { "2019", "1000", "100", "10", "", "", "", "", "", "", "", "", "", "", "5" });
        setRow(w, 2, CashForCashflow, { "2021", "10000", "0", "5", "", "10000", "", "", "", "", "", "", "", "", "6" });
        const QString inv = m_dir.filePath(QStringLiteral("window.inv"));
        const QString csv = m_dir.filePath(QStringLiteral("window.csv"));
        QCOMPARE(triggerWithFile(w, "actionSave_as", inv), QStringList());
        QCOMPARE(triggerWithFile(w, "actionExport_CSV", csv), QStringList());

        const QString written = QString::fromUtf8(readBytes(csv));
        QCOMPARE(written, w.ProjectionCsv(false));
        QCOMPARE(lines(written).size(), 1 + 3 * 31);
        QCOMPARE(exportCsv({ inv }).out, written);
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
