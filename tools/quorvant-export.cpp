// quorvant-export: writes the projection of an investment file as CSV on standard output.
//
//     quorvant-export [--totals] [--years N] [--investments N] FILE
//
// The file is read and projected exactly as the window opens it; FILE "-" is standard input.
// Exit status: 0 when the CSV (or, for --help, the usage) was written, 1 when the file cannot
// be read (or the output cannot be written), 2 for bad arguments.

#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"

#include <QFile>
#include <QStringList>

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstring>

namespace {

const char *const UsageLine = "usage: quorvant-export [--totals] [--years N] [--investments N] FILE";
const char *const Usage = "usage: quorvant-export [--totals] [--years N] [--investments N] FILE\n"
                          "  Writes the projection of the investment file FILE as CSV on standard output;\n"
                          "  FILE - reads the file from standard input.\n"
                          "  --totals         one line per year with the sums over all investments\n"
                          "  --years N        number of years projected (0 .. 31, default 31)\n"
                          "  --investments N  number of grid rows taken into account (0 .. 30, default 30)\n"
                          "  --help           this text\n";

struct Arguments
{
    bool totals = false;
    int years = MaxYears;
    int investments = MaxRows;
    QString file;
    int fileIndex = 0; // of the argument, whose own bytes name the file
    bool help = false;
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
    bool ok = false;
    const QString trimmed = text.trimmed();
    const qlonglong wide = trimmed.toLongLong(&ok, 10);
    if (ok) {
        *value = static_cast<int>(qBound<qlonglong>(INT_MIN, wide, INT_MAX));
        return true;
    }
    // Digits beyond the 64-bit range still name a limit far above the store's capacity.
    static const QRegExp digits(QStringLiteral("[+-]?[0-9]+"));
    if (!digits.exactMatch(trimmed))
        return false;
    *value = trimmed.startsWith(QLatin1Char('-')) ? INT_MIN : INT_MAX;
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
        } else if (!optionsEnded && arg == QLatin1String("--help")) {
            parsed->help = true;
            return 0;
        } else if (!optionsEnded && arg == QLatin1String("--totals")) {
            parsed->totals = true;
        } else if (!optionsEnded && (arg == QLatin1String("--years") || arg == QLatin1String("--investments"))) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a number").arg(arg));
            int *target = arg == QLatin1String("--years") ? &parsed->years : &parsed->investments;
            if (!parseLimit(args.at(++i), target))
                return usageError(QStringLiteral("%1 needs a whole number, not '%2'").arg(arg, args.at(i)));
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
        QFile input;
        read = input.open(stdin, QIODevice::ReadOnly | QIODevice::Text) && ReadInvestText(input, &text, &error);
        if (error.isEmpty() && !read)
            error = input.errorString();
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
    LoadPortfolioText(text, store);

    const QByteArray csv = ProjectionCsvBytes(store, args.totals);
    const size_t written = std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
    if (written != static_cast<size_t>(csv.size()) || std::fflush(stdout) != 0) {
        writeError(QStringLiteral("quorvant-export: cannot write the output\n"));
        return 1;
    }
    return 0;
}
