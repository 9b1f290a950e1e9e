#include "model/PathSimulation.h"

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "model/InvestmentStore.h"
#include "model/Projection.h"
#include "model/ThreadLocal.h"

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
    portfolio.debt = store.debtMeasure();
    portfolio.costTax = store.costTax();
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

namespace {

// Quantiles by placing each rank in turn with nth_element: after placing rank lo, the ranks
// from lo on lie in values[lo ..], where the next, higher quantile is searched.
void SelectQuantiles(double *values, int count, const double *p, double *quantiles, int n)
{
    int from = 0;
    for (int i = 0; i < n; ++i) {
        const double h = std::clamp(p[i], 0.0, 1.0) * (count - 1);
        const int lo = std::max(static_cast<int>(h), from);
        std::nth_element(values + from, values + lo, values + count);
        from = lo;
        const double low = values[lo];
        const double fraction = h - lo;
        double high = low;
        if (fraction > 0.0 && lo + 1 < count)
            high = *std::min_element(values + lo + 1, values + count);
        quantiles[i] = high == low ? low : low + fraction * (high - low);
    }
}

// Quantiles of many values by brackets (as Floyd and Rivest select): a sorted sample of the
// values gives, for each quantile, two values that its ranks lie between with near certainty;
// one pass counts the values below each bracket and gathers those within it, and only the
// gathered few are ordered. The ranks are exact, so the quantiles equal those SelectQuantiles
// gives. False, with nothing written, when a rank falls outside its bracket or a bracket holds
// too many values (many equal values): the caller then selects among all values.
// One pass over the values for BracketQuantiles: per bracket the values below it, and those
// within it gathered. N brackets (0: `n` of them). True when a value is NaN; held[0] is -1
// when a bracket filled its room of `capacity` values, as the pass then stops.
template<int N>
bool GatherBrackets(const double *values, int count, const double *low, const double *high, double *const *gathered,
    int *below, int *held, int capacity, int n = N)
{
    const int brackets = N > 0 ? N : n;
    double lo[8], hi[8];
    double *out[8];
    int under[8], in[8];
    for (int i = 0; i < brackets; ++i) {
        lo[i] = low[i];
        hi[i] = high[i];
        out[i] = gathered[i];
        under[i] = 0;
        in[i] = 0;
    }
    bool nan = false;
    for (int from = 0; from < count; from += 256) {
        // A bracket that could fill up within the next stretch gives up before writing beyond its room.
        for (int i = 0; i < brackets; ++i) {
            if (in[i] > capacity - 257) {
                held[0] = -1;
                return false;
            }
        }
        const int to = std::min(count, from + 256);
        for (int k = from; k < to; ++k) {
            const double v = values[k];
            nan |= v != v;
            for (int i = 0; i < brackets; ++i) {
                under[i] += v < lo[i];
                out[i][in[i]] = v;
                in[i] += static_cast<int>(v >= lo[i]) & static_cast<int>(v <= hi[i]);
            }
        }
    }
    for (int i = 0; i < brackets; ++i) {
        below[i] = under[i];
        held[i] = in[i];
    }
    return nan;
}

bool BracketQuantiles(const double *values, int count, const double *p, double *quantiles, int n)
{
    constexpr int MaxBrackets = 8;
    // Below some 20.000 values selecting among them all is as fast.
    if (n > MaxBrackets || count < 20000)
        return false;
    // A larger sample narrows the brackets but takes longer to sort.
    const int sampleSize = std::clamp(count / 48, 512, 2048);
    // Some four standard deviations of a sampled rank: 2 √n for the median.
    const int margin = static_cast<int>(2.0 * std::sqrt(static_cast<double>(sampleSize))) + 1;
    const int capacity = count / 4;
    QUORVANT_THREAD_LOCAL std::vector<double> scratch;
    scratch.resize(static_cast<size_t>(sampleSize) + static_cast<size_t>(n) * capacity);
    double *sample = scratch.data();
    const double stride = static_cast<double>(count) / sampleSize;
    for (int k = 0; k < sampleSize; ++k)
        sample[k] = values[static_cast<int>((k + 0.5) * stride)];
    if (std::any_of(sample, sample + sampleSize, [](double v) { return std::isnan(v); }))
        return false;
    std::sort(sample, sample + sampleSize);

    struct Bracket
    {
        double low, high; // the values the ranks lie between, both included
        int lo; // the rank of the quantile's lower value
        int hi; // the rank of its higher value (lo when it needs none)
        double fraction;
        int below = 0; // values below `low`
        int held = 0; // values gathered
        double *gathered;
    };
    Bracket b[MaxBrackets];
    const double inf = std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && p[i] < p[i - 1])
            return false;
        const double h = std::clamp(p[i], 0.0, 1.0) * (count - 1);
        b[i].lo = static_cast<int>(h);
        b[i].fraction = h - b[i].lo;
        b[i].hi = b[i].fraction > 0.0 && b[i].lo + 1 < count ? b[i].lo + 1 : b[i].lo;
        const int first = static_cast<int>(static_cast<double>(b[i].lo) / count * sampleSize) - margin;
        const int last = static_cast<int>(static_cast<double>(b[i].hi) / count * sampleSize) + margin;
        b[i].low = first < 0 ? -inf : sample[first];
        b[i].high = last >= sampleSize ? inf : sample[last];
        b[i].gathered = scratch.data() + sampleSize + static_cast<size_t>(i) * capacity;
    }

    double low[MaxBrackets], high[MaxBrackets];
    double *gathered[MaxBrackets];
    for (int i = 0; i < n; ++i) {
        low[i] = b[i].low;
        high[i] = b[i].high;
        gathered[i] = b[i].gathered;
    }
    int below[MaxBrackets] = {};
    int held[MaxBrackets] = {};
    const bool nan = n == 3 ? GatherBrackets<3>(values, count, low, high, gathered, below, held, capacity)
                            : GatherBrackets<0>(values, count, low, high, gathered, below, held, capacity, n);
    if (held[0] < 0)
        return false; // a bracket filled up
    for (int i = 0; i < n; ++i) {
        b[i].below = below[i];
        b[i].held = held[i];
    }
    if (nan) {
        std::fill(quantiles, quantiles + n, std::numeric_limits<double>::quiet_NaN());
        return true;
    }
    for (int i = 0; i < n; ++i) {
        if (b[i].below > b[i].lo || b[i].hi >= b[i].below + b[i].held)
            return false;
    }
    for (int i = 0; i < n; ++i) {
        Bracket &br = b[i];
        double *g = br.gathered;
        const int at = br.lo - br.below;
        std::nth_element(g, g + at, g + br.held);
        const double low = g[at];
        const double high = br.hi > br.lo ? *std::min_element(g + at + 1, g + br.held) : low;
        quantiles[i] = high == low ? low : low + br.fraction * (high - low);
    }
    return true;
}

} // namespace

void Quantiles(double *values, int count, const double *p, double *quantiles, int n)
{
    if (count > 0 && BracketQuantiles(values, count, p, quantiles, n))
        return;
    if (count <= 0 || std::any_of(values, values + count, [](double v) { return std::isnan(v); })) {
        std::fill(quantiles, quantiles + n, std::numeric_limits<double>::quiet_NaN());
        return;
    }
    SelectQuantiles(values, count, p, quantiles, n);
}

double Quantile(double *values, int count, double p)
{
    double q;
    Quantiles(values, count, &p, &q, 1);
    return q;
}

namespace {

// The three quantities that vary, in the order a path draws their deviations.
enum Quantity { ValueGrowth = 0, RentGrowth = 1, Return = 2, QuantityCount = 3 };

// Each distinct typed rate of a quantity is a channel: one yearly factor per path for every row
// that has that rate. Values and rents of the rows of one channel all grow by that factor, and
// the return of money lent out is linear in the capital, so a path carries one sum per channel
// rather than one figure per row: what the rows already running hold, plus what the rows that
// start in the year bring in.
struct Channel
{
    double rate = 0.0; // the typed percentage
    int first = MaxYears; // the first year index a row of the channel runs
    double starting[MaxYears] = {}; // value or rent of the rows whose first year it is
    double paying[MaxYears] = {}; // capital whose return is paid out in the year
    double gaining[MaxYears] = {}; // capital whose return of the year before enters the cash
    int payingRows[MaxYears] = {};
    int gainingRows[MaxYears] = {};
};

// Savings that compound at the year's return, with monthly deposits: one record per row, as
// each row stops growing at the end of its own deposit period.
struct CompoundRow
{
    int first;
    int channel;
    double monthlyDeposit;
    double cash0;
    quint32 growingYears; // bit y: within the deposit period
};

// One portfolio laid out for the path loop. What does not vary (saving plans, debt, the
// payments, rows of other types) is summed once per year.
struct PathModel
{
    int years = 0;
    double spread[QuantityCount] = {};
    std::vector<Channel> channels[QuantityCount];
    double fixedCash[MaxYears] = {};
    double fixedValue[MaxYears] = {};
    double fixedFlow[MaxYears] = {};
    double debt[MaxYears] = {};
    double payments[MaxYears] = {}; // monthly payments of the property rows
    double startingCash[MaxYears] = {}; // first-year cash of the property and lending rows
    // Running costs a month on a path's property value and rent (percent / 1200, percent / 100).
    double costOnValue = 0.0;
    double costOnRent = 0.0;
    // Box 3 on a path: what does not vary (lent capital, the principal, own contributions of
    // property and lending, the principal repaid in the year).
    Box3Assumptions box3;
    int baseYear = 0;
    double lentCapital[MaxYears] = {};
    double principal[MaxYears] = {};
    double ownBack[MaxYears] = {};
    double repaid[MaxYears] = {};
    double rules[MaxYears][Box3ValueCount] = {}; // the values of each year's rules
    std::vector<CompoundRow> compound;

    Channel &channel(Quantity q, double rate, int *index = nullptr)
    {
        std::vector<Channel> &list = channels[q];
        size_t i = 0;
        // Bit for bit, so that a NaN rate is one channel too.
        while (i < list.size() && std::memcmp(&list[i].rate, &rate, sizeof rate) != 0)
            ++i;
        if (i == list.size()) {
            list.emplace_back();
            list.back().rate = rate;
        }
        if (index)
            *index = static_cast<int>(i);
        return list[i];
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

    const CostAssumptions &costs = portfolio.costTax.costs;
    m.costOnValue = (costs.maintenance + costs.fixedCharges) / 1200.0;
    m.costOnRent = costs.management / 100.0;
    m.box3 = portfolio.costTax.box3;
    m.baseYear = portfolio.baseYear;
    if (m.box3.regime != Box3Regime::Off) {
        for (int y = 0; y < m.years; ++y)
            m.box3.ruleValues(m.baseYear + y, m.rules[y]);
    }
    ProjectionBlock block;
    for (const InvestmentInput &in : portfolio.rows) {
        // The projection gives what does not vary and every row's first year.
        ProjectRow(in, portfolio.baseYear, m.years, block, portfolio.debt, costs);
        for (int y = 0; y < m.years; ++y) {
            m.debt[y] += block.years[y].series[SerDebt];
            m.principal[y] += block.principal[y];
        }

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
            Channel &value = m.channel(ValueGrowth, in.value(ColValueIncrease));
            Channel &rent = m.channel(RentGrowth, in.value(ColRentIncrease));
            value.starting[first] += s0[SerPropertyValue];
            rent.starting[first] += s0[SerMonthlyIncome];
            value.first = std::min(value.first, first);
            rent.first = std::min(rent.first, first);
            m.startingCash[first] += s0[SerCash];
            // The payments alone: the running costs follow the path's value and rent.
            for (int y = 0; y < m.years; ++y) {
                m.payments[y] += block.years[y].series[SerMonthlyCosts] - block.runningCosts[y];
                if (y >= first) {
                    m.ownBack[y] += s0[SerOwnContribution];
                    if (y + 1 < m.years)
                        m.repaid[y] += block.principal[y] - block.principal[y + 1];
                }
            }
        } else if (type == CashForCashflow) {
            Channel &returns = m.channel(Return, in.value(ColReturn));
            const double capital = in.value(ColLumpSum);
            m.startingCash[first] += s0[SerCash];
            for (int y = first; y < m.years; ++y) {
                const double d = offset(y);
                m.ownBack[y] += s0[SerOwnContribution];
                if (d <= period)
                    m.lentCapital[y] += capital;
                if (d == 0.0 || d <= period) {
                    returns.paying[y] += capital;
                    ++returns.payingRows[y];
                }
                if (y > first && d <= period) {
                    returns.gaining[y] += capital;
                    ++returns.gainingRows[y];
                }
            }
        } else if (type == CompoundedInterest && (in.isEmpty(ColPrice) || in.field[ColPrice] == 0.0)) {
            int channel = 0;
            m.channel(Return, in.value(ColReturn), &channel);
            CompoundRow row { first, channel, in.value(ColMonthlyDeposit), s0[SerCash], 0 };
            for (int y = first; y < m.years; ++y) {
                if (offset(y) <= period)
                    row.growingYears |= 1u << y;
            }
            // Rows that start, grow and stop together at one rate are linear in their start cash
            // and deposit: they run as one.
            auto same = std::find_if(m.compound.begin(), m.compound.end(), [&](const CompoundRow &other) {
                return other.first == row.first && other.channel == row.channel && other.growingYears == row.growingYears;
            });
            if (same == m.compound.end()) {
                m.compound.push_back(row);
            } else {
                same->monthlyDeposit += row.monthlyDeposit;
                same->cash0 += row.cash0;
            }
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

// The ziggurat of the standard normal density (Marsaglia and Tsang, 2000): 128 layers of equal
// area, the base layer holding the tail beyond r. Layer i spans |x| < x[i]; `inner[i]` is the
// share of it that lies wholly under the density, where a draw is taken at once (some 99 % of
// draws, without a logarithm).
struct Ziggurat
{
    static constexpr int Layers = 128;
    static constexpr double R = 3.442619855899; // where the tail begins
    static constexpr double Area = 9.91256303526217e-3; // of each layer
    static constexpr double Scale = 2147483648.0; // 2^31: a signed 32-bit draw to a fraction

    quint32 inner[Layers];
    double width[Layers]; // x per unit of the 32-bit draw
    double density[Layers]; // exp(-x^2 / 2) at the layer's edge

    Ziggurat()
    {
        double x = R;
        double previous = R;
        const double q = Area / std::exp(-0.5 * R * R);
        inner[0] = static_cast<quint32>(R / q * Scale);
        inner[1] = 0;
        width[0] = q / Scale;
        width[Layers - 1] = R / Scale;
        density[0] = 1.0;
        density[Layers - 1] = std::exp(-0.5 * R * R);
        for (int i = Layers - 2; i >= 1; --i) {
            x = std::sqrt(-2.0 * std::log(Area / x + std::exp(-0.5 * x * x)));
            inner[i + 1] = static_cast<quint32>(x / previous * Scale);
            previous = x;
            density[i] = std::exp(-0.5 * x * x);
            width[i] = x / Scale;
        }
    }
};

const Ziggurat &TheZiggurat()
{
    static const Ziggurat z;
    return z;
}

// xoshiro256+ for the uniform numbers, the ziggurat for the normal ones.
class PathRandom
{
public:
    PathRandom(quint64 seed, int path)
        : m_z(TheZiggurat())
    {
        quint64 mix = seed;
        quint64 key = splitMix(mix) ^ static_cast<quint64>(path);
        for (quint64 &word : m_s)
            word = splitMix(key);
    }

    double normal()
    {
        for (;;) {
            const quint64 bits = next();
            // The high 32 bits as a signed draw, the low 7 as the layer.
            const qint32 draw = static_cast<qint32>(static_cast<quint32>(bits >> 32));
            const int layer = static_cast<int>(bits & (Ziggurat::Layers - 1));
            const quint32 size = draw < 0 ? 0u - static_cast<quint32>(draw) : static_cast<quint32>(draw);
            const double x = draw * m_z.width[layer];
            if (size < m_z.inner[layer])
                return x;
            if (layer == 0) {
                // The tail beyond R, by Marsaglia's exponential method.
                double t, y;
                do {
                    t = -std::log(openUniform()) / Ziggurat::R;
                    y = -std::log(openUniform());
                } while (y + y < t * t);
                return draw > 0 ? Ziggurat::R + t : -Ziggurat::R - t;
            }
            // The wedge between the inner box and the density.
            const double low = m_z.density[layer];
            const double high = m_z.density[layer - 1];
            if (low + openUniform() * (high - low) < std::exp(-0.5 * x * x))
                return x;
        }
    }

private:
    // Uniform in (0, 1): never 0, so that its logarithm is defined.
    double openUniform() { return (static_cast<double>(next() >> 11) + 0.5) * 0x1.0p-53; }

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

    const Ziggurat &m_z;
    quint64 m_s[4];
};

// The return of a capital over a year that grows it by `factor`; a year without growth pays
// nothing, also on a capital without end.
inline double YearReturn(double capital, double factor)
{
    return factor == 1.0 ? 0.0 : capital * factor - capital;
}

// What one thread reuses from path to path.
struct PathScratch
{
    double deviation[QuantityCount][MaxYears];
    std::vector<double> growth[QuantityCount]; // channel × year: the year's factor (1 + r/12)^12
    std::vector<double> deposits; // return channel × year: what 1 a month grows to by the year's end
    std::vector<double> sums[QuantityCount]; // per channel: the amount the running rows hold
    double cash[MaxYears], value[MaxYears], flow[MaxYears];
    double held[MaxYears]; // the cash of property and lending rows alone
};

// The deviations of a path: three a year, value growth, rent growth and return in turn, so
// that a spread changes only the deviations of its own quantity.
void drawDeviations(const PathModel &m, quint64 seed, int path, PathScratch &s)
{
    PathRandom random(seed, path);
    for (int y = 0; y < m.years; ++y) {
        for (int q = 0; q < QuantityCount; ++q)
            s.deviation[q][y] = m.spread[q] * random.normal();
    }
}

// Box 3 on a path's own values, by the rules of the store's tax layer taken over the sums: the
// cash of property and lending beyond their own contributions counts as deposits as a whole.
void applyBox3(const PathModel &m, PathScratch &s)
{
    const int persons = m.box3.persons();
    const double woz = m.box3.wozFactor / 100.0;
    double paidBefore = 0.0;
    for (int y = 0; y < m.years; ++y) {
        const int year = m.baseYear + y;
        double tax = 0.0;
        if (m.box3.regime == Box3Regime::Actual && year >= ActualReturnRule::FromYear) {
            tax = Box3ActualTax(m.box3.actual, 12.0 * s.flow[y] + m.repaid[y], persons);
        } else {
            Box3Position p;
            p.deposits = std::max(0.0, s.held[y] + m.ownBack[y]) + (s.cash[y] - s.held[y]);
            p.deposits = std::max(0.0, p.deposits - paidBefore);
            p.otherAssets = (s.value[y] - m.fixedValue[y]) * woz + m.lentCapital[y];
            p.debts = m.principal[y];
            tax = Box3DeemedTax(m.rules[y], p, persons).tax;
        }
        s.cash[y] -= paidBefore;
        s.flow[y] -= tax / 12.0;
        paidBefore += tax;
    }
}

// The yearly totals of the path whose deviations `s` holds.
void evaluatePath(const PathModel &m, PathScratch &s)
{
    const int years = m.years;

    // The yearly factors of every channel. The rate is the projection's own: percent / 1200 a
    // month compounded over twelve months; the twelfth power by squaring, the year's deposits as
    // 1 + q + ... + q^11 = (1 + q)(1 + q^2)(1 + q^4 + q^8), which is 12 at a rate of 0. The
    // loops have no branch, so that they run on vectors.
    constexpr double PerMonth = 1.0 / 1200.0;
    for (int q = 0; q < QuantityCount; ++q) {
        const std::vector<Channel> &channels = m.channels[q];
        s.growth[q].resize(channels.size() * years);
        s.sums[q].assign(channels.size(), 0.0);
        if (q == Return)
            s.deposits.resize(channels.size() * years);
        const double *deviation = s.deviation[q];
        for (size_t c = 0; c < channels.size(); ++c) {
            const double rate = channels[c].rate;
            double *growth = s.growth[q].data() + c * years;
            for (int y = 0; y < years; ++y) {
                const double q1 = 1.0 + (rate + deviation[y]) * PerMonth;
                const double q2 = q1 * q1;
                const double q4 = q2 * q2;
                growth[y] = q4 * q4 * q4;
            }
            if (q != Return)
                continue;
            double *deposits = s.deposits.data() + c * years;
            for (int y = 0; y < years; ++y) {
                const double q1 = 1.0 + (rate + deviation[y]) * PerMonth;
                const double q2 = q1 * q1;
                const double q4 = q2 * q2;
                deposits[y] = (1.0 + q1) * (1.0 + q2) * (1.0 + q4 + q4 * q4);
            }
        }
    }

    // Property and money lent out, by channel. The cash of a property row grows by twelve
    // times the monthly cash flow of the year before, that of money lent out by the return of
    // the year before; both are linear, so the sums take them for all rows at once.
    double cash = 0.0;
    double lastFlow = 0.0;
    for (int y = 0; y < years; ++y) {
        double value = m.fixedValue[y];
        double rent = 0.0;
        for (int q : { ValueGrowth, RentGrowth }) {
            const std::vector<Channel> &channels = m.channels[q];
            double *sums = s.sums[q].data();
            const double *growth = s.growth[q].data();
            double total = 0.0;
            for (size_t c = 0; c < channels.size(); ++c) {
                const Channel &ch = channels[c];
                sums[c] = y > ch.first ? sums[c] * growth[c * years + y - 1] + ch.starting[y] : ch.starting[y];
                total += sums[c];
            }
            (q == ValueGrowth ? value : rent) += total;
        }
        double income = 0.0;
        double gains = 0.0;
        const std::vector<Channel> &returns = m.channels[Return];
        const double *growth = s.growth[Return].data();
        for (size_t c = 0; c < returns.size(); ++c) {
            const Channel &ch = returns[c];
            if (ch.payingRows[y])
                income += YearReturn(ch.paying[y], growth[c * years + y]);
            if (ch.gainingRows[y])
                gains += YearReturn(ch.gaining[y], growth[c * years + y - 1]);
        }
        cash = y > 0 ? cash + 12.0 * lastFlow + gains + m.startingCash[y] : m.startingCash[y];
        double flow = rent - m.payments[y];
        if (m.costOnValue != 0.0 || m.costOnRent != 0.0)
            flow -= (value - m.fixedValue[y]) * m.costOnValue + rent * m.costOnRent;
        s.held[y] = cash; // property and lending, for Box 3
        lastFlow = flow;
        s.cash[y] = m.fixedCash[y] + cash;
        s.value[y] = value;
        s.flow[y] = m.fixedFlow[y] + flow + income / 12.0;
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
                // The interest of the year: what the balance grows by less the deposits.
                income = (next - balance - 12.0 * row.monthlyDeposit) / 12.0;
            }
            s.cash[y] += cash;
            s.flow[y] += income;
        }
    }
    if (m.box3.regime != Box3Regime::Off)
        applyBox3(m, s);
}

// Runs work(0 .. threads - 1), the first on the calling thread.
template<typename Work>
void onThreads(int threads, const Work &work)
{
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back([&work, t] { work(t); });
    work(0);
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace

namespace {

PathTotals totalsOf(const PathModel &m, const PathScratch &s)
{
    PathTotals t;
    t.cash = QVector<double>(s.cash, s.cash + m.years);
    t.propertyValue = QVector<double>(s.value, s.value + m.years);
    t.debt = QVector<double>(m.debt, m.debt + m.years);
    t.monthlyCashFlow = QVector<double>(s.flow, s.flow + m.years);
    return t;
}

} // namespace

PathTotals SimulatePath(const PathPortfolio &portfolio, const PathSettings &settings, int path)
{
    const PathSettings b = settings.bounded();
    const PathModel m = buildModel(portfolio, b);
    PathScratch s {};
    drawDeviations(m, b.seed, path, s);
    evaluatePath(m, s);
    return totalsOf(m, s);
}

PathTotals SimulatePath(const PathPortfolio &portfolio, const PathDeviations &deviations)
{
    const PathModel m = buildModel(portfolio, PathSettings());
    PathScratch s {};
    std::copy(std::begin(deviations.value), std::end(deviations.value), s.deviation[ValueGrowth]);
    std::copy(std::begin(deviations.rent), std::end(deviations.rent), s.deviation[RentGrowth]);
    std::copy(std::begin(deviations.yield), std::end(deviations.yield), s.deviation[Return]);
    evaluatePath(m, s);
    return totalsOf(m, s);
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
        long long freeFrom[MaxYears] = {};
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
                drawDeviations(m, b.seed, p, s);
                evaluatePath(m, s);
                // The path is free from the year after its last uncovered one on.
                int freeFrom = 0;
                for (int y = 0; y < years; ++y) {
                    netWorth[static_cast<size_t>(y) * paths + p] = s.cash[y] + s.value[y] - m.debt[y];
                    const double need = y < b.spendingByYear.size() ? b.spendingByYear.at(y) : spending;
                    if (target && s.flow[y] >= need)
                        ++count.covered[y];
                    else
                        freeFrom = y + 1;
                }
                if (target && freeFrom < years)
                    ++count.freeFrom[freeFrom];
            }
            if (control.pathsDone)
                control.pathsDone->fetch_add(end - begin, std::memory_order_relaxed);
        }
    };

    onThreads(threads, [&](int t) { work(counts[static_cast<size_t>(t)]); });
    if (control.cancel && control.cancel->load()) {
        bands.cancelled = true;
        return bands;
    }

    // The percentiles, a year at a time on each thread.
    bands.p10.resize(years);
    bands.p50.resize(years);
    bands.p90.resize(years);
    std::atomic<int> nextYear { 0 };
    onThreads(std::min(threads, years), [&](int) {
        for (int y; (y = nextYear.fetch_add(1)) < years;) {
            static const double p[3] = { 0.1, 0.5, 0.9 };
            double q[3];
            Quantiles(netWorth.data() + static_cast<size_t>(y) * paths, paths, p, q, 3);
            bands.p10[y] = q[0];
            bands.p50[y] = q[1];
            bands.p90[y] = q[2];
        }
    });
    if (target) {
        bands.coveredChance.resize(years);
        bands.coveredByChance.resize(years);
        long long coveredBy = 0;
        for (int y = 0; y < years; ++y) {
            long long covered = 0;
            for (const Counts &c : counts) {
                covered += c.covered[y];
                coveredBy += c.freeFrom[y];
            }
            bands.coveredChance[y] = static_cast<double>(covered) / paths;
            bands.coveredByChance[y] = static_cast<double>(coveredBy) / paths;
        }
    }
    return bands;
}
