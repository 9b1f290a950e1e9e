#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/FormSetup.h"
#include "app/Manual.h"
#include "app/PlanViews.h"
#include "app/HelpMenu.h"
#include "app/LanguageMenu.h"
#include "app/PlanMenu.h"
#include "grid/RowEdit.h"
#include "model/DutchFormat.h"
#include <QLineEdit>
#include "app/EditorUndo.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"
#include "grid/ComboBoxDelegate.h"
#include "grid/NumberCellDelegate.h"
#include "app/FocusWatch.h"
#include "app/BaselineController.h"
#include "app/CostTaxController.h"
#include "app/ScenarioController.h"
#include "app/PlanningPanel.h"
#include "app/UncertaintyPanel.h"
#include "grid/ColumnHelp.h"
#include "grid/GridKeys.h"
#include "io/InvestFormat.h"
#include "io/SheetExport.h"
#include "settings/Options.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <algorithm>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QUndoStack>
#include <QDebug>
#include <QDesktopServices>
#include <QHeaderView>
#include <QTableWidgetItem>
#include "settings/ProgramSettings.h"
#include "settings/SpreadSettings.h"

QColor MainWindow::ManualRowColour;
QColor MainWindow::EmptyRowColour;
QColor MainWindow::GeneratedRowColour;
QBrush MainWindow::NotApplicableBrush;
const QColor MainWindow::NotANumberColour(200, 0, 0);

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    // The store starts with its limits at 30 rows and 31 years and every block zeroed.
    ManualRowColour = QColor(204, 229, 255, 255);
    EmptyRowColour = QColor(255, 255, 255, 255);
    GeneratedRowColour = QColor(255, 255, 51, 255);
    NotApplicableBrush.setColor(ManualRowColour);
    NotApplicableBrush.setStyle(Qt::Dense6Pattern);

    ui->setupUi(this);
    // The parts the rules below already report to; ComposeParts wires them.
    document = new PortfolioDocument(this, this);
    planning = new PlanningPanel(ui->centralwidget, this);
    uncertainty = new UncertaintyPanel(ui->centralwidget, this);

    for (int t = 0; t < 3; ++t)
        ui->WealthSelect->addItem(InvestmentTypeNames.at(t));
    for (int k = 1; k <= 10; ++k) {
        WealthEdit(k)->setTabChangesFocus(true);
        connect(new FocusWatch(WealthEdit(k)), &FocusWatch::focusLost, this, [this, k]() { CommitWealthField(k); });
    }
    ShowWealthFields(0);

    const int rows = portfolio.maxInvestment();
    ui->Vastgoed->setRowCount(rows);
    ui->Vastgoed->setColumnCount(InputColumnCount);
    ui->Output->setRowCount(rows);
    ui->Output->setColumnCount(OutputColumnCount);
    // The header would widen the one-pixel separator columns to its minimum section size.
    ui->Vastgoed->horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < InputColumnCount; ++c) {
        ui->Vastgoed->setColumnWidth(c, InputColumns[c].width);
        ui->Vastgoed->setHorizontalHeaderItem(c, new QTableWidgetItem(ShownHeader(InputColumns[c].header)));
    }
    for (int c = 0; c < OutputColumnCount; ++c) {
        ui->Output->setColumnWidth(c, OutputColumns[c].width);
        ui->Output->setHorizontalHeaderItem(c, new QTableWidgetItem(ShownHeader(OutputColumns[c].header)));
    }

    // Typed numbers are normalised when committed; the Type column has its own editor.
    ui->Vastgoed->setItemDelegate(new NumberCellDelegate(ui->Vastgoed));
    delegate = new ComboBoxDelegate(ui->Vastgoed);
    ui->Vastgoed->setItemDelegateForColumn(0, delegate);
    ui->Vastgoed->setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(delegate, SIGNAL(commitData(int)), this, SLOT(on_InvestTypeChanged(int)));
    connect(this, SIGNAL(SendItemToComboDelegate(int)), delegate, SLOT(ReceiveIndexCmbo(int)));

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < InputColumnCount; ++c)
            ui->Vastgoed->setItem(r, c, new QTableWidgetItem(QString()));
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < OutputColumnCount; ++c)
            ui->Output->setItem(r, c, new QTableWidgetItem(QString()));
    }
    for (int r = 0; r < ui->Vastgoed->rowCount(); ++r) {
        ui->Vastgoed->setItem(r, 0, new QTableWidgetItem(InvestmentTypeNames.at(LeveragedProperty)));
        ColorRow(r, ManualRowColour);
    }
    ClearInvestments();
    portfolio.clearProjections();

    ui->NettoRadioButt->setChecked(true);
    ComposeParts();
    qDebug() << "Start application";
}

void MainWindow::ComposeParts()
{
    FinishMainForm(this, ui);

    // The document: File's Opslaan before "Save as...", the recent files after it, Bewerken
    // with undo and redo; shortcuts as desktop programs have them.
    auto *actionSave = new QAction(tr("Opslaan"), this);
    actionSave->setObjectName(QStringLiteral("actionSave"));
    actionSave->setShortcut(QKeySequence::Save);
    actionSave->setToolTip(tr("De portefeuille opslaan in het huidige bestand"));
    connect(actionSave, &QAction::triggered, this, [this]() { Save(); });
    ui->actionOpen->setShortcut(QKeySequence::Open);
    // Not every desktop's standard keys name one for Save as; this one does.
    ui->actionSave_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui->actionExit->setShortcut(QKeySequence::Quit);
    QMenu *fileMenu = ui->menuOpen_File;
    fileMenu->insertAction(ui->actionSave_as, actionSave);
    fileMenu->insertMenu(ui->actionExport_CSV, document->recentMenu(fileMenu));
    fileMenu->insertSeparator(ui->actionExport_CSV);
    connect(document, &PortfolioDocument::openRecent, this, [this](const QString &path) { OpenFileAsking(path); });

    // Spreadsheets for Dutch readers, after the plain CSV.
    for (const bool workbook : { false, true }) {
        auto *action = new QAction(QStringLiteral("%1...").arg(QCoreApplication::translate("SheetExport", workbook ? WorkbookCaption : DutchCsvCaption)), this);
        action->setObjectName(workbook ? QStringLiteral("actionExportXlsx") : QStringLiteral("actionExportCsvNl"));
        action->setToolTip(workbook ? tr("De doorrekening als Excel-werkmap: een blad met de jaartotalen en een blad per investering")
                                    : tr("De doorrekening als CSV die Nederlandse Excel in kolommen opent: puntkomma's en decimale komma's"));
        action->setStatusTip(action->toolTip());
        connect(action, &QAction::triggered, this, [this, workbook]() { ExportSpreadsheet(workbook); });
        const QList<QAction *> actions = fileMenu->actions();
        const int exportAt = actions.indexOf(ui->actionExport_CSV);
        fileMenu->insertAction(actions.value(exportAt + 1 + (workbook ? 1 : 0)), action);
    }

    QMenu *editMenu = new QMenu(tr("Bewerken"), this);
    editMenu->setObjectName(QStringLiteral("menuBewerken"));
    QAction *undo = document->undoStack()->createUndoAction(this, tr("Ongedaan maken"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = document->undoStack()->createRedoAction(this, tr("Opnieuw"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts({ QKeySequence(Qt::CTRL + Qt::Key_Y), QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z) });
    editMenu->addAction(undo);
    editMenu->addAction(redo);
    menuBar()->insertMenu(ui->menuHelp->menuAction(), editMenu);
    addAction(undo);
    addAction(redo);
    // Ctrl+Z in an open cell editor: the editor's typing first, then the history.
    new EditorUndo(ui->Vastgoed);
    connect(document, &PortfolioDocument::changed, this, [this]() {
        setWindowTitle(document->title());
        setWindowModified(document->isModified());
    });
    // The generator panel is part of the file: typing there changes the document too.
    for (int k = 1; k <= GeneratorFieldCount; ++k) {
        panelTexts[k - 1] = WealthEdit(k)->toPlainText();
        connect(WealthEdit(k), &QTextEdit::textChanged, this, [this, k]() {
            // Read once per change, not once per step of every edit.
            panelTexts[k - 1] = WealthEdit(k)->toPlainText();
            document->notePanelText(k - 1, panelTexts[k - 1]);
        });
    }
    // Delete empties many cells at once: one step.
    if (auto *keys = ui->Vastgoed->findChild<DeleteEmptiesCells *>()) {
        connect(keys, &DeleteEmptiesCells::emptying, document, &PortfolioDocument::beginGroup);
        connect(keys, &DeleteEmptiesCells::emptied, this, [this]() { document->endGroup(tr("Cellen wissen")); });
    }

    // Kosten en belasting: the dialog of the assumptions, before the limits; OK is one step.
    auto *costTax = new CostTaxController(fileMenu, ui->actionSettings, this,
        [this]() { return portfolio.costTax(); }, [this](const CostTaxAssumptions &a) { SetCostTax(a); });
    connect(document->undoStack(), &QUndoStack::indexChanged, costTax, &CostTaxController::documentChanged);
    connect(document, &PortfolioDocument::changed, costTax, &CostTaxController::documentChanged);

    // The baseline: its File actions before the export, its figures under the totals.
    baselines = new BaselineController(ui->centralwidget, fileMenu, ui->actionExport_CSV, statusBar(), this);
    connect(baselines, &BaselineController::compareRequested, this, [this]() {
        const QString name = AskFileName(openFileName, false, tr("Basis openen"), InvestFileFilter);
        if (!name.isEmpty())
            CompareWithFile(name);
    });
    connect(baselines, &BaselineController::copyRequested, this, [this]() {
        const QString file = document->file();
        baselines->takeCopyOf(portfolio, file.isEmpty() ? tr("Naamloos") : QFileInfo(file).fileName());
    });
    connect(baselines, &BaselineController::changed, this, [this]() {
        baselines->showYear(portfolio, ChosenYearIndex(), ShownInflation());
    });

    // Up to five scenarios beside it: their File actions after the baseline's, their own window.
    scenarios = new ScenarioController(this, fileMenu, ui->actionExport_CSV, [this]() {
        ScenarioView view { &portfolio, ui->Situatie_Jaartal->currentText().toInt(), planning->inflationToday(portfolio),
            ShownInflation(), planning->monthlySpending(), ReadSpreadSettings(ProgramSettings()) };
        return view;
    }, this);
    connect(scenarios, &ScenarioController::fileRequested, this, [this]() {
        const QString name = AskFileName(openFileName, false, tr("Scenario openen"), InvestFileFilter);
        if (!name.isEmpty())
            scenarios->addFile(name);
    });

    // What the panels change, the window shows.
    connect(planning, &PlanningPanel::shownMoneyChanged, this, [this]() {
        FillOutputGrid();
        UpdateYearTotals();
        if (planning->monthlySpending())
            RestartPaths(); // the spending in each year's euros moved
    });
    // The debt as the remaining principal or as the payments still due: every row is
    // projected again, the baseline too.
    auto showDebt = [this]() {
        const DebtMeasure debt = planning->debtMeasure();
        baselines->setDebtMeasure(debt);
        scenarios->setDebtMeasure(debt);
        if (QTableWidgetItem *header = ui->Output->horizontalHeaderItem(SerDebt))
            header->setToolTip(OutputColumnToolTip(SerDebt, debt));
        if (portfolio.debtMeasure() == debt)
            return;
        portfolio.setDebtMeasure(debt);
        ViewChanged(false);
    };
    connect(planning, &PlanningPanel::debtMeasureChanged, this, showDebt);
    showDebt();
    connect(planning, &PlanningPanel::goalChanged, this, [this]() {
        planning->showFreeYear(portfolio);
        RestartPaths();
    });
    connect(uncertainty, &UncertaintyPanel::restartWanted, this, [this]() { RestartPaths(); });
    connect(uncertainty, &UncertaintyPanel::bandsArrived, this, [this]() {
        uncertainty->showYear(ChosenYearIndex(), portfolio.anyRowProjected(), ShownInflation());
    });
    connect(uncertainty, &UncertaintyPanel::status, this, [this](const QString &message) {
        if (message.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(message);
    });

    // The year overview and the plan report (app/PlanViews): what they read of this window,
    // and the changes an open overview follows.
    PlanSource plan;
    plan.state = [this]() {
        PlanState state;
        state.store = &portfolio;
        state.realValues = planning->showsTodaysMoney();
        state.inflationPercent = planning->inflationPercent();
        state.monthlySpending = planning->monthlySpending();
        state.bands = uncertainty->bands();
        state.baseline = baselines->baseline().store();
        state.baselineName = baselines->baseline().name();
        state.pathSettings = ReadSpreadSettings(ProgramSettings());
        state.fileName = document->file();
        state.portfolioText = InvestTextFromFields(CurrentFields());
        state.unsaved = document->file().isEmpty() || document->isModified();
        return state;
    };
    plan.chosenYear = [this]() { return ui->Situatie_Jaartal->currentText().toInt(); };
    plan.chooseYear = [this](int year) {
        const int index = ui->Situatie_Jaartal->findText(QString::number(year));
        if (index >= 0)
            ui->Situatie_Jaartal->setCurrentIndex(index);
    };
    auto *planViews = new PlanViews(this, ui->menuOpen_File, ui->Situatie_Jaartal, plan);
    connect(document->undoStack(), &QUndoStack::indexChanged, planViews, &PlanViews::portfolioChanged);
    connect(ui->Situatie_Jaartal, &QComboBox::currentTextChanged, planViews, &PlanViews::portfolioChanged);
    connect(planning, &PlanningPanel::shownMoneyChanged, planViews, &PlanViews::portfolioChanged);
    connect(planning, &PlanningPanel::goalChanged, planViews, &PlanViews::portfolioChanged);
    connect(document->undoStack(), &QUndoStack::indexChanged, scenarios, &ScenarioController::refresh);
    connect(ui->Situatie_Jaartal, &QComboBox::currentTextChanged, scenarios, &ScenarioController::refresh);
    connect(planning, &PlanningPanel::shownMoneyChanged, scenarios, &ScenarioController::refresh);
    connect(planning, &PlanningPanel::goalChanged, scenarios, &ScenarioController::refresh);
    connect(uncertainty, &UncertaintyPanel::restartWanted, scenarios, &ScenarioController::refresh);
    connect(planning, &PlanningPanel::debtMeasureChanged, planViews, &PlanViews::portfolioChanged);
    connect(uncertainty, &UncertaintyPanel::bandsArrived, planViews, &PlanViews::portfolioChanged);
    connect(uncertainty, &UncertaintyPanel::restartWanted, planViews, &PlanViews::portfolioChanged);

    // "Wat is er nodig?" and "Gevoeligheid" (app/PlanMenu) in a menu "Plan" before Help.
    PlanAccess access;
    access.plan = [this](bool generator) {
        PlanInputs plan;
        plan.store = portfolio;
        if (generator) {
            // The generator runs after the rows that were typed; those it added before go.
            for (int r = 0; r < MaxRows; ++r) {
                if (rowColours[r] == GeneratedRowColour)
                    ClearRow(plan.store, r);
            }
            plan.store.projectAll();
            GeneratorPanel panel;
            panel.kind = ui->WealthSelect->currentIndex();
            for (int k = 0; k < GeneratorFieldCount; ++k)
                panel.parameters.field[k] = GeneratorParameterFromText(WealthEdit(k + 1)->toPlainText());
            plan.generator = panel;
        }
        plan.monthlySpending = planning->monthlySpending();
        plan.inflationPercent = planning->inflationPercent();
        plan.referenceYear = CurrentCalendarYear();
        plan.realNetWorth = planning->showsTodaysMoney();
        plan.paths = ReadSpreadSettings(ProgramSettings());
        return plan;
    };
    access.generated = [this]() {
        return std::any_of(std::begin(rowColours), std::end(rowColours), [](const QColor &c) { return c == GeneratedRowColour; });
    };
    access.chosenYear = [this]() { return ui->Situatie_Jaartal->currentText().toInt(); };
    access.apply = [this](const SolveQuestion &question, double value) {
        const QString text = QString::number(value, 'f', 2);
        if (question.unknown == SolveUnknown::MonthlySpending) {
            if (auto *spending = findChild<QLineEdit *>(QStringLiteral("MaandelijkseUitgaven")))
                spending->setText(DutchAmount(value)); // a setting of the program, not of the file
            return;
        }
        const PortfolioDocument::Step step(document, QStringLiteral("Wat is er nodig?"));
        if (question.unknown == SolveUnknown::RowPrice) {
            if (QTableWidgetItem *item = ui->Vastgoed->item(question.row, ColPrice))
                item->setText(text);
        } else {
            WealthEdit(question.unknown == SolveUnknown::GeneratorDeposit ? GenMonthlyDeposit + 1 : GenLumpSum + 1)->setPlainText(text);
        }
    };
    auto *planMenu = new QMenu(QStringLiteral("Plan"), this);
    planMenu->setObjectName(QStringLiteral("menuPlan"));
    menuBar()->insertMenu(ui->menuHelp->menuAction(), planMenu);
    new PlanMenu(planMenu, this, access);

    // Help: the manual in a window of the program when no browser answers, the example
    // portfolio as an unsaved document, About.
    help = new HelpMenu(ui->menuHelp, this);
    // Taal, before Help: the language of the next start.
    new LanguageMenu(menuBar(), ui->menuHelp->menuAction(), this);
    connect(help, &HelpMenu::exampleRequested, this, [this](const QString &text) {
        if (!text.isEmpty() && MaybeSave())
            ShowOpenedText(text, QString(), false, tr("Voorbeeld"));
    });

    // The year chosen for a file is remembered for the next time it is opened.
    connect(ui->Situatie_Jaartal, &QComboBox::currentTextChanged, this, [this](const QString &year) {
        if (document->file().isEmpty() || year.isEmpty())
            return;
        ChosenYears chosen = ChosenYears::load();
        chosen.remember(QFileInfo(document->file()).absoluteFilePath(), year);
        chosen.save();
    });

    FitFormToControls(ui->centralwidget);
    document->RestoreDocument({ QString(), 0, false, QString() });
    document->startRecording();
}

void MainWindow::RestartPaths()
{
    uncertainty->restart(portfolio, planning->monthlySpending(), planning->inflationToday(portfolio));
    uncertainty->showYear(ChosenYearIndex(), portfolio.anyRowProjected(), ShownInflation());
}

const InflationTable *MainWindow::ShownInflation() const
{
    return planning ? planning->shownInflation(portfolio) : nullptr;
}

void MainWindow::ShowPartsOfYear()
{
    const int c = ChosenYearIndex();
    planning->showFreeYear(portfolio);
    uncertainty->showYear(c, portfolio.anyRowProjected(), ShownInflation());
}

const Baseline &MainWindow::CurrentBaseline() const
{
    return baselines->baseline();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

MainWindow::~MainWindow()
{
    // The widgets go after this window has stopped being one: nothing they send on their
    // way out (a changed text, a lost focus) may reach it any more.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
    // The scenarios ask this window for its view through a function, not a signal: they go first.
    delete scenarios;
    scenarios = nullptr;
    delete ui;
}

void MainWindow::on_actionExit_triggered()
{
    if (MaybeSave())
        QCoreApplication::quit();
}

void MainWindow::on_actionInhoud_triggered()
{
    help->openManual(ManualUrl());
}

void MainWindow::on_actionSettings_triggered()
{
    // A new dialog every time; a closed one goes, so that clicks do not pile dialogs up.
    optionsDialog = new Options(this);
    optionsDialog->setAttribute(Qt::WA_DeleteOnClose);
    optionsDialog->ShowLimits(portfolio.maxJaren(), portfolio.maxInvestment());
    optionsDialog->show();
}

void MainWindow::SetMaxJaren(int jaren)
{
    portfolio.setMaxJaren(jaren);
    ShowLimitedView();
}

void MainWindow::SetMaxInvestment(int InvestQty)
{
    portfolio.setMaxInvestment(InvestQty);
    ShowLimitedView();
}

void MainWindow::ShowLimitedView()
{
    // The store follows a new limit at once, and so do the year list (the chosen year, or the
    // nearest one still offered), the grid and the labels. The baseline is projected with the
    // same limits.
    if (baselines)
        baselines->setLimits(portfolio.maxInvestment(), portfolio.maxJaren());
    if (scenarios)
        scenarios->setLimits(portfolio.maxInvestment(), portfolio.maxJaren());
    if (batchDepth > 0) {
        viewDirty = true;
        return;
    }
    RefreshView(true);
}

void MainWindow::setOpenFileNameProvider(FileNameProvider provider)
{
    openFileName = std::move(provider);
}

void MainWindow::setSaveFileNameProvider(FileNameProvider provider)
{
    saveFileName = std::move(provider);
}
