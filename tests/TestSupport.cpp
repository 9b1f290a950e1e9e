#include "TestSupport.h"

#include "model/DutchFormat.h"

#include "app/MainWindow.h"
#include "charts/LineGraphs.h"

#include <QAction>
#include <QAbstractItemDelegate>
#include <QApplication>
#include <QRadioButton>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QLineEdit>
#include <QStyleOptionViewItem>

#include <memory>
#include <QMessageBox>
#include <QPushButton>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTimer>

static void initQrc()
{
    Q_INIT_RESOURCE(resources);
}

namespace testsupport {

const QString UnsavedQuestion = QStringLiteral("Quorvant|De portefeuille is gewijzigd. Wijzigingen opslaan?");

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

void typeCell(MainWindow &w, int row, int column, const QString &text)
{
    QTableWidget *grid = inputGrid(w);
    const QModelIndex index = grid->model()->index(row, column);
    QAbstractItemDelegate *delegate = grid->itemDelegateForColumn(column);
    if (!delegate)
        delegate = grid->itemDelegate();
    QStyleOptionViewItem option;
    std::unique_ptr<QWidget> editor(delegate->createEditor(grid->viewport(), option, index));
    auto *line = qobject_cast<QLineEdit *>(editor.get());
    if (!line)
        return;
    line->setText(text);
    delegate->setModelData(line, grid->model(), index);
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

QString shownCell(const QString &plain)
{
    return DutchWholeAmount(plain.toDouble());
}

QString shownTotal(const QString &plain)
{
    return DutchTotal(plain.toDouble());
}

QString cellText(QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QStringLiteral("<no item>");
}

QStringList closingModals(const std::function<void()> &action)
{
    return answeringModals(QMessageBox::NoButton, action);
}

QStringList answeringModals(QMessageBox::StandardButton answer, const std::function<void()> &action)
{
    QStringList seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&seen, answer]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        seen << (box ? box->windowTitle() + QLatin1Char('|') + box->text() : modal->windowTitle() + QStringLiteral("|<dialog>"));
        if (box && answer != QMessageBox::NoButton && box->button(answer))
            box->button(answer)->click();
        else
            modal->close();
    });
    timer.start();
    action();
    timer.stop();
    return seen;
}

QStringList triggerWithFile(MainWindow &w, const char *action, const QString &path)
{
    w.setOpenFileNameProvider([path]() { return path; });
    w.setSaveFileNameProvider([path]() { return path; });
    QAction *a = find<QAction>(&w, action);
    if (!a)
        return { QStringLiteral("<no action %1>").arg(QLatin1String(action)) };
    // Whatever was typed before is given up without saving; the question itself is tested
    // on its own.
    QStringList seen = answeringModals(QMessageBox::Discard, [a]() { a->trigger(); });
    seen.removeAll(UnsavedQuestion);
    return seen;
}

// One complete row of each type, the start years 2020 to 2024.
const QList<ExampleRow> &exampleRows()
{
    static const QString skip;
    static const QList<ExampleRow> rows {
        { 0, { "2020", skip, skip, skip, skip, "200000", "1000", "2", "3", skip, "80", "3", "20" } },
        { 1, { "2021", skip, skip, skip, skip, "150000", "800", "2", "2" } },
        { 2, { "2022", "10000", "0", "5", skip, "10000", skip, skip, skip, skip, skip, skip, skip, skip, "6" } },
        { 3, { "2023", "1000", "100" } },
        { 4, { "2024", "1000", "100", "10", skip, skip, skip, skip, skip, skip, skip, skip, skip, skip, "5" } },
    };
    return rows;
}

LineGraphs *openChart(MainWindow &w, bool cashFlow, QStringList *names)
{
    find<QRadioButton>(&w, cashFlow ? "CashFlowRadioButt" : "NettoRadioButt")->setChecked(true);
    find<QPushButton>(&w, "pushButton")->click();
    LineGraphs *chart = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *c = qobject_cast<LineGraphs *>(top))
            chart = c;
    }
    if (chart && names) {
        for (QtCharts::QAbstractSeries *series : chart->findChild<QtCharts::QChartView *>()->chart()->series())
            *names << series->name();
    }
    return chart;
}

void typeExampleRows(MainWindow &w, int count)
{
    for (int r = 0; r < count; ++r) {
        const ExampleRow &row = exampleRows().at(r % exampleRows().size());
        setRow(w, r, row.type, row.cells);
    }
}

} // namespace testsupport
