// Feeds arbitrary bytes through everything an investment file meets on its way in: the
// text stream (encoding, byte-order mark, text mode), the field reader, the loader with the
// cell rules, the projection and both CSV texts. Besides the sanitizers it checks that
// writing the parsed fields and reading them back gives the same fields, as a text and as
// the bytes a save writes (UTF-8 here): only half a surrogate pair, which UTF-8 cannot hold,
// comes back as '?'.

#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QTemporaryFile>
#include <QTextCodec>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

int lineCount(const QString &text)
{
    return text.count(QLatin1Char('\n'));
}

// A field as it is read back from saved bytes: a lone surrogate becomes '?'.
QString asSaved(const QString &field)
{
    QString saved = field;
    for (int i = 0; i < saved.size(); ++i) {
        if (saved.at(i).isHighSurrogate() && i + 1 < saved.size() && saved.at(i + 1).isLowSurrogate())
            ++i;
        else if (saved.at(i).isSurrogate())
            saved[i] = QLatin1Char('?');
    }
    return saved;
}

void checkSavedBytes(const InvestFields &fields, const QString &written)
{
    QByteArray bytes = SavedTextBytes(written);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QString read;
    check(ReadInvestText(file, &read, nullptr), "saved bytes read back");
    const InvestFields back = ParseInvestFields(read);
    check(back.kind == asSaved(fields.kind), "kind saved and read back");
    for (int k = 0; k < GeneratorFieldCount; ++k)
        check(back.generator[k] == asSaved(fields.generator[k]), "generator field saved and read back");
    for (int i = 0; i < fields.cells.size(); ++i)
        check(back.cells.at(i) == asSaved(fields.cells.at(i)), "cell saved and read back");
}

QTemporaryFile *g_file = nullptr;

// Opening the bytes as a file takes them exactly when the recognition rule takes their text;
// a refused file leaves the text it was to fill untouched.
void checkRecognition(const QByteArray &bytes, const QString &text)
{
    if (!g_file || !g_file->resize(0) || !g_file->seek(0) || g_file->write(bytes) != bytes.size() || !g_file->flush())
        return;
    QString read = QStringLiteral("kept");
    QString error;
    const bool taken = ReadInvestTextFile(g_file->fileName(), &read, &error);
    check(taken == IsInvestText(text), "a file is taken exactly when its text is");
    check(taken ? read == text : read == QLatin1String("kept") && !error.isEmpty(), "a refused file changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    g_file = new QTemporaryFile;
    if (!g_file->open()) {
        delete g_file;
        g_file = nullptr;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    QString text;
    QString error;
    if (!ReadInvestText(buffer, &text, &error))
        return 0;

    if (size <= 4096)
        checkRecognition(bytes, text);

    const InvestFields fields = ParseInvestFields(text);
    check(fields.cells.size() == MaxRows * FieldCount, "cell count");

    // Written back and read again, the fields survive unchanged: no field can hold a ';'.
    const QString written = InvestTextFromFields(fields);
    check(written.count(QLatin1Char(';')) == InvestFieldCount + fields.assumptions.size(), "terminator count");
    const InvestFields again = ParseInvestFields(written);
    check(again.hasKind && again.kind == fields.kind, "kind round trip");
    for (int k = 0; k < GeneratorFieldCount; ++k)
        check(again.hasGenerator[k] && again.generator[k] == fields.generator[k], "generator round trip");
    check(again.cells == fields.cells, "cell round trip");
    check(again.assumptions == fields.assumptions, "assumption round trip");
    checkSavedBytes(fields, written);

    // Limits vary with the input so that the clamps and short projections are reached too.
    InvestmentStore store;
    store.setMaxInvestment(MaxRows + 1 - static_cast<int>(size % 33));
    store.setMaxJaren(MaxYears + 1 - static_cast<int>(size % 35));
    LoadPortfolio(fields, store);

    const QString rows = ProjectionCsvText(store, false);
    const QString totals = ProjectionCsvText(store, true);
    int projected = 0;
    for (int r = 0; r < store.maxInvestment(); ++r) {
        if (store.block(r).projected) {
            ++projected;
            check(store.isRowComplete(r), "projected row is complete");
            const int start = TruncateToInt(store.input(r).field[ColStartYear]);
            check(start >= FirstValidYear && start <= LastValidYear, "projected start year passed the year check");
        }
    }
    const bool based = store.earliestStartYear() != InvestmentStore::NoBaseYear;
    check(lineCount(rows) == 1 + (based ? projected * store.maxJaren() : 0), "row line count");
    check(lineCount(totals) == 1 + (based ? store.maxJaren() : 0), "totals line count");
    return 0;
}
