#include "grid/CellRules.h"

#include <climits>
#include <cmath>

double FieldFromText(const QString &text)
{
    if (text.isEmpty())
        return -1.0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}

bool IsValidStartYear(double year)
{
    return std::isfinite(year) && year >= FirstValidYear && year <= LastValidYear;
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int LimitFromText(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}
