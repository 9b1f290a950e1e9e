// Saving and opening investment files from the main window, and the CSV export.

#include "io/InvestFiles.h"

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "io/CsvExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/InvestmentStore.h"

#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTableWidgetItem>

namespace {

const char *const CsvFileFilter = "CSV(*.csv);;All Files (*)";

bool saveReporting(QWidget *parent, const QString &name, const QString &text)
{
    QString error;
    if (SaveTextFile(name, text, &error, FileTargets::RegularOnly))
        return true;
    QMessageBox::warning(parent, QStringLiteral("Unable to save file"), error);
    return false;
}

} // namespace

QString AskForFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter,
    const QString &folder)
{
    if (provider)
        return provider();
    const QString filters = QString::fromLatin1(filter);
    return save ? QFileDialog::getSaveFileName(nullptr, caption, folder, filters)
                : QFileDialog::getOpenFileName(nullptr, caption, folder, filters);
}

void MainWindow::on_actionSave_as_triggered()
{
    SaveAs();
}

bool MainWindow::Save()
{
    return currentFile.isEmpty() ? SaveAs() : SaveTo(currentFile);
}

bool MainWindow::SaveAs()
{
    // The text is built before the dialog asks, cancel or not.
    BuildInvestText();
    const QString name = AskFileName(saveFileName, true, QStringLiteral("Save invest file"), InvestFileFilter);
    if (name.isEmpty())
        return false;
    return SaveTo(WithDefaultSuffix(name, QStringLiteral("inv")));
}

bool MainWindow::SaveTo(const QString &path)
{
    BuildInvestText();
    if (!saveReporting(this, path, investText))
        return false;
    SetCurrentFile(path);
    RememberFile(path);
    return true;
}

void MainWindow::on_actionOpen_triggered()
{
    if (!MaybeSave())
        return;
    const QString name = AskFileName(openFileName, false, QStringLiteral("Open Invest File"), InvestFileFilter);
    if (!name.isEmpty())
        OpenFile(name);
}

bool MainWindow::OpenFile(const QString &path)
{
    // The portfolio on screen is replaced only by a file that was actually read.
    QString text;
    QString error;
    if (!ReadInvestTextFile(path, &text, &error, FileTargets::RegularOnly)) {
        QMessageBox::information(this, QStringLiteral("Unable to open file"), error, QMessageBox::Ok,
            QMessageBox::NoButton);
        return false;
    }
    const InvestTextCheck check = CheckInvestText(text);
    // A cut-off file is shown as far as it goes, but counts as changed: saving it as it is is
    // a choice, not a matter of course.
    ShowOpenedText(text, path, check.fields >= InvestFieldCount, QStringLiteral("Openen"));
    RememberFile(path);
    if (check.fields < InvestFieldCount) {
        QMessageBox::warning(this, QStringLiteral("Quorvant"),
            IncompleteInvestFileText(QFileInfo(path).fileName(), check.fields));
    }
    return true;
}

bool MainWindow::OpenFileAsking(const QString &path)
{
    return MaybeSave() && OpenFile(path);
}

void MainWindow::ShowOpenedText(const QString &text, const QString &file, bool clean, const QString &label)
{
    // One undo step: undo brings back the portfolio and the document it replaced.
    EditStep step(this, label);
    investText = text;
    const ViewBatch batch(this);
    ClearInvestments();
    ParseInvestText();
    step.opens(file, clean);
}

void MainWindow::on_actionExport_CSV_triggered()
{
    const QString name = AskFileName(saveFileName, true, QStringLiteral("Export CSV"), CsvFileFilter);
    if (name.isEmpty())
        return;
    saveReporting(this, WithDefaultSuffix(name, QStringLiteral("csv")), ProjectionCsv(false));
}

void MainWindow::BuildInvestText()
{
    investText = InvestTextFromFields(CurrentFields());
}

InvestFields MainWindow::CurrentFields() const
{
    const QTableWidget *grid = ui->Vastgoed;
    const int rows = grid->rowCount();
    const int columns = grid->columnCount();
    InvestFields fields(rows, columns);
    fields.kind = ui->WealthSelect->currentText();
    for (int k = 0; k < GeneratorFieldCount; ++k)
        fields.generator[k] = panelTexts[k];
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (const QTableWidgetItem *item = grid->item(r, c))
                fields.setCell(r, c, item->text());
        }
    }
    return fields;
}

void MainWindow::ParseInvestText()
{
    const ViewBatch batch(this);
    QTableWidget *grid = ui->Vastgoed;
    const InvestFields fields = ParseInvestFields(investText, grid->rowCount(), grid->columnCount());

    // The store takes the file by the loader's rules; the widgets then show it. Every text
    // written still runs the cell rule, which finds its row already as the file gave it.
    const QVector<int> refusedYears = LoadPortfolio(fields, portfolio);
    for (int r = 0; r < MaxRows; ++r) {
        if (portfolio.block(r).projected)
            qDebug() << "addinvestment";
    }
    ViewChanged(true);
    showingLoadedFile = true;

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
    showingLoadedFile = false;
    if (!refusedYears.isEmpty())
        ReportRefusedYears(refusedYears);
}

void MainWindow::ReportRefusedYears(const QVector<int> &rows)
{
    // One message for the whole file, naming every row whose year was left empty.
    QStringList numbers;
    for (int row : rows)
        numbers << QString::number(row + 1);
    const QString where = numbers.size() == 1 ? QStringLiteral("rij %1").arg(numbers.first())
                                              : QStringLiteral("de rijen %1").arg(numbers.join(QStringLiteral(", ")));
    QMessageBox::about(this, QStringLiteral("Jaartal fout"),
        QStringLiteral("Vul een geldig jaartal in , bv 2020\n\nHet jaartal van %1 is leeg gelaten.").arg(where));
}

QString MainWindow::ProjectionCsv(bool totals) const
{
    // What the window shows: in today's money when real values are on.
    CsvFigures figures;
    figures.real = ShownInflation();
    return ProjectionCsvText(portfolio, totals, figures);
}
