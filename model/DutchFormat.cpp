#include "model/DutchFormat.h"

#include "grid/CellRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <QCoreApplication>

const QString NotANumberText = QStringLiteral("\u2014");

namespace {

// A double has at most 1074 digits after the point and 309 before it: with that many the
// fixed text is its exact value.
constexpr int ExactDecimals = 1074;
constexpr int ExactBuffer = 1400;
constexpr int MaxDecimals = 20;

// The digits of a magnitude rounded to `decimals`, halves away from zero.
struct RoundedDigits
{
    std::string whole; // without leading zeros, "0" for less than 1
    std::string fraction; // exactly `decimals` digits
    bool zero = true;
};

RoundedDigits roundedDigits(double magnitude, int decimals)
{
    char exact[ExactBuffer];
    const char *const begin = exact;
    // A double is an integer times 2^(exponent - 53): it has exactly 53 - exponent digits after
    // the point, so that many give its exact value (a few dozen for amounts, not 1074).
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int exactDecimals = std::clamp(53 - exponent, decimals + 1, ExactDecimals);
    const char *end = std::to_chars(exact, exact + ExactBuffer, magnitude, std::chars_format::fixed, exactDecimals).ptr;
    const char *point = std::find(begin, end, '.');
    std::string digits(begin, point);
    digits.append(point + 1, point + 1 + decimals);
    if (point[1 + decimals] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0)
            ++digits[i];
        else
            digits.insert(digits.begin(), '1');
    }
    RoundedDigits r;
    r.whole = digits.substr(0, digits.size() - decimals);
    r.fraction = digits.substr(digits.size() - decimals);
    r.zero = digits.find_first_not_of('0') == std::string::npos;
    return r;
}

QString composed(bool negative, const RoundedDigits &r, bool grouped)
{
    QString text;
    text.reserve(static_cast<int>(r.whole.size() + r.whole.size() / 3 + r.fraction.size() + 2));
    if (negative && !r.zero)
        text += QLatin1Char('-');
    const int n = static_cast<int>(r.whole.size());
    for (int i = 0; i < n; ++i) {
        if (grouped && i > 0 && (n - i) % 3 == 0)
            text += QLatin1Char('.');
        text += QLatin1Char(r.whole[i]);
    }
    if (!r.fraction.empty()) {
        text += QLatin1Char(',');
        text += QLatin1String(r.fraction.data(), static_cast<int>(r.fraction.size()));
    }
    return text;
}

// Whole numbers below 10^15, the common case of the output grid, without the exact decimal
// expansion: std::round rounds the double's exact value half away from zero too.
QString wholeNumber(double value, bool grouped)
{
    const unsigned long long n = static_cast<unsigned long long>(std::round(std::fabs(value)));
    char digits[32];
    char *end = digits + sizeof digits;
    char *p = end;
    unsigned long long rest = n;
    int count = 0;
    do {
        if (grouped && count > 0 && count % 3 == 0)
            *--p = '.';
        *--p = static_cast<char>('0' + rest % 10);
        rest /= 10;
        ++count;
    } while (rest > 0);
    if (std::signbit(value) && n != 0)
        *--p = '-';
    return QString::fromLatin1(p, static_cast<int>(end - p));
}

constexpr double WholeFastLimit = 1e15;

} // namespace

QString DutchNumber(double value, int decimals, bool grouped)
{
    if (!std::isfinite(value))
        return NotANumberText;
    if (decimals <= 0 && std::fabs(value) < WholeFastLimit)
        return wholeNumber(value, grouped);
    decimals = std::clamp(decimals, 0, MaxDecimals);
    return composed(std::signbit(value), roundedDigits(std::fabs(value), decimals), grouped);
}

QString DutchTotal(double value)
{
    if (!std::isfinite(value))
        return NotANumberText;
    // From 1.000 on whole euros; only smaller amounts need their cents worked out.
    if (std::fabs(value) >= 1000.0)
        return DutchNumber(value, 0, true);
    const RoundedDigits cents = roundedDigits(std::fabs(value), 2);
    if (cents.whole.size() < 4)
        return composed(std::signbit(value), cents, true);
    return DutchNumber(value, 0, true);
}

QString NotANumberReason(double value)
{
    if (std::isnan(value))
        return QCoreApplication::translate("DutchFormat", "Geen getal: de berekening geeft hier geen uitkomst, bijvoorbeeld doordat "
                              "oneindig grote bedragen tegen elkaar wegvallen.");
    if (std::isinf(value))
        return value > 0 ? QCoreApplication::translate("DutchFormat", "Geen getal: de uitkomst is oneindig groot, bijvoorbeeld door een "
                                          "oneindig grote invoer of een deling door nul.")
                         : QCoreApplication::translate("DutchFormat", "Geen getal: de uitkomst is oneindig negatief, bijvoorbeeld door een "
                                          "oneindig grote invoer of een deling door nul.");
    return QString();
}

TypedNumber ReadTypedNumber(const QString &text, NumberKind kind)
{
    TypedNumber typed;
    if (text.trimmed().isEmpty())
        return typed;
    const bool count = kind == NumberKind::Count;
    const std::optional<double> value = NumberFromText(
        NormalisedNumberText(text, count ? NumberKind::Amount : kind), count ? NumberForm::Whole : NumberForm::Decimal);
    if (!value || !std::isfinite(*value)) {
        typed.state = TypedState::NotANumber;
        return typed;
    }
    typed.state = TypedState::Number;
    typed.value = *value;
    return typed;
}
