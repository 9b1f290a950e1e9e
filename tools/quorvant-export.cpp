// quorvant-export: writes the projection of an investment file as CSV on standard output.
//
//     quorvant-export [--totals] [--years N] [--investments N] FILE
//     quorvant-export --paths N [--spread V,R,E] [--seed S] [--years N] [--investments N] FILE
//
// The file is read and projected exactly as the window opens it. Exit status: 0 when the
// CSV was written, 1 when the file cannot be read (or the output cannot be written),
// 2 for bad arguments.

#include "grid/CellRules.h"
#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"
#include "model/PathSimulation.h"

#include <QStringList>

#include <climits>
#include <clocale>
#include <cstdio>

namespace {

const char *const Usage = "usage: quorvant-export [--totals] [--years N] [--investments N] FILE\n"
                          "       quorvant-export --paths N [--spread V,R,E] [--seed S] [--years N] [--investments N] FILE\n"
                          "  Writes the projection of the investment file FILE as CSV on standard output.\n"
                          "  --totals         one line per year with the sums over all investments\n"
                          "  --years N        number of years projected (0 .. 31, default 31)\n"
                          "  --investments N  number of grid rows taken into account (0 .. 30, default 30)\n"
                          "  --paths N        instead: per year the 10th, 50th and 90th percentile of the total\n"
                          "                   net worth over N paths (1 .. 100000) with varying growth rates\n"
                          "  --spread V,R,E   spreads of value growth, rent growth and return in percentage\n"
                          "                   points (0 .. 100, default 5,2,10)\n"
                          "  --seed S         seed of the paths (a whole number from 0)\n";

struct Arguments
{
    bool totals = false;
    int years = MaxYears;
    int investments = MaxRows;
    QString file;
    bool paths = false; // percentiles of paths instead of the projection
    PathSettings pathSettings;
};

void writeError(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

int usageError(const QString &problem)
{
    writeError(QStringLiteral("quorvant-export: %1\n").arg(problem));
    writeError(QString::fromLatin1(Usage));
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
    bool ok = false;
    if (option == QLatin1String("--paths")) {
        const int paths = text.trimmed().toInt(&ok, 10);
        settings->paths = paths;
        return ok && paths >= PathSettings::MinPaths && paths <= PathSettings::MaxPaths;
    }
    if (option == QLatin1String("--seed")) {
        settings->seed = text.trimmed().toULongLong(&ok, 10);
        return ok;
    }
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    double spread[3];
    for (int k = 0; k < 3; ++k) {
        spread[k] = parts.at(k).trimmed().toDouble(&ok);
        if (!ok || !(spread[k] >= 0.0 && spread[k] <= PathSettings::MaxSpread))
            return false;
    }
    settings->valueSpread = spread[0];
    settings->rentSpread = spread[1];
    settings->returnSpread = spread[2];
    return true;
}

// 0 when the arguments are usable, otherwise the exit status after reporting.
int parseArguments(const QStringList &args, Arguments *parsed)
{
    bool optionsEnded = false;
    bool haveFile = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg == QLatin1String("--totals")) {
            parsed->totals = true;
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
            parsed->paths = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QStringLiteral("unknown option '%1'").arg(arg));
        } else if (haveFile) {
            return usageError(QStringLiteral("only one FILE can be exported"));
        } else {
            parsed->file = arg;
            haveFile = true;
        }
    }
    if (!haveFile)
        return usageError(QStringLiteral("no FILE given"));
    if (parsed->paths && parsed->totals)
        return usageError(QStringLiteral("--totals does not go with --paths, --spread or --seed"));
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

    QString text;
    QString error;
    if (!ReadInvestTextFile(args.file, &text, &error)) {
        writeError(QStringLiteral("quorvant-export: cannot read %1: %2\n").arg(args.file, error));
        return 1;
    }

    InvestmentStore store;
    store.setMaxInvestment(args.investments);
    store.setMaxJaren(args.years);
    LoadPortfolioText(text, store);

    const QByteArray csv = args.paths ? PathBandsCsvBytes(RunPaths(PathPortfolio::fromStore(store), args.pathSettings))
                                      : ProjectionCsvBytes(store, args.totals);
    const size_t written = std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
    if (written != static_cast<size_t>(csv.size()) || std::fflush(stdout) != 0) {
        writeError(QStringLiteral("quorvant-export: cannot write the output\n"));
        return 1;
    }
    return 0;
}
