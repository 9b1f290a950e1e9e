#include "model/Sensitivity.h"

#include "generator/WealthLabelTable.h"
#include "grid/ColumnCatalogue.h"
#include "model/ColumnUsage.h"
#include "io/CsvExport.h"
#include "model/DutchFormat.h"

#include <QCoreApplication>

#include "model/CostTax.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Sensitivity", text);
}

// The row fields an assumption can be about, and how each moves.
struct RowField
{
    int column;
    PlanAssumption::Step step;
};
const RowField RowFields[] = {
    { ColLumpSum, PlanAssumption::Share },
    { ColMonthlyDeposit, PlanAssumption::Share },
    { ColPrice, PlanAssumption::Share },
    { ColRent, PlanAssumption::Share },
    { ColRentIncrease, PlanAssumption::Points },
    { ColValueIncrease, PlanAssumption::Points },
    { ColInterest, PlanAssumption::Points },
    { ColReturn, PlanAssumption::Points },
};

// The generator fields and how each moves; which ones a kind uses, its labels tell.
struct PanelField
{
    int field;
    PlanAssumption::Step step;
};
const PanelField PanelFields[] = {
    { GenLumpSum, PlanAssumption::Share },
    { GenMonthlyDeposit, PlanAssumption::Share },
    { GenPrice, PlanAssumption::Share }, // kind 2: the deposit period, not an amount of money
    { GenRent, PlanAssumption::Share }, // kind 2: the minimum deposit
    { GenRentIncrease, PlanAssumption::Points }, // kind 2: the return
    { GenValueIncrease, PlanAssumption::Points },
    { GenLoanToValue, PlanAssumption::Points },
    { GenInterest, PlanAssumption::Points },
};

PlanAssumption make(const QString &name, double value, PlanAssumption::Step step,
    std::function<void(PlanInputs &, double)> apply)
{
    PlanAssumption a;
    a.name = name;
    a.value = value;
    a.step = step;
    a.size = step == PlanAssumption::Points ? 1.0 : 0.1;
    a.apply = std::move(apply);
    return a;
}

void addRowAssumptions(const PlanInputs &plan, QVector<PlanAssumption> &list)
{
    const int rows = std::clamp(plan.store.maxInvestment(), 0, MaxRows);
    for (int r = 0; r < rows; ++r) {
        if (!plan.store.block(r).projected)
            continue;
        const int type = plan.store.rowType(r);
        const InvestmentInput &input = plan.store.input(r);
        for (const RowField &f : RowFields) {
            if (!ColumnApplies(type, f.column) || input.isEmpty(f.column) || !std::isfinite(input.field[f.column]))
                continue;
            if (type == CashForCashflow && f.column == ColPrice)
                continue; // the minimum deposit of a row moves nothing of its own projection
            const QString name = tr("Rij %1 (%2): %3").arg(r + 1).arg(InvestmentTypeNames.at(type), InputColumns[f.column].header);
            const int column = f.column;
            list.append(make(name, input.field[column], f.step, [r, column](PlanInputs &p, double v) {
                p.store.input(r).field[column] = v;
                p.store.addInvestment(r);
            }));
        }
    }
}

void addGeneratorAssumptions(const PlanInputs &plan, QVector<PlanAssumption> &list)
{
    if (!plan.generator || !RunCanStart(plan.generator->parameters))
        return;
    const int kind = plan.generator->kind;
    for (const PanelField &f : PanelFields) {
        const QString label = WealthLabelTable[f.field].value(kind);
        if (label.isEmpty() || (kind == CashForCashflow && f.field == GenDepositPeriod))
            continue;
        const int field = f.field;
        list.append(make(tr("Generator: %1").arg(label), plan.generator->parameters.field[field], f.step,
            [field](PlanInputs &p, double v) { p.generator->parameters.field[field] = v; }));
    }
}

void addPlanningAssumptions(const PlanInputs &plan, QVector<PlanAssumption> &list)
{
    list.append(make(tr("Inflatie (%)"), plan.inflationPercent, PlanAssumption::Points,
        [](PlanInputs &p, double v) { p.inflationPercent = v; }));
    list.append(make(tr("Spreiding waardestijging (%-punt)"), plan.paths.valueSpread, PlanAssumption::Points,
        [](PlanInputs &p, double v) { p.paths.valueSpread = std::max(0.0, v); }));
    list.append(make(tr("Spreiding huurstijging (%-punt)"), plan.paths.rentSpread, PlanAssumption::Points,
        [](PlanInputs &p, double v) { p.paths.rentSpread = std::max(0.0, v); }));
    list.append(make(tr("Spreiding rendement (%-punt)"), plan.paths.returnSpread, PlanAssumption::Points,
        [](PlanInputs &p, double v) { p.paths.returnSpread = std::max(0.0, v); }));
}

// The costs and the tax, when the plan counts them: each cost percentage, and with Box 3 the
// WOZ factor (by ten points) and the rate of every tax year of the horizon moved together (of
// the actual return too, when that regime is chosen). No percentage goes below 0.
void addCostTaxAssumptions(const PlanInputs &plan, QVector<PlanAssumption> &list)
{
    const CostTaxAssumptions &assumed = plan.store.costTax();
    auto changed = [](PlanInputs &p, const std::function<void(CostTaxAssumptions &)> &change) {
        CostTaxAssumptions a = p.store.costTax();
        change(a);
        p.store.setCostTax(a);
    };
    if (!assumed.costs.isOff()) {
        struct Cost
        {
            const char *name;
            double CostAssumptions::*member;
        };
        static const Cost costs[] = {
            { QT_TRANSLATE_NOOP("Sensitivity", "Kosten koper (%)"), &CostAssumptions::purchase },
            { QT_TRANSLATE_NOOP("Sensitivity", "Onderhoud (% van de waarde)"), &CostAssumptions::maintenance },
            { QT_TRANSLATE_NOOP("Sensitivity", "Vaste lasten (% van de waarde)"), &CostAssumptions::fixedCharges },
            { QT_TRANSLATE_NOOP("Sensitivity", "Leegstand (% van de huur)"), &CostAssumptions::vacancy },
            { QT_TRANSLATE_NOOP("Sensitivity", "Beheer (% van de huur)"), &CostAssumptions::management },
        };
        for (const Cost &c : costs) {
            const auto member = c.member;
            list.append(make(tr(c.name), assumed.costs.*member, PlanAssumption::Points, [=](PlanInputs &p, double v) {
                changed(p, [&](CostTaxAssumptions &a) { a.costs.*member = std::max(0.0, v); });
            }));
        }
    }
    if (assumed.box3.regime == Box3Regime::Off)
        return;
    PlanAssumption woz = make(tr("WOZ-factor (%)"), assumed.box3.wozFactor, PlanAssumption::Points,
        [=](PlanInputs &p, double v) { changed(p, [&](CostTaxAssumptions &a) { a.box3.wozFactor = std::max(0.0, v); }); });
    woz.size = 10.0;
    list.append(woz);
    const int first = plan.store.earliestStartYear();
    if (first != InvestmentStore::NoBaseYear) {
        list.append(make(tr("Box 3: tarief (%)"), assumed.box3.rule(first).value[Box3Rate], PlanAssumption::Points,
            [=](PlanInputs &p, double v) {
                changed(p, [&](CostTaxAssumptions &a) {
                    for (int y = first; y < first + MaxYears; ++y)
                        a.box3.overrides[y][Box3Rate] = std::max(0.0, v);
                });
            }));
    }
    if (assumed.box3.regime == Box3Regime::Actual) {
        list.append(make(tr("Box 3: tarief werkelijk rendement (%)"), assumed.box3.actual.rate, PlanAssumption::Points,
            [=](PlanInputs &p, double v) { changed(p, [&](CostTaxAssumptions &a) { a.box3.actual.rate = std::max(0.0, v); }); }));
    }
}

int freeOrBeyond(const PlanOutcome &o)
{
    return o.freeYear ? o.freeYear : (o.baseYear == InvestmentStore::NoBaseYear ? 0 : o.baseYear + MaxYears);
}

} // namespace

QVector<PlanAssumption> PlanAssumptions(const PlanInputs &plan)
{
    QVector<PlanAssumption> list;
    addRowAssumptions(plan, list);
    addGeneratorAssumptions(plan, list);
    addPlanningAssumptions(plan, list);
    addCostTaxAssumptions(plan, list);
    return list;
}

double SensitivityRow::netWorthSwing() const
{
    const double swing = std::abs(netWorthHigh - netWorthLow);
    return std::isfinite(swing) ? swing : 0.0;
}

int SensitivityRow::freeYearSwing() const
{
    return std::abs(freeOrBeyond(highOutcome) - freeOrBeyond(lowOutcome));
}

SensitivityTable RunSensitivity(const PlanInputs &plan, int year, const SolveGoal *chanceGoal)
{
    SensitivityTable table;
    table.year = year;
    table.base = EvaluatePlan(plan, year, chanceGoal);
    for (const PlanAssumption &a : PlanAssumptions(plan)) {
        SensitivityRow row;
        row.name = a.name;
        row.value = a.value;
        row.low = a.low();
        row.high = a.high();
        row.step = a.step;
        row.size = a.size;
        PlanInputs moved = plan;
        a.apply(moved, row.low);
        row.lowOutcome = EvaluatePlan(moved, year, chanceGoal);
        moved = plan;
        a.apply(moved, row.high);
        row.highOutcome = EvaluatePlan(moved, year, chanceGoal);
        row.netWorthLow = row.lowOutcome.netWorth - table.base.netWorth;
        row.netWorthHigh = row.highOutcome.netWorth - table.base.netWorth;
        row.freeYearLowKnown = table.base.freeYear && row.lowOutcome.freeYear;
        row.freeYearHighKnown = table.base.freeYear && row.highOutcome.freeYear;
        row.freeYearLow = row.freeYearLowKnown ? row.lowOutcome.freeYear - table.base.freeYear : 0;
        row.freeYearHigh = row.freeYearHighKnown ? row.highOutcome.freeYear - table.base.freeYear : 0;
        table.rows.append(row);
    }
    std::stable_sort(table.rows.begin(), table.rows.end(), [](const SensitivityRow &a, const SensitivityRow &b) {
        if (a.netWorthSwing() != b.netWorthSwing())
            return a.netWorthSwing() > b.netWorthSwing();
        return a.freeYearSwing() > b.freeYearSwing();
    });
    return table;
}

QString SensitivityStepText(const SensitivityRow &row)
{
    return row.step == PlanAssumption::Points ? tr("± %1 %-punt").arg(DutchPercentage(row.size))
                                              : tr("± %1 %").arg(DutchPercentage(row.size * 100.0, 0));
}

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString yearField(int year)
{
    return year ? QString::number(year) : QStringLiteral("geen");
}

} // namespace

QByteArray SensitivityCsvBytes(const SensitivityTable &table)
{
    QString text = QStringLiteral("assumption,value,low,high,free_year_low,free_year_high,net_worth_low,net_worth_high,"
                                  "net_worth_change_low,net_worth_change_high\n");
    const QString base = yearField(table.base.freeYear);
    text += QStringLiteral("plan,,,,%1,%1,%2,%2,0,0\n").arg(base, CsvNumber(table.base.netWorth));
    for (const SensitivityRow &row : table.rows) {
        text += QStringList { csvField(row.name), CsvNumber(row.value), CsvNumber(row.low), CsvNumber(row.high),
            yearField(row.lowOutcome.freeYear), yearField(row.highOutcome.freeYear), CsvNumber(row.lowOutcome.netWorth),
            CsvNumber(row.highOutcome.netWorth), CsvNumber(row.netWorthLow), CsvNumber(row.netWorthHigh) }
                    .join(QLatin1Char(','))
            + QLatin1Char('\n');
    }
    return text.toUtf8();
}
