#include "grid/NumberEntry.h"

#include "generator/GeneratorMath.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"

#include <QRegularExpression>

namespace {

bool IsBlank(QChar c)
{
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

// Digits grouped in threes by dots, with an optional sign: "1.250.000".
bool IsDotGrouped(const QString &text)
{
    static const QRegularExpression grouped(QStringLiteral("\\A[+-]?[0-9]{1,3}(\\.[0-9]{3})+\\z"));
    return grouped.match(text).hasMatch();
}

QString WithoutTrailingFractionZeros(QString text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text;
    int end = text.size();
    while (end > point + 1 && text.at(end - 1) == QLatin1Char('0'))
        --end;
    if (end == point + 1)
        --end;
    text.truncate(end);
    return text;
}

} // namespace

QString NormalisedNumberText(const QString &typed, NumberKind kind)
{
    if (kind == NumberKind::None)
        return typed;
    if (NumberFromText(typed)) {
        const QString trimmed = typed.trimmed();
        if (kind == NumberKind::Amount && IsDotGrouped(trimmed))
            return QString(trimmed).remove(QLatin1Char('.'));
        return typed;
    }

    QString text;
    text.reserve(typed.size());
    for (const QChar c : typed) {
        if (!IsBlank(c))
            text.append(c);
    }
    if (text.startsWith(QChar(0x20AC)))
        text.remove(0, 1);
    else if (text.size() > 1 && (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+'))
        && text.at(1) == QChar(0x20AC))
        text.remove(1, 1);
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);

    const int comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0 && text.indexOf(QLatin1Char(','), comma + 1) < 0) {
        QString whole = text.left(comma);
        QString fraction = text.mid(comma + 1);
        if (fraction == QLatin1String("-") || fraction == QLatin1String("--"))
            fraction.clear(); // "250.000,-": whole euros
        if (kind == NumberKind::Amount && IsDotGrouped(whole))
            whole.remove(QLatin1Char('.'));
        text = whole + QLatin1Char('.') + fraction;
        text = WithoutTrailingFractionZeros(text);
        // "1,234" is 1.234 euro; stored as "1.234" it would read as 1234 when the cell is
        // committed again. A zero behind it keeps the decimal point a decimal point.
        if (kind == NumberKind::Amount && IsDotGrouped(text))
            text += QLatin1Char('0');
    } else if (comma < 0 && kind == NumberKind::Amount && IsDotGrouped(text)) {
        text.remove(QLatin1Char('.'));
    }

    // Only a plain decimal number is taken; anything else stays as the user typed it.
    static const QRegularExpression plain(QStringLiteral("\\A[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)\\z"));
    if (!plain.match(text).hasMatch() || !NumberFromText(text))
        return typed;
    return text;
}

NumberKind InputColumnKind(int column)
{
    switch (column) {
    case ColStartYear:
        return NumberKind::Year;
    case ColLumpSum:
    case ColMonthlyDeposit:
    case ColPrice:
    case ColRent:
        return NumberKind::Amount;
    case ColDepositPeriod:
    case ColMortgageYears:
        return NumberKind::Term;
    case ColRentIncrease:
    case ColValueIncrease:
    case ColLoanToValue:
    case ColInterest:
    case ColReturn:
        return NumberKind::Percentage;
    default:
        return NumberKind::None;
    }
}

NumberKind GeneratorFieldKind(int kind, int field)
{
    if (kind == CashForCashflow && field == GenDepositPeriod)
        return NumberKind::Term;
    switch (field) {
    case GenBeginYear:
        return NumberKind::Year;
    case GenLumpSum:
    case GenMonthlyDeposit:
    case GenPrice:
    case GenRent:
        return NumberKind::Amount;
    case GenRentIncrease:
    case GenValueIncrease:
    case GenLoanToValue:
    case GenInterest:
        return NumberKind::Percentage;
    case GenMortgageYears:
        return NumberKind::Term;
    default:
        return NumberKind::None;
    }
}
