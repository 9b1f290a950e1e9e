#include "io/InvestFormat.h"

#include "grid/ColumnCatalogue.h"
#include "io/InvestTextReader.h"
#include "io/SafeSave.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

const char *const InvestFileFilter = QT_TRANSLATE_NOOP("FileFilter", "Invest(*.inv);;All Files (*)");

namespace {

constexpr int ReadChunk = 64 * 1024;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString tooLargeText()
{
    return QCoreApplication::translate("InvestFormat", "File too large (more than %1 bytes)").arg(MaxInvestFileBytes);
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
        setError(error, regularOnly ? NotRegularFileText(nativePath, info.st_mode) : qt_error_string(EISDIR));
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
    bool more = true;
    for (QString &cell : fields.cells) {
        more = reader.next(&cell);
        if (!more)
            cell.clear();
    }
    // Only a text that holds the whole grid goes on to the assumptions; the search stops at the
    // first field it does not find.
    QString field;
    while (more && reader.next(&field)) {
        if (IsAssumptionField(field))
            fields.assumptions << field;
    }
    return fields;
}

bool IsAssumptionField(const QString &field)
{
    const int equals = field.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    for (int i = 0; i < equals; ++i) {
        const QChar c = field.at(i);
        if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                || c == QLatin1Char('.')))
            return false;
    }
    return true;
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
    for (const QString &field : fields.assumptions) {
        text += InvestFieldText(field);
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
    return QCoreApplication::translate("InvestFormat", "\u201c%1\u201d is geen investeringsbestand: er staat geen enkel investeringstype in.")
        .arg(fileName);
}

QString IncompleteInvestFileText(const QString &fileName, int fields)
{
    return QCoreApplication::translate("InvestFormat", "\u201c%1\u201d lijkt onvolledig: %2 van de %3 velden.")
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

