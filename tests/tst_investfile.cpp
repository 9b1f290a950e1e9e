// Saving and opening investment files in the main window: the text a save writes, what an
// open restores and projects, malformed files, and what a cancelled or failed open leaves.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "grid/ColumnCatalogue.h"
#include "io/InvestFormat.h"
#include "model/ColumnUsage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QUndoStack>
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

// Everything the user can see or type that a file holds, for comparisons: the kind, the
// ten generator fields, then every cell row by row.
QStringList texts(MainWindow &w)
{
    QStringList t { kindBox(w)->currentText() };
    for (int k = 1; k <= 10; ++k)
        t << wealthEdit(w, k)->toPlainText();
    QTableWidget *grid = inputGrid(w);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c)
            t << cellText(grid, r, c);
    }
    return t;
}

bool same(double x, double y)
{
    return x == y || (std::isnan(x) && std::isnan(y));
}

// The same inputs, row types and projections in both stores.
bool sameNumbers(const InvestmentStore &a, const InvestmentStore &b)
{
    for (int r = 0; r < MaxRows; ++r) {
        if (a.rowType(r) != b.rowType(r) || a.block(r).projected != b.block(r).projected)
            return false;
        for (int c = 0; c < FieldCount; ++c) {
            if (!same(a.input(r).field[c], b.input(r).field[c]))
                return false;
        }
        for (int y = 0; y < MaxYears; ++y) {
            for (int k = 0; k < SeriesCount; ++k) {
                if (!same(a.block(r).years[y].series[k], b.block(r).years[y].series[k]))
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

    void savedText_data()
    {
        QTest::addColumn<bool>("example");
        QTest::addColumn<QString>("expected");
        QString startup = Leveraged + QString(11, QLatin1Char(';'));
        for (int r = 0; r < 30; ++r)
            startup += Leveraged + QString(16, QLatin1Char(';'));
        QTest::newRow("right after start-up") << false << startup;
        QString example = QStringLiteral("Cash voor cashflow;2021;10000;500;5;20000;6;;;;;"
                                         "Maandelijks sparen;2020;1000;250;;;;;;;;;;;;;"
                                         "Onderpand met hefboom;2021;;;;;200000;1200;2;3;;80;2.5;25;;;");
        for (int r = 2; r < 30; ++r)
            example += QStringLiteral("Onderpand met hefboom;;;;;;;;;;;;;;;;");
        QTest::newRow("worked example") << true << example;
    }

    void savedText()
    {
        QFETCH(bool, example);
        QFETCH(QString, expected);
        MainWindow w;
        if (example) {
            kindBox(w)->setCurrentText(QStringLiteral("Cash voor cashflow"));
            const QStringList generator { "2021", "10000", "500", "5", "20000", "6" };
            for (int k = 1; k <= 6; ++k)
                wealthEdit(w, k)->setPlainText(generator.at(k - 1));
            setRow(w, 0, MonthlySaving, { "2020", "1000", "250" });
            setRow(w, 1, LeveragedProperty,
                { "2021", skip, skip, skip, skip, "200000", "1200", "2", "3", skip, "80", "2.5", "25" });
            // The limits do not bound what is saved.
            w.SetMaxJaren(10);
            w.SetMaxInvestment(5);
        }
        const QString file = path("saved.inv");
        QCOMPARE(triggerWithFile(w, "actionSave_as", file), QStringList());
        const QByteArray bytes = readBytes(file);
        QCOMPARE(QString::fromUtf8(bytes), expected);
        QCOMPARE(bytes.count(';'), 491);
        QCOMPARE(w.InvestText(), expected);
    }

    // Every text comes back, except that a ';' typed into a field is written as ',' so that no
    // later field moves; neither text is a number, so every value stays the same.
    void storedTextsAreReadAsBeforeAndMarked()
    {
        const QString file = path("dutch.inv");
        const QByteArray bytes = investFileText(Leveraged, {},
            { { "Onderpand zonder hefboom", "2020", "", "", "", "", "250.000", "abc", "2", "3,5" } })
                                     .toUtf8();
        QVERIFY(writeBytes(file, bytes));
        MainWindow w;
        QCOMPARE(triggerWithFile(w, "actionOpen", file), QStringList());
        QTableWidget *grid = inputGrid(w);
        // A file is read exactly as before: no normalising of what it stores.
        QCOMPARE(cellText(grid, 0, 6), QStringLiteral("250.000"));
        QCOMPARE(w.store().input(0).field[6], 250.0);
        QCOMPARE(w.store().input(0).field[9], 0.0);
        // What is no number is marked as a typed entry is.
        QVERIFY(!grid->item(0, 7)->toolTip().isEmpty());
        QVERIFY(!grid->item(0, 9)->toolTip().isEmpty());
        QVERIFY(grid->item(0, 6)->toolTip().isEmpty());
        const QString saved = path("dutch-saved.inv");
        triggerWithFile(w, "actionSave_as", saved);
        QCOMPARE(readBytes(saved), bytes);
    }

    void roundTripRestoresEveryText()
    {
        MainWindow typed;
        typePortfolio(typed);
        wealthEdit(typed, 1)->setPlainText(QStringLiteral("a;b\nregel twee \u00e9\u20ac"));
        setCell(typed, 0, ColPrice, QStringLiteral("150;000"));
        const QString file = path("roundtrip.inv");
        QCOMPARE(triggerWithFile(typed, "actionSave_as", file), QStringList());
        const QByteArray bytes = readBytes(file);
        QCOMPARE(bytes.count(';'), 491);
        QVERIFY(bytes.contains(";150,000;"));

        MainWindow opened;
        setRow(opened, 0, CashForCashflow, { "2030", "1", "2", "3" }); // replaced by the file
        QSignalSpy comboIndexes(&opened, SIGNAL(SendItemToComboDelegate(int)));
        QCOMPARE(triggerWithFile(opened, "actionOpen", file), QStringList());

        const QStringList got = texts(opened);
        QCOMPARE(got, texts(typed).replaceInStrings(QStringLiteral(";"), QStringLiteral(",")));
        QCOMPARE(got.at(0), QStringLiteral("Onderpand zonder hefboom"));
        QCOMPARE(got.at(1), QStringLiteral("a,b\nregel twee \u00e9\u20ac"));
        QCOMPARE(got.at(2), QStringLiteral("22\nregel twee \u00e9\u20ac 22"));
        QCOMPARE(cellText(inputGrid(opened), 0, ColPrice), QStringLiteral("150,000"));
        QCOMPARE(opened.InvestText(), typed.InvestText());

        // Every row is complete and projected again under its own type.
        for (int r = 0; r < MaxRows; ++r) {
            QCOMPARE(opened.store().rowType(r), r % InvestmentTypeCount);
            QVERIFY(opened.store().block(r).projected);
        }
        QVERIFY(sameNumbers(opened.store(), typed.store()));
        // One type index per row for the delegate.
        QCOMPARE(comboIndexes.count(), MaxRows);
        for (int r = 0; r < MaxRows; ++r)
            QCOMPARE(comboIndexes.at(r).at(0).toInt(), r % InvestmentTypeCount);

        // The year list is filled again from the earliest start year, and the totals shown.
        auto *years = find<QComboBox>(&opened, "Situatie_Jaartal");
        QCOMPARE(years->count(), 31);
        QCOMPARE(years->itemText(0), QStringLiteral("2000"));
        QCOMPARE(years->currentText(), find<QComboBox>(&typed, "Situatie_Jaartal")->currentText());
        for (const char *label : { "Totaal_Vastgoed", "Totaal_Nettowaarde" }) {
            QVERIFY(!find<QLabel>(&opened, label)->text().isEmpty());
            QCOMPARE(find<QLabel>(&opened, label)->text(), find<QLabel>(&typed, label)->text());
        }
    }

    // An unknown kind leaves the selection alone but fills the fields; a byte-order mark and
    // CR LF line ends are read through. An unknown Type text is shown but counts as
    // "Onderpand met hefboom"; "2,5" and letters count as 0; an empty cell is empty.
    void unusualFileTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("bomAndCrLf");
        QTest::addColumn<QString>("shownKind");
        QTest::newRow("unknown kind") << "Bitcoin" << false << "Cash voor cashflow";
        QTest::newRow("BOM and CR LF") << "Onderpand zonder hefboom" << true << "Onderpand zonder hefboom";
    }

    void unusualFileTexts()
    {
        QFETCH(QString, kind);
        QFETCH(bool, bomAndCrLf);
        QFETCH(QString, shownKind);
        const QStringList generator { "eerste\nregel", "b", "c", "d", "e", "f", "g", "h", "i", "j" };
        QString text = investFileText(kind, generator,
            { { "Huis", "2020", "", "", "", "", "200000", "1000", "2,5", "abc", "", "80", "3", "20" } });
        QByteArray bytes = text.toUtf8();
        if (bomAndCrLf)
            bytes = QByteArray("\xef\xbb\xbf") + text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8();
        const QString file = path("unusual.inv");
        QVERIFY(writeBytes(file, bytes));
        MainWindow w;
        kindBox(w)->setCurrentIndex(2);
        QCOMPARE(triggerWithFile(w, "actionOpen", file), QStringList());
        QCOMPARE(kindBox(w)->currentText(), shownKind);
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(wealthEdit(w, k)->toPlainText(), generator.at(k - 1));

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

    void notAnInvestmentFileIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one line of words") << QByteArray("Dit is een boodschappenlijst\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("commas only") << QByteArray("a,b,c\n1,2,3\n");
    }

    void notAnInvestmentFileIsRefused()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path("lijst.inv");
        QVERIFY(writeBytes(file, bytes));
        MainWindow w;
        setRow(w, 3, MonthlySaving, { "2020", "1000", "250" });
        const QStringList seen = triggerWithFile(w, "actionOpen", file);
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen.at(0).startsWith(QStringLiteral("Unable to open file|")) && seen.at(0).contains(QStringLiteral("lijst.inv"))
                && seen.at(0).contains(QStringLiteral("geen investeringsbestand")),
            qPrintable(seen.at(0)));
        // The portfolio on screen is untouched.
        QCOMPARE(cellText(inputGrid(w), 3, 0), QStringLiteral("Maandelijks sparen"));
        QCOMPARE(cellText(inputGrid(w), 3, 2), QStringLiteral("1000"));
        QVERIFY(w.store().block(3).projected);
        QVERIFY(w.CurrentFile().isEmpty());
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
        // Shown as far as it goes, with a word that it is cut off, and counted as changed.
        const int fields = text.count(QLatin1Char(';'));
        QCOMPARE(triggerWithFile(w, "actionOpen", file),
            QStringList { "Quorvant|" + IncompleteInvestFileText(QStringLiteral("short.inv"), fields) });
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.CurrentFile(), file);
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

    // A cancelled dialog or a file that cannot be read changes nothing: not the grid, not the
    // numbers, not the text.
    void failedOpenKeepsPortfolio_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason"); // empty: no message at all
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("missing") << path("missing.inv") << "No such file or directory";
        QTest::newRow("a directory") << m_dir.path() << "Geen gewoon bestand";
    }

    void failedOpenKeepsPortfolio()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        MainWindow w;
        typePortfolio(w);
        const QString saved = path("before-open.inv");
        QCOMPARE(triggerWithFile(w, "actionSave_as", saved), QStringList());
        setRow(w, 0, MonthlySaving, { "2001", "5", "6" }); // unsaved work
        const QStringList before = texts(w);
        MainWindow reference;
        typePortfolio(reference);
        setRow(reference, 0, MonthlySaving, { "2001", "5", "6" });

        const QStringList seen = triggerWithFile(w, "actionOpen", file);
        if (reason.isEmpty()) {
            QCOMPARE(seen, QStringList());
        } else {
            QCOMPARE(seen.size(), 1);
            QVERIFY2(seen.at(0).startsWith(QStringLiteral("Unable to open file|")), qPrintable(seen.at(0)));
            QVERIFY2(seen.at(0).contains(reason), qPrintable(seen.at(0)));
        }
        QCOMPARE(texts(w), before);
        QCOMPARE(w.store().input(0).field[ColMonthlyDeposit], 6.0);
        QVERIFY(w.store().block(0).projected);
        QVERIFY(sameNumbers(w.store(), reference.store()));
        QCOMPARE(w.InvestText(), QString::fromUtf8(readBytes(saved)));
    }

    void rejectedStartYearStaysEmpty()
    {
        const QString file = path("years.inv");
        QVERIFY(writeBytes(file,
            investFileText(Leveraged, {},
                { { "Maandelijks sparen", "2020", "1000", "250" }, { "Maandelijks sparen", "1800", "1", "2" },
                    { "Maandelijks sparen", "2020", "1", "2" }, { "Maandelijks sparen", "twintig", "1", "2" } })
                .toUtf8()));
        MainWindow w;
        // Rows from 2 on lie beyond the limit: opening twice leaves their shading unchanged the
        // second time, so nothing after the reader's own store touches their year field.
        w.SetMaxInvestment(2);
        for (int pass = 0; pass < 2; ++pass) {
            // One message for the file, naming the rows whose year was refused.
            QCOMPARE(triggerWithFile(w, "actionOpen", file),
                QStringList { JaartalMessage + QStringLiteral("\n\nHet jaartal van de rijen 2, 4 is leeg gelaten.") });
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
        w.UndoStack()->setClean(); // as if just saved: Open asks nothing first
        const QStringList before = texts(w);
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
        QCOMPARE(texts(w), before);
        QVERIFY(w.store().block(0).projected);
    }
};

QTEST_MAIN(InvestFileTest)
#include "tst_investfile.moc"
