#include "app/YearOverviewWindow.h"

#include "grid/ColumnCatalogue.h"
#include "model/DutchFormat.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor ChosenYearColour(255, 236, 153);

} // namespace

YearOverviewWindow::YearOverviewWindow(PlanSource source, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_source(std::move(source))
{
    setObjectName(QStringLiteral("Jaaroverzicht"));
    setWindowTitle(tr("Jaaroverzicht"));

    m_view = new QComboBox(this);
    m_view->setObjectName(QStringLiteral("JaaroverzichtWeergave"));
    m_view->setToolTip(tr("De hele portefeuille of één investering per jaar"));
    m_view->setAccessibleName(tr("Weergave"));
    m_view->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto *copy = new QPushButton(tr("Kopiëren"), this);
    copy->setObjectName(QStringLiteral("JaaroverzichtKopieren"));
    copy->setToolTip(tr("Kopieer de gekozen cellen (of de hele tabel) voor een spreadsheet"));
    copy->setAccessibleName(tr("Kopiëren"));

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("JaaroverzichtToelichting"));

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("JaaroverzichtTabel"));
    m_table->setAccessibleName(tr("Jaaroverzicht"));
    m_table->setToolTip(tr("Kies een rij om dat jaar in het hoofdvenster te tonen; Ctrl+C kopieert"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *copyAction = new QAction(tr("Kopiëren"), m_table);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(copyAction);
    connect(copyAction, &QAction::triggered, this, &YearOverviewWindow::copySelection);
    connect(copy, &QPushButton::clicked, this, &YearOverviewWindow::copySelection);

    auto *top = new QHBoxLayout;
    auto *viewLabel = new QLabel(tr("Weergave:"), this);
    viewLabel->setBuddy(m_view);
    top->addWidget(viewLabel);
    top->addWidget(m_view);
    top->addWidget(m_note, 1);
    top->addWidget(copy);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table);

    connect(m_view, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this]() {
        if (!m_filling)
            fillTable();
    });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_filling)
            chooseRow(row);
    });
    connect(m_table, &QTableWidget::cellClicked, this, [this](int row) { chooseRow(row); });

    refresh();
    resize(1340, 640);
}

int YearOverviewWindow::shownView() const
{
    return m_view->currentIndex() < 0 ? 0 : m_view->currentData().toInt();
}

void YearOverviewWindow::refresh()
{
    fillViewList();
    fillTable();
}

void YearOverviewWindow::fillViewList()
{
    const PlanState state = m_source.state();
    const int kept = shownView();
    m_filling = true;
    m_view->clear();
    m_view->addItem(tr("Portefeuille (totalen)"), 0);
    if (state.store) {
        const InvestmentStore &store = *state.store;
        for (int r = 0; r < store.maxInvestment(); ++r) {
            if (store.block(r).projected)
                m_view->addItem(tr("Rij %1: %2").arg(r + 1).arg(InvestmentTypeNames.value(store.rowType(r))), r + 1);
        }
    }
    const int index = m_view->findData(kept);
    m_view->setCurrentIndex(index < 0 ? 0 : index);
    m_filling = false;
}

void YearOverviewWindow::fillTable()
{
    const PlanState state = m_source.state();
    const int view = shownView();
    if (!state.store) {
        m_shown = OverviewTable();
    } else {
        const PlanFigures planned(state, *state.store);
        m_shown = view == 0 ? YearOverviewTable(*state.store, planned.figures())
                            : InvestmentOverviewTable(*state.store, view - 1, planned.figures().real);
    }
    QString note = state.realValues
        ? tr("In euro's van vandaag (%1 % inflatie)").arg(DutchPercentage(state.inflationPercent))
        : tr("In euro's van elk jaar");
    if (m_shown.cells.isEmpty())
        note = tr("Nog geen volledige investering");
    m_note->setText(note);

    m_filling = true;
    m_table->clear();
    m_table->setColumnCount(m_shown.headers.size());
    m_table->setRowCount(m_shown.cells.size());
    for (int c = 0; c < m_shown.headers.size(); ++c) {
        auto *header = new QTableWidgetItem(m_shown.headers.at(c));
        header->setToolTip(m_shown.headerTips.value(c));
        m_table->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < m_shown.cells.size(); ++r) {
        const QStringList &cells = m_shown.cells.at(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }
    m_filling = false;
    showChosenYear();
}

void YearOverviewWindow::showChosenYear()
{
    const int year = m_source.chosenYear ? m_source.chosenYear() : 0;
    const int chosen = static_cast<int>(m_shown.years.indexOf(year));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        for (int c = 0; c < m_table->columnCount(); ++c) {
            if (QTableWidgetItem *item = m_table->item(r, c)) {
                item->setBackground(r == chosen ? QBrush(ChosenYearColour) : QBrush());
                QFont font = item->font();
                font.setBold(r == chosen);
                item->setFont(font);
            }
        }
    }
    if (chosen >= 0)
        m_table->scrollToItem(m_table->item(chosen, 0));
}

void YearOverviewWindow::chooseRow(int row)
{
    if (row < 0 || row >= m_shown.years.size() || !m_source.chooseYear)
        return;
    m_source.chooseYear(m_shown.years.at(row));
    showChosenYear();
}

QString YearOverviewWindow::selectionText() const
{
    QVector<int> rows;
    QVector<int> columns;
    for (const QTableWidgetSelectionRange &range : m_table->selectedRanges()) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r)
            rows << r;
        for (int c = range.leftColumn(); c <= range.rightColumn(); ++c)
            columns << c;
    }
    for (QVector<int> *list : { &rows, &columns }) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }
    return OverviewClipboardText(m_shown, rows, columns);
}

void YearOverviewWindow::copySelection()
{
    QApplication::clipboard()->setText(selectionText());
}
