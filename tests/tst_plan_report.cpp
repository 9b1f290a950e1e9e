// The plan report (rich text, PDF, "quorvant --report") and the year overview window, against
// the exporter's totals, for the leveraged generator run of the manual.

#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/PlanReport.h"
#include "app/PlanViews.h"
#include "app/YearOverviewWindow.h"
#include "model/InvestmentInput.h"
#include "model/DutchFormat.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

namespace {

const QString Exporter = QStringLiteral(QUORVANT_BINARY_DIR "/quorvant-export");
const QString Program = QStringLiteral(QUORVANT_BINARY_DIR "/quorvant");

struct Run
{
    int exitCode = -1;
    QByteArray out, err;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// The exporter's year and net worth per year.
QVector<QPair<int, double>> exportedNetWorth(const QString &file)
{
    QVector<QPair<int, double>> years;
    const QStringList lines = QString::fromUtf8(run(Exporter, { "--totals", file }).out).split('\n', Qt::SkipEmptyParts);
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(',');
        years.append({ fields.first().toInt(), fields.last().toDouble() });
    }
    return years;
}

bool sameAtShownPrecision(const QString &shown, double exported)
{
    const TypedNumber read = ReadTypedNumber(shown, NumberKind::Amount);
    const double unit = shown.contains(',') ? 0.01 : 1.0;
    return read.ok() && std::abs(read.value - exported) <= unit / 2 + 1e-9 * std::abs(exported);
}

// The net worth the report's year table shows for `year`: the tenth cell of its row (the table's
// cells are one line each in plain text).
QString reportedNetWorth(const QStringList &lines, int year)
{
    const int start = lines.indexOf(QStringLiteral("Jaaroverzicht"));
    const int row = start < 0 ? -1 : lines.indexOf(QString::number(year), start);
    return row < 0 ? QString() : lines.value(row + 9);
}

} // namespace

class TestPlanReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        testsupport::initResources();
        QVERIFY2(QFile::exists(Exporter) && QFile::exists(Program), "build quorvant and quorvant-export first");
        QVERIFY(dir.isValid());
        // The window remembers the inflation and spending typed below: this test has a
        // settings folder of its own (tests/CMakeLists.txt), so nothing reaches the others.
        QVERIFY(qEnvironmentVariable("XDG_CONFIG_HOME").endsWith(QLatin1String("test-config-plan-report")));
        ProgramSettings().clear();
        // The leveraged generator run of the manual, saved as the user saves it.
        file = dir.filePath(QStringLiteral("leveraged-generator.inv"));
        MainWindow w;
        const QStringList panel { "2020", "50000", "1000", "200000", "1000", "0", "0", "80", "0", "20" };
        for (int k = 1; k <= 10; ++k)
            w.findChild<QTextEdit *>(QStringLiteral("wealth_edit%1").arg(k))->setPlainText(panel.at(k - 1));
        w.findChild<QLineEdit *>(QStringLiteral("Inflatie"))->setText(QStringLiteral("2"));
        w.findChild<QLineEdit *>(QStringLiteral("MaandelijkseUitgaven"))->setText(QStringLiteral("3000"));
        testsupport::closingModals([&w]() { w.findChild<QPushButton *>(QStringLiteral("GoGoGo"))->click(); });
        QCOMPARE(testsupport::triggerWithFile(w, "actionSave_as", file), QStringList());
        QVERIFY(w.store().projectedRowCount() > 5);
        bytes = testsupport::readBytes(file);
        exported = exportedNetWorth(file);
        QCOMPARE(exported.size(), MaxYears);
    }

    // Every year, its net worth as the exporter has it, the hash of the file and the seed.
    void reportText()
    {
        const PlanReport report(stateOfFile());
        const QStringList lines = report.document()->toPlainText().split(QChar::ParagraphSeparator).join('\n').split('\n');
        for (const auto &year : exported) {
            const QString shown = reportedNetWorth(lines, year.first);
            QVERIFY2(sameAtShownPrecision(shown, year.second), qPrintable(QStringLiteral("%1: %2").arg(year.first).arg(shown)));
        }
        const QString text = lines.join('\n');
        QVERIFY(text.contains(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
        QVERIFY(text.contains(QStringLiteral("Seed: %1").arg(PathSettings::DefaultSeed)));
        QVERIFY(text.contains(QStringLiteral("Aantal paden: %1").arg(PathSettings::DefaultPaths)));
        QVERIFY(text.contains(QStringLiteral("Met deze portefeuille is de maandelijkse cashflow in ")));
        QVERIFY(text.contains(QStringLiteral("Wealth Generator: Onderpand met hefboom")));
        QVERIFY(text.contains(QStringLiteral("Rij 1 \u2013 Maandelijks sparen")));
    }

    void onlyTheDateDiffers()
    {
        const QStringList first = PlanReport(stateOfFile(), QDate(2026, 12, 9)).document()->toPlainText().split('\n');
        const QStringList second = PlanReport(stateOfFile(), QDate(2027, 1, 2)).document()->toPlainText().split('\n');
        QCOMPARE(first.size(), second.size());
        QStringList differing;
        for (int i = 0; i < first.size(); ++i) {
            if (first.at(i) != second.at(i))
                differing << first.at(i) + " | " + second.at(i);
        }
        QCOMPARE(differing, QStringList { "Datum: 9 december 2026 | Datum: 2 januari 2027" });
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString out = dir.filePath(QStringLiteral("plan.pdf"));
        QTest::newRow("written") << QStringList { "--report", out, file } << 0 << QString();
        QTest::newRow("no file") << QStringList { "--report", out, "/no/such/plan.inv" } << 1
                                 << "quorvant: /no/such/plan.inv kan niet worden gelezen";
        QTest::newRow("no output") << QStringList { "--report", file } << 1 << "quorvant: gebruik: quorvant --report";
        QTest::newRow("unwritable") << QStringList { "--report", "/no/such/dir/plan.pdf", file } << 1
                                    << "quorvant: het rapport kan niet worden geschreven naar /no/such/dir/plan.pdf";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        if (exitCode == 0)
            QFile::remove(arguments.at(1));
        const Run result = run(Program, arguments);
        QCOMPARE(result.exitCode, exitCode);
        // (Qt may add a line of its own about the session.)
        const QStringList errors = QString::fromLocal8Bit(result.err).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(message.isEmpty() ? !errors.join('\n').contains(QStringLiteral("quorvant:"))
                                   : !errors.filter(QRegularExpression('^' + QRegularExpression::escape(message))).isEmpty(),
            result.err.constData());
        if (exitCode != 0)
            return;
        const QByteArray pdf = testsupport::readBytes(arguments.at(1));
        QVERIFY(pdf.startsWith("%PDF"));
        // A4 in points; pdfinfo and pdftotext, where installed, see what a reader sees.
        QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return;
        const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), { arguments.at(1) }).out);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(A4\\)"))), qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+([3-9]|\\d\\d)"))));
        const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), { "-layout", arguments.at(1), "-" }).out);
        for (const auto &year : exported) {
            const QRegularExpression row(QStringLiteral("^\\s*%1\\s.*\\s(\\S+)\\s*$").arg(year.first), QRegularExpression::MultilineOption);
            const QString shown = row.match(text).captured(1);
            QVERIFY2(sameAtShownPrecision(shown, year.second), qPrintable(QStringLiteral("%1: %2").arg(year.first).arg(shown)));
        }
        QVERIFY(text.contains(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())));
    }

    // The overview follows the chosen year both ways and copies numbers a spreadsheet reads.
    void overviewWindow()
    {
        MainWindow w;
        QVERIFY(w.OpenFile(file));
        testsupport::find<QPushButton>(&w, "JaaroverzichtKnop")->click();
        auto *overview = w.findChild<YearOverviewWindow *>();
        QVERIFY(overview && overview->isVisible());
        auto *table = testsupport::find<QTableWidget>(overview, "JaaroverzichtTabel");
        QCOMPARE(table->rowCount(), MaxYears);

        auto *years = testsupport::find<QComboBox>(&w, "Situatie_Jaartal");
        table->setCurrentCell(5, 3);
        QCOMPARE(years->currentText(), QStringLiteral("2025"));
        years->setCurrentIndex(12);
        QCoreApplication::processEvents();
        QVERIFY(table->item(12, 0)->font().bold());
        QVERIFY(!table->item(5, 0)->font().bold());

        table->clearSelection();
        const QStringList lines = overview->selectionText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + MaxYears);
        const int netWorth = lines.first().split('\t').indexOf(QStringLiteral("Nettowaarde"));
        for (int y = 0; y < MaxYears; ++y) {
            const QStringList cells = lines.at(1 + y).split('\t');
            QCOMPARE(cells.first().toInt(), exported.at(y).first);
            QVERIFY(!cells.at(netWorth).contains('.'));
            QVERIFY(sameAtShownPrecision(cells.at(netWorth), exported.at(y).second));
        }

        auto *view = testsupport::find<QComboBox>(overview, "JaaroverzichtWeergave");
        QCOMPARE(view->count(), 1 + w.store().projectedRowCount());
        view->setCurrentIndex(1);
        QCOMPARE(table->horizontalHeaderItem(9)->text(), QStringLiteral("ROI(%)"));
    }

    void reportFromTheMenu()
    {
        MainWindow w;
        QVERIFY(w.OpenFile(file));
        const QString pdf = dir.filePath(QStringLiteral("menu"));
        QString suggested;
        w.findChild<PlanViews *>()->setReportFileNameProvider([&](const QString &name) {
            suggested = name;
            return pdf;
        });
        testsupport::find<QAction>(&w, "actionRapport")->trigger();
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("leveraged-generator.pdf"));
        QVERIFY(testsupport::readBytes(pdf + ".pdf").startsWith("%PDF"));

        // A report of unsaved changes says that its hash is not the file's.
        testsupport::setCell(w, 1, ColPrice, QStringLiteral("210000"));
        const QString changed = dir.filePath(QStringLiteral("changed.pdf"));
        w.findChild<PlanViews *>()->setReportFileNameProvider([&](const QString &) { return changed; });
        testsupport::find<QAction>(&w, "actionRapport")->trigger();
        QVERIFY(testsupport::readBytes(changed).startsWith("%PDF"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        const QString unsaved = QStringLiteral("wijzigingen die nog niet zijn opgeslagen");
        QVERIFY(!QString::fromUtf8(run(QStringLiteral("pdftotext"), { pdf + ".pdf", "-" }).out).simplified().contains(unsaved));
        QVERIFY(QString::fromUtf8(run(QStringLiteral("pdftotext"), { changed, "-" }).out).simplified().contains(unsaved));
    }

private:
    PlanState stateOfFile() const
    {
        PlanState state;
        state.inflationPercent = 2.0;
        state.monthlySpending = 3000.0;
        state.fileName = file;
        state.portfolioText = QString::fromUtf8(bytes);
        return state;
    }

    QTemporaryDir dir;
    QString file;
    QByteArray bytes;
    QVector<QPair<int, double>> exported;
};

QTEST_MAIN(TestPlanReport)
#include "tst_plan_report.moc"
