#ifndef COLUMNCATALOGUE_H
#define COLUMNCATALOGUE_H

#include <QString>
#include <QStringList>

// Header text and pixel width of one grid column.
struct ColumnSpec
{
    quint8 width;
    QString header;
};

constexpr int InputColumnCount = 16;
constexpr int OutputColumnCount = 10;

// Columns of the input grid "Vastgoed"; the column index is the field index of an InvestmentInput.
extern const ColumnSpec InputColumns[InputColumnCount];
// Columns of the output grid "Output"; the column index is the series index of a year record.
extern const ColumnSpec OutputColumns[OutputColumnCount];

// The five kinds of investment, in the order of their index.
enum InvestmentType {
    LeveragedProperty = 0, // "Onderpand met hefboom"
    PropertyInFull = 1, // "Onderpand zonder hefboom"
    CashForCashflow = 2, // "Cash voor cashflow"
    MonthlySaving = 3, // "Maandelijks sparen"
    CompoundedInterest = 4, // "Compounded interest"
};
constexpr int InvestmentTypeCount = 5;

extern const QStringList InvestmentTypeNames;

// A column header as the window shows it: in the chosen language. The headers of files and
// exports stay as they are in the tables above.
QString ShownHeader(const QString &header);

// The type index whose name equals the text exactly (case-sensitive); 0 when none does.
int TypeIndexOfName(const QString &text);

#endif // COLUMNCATALOGUE_H
