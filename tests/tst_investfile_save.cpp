// Saves that cannot succeed: each is reported in "Unable to save file" with the system's
// reason, and an existing file keeps its content. A cancelled dialog stays silent.
//
// The tests may run with root privileges, which ignore directory permissions. The
// permission case then cannot fail and is skipped; the directory /sys (which refuses new
// files to everyone), a path below a regular file, /dev/full and a file-size limit
// (RLIMIT_FSIZE, which binds root too) fail for every user.

#include "TestSupport.h"

#include "app/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace testsupport;

namespace {

const QByteArray OldContent("old content, must survive");

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
        QCOMPARE(triggerWithFile(w, "actionSave_as", QString()), QStringList());
        QCOMPARE(triggerWithFile(w, "actionExport_CSV", QString()), QStringList());
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
        // The file-size limit is hit after 100 bytes: the write fails half-way.
        QTest::newRow("save: file-size limit") << "actionSave_as" << "size limit";
        QTest::newRow("export: below a regular file") << "actionExport_CSV" << "below file";
        QTest::newRow("export: /dev/full") << "actionExport_CSV" << "full";
    }

    void failedSaveReported()
    {
        QFETCH(QString, action);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QFileDevice::Permissions writable
            = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QString target;
        QString oldFile; // an existing file that must keep its content, alone in its directory
        QString reason;
        if (kind == QLatin1String("below file")) {
            oldFile = dir.filePath(QStringLiteral("plain"));
            target = oldFile + QStringLiteral("/portfolio.inv");
            reason = QStringLiteral("Not a directory");
        } else if (kind == QLatin1String("read-only dir")) {
            const QString locked = dir.filePath(QStringLiteral("locked"));
            QVERIFY(QDir().mkdir(locked));
            target = oldFile = locked + QStringLiteral("/portfolio.inv");
            reason = QStringLiteral("denied");
        } else if (kind == QLatin1String("size limit")) {
            target = oldFile = dir.filePath(QStringLiteral("portfolio.inv"));
            reason = QStringLiteral("too large");
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
        if (!oldFile.isEmpty())
            QVERIFY(writeBytes(oldFile, OldContent));
        const QString oldDir = QFileInfo(oldFile).path();
        if (kind == QLatin1String("read-only dir")) {
            QVERIFY(QFile::setPermissions(oldDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            if (canCreateIn(oldDir)) {
                QFile::setPermissions(oldDir, writable);
                QSKIP("this user may create files in a read-only directory (root); the /sys row covers it");
            }
        }

        MainWindow w;
        setRow(w, 0, 3, { "2020", "1000", "250" });
        QStringList seen;
        {
            std::optional<FileSizeLimit> limit;
            if (kind == QLatin1String("size limit")) {
                limit.emplace(100);
                QVERIFY(limit->ok());
            }
            seen = triggerWithFile(w, action.toLatin1().constData(), target);
        }
        expectSaveFailure(seen, reason);
        if (!oldFile.isEmpty()) {
            QCOMPARE(readBytes(oldFile), OldContent);
            // No temporary file is left behind.
            QCOMPARE(QDir(oldDir).entryList(QDir::Files | QDir::Hidden), QStringList { QFileInfo(oldFile).fileName() });
        }
        if (kind == QLatin1String("read-only dir"))
            QFile::setPermissions(oldDir, writable);
        // The device is written in place, never replaced by a regular file.
        if (kind == QLatin1String("full"))
            QVERIFY(isCharacterDevice("/dev/full"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/sys/quorvant-test.inv")));

        if (kind == QLatin1String("size limit")) {
            // Without the limit the same save replaces the file.
            QCOMPARE(triggerWithFile(w, "actionSave_as", target), QStringList());
            QCOMPARE(QString::fromUtf8(readBytes(target)), w.InvestText());
            QCOMPARE(readBytes(target).count(';'), 491);
        }
    }
};

QTEST_MAIN(InvestFileSaveTest)
#include "tst_investfile_save.moc"
