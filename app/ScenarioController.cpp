// The kept scenarios in the window. The figures are the core's (FiguresOfYear, RunPaths); this
// file only keeps the set, asks and shows.

#include "app/ScenarioController.h"

#include "model/DutchFormat.h"
#include "model/InvestmentStore.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <cmath>

namespace {

enum TableRow { FreeYearRow, NetWorthRow, CashFlowRow, ChanceRow, RowCount };

QString freeYearText(const ScenarioFigures &figures, bool spendingSet)
{
    if (!spendingSet)
        return QStringLiteral("—");
    return figures.freeYear == NoFreeYear ? ScenarioController::tr("geen") : QString::number(figures.freeYear);
}

QTableWidgetItem *figureItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ScenarioController::ScenarioController(QWidget *owner, QMenu *fileMenu, QAction *before, Source source, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_owner(owner)
{
    m_askName = [this](const QString &caption, const QString &suggested) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(m_owner, caption, tr("Naam van het scenario:"), QLineEdit::Normal,
            suggested, &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };

    m_fromFile = new QAction(tr("Scenario uit bestand..."), this);
    m_fromFile->setObjectName(QStringLiteral("actionScenarioUitBestand"));
    m_fromFile->setToolTip(tr("Een investeringsbestand bewaren als scenario om naast deze portefeuille te zetten"));
    connect(m_fromFile, &QAction::triggered, this, &ScenarioController::fileRequested);
    m_fromScreen = new QAction(tr("Scenario van huidig scherm..."), this);
    m_fromScreen->setObjectName(QStringLiteral("actionScenarioVanScherm"));
    m_fromScreen->setToolTip(tr("Een kopie van deze portefeuille bewaren als scenario, onder een naam"));
    connect(m_fromScreen, &QAction::triggered, this, &ScenarioController::addSnapshot);
    auto *compare = new QAction(tr("Scenario's vergelijken"), this);
    compare->setObjectName(QStringLiteral("actionScenariosVergelijken"));
    compare->setToolTip(tr("De bewaarde scenario's naast elkaar: vrij jaar, nettowaarde, cashflow en kans"));
    connect(compare, &QAction::triggered, this, &ScenarioController::openWindow);
    for (QAction *action : { m_fromFile, m_fromScreen, compare }) {
        action->setStatusTip(action->toolTip());
        fileMenu->insertAction(before, action);
    }
    fileMenu->insertSeparator(before);

    m_window = new QWidget(owner, Qt::Window);
    m_window->setObjectName(QStringLiteral("ScenarioVenster"));
    m_window->setWindowTitle(tr("Scenario's"));
    m_table = new QTableWidget(RowCount, 1, m_window);
    m_table->setObjectName(QStringLiteral("ScenarioTabel"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setMinimumSectionSize(120);
    m_rename = new QPushButton(tr("Hernoemen..."), m_window);
    m_rename->setObjectName(QStringLiteral("ScenarioHernoemen"));
    m_remove = new QPushButton(tr("Verwijderen"), m_window);
    m_remove->setObjectName(QStringLiteral("ScenarioVerwijderen"));
    // Column 0 is the portfolio on screen; scenario i is column i + 1.
    connect(m_rename, &QPushButton::clicked, this, [this]() { rename(m_table->currentColumn() - 1); });
    connect(m_remove, &QPushButton::clicked, this, [this]() { remove(m_table->currentColumn() - 1); });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this]() { updateActions(); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_rename);
    buttons->addWidget(m_remove);
    auto *layout = new QVBoxLayout(m_window);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    m_window->resize(760, 230);

    connect(&m_chances, &QFutureWatcherBase::finished, this, [this]() {
        const QVector<double> chances = m_chances.result();
        if (!chances.isEmpty() && chances.constFirst() == m_generation)
            showChances(m_generation, chances.mid(1));
    });
    updateActions();
}

ScenarioController::~ScenarioController()
{
    if (m_cancel)
        *m_cancel = true;
    m_chances.waitForFinished();
}

bool ScenarioController::addFile(const QString &path)
{
    const ScenarioView view = m_source();
    QString error;
    if (!m_set.addFile(path, view.store->maxInvestment(), view.store->maxJaren(), &error, FileTargets::RegularOnly)) {
        QMessageBox::information(m_owner, m_set.isFull() ? tr("Scenario's") : QStringLiteral("Unable to open file"),
            error, QMessageBox::Ok, QMessageBox::NoButton);
        return false;
    }
    openWindow();
    return true;
}

void ScenarioController::addSnapshot()
{
    if (m_set.isFull())
        return;
    const std::optional<QString> name = m_askName(tr("Scenario van huidig scherm"), m_set.nextDefaultName());
    if (!name)
        return;
    m_set.addCopy(*m_source().store, *name);
    openWindow();
}

void ScenarioController::rename(int i)
{
    if (i < 0 || i >= m_set.count())
        return;
    const std::optional<QString> name = m_askName(tr("Scenario hernoemen"), m_set.name(i));
    if (name && m_set.rename(i, *name))
        refresh();
}

void ScenarioController::remove(int i)
{
    if (!m_set.remove(i))
        return;
    if (i < m_known.size())
        m_known.remove(i);
    refresh();
}

void ScenarioController::setLimits(int maxInvestment, int maxJaren)
{
    m_set.setLimits(maxInvestment, maxJaren);
    forgetChances();
    refresh();
}

void ScenarioController::setDebtMeasure(DebtMeasure measure)
{
    m_set.setDebtMeasure(measure);
    forgetChances();
    refresh();
}

void ScenarioController::forgetChances()
{
    m_known.fill(KnownChance());
}

QVector<ScenarioLine> ScenarioController::chartLines(const InvestmentStore &current, const InflationTable *real,
    bool cashFlow) const
{
    QVector<ScenarioLine> lines;
    for (int i = 0; i < m_set.count(); ++i)
        lines.append({ m_set.name(i), m_set.chartValues(i, current, real, cashFlow) });
    return lines;
}

void ScenarioController::openWindow()
{
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    refresh();
}

void ScenarioController::updateActions()
{
    const bool full = m_set.isFull();
    const QString tip = tr("Er zijn al %1 scenario's; verwijder er eerst een.").arg(ScenarioSet::MaxScenarios);
    m_fromFile->setEnabled(!full);
    m_fromScreen->setEnabled(!full);
    for (QAction *action : { m_fromFile, m_fromScreen })
        action->setStatusTip(full ? tip : action->toolTip());
    if (!m_window)
        return; // the main window is going
    const int column = m_table->currentColumn();
    const bool scenario = column >= 1 && column <= m_set.count();
    m_rename->setEnabled(scenario);
    m_remove->setEnabled(scenario);
}

void ScenarioController::refresh()
{
    updateActions();
    if (!m_window || !m_window->isVisible())
        return;
    const ScenarioView view = m_source();
    const int columns = m_set.count() + 1;
    m_table->setColumnCount(columns);
    m_table->setVerticalHeaderLabels({ tr("Vrij vanaf"), tr("Nettowaarde %1").arg(view.year),
        tr("Cashflow per maand %1").arg(view.year), tr("Kans vrij in %1").arg(view.year) });
    QStringList names { tr("Huidige portefeuille") };
    QVector<const InvestmentStore *> stores { view.store };
    for (int i = 0; i < m_set.count(); ++i) {
        names << m_set.name(i);
        stores << &m_set.store(i);
    }
    m_table->setHorizontalHeaderLabels(names);

    const bool spendingSet = view.monthlySpending.has_value();
    for (int c = 0; c < columns; ++c) {
        const ScenarioFigures f = FiguresOfYear(*stores.at(c), view.year, view.today, view.real, view.monthlySpending);
        m_table->setItem(FreeYearRow, c, figureItem(freeYearText(f, spendingSet)));
        m_table->setItem(NetWorthRow, c, figureItem(f.available ? DutchTotal(f.netWorth) : QStringLiteral("—")));
        m_table->setItem(CashFlowRow, c, figureItem(f.available ? DutchTotal(f.monthlyCashFlow) : QStringLiteral("—")));
        m_table->setItem(ChanceRow, c,
            figureItem(spendingSet && stores.at(c)->anyRowProjected() ? tr("wordt berekend...") : QStringLiteral("—")));
    }
    updateActions();

    // The chances come from the paths, off this thread; a newer refresh stops an older run.
    if (m_cancel)
        *m_cancel = true;
    ++m_generation;
    m_pending.clear();
    if (!spendingSet)
        return;
    struct Job
    {
        PathPortfolio portfolio;
        PathSettings settings;
    };
    const auto sameSettings = [](const PathSettings &a, const PathSettings &b) {
        return a.valueSpread == b.valueSpread && a.rentSpread == b.rentSpread && a.returnSpread == b.returnSpread
            && a.paths == b.paths && a.seed == b.seed && a.monthlySpending == b.monthlySpending
            && a.spendingByYear == b.spendingByYear;
    };
    m_known.resize(m_set.count());
    QVector<Job> jobs;
    QVector<double> knownChances(columns, std::nan(""));
    for (int c = 0; c < columns; ++c) {
        const InvestmentStore &store = *stores.at(c);
        KnownChance wanted { true, view.year, FreeChanceSettings(store, view.spread, view.today, view.monthlySpending), 0.0 };
        // Column 0 is the screen; the others are the kept scenarios 0, 1, ...
        if (c > 0) {
            const KnownChance &known = m_known.at(c - 1);
            if (known.known && known.year == wanted.year && sameSettings(known.settings, wanted.settings)) {
                knownChances[c] = known.chance;
                continue;
            }
        }
        jobs.append({ PathPortfolio::fromStore(store), wanted.settings });
        m_pending.append({ c, wanted });
    }
    for (int c = 1; c < columns; ++c) {
        if (!std::isnan(knownChances.at(c)) && stores.at(c)->anyRowProjected())
            m_table->setItem(ChanceRow, c, figureItem(tr("%1 %").arg(DutchPercentage(100.0 * knownChances.at(c), 1))));
    }
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    const int generation = m_generation;
    const int year = view.year;
    m_chances.setFuture(QtConcurrent::run([jobs, cancel, generation, year]() {
        // The generation first, then one chance per column.
        QVector<double> result { static_cast<double>(generation) };
        PathRunControl control;
        control.cancel = cancel.get();
        for (const Job &job : jobs) {
            if (*cancel)
                return QVector<double>();
            const PathBands bands = job.portfolio.rows.isEmpty() ? PathBands() : RunPaths(job.portfolio, job.settings, control);
            result.append(bands.cancelled ? std::nan("") : FreeChanceByYear(bands, year));
        }
        return *cancel ? QVector<double>() : result;
    }));
}

void ScenarioController::showChances(int generation, const QVector<double> &chances)
{
    if (generation != m_generation || !m_window)
        return;
    for (int k = 0; k < chances.size() && k < m_pending.size(); ++k) {
        const int c = m_pending.at(k).column;
        const double chance = chances.at(k);
        if (c > 0 && c - 1 < m_known.size() && std::isfinite(chance)) {
            m_known[c - 1] = m_pending.at(k).chance;
            m_known[c - 1].chance = chance;
        }
        if (c >= m_table->columnCount())
            continue;
        m_table->setItem(ChanceRow, c,
            figureItem(std::isfinite(chance) ? tr("%1 %").arg(DutchPercentage(100.0 * chance, 1)) : QStringLiteral("—")));
    }
}
