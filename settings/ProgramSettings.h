#ifndef PROGRAMSETTINGS_H
#define PROGRAMSETTINGS_H

#include <QSettings>

// Where the program keeps what it remembers between runs: the recent files and the last
// folder, the inflation and the monthly spending, the spreads of the paths, the image folder.
inline QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("Quorvant"), QStringLiteral("Quorvant"));
}

#endif // PROGRAMSETTINGS_H
