// The baseline in the window. The comparison itself is the core's (CompareWithBaseline);
// this file only shows it.

#include "app/BaselineController.h"

#include "io/InvestFormat.h"
#include "model/InvestmentStore.h"
#include "app/ShownAmount.h"
#include "model/RealValues.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>


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

BaselineController::BaselineController(QWidget *form, QMenu *fileMenu, QAction *before, QStatusBar *statusBar,
    QObject *parent)
    : QObject(parent)
{
    auto *compare = new QAction(tr("Vergelijk met..."), fileMenu);
    compare->setObjectName(QStringLiteral("actionVergelijkMet"));
    compare->setToolTip(
        tr("Een investeringsbestand openen als basis om deze portefeuille mee te vergelijken"));
    connect(compare, &QAction::triggered, this, &BaselineController::compareRequested);
    auto *take = new QAction(tr("Huidige als basis vastleggen"), fileMenu);
    take->setObjectName(QStringLiteral("actionBasisVastleggen"));
    take->setToolTip(
        tr("Een kopie van deze portefeuille bewaren om latere wijzigingen mee te vergelijken"));
    connect(take, &QAction::triggered, this, &BaselineController::copyRequested);
    m_clear = new QAction(tr("Vergelijking wissen"), fileMenu);
    m_clear->setObjectName(QStringLiteral("actionVergelijkingWissen"));
    m_clear->setToolTip(tr("De basis loslaten; het venster toont weer alleen deze portefeuille"));
    connect(m_clear, &QAction::triggered, this, &BaselineController::clear);
    for (QAction *action : { compare, take, m_clear }) {
        action->setStatusTip(action->toolTip());
        fileMenu->insertAction(before, action);
    }
    fileMenu->insertSeparator(before);

    // Two rows under the totals: the baseline's figures and the difference with this portfolio.
    m_panel = new QWidget(form);
    m_panel->setObjectName(QStringLiteral("BasisVergelijking"));
    m_panel->setGeometry(PanelGeometry);
    const QString names[2] = { QStringLiteral("Basis"), QStringLiteral("Verschil") };
    const QString captions[2] = { tr("Basis"), tr("Verschil") };
    const QString tips[2][2] = {
        { tr("Maandelijkse cashflow van de basis in het gekozen jaar"),
            tr("Nettowaarde van de basis in het gekozen jaar") },
        { tr("Maandelijkse cashflow van deze portefeuille min die van de basis"),
            tr("Nettowaarde van deze portefeuille min die van de basis") },
    };
    QFont bold = m_panel->font();
    bold.setBold(true);
    for (int row = 0; row < 2; ++row) {
        const int y = row * RowStep;
        QLabel *caption = panelLabel(m_panel, names[row] + QStringLiteral("_Label"),
            QRect(0, y, CaptionWidth, RowHeight), captions[row]);
        caption->setText(captions[row]);
        caption->setFont(bold);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_figures[row][0] = panelLabel(m_panel, names[row] + QStringLiteral("_Cashflow"),
            QRect(CashFlowX, y, FigureWidth, RowHeight), tips[row][0]);
        m_figures[row][1] = panelLabel(m_panel, names[row] + QStringLiteral("_Nettowaarde"),
            QRect(NetWorthX, y, NetWorthWidth, RowHeight), tips[row][1]);
        for (QLabel *figure : m_figures[row])
            figure->setFont(bold);
    }

    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("BasisStatus"));
    statusBar->addPermanentWidget(m_status);
    showState();
}

bool BaselineController::compareWithFile(const QString &path, int maxInvestment, int maxJaren, QWidget *dialogParent)
{
    // The portfolio on screen stays as it is; a file that cannot be read leaves the baseline
    // as it was.
    QString error;
    if (!m_baseline.loadFile(path, maxInvestment, maxJaren, &error, FileTargets::RegularOnly)) {
        QMessageBox::information(dialogParent, tr("Unable to open file"), error, QMessageBox::Ok,
            QMessageBox::NoButton);
        return false;
    }
    showState();
    return true;
}

void BaselineController::takeCopyOf(const InvestmentStore &store, const QString &documentName)
{
    m_baseline.setCopyOf(store, tr("%1 (vastgelegd)").arg(documentName));
    showState();
}

void BaselineController::clear()
{
    m_baseline.clear();
    showState();
}

void BaselineController::setLimits(int maxInvestment, int maxJaren)
{
    m_baseline.setLimits(maxInvestment, maxJaren);
}

void BaselineController::setDebtMeasure(DebtMeasure measure)
{
    m_baseline.setDebtMeasure(measure);
    emit changed();
}

void BaselineController::showState()
{
    const bool set = m_baseline.isSet();
    m_panel->setVisible(set);
    m_status->setText(set ? tr("Basis: %1").arg(m_baseline.name()) : QString());
    m_status->setVisible(set);
    m_clear->setEnabled(set);
    emit changed();
}

void BaselineController::showYear(const InvestmentStore &current, int yearIndex, const InflationTable *real)
{
    if (!m_baseline.isSet())
        return;
    const BaselineYear year = yearIndex < 0 || !current.anyRowProjected()
        ? BaselineYear()
        : CompareWithBaseline(current, m_baseline.store(), yearIndex, real);
    const double shown[2][2] = { { year.monthlyCashFlow, year.netWorth },
        { year.cashFlowDifference, year.netWorthDifference } };
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column)
            if (year.available)
                ShowShownAmount(m_figures[row][column], shown[row][column]);
            else
                m_figures[row][column]->clear();
    }
}

QVector<double> BaselineController::chartValues(const InvestmentStore &current, const InflationTable *real,
    bool cashFlow) const
{
    return ComparedLine(current, m_baseline.store(), real, cashFlow);
}
