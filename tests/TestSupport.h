#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QString>
#include <QStringList>
#include <QTableWidget>

#include <functional>

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
// Makes (row, column) the current cell without the cursor rule and without opening an editor.
void placeCursor(QTableWidget *grid, int row, int column);
// Writes a whole row: the type name first (through the type-change rule), then the cells.
void setRow(MainWindow &w, int row, int type, const QStringList &cellsFromColumn1);

QString cellText(QTableWidget *grid, int row, int column);

// Runs `action` while a timer closes every modal window that opens; returns the
// "title|text" of each in order.
QStringList closingModals(const std::function<void()> &action);

} // namespace testsupport

#endif // TESTSUPPORT_H
