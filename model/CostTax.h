#ifndef COSTTAX_H
#define COSTTAX_H

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Costs and Box 3 tax: the assumptions a portfolio may carry beside its grid. Everything is
// off by default; off, every figure is the one without costs and tax.

// Running and purchase costs of property (types 0 and 1), in percent, for the whole portfolio.
struct CostAssumptions
{
    double purchase = 0.0; // kosten koper: % of the price, paid in the start year
    double maintenance = 0.0; // onderhoud: % of the year's property value a year
    double fixedCharges = 0.0; // vaste lasten (OZB, verzekering, VvE): % of the value a year
    double vacancy = 0.0; // leegstand: % of the rent not received
    double management = 0.0; // beheer: % of the rent received

    bool isOff() const
    {
        return purchase == 0.0 && maintenance == 0.0 && fixedCharges == 0.0 && vacancy == 0.0 && management == 0.0;
    }
    bool operator==(const CostAssumptions &o) const
    {
        return purchase == o.purchase && maintenance == o.maintenance && fixedCharges == o.fixedCharges
            && vacancy == o.vacancy && management == o.management;
    }
    bool operator!=(const CostAssumptions &other) const { return !(*this == other); }
};

// How Box 3 is levied: not at all, on a deemed return, or (from the first year of actual
// return on) on the direct return with the deemed return before it.
enum class Box3Regime { Off, Deemed, Actual };

// The values of one tax year's Box 3 rules. Percentages as percentages (36 means 36 %),
// amounts in euros, per person.
enum Box3Value {
    Box3Rate = 0, // tarief
    Box3Allowance, // heffingvrij vermogen per person
    Box3BankReturn, // forfaitair rendement banktegoeden
    Box3OtherReturn, // forfaitair rendement overige bezittingen
    Box3DebtReturn, // forfaitair rendement schulden
    Box3DebtThreshold, // schuldendrempel per person
    Box3ValueCount
};

// The rules of one tax year, with where each value comes from.
struct Box3YearRule
{
    int year = 0;
    double value[Box3ValueCount] = {};
    QString source[Box3ValueCount];
    bool overridden[Box3ValueCount] = {}; // entered by the user rather than taken from the table
};

// The tax on actual return, levied from 2028 on: rate × (direct return − tax-free return).
struct ActualReturnRule
{
    static constexpr int FromYear = 2028;
    static constexpr double DefaultRate = 36.0;
    static constexpr double DefaultTaxFreeReturn = 1800.0;
    double rate = DefaultRate; // percent
    double taxFreeReturn = DefaultTaxFreeReturn; // per person, a year

    bool operator==(const ActualReturnRule &other) const;
    bool operator!=(const ActualReturnRule &other) const { return !(*this == other); }
};

struct Box3Assumptions
{
    Box3Regime regime = Box3Regime::Off;
    bool partners = false; // fiscal partners: allowance, threshold and tax-free return doubled
    double wozFactor = 100.0; // percent of the property value counted as its WOZ value
    // The values the user entered, per tax year and value; the rest come from the table.
    QMap<int, QMap<int, double>> overrides;
    ActualReturnRule actual;

    // The rules of a tax year, each value the user's where entered for that year. Otherwise a
    // year of the table has the table's value, a year before the table the first year's, and a
    // year after it the value of the year before (so a value entered for a later year holds
    // for the years after it too).
    Box3YearRule rule(int year) const;
    // The values alone of rule(year), without the sources: cheap enough for every year of every
    // projection.
    void ruleValues(int year, double (&values)[Box3ValueCount]) const;
    // How many persons the allowance and thresholds count: 2 for partners, else 1.
    int persons() const { return partners ? 2 : 1; }

    bool operator==(const Box3Assumptions &other) const;
    bool operator!=(const Box3Assumptions &other) const { return !(*this == other); }
};

// The table's own years, with their sources.
const QVector<Box3YearRule> &Box3RuleTable();
// The texts of the file for the regimes: "uit", "forfaitair", "werkelijk".
QString Box3RegimeName(Box3Regime regime);

// Everything a portfolio assumes about costs and tax.
struct CostTaxAssumptions
{
    CostAssumptions costs;
    Box3Assumptions box3;

    // No cost and no tax: every figure is the one without them.
    bool isOff() const { return costs.isOff() && box3.regime == Box3Regime::Off; }
    // Nothing differs from a new portfolio's assumptions: nothing to save.
    bool isDefault() const { return *this == CostTaxAssumptions(); }
    bool operator==(const CostTaxAssumptions &other) const;
    bool operator!=(const CostTaxAssumptions &other) const { return !(*this == other); }
};

// The assumptions as the extra fields of an investment file, each "naam=waarde" with numbers
// in a decimal point: none at all for the default assumptions, else the cost percentages, the
// regime, partners and WOZ factor, the actual-return rule where it differs from its defaults
// and every value the user entered for a tax year.
QStringList CostTaxFieldTexts(const CostTaxAssumptions &assumptions);

// Reads the assumptions from the fields that follow the grid. A field that is not of the
// form "naam=waarde", a name that is not known and a value that does not read leave the
// assumption at its default.
CostTaxAssumptions CostTaxFromFieldTexts(const QStringList &fields);


// ---- The rules themselves, as plain arithmetic ----

struct InvestmentInput;
struct ProjectionBlock;

// A property's money of one year under the cost assumptions: the rent received after
// vacancy, and the running costs a month (maintenance and fixed charges on the value,
// management on the rent received).
struct PropertyYearCosts
{
    double income = 0.0;
    double runningCosts = 0.0;
};
inline PropertyYearCosts PropertyCostsOfYear(const CostAssumptions &costs, double rent, double value)
{
    PropertyYearCosts year;
    year.income = costs.vacancy == 0.0 ? rent : rent * (1.0 - costs.vacancy / 100.0);
    const double onValue = costs.maintenance + costs.fixedCharges;
    year.runningCosts = (onValue == 0.0 ? 0.0 : value * onValue / 1200.0)
        + (costs.management == 0.0 ? 0.0 : year.income * costs.management / 100.0);
    return year;
}
// Kosten koper on a price, paid in the start year.
inline double PurchaseCosts(const CostAssumptions &costs, double price)
{
    return costs.purchase == 0.0 ? 0.0 : price * costs.purchase / 100.0;
}

// The position of 1 January that Box 3 looks at.
struct Box3Position
{
    double deposits = 0.0; // banktegoeden
    double otherAssets = 0.0; // overige bezittingen
    double debts = 0.0; // schulden, before the threshold
};

// The five steps of the deemed return, with what each step gives.
struct Box3Steps
{
    double debts = 0.0; // the debts above the threshold
    double deemedReturn = 0.0; // forfaitair rendement
    double returnBase = 0.0; // rendementsgrondslag
    double effectivePercentage = 0.0; // as a fraction
    double taxableBase = 0.0; // grondslag sparen en beleggen
    double benefit = 0.0; // voordeel
    double tax = 0.0;
};
Box3Steps Box3DeemedTax(const double (&rule)[Box3ValueCount], const Box3Position &position, int persons);
inline Box3Steps Box3DeemedTax(const Box3YearRule &rule, const Box3Position &position, int persons)
{
    return Box3DeemedTax(rule.value, position, persons);
}
// The tax on a year's direct return: rate × (return − tax-free return), never below 0.
double Box3ActualTax(const ActualReturnRule &rule, double directReturn, int persons);

// The Box 3 tax of every year index of a portfolio, from the year records of 1 January of
// the rows 0 .. rows - 1 (types from field 0 of each input), for year indexes counted from
// `baseYear`. The deposits of a year are lowered by the tax of the years before it. Nothing
// when the regime is off. `tax` gets `years` entries.
void PortfolioBox3Tax(const Box3Assumptions &box3, const InvestmentInput *inputs, const ProjectionBlock *blocks,
    int rows, int baseYear, int years, double *tax);

// The direct return of one row in year record y, as the tax on actual return counts it: rent
// less costs and mortgage interest for property, interest for lent money and savings.
double DirectReturnOfYear(const InvestmentInput &input, const ProjectionBlock &block, int yearIndex, int calendarYear);

#endif // COSTTAX_H
