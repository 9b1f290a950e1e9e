#include "io/RecoveryFile.h"

#include "io/InvestFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace {

const char *const Magic = "Quorvant herstelbestand 1";
const char *const FileKey = "bestand: ";
const char *const TimeKey = "tijd: ";
const char *const Suffix = ".qvherstel";

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QByteArray RecoveryFileBytes(const RecoveryRecord &record)
{
    QByteArray bytes(Magic);
    bytes += '\n';
    // Percent-encoded, so that no name can break the header's lines.
    bytes += FileKey + QUrl::toPercentEncoding(record.originalFile) + '\n';
    bytes += TimeKey + record.written.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
    bytes += '\n';
    bytes += record.investText.toUtf8();
    return bytes;
}

bool ParseRecoveryFile(const QByteArray &bytes, RecoveryRecord *record, QString *error)
{
    const QString notOne = QCoreApplication::translate("RecoveryFile", "Het herstelbestand is beschadigd.");
    const int headerEnd = bytes.indexOf("\n\n");
    if (headerEnd < 0) {
        setError(error, notOne);
        return false;
    }
    const QList<QByteArray> lines = bytes.left(headerEnd).split('\n');
    if (lines.size() != 3 || lines.at(0) != Magic || !lines.at(1).startsWith(FileKey)
        || !lines.at(2).startsWith(TimeKey)) {
        setError(error, notOne);
        return false;
    }
    RecoveryRecord read;
    read.originalFile = QUrl::fromPercentEncoding(lines.at(1).mid(int(qstrlen(FileKey))));
    read.written = QDateTime::fromString(QString::fromLatin1(lines.at(2).mid(int(qstrlen(TimeKey)))), Qt::ISODate);
    read.investText = QString::fromUtf8(bytes.mid(headerEnd + 2));
    if (!read.written.isValid()) {
        setError(error, notOne);
        return false;
    }
    if (!IsInvestText(read.investText)) {
        setError(error, NotInvestFileText(QFileInfo(read.originalFile).fileName().isEmpty()
                ? QCoreApplication::translate("RecoveryFile", "Naamloos")
                : QFileInfo(read.originalFile).fileName()));
        return false;
    }
    if (record)
        *record = read;
    return true;
}

bool ReadRecoveryFile(const QString &path, RecoveryRecord *record, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.size() > MaxInvestFileBytes) {
        setError(error, QCoreApplication::translate("RecoveryFile", "Het herstelbestand is te groot."));
        return false;
    }
    return ParseRecoveryFile(file.readAll(), record, error);
}

QString DefaultRecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/herstel");
}

QString NewRecoveryFileName(const QString &folder)
{
    // The process number keeps running programs apart; the random part keeps a program whose
    // number a crashed one had from taking over what that one left.
    return QDir(folder).filePath(QStringLiteral("herstel-%1-%2%3")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                     .arg(QLatin1String(Suffix)));
}

QString RecoveryLockName(const QString &recoveryFile)
{
    return recoveryFile + QStringLiteral(".lock");
}

QStringList LeftRecoveryFiles(const QString &folder)
{
    const QDir dir(folder);
    QFileInfoList found = dir.entryInfoList({ QStringLiteral("herstel-*") + QLatin1String(Suffix) }, QDir::Files,
        QDir::Time);
    QStringList left;
    for (const QFileInfo &info : found) {
        // A lock that can be taken is nobody's: its program has ended (a stale lock of a
        // process that no longer runs counts as nobody's too).
        QLockFile lock(RecoveryLockName(info.filePath()));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) {
            lock.unlock();
            left << info.filePath();
        }
    }
    return left;
}
