#ifndef INVESTFORMAT_H
#define INVESTFORMAT_H

#include "generator/GeneratorMath.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QString>
#include <QVector>

QT_BEGIN_NAMESPACE
class QIODevice;
QT_END_NAMESPACE

// An investment file is one run of ';'-terminated fields: the generator kind, the ten
// generator fields and every cell of the input grid, row by row.
constexpr int InvestFieldCount = 1 + GeneratorFieldCount + MaxRows * FieldCount; // 491

// The longest investment text that is read, in characters. A file the program wrote is a
// few kilobytes; anything far beyond is not an investment file and is refused rather than
// read into memory without end (a device such as /dev/zero never ends).
constexpr int MaxInvestTextLength = 16 * 1024 * 1024;

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

    InvestFields() = default;
    InvestFields(int rowCount, int columnCount);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
};

// Splits a text into the fields of a grid of `rows` × `columns` cells.
InvestFields ParseInvestFields(const QString &text, int rows = MaxRows, int columns = FieldCount);

// The text of a field as it is written: a ';' inside it becomes ',', so that the field
// cannot split when the file is read back.
QString InvestFieldText(const QString &text);

// The investment text of the fields: every field followed by ';'. The has-flags are not
// looked at: everything is written.
QString InvestTextFromFields(const InvestFields &fields);

// Reads the whole text from an open device through a text stream in the locale's encoding
// (a byte-order mark selects the encoding it marks). Fails, with a description in `error`,
// when the device reports a read error or the text is longer than MaxInvestTextLength.
bool ReadInvestText(QIODevice &device, QString *text, QString *error);

// A file name with `suffix` added when it has no suffix of its own and names no existing
// file: "mijn plan" becomes "mijn plan.inv"; "plan.txt" and an existing "plan" stay.
QString WithDefaultSuffix(const QString &path, const QString &suffix);

// Whether a text can be an investment file: every investment file holds field terminators.
// A text without any ';' (an empty one too) is not one.
bool IsInvestText(const QString &text);

// Opens a file read-only in text mode (CR LF read as LF) and reads it as above. On failure
// `text` is left as it was and `error` describes why. A file that is no investment text is
// refused too, with a description naming it.
bool ReadInvestTextFile(const QString &path, QString *text, QString *error);

// Writes a text to a file in the locale's encoding, without a byte-order mark. A regular
// file is replaced atomically: the text goes to a temporary file that takes the file's place
// only when everything was written, so a failed save leaves an existing file untouched.
// A device or pipe cannot be replaced; it is written to directly. Every failure (opening,
// writing, flushing, closing) returns false with a description in `error`.
bool SaveTextFile(const QString &path, const QString &text, QString *error);

#endif // INVESTFORMAT_H
