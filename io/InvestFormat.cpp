#include "io/InvestFormat.h"

#include "grid/ColumnCatalogue.h"
#include "io/InvestTextReader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char *const InvestFileFilter = "Invest(*.inv);;All Files (*)";

namespace {

constexpr int ReadChunk = 64 * 1024;
constexpr int Utf8Mib = 106;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString tooLargeText()
{
    return QStringLiteral("File too large (more than %1 bytes)").arg(MaxInvestFileBytes);
}

QString shownName(const QByteArray &nativePath)
{
    return QDir::toNativeSeparators(QFile::decodeName(nativePath));
}

// Why a file of this mode is refused where only regular files are taken.
QString notRegularText(const QByteArray &nativePath, mode_t mode)
{
    const char *what = S_ISDIR(mode)                     ? "een map"
        : S_ISFIFO(mode)                                 ? "een pipe (FIFO)"
        : S_ISSOCK(mode)                                 ? "een socket"
        : (S_ISCHR(mode) || S_ISBLK(mode))               ? "een apparaat"
                                                         : "een bijzonder bestand";
    return QStringLiteral("Geen gewoon bestand: %1 is %2.").arg(shownName(nativePath), QString::fromUtf8(what));
}

QString linkLoopText(const QByteArray &nativePath)
{
    return QStringLiteral("Geen gewoon bestand: %1 is een kring van symbolische koppelingen (%2).")
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
        ? QStringLiteral("In de map %1 mag geen nieuw bestand worden gemaakt (alleen-lezen map), dus het bestand "
                         "kon niet veilig worden vervangen")
        : QStringLiteral("De map %1 is beschermd (sticky) en het bestand is van een andere gebruiker, dus het "
                         "bestand kon niet veilig worden vervangen");
    return why.arg(dir) + QStringLiteral("; het bestand zelf overschrijven lukte ook niet: %1").arg(reason);
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
    qint64 done = 0;
    while (!failure && done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            failure = written < 0 ? errno : ENOSPC;
        else
            done += written;
    }
    if (!failure && ::ftruncate(fd, bytes.size()) != 0)
        failure = errno;
    if (!failure && ::fsync(fd) != 0 && errno != EINVAL)
        failure = errno;
    if (::close(fd) != 0 && !failure && errno != EINTR)
        failure = errno;
    if (failure)
        *reason = qt_error_string(failure);
    return !failure;
}

// Opens a file for reading into `file`. A file that is not regular is refused when only
// regular files are taken; a directory is refused always.
bool openForReading(const QByteArray &nativePath, FileTargets targets, QFile &file, QString *error)
{
    const bool regularOnly = targets == FileTargets::RegularOnly;
    // Not blocking where only regular files are taken: a pipe without a writer is then
    // opened at once, and refused below.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0) {
        setError(error, qt_error_string(errno));
        return false;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        setError(error, qt_error_string(errno));
        ::close(fd);
        return false;
    }
    if ((regularOnly && !S_ISREG(info.st_mode)) || S_ISDIR(info.st_mode)) {
        setError(error, regularOnly ? notRegularText(nativePath, info.st_mode) : qt_error_string(EISDIR));
        ::close(fd);
        return false;
    }
    if (regularOnly)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        setError(error, file.errorString());
        ::close(fd);
        return false;
    }
    return true;
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

} // namespace

InvestFields::InvestFields(int rowCount, int columnCount)
    : rows(std::max(rowCount, 0))
    , columns(std::max(columnCount, 0))
    , cells(rows * columns)
{
}

QString InvestFields::cell(int row, int column) const
{
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        return QString();
    return cells.at(row * columns + column);
}

void InvestFields::setCell(int row, int column, const QString &text)
{
    if (row >= 0 && row < rows && column >= 0 && column < columns)
        cells[row * columns + column] = text;
}

InvestFields ParseInvestFields(const QString &text, int rows, int columns)
{
    InvestFields fields(rows, columns);
    InvestTextReader reader(text);
    fields.hasKind = reader.next(&fields.kind);
    for (int k = 0; k < GeneratorFieldCount; ++k)
        fields.hasGenerator[k] = reader.next(&fields.generator[k]);
    // A cell starts empty and takes the field when one is found.
    for (QString &cell : fields.cells) {
        if (!reader.next(&cell))
            cell.clear();
    }
    return fields;
}

QString InvestFieldText(const QString &text)
{
    QString written = text;
    written.replace(QLatin1Char(';'), QLatin1Char(','));
    return written;
}

QString InvestTextFromFields(const InvestFields &fields)
{
    QString text;
    int length = fields.kind.size() + GeneratorFieldCount + fields.cells.size() + 1;
    for (const QString &field : fields.generator)
        length += field.size();
    for (const QString &cell : fields.cells)
        length += cell.size();
    text.reserve(length);

    const QChar terminator(QLatin1Char(';'));
    text += InvestFieldText(fields.kind);
    text += terminator;
    for (const QString &field : fields.generator) {
        text += InvestFieldText(field);
        text += terminator;
    }
    for (const QString &cell : fields.cells) {
        text += InvestFieldText(cell);
        text += terminator;
    }
    return text;
}

bool ReadInvestText(QIODevice &device, QString *text, QString *error)
{
    // The raw bytes are read and counted first; text mode (dropping every CR) is applied when
    // they are decoded, as a text stream reading the device would apply it.
    const bool textMode = device.isTextModeEnabled();
    device.setTextModeEnabled(false);
    QByteArray bytes;
    bool tooLarge = !device.isSequential() && device.size() - device.pos() > MaxInvestFileBytes;
    bool failed = false;
    QByteArray chunk(ReadChunk, Qt::Uninitialized);
    // Read until the device runs dry: a device need not know where it ends.
    while (!tooLarge) {
        const qint64 want = std::min<qint64>(ReadChunk, qint64(MaxInvestFileBytes) + 1 - bytes.size());
        const qint64 got = device.read(chunk.data(), want);
        if (got <= 0) {
            failed = got < 0;
            break;
        }
        bytes.append(chunk.constData(), int(got));
        tooLarge = bytes.size() > MaxInvestFileBytes;
    }
    device.setTextModeEnabled(textMode);
    if (tooLarge) {
        setError(error, tooLargeText());
        return false;
    }
    const auto *file = qobject_cast<QFileDevice *>(&device);
    if (failed || (file && file->error() != QFileDevice::NoError)) {
        setError(error, device.errorString());
        return false;
    }

    QBuffer buffer(&bytes);
    buffer.open(textMode ? QIODevice::ReadOnly | QIODevice::Text : QIODevice::ReadOnly);
    QTextStream stream(&buffer);
    const QString read = stream.readAll();
    if (text)
        *text = read;
    return true;
}

QString WithDefaultSuffix(const QString &path, const QString &suffix)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.suffix().isEmpty() || info.exists())
        return path;
    return path + QLatin1Char('.') + suffix;
}

namespace {

// Whether text[from, to) is a type name once blanks, line breaks and a leading byte-order
// mark are trimmed off.
bool isTypeNameField(const QString &text, int from, int to)
{
    const QChar *data = text.constData();
    while (from < to && (data[from] == QChar(0xfeff) || data[from].isSpace()))
        ++from;
    while (to > from && data[to - 1].isSpace())
        --to;
    const int length = to - from;
    for (const QString &name : InvestmentTypeNames) {
        if (name.size() == length && QStringView(data + from, length) == name)
            return true;
    }
    return false;
}

} // namespace

InvestTextCheck CheckInvestText(const QString &text)
{
    InvestTextCheck check;
    int start = 0;
    for (int end = text.indexOf(QLatin1Char(';')); end >= 0; end = text.indexOf(QLatin1Char(';'), start)) {
        ++check.fields;
        if (!check.hasTypeName && isTypeNameField(text, start, end))
            check.hasTypeName = true;
        start = end + 1;
    }
    return check;
}

bool IsInvestText(const QString &text)
{
    return CheckInvestText(text).hasTypeName;
}

QString NotInvestFileText(const QString &fileName)
{
    return QStringLiteral("\u201c%1\u201d is geen investeringsbestand: er staat geen enkel investeringstype in.")
        .arg(fileName);
}

QString IncompleteInvestFileText(const QString &fileName, int fields)
{
    return QStringLiteral("\u201c%1\u201d lijkt onvolledig: %2 van de %3 velden.")
        .arg(fileName)
        .arg(fields)
        .arg(InvestFieldCount);
}

bool ReadInvestTextNativeFile(const QByteArray &nativePath, QString *text, QString *error, FileTargets targets)
{
    QFile file;
    if (!openForReading(nativePath, targets, file, error))
        return false;
    QString read;
    if (!ReadInvestText(file, &read, error))
        return false;
    file.close();
    if (!IsInvestText(read)) {
        setError(error, NotInvestFileText(QFileInfo(QFile::decodeName(nativePath)).fileName()));
        return false;
    }
    if (text)
        *text = read;
    return true;
}

bool ReadInvestTextFile(const QString &path, QString *text, QString *error, FileTargets targets)
{
    return ReadInvestTextNativeFile(QFile::encodeName(path), text, error, targets);
}

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

bool SaveTextFile(const QString &path, const QString &text, QString *error, FileTargets targets)
{
    if (path.isEmpty()) {
        setError(error, QStringLiteral("No file name given"));
        return false;
    }
    const QByteArray nativePath = QFile::encodeName(path);
    const QByteArray bytes = SavedTextBytes(text);
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

    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered);
    if (opened && !writeAll(file, bytes)) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (opened && file.commit())
        return true;
    const QString failure = file.errorString();

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
