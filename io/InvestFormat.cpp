#include "io/InvestFormat.h"

#include "io/InvestTextReader.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>

#include <algorithm>

const char *const InvestFileFilter = "Invest(*.inv);;All Files (*)";

namespace {

constexpr int ReadChunk = 64 * 1024;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString tooLargeText()
{
    return QStringLiteral("File too large (more than %1 characters)").arg(MaxInvestTextLength);
}

// The bytes of a text in the locale's encoding, without a byte-order mark: what a text
// stream writes by default.
QByteArray encodedText(const QString &text)
{
    QTextCodec *codec = QTextCodec::codecForLocale();
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return codec->fromUnicode(text.constData(), text.size(), &state);
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
    QTextStream stream(&device);
    QString read;
    // Read until the stream runs dry: a device need not know where it ends.
    for (;;) {
        const QString chunk = stream.read(ReadChunk);
        if (chunk.isEmpty() || stream.status() != QTextStream::Ok)
            break;
        if (chunk.size() > MaxInvestTextLength - read.size()) {
            setError(error, tooLargeText());
            return false;
        }
        read += chunk;
    }
    if (stream.status() != QTextStream::Ok) {
        setError(error, device.errorString());
        return false;
    }
    if (auto *file = qobject_cast<QFileDevice *>(&device)) {
        if (file->error() != QFileDevice::NoError) {
            setError(error, file->errorString());
            return false;
        }
    }
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

bool IsInvestText(const QString &text)
{
    return text.contains(QLatin1Char(';'));
}

bool ReadInvestTextFile(const QString &path, QString *text, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        setError(error, file.errorString());
        return false;
    }
    QString read;
    if (!ReadInvestText(file, &read, error))
        return false;
    file.close();
    if (!IsInvestText(read)) {
        setError(error, QStringLiteral("\u201c%1\u201d is geen investeringsbestand: er staat geen enkel veld in.")
                            .arg(QFileInfo(path).fileName()));
        return false;
    }
    if (text)
        *text = read;
    return true;
}

bool SaveTextFile(const QString &path, const QString &text, QString *error)
{
    if (path.isEmpty()) {
        setError(error, QStringLiteral("No file name given"));
        return false;
    }
    const QByteArray bytes = encodedText(text);
    // Replacing a device node by a regular file would be wrong (and, for a privileged user,
    // possible): devices, pipes and sockets are written in place.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return writeDirectly(path, bytes, error);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    if (!writeAll(file, bytes)) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
