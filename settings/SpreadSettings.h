#ifndef SPREADSETTINGS_H
#define SPREADSETTINGS_H

#include "model/PathSimulation.h"

class QSettings;

// Where the spreads and the number of paths are kept between sessions.
extern const char *const SpreadValueKey; // "Spreiding/Waardestijging", percentage points
extern const char *const SpreadRentKey; // "Spreiding/Huurstijging"
extern const char *const SpreadReturnKey; // "Spreiding/Rendement"
extern const char *const SpreadPathsKey; // "Spreiding/Paden"

// The kept values over `defaults`; a value that is missing or no number keeps the default,
// and the result is bounded (spreads 0 .. 100 points, 1 .. 100000 paths).
PathSettings ReadSpreadSettings(const QSettings &settings, const PathSettings &defaults = {});
void WriteSpreadSettings(QSettings &settings, const PathSettings &values);

#endif // SPREADSETTINGS_H
