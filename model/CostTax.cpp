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

bool CostAssumptions::isOff() const
{
    return purchase == 0.0 && maintenance == 0.0 && fixedCharges == 0.0 && vacancy == 0.0 && management == 0.0;
}

bool CostAssumptions::operator==(const CostAssumptions &o) const
{
    return purchase == o.purchase && maintenance == o.maintenance && fixedCharges == o.fixedCharges
        && vacancy == o.vacancy && management == o.management;
}

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
