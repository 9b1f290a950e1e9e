#include "io/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

namespace {

constexpr int Utf8Mib = 106;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString shownName(const QByteArray &nativePath)
{
    return QDir::toNativeSeparators(QFile::decodeName(nativePath));
}

// Why a file of this mode is refused where only regular files are taken.
QString notRegularText(const QByteArray &nativePath, mode_t mode)
{
    const char *what = S_ISDIR(mode)                     ? QT_TRANSLATE_NOOP("SafeSave", "een map")
        : S_ISFIFO(mode)                                 ? QT_TRANSLATE_NOOP("SafeSave", "een pipe (FIFO)")
        : S_ISSOCK(mode)                                 ? QT_TRANSLATE_NOOP("SafeSave", "een socket")
        : (S_ISCHR(mode) || S_ISBLK(mode))               ? QT_TRANSLATE_NOOP("SafeSave", "een apparaat")
                                                         : QT_TRANSLATE_NOOP("SafeSave", "een bijzonder bestand");
    return QCoreApplication::translate("SafeSave", "Geen gewoon bestand: %1 is %2.").arg(shownName(nativePath), QCoreApplication::translate("SafeSave", what));
}

QString linkLoopText(const QByteArray &nativePath)
{
    return QCoreApplication::translate("SafeSave", "Geen gewoon bestand: %1 is een kring van symbolische koppelingen (%2).")
        .arg(shownName(nativePath), qt_error_string(ELOOP));
}

// Writes every byte or fails. The device is unbuffered, so a short write (a full disk, a
// file-size limit) shows up here; a text stream would take a short write for success.
bool writeAll(QFileDevice &device, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return device.flush() && device.error() == QFileDevice::NoError;
}

bool writeDirectly(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    if (!writeAll(file, bytes)) {
        setError(error, file.errorString());
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

// Why a regular file cannot be replaced in its directory, if that is the reason.
enum class ReplaceBlock { None, ReadOnlyDirectory, StickyDirectory };

ReplaceBlock replaceBlock(const QByteArray &nativeFile, const struct stat &file)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(QFile::decodeName(nativeFile)).absolutePath());
    if (::faccessat(AT_FDCWD, dir.constData(), W_OK | X_OK, AT_EACCESS) != 0 && errno == EACCES)
        return ReplaceBlock::ReadOnlyDirectory;
    struct stat info;
    const uid_t me = ::geteuid();
    if (::stat(dir.constData(), &info) == 0 && (info.st_mode & S_ISVTX) && info.st_uid != me && file.st_uid != me)
        return ReplaceBlock::StickyDirectory;
    return ReplaceBlock::None;
}

QString replaceBlockText(ReplaceBlock block, const QByteArray &nativeFile, const QString &reason)
{
    const QString dir = QDir::toNativeSeparators(QFileInfo(QFile::decodeName(nativeFile)).absolutePath());
    const QString why = block == ReplaceBlock::ReadOnlyDirectory
        ? QCoreApplication::translate("SafeSave", "In de map %1 mag geen nieuw bestand worden gemaakt (alleen-lezen map), dus het bestand "
                         "kon niet veilig worden vervangen")
        : QCoreApplication::translate("SafeSave", "De map %1 is beschermd (sticky) en het bestand is van een andere gebruiker, dus het "
                         "bestand kon niet veilig worden vervangen");
    return why.arg(dir) + QCoreApplication::translate("SafeSave", "; het bestand zelf overschrijven lukte ook niet: %1").arg(reason);
}

// Writes every byte to a file descriptor, from offset 0 (`positioned`) or from where it
// stands; 0, or the error that stopped it (a short write without one counts as a full disk).
int writeFully(int fd, const QByteArray &bytes, bool positioned)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const size_t left = size_t(bytes.size() - done);
        const ssize_t written = positioned ? ::pwrite(fd, bytes.constData() + done, left, done)
                                           : ::write(fd, bytes.constData() + done, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

// Overwrites an existing regular file in place, for a directory in which it cannot be
// replaced. Room for the new text is reserved first, so that a full disk leaves the file as
// it was; a failure after that can leave it partly written, which is why this is only the
// fallback.
bool overwriteInPlace(const QByteArray &nativeFile, const QByteArray &bytes, QString *reason)
{
    // Not blocking: should the name have become a pipe meanwhile, it is refused, not waited on.
    const int fd = ::open(nativeFile.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    struct stat info;
    int failure = 0;
    if (::fstat(fd, &info) != 0) {
        failure = errno;
    } else if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        *reason = notRegularText(nativeFile, info.st_mode);
        return false;
    } else if (bytes.size() > info.st_size) {
        const int reserved = ::posix_fallocate(fd, 0, bytes.size());
        // A file system that cannot reserve is written without; no room at all is a failure.
        if (reserved == ENOSPC || reserved == EFBIG || reserved == EDQUOT)
            failure = reserved;
    }
    if (!failure)
        failure = writeFully(fd, bytes, true);
    if (!failure && ::ftruncate(fd, bytes.size()) != 0)
        failure = errno;
    if (!failure && ::fsync(fd) != 0 && errno != EINVAL)
        failure = errno;
    if (::close(fd) != 0 && !failure && errno != EINTR)
        failure = errno;
    if (failure)
        *reason = WriteErrorText(failure);
    return !failure;
}

// Where only regular files are saved: the reason a name is refused, or an empty string.
// A new name is taken, and so is a link to a name that does not exist yet (the link's
// target is created); a loop of links is refused.
QString refusedSaveTarget(const QByteArray &nativePath)
{
    struct stat info;
    if (::lstat(nativePath.constData(), &info) != 0)
        return QString(); // a new name, or a path the save itself reports
    if (::stat(nativePath.constData(), &info) != 0)
        return errno == ELOOP ? linkLoopText(nativePath) : QString();
    return S_ISREG(info.st_mode) ? QString() : notRegularText(nativePath, info.st_mode);
}

// The process's file-creation mask, read without changing it (umask(2) would, for a moment,
// for every thread).
mode_t creationMask()
{
    static const mode_t mask = []() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
                if (line.startsWith("Umask:"))
                    return static_cast<mode_t>(std::strtol(line.mid(6).trimmed().constData(), nullptr, 8));
            }
        }
        return static_cast<mode_t>(022);
    }();
    return mask;
}

const char *const TemporaryMark = ".qvtmp-";

// Removes the temporary copies an interrupted save of `name` left in `dir`: hidden files
// ".NAME.qvtmp-XXXXXX" of this user. Other files are never touched.
void removeStaleCopies(const QString &dir, const QString &name)
{
    const QString prefix = QLatin1Char('.') + name + QLatin1String(TemporaryMark);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(prefix) + QStringLiteral("[A-Za-z0-9]{6}")));
    const QStringList found = QDir(dir).entryList({ prefix + QLatin1Char('*') }, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : found) {
        if (!pattern.match(entry).hasMatch())
            continue;
        const QByteArray native = QFile::encodeName(dir + QLatin1Char('/') + entry);
        struct stat info;
        if (::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlink(native.constData());
    }
}

void syncFolder(const QByteArray &dir)
{
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a save writes: a link is followed to its target, which may not exist yet.
QString saveTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// Writes the bytes to a temporary file beside the target and renames it over the target.
// Fails with `*blocked` set to the error when the temporary file could not be made or could
// not take the target's place (the directory's doing, which the caller may work around);
// with `*blocked` 0 when writing failed.
bool replaceAtomically(const QString &path, const QByteArray &bytes, QString *error, int *blocked)
{
    const QFileInfo target(saveTarget(path));
    const QString dir = target.absolutePath();
    const QByteArray nativeTarget = QFile::encodeName(target.absoluteFilePath());
    removeStaleCopies(dir, target.fileName());
    QByteArray temporary
        = QFile::encodeName(dir + QLatin1String("/.") + target.fileName() + QLatin1String(TemporaryMark) + QStringLiteral("XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *blocked = errno;
        setError(error, qt_error_string(errno));
        return false;
    }
    struct stat existing;
    const mode_t mode = ::stat(nativeTarget.constData(), &existing) == 0 ? (existing.st_mode & 07777)
                                                                        : (0666 & ~creationMask());
    int failure = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (!failure)
        failure = writeFully(fd, bytes, false);
    if (!failure && ::fsync(fd) != 0 && errno != EINVAL)
        failure = errno;
    if (::close(fd) != 0 && !failure && errno != EINTR)
        failure = errno;
    if (failure) {
        ::unlink(temporary.constData());
        setError(error, WriteErrorText(failure));
        return false;
    }
    if (::rename(temporary.constData(), nativeTarget.constData()) != 0) {
        *blocked = errno;
        setError(error, qt_error_string(errno));
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(QFile::encodeName(dir));
    return true;
}

} // namespace

QByteArray SavedTextBytes(const QString &text)
{
    QTextCodec *codec = QTextCodec::codecForLocale();
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QByteArray bytes = codec->fromUnicode(text.constData(), text.size(), &state);
    // Reading takes a leading U+FEFF for a byte-order mark; a second one in front keeps it.
    if (text.startsWith(QChar(0xfeff)) && codec->mibEnum() == Utf8Mib)
        bytes.prepend("\xef\xbb\xbf");
    return bytes;
}

QString NotRegularFileText(const QByteArray &nativePath, unsigned mode)
{
    return notRegularText(nativePath, static_cast<mode_t>(mode));
}

QString WriteErrorText(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return QCoreApplication::translate("SafeSave", "De schijf is vol: er is geen ruimte om het bestand te schrijven (%1).")
            .arg(qt_error_string(error));
    return qt_error_string(error);
}

bool SaveBytesFile(const QString &path, const QByteArray &bytes, QString *error, FileTargets targets)
{
    if (path.isEmpty()) {
        setError(error, QCoreApplication::translate("SafeSave", "No file name given"));
        return false;
    }
    const QByteArray nativePath = QFile::encodeName(path);
    const QFileInfo info(path);
    if (targets == FileTargets::RegularOnly) {
        const QString refused = refusedSaveTarget(nativePath);
        if (!refused.isEmpty()) {
            setError(error, refused);
            return false;
        }
    } else if (info.exists() && !info.isFile() && !info.isDir()) {
        // Replacing a device node by a regular file would be wrong (and, for a privileged
        // user, possible): devices, pipes and sockets are written in place.
        return writeDirectly(path, bytes, error);
    }

    int failed = 0;
    if (replaceAtomically(path, bytes, error, &failed))
        return true;
    if (!failed)
        return false; // the write itself failed: reported, the file is untouched
    const QString failure = *error;

    // The temporary file could not be made or could not take the file's place. When the
    // directory is the reason, an existing regular file is overwritten in place instead.
    struct stat existing;
    const QByteArray target = QFile::encodeName(info.canonicalFilePath());
    ReplaceBlock block = ReplaceBlock::None;
    if (!target.isEmpty() && ::stat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        block = replaceBlock(target, existing);
    if (block == ReplaceBlock::None) {
        setError(error, failure);
        return false;
    }
    QString reason;
    if (overwriteInPlace(target, bytes, &reason))
        return true;
    setError(error, replaceBlockText(block, target, reason));
    return false;
}

bool SaveTextFile(const QString &path, const QString &text, QString *error, FileTargets targets)
{
    return SaveBytesFile(path, SavedTextBytes(text), error, targets);
}
