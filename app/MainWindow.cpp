#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/FormSetup.h"
#include "app/Manual.h"
#include "app/PlanViews.h"
#include "charts/LineGraphs.h"
#include "grid/ColumnCatalogue.h"
#include "grid/ComboBoxDelegate.h"
#include "grid/NumberCellDelegate.h"
#include "app/FocusWatch.h"
#include "settings/Options.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QHeaderView>
#include <QTableWidgetItem>
#include <QCheckBox>
#include <QLineEdit>
#include <QUndoStack>
#include "model/PathRunner.h"
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
        ui->Vastgoed->setHorizontalHeaderItem(c, new QTableWidgetItem(InputColumns[c].header));
    }
    for (int c = 0; c < OutputColumnCount; ++c) {
        ui->Output->setColumnWidth(c, OutputColumns[c].width);
        ui->Output->setHorizontalHeaderItem(c, new QTableWidgetItem(OutputColumns[c].header));
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
    SetUpPlanningControls();
    SetUpUncertaintyControls();
    FinishMainForm(this, ui);
    SetUpDocument();
    SetUpBaseline();

    // The year overview and the plan report (app/PlanViews): what they read of this window,
    // and the changes an open overview follows.
    PlanSource plan;
    plan.state = [this]() {
        PlanState state;
        state.store = &portfolio;
        state.realValues = ShownInflation() != nullptr;
        state.inflationPercent = InflationPercent();
        state.monthlySpending = MonthlySpending();
        if (spreadCheck->isChecked())
            state.bands = pathBands;
        state.baseline = baseline.store();
        state.baselineName = baseline.name();
        state.pathSettings = ReadSpreadSettings(ProgramSettings());
        state.fileName = currentFile;
        state.portfolioText = InvestTextFromFields(CurrentFields());
        state.unsaved = currentFile.isEmpty() || isWindowModified();
        return state;
    };
    plan.chosenYear = [this]() { return ui->Situatie_Jaartal->currentText().toInt(); };
    plan.chooseYear = [this](int year) {
        const int index = ui->Situatie_Jaartal->findText(QString::number(year));
        if (index >= 0)
            ui->Situatie_Jaartal->setCurrentIndex(index);
    };
    auto *planViews = new PlanViews(this, ui->menuOpen_File, ui->Situatie_Jaartal, plan);
    connect(undoStack, &QUndoStack::indexChanged, planViews, &PlanViews::portfolioChanged);
    connect(ui->Situatie_Jaartal, &QComboBox::currentTextChanged, planViews, &PlanViews::portfolioChanged);
    connect(realCheck, &QCheckBox::toggled, planViews, &PlanViews::portfolioChanged);
    connect(inflationEdit, &QLineEdit::textChanged, planViews, &PlanViews::portfolioChanged);
    connect(spendingEdit, &QLineEdit::textChanged, planViews, &PlanViews::portfolioChanged);
    connect(spreadCheck, &QCheckBox::toggled, planViews, &PlanViews::portfolioChanged);
    connect(pathRunner, &PathRunner::finished, planViews, &PlanViews::portfolioChanged);
    qDebug() << "Start application";
}

MainWindow::~MainWindow()
{
    // The widgets go after this window has stopped being one: nothing they send on their
    // way out (a changed text, a lost focus) may reach it any more.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
    delete ui;
}

void MainWindow::on_actionExit_triggered()
{
    if (MaybeSave())
        QCoreApplication::quit();
}

void MainWindow::on_actionInhoud_triggered()
{
    QDesktopServices::openUrl(ManualUrl());
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
    // The store follows a new limit at once; the grid and the labels show it too. The year
    // list keeps its years until the next projection, so the chosen year survives typing.
    // The baseline is projected with the same limits.
    baseline.setLimits(portfolio.maxInvestment(), portfolio.maxJaren());
    if (batchDepth > 0) {
        viewDirty = true;
        return;
    }
    FillOutputGrid();
    UpdateYearTotals();
    RestartPaths();
}

void MainWindow::setOpenFileNameProvider(FileNameProvider provider)
{
    openFileName = std::move(provider);
}

void MainWindow::setSaveFileNameProvider(FileNameProvider provider)
{
    saveFileName = std::move(provider);
}
