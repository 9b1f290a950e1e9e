// Saving and opening investment files from the main window, and the CSV export.

#include "io/InvestFiles.h"

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTableWidgetItem>

namespace {

const char *const CsvFileFilter = "CSV(*.csv);;All Files (*)";

QString askOrDialog(const AskFileName &ask, bool save, const QString &caption, const char *filter)
{
    if (ask)
        return ask();
    const QString filters = QString::fromLatin1(filter);
    return save ? QFileDialog::getSaveFileName(nullptr, caption, QString(), filters)
                : QFileDialog::getOpenFileName(nullptr, caption, QString(), filters);
}

bool saveReporting(const QString &name, const QString &text)
{
    QString error;
    if (SaveTextFile(name, text, &error, FileTargets::RegularOnly))
        return true;
    QMessageBox::warning(nullptr, QStringLiteral("Unable to save file"), error);
    return false;
}

} // namespace

bool WriteInvestFile(QString text, const AskFileName &ask)
{
    const QString name = askOrDialog(ask, true, QStringLiteral("Save invest file"), InvestFileFilter);
    if (name.isEmpty())
        return false;
    return saveReporting(name, text);
}

bool ReadInvestFile(QString &text, const AskFileName &ask)
{
    const QString name = askOrDialog(ask, false, QStringLiteral("Open Invest File"), InvestFileFilter);
    if (name.isEmpty())
        return false;
    QString read;
    QString error;
    if (!ReadInvestTextFile(name, &read, &error, FileTargets::RegularOnly)) {
        QMessageBox::information(nullptr, QStringLiteral("Unable to open file"), error, QMessageBox::Ok,
            QMessageBox::NoButton);
        return false;
    }
    text = read;
    return true;
}

void MainWindow::on_actionSave_as_triggered()
{
    BuildInvestText();
    WriteInvestFile(investText, m_saveFileName);
}

void MainWindow::on_actionOpen_triggered()
{
    // The portfolio on screen is replaced only by a file that was actually read.
    if (!ReadInvestFile(investText, m_openFileName))
        return;
    const ViewBatch batch(this);
    ClearInvestments();
    ParseInvestText();
}

void MainWindow::on_actionExport_CSV_triggered()
{
    const QString name = askOrDialog(m_saveFileName, true, QStringLiteral("Export CSV"), CsvFileFilter);
    if (name.isEmpty())
        return;
    saveReporting(name, ProjectionCsv(false));
}

void MainWindow::BuildInvestText()
{
    const QTableWidget *grid = ui->Vastgoed;
    const int rows = grid->rowCount();
    const int columns = grid->columnCount();
    InvestFields fields(rows, columns);
    fields.kind = ui->WealthSelect->currentText();
    for (int k = 0; k < GeneratorFieldCount; ++k)
        fields.generator[k] = WealthEdit(k + 1)->toPlainText();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (const QTableWidgetItem *item = grid->item(r, c))
                fields.setCell(r, c, item->text());
        }
    }
    investText = InvestTextFromFields(fields);
}

void MainWindow::ParseInvestText()
{
    const ViewBatch batch(this);
    QTableWidget *grid = ui->Vastgoed;
    const InvestFields fields = ParseInvestFields(investText, grid->rowCount(), grid->columnCount());

    // A kind that is none of the combo's items leaves the selection alone; a new selection
    // shows its fields before they are filled.
    if (fields.hasKind)
        ui->WealthSelect->setCurrentText(fields.kind);
    for (int k = 0; k < GeneratorFieldCount; ++k) {
        if (fields.hasGenerator[k])
            WealthEdit(k + 1)->setPlainText(fields.generator[k]);
    }

    // Every text written runs the cell rule, which stores and projects the row; the reader's
    // own store covers the cells whose text does not change.
    for (int r = 0; r < fields.rows; ++r) {
        for (int c = 0; c < fields.columns; ++c) {
            QTableWidgetItem *item = grid->item(r, c);
            if (!item)
                continue;
            const QString text = fields.cell(r, c);
            item->setText(text);
            if (c >= FieldCount)
                continue;
            if (c == ColType) {
                const int type = ReadRowType(r);
                m_store.setRowType(r, type);
                m_store.input(r).field[ColType] = type;
                emit SendItemToComboDelegate(type);
            } else {
                // A start year the year check refused stays empty.
                m_store.input(r).field[c] = LoadedCellValue(c, text);
            }
        }
        ColorRow(r, ManualRowColour);
    }
}

QString MainWindow::ProjectionCsv(bool totals) const
{
    return ProjectionCsvText(m_store, totals);
}
