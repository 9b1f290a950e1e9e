#ifndef TESTFILES_H
#define TESTFILES_H

// Files and investment texts for the tests of the QtCore library and of the window alike.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace testsupport {

// The whole content of a file, or "<unreadable>".
QByteArray readBytes(const QString &path);
// Replaces a file's content; false when it cannot.
bool writeBytes(const QString &path, const QByteArray &bytes);

// An investment file text: the kind, ten generator fields, then the given rows of up to 16
// cells; every missing field is empty and the rows not given are untouched
// "Onderpand met hefboom" rows. Every field is followed by ';'.
QString investFileText(const QString &kind, const QStringList &generator, const QVector<QStringList> &rows);

} // namespace testsupport

#endif // TESTFILES_H
