#include "model/CostTax.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CostTax", text);
}

Box3YearRule tableYear(int year, double rate, double allowance, double bank, double other, double debt,
    double threshold, const QString &source, const QString &provisional, const QString &thresholdSource)
{
    Box3YearRule rule;
    rule.year = year;
    rule.value[Box3Rate] = rate;
    rule.value[Box3Allowance] = allowance;
    rule.value[Box3BankReturn] = bank;
    rule.value[Box3OtherReturn] = other;
    rule.value[Box3DebtReturn] = debt;
    rule.value[Box3DebtThreshold] = threshold;
    rule.source[Box3Rate] = source;
    rule.source[Box3Allowance] = source;
    rule.source[Box3BankReturn] = provisional;
    rule.source[Box3OtherReturn] = source;
    rule.source[Box3DebtReturn] = provisional;
    rule.source[Box3DebtThreshold] = thresholdSource;
    return rule;
}

QVector<Box3YearRule> buildTable()
{
    const QString deloitte = QStringLiteral("Deloitte NL, Belastingplan 2025");
    const QString omnyacc = QStringLiteral("omnyacc.nl, \u201cBox 3 in 2026\u201d");
    const QString provisional = tr("(voorlopig)");
    // Only the threshold of 2025 is known to us; the years beside it take the same amount
    // until a figure of their own is found.
    const QString threshold2025 = tr("schuldendrempel 2025: 3.800 per persoon (controleren)");
    const QString thresholdTaken = tr("overgenomen van 2025 (3.800 per persoon); controleren");
    return {
        tableYear(2024, 36.0, 57000.0, 1.03, 6.04, 2.47, 3800.0, deloitte, deloitte + QLatin1Char(' ') + provisional,
            thresholdTaken),
        tableYear(2025, 36.0, 57684.0, 1.44, 5.88, 2.62, 3800.0, deloitte, deloitte + QLatin1Char(' ') + provisional,
            threshold2025),
        tableYear(2026, 36.0, 59357.0, 1.28, 6.00, 2.70, 3800.0, omnyacc, omnyacc + QLatin1Char(' ') + provisional,
            thresholdTaken),
    };
}

const char *const ValueNames[Box3ValueCount] = { "tarief", "vrijstelling", "bank", "overig", "schuld", "schulddrempel" };

// Numbers as the file writes them: the shortest text that reads back as the same double,
// with a decimal point.
QString numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

bool readNumber(const QString &text, double *value)
{
    bool ok = false;
    const double read = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(read))
        return false;
    *value = read;
    return true;
}

} // namespace

bool ActualReturnRule::operator==(const ActualReturnRule &o) const
{
    return rate == o.rate && taxFreeReturn == o.taxFreeReturn;
}

bool Box3Assumptions::operator==(const Box3Assumptions &o) const
{
    return regime == o.regime && partners == o.partners && wozFactor == o.wozFactor && overrides == o.overrides
        && actual == o.actual;
}

bool CostTaxAssumptions::operator==(const CostTaxAssumptions &o) const
{
    return costs == o.costs && box3 == o.box3;
}

const QVector<Box3YearRule> &Box3RuleTable()
{
    static const QVector<Box3YearRule> table = buildTable();
    return table;
}

QString Box3RegimeName(Box3Regime regime)
{
    switch (regime) {
    case Box3Regime::Deemed:
        return QStringLiteral("forfaitair");
    case Box3Regime::Actual:
        return QStringLiteral("werkelijk");
    case Box3Regime::Off:
        break;
    }
    return QStringLiteral("uit");
}

Box3YearRule Box3Assumptions::rule(int year) const
{
    const QVector<Box3YearRule> &table = Box3RuleTable();
    const Box3YearRule &first = table.first();
    const Box3YearRule &last = table.last();
    Box3YearRule rule;
    if (year <= first.year) {
        rule = first;
    } else if (year >= last.year) {
        rule = last;
    } else {
        for (const Box3YearRule &tableRule : table) {
            if (tableRule.year == year)
                rule = tableRule;
        }
    }
    rule.year = year;
    // Values carried over from an earlier year name that year.
    const bool later = year > last.year;
    const bool earlier = year < first.year;
    for (int v = 0; v < Box3ValueCount; ++v) {
        if (later)
            rule.source[v] = tr("zoals %1: %2").arg(last.year).arg(last.source[v]);
        else if (earlier)
            rule.source[v] = tr("zoals %1: %2").arg(first.year).arg(first.source[v]);
    }
    // What the user entered: for the year itself, or after the table for the nearest year
    // before it that has an entry of its own.
    const int fromYear = later ? last.year : year;
    for (int v = 0; v < Box3ValueCount; ++v) {
        for (auto y = overrides.upperBound(year); y != overrides.begin();) {
            --y;
            if (y.key() < fromYear)
                break;
            const auto entry = y.value().constFind(v);
            if (entry == y.value().constEnd())
                continue;
            rule.value[v] = entry.value();
            rule.overridden[v] = y.key() == year;
            rule.source[v] = y.key() == year ? tr("eigen waarde") : tr("zoals %1: eigen waarde").arg(y.key());
            break;
        }
    }
    return rule;
}

void Box3Assumptions::ruleValues(int year, double (&values)[Box3ValueCount]) const
{
    const QVector<Box3YearRule> &table = Box3RuleTable();
    const Box3YearRule *from = &table.first();
    for (const Box3YearRule &tableRule : table) {
        if (tableRule.year <= year)
            from = &tableRule;
    }
    std::copy(std::begin(from->value), std::end(from->value), values);
    if (overrides.isEmpty())
        return;
    const int lastYear = table.last().year;
    const int fromYear = year > lastYear ? lastYear : year;
    for (int v = 0; v < Box3ValueCount; ++v) {
        for (auto y = overrides.upperBound(year); y != overrides.begin();) {
            --y;
            if (y.key() < fromYear)
                break;
            const auto entry = y.value().constFind(v);
            if (entry != y.value().constEnd()) {
                values[v] = entry.value();
                break;
            }
        }
    }
}

QStringList CostTaxFieldTexts(const CostTaxAssumptions &a)
{
    QStringList fields;
    if (a.isDefault())
        return fields;
    auto add = [&fields](const QString &name, const QString &value) {
        fields << name + QLatin1Char('=') + value;
    };
    add(QStringLiteral("kosten.koper"), numberText(a.costs.purchase));
    add(QStringLiteral("kosten.onderhoud"), numberText(a.costs.maintenance));
    add(QStringLiteral("kosten.vastelasten"), numberText(a.costs.fixedCharges));
    add(QStringLiteral("kosten.leegstand"), numberText(a.costs.vacancy));
    add(QStringLiteral("kosten.beheer"), numberText(a.costs.management));
    add(QStringLiteral("box3.regime"), Box3RegimeName(a.box3.regime));
    add(QStringLiteral("box3.partners"), a.box3.partners ? QStringLiteral("1") : QStringLiteral("0"));
    add(QStringLiteral("box3.wozfactor"), numberText(a.box3.wozFactor));
    if (a.box3.actual.rate != ActualReturnRule::DefaultRate)
        add(QStringLiteral("box3.werkelijk.tarief"), numberText(a.box3.actual.rate));
    if (a.box3.actual.taxFreeReturn != ActualReturnRule::DefaultTaxFreeReturn)
        add(QStringLiteral("box3.werkelijk.vrijstelling"), numberText(a.box3.actual.taxFreeReturn));
    for (auto year = a.box3.overrides.constBegin(); year != a.box3.overrides.constEnd(); ++year) {
        for (auto value = year.value().constBegin(); value != year.value().constEnd(); ++value) {
            if (value.key() < 0 || value.key() >= Box3ValueCount)
                continue;
            add(QStringLiteral("box3.%1.%2").arg(year.key()).arg(QLatin1String(ValueNames[value.key()])),
                numberText(value.value()));
        }
    }
    return fields;
}

CostTaxAssumptions CostTaxFromFieldTexts(const QStringList &fields)
{
    CostTaxAssumptions a;
    for (const QString &field : fields) {
        const int equals = field.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString name = field.left(equals).trimmed();
        const QString text = field.mid(equals + 1).trimmed();
        double number = 0.0;
        const bool isNumber = readNumber(text, &number);
        double *target = nullptr;
        if (name == QLatin1String("kosten.koper"))
            target = &a.costs.purchase;
        else if (name == QLatin1String("kosten.onderhoud"))
            target = &a.costs.maintenance;
        else if (name == QLatin1String("kosten.vastelasten"))
            target = &a.costs.fixedCharges;
        else if (name == QLatin1String("kosten.leegstand"))
            target = &a.costs.vacancy;
        else if (name == QLatin1String("kosten.beheer"))
            target = &a.costs.management;
        else if (name == QLatin1String("box3.wozfactor"))
            target = &a.box3.wozFactor;
        else if (name == QLatin1String("box3.werkelijk.tarief"))
            target = &a.box3.actual.rate;
        else if (name == QLatin1String("box3.werkelijk.vrijstelling"))
            target = &a.box3.actual.taxFreeReturn;
        if (target) {
            if (isNumber)
                *target = number;
            continue;
        }
        if (name == QLatin1String("box3.regime")) {
            if (text == QLatin1String("forfaitair"))
                a.box3.regime = Box3Regime::Deemed;
            else if (text == QLatin1String("werkelijk"))
                a.box3.regime = Box3Regime::Actual;
            else if (text == QLatin1String("uit"))
                a.box3.regime = Box3Regime::Off;
            continue;
        }
        if (name == QLatin1String("box3.partners")) {
            if (isNumber && (number == 0.0 || number == 1.0))
                a.box3.partners = number == 1.0;
            continue;
        }
        // box3.JJJJ.value
        const QStringList parts = name.split(QLatin1Char('.'));
        if (parts.size() != 3 || parts.at(0) != QLatin1String("box3") || !isNumber)
            continue;
        bool yearOk = false;
        const int year = parts.at(1).toInt(&yearOk);
        if (!yearOk || parts.at(1).size() != 4)
            continue;
        for (int v = 0; v < Box3ValueCount; ++v) {
            if (parts.at(2) == QLatin1String(ValueNames[v]))
                a.box3.overrides[year][v] = number;
        }
    }
    return a;
}

// ---- The rules ----

#include "grid/ColumnCatalogue.h"
#include "model/InvestmentInput.h"
#include "model/Projection.h"
#include "model/ProjectionBlock.h"

#include <algorithm>

Box3Steps Box3DeemedTax(const double (&value)[Box3ValueCount], const Box3Position &p, int persons)
{
    Box3Steps s;
    s.debts = std::max(0.0, p.debts - persons * value[Box3DebtThreshold]);
    s.deemedReturn = p.deposits * value[Box3BankReturn] / 100.0
        + p.otherAssets * value[Box3OtherReturn] / 100.0 - s.debts * value[Box3DebtReturn] / 100.0;
    s.returnBase = p.deposits + p.otherAssets - s.debts;
    s.taxableBase = s.returnBase - persons * value[Box3Allowance];
    // Nothing above the allowance, or no base to take a percentage of: no tax.
    if (!(s.returnBase > 0.0) || !(s.taxableBase > 0.0))
        return s;
    s.effectivePercentage = s.deemedReturn / s.returnBase;
    s.benefit = s.taxableBase * s.effectivePercentage;
    s.tax = std::max(0.0, s.benefit * value[Box3Rate] / 100.0);
    return s;
}

double Box3ActualTax(const ActualReturnRule &rule, double directReturn, int persons)
{
    const double taxed = directReturn - persons * rule.taxFreeReturn;
    return taxed > 0.0 ? taxed * rule.rate / 100.0 : 0.0;
}

namespace {

int typeOf(const InvestmentInput &in)
{
    return std::isnan(in.field[ColType]) ? -1 : static_cast<int>(in.field[ColType]);
}

} // namespace

double DirectReturnOfYear(const InvestmentInput &in, const ProjectionBlock &block, int y, int calendarYear)
{
    const double *s = block.years[y].series;
    switch (typeOf(in)) {
    case LeveragedProperty: {
        // The cash flow pays the whole annuity; only its interest is a cost of the year, so
        // the principal repaid in the year is added back.
        const long long d = static_cast<long long>(calendarYear) - ProjectedStartYear(in);
        const double loan = in.value(ColPrice) * in.value(ColLoanToValue) / 100.0;
        const double rate = in.value(ColInterest) / 1200.0;
        const int payments = MortgagePaymentCount(in.value(ColMortgageYears));
        const double repaid
            = RemainingPrincipal(loan, rate, payments, 12 * d) - RemainingPrincipal(loan, rate, payments, 12 * (d + 1));
        return 12.0 * s[SerMonthlyCashFlow] + repaid;
    }
    case PropertyInFull:
    case CashForCashflow:
    case CompoundedInterest:
        return 12.0 * s[SerMonthlyCashFlow];
    default:
        return 0.0;
    }
}

void PortfolioBox3Tax(const Box3Assumptions &box3, const InvestmentInput *inputs, const ProjectionBlock *blocks,
    int rows, int baseYear, int years, double *tax)
{
    std::fill(tax, tax + years, 0.0);
    if (box3.regime == Box3Regime::Off)
        return;
    const int persons = box3.persons();
    const double woz = box3.wozFactor / 100.0;
    double paidBefore = 0.0;
    for (int y = 0; y < years; ++y) {
        const int calendarYear = baseYear + y;
        Box3Position p;
        double directReturn = 0.0;
        const bool actual = box3.regime == Box3Regime::Actual && calendarYear >= ActualReturnRule::FromYear;
        for (int r = 0; r < rows; ++r) {
            const ProjectionBlock &block = blocks[r];
            if (!block.projected)
                continue;
            const double *s = block.years[y].series;
            const InvestmentInput &in = inputs[r];
            const int start = ProjectedStartYear(in);
            if (start > calendarYear)
                continue; // not bought yet
            const int type = typeOf(in);
            if (actual) {
                directReturn += DirectReturnOfYear(in, block, y, calendarYear);
                continue;
            }
            switch (type) {
            case MonthlySaving:
            case CompoundedInterest:
                p.deposits += s[SerCash];
                break;
            case LeveragedProperty:
            case PropertyInFull:
            case CashForCashflow:
                // What the row has earned back beyond what was put in.
                p.deposits += std::max(0.0, s[SerCash] + s[SerOwnContribution]);
                if (type == CashForCashflow) {
                    if (calendarYear - start <= in.value(ColDepositPeriod))
                        p.otherAssets += in.value(ColLumpSum);
                } else {
                    p.otherAssets += s[SerPropertyValue] * woz;
                    p.debts += block.principal[y];
                }
                break;
            default:
                break;
            }
        }
        double t = 0.0;
        if (actual) {
            t = Box3ActualTax(box3.actual, directReturn, persons);
        } else {
            p.deposits = std::max(0.0, p.deposits - paidBefore);
            double rule[Box3ValueCount];
            box3.ruleValues(calendarYear, rule);
            t = Box3DeemedTax(rule, p, persons).tax;
        }
        tax[y] = t;
        paidBefore += t;
    }
}
