// Unsaved work kept for a crash: the recovery file follows the document, and work left
// behind is offered at the next start.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/RecoveryController.h"
#include "io/InvestFormat.h"
#include "io/RecoveryFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

using namespace testsupport;

namespace {

// Runs `action` while a timer answers every box by the button with this object name (or
// closes it); returns the "title|text" of each box.
QStringList answering(const QString &button, const std::function<void()> &action)
{
    QStringList seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen << box->windowTitle() + QLatin1Char('|') + box->text();
        if (auto *b = box->findChild<QAbstractButton *>(button))
            b->click();
        else
            box->close();
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

RecoveryRecord recordOf(const QString &path)
{
    RecoveryRecord record;
    QString error;
    if (!ReadRecoveryFile(path, &record, &error))
        record.investText = QStringLiteral("<unreadable: %1>").arg(error);
    return record;
}

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    void recoveryBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("taken");
        RecoveryRecord record;
        record.originalFile = QStringLiteral("/map met; spatie/plan\n.inv");
        record.written = QDateTime(QDate(2026, 12, 9), QTime(5, 40), Qt::UTC);
        record.investText = investFileText(QStringLiteral("Cash voor cashflow"), { "2021" }, {});
        const QByteArray good = RecoveryFileBytes(record);
        QTest::newRow("as written") << good << true;
        QTest::newRow("cut off in the text") << good.left(good.size() - record.investText.size() + 10) << false;
        QTest::newRow("cut off in the header") << good.left(20) << false;
        QTest::newRow("another format") << QByteArray(good).replace("herstelbestand 1", "herstelbestand 9") << false;
        QTest::newRow("a bad time") << QByteArray(good).replace("2026-12-09", "gisteren") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void recoveryBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, taken);
        RecoveryRecord read;
        QString error;
        QCOMPARE(ParseRecoveryFile(bytes, &read, &error), taken);
        QCOMPARE(error.isEmpty(), taken);
        if (taken) {
            QCOMPARE(read.originalFile, QStringLiteral("/map met; spatie/plan\n.inv"));
            QCOMPARE(read.written, QDateTime(QDate(2026, 12, 9), QTime(5, 40), Qt::UTC));
            QCOMPARE(read.investText, investFileText(QStringLiteral("Cash voor cashflow"), { "2021" }, {}));
        }
    }

    // Written while there are unsaved changes, gone once they are saved; never there for a
    // document that equals its file.
    void fileFollowsTheDocument()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString plan = folder.filePath(QStringLiteral("plan.inv"));
        MainWindow w;
        RecoveryController *recovery = w.Recovery();
        recovery->setFolder(folder.path());
        recovery->setDelay(0);
        setRow(w, 0, 3, { "2020", "1000", "250" });
        QTRY_VERIFY(!recovery->ownFile().isEmpty());
        recovery->flush();
        QVERIFY(QFile::exists(recovery->ownFile()));
        const RecoveryRecord record = recordOf(recovery->ownFile());
        QCOMPARE(record.originalFile, QString());
        QCOMPARE(record.investText, InvestTextFromFields(ParseInvestFields(record.investText)));
        QVERIFY(record.investText.contains(QStringLiteral("Maandelijks sparen;2020;1000;250;")));

        // Saved: the file goes. Undo makes the work unsaved again: it comes back.
        triggerWithFile(w, "actionSave_as", plan);
        recovery->flush();
        QVERIFY(!QFile::exists(recovery->ownFile()));
        w.UndoStack()->undo();
        QTest::qWait(20);
        recovery->flush();
        QVERIFY(QFile::exists(recovery->ownFile()));
        QCOMPARE(recordOf(recovery->ownFile()).originalFile, plan);
        // Back at the saved step: gone again.
        w.UndoStack()->redo();
        recovery->flush();
        QVERIFY(!QFile::exists(recovery->ownFile()));
    }

    // What a crashed program left is offered once: "Herstellen" shows it as unsaved work under
    // its own file name, "Verwerpen" deletes it, a damaged file is refused and deleted. The
    // file of a program that still runs (its lock is held) is left alone.
    void leftWorkIsOffered_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("kind");
        QTest::newRow("restore") << "herstellen" << "good";
        QTest::newRow("discard") << "verwerpen" << "good";
        QTest::newRow("damaged") << "" << "damaged";
        QTest::newRow("another program's") << "herstellen" << "locked";
    }

    void leftWorkIsOffered()
    {
        QFETCH(QString, answer);
        QFETCH(QString, kind);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString left = QDir(folder.path()).filePath(QStringLiteral("herstel-99999-0badcafe.qvherstel"));
        RecoveryRecord record;
        record.originalFile = QStringLiteral("/ergens/plan.inv");
        record.written = QDateTime(QDate(2026, 12, 8), QTime(14, 5));
        record.investText = investFileText(QStringLiteral("Onderpand met hefboom"), {},
            { QStringList(), { "Maandelijks sparen", "2020", "1000", "250" } });
        QByteArray bytes = RecoveryFileBytes(record);
        if (kind == QLatin1String("damaged"))
            bytes.truncate(30);
        QVERIFY(writeBytes(left, bytes));
        QLockFile running(RecoveryLockName(left));
        running.setStaleLockTime(0);
        if (kind == QLatin1String("locked"))
            QVERIFY(running.tryLock(0));

        MainWindow w;
        w.Recovery()->setFolder(folder.path());
        bool restored = false;
        const QStringList seen = answering(answer, [&]() { restored = w.Recovery()->offerLeftWork(); });
        QCOMPARE(restored, answer == QLatin1String("herstellen") && kind == QLatin1String("good"));
        if (kind == QLatin1String("locked")) {
            QCOMPARE(seen, QStringList());
            QVERIFY(QFile::exists(left));
            return;
        }
        QCOMPARE(seen.size(), 1);
        if (kind == QLatin1String("damaged"))
            QVERIFY2(seen.at(0).startsWith(QStringLiteral("Unable to open file|")), qPrintable(seen.at(0)));
        else
            QCOMPARE(seen.at(0), QStringLiteral("Quorvant|Er is niet-opgeslagen werk van 8 december 2026 14:05 gevonden (plan.inv)."));
        QVERIFY(!QFile::exists(left));
        if (restored) {
            QCOMPARE(cellText(inputGrid(w), 1, 2), QStringLiteral("1000"));
            QVERIFY(w.store().block(1).projected);
            QVERIFY(w.isWindowModified());
            QCOMPARE(w.CurrentFile(), record.originalFile);
        } else {
            QCOMPARE(cellText(inputGrid(w), 1, 2), QString());
            QVERIFY(!w.isWindowModified());
        }
        // Nothing is asked a second time.
        QCOMPARE(answering(answer, [&]() { w.Recovery()->offerLeftWork(); }), QStringList());
    }
};

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
