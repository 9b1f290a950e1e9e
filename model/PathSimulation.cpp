#include "model/PathSimulation.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"
#include "model/Projection.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

PathPortfolio PathPortfolio::fromStore(const InvestmentStore &store)
{
    PathPortfolio portfolio;
    portfolio.baseYear = store.earliestStartYear();
    portfolio.years = store.maxJaren();
    for (int r = 0; r < store.maxInvestment(); ++r) {
        if (store.block(r).projected)
            portfolio.rows.append(store.input(r));
    }
    return portfolio;
}

PathSettings PathSettings::bounded() const
{
    PathSettings b = *this;
    for (double *spread : { &b.valueSpread, &b.rentSpread, &b.returnSpread })
        *spread = *spread >= 0.0 ? std::min(*spread, MaxSpread) : 0.0; // NaN fails the test
    b.paths = std::clamp(paths, MinPaths, MaxPaths);
    return b;
}

double Quantile(double *values, int count, double p)
{
    if (count <= 0 || std::any_of(values, values + count, [](double v) { return std::isnan(v); }))
        return std::numeric_limits<double>::quiet_NaN();
    const double h = std::clamp(p, 0.0, 1.0) * (count - 1);
    const int lo = static_cast<int>(h);
    std::nth_element(values, values + lo, values + count);
    const double low = values[lo];
    const double fraction = h - lo;
    if (fraction == 0.0 || lo + 1 >= count)
        return low;
    const double high = *std::min_element(values + lo + 1, values + count);
    return high == low ? low : low + fraction * (high - low);
}

namespace {

// The three quantities that vary, in the order a path draws their deviations.
enum Quantity { ValueGrowth = 0, RentGrowth = 1, Return = 2, QuantityCount = 3 };

// A property row (bought with or without a loan): value and rent grow, the payments do not vary.
struct PropertyRow
{
    int first; // the first year index the row writes
    int valueChannel;
    int rentChannel;
    double value0, rent0, cash0; // the projection's figures of the first year
    const double *payments; // monthly payment per year index
};

// Money lent out: the capital earns the year's return, paid out monthly.
struct LendingRow
{
    int first;
    int channel;
    double capital;
    double cash0;
    quint32 incomeYears; // bit y: the year pays its return out
    quint32 gainYears; // bit y: the cash of the year takes in the return of the year before
};

// Savings that compound at the year's return, with monthly deposits.
struct CompoundRow
{
    int first;
    int channel;
    double lumpSum, monthlyDeposit;
    double firstOffset; // years since the row's start in its first year
    double cash0;
    quint32 growingYears; // bit y: within the deposit period
};

// One portfolio laid out for the path loop. What does not vary (saving plans, debt, the
// payments, rows of other types) is summed once; the rest is one small record per row, and
// each distinct typed rate of a quantity is one channel whose yearly factors a path computes
// once for all rows that share it.
struct PathModel
{
    int years = 0;
    double spread[QuantityCount] = {};
    std::vector<double> rates[QuantityCount]; // the typed percentage of each channel
    double fixedCash[MaxYears] = {};
    double fixedValue[MaxYears] = {};
    double fixedFlow[MaxYears] = {};
    double debt[MaxYears] = {};
    std::vector<PropertyRow> property;
    std::vector<LendingRow> lending;
    std::vector<CompoundRow> compound;
    std::vector<double> payments; // years per property row

    int channel(Quantity q, double rate)
    {
        std::vector<double> &list = rates[q];
        for (size_t i = 0; i < list.size(); ++i) {
            if (std::memcmp(&list[i], &rate, sizeof rate) == 0) // bit for bit: a NaN rate is one channel too
                return static_cast<int>(i);
        }
        list.push_back(rate);
        return static_cast<int>(list.size()) - 1;
    }
};

int rowType(const InvestmentInput &in)
{
    return std::isnan(in.field[ColType]) ? -1 : TruncateToInt(in.field[ColType]);
}

PathModel buildModel(const PathPortfolio &portfolio, const PathSettings &settings)
{
    PathModel m;
    if (portfolio.baseYear == InvestmentStore::NoBaseYear)
        return m;
    m.years = std::clamp(portfolio.years, 0, MaxYears);
    m.spread[ValueGrowth] = settings.valueSpread;
    m.spread[RentGrowth] = settings.rentSpread;
    m.spread[Return] = settings.returnSpread;
    m.payments.reserve(static_cast<size_t>(portfolio.rows.size()) * m.years); // pointers into it stay valid

    ProjectionBlock block;
    for (const InvestmentInput &in : portfolio.rows) {
        // The projection gives what does not vary and every row's first year.
        ProjectRow(in, portfolio.baseYear, m.years, block);
        for (int y = 0; y < m.years; ++y)
            m.debt[y] += block.years[y].series[SerDebt];

        const int start = ProjectedStartYear(in);
        const long long firstWide = std::max(0LL, static_cast<long long>(start) - portfolio.baseYear);
        if (firstWide >= m.years)
            continue; // starts after the last year: writes nothing
        const int first = static_cast<int>(firstWide);
        const double *s0 = block.years[first].series;
        auto offset = [&](int y) { return static_cast<double>(static_cast<long long>(portfolio.baseYear) + y - start); };
        const double period = in.value(ColDepositPeriod);
        const int type = rowType(in);

        if (type == LeveragedProperty || type == PropertyInFull) {
            const double *payments = m.payments.data() + m.payments.size();
            for (int y = 0; y < m.years; ++y)
                m.payments.push_back(block.years[y].series[SerMonthlyCosts]);
            m.property.push_back({ first, m.channel(ValueGrowth, in.value(ColValueIncrease)),
                m.channel(RentGrowth, in.value(ColRentIncrease)), s0[SerPropertyValue], s0[SerMonthlyIncome],
                s0[SerCash], payments });
        } else if (type == CashForCashflow) {
            LendingRow row { first, m.channel(Return, in.value(ColReturn)), in.value(ColLumpSum), s0[SerCash], 0, 0 };
            for (int y = first; y < m.years; ++y) {
                const double d = offset(y);
                if (d == 0.0 || d <= period)
                    row.incomeYears |= 1u << y;
                if (y > first && d <= period)
                    row.gainYears |= 1u << y;
            }
            m.lending.push_back(row);
        } else if (type == CompoundedInterest && (in.isEmpty(ColPrice) || in.field[ColPrice] == 0.0)) {
            CompoundRow row { first, m.channel(Return, in.value(ColReturn)), in.value(ColLumpSum),
                in.value(ColMonthlyDeposit), offset(first), s0[SerCash], 0 };
            for (int y = first; y < m.years; ++y) {
                if (offset(y) <= period)
                    row.growingYears |= 1u << y;
            }
            m.compound.push_back(row);
        } else {
            // Saving without interest, compounding that is not computed, unknown types.
            for (int y = 0; y < m.years; ++y) {
                const double *s = block.years[y].series;
                m.fixedCash[y] += s[SerCash];
                m.fixedValue[y] += s[SerPropertyValue];
                m.fixedFlow[y] += s[SerMonthlyCashFlow];
            }
        }
    }
    return m;
}

// splitmix64: seeds a path's stream from the seed and the path number.
quint64 splitMix(quint64 &state)
{
    quint64 z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// xoshiro256+ for the uniform numbers, the polar method for the normal ones.
class PathRandom
{
public:
    PathRandom(quint64 seed, int path)
    {
        quint64 mix = seed;
        quint64 key = splitMix(mix) ^ static_cast<quint64>(path);
        for (quint64 &word : m_s)
            word = splitMix(key);
    }

    double normal()
    {
        if (m_haveSpare) {
            m_haveSpare = false;
            return m_spare;
        }
        double u, v, s;
        do {
            u = 2.0 * uniform() - 1.0;
            v = 2.0 * uniform() - 1.0;
            s = u * u + v * v;
        } while (s >= 1.0 || s == 0.0);
        const double f = std::sqrt(-2.0 * std::log(s) / s);
        m_spare = v * f;
        m_haveSpare = true;
        return u * f;
    }

private:
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    quint64 next()
    {
        const quint64 result = m_s[0] + m_s[3];
        const quint64 t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = (m_s[3] << 45) | (m_s[3] >> 19);
        return result;
    }

    quint64 m_s[4];
    double m_spare = 0.0;
    bool m_haveSpare = false;
};

// What one thread reuses from path to path.
struct PathScratch
{
    double deviation[QuantityCount][MaxYears];
    std::vector<double> growth[QuantityCount]; // channel × year: the year's factor (1 + r/12)^12
    std::vector<double> deposits; // return channel × year: what 1 a month grows to by the year's end
    double cash[MaxYears], value[MaxYears], flow[MaxYears];
};

void evaluatePath(const PathModel &m, quint64 seed, int path, PathScratch &s)
{
    const int years = m.years;
    PathRandom random(seed, path);
    for (int y = 0; y < years; ++y) {
        for (int q = 0; q < QuantityCount; ++q)
            s.deviation[q][y] = m.spread[q] * random.normal();
    }

    // The yearly factors of every channel. The rate is the projection's own: percent / 100
    // compounded over twelve months; the twelfth power by squaring, the year's deposits as
    // 1 + q + ... + q^11 = (1 + q)(1 + q^2)(1 + q^4 + q^8), which is 12 at a rate of 0.
    for (int q = 0; q < QuantityCount; ++q) {
        const std::vector<double> &rates = m.rates[q];
        s.growth[q].resize(rates.size() * years);
        if (q == Return)
            s.deposits.resize(rates.size() * years);
        for (size_t c = 0; c < rates.size(); ++c) {
            double *growth = s.growth[q].data() + c * years;
            double *deposits = q == Return ? s.deposits.data() + c * years : nullptr;
            for (int y = 0; y < years; ++y) {
                const double monthly = (rates[c] + s.deviation[q][y]) / 100.0 / 12.0;
                const double q1 = 1.0 + monthly;
                const double q2 = q1 * q1;
                const double q4 = q2 * q2;
                const double q8 = q4 * q4;
                growth[y] = q8 * q4;
                if (deposits)
                    deposits[y] = (1.0 + q1) * (1.0 + q2) * (1.0 + q4 + q8);
            }
        }
    }

    std::copy(m.fixedCash, m.fixedCash + years, s.cash);
    std::copy(m.fixedValue, m.fixedValue + years, s.value);
    std::copy(m.fixedFlow, m.fixedFlow + years, s.flow);

    for (const PropertyRow &row : m.property) {
        const double *valueGrowth = s.growth[ValueGrowth].data() + row.valueChannel * years;
        const double *rentGrowth = s.growth[RentGrowth].data() + row.rentChannel * years;
        const double *payment = row.payments;
        double value = row.value0;
        double rent = row.rent0;
        double cash = row.cash0;
        double flow = rent - payment[row.first];
        s.cash[row.first] += cash;
        s.value[row.first] += value;
        s.flow[row.first] += flow;
        for (int y = row.first + 1; y < years; ++y) {
            cash = cash + 12.0 * flow;
            value *= valueGrowth[y - 1];
            rent *= rentGrowth[y - 1];
            flow = rent - payment[y];
            s.cash[y] += cash;
            s.value[y] += value;
            s.flow[y] += flow;
        }
    }

    for (const LendingRow &row : m.lending) {
        const double *growth = s.growth[Return].data() + row.channel * years;
        double cash = row.cash0;
        double lastGain = 0.0;
        for (int y = row.first; y < years; ++y) {
            // A year without growth pays nothing, also on a capital without end.
            const double gain = growth[y] == 1.0 ? 0.0 : row.capital * growth[y] - row.capital;
            if (row.gainYears >> y & 1u)
                cash = cash + lastGain;
            s.cash[y] += cash;
            s.flow[y] += (row.incomeYears >> y & 1u) ? gain / 12.0 : 0.0;
            lastGain = gain;
        }
    }

    for (const CompoundRow &row : m.compound) {
        const double *growth = s.growth[Return].data() + row.channel * years;
        const double *deposits = s.deposits.data() + row.channel * years;
        double cash = row.cash0;
        double balance = row.cash0;
        double next = 0.0;
        for (int y = row.first; y < years; ++y) {
            double income = 0.0;
            if (row.growingYears >> y & 1u) {
                if (y > row.first)
                    balance = next;
                cash = balance;
                next = balance * growth[y] + row.monthlyDeposit * deposits[y];
                const double d = row.firstOffset + (y - row.first);
                income = (next - (row.lumpSum + 12.0 * row.monthlyDeposit * (d + 1.0))) / 12.0;
            }
            s.cash[y] += cash;
            s.flow[y] += income;
        }
    }
}

} // namespace

PathTotals SimulatePath(const PathPortfolio &portfolio, const PathSettings &settings, int path)
{
    const PathSettings b = settings.bounded();
    const PathModel m = buildModel(portfolio, b);
    PathScratch s {};
    evaluatePath(m, b.seed, path, s);
    PathTotals t;
    t.cash = QVector<double>(s.cash, s.cash + m.years);
    t.propertyValue = QVector<double>(s.value, s.value + m.years);
    t.debt = QVector<double>(m.debt, m.debt + m.years);
    t.monthlyCashFlow = QVector<double>(s.flow, s.flow + m.years);
    return t;
}

PathBands RunPaths(const PathPortfolio &portfolio, const PathSettings &settings, const PathRunControl &control)
{
    const PathSettings b = settings.bounded();
    const PathModel m = buildModel(portfolio, b);
    PathBands bands;
    bands.firstYear = portfolio.baseYear;
    bands.paths = b.paths;
    const int years = m.years;
    const int paths = b.paths;
    if (years == 0)
        return bands;

    // Net worth by year and path, so that each year's paths lie together for the percentiles.
    std::vector<double> netWorth(static_cast<size_t>(years) * paths);
    const bool target = b.monthlySpending.has_value();
    const double spending = target ? *b.monthlySpending : 0.0;
    constexpr int Batch = 64;
    std::atomic<int> nextPath { 0 };

    struct Counts
    {
        long long covered[MaxYears] = {};
        long long firstCovered[MaxYears] = {};
    };
    int threads = control.threads > 0 ? control.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, (paths + Batch - 1) / Batch);
    std::vector<Counts> counts(static_cast<size_t>(threads));

    auto work = [&](Counts &count) {
        PathScratch s {};
        for (;;) {
            if (control.cancel && control.cancel->load(std::memory_order_relaxed))
                return;
            const int begin = nextPath.fetch_add(Batch, std::memory_order_relaxed);
            if (begin >= paths)
                return;
            const int end = std::min(begin + Batch, paths);
            for (int p = begin; p < end; ++p) {
                evaluatePath(m, b.seed, p, s);
                int firstYear = -1;
                for (int y = 0; y < years; ++y) {
                    netWorth[static_cast<size_t>(y) * paths + p] = s.cash[y] + s.value[y] - m.debt[y];
                    if (target && s.flow[y] >= spending) {
                        ++count.covered[y];
                        if (firstYear < 0)
                            firstYear = y;
                    }
                }
                if (firstYear >= 0)
                    ++count.firstCovered[firstYear];
            }
            if (control.pathsDone)
                control.pathsDone->fetch_add(end - begin, std::memory_order_relaxed);
        }
    };

    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work, std::ref(counts[static_cast<size_t>(t)]));
    work(counts[0]);
    for (std::thread &helper : helpers)
        helper.join();
    if (control.cancel && control.cancel->load()) {
        bands.cancelled = true;
        return bands;
    }

    bands.p10.resize(years);
    bands.p50.resize(years);
    bands.p90.resize(years);
    for (int y = 0; y < years; ++y) {
        double *values = netWorth.data() + static_cast<size_t>(y) * paths;
        bands.p50[y] = Quantile(values, paths, 0.5);
        bands.p10[y] = Quantile(values, paths, 0.1);
        bands.p90[y] = Quantile(values, paths, 0.9);
    }
    if (target) {
        bands.coveredChance.resize(years);
        bands.coveredByChance.resize(years);
        long long coveredBy = 0;
        for (int y = 0; y < years; ++y) {
            long long covered = 0;
            for (const Counts &c : counts) {
                covered += c.covered[y];
                coveredBy += c.firstCovered[y];
            }
            bands.coveredChance[y] = static_cast<double>(covered) / paths;
            bands.coveredByChance[y] = static_cast<double>(coveredBy) / paths;
        }
    }
    return bands;
}
