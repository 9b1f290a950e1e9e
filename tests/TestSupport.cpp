#include "TestSupport.h"

#include "app/MainWindow.h"
#include "io/InvestFormat.h"
#include "model/InvestmentInput.h"
#include "model/ProjectionBlock.h"

#include <QAction>
#include <QApplication>
#include <QFile>
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

QStringList triggerWithFile(MainWindow &w, const char *action, const QString &path)
{
    w.setOpenFileNameProvider([path]() { return path; });
    w.setSaveFileNameProvider([path]() { return path; });
    QAction *a = find<QAction>(&w, action);
    if (!a)
        return { QStringLiteral("<no action %1>").arg(QLatin1String(action)) };
    return closingModals([a]() { a->trigger(); });
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString investFileText(const QString &kind, const QStringList &generator, const QVector<QStringList> &rows)
{
    const QChar end(QLatin1Char(';'));
    QString text = kind + end;
    for (int k = 0; k < GeneratorFieldCount; ++k)
        text += generator.value(k) + end;
    for (int r = 0; r < MaxRows; ++r) {
        const QStringList untouched { QStringLiteral("Onderpand met hefboom") };
        const QStringList &cells = r < rows.size() ? rows.at(r) : untouched;
        for (int c = 0; c < FieldCount; ++c)
            text += cells.value(c) + end;
    }
    return text;
}

} // namespace testsupport
