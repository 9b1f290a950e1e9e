#ifndef INVESTFORMAT_H
#define INVESTFORMAT_H

#include "generator/GeneratorMath.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"
#include "io/SafeSave.h"

#include <QString>
#include <QStringList>
#include <QVector>

QT_BEGIN_NAMESPACE
class QIODevice;
QT_END_NAMESPACE

// An investment file is one run of ';'-terminated fields: the generator kind, the ten
// generator fields and every cell of the input grid, row by row.
constexpr int InvestFieldCount = 1 + GeneratorFieldCount + MaxRows * FieldCount; // 491

// The most bytes of an investment file that are read. A file the program wrote is a few
// kilobytes; anything far beyond is not an investment file and is refused rather than read
// into memory without end (a device such as /dev/zero never ends). The bytes are counted as
// they come from the device, before text mode drops carriage returns, so that an endless
// stream of CR bytes is refused as quickly as any other.
constexpr int MaxInvestFileBytes = 16 * 1024 * 1024;

extern const char *const InvestFileFilter; // "Invest(*.inv);;All Files (*)"

// The fields of an investment text. The kind and the generator fields remember whether the
// text held them; a cell the text does not reach is empty.
struct InvestFields
{
    QString kind;
    bool hasKind = false;
    QString generator[GeneratorFieldCount];
    bool hasGenerator[GeneratorFieldCount] = {};
    int rows = 0;
    int columns = 0;
    QVector<QString> cells; // rows × columns, row by row
    // The fields after the grid of the form "naam=waarde" (the portfolio's assumptions), in
    // their order; other fields after the grid are not kept.
    QStringList assumptions;

    InvestFields() = default;
    InvestFields(int rowCount, int columnCount);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
};

// Whether a field after the grid is an assumption: a name of lower-case letters, digits and
// points, then '=' and its value.
bool IsAssumptionField(const QString &field);

// Splits a text into the fields of a grid of `rows` × `columns` cells.
InvestFields ParseInvestFields(const QString &text, int rows = MaxRows, int columns = FieldCount);

// The text of a field as it is written: a ';' inside it becomes ',', so that the field
// cannot split when the file is read back.
QString InvestFieldText(const QString &text);

// The investment text of the fields: every field followed by ';', the assumptions after the
// grid. The has-flags are not looked at: everything is written.
QString InvestTextFromFields(const InvestFields &fields);

// Reads the whole text from an open device through a text stream in the locale's encoding
// (a byte-order mark selects the encoding it marks; in text mode every CR is dropped).
// Fails, with a description in `error`, when the device reports a read error or holds more
// than MaxInvestFileBytes bytes.
bool ReadInvestText(QIODevice &device, QString *text, QString *error);

// A file name with `suffix` added when it has no suffix of its own and names no existing
// file: "mijn plan" becomes "mijn plan.inv"; "plan.txt" and an existing "plan" stay.
QString WithDefaultSuffix(const QString &path, const QString &suffix);

// What the recognition rule finds in a text: how many fields it holds (its ';' count) and
// whether one of them, trimmed of blanks, line breaks and a leading byte-order mark, is one of
// the five type names. Every file the program writes holds the type name of each row (and
// the generator kinds are type names too), so a letter, a CSV or any other text does not.
struct InvestTextCheck
{
    int fields = 0;
    bool hasTypeName = false;
};
InvestTextCheck CheckInvestText(const QString &text);

// Whether a text is taken as an investment file: it holds at least one type name as above.
bool IsInvestText(const QString &text);

// The reasons a file is refused or taken with a warning, naming the file (its name only).
QString NotInvestFileText(const QString &fileName);
// Said when a file holds fewer fields than the program writes: a cut-off file.
QString IncompleteInvestFileText(const QString &fileName, int fields);

// Opens a file read-only in text mode (CR LF read as LF) and reads it as above. On failure
// `text` is left as it was and `error` describes why. With FileTargets::RegularOnly anything
// but a regular file is refused without waiting for it (a pipe, a device, a directory). A
// file that IsInvestText refuses is refused too, with NotInvestFileText.
bool ReadInvestTextFile(const QString &path, QString *text, QString *error,
    FileTargets targets = FileTargets::Any);
// The same for a name in the file system's own bytes, such as a command-line argument,
// which need not be valid in the locale's encoding.
bool ReadInvestTextNativeFile(const QByteArray &nativePath, QString *text, QString *error,
    FileTargets targets = FileTargets::Any);

#endif // INVESTFORMAT_H
