// quorvant-export: writes the projection of an investment file as CSV on standard output.
//
//     quorvant-export [--totals [--baseline BASE]] [--years N] [--investments N]
//                     [--real PERCENT [--reference-year Y]] [--debt D] [--format F] [-o OUT] FILE
//     quorvant-export --paths N [--spread V,R,E] [--seed S] [--years N] [--investments N]
//                     [--free-year SPENDING] [--real PERCENT [--reference-year Y]] [--debt D]
//                     [--format F] [-o OUT] FILE
//     quorvant-export --free-year SPENDING [--years N] [--investments N]
//                     [--real PERCENT [--reference-year Y]] [--debt D] [-o OUT] FILE
//   (--free-year with --paths adds the chance of being free; --debt principal to any of them)
//
// The file is read and projected exactly as the window opens it; FILE "-" is standard input.
// Exit status: 0 when the CSV (or, for --help, the usage) was written, 1 when the file or the
// baseline cannot be read (or the output cannot be written), 2 for bad arguments.

#include "grid/CellRules.h"
#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "io/SheetExport.h"
#include "model/Baseline.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"
#include "model/RealValues.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char *const UsageLine = "usage: quorvant-export [options] FILE (see --help)";
const char *const Usage = "usage: quorvant-export [--totals [--baseline BASE]] [--years N] [--investments N]\n"
                          "                       [--real PERCENT [--reference-year Y]] [--debt D] [--format F] [-o OUT] FILE\n"
                          "       quorvant-export --paths N [--spread V,R,E] [--seed S] [--years N] [--investments N]\n"
                          "                       [--free-year SPENDING] [--real PERCENT [--reference-year Y]] [--debt D]\n"
                          "                       [--format F] [-o OUT] FILE\n"
                          "       quorvant-export --free-year SPENDING [--years N] [--investments N]\n"
                          "                       [--real PERCENT [--reference-year Y]] [--debt D] [-o OUT] FILE\n"
                          "  Writes the projection of the investment file FILE as CSV on standard output;\n"
                          "  FILE - reads the file from standard input.\n"
                          "  --totals         one line per year with the sums over all investments\n"
                          "  --years N        number of years projected (0 .. 31, default 31)\n"
                          "  --investments N  number of grid rows taken into account (0 .. 30, default 30)\n"
                          "  --baseline BASE  with --totals: the net worth and monthly cash flow of the\n"
                          "                   investment file BASE per year, and the net-worth difference;\n"
                          "                   BASE - reads it from standard input\n"
                          "  --real PERCENT   amounts in the money of the reference year, at PERCENT inflation\n"
                          "  --reference-year Y  the reference year of --real (default: this year)\n"
                          "  --paths N        instead: per year the 10th, 50th and 90th percentile of the total\n"
                          "                   net worth over N paths (1 .. 100000) with varying growth rates;\n"
                          "                   with --real in the money of the reference year\n"
                          "  --spread V,R,E   with --paths: spreads of value growth, rent growth and return in\n"
                          "                   percentage points (0 .. 100, default 5,2,10)\n"
                          "  --seed S         with --paths: seed of the paths (a whole number from 0,\n"
                          "                   default 20240617)\n"
                          "  --free-year SPENDING  instead: the year from which the monthly cash flow covers\n"
                          "                   SPENDING (today's money at the --real inflation) in every later\n"
                          "                   year, or \"geen\"; with --paths a column chance_free\n"
                          "  --debt principal the remaining principal of each mortgage as its debt\n"
                          "                   (--debt payments: the payments still due, the default)\n"
                          "  --assumptions    the costs and Box 3 tax the file assumes (the default); the CSV\n"
                          "                   then has the columns running_costs (and with --totals box3_tax)\n"
                          "  --no-assumptions the figures without the file's costs and tax\n"
                          "  --format F       csv (default): the CSV above; csv-nl: CSV for Dutch Excel (';',\n"
                          "                   decimal comma, Dutch headers, type names, UTF-8 BOM); xlsx: an\n"
                          "                   Excel workbook (needs -o): the totals and one sheet per investment\n"
                          "                   (with --totals the totals alone, with --paths the percentiles);\n"
                          "                   the free year alone is a line of text, csv only\n"
                          "  -o OUT           write to the file OUT instead of standard output\n"
                          "  --help           this text\n"
                          "  Each option may be given once.\n";

// The free year and the debt measure.
struct FreedomOptions
{
    std::optional<double> freeYearSpending; // --free-year
    DebtMeasure debt = DebtMeasure::PaymentsDue; // --debt
};

struct Arguments
{
    FreedomOptions freedom;
    bool totals = false;
    int years = MaxYears;
    int investments = MaxRows;
    QString file;
    bool paths = false; // percentiles of paths instead of the projection
    PathSettings pathSettings;
    QString baseline; // empty: no baseline
    bool real = false;
    double inflation = 0.0;
    int referenceYear = 0;
    bool haveReferenceYear = false;
    int fileIndex = 0; // of the argument, whose own bytes name the file
    bool help = false;
    // Output
    enum Format { Csv, DutchCsv, Workbook };
    Format format = Csv;
    QString output; // empty or "-": standard output
    bool spreadOrSeed = false; // --spread or --seed given
    bool assumptions = true; // the file's cost and tax assumptions (--no-assumptions: without)
    bool assumptionsGiven = false;
};

void writeError(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

// One line: the problem and the short usage (--help tells the rest).
int usageError(const QString &problem)
{
    writeError(QStringLiteral("quorvant-export: %1; %2\n").arg(problem, QLatin1String(UsageLine)));
    return 2;
}

// A whole number with an optional sign, saturated to the int range (the store clamps it).
bool parseLimit(const QString &text, int *value)
{
    const std::optional<double> number = NumberFromText(text, NumberForm::Whole);
    if (!number)
        return false;
    *value = *number <= INT_MIN ? INT_MIN : *number >= INT_MAX ? INT_MAX : static_cast<int>(*number);
    return true;
}

// The value of --paths, --spread or --seed into `settings`; false when it does not read.
bool parsePathOption(const QString &option, const QString &text, PathSettings *settings)
{
    if (option == QLatin1String("--paths")) {
        const std::optional<double> paths = NumberFromText(text, NumberForm::Whole);
        if (!paths || *paths < PathSettings::MinPaths || *paths > PathSettings::MaxPaths)
            return false;
        settings->paths = static_cast<int>(*paths);
        return true;
    }
    if (option == QLatin1String("--seed")) {
        const std::optional<double> seed = NumberFromText(text, NumberForm::Whole);
        // Seeds are whole numbers a double holds exactly.
        if (!seed || *seed < 0.0 || *seed > 9007199254740992.0)
            return false;
        settings->seed = static_cast<quint64>(*seed);
        return true;
    }
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    double spread[3];
    for (int k = 0; k < 3; ++k) {
        const std::optional<double> value = NumberFromText(parts.at(k));
        if (!value || !(*value >= 0.0 && *value <= PathSettings::MaxSpread))
            return false;
        spread[k] = *value;
    }
    settings->valueSpread = spread[0];
    settings->rentSpread = spread[1];
    settings->returnSpread = spread[2];
    return true;
}

// Reads the value of --real, --reference-year or --baseline at args[*i + 1]; 0 when usable,
// otherwise the exit status after reporting.
int parseFigureOption(const QStringList &args, int *i, Arguments *parsed)
{
    const QString &option = args.at(*i);
    if (*i + 1 >= args.size())
        return usageError(QStringLiteral("%1 needs a value").arg(option));
    const QString &value = args.at(++*i);
    if (option == QLatin1String("--baseline")) {
        if (value.isEmpty())
            return usageError(QStringLiteral("--baseline needs a file name"));
        parsed->baseline = value;
    } else if (option == QLatin1String("--real")) {
        const std::optional<double> percent = NumberFromText(value);
        if (!percent || !IsUsableInflation(*percent))
            return usageError(QStringLiteral("--real needs a percentage above -100, not '%1'").arg(value));
        parsed->real = true;
        parsed->inflation = *percent;
    } else {
        const std::optional<double> year = NumberFromText(value, NumberForm::Whole);
        if (!year || !IsValidStartYear(*year))
            return usageError(QStringLiteral("--reference-year needs a year from %1 to %2, not '%3'")
                                  .arg(FirstValidYear)
                                  .arg(LastValidYear)
                                  .arg(value));
        parsed->referenceYear = static_cast<int>(*year);
        parsed->haveReferenceYear = true;
    }
    return 0;
}

bool isFigureOption(const QString &arg)
{
    return arg == QLatin1String("--real") || arg == QLatin1String("--reference-year")
        || arg == QLatin1String("--baseline");
}

bool isFreedomOption(const QString &arg)
{
    return arg == QLatin1String("--free-year") || arg == QLatin1String("--debt");
}

// Reads the value of --free-year or --debt at args[*i + 1]; 0 when usable, otherwise the exit
// status after reporting.
int parseFreedomOption(const QStringList &args, int *i, FreedomOptions *parsed)
{
    const QString &option = args.at(*i);
    if (*i + 1 >= args.size())
        return usageError(QStringLiteral("%1 needs a value").arg(option));
    const QString &value = args.at(++*i);
    if (option == QLatin1String("--debt")) {
        if (value == QLatin1String("principal"))
            parsed->debt = DebtMeasure::RemainingPrincipal;
        else if (value == QLatin1String("payments"))
            parsed->debt = DebtMeasure::PaymentsDue;
        else
            return usageError(QStringLiteral("--debt takes principal or payments, not '%1'").arg(value));
        return 0;
    }
    const std::optional<double> spending = NumberFromText(value);
    if (!spending || !(*spending > 0.0) || !std::isfinite(*spending))
        return usageError(QStringLiteral("--free-year needs a monthly amount above 0, not '%1'").arg(value));
    parsed->freeYearSpending = spending;
    return 0;
}

// The free year as a script reads it: the calendar year, or "geen".
QByteArray freeYearText(const InvestmentStore &store, const InflationTable &today, double spending)
{
    const int index = FreeYearIndex(store, today, spending);
    if (index == NoFreeYear)
        return "geen\n";
    return QByteArray::number(static_cast<long long>(store.earliestStartYear()) + index) + '\n';
}

// The paths of the store, with the chance of being free when a spending is given.
PathBands runPaths(const InvestmentStore &store, PathSettings settings, const FreedomOptions &freedom,
    const InflationTable &today)
{
    if (freedom.freeYearSpending) {
        settings.monthlySpending = freedom.freeYearSpending;
        settings.spendingByYear
            = SpendingByYear(today, store.earliestStartYear(), store.maxJaren(), *freedom.freeYearSpending);
    }
    return RunPaths(PathPortfolio::fromStore(store), settings);
}

// ---- Repeats, output format and output file ----

// Whether `arg` is an option already given (every option may be given once); records it.
bool isRepeatedOption(const QString &arg, QSet<QString> *given)
{
    if (arg.size() < 2 || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("--"))
        return false;
    if (given->contains(arg))
        return true;
    given->insert(arg);
    return false;
}

bool isOutputOption(const QString &arg)
{
    return arg == QLatin1String("--format") || arg == QLatin1String("-o");
}

// Reads the value of --format or -o at args[*i + 1]; 0 when usable, otherwise the exit status.
int parseOutputOption(const QStringList &args, int *i, Arguments *parsed)
{
    const QString &option = args.at(*i);
    if (*i + 1 >= args.size())
        return usageError(QStringLiteral("%1 needs a value").arg(option));
    const QString &value = args.at(++*i);
    if (option == QLatin1String("-o")) {
        if (value.isEmpty())
            return usageError(QStringLiteral("-o needs a file name"));
        parsed->output = value;
    } else if (value == QLatin1String("csv")) {
        parsed->format = Arguments::Csv;
    } else if (value == QLatin1String("csv-nl")) {
        parsed->format = Arguments::DutchCsv;
    } else if (value == QLatin1String("xlsx")) {
        parsed->format = Arguments::Workbook;
    } else {
        return usageError(QStringLiteral("--format needs csv, csv-nl or xlsx, not '%1'").arg(value));
    }
    return 0;
}

int checkOutputArguments(const Arguments &parsed)
{
    if (parsed.format == Arguments::Workbook && (parsed.output.isEmpty() || parsed.output == QLatin1String("-")))
        return usageError(QStringLiteral("--format xlsx needs -o FILE"));
    // The free year alone is one line of text, not a table.
    if (parsed.freedom.freeYearSpending && !parsed.paths && parsed.format != Arguments::Csv)
        return usageError(QStringLiteral("--format %1 needs --paths with --free-year")
                              .arg(parsed.format == Arguments::Workbook ? QStringLiteral("xlsx") : QStringLiteral("csv-nl")));
    if (parsed.file == QLatin1String("-") && parsed.baseline == QLatin1String("-"))
        return usageError(QStringLiteral("FILE and BASE cannot both be standard input"));
    return 0;
}

// 0 when the arguments are usable, otherwise the exit status after reporting.
int parseArguments(const QStringList &args, Arguments *parsed)
{
    bool optionsEnded = false;
    bool haveFile = false;
    QSet<QString> given;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!optionsEnded && isRepeatedOption(arg, &given))
            return usageError(QStringLiteral("%1 is given more than once").arg(arg));
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg == QLatin1String("--help")) {
            parsed->help = true;
            return 0;
        } else if (!optionsEnded && arg == QLatin1String("--totals")) {
            parsed->totals = true;
        } else if (!optionsEnded && (arg == QLatin1String("--assumptions") || arg == QLatin1String("--no-assumptions"))) {
            if (parsed->assumptionsGiven)
                return usageError(QStringLiteral("--assumptions and --no-assumptions exclude each other"));
            parsed->assumptionsGiven = true;
            parsed->assumptions = arg == QLatin1String("--assumptions");
        } else if (!optionsEnded && (arg == QLatin1String("--years") || arg == QLatin1String("--investments"))) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a number").arg(arg));
            int *target = arg == QLatin1String("--years") ? &parsed->years : &parsed->investments;
            if (!parseLimit(args.at(++i), target))
                return usageError(QStringLiteral("%1 needs a whole number, not '%2'").arg(arg, args.at(i)));
        } else if (!optionsEnded
            && (arg == QLatin1String("--paths") || arg == QLatin1String("--spread") || arg == QLatin1String("--seed"))) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a value").arg(arg));
            if (!parsePathOption(arg, args.at(++i), &parsed->pathSettings))
                return usageError(QStringLiteral("%1 cannot take '%2'").arg(arg, args.at(i)));
            (arg == QLatin1String("--paths") ? parsed->paths : parsed->spreadOrSeed) = true;
        } else if (!optionsEnded && isFigureOption(arg)) {
            if (const int status = parseFigureOption(args, &i, parsed))
                return status;
        } else if (!optionsEnded && isFreedomOption(arg)) {
            if (const int status = parseFreedomOption(args, &i, &parsed->freedom))
                return status;
        } else if (!optionsEnded && isOutputOption(arg)) {
            if (const int status = parseOutputOption(args, &i, parsed))
                return status;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QStringLiteral("unknown option '%1'").arg(arg));
        } else if (haveFile) {
            return usageError(QStringLiteral("only one FILE can be exported"));
        } else if (arg.isEmpty()) {
            return usageError(QStringLiteral("FILE is an empty name (- reads standard input)"));
        } else {
            parsed->file = arg;
            parsed->fileIndex = i;
            haveFile = true;
        }
    }
    if (!haveFile)
        return usageError(QStringLiteral("no FILE given"));
    if (parsed->paths && parsed->totals)
        return usageError(QStringLiteral("--totals does not go with --paths, --spread or --seed"));
    if (!parsed->baseline.isEmpty() && !parsed->totals)
        return usageError(QStringLiteral("--baseline needs --totals"));
    if (parsed->haveReferenceYear && !parsed->real)
        return usageError(QStringLiteral("--reference-year needs --real"));
    if (parsed->freedom.freeYearSpending && parsed->totals)
        return usageError(QStringLiteral("--free-year does not go with --totals"));
    if (parsed->spreadOrSeed && !parsed->paths)
        return usageError(QStringLiteral("--spread and --seed need --paths"));
    return checkOutputArguments(*parsed);
}

// ---- Reading standard input, the baseline, inflation beyond range, the output ----

bool readStandardInput(QString *text, QString *error)
{
    QFile input;
    const bool read = input.open(stdin, QIODevice::ReadOnly | QIODevice::Text) && ReadInvestText(input, text, error);
    if (error->isEmpty() && !read)
        *error = input.errorString();
    // The same recognition rule as for a named file.
    if (read && !IsInvestText(*text)) {
        *error = NotInvestFileText(QStringLiteral("-"));
        return false;
    }
    return read;
}

// The baseline of --baseline, from its file or ("-") from standard input.
bool loadBaseline(const Arguments &args, Baseline *baseline, QString *error)
{
    baseline->setDebtMeasure(args.freedom.debt); // the debt of the portfolio, for files loaded later too
    baseline->setWithAssumptions(args.assumptions);
    if (args.baseline != QLatin1String("-"))
        return baseline->loadFile(args.baseline, args.investments, args.years, error);
    QString text;
    if (!readStandardInput(&text, error))
        return false;
    InvestmentStore store;
    store.setMaxInvestment(args.investments);
    store.setMaxJaren(args.years);
    store.setDebtMeasure(args.freedom.debt);
    LoadPortfolioText(text, store);
    if (!args.assumptions)
        store.setCostTax(CostTaxAssumptions());
    baseline->setCopyOf(store, QStringLiteral("standard input"));
    return true;
}

// The first year whose percentiles the table cannot deflate (as FirstYearBeyondDeflation); 0 if none.
int FirstBandYearBeyondDeflation(const PathBands &bands, const InflationTable &real)
{
    for (int y = 0; y < bands.p50.size(); ++y) {
        const int year = bands.firstYear + y;
        for (double value : { bands.p10.at(y), bands.p50.at(y), bands.p90.at(y) }) {
            if (std::isfinite(value) && !std::isfinite(real.real(value, year)))
                return year;
        }
    }
    return 0;
}

int refuseInflation(const Arguments &args, int year)
{
    return usageError(QStringLiteral("--real %1 takes the amounts of %2 beyond the range of numbers")
                          .arg(args.inflation)
                          .arg(year));
}

int writeBytes(const QString &output, const QByteArray &bytes)
{
    if (output.isEmpty() || output == QLatin1String("-")) {
        const size_t written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        if (written != static_cast<size_t>(bytes.size()) || std::fflush(stdout) != 0) {
            writeError(QStringLiteral("quorvant-export: cannot write the output\n"));
            return 1;
        }
        return 0;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        writeError(QStringLiteral("quorvant-export: cannot write %1: %2\n").arg(output, file.errorString()));
        return 1;
    }
    return 0;
}

// Writes the projection, or the percentiles of `bands`, in the chosen format.
int writeOutput(const Arguments &args, const InvestmentStore &store, const CsvFigures &figures, const PathBands *bands)
{
    const bool chanceFree = args.freedom.freeYearSpending.has_value(); // a run with a spending
    if (args.format == Arguments::Csv)
        return writeBytes(args.output,
            bands ? PathBandsCsvBytes(*bands, figures.real, chanceFree) : ProjectionCsvBytes(store, args.totals, figures));
    if (args.format == Arguments::DutchCsv) {
        return writeBytes(args.output,
            DutchCsvBytes(bands          ? PathBandsSheet(*bands, figures.real, chanceFree)
                    : args.totals ? TotalsSheet(store, figures)
                                  : RowsSheet(store, figures)));
    }
    QVector<SheetTable> sheets;
    if (bands) {
        sheets.append(PathBandsSheet(*bands, figures.real, chanceFree));
    } else {
        sheets.append(TotalsSheet(store, figures));
        if (!args.totals)
            sheets += InvestmentSheets(store, figures);
    }
    QString error;
    if (!WriteWorkbook(args.output, sheets, &error)) {
        writeError(QStringLiteral("quorvant-export: cannot write %1: %2\n").arg(args.output, error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The locale from the environment, as the window's application object takes it, so that
    // file names and the file are decoded the same way. (The application object itself is
    // not needed here and would cost more than the export.)
    std::setlocale(LC_ALL, "");
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    Arguments args;
    if (const int status = parseArguments(arguments, &args))
        return status;
    if (args.help)
        return std::fputs(Usage, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;

    QString text;
    QString error;
    bool read = false;
    QByteArray name; // as given, so that a name the locale cannot decode is shown as it is
    if (args.file == QLatin1String("-")) {
        name = "standard input";
        read = readStandardInput(&text, &error);
    } else {
        name = argv[args.fileIndex];
        read = ReadInvestTextNativeFile(name, &text, &error);
    }
    if (!read) {
        std::fputs("quorvant-export: cannot read ", stderr);
        std::fwrite(name.constData(), 1, static_cast<size_t>(name.size()), stderr);
        writeError(QStringLiteral(": %1\n").arg(error));
        return 1;
    }

    InvestmentStore store;
    store.setMaxInvestment(args.investments);
    store.setMaxJaren(args.years);
    store.setDebtMeasure(args.freedom.debt);
    LoadPortfolioText(text, store);
    if (!args.assumptions)
        store.setCostTax(CostTaxAssumptions());

    Baseline baseline; // read by the same loader, with the same limits and debt
    if (!args.baseline.isEmpty() && !loadBaseline(args, &baseline, &error)) {
        writeError(QStringLiteral("quorvant-export: cannot read %1: %2\n")
                       .arg(args.baseline == QLatin1String("-") ? QStringLiteral("standard input") : args.baseline, error));
        return 1;
    }

    // The table of the portfolio's own years; the baseline's years are looked up in it too.
    const InflationTable real = InflationTableFor(store, args.inflation,
        args.haveReferenceYear ? args.referenceYear : CurrentCalendarYear());
    CsvFigures figures;
    figures.real = args.real ? &real : nullptr;
    figures.baseline = baseline.store();
    // The free year compares cash flows in today's money too: the same refusal.
    if (args.real) {
        int beyond = FirstYearBeyondDeflation(store, real);
        if (!beyond && baseline.store())
            beyond = FirstYearBeyondDeflation(*baseline.store(), real);
        if (beyond)
            return refuseInflation(args, beyond);
    }
    if (!args.paths && args.freedom.freeYearSpending)
        return writeBytes(args.output, freeYearText(store, real, *args.freedom.freeYearSpending));
    if (!args.paths)
        return writeOutput(args, store, figures, nullptr);
    const PathBands bands = runPaths(store, args.pathSettings, args.freedom, real);
    if (const int beyond = args.real ? FirstBandYearBeyondDeflation(bands, real) : 0)
        return refuseInflation(args, beyond);
    return writeOutput(args, store, figures, &bands);
}
