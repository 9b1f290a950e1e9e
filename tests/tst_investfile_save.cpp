// Saves that cannot succeed: each is reported in "Unable to save file" with the system's
// reason, and an existing file keeps its content. A cancelled dialog stays silent. Targets
// that are no regular file are refused at once; a file in a directory that allows no
// replacement is overwritten in place.
//
// The tests may run with root privileges, which ignore permissions: the permission cases
// then run as the unprivileged user 65534. The directory /sys (which refuses new files to
// everyone), a path below a regular file and a file-size limit (RLIMIT_FSIZE, which binds
// root too) fail for every user.

#include "TestSupport.h"

#include "app/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <optional>
#include <thread>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Runs as the unprivileged user 65534 for as long as it lives, when the tests run as root.
struct Unprivileged
{
    static constexpr uid_t Nobody = 65534;
    const bool root = ::geteuid() == 0;
    const bool ok = !root || (::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0);
    ~Unprivileged()
    {
        if (root && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot return to root");
    }
};

// Should the window wait on a pipe after all, a partner opens its other end after a while,
// so that the test fails instead of hanging.
struct PipePartner
{
    explicit PipePartner(const QByteArray &path)
        : thread([this, path]() {
            for (int i = 0; i < 100 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done)
                ::close(::open(path.constData(), O_RDWR | O_NONBLOCK));
        })
    {
    }
    ~PipePartner()
    {
        done = true;
        thread.join();
    }
    std::atomic<bool> done { false };
    std::thread thread;
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
        QString target;
        QString oldFile; // an existing file that must keep its content, alone in its directory
        QString reason;
        if (kind == QLatin1String("below file")) {
            oldFile = dir.filePath(QStringLiteral("plain"));
            target = oldFile + QStringLiteral("/portfolio.inv");
            reason = QStringLiteral("Not a directory");
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
            target = QStringLiteral("/dev/full"); // a device: the window writes regular files only
            reason = QStringLiteral("geen gewoon bestand");
        }
        if (!oldFile.isEmpty())
            QVERIFY(writeBytes(oldFile, OldContent));
        const QString oldDir = QFileInfo(oldFile).path();

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

    // Targets that are not a plain file in a plain directory. A pipe, a device or a loop of
    // links is refused at once and stays as it was. A file in a read-only or sticky directory
    // (where no temporary file can take its place) is overwritten in place when it may be
    // written, keeping its mode; otherwise the message names the directory's case.
    void oddTargets_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // empty: saved
        const QString notRegular = QStringLiteral("Geen gewoon bestand");
        QTest::newRow("open: pipe without writer") << "actionOpen" << "pipe" << notRegular;
        QTest::newRow("save: pipe without reader") << "actionSave_as" << "pipe" << notRegular;
        QTest::newRow("export: pipe without reader") << "actionExport_CSV" << "pipe" << notRegular;
        QTest::newRow("open: endless device") << "actionOpen" << "/dev/zero" << notRegular;
        QTest::newRow("save: loop of links") << "actionSave_as" << "loop" << notRegular;
        QTest::newRow("save: read-only directory") << "actionSave_as" << "read-only dir" << QString();
        QTest::newRow("export: read-only directory") << "actionExport_CSV" << "read-only dir" << QString();
        QTest::newRow("save: read-only file, read-only directory")
            << "actionSave_as" << "read-only dir, read-only file" << "alleen-lezen map";
        QTest::newRow("save: other user's file, sticky directory") << "actionSave_as" << "sticky dir" << QString();
        QTest::newRow("save: other user's read-only file, sticky directory")
            << "actionSave_as" << "sticky dir, read-only file" << "(sticky)";
    }

    void oddTargets()
    {
        QFETCH(QString, action);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const bool root = ::geteuid() == 0;
        if (kind.startsWith(QLatin1String("sticky")) && !root)
            QSKIP("another user's file needs root to be made");
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        QVERIFY(QFile::setPermissions(temp.path(), QFile::permissions(temp.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther));
        const QString dir = temp.filePath(QStringLiteral("dir"));
        QVERIFY(QDir().mkdir(dir));
        QString target = dir + QStringLiteral("/portfolio.inv");
        const QByteArray native = QFile::encodeName(target);
        const bool readOnlyFile = kind.endsWith(QLatin1String("read-only file"));
        const mode_t fileMode = readOnlyFile ? 0444 : kind.startsWith(QLatin1String("sticky")) ? 0666 : 0640;
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(native.constData(), 0666), 0);
        } else if (kind == QLatin1String("loop")) {
            QVERIFY(QFile::link(target, target));
        } else if (kind.startsWith(QLatin1String("/dev/"))) {
            target = kind;
        } else {
            QVERIFY(writeBytes(target, OldContent));
            QCOMPARE(::chmod(native.constData(), fileMode), 0);
            // The file and its read-only directory belong to the user who saves; the sticky
            // directory and the file in it belong to root.
            const uid_t owner = kind.startsWith(QLatin1String("read-only")) && root ? Unprivileged::Nobody : ::geteuid();
            QCOMPARE(::chown(native.constData(), owner, owner), 0);
            QCOMPARE(::chown(QFile::encodeName(dir).constData(), owner, owner), 0);
            QCOMPARE(::chmod(QFile::encodeName(dir).constData(), kind.startsWith(QLatin1String("sticky")) ? 01777 : 0555), 0);
        }

        MainWindow w;
        setRow(w, 0, 3, { "2020", "1000", "250" });
        QStringList seen;
        {
            const PipePartner partner(QFile::encodeName(target));
            const Unprivileged user;
            QVERIFY(user.ok);
            seen = triggerWithFile(w, action.toLatin1().constData(), target);
        }
        struct stat after;
        QCOMPARE(::lstat(QFile::encodeName(target).constData(), &after), 0);
        if (reason.isEmpty()) {
            QCOMPARE(seen, QStringList());
            const QString saved = action == QLatin1String("actionSave_as") ? w.InvestText() : w.ProjectionCsv(false);
            QCOMPARE(QString::fromUtf8(readBytes(target)), saved);
            QCOMPARE(after.st_mode & 07777, fileMode);
        } else {
            QCOMPARE(seen.size(), 1);
            const QString title = action == QLatin1String("actionOpen") ? "Unable to open file|" : "Unable to save file|";
            QVERIFY2(seen.at(0).startsWith(title) && seen.at(0).contains(reason), qPrintable(seen.at(0)));
            if (kind == QLatin1String("pipe"))
                QVERIFY(S_ISFIFO(after.st_mode));
            else if (kind == QLatin1String("loop"))
                QVERIFY(S_ISLNK(after.st_mode));
            else if (!kind.startsWith(QLatin1String("/dev/")))
                QCOMPARE(readBytes(target), OldContent);
        }
        if (!kind.startsWith(QLatin1String("/dev/")))
            QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList { QStringLiteral("portfolio.inv") });
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
};

QTEST_MAIN(InvestFileSaveTest)
#include "tst_investfile_save.moc"
