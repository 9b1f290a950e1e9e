#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "TestFiles.h"

#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QVector>

#include <functional>

class LineGraphs;
class MainWindow;

namespace testsupport {

// Registers the compiled-in images; call from initTestCase().
void initResources();

// The widget with this object name inside the window; fails the test when it is missing.
template<typename T>
T *find(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

QTableWidget *inputGrid(MainWindow &w);
QTableWidget *outputGrid(MainWindow &w);

// Types a text into cell (row, column) of the input grid, as the item's data setter does.
void setCell(MainWindow &w, int row, int column, const QString &text);
// Commits a typed entry into cell (row, column) through the cell's editor, as the user does
// by typing and pressing Enter.
void typeCell(MainWindow &w, int row, int column, const QString &text);
// Makes (row, column) the current cell without the cursor rule and without opening an editor.
void placeCursor(QTableWidget *grid, int row, int column);
// Writes a whole row: the type name first (through the type-change rule), then the cells.
void setRow(MainWindow &w, int row, int type, const QStringList &cellsFromColumn1);

QString cellText(QTableWidget *grid, int row, int column);

// How the output grid and the totals show a figure written plainly ("-40000", "-38648.3"):
// in Dutch notation, whole euros in the grid, by the totals' rule in the labels.
QString shownCell(const QString &plain);
QString shownTotal(const QString &plain);

// Runs `action` while a timer closes every modal window that opens; returns the
// "title|text" of each in order.
QStringList closingModals(const std::function<void()> &action);

// As closingModals, but answers each message box with `answer` where it has that button.
QStringList answeringModals(QMessageBox::StandardButton answer, const std::function<void()> &action);

// "title|text" of the question about unsaved changes.
extern const QString UnsavedQuestion;

// Triggers a "File" menu action with `path` as the answer of its file dialog (an empty path
// is a cancelled dialog); returns the modal windows seen, as closingModals does. The question
// about unsaved changes is answered "Discard" and left out.
QStringList triggerWithFile(MainWindow &w, const char *action, const QString &path);

// A complete row: its type and its cells from column 1 on (a null string leaves a cell alone).
struct ExampleRow
{
    int type;
    QStringList cells;
};

// Presses the chart button for the net-worth or the cash-flow chart; returns the newest chart
// window (the caller deletes it) and, in `names`, the names of its series.
LineGraphs *openChart(MainWindow &w, bool cashFlow, QStringList *names);

// One complete row of each type, the start years 2020 to 2024.
const QList<ExampleRow> &exampleRows();

// Types `count` rows of the example kinds in turn, as setRow does.
void typeExampleRows(MainWindow &w, int count);

} // namespace testsupport

#endif // TESTSUPPORT_H
