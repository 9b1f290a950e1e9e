#include "TestFiles.h"

#include "generator/GeneratorMath.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QFile>

namespace testsupport {

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

QString investFileText(const QString &kind, const QStringList &generator, const QVector<QStringList> &rows)
{
    const QChar end(QLatin1Char(';'));
    QString text = kind + end;
    for (int k = 0; k < GeneratorFieldCount; ++k)
        text += generator.value(k) + end;
    for (int r = 0; r < MaxRows; ++r) {
        const QStringList untouched { QStringLiteral("Onderpand met hefboom") };
        const QStringList &cells = r < rows.size() ? rows.at(r) : untouched;
        for (int c = 0; c < FieldCount; ++c)
            text += cells.value(c) + end;
    }
    return text;
}

} // namespace testsupport
