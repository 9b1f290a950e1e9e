#ifndef APPFONT_H
#define APPFONT_H

#include <QFont>

// The program's own font: DejaVu Sans Condensed at 8 points, loaded from the compiled-in
// resources so that every caption of the fixed-pixel form fits on any machine, whatever
// its default font. Loads the faces on the first call; needs a QGuiApplication.
QFont ApplicationFont();

// Loads the font and makes it the application's default font.
void UseApplicationFont();

#endif // APPFONT_H
