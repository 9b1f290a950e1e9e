#include "app/Manual.h"

#include "app/LanguageMenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef QUORVANT_DOC_FROM_BIN
#define QUORVANT_DOC_FROM_BIN "../share/doc/quorvant"
#endif

QString ManualFileName()
{
    return ActiveLanguage() == Language::English ? QStringLiteral("manual-en.html") : QStringLiteral("handleiding.html");
}

QString ManualResourcePath()
{
    return QStringLiteral(":/rec/doc/") + ManualFileName();
}

QString InstalledManualPath(const QString &programDir)
{
    return QDir::cleanPath(programDir + QStringLiteral("/" QUORVANT_DOC_FROM_BIN "/") + ManualFileName());
}

QUrl ManualUrl()
{
    const QString installed = InstalledManualPath(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(installed);

    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString copy = folder + QLatin1Char('/') + ManualFileName();
    QFile source(ManualResourcePath());
    if (!QDir().mkpath(folder) || !source.open(QIODevice::ReadOnly))
        return QUrl();
    const QByteArray text = source.readAll();
    QFile target(copy);
    // A copy from an earlier run is replaced when this program carries another text.
    if (!target.open(QIODevice::ReadOnly) || target.readAll() != text) {
        target.close();
        if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) || target.write(text) != text.size())
            return QUrl();
    }
    return QUrl::fromLocalFile(copy);
}
