#include "grid/CellRules.h"


#include <climits>
#include <cmath>

namespace {

bool IsWholeNumberText(const QString &text)
{
    int i = 0;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

std::optional<double> NumberFromText(const QString &text, NumberForm form)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (form == NumberForm::Whole && !IsWholeNumberText(trimmed))
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok) {
        // Digits beyond the double range still name a number, just a very large one.
        if (form == NumberForm::Whole)
            return trimmed.startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
        return std::nullopt;
    }
    return value;
}

double FieldFromText(const QString &text)
{
    if (text.isEmpty())
        return -1.0;
    return NumberFromText(text).value_or(0.0);
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
    const std::optional<double> value = NumberFromText(text, NumberForm::Whole);
    if (!value || *value < INT_MIN || *value > INT_MAX)
        return 0;
    return static_cast<int>(*value);
}
