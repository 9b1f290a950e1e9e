#include "app/GoalSeekDialog.h"

#include "grid/CellRules.h"
#include "model/DutchFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

GoalSeekDialog::GoalSeekDialog(PlanAccess access, QWidget *parent)
    : QDialog(parent)
    , m_access(std::move(access))
{
    setWindowTitle(tr("Wat is er nodig?"));
    setObjectName(QStringLiteral("WatIsErNodig"));
    auto *form = new QFormLayout;

    m_unknown = new QComboBox(this);
    m_unknown->setObjectName(QStringLiteral("Onbekende"));
    for (SolveUnknown u : { SolveUnknown::GeneratorDeposit, SolveUnknown::GeneratorLumpSum, SolveUnknown::MonthlySpending,
             SolveUnknown::RowPrice })
        m_unknown->addItem(SolveUnknownCaption(u), static_cast<int>(u));
    form->addRow(tr("Wat zoekt u?"), m_unknown);
    m_row = new QSpinBox(this);
    m_row->setObjectName(QStringLiteral("Rij"));
    m_row->setRange(1, MaxRows);
    form->addRow(tr("Rij"), m_row);

    m_goal = new QComboBox(this);
    m_goal->setObjectName(QStringLiteral("Doel"));
    m_goal->addItem(tr("Financieel vrij uiterlijk in"));
    m_goal->addItem(tr("Nettowaarde minstens ... in"));
    form->addRow(tr("Doel"), m_goal);
    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("DoelJaar"));
    m_year->setRange(FirstValidYear, LastValidYear);
    const int chosen = m_access.chosenYear ? m_access.chosenYear() : 0;
    m_year->setValue(chosen ? chosen : 2035);
    form->addRow(tr("Jaar"), m_year);
    m_netWorth = new QLineEdit(this);
    m_netWorth->setObjectName(QStringLiteral("DoelNettowaarde"));
    m_netWorth->setPlaceholderText(QStringLiteral("1.000.000"));
    form->addRow(tr("Nettowaarde"), m_netWorth);

    auto *chanceRow = new QHBoxLayout;
    m_withChance = new QCheckBox(tr("met minstens"), this);
    m_withChance->setObjectName(QStringLiteral("MetKans"));
    m_chance = new QDoubleSpinBox(this);
    m_chance->setObjectName(QStringLiteral("Kans"));
    m_chance->setRange(1.0, 100.0);
    m_chance->setDecimals(0);
    m_chance->setValue(80.0);
    m_chance->setSuffix(tr(" % kans"));
    chanceRow->addWidget(m_withChance);
    chanceRow->addWidget(m_chance);
    chanceRow->addStretch();
    form->addRow(tr("Zekerheid"), chanceRow);

    m_answer = new QLabel(this);
    m_answer->setObjectName(QStringLiteral("Antwoord"));
    m_answer->setWordWrap(true);
    m_answer->setMinimumHeight(60);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Voortgang"));
    m_progress->setVisible(false);

    auto *buttons = new QDialogButtonBox(this);
    m_solve = buttons->addButton(tr("Bereken"), QDialogButtonBox::ActionRole);
    m_solve->setObjectName(QStringLiteral("Bereken"));
    m_cancel = buttons->addButton(tr("Afbreken"), QDialogButtonBox::ActionRole);
    m_cancel->setObjectName(QStringLiteral("Afbreken"));
    m_apply = buttons->addButton(tr("Toepassen"), QDialogButtonBox::ApplyRole);
    m_apply->setObjectName(QStringLiteral("Toepassen"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("Sluiten"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_answer);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);

    connect(m_solve, &QPushButton::clicked, this, [this]() { solve(); });
    connect(m_cancel, &QPushButton::clicked, this, &GoalSeekDialog::cancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_apply, &QPushButton::clicked, this, [this]() {
        if (m_access.apply && (m_result.status == SolveStatus::Found || m_result.status == SolveStatus::MetAtBound))
            m_access.apply(m_asked, m_result.value);
    });
    connect(&m_watcher, &QFutureWatcher<SolveResult>::finished, this, &GoalSeekDialog::finished);
    for (QComboBox *box : { m_unknown, m_goal })
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &GoalSeekDialog::updateControls);
    connect(m_withChance, &QCheckBox::toggled, this, &GoalSeekDialog::updateControls);
    updateControls();
}

GoalSeekDialog::~GoalSeekDialog()
{
    cancel();
    m_watcher.waitForFinished();
}

SolveQuestion GoalSeekDialog::question() const
{
    SolveQuestion q;
    q.unknown = static_cast<SolveUnknown>(m_unknown->currentData().toInt());
    q.row = m_row->value() - 1;
    q.goal.kind = m_goal->currentIndex() == 0 ? SolveGoal::FreeBy : SolveGoal::NetWorthAtLeast;
    q.goal.year = m_year->value();
    const TypedNumber amount = ReadTypedNumber(m_netWorth->text(), NumberKind::Amount);
    q.goal.netWorth = amount.ok() ? amount.value : 0.0;
    if (m_withChance->isChecked())
        q.goal.chancePercent = m_chance->value();
    return q;
}

void GoalSeekDialog::updateControls()
{
    const bool running = isRunning();
    const SolveQuestion q = question();
    m_row->setEnabled(!running && q.unknown == SolveUnknown::RowPrice);
    m_netWorth->setEnabled(!running && q.goal.kind == SolveGoal::NetWorthAtLeast);
    m_chance->setEnabled(!running && m_withChance->isChecked());
    for (QWidget *w : std::initializer_list<QWidget *> { m_unknown, m_goal, m_year, m_withChance, m_solve })
        w->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_apply->setEnabled(!running && (m_result.status == SolveStatus::Found || m_result.status == SolveStatus::MetAtBound));
    m_progress->setVisible(running);
}

bool GoalSeekDialog::isRunning() const
{
    return m_watcher.isRunning();
}

void GoalSeekDialog::solve(bool wait)
{
    if (isRunning() || !m_access.plan)
        return;
    m_asked = question();
    const bool generator
        = m_asked.unknown == SolveUnknown::GeneratorDeposit || m_asked.unknown == SolveUnknown::GeneratorLumpSum;
    const PlanInputs plan = m_access.plan(generator);
    m_result = SolveResult();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_progress->setRange(0, 0);
    m_answer->setText(tr("Bezig met rekenen..."));
    QPointer<QProgressBar> bar = m_progress;
    SolveControl control;
    control.cancel = m_stop.get();
    control.progress = [bar](int done, int estimate) {
        QMetaObject::invokeMethod(bar, [bar, done, estimate]() {
            if (bar) {
                bar->setRange(0, estimate);
                bar->setValue(done);
            }
        }, Qt::QueuedConnection);
    };
    const SolveQuestion asked = m_asked;
    const std::shared_ptr<std::atomic<bool>> stop = m_stop; // lives as long as the run
    m_watcher.setFuture(QtConcurrent::run([plan, asked, control, stop]() { return SolveForGoal(plan, asked, control); }));
    updateControls();
    if (wait) {
        m_watcher.waitForFinished();
        finished();
    }
}

void GoalSeekDialog::cancel()
{
    if (m_stop)
        m_stop->store(true);
}

void GoalSeekDialog::finished()
{
    if (!m_watcher.future().isFinished() || m_watcher.future().resultCount() == 0)
        return;
    m_result = m_watcher.future().result();
    m_answer->setText(SolveResultText(m_asked, m_result));
    updateControls();
}
