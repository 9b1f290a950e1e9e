#ifndef PORTFOLIOLOADER_H
#define PORTFOLIOLOADER_H

#include <QString>
#include <QVector>

class InvestmentStore;
struct InvestFields;

// The number a loaded cell stores for an input column (1 .. 15): -1 (empty) for an empty
// text, the text read as a locale-independent number otherwise, 0 for text that is not a
// number. A start year that fails the year check (not a finite number from 1920 to 2100)
// is refused and stored as empty, as the year check empties its cell.
double LoadedCellValue(int column, const QString &text);

// Puts the cells of an investment text into the store by the rules the grid applies when
// the file is opened in the window: each row's type comes from its Type text (type 0 when
// the text is none of the five names), the columns that do not apply to that type are
// empty, every other field holds LoadedCellValue. Then every complete row is projected
// against the earliest start year, with the store's limits, as the window projects it.
// The store's limits are kept; everything else in it is replaced, the costs and tax assumed
// by those of the file (all off when it has none). Returns the rows whose
// start year was refused, in order.
QVector<int> LoadPortfolio(const InvestFields &fields, InvestmentStore &store);

// Parses the text of an investment file and loads it as above.
QVector<int> LoadPortfolioText(const QString &text, InvestmentStore &store);

#endif // PORTFOLIOLOADER_H
