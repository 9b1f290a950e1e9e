// Feeds arbitrary bytes to what a user types besides the grid and to the figures built on
// top of the projection: typed-number normalisation and the Dutch notation of shown numbers,
// the exporter's arguments, today's money and the free year, the baseline comparison and the
// path simulation. Besides the sanitizers it checks what must hold whatever the input:
// normalising is idempotent, a shown amount reads back as the amount, a free year and the
// compared years lie within the horizon, percentiles are ordered and chances are shares.

#define main quorvant_export_main
#include "../tools/quorvant-export.cpp"
#undef main

#include "grid/NumberEntry.h"
#include "model/DutchFormat.h"

#include <QTextCodec>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// Takes values off the front of the input; zeros once it runs out.
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    template<typename T>
    T take()
    {
        T value {};
        const size_t n = std::min(sizeof(T), m_size - m_pos);
        std::memcpy(&value, m_data + m_pos, n);
        m_pos += n;
        return value;
    }
    QByteArray rest() const
    {
        return QByteArray(reinterpret_cast<const char *>(m_data + m_pos), static_cast<int>(m_size - m_pos));
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void typedNumbers(const QString &text, double value)
{
    for (NumberKind kind : { NumberKind::Amount, NumberKind::Percentage, NumberKind::Year, NumberKind::Term,
             NumberKind::Count }) {
        const QString once = NormalisedNumberText(text, kind);
        check(NormalisedNumberText(once, kind) == once, "normalising twice changes nothing");
        ReadTypedNumber(text, kind);
    }
    if (std::isfinite(value) && std::fabs(value) < 1e15) {
        const TypedNumber back = ReadTypedNumber(DutchWholeAmount(value), NumberKind::Amount);
        check(back.ok() && back.value == std::round(value), "a shown whole amount reads back");
        const TypedNumber total = ReadTypedNumber(DutchTotal(value), NumberKind::Amount);
        check(total.ok() && std::fabs(total.value - value) <= 0.5 + 1e-9 * std::fabs(value), "a shown total reads back");
    }
    check(DutchTotal(value).indexOf(QLatin1Char('e')) < 0, "no exponent");
}

void exporterArguments(const QByteArray &bytes)
{
    QStringList args;
    for (const QByteArray &part : bytes.split('\n'))
        args << QString::fromUtf8(part);
    Arguments parsed;
    const int status = parseArguments(args, &parsed);
    check(status == 0 || status == 2, "arguments are taken or a usage error");
    if (status == 0 && !parsed.help) {
        // Limits beyond the grid are taken as the limits dialog takes them: held to the store.
        InvestmentStore store;
        store.setMaxJaren(parsed.years);
        store.setMaxInvestment(parsed.investments);
        check(store.maxJaren() >= 0 && store.maxJaren() <= MaxYears, "years within the horizon");
        check(store.maxInvestment() >= 0 && store.maxInvestment() <= MaxRows, "investments within the grid");
    }
}

void planning(const InvestmentStore &store, const InvestmentStore &baseline, double inflation, int referenceYear,
    double spending)
{
    const InflationTable table = InflationTableFor(store, inflation, referenceYear);
    YearTotals totals[MaxYears];
    const int years = ShownTotalsByYear(store, &table, totals);
    check(years >= 0 && years <= MaxYears, "shown years within the horizon");
    const int free = FreeYearIndex(store, table, spending);
    check(free == NoFreeYear || (free >= 0 && free < std::max(years, 1)), "free year within the horizon");
    FirstYearBeyondDeflation(store, table);
    BaselineYear compared[MaxYears];
    const int comparedYears = CompareByYear(store, &baseline, &table, compared);
    check(comparedYears == years, "every projected year is compared");
}

void paths(const InvestmentStore &store, Bytes &in)
{
    PathSettings settings;
    settings.valueSpread = in.take<double>();
    settings.rentSpread = in.take<double>();
    settings.returnSpread = in.take<double>();
    settings.paths = 1 + in.take<uint8_t>() % 8;
    settings.seed = in.take<quint64>();
    const double spending = in.take<double>();
    if (std::isfinite(spending) && spending > 0.0)
        settings.monthlySpending = spending;
    PathRunControl control;
    control.threads = 1;
    const PathBands bands = RunPaths(PathPortfolio::fromStore(store), settings, control);
    for (int y = 0; y < bands.p10.size(); ++y) {
        if (std::isfinite(bands.p10[y]) && std::isfinite(bands.p50[y]) && std::isfinite(bands.p90[y]))
            check(bands.p10[y] <= bands.p50[y] && bands.p50[y] <= bands.p90[y], "percentiles in order");
    }
    for (double chance : bands.coveredChance + bands.coveredByChance)
        check(chance >= 0.0 && chance <= 1.0, "a chance is a share");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes in(data, size);
    const uint8_t what = in.take<uint8_t>();
    const double value = in.take<double>();
    const QByteArray rest = in.rest();
    const QString text = QString::fromUtf8(rest);
    switch (what % 4) {
    case 0:
        typedNumbers(text, value);
        break;
    case 1:
        exporterArguments(rest);
        break;
    default: {
        // The rest is two investment texts: the portfolio and its baseline.
        const int half = text.size() / 2;
        InvestmentStore store;
        InvestmentStore baseline;
        LoadPortfolioText(text.left(half), store);
        LoadPortfolioText(text.mid(half), baseline);
        Bytes settings(data + std::min<size_t>(size, 9), size - std::min<size_t>(size, 9));
        if (what % 4 == 2)
            planning(store, baseline, value, 1900 + static_cast<int>(what) * 2, in.take<double>());
        else
            paths(store, settings);
        break;
    }
    }
    return 0;
}
