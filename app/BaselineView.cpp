// The baseline in the window: File > "Vergelijk met...", "Huidige als basis vastleggen" and
// "Vergelijking wissen", the "Basis" and "Verschil" figures under the totals of the chosen
// year, the baseline's name in the status bar and its sum for the charts. The comparison
// itself is the core's (CompareWithBaseline); this file only shows it.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "io/InvestFormat.h"
#include "model/FormatAmount.h"
#include "model/RealValues.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include <limits>

namespace {

// The strip under the totals, in form coordinates: the captions left of the cash-flow total,
// the figures under the cash-flow total (x 1060) and under the net-worth total (x 1240).
const QRect PanelGeometry(930, 651, 410, 39);
constexpr int CaptionWidth = 122;
constexpr int CashFlowX = 1060 - 930;
constexpr int NetWorthX = 1240 - 930;
constexpr int FigureWidth = 111;
constexpr int NetWorthWidth = 100;
constexpr int RowHeight = 19;
constexpr int RowStep = 20;

QLabel *panelLabel(QWidget *panel, const QString &objectName, const QRect &geometry, const QString &toolTip)
{
    auto *label = new QLabel(panel);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setToolTip(toolTip);
    label->setAccessibleName(toolTip);
    return label;
}

} // namespace

void MainWindow::SetUpBaseline()
{
    // File: the three actions of the comparison between the recent files and the export.
    auto *compare = new QAction(QStringLiteral("Vergelijk met..."), this);
    compare->setObjectName(QStringLiteral("actionVergelijkMet"));
    compare->setToolTip(
        QStringLiteral("Een investeringsbestand openen als basis om deze portefeuille mee te vergelijken"));
    connect(compare, &QAction::triggered, this, [this]() {
        const QString name = AskFileName(openFileName, false, QStringLiteral("Basis openen"), InvestFileFilter);
        if (!name.isEmpty())
            CompareWithFile(name);
    });
    auto *take = new QAction(QStringLiteral("Huidige als basis vastleggen"), this);
    take->setObjectName(QStringLiteral("actionBasisVastleggen"));
    take->setToolTip(
        QStringLiteral("Een kopie van deze portefeuille bewaren om latere wijzigingen mee te vergelijken"));
    connect(take, &QAction::triggered, this, [this]() { TakeCurrentAsBaseline(); });
    clearBaselineAction = new QAction(QStringLiteral("Vergelijking wissen"), this);
    clearBaselineAction->setObjectName(QStringLiteral("actionVergelijkingWissen"));
    clearBaselineAction->setToolTip(
        QStringLiteral("De basis loslaten; het venster toont weer alleen deze portefeuille"));
    connect(clearBaselineAction, &QAction::triggered, this, [this]() { ClearBaseline(); });
    QMenu *fileMenu = ui->menuOpen_File;
    for (QAction *action : { compare, take, clearBaselineAction }) {
        action->setStatusTip(action->toolTip());
        fileMenu->insertAction(ui->actionExport_CSV, action);
    }
    fileMenu->insertSeparator(ui->actionExport_CSV);

    // Two rows under the totals: the baseline's figures and the difference with this portfolio.
    baselinePanel = new QWidget(ui->centralwidget);
    baselinePanel->setObjectName(QStringLiteral("BasisVergelijking"));
    baselinePanel->setGeometry(PanelGeometry);
    const QString captions[2] = { QStringLiteral("Basis"), QStringLiteral("Verschil") };
    const QString names[2] = { QStringLiteral("Basis"), QStringLiteral("Verschil") };
    const QString tips[2][2] = {
        { QStringLiteral("Maandelijkse cashflow van de basis in het gekozen jaar"),
            QStringLiteral("Nettowaarde van de basis in het gekozen jaar") },
        { QStringLiteral("Maandelijkse cashflow van deze portefeuille min die van de basis"),
            QStringLiteral("Nettowaarde van deze portefeuille min die van de basis") },
    };
    QFont bold = baselinePanel->font();
    bold.setBold(true);
    for (int row = 0; row < 2; ++row) {
        const int y = row * RowStep;
        QLabel *caption = panelLabel(baselinePanel, names[row] + QStringLiteral("_Label"),
            QRect(0, y, CaptionWidth, RowHeight), captions[row]);
        caption->setText(captions[row]);
        caption->setFont(bold);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        baselineFigures[row][0] = panelLabel(baselinePanel, names[row] + QStringLiteral("_Cashflow"),
            QRect(CashFlowX, y, FigureWidth, RowHeight), tips[row][0]);
        baselineFigures[row][1] = panelLabel(baselinePanel, names[row] + QStringLiteral("_Nettowaarde"),
            QRect(NetWorthX, y, NetWorthWidth, RowHeight), tips[row][1]);
        for (QLabel *figure : baselineFigures[row])
            figure->setFont(bold);
    }

    baselineStatus = new QLabel(this);
    baselineStatus->setObjectName(QStringLiteral("BasisStatus"));
    statusBar()->addPermanentWidget(baselineStatus);
    ShowBaselineState();
}

bool MainWindow::CompareWithFile(const QString &path)
{
    // The portfolio on screen stays as it is; a file that cannot be read leaves the baseline
    // as it was.
    QString error;
    if (!baseline.loadFile(path, portfolio.maxInvestment(), portfolio.maxJaren(), &error, FileTargets::RegularOnly)) {
        QMessageBox::information(this, QStringLiteral("Unable to open file"), error, QMessageBox::Ok,
            QMessageBox::NoButton);
        return false;
    }
    ShowBaselineState();
    return true;
}

void MainWindow::TakeCurrentAsBaseline()
{
    const QString name = currentFile.isEmpty() ? QStringLiteral("Naamloos") : QFileInfo(currentFile).fileName();
    baseline.setCopyOf(portfolio, QStringLiteral("%1 (vastgelegd)").arg(name));
    ShowBaselineState();
}

void MainWindow::ClearBaseline()
{
    baseline.clear();
    ShowBaselineState();
}

void MainWindow::ShowBaselineState()
{
    const bool set = baseline.isSet();
    baselinePanel->setVisible(set);
    baselineStatus->setText(set ? QStringLiteral("Basis: %1").arg(baseline.name()) : QString());
    baselineStatus->setVisible(set);
    clearBaselineAction->setEnabled(set);
    ShowBaselineFigures(ChosenYearIndex());
}

void MainWindow::ShowBaselineFigures(int yearIndex)
{
    if (!baseline.isSet())
        return;
    const BaselineYear year = yearIndex < 0 || !portfolio.anyRowProjected()
        ? BaselineYear()
        : CompareWithBaseline(portfolio, baseline.store(), yearIndex, ShownInflation());
    const double shown[2][2] = { { year.monthlyCashFlow, year.netWorth },
        { year.cashFlowDifference, year.netWorthDifference } };
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column)
            baselineFigures[row][column]->setText(year.available ? FormatAmount(shown[row][column]) : QString());
    }
}

QVector<double> MainWindow::BaselineChartValues(bool cashFlow) const
{
    if (!baseline.isSet())
        return {};
    BaselineYear years[MaxYears];
    const int count = CompareByYear(portfolio, baseline.store(), ShownInflation(), years);
    QVector<double> values(count, std::numeric_limits<double>::quiet_NaN());
    bool any = false;
    for (int y = 0; y < count; ++y) {
        if (years[y].available)
            values[y] = cashFlow ? years[y].monthlyCashFlow : years[y].netWorth;
        any = any || years[y].available;
    }
    // No line at all, rather than an empty one in the legend, when no year has both.
    return any ? values : QVector<double>();
}

