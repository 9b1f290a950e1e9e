#include "app/CostTaxDialog.h"

#include "model/DutchFormat.h"
#include "settings/DutchSpinBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The table's columns: the year, the six values of a tax year, the sources.
constexpr int YearColumn = 0;
constexpr int FirstValueColumn = 1;
constexpr int SourceColumn = FirstValueColumn + Box3ValueCount;

bool isAmount(int value)
{
    return value == Box3Allowance || value == Box3DebtThreshold;
}

QString valueText(int value, double number)
{
    return isAmount(value) ? DutchAmount(number, 0) : DutchPercentage(number, 2);
}

} // namespace

CostTaxDialog::CostTaxDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("KostenBelasting"));
    setWindowTitle(tr("Kosten en belasting"));
    auto *layout = new QVBoxLayout(this);

    // The costs of property rows.
    auto *costBox = new QGroupBox(tr("Kosten van vastgoed (type 0 en 1)"), this);
    costBox->setObjectName(QStringLiteral("KostenGroep"));
    auto *costForm = new QFormLayout(costBox);
    const struct {
        const char *name;
        const char *caption;
        const char *tip;
    } costs[5] = {
        { "KostenKoper", QT_TR_NOOP("Kosten koper"),
            QT_TR_NOOP("Overdrachtsbelasting, notaris en makelaar als percentage van de kostprijs, betaald in het startjaar (8 % overdrachtsbelasting voor een woning die u niet zelf bewoont, vanaf 2026)") },
        { "KostenOnderhoud", QT_TR_NOOP("Onderhoud per jaar"),
            QT_TR_NOOP("Onderhoud als percentage van de waarde van het vastgoed in dat jaar, per jaar") },
        { "KostenVasteLasten", QT_TR_NOOP("Vaste lasten per jaar"),
            QT_TR_NOOP("OZB, verzekering en VvE als percentage van de waarde van het vastgoed in dat jaar, per jaar") },
        { "KostenLeegstand", QT_TR_NOOP("Leegstand"),
            QT_TR_NOOP("Het deel van de huur dat niet binnenkomt, als percentage van de huur") },
        { "KostenBeheer", QT_TR_NOOP("Beheer"),
            QT_TR_NOOP("Beheerkosten als percentage van de ontvangen huur (na leegstand)") },
    };
    for (int k = 0; k < 5; ++k) {
        auto *box = new DutchPercentSpinBox(costBox);
        box->setObjectName(QString::fromLatin1(costs[k].name));
        box->setRange(0.0, 100.0);
        box->setDecimals(2);
        box->setSingleStep(0.5);
        box->setSuffix(QStringLiteral(" %"));
        box->setToolTip(tr(costs[k].tip));
        box->setAccessibleName(tr(costs[k].caption));
        m_costs[k] = box;
        costForm->addRow(tr(costs[k].caption), box);
    }
    layout->addWidget(costBox);

    // Box 3: the regime, partners, the WOZ factor.
    auto *taxBox = new QGroupBox(tr("Box 3 (sparen en beleggen)"), this);
    taxBox->setObjectName(QStringLiteral("Box3Groep"));
    auto *taxLayout = new QVBoxLayout(taxBox);
    auto *taxForm = new QFormLayout;
    m_regime = new QComboBox(taxBox);
    m_regime->setObjectName(QStringLiteral("Box3Stelsel"));
    m_regime->addItem(tr("Uit"), static_cast<int>(Box3Regime::Off));
    m_regime->addItem(tr("Forfaitair rendement"), static_cast<int>(Box3Regime::Deemed));
    m_regime->addItem(tr("Werkelijk rendement vanaf 2028"), static_cast<int>(Box3Regime::Actual));
    m_regime->setToolTip(tr("Uit: geen Box 3. Forfaitair: elk jaar over het vermogen op 1 januari met de forfaitaire rendementen. "
                            "Werkelijk rendement vanaf 2028: tot en met 2027 forfaitair, daarna over het directe rendement"));
    m_regime->setAccessibleName(tr("Box 3-stelsel"));
    taxForm->addRow(tr("Stelsel"), m_regime);
    m_partners = new QCheckBox(tr("Fiscale partners"), taxBox);
    m_partners->setObjectName(QStringLiteral("Box3Partners"));
    m_partners->setToolTip(tr("Met een fiscale partner tellen het heffingvrije vermogen, de schuldendrempel en het "
                              "heffingvrije rendement dubbel"));
    m_partners->setAccessibleName(m_partners->text());
    taxForm->addRow(QString(), m_partners);
    m_woz = new DutchPercentSpinBox(taxBox);
    m_woz->setObjectName(QStringLiteral("Box3WozFactor"));
    m_woz->setRange(0.0, 200.0);
    m_woz->setDecimals(1);
    m_woz->setSuffix(QStringLiteral(" %"));
    m_woz->setToolTip(tr("Het deel van de waarde van het vastgoed dat als WOZ-waarde telt voor Box 3 (100 %: de volle waarde)"));
    m_woz->setAccessibleName(tr("WOZ-factor"));
    taxForm->addRow(tr("WOZ-factor"), m_woz);
    taxLayout->addLayout(taxForm);

    // The rules per tax year, with their sources.
    m_table = new QTableWidget(0, SourceColumn + 1, taxBox);
    m_table->setObjectName(QStringLiteral("Box3Tabel"));
    m_table->setHorizontalHeaderLabels({ tr("Jaar"), tr("Tarief %"), tr("Heffingvrij p.p."), tr("Bank %"),
        tr("Overig %"), tr("Schulden %"), tr("Drempel p.p."), tr("Bron") });
    m_table->setToolTip(tr("De Box 3-regels per belastingjaar. Een waarde is te wijzigen; de bron staat in de tip van elke "
                           "waarde. Een jaar na 2026 zonder eigen waarde neemt de waarden van het jaar ervoor over"));
    m_table->setAccessibleName(tr("Box 3-regels per jaar"));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumHeight(150);
    connect(m_table, &QTableWidget::itemChanged, this, &CostTaxDialog::tableEdited);
    taxLayout->addWidget(m_table);
    auto *addRow = new QHBoxLayout;
    m_newYear = new QSpinBox(taxBox);
    m_newYear->setObjectName(QStringLiteral("Box3NieuwJaar"));
    m_newYear->setRange(Box3RuleTable().last().year + 1, 2100);
    m_newYear->setToolTip(tr("Een later belastingjaar om eigen waarden voor in te voeren"));
    m_newYear->setAccessibleName(tr("Nieuw belastingjaar"));
    auto *addButton = new QPushButton(tr("Jaar toevoegen"), taxBox);
    addButton->setObjectName(QStringLiteral("Box3JaarToevoegen"));
    addButton->setToolTip(tr("Voegt het gekozen jaar toe aan de tabel, met de waarden van het jaar ervoor"));
    addButton->setAccessibleName(addButton->text());
    addButton->setMinimumWidth(addButton->fontMetrics().horizontalAdvance(addButton->text()) + 24);
    connect(addButton, &QPushButton::clicked, this, [this]() { addYear(m_newYear->value()); });
    addRow->addWidget(m_newYear);
    addRow->addWidget(addButton);
    m_addYear = addButton;
    addRow->addStretch();
    taxLayout->addLayout(addRow);

    // The tax on actual return.
    m_actualCaption = new QLabel(tr("Werkelijk rendement vanaf %1:").arg(ActualReturnRule::FromYear), taxBox);
    m_actualCaption->setObjectName(QStringLiteral("Box3WerkelijkKop"));
    taxLayout->addWidget(m_actualCaption);
    auto *actualForm = new QFormLayout;
    m_actualRate = new DutchPercentSpinBox(taxBox);
    m_actualRate->setObjectName(QStringLiteral("Box3WerkelijkTarief"));
    m_actualRate->setRange(0.0, 100.0);
    m_actualRate->setDecimals(2);
    m_actualRate->setSuffix(QStringLiteral(" %"));
    m_actualRate->setToolTip(tr("Het tarief over het directe rendement boven het heffingvrije rendement (wetsvoorstel: 36 %)"));
    m_actualRate->setAccessibleName(tr("Tarief werkelijk rendement"));
    actualForm->addRow(tr("Tarief"), m_actualRate);
    m_actualFree = new DutchAmountSpinBox(taxBox);
    m_actualFree->setObjectName(QStringLiteral("Box3HeffingvrijRendement"));
    m_actualFree->setRange(0.0, 1e7);
    m_actualFree->setDecimals(0);
    m_actualFree->setSingleStep(100.0);
    m_actualFree->setPrefix(QStringLiteral("€ "));
    m_actualFree->setToolTip(tr("Het directe rendement per persoon per jaar waarover geen belasting gaat (wetsvoorstel: € 1.800)"));
    m_actualFree->setAccessibleName(tr("Heffingvrij rendement per persoon"));
    actualForm->addRow(tr("Heffingvrij rendement p.p."), m_actualFree);
    taxLayout->addLayout(actualForm);
    connect(m_regime, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CostTaxDialog::showRegime);
    layout->addWidget(taxBox);

    auto *note = new QLabel(tr("Vereenvoudigd: Box 3 telt het vermogen op 1 januari zoals de doorrekening het geeft. "
                               "De tegenbewijsregeling, de WOZ-tabellen en de verkoop van vastgoed (met de belasting "
                               "over de waardestijging) zijn niet meegerekend."),
        this);
    note->setObjectName(QStringLiteral("KostenBelastingNoot"));
    note->setWordWrap(true);
    note->setToolTip(tr("Wat de berekening vereenvoudigt; zie de handleiding voor de regels en hun bronnen"));
    layout->addWidget(note);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("KostenBelastingKnoppen"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setToolTip(tr("De aannames overnemen: alle cijfers worden opnieuw berekend"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuleren"));
    buttons->button(QDialogButtonBox::Cancel)->setToolTip(tr("Sluiten zonder iets te veranderen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    setAssumptions(CostTaxAssumptions());
    resize(760, sizeHint().height());
}

void CostTaxDialog::setAssumptions(const CostTaxAssumptions &a)
{
    const double costs[5] = { a.costs.purchase, a.costs.maintenance, a.costs.fixedCharges, a.costs.vacancy,
        a.costs.management };
    for (int k = 0; k < 5; ++k)
        m_costs[k]->setValue(costs[k]);
    m_regime->setCurrentIndex(m_regime->findData(static_cast<int>(a.box3.regime)));
    m_partners->setChecked(a.box3.partners);
    m_woz->setValue(a.box3.wozFactor);
    m_actualRate->setValue(a.box3.actual.rate);
    m_actualFree->setValue(a.box3.actual.taxFreeReturn);
    m_box3 = a.box3;
    m_addedYears.clear();
    fillTable();
    showRegime();
}

CostTaxAssumptions CostTaxDialog::assumptions() const
{
    CostTaxAssumptions a;
    a.costs.purchase = m_costs[0]->value();
    a.costs.maintenance = m_costs[1]->value();
    a.costs.fixedCharges = m_costs[2]->value();
    a.costs.vacancy = m_costs[3]->value();
    a.costs.management = m_costs[4]->value();
    a.box3.regime = static_cast<Box3Regime>(m_regime->currentData().toInt());
    a.box3.partners = m_partners->isChecked();
    a.box3.wozFactor = m_woz->value();
    // Years without an entry of their own are no entries.
    for (auto y = m_box3.overrides.cbegin(); y != m_box3.overrides.cend(); ++y) {
        if (!y.value().isEmpty())
            a.box3.overrides.insert(y.key(), y.value());
    }
    // The spin boxes hold the figure they show; an unchanged default stays the default bit for bit.
    a.box3.actual = m_box3.actual;
    if (DutchPercentage(m_actualRate->value(), 2) != DutchPercentage(a.box3.actual.rate, 2))
        a.box3.actual.rate = m_actualRate->value();
    if (DutchAmount(m_actualFree->value(), 0) != DutchAmount(a.box3.actual.taxFreeReturn, 0))
        a.box3.actual.taxFreeReturn = m_actualFree->value();
    return a;
}

QList<int> CostTaxDialog::shownYears() const
{
    QList<int> years;
    for (const Box3YearRule &rule : Box3RuleTable())
        years << rule.year;
    for (auto y = m_box3.overrides.cbegin(); y != m_box3.overrides.cend(); ++y) {
        if (!years.contains(y.key()))
            years << y.key();
    }
    for (int year : m_addedYears) {
        if (!years.contains(year))
            years << year;
    }
    std::sort(years.begin(), years.end());
    return years;
}

void CostTaxDialog::addYear(int year)
{
    if (!m_addedYears.contains(year))
        m_addedYears << year;
    fillTable();
    const int row = shownYears().indexOf(year);
    if (row >= 0)
        m_table->setCurrentCell(row, FirstValueColumn);
}

void CostTaxDialog::fillTable()
{
    m_filling = true;
    const QList<int> years = shownYears();
    m_table->setRowCount(years.size());
    for (int r = 0; r < years.size(); ++r) {
        const Box3YearRule rule = m_box3.rule(years[r]);
        auto *yearItem = new QTableWidgetItem(QString::number(rule.year));
        yearItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(r, YearColumn, yearItem);
        QStringList sources;
        for (int v = 0; v < Box3ValueCount; ++v) {
            auto *item = new QTableWidgetItem(valueText(v, rule.value[v]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setData(Qt::UserRole, rule.year);
            const bool own = m_box3.overrides.value(rule.year).contains(v);
            item->setToolTip(own ? tr("Eigen invoer voor %1").arg(rule.year) : tr("Bron: %1").arg(rule.source[v]));
            if (own) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_table->setItem(r, FirstValueColumn + v, item);
            const QString source = own ? tr("eigen invoer") : rule.source[v];
            if (!sources.contains(source))
                sources << source;
        }
        auto *sourceItem = new QTableWidgetItem(sources.join(QStringLiteral("; ")));
        sourceItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        sourceItem->setToolTip(sourceItem->text());
        m_table->setItem(r, SourceColumn, sourceItem);
    }
    m_table->resizeColumnsToContents();
    m_filling = false;
}

void CostTaxDialog::tableEdited(QTableWidgetItem *item)
{
    if (m_filling || item->column() < FirstValueColumn || item->column() >= SourceColumn)
        return;
    const int value = item->column() - FirstValueColumn;
    const int year = item->data(Qt::UserRole).toInt();
    const TypedNumber typed = ReadTypedNumber(item->text(), isAmount(value) ? NumberKind::Amount : NumberKind::Percentage);
    if (typed.ok() && typed.value >= 0.0) {
        // A value equal to what the rules give the year anyway is no entry of its own.
        Box3Assumptions without = m_box3;
        without.overrides[year].remove(value);
        if (valueText(value, without.rule(year).value[value]) == valueText(value, typed.value))
            m_box3.overrides[year].remove(value);
        else
            m_box3.overrides[year][value] = typed.value;
        if (m_box3.overrides[year].isEmpty())
            m_box3.overrides.remove(year);
    }
    // What is not a number (or below 0) goes back to the value it had. Later years follow.
    const int row = item->row();
    const int column = item->column();
    QMetaObject::invokeMethod(this, [this, row, column]() {
        fillTable();
        m_table->setCurrentCell(row, column);
    }, Qt::QueuedConnection);
}

void CostTaxDialog::showRegime()
{
    const auto regime = static_cast<Box3Regime>(m_regime->currentData().toInt());
    for (QWidget *w : { static_cast<QWidget *>(m_partners), static_cast<QWidget *>(m_woz),
             static_cast<QWidget *>(m_table), static_cast<QWidget *>(m_newYear), m_addYear })
        w->setEnabled(regime != Box3Regime::Off);
    for (QWidget *w : { static_cast<QWidget *>(m_actualRate), static_cast<QWidget *>(m_actualFree),
             static_cast<QWidget *>(m_actualCaption) })
        w->setEnabled(regime == Box3Regime::Actual);
}
