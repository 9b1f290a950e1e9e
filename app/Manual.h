#ifndef MANUAL_H
#define MANUAL_H

#include <QString>
#include <QUrl>

// The manual that ships with the program, Dutch or (with English chosen) English: the installed copy beside the program
// (share/doc/quorvant), else the copy compiled into it, written to the user's cache folder.
// An empty URL when neither can be reached.
QUrl ManualUrl();

// The manual's file name in the language shown: "handleiding.html" or "manual-en.html".
QString ManualFileName();
// The manual compiled into the program, as a resource path.
QString ManualResourcePath();

// Where an installed program finds its manual, relative to the folder of the executable.
QString InstalledManualPath(const QString &programDir);

#endif // MANUAL_H
