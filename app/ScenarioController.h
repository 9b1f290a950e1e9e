#ifndef SCENARIOCONTROLLER_H
#define SCENARIOCONTROLLER_H

#include "charts/ChartData.h"
#include "model/RealValues.h"
#include "model/ScenarioSet.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

QT_BEGIN_NAMESPACE
class QAction;
class QMenu;
class QPushButton;
class QTableWidget;
class QWidget;
QT_END_NAMESPACE

// What the comparison reads of the window each time it is shown again.
struct ScenarioView
{
    const InvestmentStore *store = nullptr; // the portfolio on screen
    int year = 0; // the chosen calendar year
    InflationTable today; // the money the spending is given in
    const InflationTable *real = nullptr; // today's money shown when set
    std::optional<double> monthlySpending;
    PathSettings spread; // the bands' spreads, paths and seed
};

// Up to five kept scenarios beside the baseline: the File actions "Scenario uit bestand...",
// "Scenario van huidig scherm..." and "Scenario's vergelijken", the window "Scenario's" with
// one column per scenario and one for the portfolio on screen, and their lines for the
// charts. Not part of the document: never saved, no undo step, forgotten when the program ends.
class ScenarioController : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<ScenarioView()>;
    // Asks a name, `suggested` filled in; nothing when cancelled.
    using NameAsker = std::function<std::optional<QString>(const QString &caption, const QString &suggested)>;

    // The actions go into `fileMenu` before `before`; the window belongs to `owner`.
    ScenarioController(QWidget *owner, QMenu *fileMenu, QAction *before, Source source, QObject *parent);
    ~ScenarioController() override;

    const ScenarioSet &scenarios() const { return m_set; }
    QWidget *window() const { return m_window; }
    void setNameAsker(NameAsker asker) { m_askName = std::move(asker); }

    // Adds the file as a scenario, with a refusal box when it cannot; true when added.
    bool addFile(const QString &path);
    // Asks a name and keeps a copy of what is on screen under it.
    void addSnapshot();
    void rename(int i);
    void remove(int i);

    void setLimits(int maxInvestment, int maxJaren);
    void setDebtMeasure(DebtMeasure measure);
    // The lines of every scenario for a chart of `current`.
    QVector<ScenarioLine> chartLines(const InvestmentStore &current, const InflationTable *real, bool cashFlow) const;

    // Shows the figures again when the window is open (the chances follow when their paths are in).
    void refresh();

signals:
    // The user asked for a file to keep as a scenario.
    void fileRequested();

private:
    void showChances(int generation, const QVector<double> &chances);
    void updateActions();
    void openWindow();

    Source m_source;
    NameAsker m_askName;
    ScenarioSet m_set;
    QWidget *m_owner;
    // The window belongs to the main window, which may release it first.
    QPointer<QWidget> m_window;
    QTableWidget *m_table = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_remove = nullptr;
    QAction *m_fromFile = nullptr;
    QAction *m_fromScreen = nullptr;
    // The chance of a kept scenario, with what it was computed for: a kept scenario changes only
    // with the limits and the debt measure, so an edit on screen runs the paths of the screen alone.
    struct KnownChance
    {
        bool known = false;
        int year = 0;
        PathSettings settings;
        double chance = 0.0;
    };
    // What the running paths are for: the column and the scenario's chance to fill in.
    struct PendingChance
    {
        int column;
        KnownChance chance;
    };
    void forgetChances();

    int m_generation = 0;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QFutureWatcher<QVector<double>> m_chances;
    QVector<KnownChance> m_known; // per kept scenario, in the set's order
    QVector<PendingChance> m_pending; // per path run of the newest refresh
};

#endif // SCENARIOCONTROLLER_H
