// Saving and opening investment files in the main window: the text a save writes, what an
// open restores and projects, malformed files, and what a cancelled or failed open leaves.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace testsupport;

namespace {

const QString skip; // setRow leaves a cell alone for a null string
const QString Leveraged = QStringLiteral("Onderpand met hefboom");
const QString JaartalMessage = QStringLiteral("Jaartal fout|Vul een geldig jaartal in , bv 2020");

QComboBox *kindBox(MainWindow &w)
{
    return find<QComboBox>(&w, "WealthSelect");
}

QTextEdit *wealthEdit(MainWindow &w, int k)
{
    return w.findChild<QTextEdit *>(QStringLiteral("wealth_edit%1").arg(k));
}

void trigger(MainWindow &w, const char *action)
{
    QAction *a = find<QAction>(&w, action);
    QVERIFY2(a, action);
    a->trigger();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Saves through "Save as..." to `path`; returns the modal windows seen.
QStringList saveAs(MainWindow &w, const QString &path)
{
    w.setSaveFileNameProvider([path]() { return path; });
    return closingModals([&w]() { trigger(w, "actionSave_as"); });
}

// Opens through "Open"; returns the modal windows seen (year messages, failures).
QStringList open(MainWindow &w, const QString &path)
{
    w.setOpenFileNameProvider([path]() { return path; });
    return closingModals([&w]() { trigger(w, "actionOpen"); });
}

// One grid row of 16 fields, each followed by ';'.
QString rowText(const QStringList &cells)
{
    QString text;
    for (int c = 0; c < FieldCount; ++c)
        text += (c < cells.size() ? cells.at(c) : QString()) + QLatin1Char(';');
    return text;
}

// A file text: kind, ten generator fields, the given rows, then untouched rows.
QString fileText(const QString &kind, const QStringList &generator, const QVector<QStringList> &rows)
{
    QString text = kind + QLatin1Char(';');
    for (int k = 0; k < 10; ++k)
        text += (k < generator.size() ? generator.at(k) : QString()) + QLatin1Char(';');
    for (int r = 0; r < MaxRows; ++r)
        text += rowText(r < rows.size() ? rows.at(r) : QStringList { Leveraged });
    return text;
}

// Everything the user can see or type that a file holds, for comparisons.
struct WindowTexts
{
    QString kind;
    QStringList generator;
    QStringList cells;
};

WindowTexts texts(MainWindow &w)
{
    WindowTexts t;
    t.kind = kindBox(w)->currentText();
    for (int k = 1; k <= 10; ++k)
        t.generator << wealthEdit(w, k)->toPlainText();
    QTableWidget *grid = inputGrid(w);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c)
            t.cells << cellText(grid, r, c);
    }
    return t;
}

bool sameInputs(const InvestmentStore &a, const InvestmentStore &b)
{
    for (int r = 0; r < MaxRows; ++r) {
        for (int c = 0; c < FieldCount; ++c) {
            const double x = a.input(r).field[c];
            const double y = b.input(r).field[c];
            if (!(x == y || (std::isnan(x) && std::isnan(y))))
                return false;
        }
        if (a.rowType(r) != b.rowType(r))
            return false;
    }
    return true;
}

bool sameProjections(const InvestmentStore &a, const InvestmentStore &b)
{
    for (int r = 0; r < MaxRows; ++r) {
        if (a.block(r).projected != b.block(r).projected)
            return false;
        for (int y = 0; y < MaxYears; ++y) {
            for (int k = 0; k < SeriesCount; ++k) {
                const double x = a.block(r).years[y].series[k];
                const double v = b.block(r).years[y].series[k];
                if (!(x == v || (std::isnan(x) && std::isnan(v))))
                    return false;
            }
        }
    }
    return true;
}

// A portfolio typed into the window: kind, generator fields and rows of all five types.
void typePortfolio(MainWindow &w)
{
    kindBox(w)->setCurrentText(QStringLiteral("Onderpand zonder hefboom"));
    for (int k = 1; k <= 10; ++k)
        wealthEdit(w, k)->setPlainText(QStringLiteral("%1\nregel twee \u00e9\u20ac %1").arg(k * 11));
    for (int r = 0; r < MaxRows; ++r) {
        // Only the columns of the row's type: the grid shows the others blank.
        const int type = r % InvestmentTypeCount;
        QStringList cells;
        for (int c = 1; c < FieldCount; ++c) {
            if (!ColumnApplies(type, c))
                cells << skip;
            else
                cells << (c == ColStartYear ? QString::number(2000 + r) : QString::number(r + c * 1.5));
        }
        setRow(w, r, type, cells);
    }
}

} // namespace

class InvestFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        initResources();
        QVERIFY(m_dir.isValid());
    }

    void saveRightAfterStartup()
    {
        MainWindow w;
        const QString file = path("startup.inv");
        QCOMPARE(saveAs(w, file), QStringList());
        QString expected = Leveraged + QString(11, QLatin1Char(';'));
        for (int r = 0; r < 30; ++r)
            expected += Leveraged + QString(16, QLatin1Char(';'));
        QCOMPARE(QString::fromUtf8(readBytes(file)), expected);
        QCOMPARE(w.InvestText(), expected);
    }

    void saveWorkedExample()
    {
        MainWindow w;
        kindBox(w)->setCurrentText(QStringLiteral("Cash voor cashflow"));
        const QStringList generator { "2021", "10000", "500", "5", "20000", "6" };
        for (int k = 1; k <= 6; ++k)
            wealthEdit(w, k)->setPlainText(generator.at(k - 1));
        setRow(w, 0, MonthlySaving, { "2020", "1000", "250" });
        setRow(w, 1, LeveragedProperty, { "2021", skip, skip, skip, skip, "200000", "1200", "2", "3", skip, "80", "2.5", "25" });
        // The limits do not bound what is saved.
        w.SetMaxJaren(10);
        w.SetMaxInvestment(5);

        const QString file = path("example.inv");
        QCOMPARE(saveAs(w, file), QStringList());
        QString expected = QStringLiteral("Cash voor cashflow;") + QStringLiteral("2021;10000;500;5;20000;6;")
            + QStringLiteral(";;;;") + QStringLiteral("Maandelijks sparen;2020;1000;250;;;;;;;;;;;;;")
            + QStringLiteral("Onderpand met hefboom;2021;;;;;200000;1200;2;3;;80;2.5;25;;;");
        for (int r = 2; r < 30; ++r)
            expected += QStringLiteral("Onderpand met hefboom;;;;;;;;;;;;;;;;");
        const QByteArray bytes = readBytes(file);
        QCOMPARE(QString::fromUtf8(bytes), expected);
        QCOMPARE(bytes.count(';'), 491);
        QVERIFY(!bytes.contains('\n'));
        QVERIFY(bytes.endsWith(';'));
    }

    void roundTripRestoresEveryText()
    {
        MainWindow typed;
        typePortfolio(typed);
        const QString file = path("roundtrip.inv");
        QCOMPARE(saveAs(typed, file), QStringList());

        MainWindow opened;
        setRow(opened, 0, CashForCashflow, { "2030", "1", "2", "3" }); // replaced by the file
        QSignalSpy comboIndexes(&opened, SIGNAL(SendItemToComboDelegate(int)));
        QCOMPARE(open(opened, file), QStringList());

        const WindowTexts want = texts(typed);
        const WindowTexts got = texts(opened);
        QCOMPARE(got.kind, want.kind);
        QCOMPARE(got.generator, want.generator);
        QCOMPARE(got.generator.at(0), QStringLiteral("11\nregel twee \u00e9\u20ac 11"));
        QCOMPARE(got.cells, want.cells);
        QCOMPARE(opened.InvestText(), typed.InvestText());

        // Every row is complete and projected again under its own type.
        QVERIFY(sameInputs(opened.store(), typed.store()));
        for (int r = 0; r < MaxRows; ++r) {
            QCOMPARE(opened.store().rowType(r), r % InvestmentTypeCount);
            QVERIFY(opened.store().block(r).projected);
        }
        QVERIFY(sameProjections(opened.store(), typed.store()));

        // One type index per row for the delegate.
        QCOMPARE(comboIndexes.count(), MaxRows);
        for (int r = 0; r < MaxRows; ++r)
            QCOMPARE(comboIndexes.at(r).at(0).toInt(), r % InvestmentTypeCount);
    }

    void cashRowProjectedUnderItsOwnType()
    {
        const QString file = path("cash.inv");
        QVERIFY(writeBytes(file,
            fileText(Leveraged, {},
                { { "Cash voor cashflow", "2020", "10000", "0", "5", "", "10000", "", "", "", "", "", "", "", "",
                    "6" } })
                .toUtf8()));
        MainWindow w;
        QCOMPARE(open(w, file), QStringList());
        const ProjectionBlock &block = w.store().block(0);
        QVERIFY(block.projected);
        // G = A × ((1 + R / 1200)^12 − 1), earned once a year during 5 years.
        const double g = 10000.0 * (std::pow(1.0 + 6.0 / 1200.0, 12.0) - 1.0);
        for (int y = 0; y < MaxYears; ++y) {
            const double *s = block.years[y].series;
            QCOMPARE(s[SerPropertyValue], 0.0);
            QCOMPARE(s[SerDebt], 0.0);
            QCOMPARE(s[SerMonthlyCosts], 0.0);
            QVERIFY(std::abs(s[SerCash] - (-10000.0 + g * std::min(y, 5))) < 1e-6);
        }
        // The year list is filled from the row's start year and the totals are shown.
        auto *years = find<QComboBox>(&w, "Situatie_Jaartal");
        QCOMPARE(years->count(), 31);
        QCOMPARE(years->currentText(), QStringLiteral("2020"));
        QCOMPARE(find<QLabel>(&w, "Totaal_Vastgoed")->text(), QStringLiteral("0"));
    }

    void unknownKindKeepsSelectionButFillsFields()
    {
        const QString file = path("kind.inv");
        QVERIFY(writeBytes(file, fileText("Bitcoin", { "a", "b", "c", "d", "e", "f", "g", "h", "i", "j" }, {}).toUtf8()));
        MainWindow w;
        kindBox(w)->setCurrentIndex(2);
        QCOMPARE(open(w, file), QStringList());
        QCOMPARE(kindBox(w)->currentIndex(), 2);
        QCOMPARE(kindBox(w)->currentText(), QStringLiteral("Cash voor cashflow"));
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(wealthEdit(w, k)->toPlainText(), QString(QChar('a' + k - 1)));
    }

    void cellTextsReadByTheCellRules()
    {
        // An unknown Type text is shown but counts as "Onderpand met hefboom"; "2,5" and
        // letters count as 0; an empty cell is empty.
        const QString file = path("cells.inv");
        QVERIFY(writeBytes(file,
            fileText(Leveraged, {},
                { { "Huis", "2020", "", "", "", "", "200000", "1000", "2,5", "abc", "", "80", "3", "20" } })
                .toUtf8()));
        MainWindow w;
        QCOMPARE(open(w, file), QStringList());
        QTableWidget *grid = inputGrid(w);
        QCOMPARE(cellText(grid, 0, 0), QStringLiteral("Huis"));
        QCOMPARE(cellText(grid, 0, 8), QStringLiteral("2,5"));
        QCOMPARE(cellText(grid, 0, 9), QStringLiteral("abc"));
        const InvestmentInput &in = w.store().input(0);
        QCOMPARE(w.store().rowType(0), int(LeveragedProperty));
        QCOMPARE(in.field[ColType], 0.0);
        QCOMPARE(in.field[ColRentIncrease], 0.0);
        QCOMPARE(in.field[ColValueIncrease], 0.0);
        QCOMPARE(in.field[ColLoanToValue], 80.0);
        QCOMPARE(in.field[ColLumpSum], -1.0);
        // Complete as a leveraged property: rent and value stay constant at 0 % growth.
        const ProjectionBlock &block = w.store().block(0);
        QVERIFY(block.projected);
        QCOMPARE(block.years[5].series[SerMonthlyIncome], 1000.0);
        QCOMPARE(block.years[5].series[SerPropertyValue], 200000.0);
    }

    void crLfAndByteOrderMark()
    {
        QString text = fileText(QStringLiteral("Onderpand zonder hefboom"), { "eerste\nregel", "2" },
            { { "Maandelijks sparen", "2020", "1000", "250" } });
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        const QString file = path("crlf-bom.inv");
        QVERIFY(writeBytes(file, QByteArray("\xef\xbb\xbf") + text.toUtf8()));
        MainWindow w;
        QCOMPARE(open(w, file), QStringList());
        QCOMPARE(kindBox(w)->currentText(), QStringLiteral("Onderpand zonder hefboom"));
        QCOMPARE(wealthEdit(w, 1)->toPlainText(), QStringLiteral("eerste\nregel"));
        QCOMPARE(cellText(inputGrid(w), 0, 0), QStringLiteral("Maandelijks sparen"));
        QVERIFY(w.store().block(0).projected);
        QCOMPARE(w.store().block(0).years[2].series[SerCash], 1000.0 + 12 * 250.0 * 2);
    }

    void tooFewFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("generator");
        const QString old = QStringLiteral("old");
        QTest::newRow("without final ';'")
            << "Cash voor cashflow;1;2" << QStringList { "1", old, old, old, old, old, old, old, old, old };
        QTest::newRow("with final ';'")
            << "Cash voor cashflow;1;2;" << QStringList { "1", "2", old, "", old, "", old, "", old, "" };
        QTest::newRow("empty file") << "" << QStringList { old, old, old, old, old, old, old, old, old, old };
    }

    void tooFewFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, generator);
        const QString file = path("short.inv");
        QVERIFY(writeBytes(file, text.toUtf8()));
        MainWindow w;
        for (int k = 1; k <= 10; ++k)
            wealthEdit(w, k)->setPlainText(QStringLiteral("old"));
        setRow(w, 3, MonthlySaving, { "2020", "1000", "250" });
        QCOMPARE(open(w, file), QStringList());
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(wealthEdit(w, k)->toPlainText(), generator.at(k - 1));
        QTableWidget *grid = inputGrid(w);
        for (int r = 0; r < MaxRows; ++r) {
            for (int c = 0; c < FieldCount; ++c)
                QCOMPARE(cellText(grid, r, c), QString()); // the Type cells too
            QCOMPARE(w.store().rowType(r), int(LeveragedProperty));
            QVERIFY(!w.store().block(r).projected);
        }
        // The rows are painted as "Onderpand met hefboom" rows.
        QCOMPARE(grid->item(3, ColLumpSum)->background().style(), Qt::Dense6Pattern);
        QCOMPARE(grid->item(3, ColPrice)->background().color(), QColor(204, 229, 255));
    }

    // A cancelled dialog changes nothing: not the grid, not the numbers, not the text.
    void cancelledOpenKeepsPortfolio()
    {
        MainWindow w;
        typePortfolio(w);
        const QString saved = path("before-cancel.inv");
        QCOMPARE(saveAs(w, saved), QStringList());
        setRow(w, 0, MonthlySaving, { "2001", "5", "6" }); // unsaved work
        const WindowTexts before = texts(w);
        MainWindow reference;
        typePortfolio(reference);
        setRow(reference, 0, MonthlySaving, { "2001", "5", "6" });

        QCOMPARE(open(w, QString()), QStringList());
        const WindowTexts after = texts(w);
        QCOMPARE(after.kind, before.kind);
        QCOMPARE(after.generator, before.generator);
        QCOMPARE(after.cells, before.cells);
        QVERIFY(sameInputs(w.store(), reference.store()));
        QVERIFY(sameProjections(w.store(), reference.store()));
        QCOMPARE(w.InvestText(), QString::fromUtf8(readBytes(saved)));
    }

    void unreadableFileKeepsPortfolio_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << path("missing.inv") << "No such file or directory";
        QTest::newRow("a directory") << m_dir.path() << "directory";
    }

    void unreadableFileKeepsPortfolio()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2001", "5", "6" });
        const WindowTexts before = texts(w);
        const QStringList seen = open(w, file);
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen.at(0).startsWith(QStringLiteral("Unable to open file|")), qPrintable(seen.at(0)));
        QVERIFY2(seen.at(0).contains(reason), qPrintable(seen.at(0)));
        QCOMPARE(texts(w).cells, before.cells);
        QCOMPARE(w.store().input(0).field[ColMonthlyDeposit], 6.0);
        QVERIFY(w.store().block(0).projected);
        QCOMPARE(w.InvestText(), QString());
    }

    void semicolonsWrittenAsCommas()
    {
        MainWindow typed;
        wealthEdit(typed, 1)->setPlainText(QStringLiteral("a;b"));
        wealthEdit(typed, 2)->setPlainText(QStringLiteral("next"));
        setRow(typed, 0, PropertyInFull, { "2020", skip, skip, skip, skip, "150;000", "800", "2", "2" });
        setRow(typed, 1, MonthlySaving, { "2020", "1000", "250" });
        const QString file = path("semicolon.inv");
        QCOMPARE(saveAs(typed, file), QStringList());
        const QByteArray bytes = readBytes(file);
        QCOMPARE(bytes.count(';'), 491);
        QVERIFY(bytes.contains("a,b;next;"));
        QVERIFY(bytes.contains(";150,000;800;"));

        MainWindow opened;
        QCOMPARE(open(opened, file), QStringList());
        QCOMPARE(wealthEdit(opened, 1)->toPlainText(), QStringLiteral("a,b"));
        QCOMPARE(wealthEdit(opened, 2)->toPlainText(), QStringLiteral("next"));
        QTableWidget *grid = inputGrid(opened);
        QCOMPARE(cellText(grid, 0, ColPrice), QStringLiteral("150,000"));
        QCOMPARE(cellText(grid, 0, ColRent), QStringLiteral("800"));
        QCOMPARE(cellText(grid, 1, ColType), QStringLiteral("Maandelijks sparen"));
        // Neither text is a number: the value is the same.
        QVERIFY(sameInputs(opened.store(), typed.store()));
        QVERIFY(sameProjections(opened.store(), typed.store()));
    }

    void rejectedStartYearStaysEmpty()
    {
        const QString file = path("years.inv");
        QVERIFY(writeBytes(file,
            fileText(Leveraged, {},
                { { "Maandelijks sparen", "2020", "1000", "250" }, { "Maandelijks sparen", "1800", "1", "2" },
                    { "Maandelijks sparen", "2020", "1", "2" }, { "Maandelijks sparen", "twintig", "1", "2" } })
                .toUtf8()));
        MainWindow w;
        // Rows from 2 on lie beyond the limit: opening twice leaves their shading unchanged the
        // second time, so nothing after the reader's own store touches their year field.
        w.SetMaxInvestment(2);
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(open(w, file), (QStringList { JaartalMessage, JaartalMessage }));
            QTableWidget *grid = inputGrid(w);
            for (int r : { 1, 3 }) {
                QCOMPARE(cellText(grid, r, ColStartYear), QString());
                QCOMPARE(w.store().input(r).field[ColStartYear], -1.0);
                QVERIFY(!w.store().isRowComplete(r));
                QVERIFY(!w.store().block(r).projected);
            }
            QVERIFY(w.store().block(0).projected);
            QCOMPARE(cellText(grid, 2, ColStartYear), QStringLiteral("2020"));
            QCOMPARE(w.store().input(2).field[ColStartYear], 2020.0);
        }
    }

    void dialogCaptionsAndFilters_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<int>("mode");
        const QStringList invest { "Invest(*.inv)", "All Files (*)" };
        QTest::newRow("save") << "actionSave_as" << "Save invest file" << invest << int(QFileDialog::AcceptSave);
        QTest::newRow("open") << "actionOpen" << "Open Invest File" << invest << int(QFileDialog::AcceptOpen);
        QTest::newRow("export") << "actionExport_CSV" << "Export CSV" << QStringList { "CSV(*.csv)", "All Files (*)" }
                                << int(QFileDialog::AcceptSave);
    }

    void dialogCaptionsAndFilters()
    {
        QFETCH(QString, action);
        QFETCH(QString, caption);
        QFETCH(QStringList, filters);
        QFETCH(int, mode);
        MainWindow w;
        setRow(w, 0, MonthlySaving, { "2020", "1000", "250" });
        const WindowTexts before = texts(w);
        QStringList seenCaptions;
        QStringList seenFilters;
        int seenMode = -1;
        QStringList others;
        QTimer timer;
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, [&]() {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                seenCaptions << dialog->windowTitle();
                seenFilters = dialog->nameFilters();
                seenMode = dialog->acceptMode();
                dialog->reject();
            } else {
                others << modal->windowTitle();
                modal->close();
            }
        });
        timer.start();
        find<QAction>(&w, action.toLatin1().constData())->trigger();
        timer.stop();
        QCOMPARE(seenCaptions, QStringList { caption });
        QCOMPARE(seenFilters, filters);
        QCOMPARE(seenMode, mode);
        QCOMPARE(others, QStringList()); // a cancel is silent
        QCOMPARE(texts(w).cells, before.cells);
        QVERIFY(w.store().block(0).projected);
    }
};

QTEST_MAIN(InvestFileTest)
#include "tst_investfile.moc"
