// The portfolio as a document: undo steps, the title, the unsaved-work question and the
// recent files.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/RecoveryController.h"
#include "grid/GridKeys.h"
#include "io/InvestFormat.h"

#include <QAction>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include "settings/ProgramSettings.h"

#include <QSettings>
#include <QTableWidgetItem>
#include <QTextEdit>
#include <QUndoStack>

namespace {

constexpr int RecentFileCount = 5;
constexpr int UndoLimit = 100;


} // namespace

MainWindow::EditStep::EditStep(MainWindow *owner, const QString &text)
    : window(owner)
    , label(text)
    , active(owner->recordingSteps && !owner->applyingSnapshot)
{
    if (active)
        ++window->stepDepth;
}

MainWindow::EditStep::~EditStep()
{
    if (active && --window->stepDepth > 0)
        return;
    QSharedDataPointer<GridSnapshot> after;
    if (active)
        after = window->TakeSnapshot();
    if (active && *after.constData() != *window->shownSnapshot.constData()) {
        window->steps->beforePush();
        const QSharedDataPointer<GridSnapshot> before = window->shownSnapshot;
        window->shownSnapshot = after;
        if (opening)
            window->undoStack->push(new OpenCommand(window, label, before, after, openedFile, openedClean));
        else
            window->undoStack->push(new SnapshotCommand(window, label, before, after));
    } else if (opening) {
        window->RestoreDocument({ openedFile, openedClean ? window->steps->current() : -1, false });
    }
}

void MainWindow::EditStep::opens(const QString &file, bool clean)
{
    opening = true;
    openedFile = file;
    openedClean = clean;
}

void MainWindow::SetUpDocument()
{
    undoStack = new QUndoStack(this);
    undoStack->setUndoLimit(UndoLimit);
    steps = new StepTracker(undoStack);

    // File: Opslaan before "Save as...", the recent files after it; shortcuts as desktop
    // programs have them.
    auto *actionSave = new QAction(QStringLiteral("Opslaan"), this);
    actionSave->setObjectName(QStringLiteral("actionSave"));
    actionSave->setShortcut(QKeySequence::Save);
    actionSave->setToolTip(QStringLiteral("De portefeuille opslaan in het huidige bestand"));
    connect(actionSave, &QAction::triggered, this, [this]() { Save(); });
    ui->actionOpen->setShortcut(QKeySequence::Open);
    // Not every desktop's standard keys name one for Save as; this one does.
    ui->actionSave_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui->actionExit->setShortcut(QKeySequence::Quit);
    QMenu *fileMenu = ui->menuOpen_File;
    fileMenu->insertAction(ui->actionSave_as, actionSave);
    recentMenu = new QMenu(QStringLiteral("Recente bestanden"), fileMenu);
    recentMenu->setObjectName(QStringLiteral("menuRecent"));
    fileMenu->insertMenu(ui->actionExport_CSV, recentMenu);
    fileMenu->insertSeparator(ui->actionExport_CSV);
    FillRecentMenu();

    // Edit: undo and redo.
    QMenu *editMenu = new QMenu(QStringLiteral("Bewerken"), this);
    editMenu->setObjectName(QStringLiteral("menuBewerken"));
    QAction *undo = undoStack->createUndoAction(this, QStringLiteral("Ongedaan maken"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = undoStack->createRedoAction(this, QStringLiteral("Opnieuw"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts({ QKeySequence(Qt::CTRL + Qt::Key_Y), QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z) });
    editMenu->addAction(undo);
    editMenu->addAction(redo);
    menuBar()->insertMenu(ui->menuHelp->menuAction(), editMenu);
    addAction(undo);
    addAction(redo);

    connect(undoStack, &QUndoStack::indexChanged, this, [this]() {
        SyncCleanMark();
        UpdateModified();
    });
    // Marking the stack clean from outside the document (as a save does) counts as a save.
    connect(undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!clean || syncingClean)
            return;
        cleanStep = steps->current();
        panelChanged = false;
        UpdateModified();
    });
    // The generator panel is part of the file: typing there changes the document too.
    for (int k = 1; k <= GeneratorFieldCount; ++k) {
        panelTexts[k - 1] = WealthEdit(k)->toPlainText();
        connect(WealthEdit(k), &QTextEdit::textChanged, this, [this, k]() {
            // Read once per change, not once per step of every edit.
            panelTexts[k - 1] = WealthEdit(k)->toPlainText();
            // Typing in the panel is no step of its own: an undo keeps what was typed there.
            if (stepDepth == 0 && !applyingSnapshot && shownSnapshot.constData())
                shownSnapshot->panel[k - 1] = panelTexts[k - 1];
            if (recordingSteps && !applyingSnapshot && !panelChanged) {
                panelChanged = true;
                UpdateModified();
            } else if (recordingSteps && isWindowModified()) {
                recovery->documentChanged(true);
            }
        });
    }
    // Delete empties many cells at once: one step.
    if (auto *keys = ui->Vastgoed->findChild<DeleteEmptiesCells *>()) {
        connect(keys, &DeleteEmptiesCells::emptying, this, [this]() { ++stepDepth; });
        connect(keys, &DeleteEmptiesCells::emptied, this, [this]() {
            --stepDepth;
            const EditStep step(this, QStringLiteral("Cellen wissen"));
        });
    }

    recovery = new RecoveryController(
        this,
        [this]() {
            RecoveryRecord record;
            record.originalFile = currentFile;
            record.investText = InvestTextFromFields(CurrentFields());
            return record;
        },
        [this](const RecoveryRecord &record) {
            ShowOpenedText(record.investText, record.originalFile, false, QStringLiteral("Herstellen"));
            return true;
        });

    SetCurrentFile(QString());
    shownSnapshot = TakeSnapshot();
    recordingSteps = true;
}

QSharedDataPointer<GridSnapshot> MainWindow::TakeSnapshot() const
{
    QSharedDataPointer<GridSnapshot> shared(new GridSnapshot);
    GridSnapshot &s = *shared;
    for (int r = 0; r < MaxRows; ++r) {
        s.rowColours[r] = rowColours[r];
        for (int c = 0; c < FieldCount; ++c)
            s.texts[r][c] = cellTexts[r][c];
    }
    s.kind = ui->WealthSelect->currentIndex();
    for (int k = 0; k < GeneratorFieldCount; ++k)
        s.panel[k] = panelTexts[k];
    s.yearListEmpty = ui->Situatie_Jaartal->count() == 0;
    s.chosenYear = ui->Situatie_Jaartal->currentText();
    return shared;
}

void MainWindow::ApplySnapshot(const GridSnapshot &s)
{
    applyingSnapshot = true;
    {
        const ViewBatch batch(this);
        QTableWidget *grid = ui->Vastgoed;
        const int rows = std::min(grid->rowCount(), static_cast<int>(MaxRows));
        for (int r = 0; r < rows; ++r) {
            // The type and the row's paint first, as a type change or the generator writes a
            // row, then the other texts under it.
            QTableWidgetItem *typeItem = grid->item(r, ColType);
            if (typeItem && typeItem->text() != s.texts[r][ColType])
                typeItem->setText(s.texts[r][ColType]);
            ColorRow(r, s.rowColours[r]);
            for (int c = 1; c < FieldCount; ++c) {
                QTableWidgetItem *item = grid->item(r, c);
                if (item && item->text() != s.texts[r][c])
                    item->setText(s.texts[r][c]);
            }
        }
        if (ui->WealthSelect->currentIndex() != s.kind)
            ui->WealthSelect->setCurrentIndex(s.kind);
        for (int k = 0; k < GeneratorFieldCount; ++k) {
            if (panelTexts[k] != s.panel[k])
                WealthEdit(k + 1)->setPlainText(s.panel[k]);
        }
        ViewChanged(true);
    }
    if (s.yearListEmpty && ui->Situatie_Jaartal->count() > 0 && !portfolio.anyRowProjected()) {
        // Back to before anything was projected: no years, no figures.
        ui->Situatie_Jaartal->clear();
        for (int r = 0; r < ui->Output->rowCount(); ++r)
            BlankOutputRow(r);
        ShowEmptyTotals();
    }
    // The year the user was reading, when the list still holds it.
    QComboBox *years = ui->Situatie_Jaartal;
    const int chosen = s.chosenYear.isEmpty() ? -1 : years->findText(s.chosenYear);
    if (chosen >= 0 && chosen != years->currentIndex())
        years->setCurrentIndex(chosen);
    shownSnapshot = TakeSnapshot();
    applyingSnapshot = false;
}

void MainWindow::SetCurrentFile(const QString &path)
{
    RestoreDocument({ path, steps->current(), false });
}

DocumentSide MainWindow::CurrentDocument() const
{
    return { currentFile, cleanStep, panelChanged };
}

void MainWindow::RestoreDocument(const DocumentSide &side)
{
    currentFile = side.file;
    const QString name = currentFile.isEmpty() ? QStringLiteral("Naamloos") : QFileInfo(currentFile).fileName();
    setWindowTitle(name + QStringLiteral("[*] \u2014 Quorvant"));
    cleanStep = side.cleanStep;
    panelChanged = side.panelChanged;
    SyncCleanMark();
    UpdateModified();
}

void MainWindow::SyncCleanMark()
{
    syncingClean = true;
    if (cleanStep == steps->current())
        undoStack->setClean();
    else
        undoStack->resetClean();
    syncingClean = false;
}

void MainWindow::UpdateModified()
{
    setWindowModified(steps->current() != cleanStep || panelChanged);
    if (recovery)
        recovery->documentChanged(isWindowModified());
}

bool MainWindow::MaybeSave()
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvant"),
        QStringLiteral("De portefeuille is gewijzigd. Wijzigingen opslaan?"),
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::RememberFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QSettings settings = ProgramSettings();
    QStringList files = settings.value(QStringLiteral("recentFiles")).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > RecentFileCount)
        files.removeLast();
    settings.setValue(QStringLiteral("recentFiles"), files);
    settings.setValue(QStringLiteral("lastFolder"), QFileInfo(absolute).absolutePath());
    FillRecentMenu();
}

void MainWindow::FillRecentMenu()
{
    if (!recentMenu)
        return;
    recentMenu->clear();
    const QStringList files = ProgramSettings().value(QStringLiteral("recentFiles")).toStringList();
    for (int i = 0; i < files.size() && i < RecentFileCount; ++i) {
        const QString path = files.at(i);
        QAction *action = recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path]() {
            if (MaybeSave())
                OpenFile(path);
        });
    }
    recentMenu->setEnabled(!files.isEmpty());
}

QString MainWindow::AskFileName(const FileNameProvider &provider, bool save, const QString &caption, const char *filter)
{
    return AskForFileName(provider, save, caption, filter, ProgramSettings().value(QStringLiteral("lastFolder")).toString());
}
