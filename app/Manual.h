#ifndef MANUAL_H
#define MANUAL_H

#include <QString>
#include <QUrl>

// The Dutch manual that ships with the program: the installed copy beside the program
// (share/doc/quorvant), else the copy compiled into it, written to the user's cache folder.
// An empty URL when neither can be reached.
QUrl ManualUrl();

// Where an installed program finds its manual, relative to the folder of the executable.
QString InstalledManualPath(const QString &programDir);

#endif // MANUAL_H
