#include "model/Baseline.h"

#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"
#include "model/RealValues.h"

#include <QFileInfo>

#include <limits>

namespace {

// The comparison of one calendar year, the base years read once by the caller.
BaselineYear compareYear(const InvestmentStore &current, int currentBase, const InvestmentStore &baseline,
    int baselineBase, int yearIndex, const InflationTable *real)
{
    BaselineYear result;
    if (currentBase == InvestmentStore::NoBaseYear || baselineBase == InvestmentStore::NoBaseYear)
        return result;
    const long long year = static_cast<long long>(currentBase) + yearIndex;
    const long long baselineIndex = year - baselineBase;
    if (yearIndex < 0 || yearIndex >= current.maxJaren() || baselineIndex < 0 || baselineIndex >= baseline.maxJaren())
        return result;
    YearTotals mine;
    YearTotals theirs;
    current.yearTotals(yearIndex, mine);
    baseline.yearTotals(static_cast<int>(baselineIndex), theirs);
    if (real) {
        real->deflate(mine, static_cast<int>(year));
        real->deflate(theirs, static_cast<int>(year));
    }
    result.available = true;
    result.netWorth = theirs.netWorth();
    result.monthlyCashFlow = theirs.monthlyCashFlow;
    result.netWorthDifference = mine.netWorth() - theirs.netWorth();
    result.cashFlowDifference = mine.monthlyCashFlow - theirs.monthlyCashFlow;
    return result;
}

} // namespace

BaselineYear CompareWithBaseline(const InvestmentStore &current, const InvestmentStore *baseline, int yearIndex,
    const InflationTable *real)
{
    if (!baseline)
        return BaselineYear();
    return compareYear(current, current.earliestStartYear(), *baseline, baseline->earliestStartYear(), yearIndex, real);
}

int CompareByYear(const InvestmentStore &current, const InvestmentStore *baseline, const InflationTable *real,
    BaselineYear (&years)[MaxYears])
{
    const int currentBase = current.earliestStartYear();
    const int count = currentBase == InvestmentStore::NoBaseYear ? 0 : current.maxJaren();
    const int baselineBase = baseline ? baseline->earliestStartYear() : InvestmentStore::NoBaseYear;
    for (int y = 0; y < MaxYears; ++y)
        years[y] = y < count && baseline ? compareYear(current, currentBase, *baseline, baselineBase, y, real)
                                         : BaselineYear();
    return count;
}

QVector<double> ComparedLine(const InvestmentStore &current, const InvestmentStore *other, const InflationTable *real,
    bool cashFlow)
{
    if (!other)
        return {};
    BaselineYear years[MaxYears];
    const int count = CompareByYear(current, other, real, years);
    QVector<double> values(count, std::numeric_limits<double>::quiet_NaN());
    bool any = false;
    for (int y = 0; y < count; ++y) {
        if (years[y].available)
            values[y] = cashFlow ? years[y].monthlyCashFlow : years[y].netWorth;
        any = any || years[y].available;
    }
    // No line at all, rather than an empty one in the legend, when no year has both.
    return any ? values : QVector<double>();
}

Baseline::Baseline() = default;
Baseline::~Baseline() = default;
Baseline::Baseline(Baseline &&) noexcept = default;
Baseline &Baseline::operator=(Baseline &&) noexcept = default;

Baseline::Baseline(const Baseline &other)
    : m_store(other.m_store ? std::make_unique<InvestmentStore>(*other.m_store) : nullptr)
    , m_debtMeasure(other.m_debtMeasure)
    , m_name(other.m_name)
{
}

Baseline &Baseline::operator=(const Baseline &other)
{
    if (this != &other)
        *this = Baseline(other);
    return *this;
}

bool Baseline::loadFile(const QString &path, int maxInvestment, int maxJaren, QString *error, FileTargets targets)
{
    QString text;
    if (!ReadInvestTextFile(path, &text, error, targets))
        return false;
    auto store = std::make_unique<InvestmentStore>();
    store->setMaxInvestment(maxInvestment);
    store->setMaxJaren(maxJaren);
    store->setDebtMeasure(m_debtMeasure);
    LoadPortfolioText(text, *store);
    if (!m_withAssumptions)
        store->setCostTax(CostTaxAssumptions());
    m_store = std::move(store);
    m_name = QFileInfo(path).fileName();
    return true;
}

void Baseline::setCopyOf(const InvestmentStore &current, const QString &name)
{
    m_store = std::make_unique<InvestmentStore>(current);
    m_name = name;
    m_debtMeasure = current.debtMeasure();
}

void Baseline::clear()
{
    m_store.reset();
    m_name.clear();
}

void Baseline::setLimits(int maxInvestment, int maxJaren)
{
    if (!m_store)
        return;
    // Only a real change: setting a limit brings the projections up to date.
    if (m_store->maxInvestment() != maxInvestment)
        m_store->setMaxInvestment(maxInvestment);
    if (m_store->maxJaren() != maxJaren)
        m_store->setMaxJaren(maxJaren);
}

void Baseline::setDebtMeasure(DebtMeasure measure)
{
    m_debtMeasure = measure;
    if (m_store)
        m_store->setDebtMeasure(measure);
}
