// Saving and opening investment files from the main window, and the CSV export.

#include "io/InvestFiles.h"

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTableWidgetItem>

namespace {

const char *const CsvFileFilter = "CSV(*.csv);;All Files (*)";

QString askOrDialog(const FileNameProvider &ask, bool save, const QString &caption, const char *filter)
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
    if (SaveTextFile(name, text, &error))
        return true;
    QMessageBox::warning(nullptr, QStringLiteral("Unable to save file"), error);
    return false;
}

} // namespace

bool WriteInvestFile(QString text, const FileNameProvider &ask)
{
    const QString name = askOrDialog(ask, true, QStringLiteral("Save invest file"), InvestFileFilter);
    if (name.isEmpty())
        return false;
    return saveReporting(name, text);
}

bool ReadInvestFile(QString &text, const FileNameProvider &ask)
{
    const QString name = askOrDialog(ask, false, QStringLiteral("Open Invest File"), InvestFileFilter);
    if (name.isEmpty())
        return false;
    QString read;
    QString error;
    if (!ReadInvestTextFile(name, &read, &error)) {
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
    WriteInvestFile(investText, saveFileName);
}

void MainWindow::on_actionOpen_triggered()
{
    // The portfolio on screen is replaced only by a file that was actually read.
    if (!ReadInvestFile(investText, openFileName))
        return;
    const ViewBatch batch(this);
    ClearInvestments();
    ParseInvestText();
}

void MainWindow::on_actionExport_CSV_triggered()
{
    const QString name = askOrDialog(saveFileName, true, QStringLiteral("Export CSV"), CsvFileFilter);
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

    // The store takes the file by the loader's rules; the widgets then show it. Every text
    // written still runs the cell rule, which finds its row already as the file gave it.
    const QVector<int> refusedYears = LoadPortfolio(fields, portfolio);
    ViewChanged(true);

    // A kind that is none of the combo's items leaves the selection alone; a new selection
    // shows its fields before they are filled.
    if (fields.hasKind)
        ui->WealthSelect->setCurrentText(fields.kind);
    for (int k = 0; k < GeneratorFieldCount; ++k) {
        if (fields.hasGenerator[k])
            WealthEdit(k + 1)->setPlainText(fields.generator[k]);
    }

    for (int r = 0; r < fields.rows; ++r) {
        for (int c = 0; c < fields.columns; ++c) {
            QTableWidgetItem *item = grid->item(r, c);
            if (!item)
                continue;
            // A refused start year is shown as the year check leaves it: empty.
            const bool refused = c == ColStartYear && refusedYears.contains(r);
            item->setText(refused ? QString() : fields.cell(r, c));
            if (c == ColType)
                emit SendItemToComboDelegate(portfolio.rowType(r));
        }
        ColorRow(r, ManualRowColour);
    }
    if (!refusedYears.isEmpty())
        ReportRefusedYears(refusedYears);
}

void MainWindow::ReportRefusedYears(const QVector<int> &rows)
{
    for (int i = 0; i < rows.size(); ++i)
        QMessageBox::about(this, QStringLiteral("Jaartal fout"), QStringLiteral("Vul een geldig jaartal in , bv 2020"));
}

QString MainWindow::ProjectionCsv(bool totals) const
{
    return ProjectionCsvText(portfolio, totals);
}
