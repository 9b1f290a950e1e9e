#include "settings/SpreadSettings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

const char *const SpreadValueKey = "Spreiding/Waardestijging";
const char *const SpreadRentKey = "Spreiding/Huurstijging";
const char *const SpreadReturnKey = "Spreiding/Rendement";
const char *const SpreadPathsKey = "Spreiding/Paden";

namespace {

void readNumber(const QSettings &settings, const char *key, double *value)
{
    bool ok = false;
    const double read = settings.value(QLatin1String(key)).toDouble(&ok);
    if (ok && std::isfinite(read))
        *value = read;
}

} // namespace

PathSettings ReadSpreadSettings(const QSettings &settings, const PathSettings &defaults)
{
    PathSettings s = defaults;
    readNumber(settings, SpreadValueKey, &s.valueSpread);
    readNumber(settings, SpreadRentKey, &s.rentSpread);
    readNumber(settings, SpreadReturnKey, &s.returnSpread);
    double paths = s.paths;
    readNumber(settings, SpreadPathsKey, &paths);
    s.paths = static_cast<int>(std::clamp(paths, double(PathSettings::MinPaths), double(PathSettings::MaxPaths)));
    return s.bounded();
}

void WriteSpreadSettings(QSettings &settings, const PathSettings &values)
{
    const PathSettings b = values.bounded();
    settings.setValue(QLatin1String(SpreadValueKey), b.valueSpread);
    settings.setValue(QLatin1String(SpreadRentKey), b.rentSpread);
    settings.setValue(QLatin1String(SpreadReturnKey), b.returnSpread);
    settings.setValue(QLatin1String(SpreadPathsKey), b.paths);
}
