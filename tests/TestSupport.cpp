#include "TestSupport.h"

#include "app/MainWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTimer>

static void initQrc()
{
    Q_INIT_RESOURCE(resources);
}

namespace testsupport {

void initResources()
{
    initQrc();
}

QTableWidget *inputGrid(MainWindow &w)
{
    return find<QTableWidget>(&w, "Vastgoed");
}

QTableWidget *outputGrid(MainWindow &w)
{
    return find<QTableWidget>(&w, "Output");
}

void setCell(MainWindow &w, int row, int column, const QString &text)
{
    inputGrid(w)->item(row, column)->setText(text);
}

void placeCursor(QTableWidget *grid, int row, int column)
{
    // Quietly, so that no editor opens on the cell and later writes its stale text back.
    const QSignalBlocker blocker(grid->selectionModel());
    grid->selectionModel()->setCurrentIndex(grid->model()->index(row, column), QItemSelectionModel::NoUpdate);
}

void setRow(MainWindow &w, int row, int type, const QStringList &cellsFromColumn1)
{
    QTableWidget *grid = inputGrid(w);
    placeCursor(grid, row, 1);
    w.on_InvestTypeChanged(type);
    for (int i = 0; i < cellsFromColumn1.size(); ++i) {
        const QString &text = cellsFromColumn1.at(i);
        if (!text.isNull())
            grid->item(row, i + 1)->setText(text);
    }
}

QString cellText(QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QStringLiteral("<no item>");
}

QStringList closingModals(const std::function<void()> &action)
{
    QStringList seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&seen]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            seen << box->windowTitle() + QLatin1Char('|') + box->text();
        else
            seen << modal->windowTitle() + QStringLiteral("|<dialog>");
        modal->close();
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

} // namespace testsupport
