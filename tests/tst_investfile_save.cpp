// Saves that cannot succeed: each is reported in "Unable to save file" with the system's
// reason, and an existing file keeps its content. A cancelled dialog stays silent.
//
// The tests may run with root privileges, which ignore directory permissions. The
// permission case then cannot fail and is skipped; the directory /sys (which refuses new
// files to everyone), a path below a regular file, /dev/full and a file-size limit
// (RLIMIT_FSIZE, which binds root too) fail for every user.

#include "TestSupport.h"

#include "app/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace testsupport;

namespace {

const QByteArray OldContent("old content, must survive");

QStringList trigger(MainWindow &w, const char *action, const QString &target)
{
    w.setSaveFileNameProvider([target]() { return target; });
    QAction *a = find<QAction>(&w, action);
    if (!a)
        return { QStringLiteral("<no action>") };
    return closingModals([a]() { a->trigger(); });
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

// Whether this process can create a file in `dir` (and removes what it created).
bool canCreateIn(const QString &dir)
{
    QFile probe(QDir(dir).filePath(QStringLiteral(".quorvant-probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

bool isCharacterDevice(const char *path)
{
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISCHR(info.st_mode);
}

void expectSaveFailure(const QStringList &seen, const QString &reason)
{
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen.at(0).startsWith(QStringLiteral("Unable to save file|")), qPrintable(seen.at(0)));
    const QString text = seen.at(0).mid(seen.at(0).indexOf(QLatin1Char('|')) + 1);
    QVERIFY2(!text.trimmed().isEmpty(), "the message names the reason");
    QVERIFY2(text.contains(reason, Qt::CaseInsensitive), qPrintable(text));
}

// Lowers the file-size limit of this process for as long as it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_ok = ::getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        m_handler = std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails with EFBIG
        struct rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_ok = m_ok && ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    bool ok() const { return m_ok; }

private:
    struct rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

class InvestFileSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }

    void cancelledSaveIsSilent()
    {
        MainWindow w;
        setRow(w, 0, 3, { "2020", "1000", "250" });
        QCOMPARE(trigger(w, "actionSave_as", QString()), QStringList());
        QCOMPARE(trigger(w, "actionExport_CSV", QString()), QStringList());
        // The text is built before the dialog asks, cancel or not.
        QVERIFY(w.InvestText().startsWith(QStringLiteral("Onderpand met hefboom;;;;;;;;;;;Maandelijks sparen;2020;1000;250;")));
    }

    void failedSaveReported_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("kind");
        QTest::newRow("save: below a regular file") << "actionSave_as" << "below file";
        QTest::newRow("save: directory without write permission") << "actionSave_as" << "read-only dir";
        QTest::newRow("save: /sys") << "actionSave_as" << "sys";
        QTest::newRow("save: /dev/full") << "actionSave_as" << "full";
        QTest::newRow("export: below a regular file") << "actionExport_CSV" << "below file";
        QTest::newRow("export: /dev/full") << "actionExport_CSV" << "full";
    }

    void failedSaveReported()
    {
        QFETCH(QString, action);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString target;
        QString oldFile;
        QString reason;
        if (kind == QLatin1String("below file")) {
            const QString plain = dir.filePath(QStringLiteral("plain"));
            QVERIFY(writeBytes(plain, OldContent));
            target = plain + QStringLiteral("/portfolio.inv");
            oldFile = plain;
            reason = QStringLiteral("Not a directory");
        } else if (kind == QLatin1String("read-only dir")) {
            const QString locked = dir.filePath(QStringLiteral("locked"));
            QVERIFY(QDir().mkdir(locked));
            oldFile = locked + QStringLiteral("/portfolio.inv");
            QVERIFY(writeBytes(oldFile, OldContent));
            QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            if (canCreateIn(locked)) {
                QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
                QSKIP("this user may create files in a read-only directory (root); the /sys row covers it");
            }
            target = oldFile;
            reason = QStringLiteral("denied");
        } else if (kind == QLatin1String("sys")) {
            if (!QFileInfo(QStringLiteral("/sys")).isDir() || canCreateIn(QStringLiteral("/sys")))
                QSKIP("no /sys that refuses new files here");
            target = QStringLiteral("/sys/quorvant-test.inv");
        } else {
            if (!isCharacterDevice("/dev/full"))
                QSKIP("no /dev/full here");
            target = QStringLiteral("/dev/full");
            reason = QStringLiteral("No space left on device");
        }

        MainWindow w;
        setRow(w, 0, 3, { "2020", "1000", "250" });
        expectSaveFailure(trigger(w, action.toLatin1().constData(), target), reason);
        if (!oldFile.isEmpty())
            QCOMPARE(readBytes(oldFile), OldContent);
        if (kind == QLatin1String("read-only dir")) {
            const QString locked = QFileInfo(oldFile).path();
            QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList { "portfolio.inv" });
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        // The device is written in place, never replaced by a regular file.
        if (kind == QLatin1String("full"))
            QVERIFY(isCharacterDevice("/dev/full"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/sys/quorvant-test.inv")));
    }

    // A write that fails half-way (the file-size limit is hit after 100 bytes) leaves the
    // existing file exactly as it was and no temporary file behind.
    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("portfolio.inv"));
        QVERIFY(writeBytes(file, OldContent));
        MainWindow w;
        setRow(w, 0, 3, { "2020", "1000", "250" });
        QStringList seen;
        {
            FileSizeLimit limit(100);
            QVERIFY(limit.ok());
            seen = trigger(w, "actionSave_as", file);
        }
        expectSaveFailure(seen, QStringLiteral("too large"));
        QCOMPARE(readBytes(file), OldContent);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "portfolio.inv" });

        // Without the limit the same save replaces the file.
        QCOMPARE(trigger(w, "actionSave_as", file), QStringList());
        QCOMPARE(QString::fromUtf8(readBytes(file)), w.InvestText());
        QCOMPARE(readBytes(file).count(';'), 491);
    }
};

QTEST_MAIN(InvestFileSaveTest)
#include "tst_investfile_save.moc"
