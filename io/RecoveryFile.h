#ifndef RECOVERYFILE_H
#define RECOVERYFILE_H

// Work that was not saved yet, kept in the program's data folder while it is being done, so
// that a crash of the program or of the machine loses nothing. Every running program keeps
// its own recovery file, and holds a lock beside it for as long as it runs; a file whose lock
// nobody holds was left behind by a program that ended without cleaning up.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

struct RecoveryRecord
{
    QString originalFile; // the file the work belongs to; empty for a new portfolio
    QDateTime written; // when it was written (UTC)
    QString investText; // the portfolio as an investment file holds it
};

// The bytes of a recovery file: a short header (a first line naming the format, the original
// file and the time) and then the investment text, all in UTF-8.
QByteArray RecoveryFileBytes(const RecoveryRecord &record);

// Reads recovery-file bytes back. Fails, with a reason in `error`, when the header is not
// one, or the text after it is no investment text by the recognition rule.
bool ParseRecoveryFile(const QByteArray &bytes, RecoveryRecord *record, QString *error);

// Reads and parses a recovery file (no larger than an investment file may be).
bool ReadRecoveryFile(const QString &path, RecoveryRecord *record, QString *error);

// The folder the recovery files are kept in: "herstel" in the program's data folder.
QString DefaultRecoveryFolder();

// A name for this program's own recovery file in `folder`, unique among running programs.
QString NewRecoveryFileName(const QString &folder);

// The lock file that belongs to a recovery file.
QString RecoveryLockName(const QString &recoveryFile);

// The recovery files in `folder` that no running program holds, newest first.
QStringList LeftRecoveryFiles(const QString &folder);

#endif // RECOVERYFILE_H
