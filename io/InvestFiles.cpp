// Saving and opening investment files from the main window, and the CSV export.

#include "io/InvestFiles.h"

#include "app/MainWindow.h"
#include "settings/ProgramSettings.h"
#include "ui_MainWindow.h"

#include "io/CsvExport.h"
#include "io/SheetExport.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "app/BaselineController.h"
#include "model/InvestmentStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTableWidgetItem>

namespace {

const char *const CsvFileFilter = QT_TRANSLATE_NOOP("FileFilter", "CSV(*.csv);;All Files (*)");

bool saveReporting(QWidget *parent, const QString &name, const QString &text)
{
    QString error;
    if (SaveTextFile(name, text, &error, FileTargets::RegularOnly))
        return true;
    QMessageBox::warning(parent, QCoreApplication::translate("MainWindow", "Unable to save file"), error);
    return false;
}

} // namespace

QString AskForFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter,
    const QString &folder)
{
    if (provider)
        return provider();
    // The filter in the chosen language ("All Files" in the original texts).
    const QString filters = QCoreApplication::translate("FileFilter", filter);
    return save ? QFileDialog::getSaveFileName(nullptr, caption, folder, filters)
                : QFileDialog::getOpenFileName(nullptr, caption, folder, filters);
}

void MainWindow::on_actionSave_as_triggered()
{
    SaveAs();
}

bool MainWindow::Save()
{
    return document->file().isEmpty() ? SaveAs() : SaveTo(document->file());
}

bool MainWindow::SaveAs()
{
    // The text is built before the dialog asks, cancel or not.
    BuildInvestText();
    const QString name = AskFileName(saveFileName, true, tr("Save invest file"), InvestFileFilter);
    if (name.isEmpty())
        return false;
    return SaveTo(WithDefaultSuffix(name, QStringLiteral("inv")));
}

bool MainWindow::SaveTo(const QString &path)
{
    BuildInvestText();
    if (!saveReporting(this, path, investText))
        return false;
    document->setSavedAs(path);
    document->rememberFile(path);
    return true;
}

void MainWindow::on_actionOpen_triggered()
{
    if (!MaybeSave())
        return;
    const QString name = AskFileName(openFileName, false, tr("Open Invest File"), InvestFileFilter);
    if (!name.isEmpty())
        OpenFile(name);
}

bool MainWindow::OpenFile(const QString &path)
{
    // The portfolio on screen is replaced only by a file that was actually read.
    QString text;
    QString error;
    if (!ReadInvestTextFile(path, &text, &error, FileTargets::RegularOnly)) {
        QMessageBox::information(this, tr("Unable to open file"), error, QMessageBox::Ok,
            QMessageBox::NoButton);
        return false;
    }
    const InvestTextCheck check = CheckInvestText(text);
    // A cut-off file is shown as far as it goes, but counts as changed: saving it as it is is
    // a choice, not a matter of course.
    ShowOpenedText(text, path, check.fields >= InvestFieldCount, tr("Openen"));
    document->rememberFile(path);
    // The year this file was last looked at, when the list still offers it.
    const QString year = ChosenYears::load().yearOf(QFileInfo(path).absoluteFilePath());
    if (!year.isEmpty() && ui->Situatie_Jaartal->findText(year) >= 0)
        ui->Situatie_Jaartal->setCurrentText(year);
    if (check.fields < InvestFieldCount) {
        QMessageBox::warning(this, tr("Quorvant"),
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
    // A document without a file of its own (the example) is named after its step.
    const QString untitled = file.isEmpty() && label == tr("Voorbeeld") ? label : QString();
    // One undo step: undo brings back the portfolio and the document it replaced.
    PortfolioDocument::Step step(document, label);
    investText = text;
    const ViewBatch batch(this);
    ClearInvestments();
    ParseInvestText();
    step.opens(file, clean, untitled);
}

void MainWindow::on_actionExport_CSV_triggered()
{
    const QString name = AskFileName(saveFileName, true, tr("Export CSV"), CsvFileFilter);
    if (name.isEmpty())
        return;
    saveReporting(this, WithDefaultSuffix(name, QStringLiteral("csv")), ProjectionCsv(false));
}

void MainWindow::ExportSpreadsheet(bool workbook)
{
    // For Dutch Excel and LibreOffice: ';' and a decimal comma, or a workbook with numbers as
    // numbers; in today's money when the window shows it, with the baseline when one is set.
    const QString caption = QCoreApplication::translate("SheetExport", workbook ? WorkbookCaption : DutchCsvCaption);
    const char *filter = workbook ? QT_TRANSLATE_NOOP("FileFilter", "Excel-werkmap (*.xlsx);;All Files (*)") : CsvFileFilter;
    const QString name = AskFileName(saveFileName, true, caption, filter);
    if (name.isEmpty())
        return;
    CsvFigures figures;
    figures.real = ShownInflation();
    figures.baseline = CurrentBaseline().store();
    const QString path = WithDefaultSuffix(name, workbook ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    QString error;
    const bool written = workbook ? WriteProjectionWorkbook(path, portfolio, figures, &error)
                                  : SaveBytesFile(path, ProjectionDutchCsvBytes(portfolio, false, figures), &error,
                                      FileTargets::RegularOnly);
    if (!written)
        QMessageBox::warning(this, tr("Unable to save file"), error);
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
    fields.assumptions = CostTaxFieldTexts(portfolio.costTax());
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
    const QString where = numbers.size() == 1 ? tr("rij %1").arg(numbers.first())
                                              : tr("de rijen %1").arg(numbers.join(QStringLiteral(", ")));
    QMessageBox::about(this, tr("Jaartal fout"),
        tr("Vul een geldig jaartal in , bv 2020\n\nHet jaartal van %1 is leeg gelaten.").arg(where));
}

QString MainWindow::ProjectionCsv(bool totals) const
{
    // What the window shows: in today's money when real values are on.
    CsvFigures figures;
    figures.real = ShownInflation();
    return ProjectionCsvText(portfolio, totals, figures);
}

bool MainWindow::MaybeSave()
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Quorvant"),
        tr("De portefeuille is gewijzigd. Wijzigingen opslaan?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString MainWindow::AskFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter)
{
    return AskForFileName(provider, save, caption, filter, document->lastFolder());
}

bool MainWindow::CompareWithFile(const QString &path)
{
    return baselines->compareWithFile(path, portfolio.maxInvestment(), portfolio.maxJaren(), this);
}

QString MainWindow::CurrentInvestText() const
{
    return InvestTextFromFields(CurrentFields());
}

bool MainWindow::ShowRecoveredWork(const QString &text, const QString &file)
{
    ShowOpenedText(text, file, false, tr("Herstellen"));
    return true;
}
