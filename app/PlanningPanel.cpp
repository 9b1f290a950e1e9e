// Today's money and the free year: the controls under the totals and what they hold.

#include "app/PlanningPanel.h"

#include "grid/CellRules.h"
#include "grid/NumberEntry.h"
#include "model/DutchFormat.h"
#include "model/InvestmentStore.h"
#include "model/Plausibility.h"
#include "settings/ProgramSettings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace {


constexpr double DefaultInflation = 2.0;

QLabel *newLabel(QWidget *form, const QString &text, const QRect &where, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, form);
    label->setGeometry(where);
    label->setAlignment(align);
    return label;
}

// A line editor for a number: normalised as typed numbers are when the entry is done.
QLineEdit *newNumberEdit(QWidget *form, const char *name, const QRect &where, NumberKind kind, const QString &tip)
{
    auto *edit = new QLineEdit(form);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(where);
    edit->setToolTip(tip);
    edit->setAccessibleDescription(tip);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, kind]() {
        const QString text = NormalisedNumberText(edit->text(), kind);
        if (text != edit->text())
            edit->setText(text);
    });
    return edit;
}

const char *const NotANumberTip = QT_TRANSLATE_NOOP("NumberTips", "Geen getal \u2014 telt als 0");

// Marks a field whose text is no number, or a number out of its range, as the grid marks a
// cell: red, with the reason as tip. The field's own tip returns when the mark goes.
void markField(QLineEdit *edit, const QString &problem)
{
    const QString ownTip = edit->accessibleDescription();
    if (problem.isEmpty()) {
        if (!edit->styleSheet().isEmpty()) {
            edit->setStyleSheet(QString());
            edit->setToolTip(ownTip);
        }
        return;
    }
    edit->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(200, 0, 0); }"));
    edit->setToolTip(problem);
}

// The number a field holds, read as the grid reads a typed entry ("3.000" is 3000 at every
// keystroke), with the problem its text has, if any.
std::optional<double> fieldNumber(const QLineEdit *edit, NumberKind kind, QString (*rangeProblem)(double),
    QString *problem = nullptr)
{
    if (!edit)
        return std::nullopt;
    const TypedNumber typed = ReadTypedNumber(edit->text(), kind);
    QString why;
    if (typed.state == TypedState::NotANumber)
        why = QCoreApplication::translate("NumberTips", NotANumberTip);
    else if (typed.ok())
        why = rangeProblem(typed.value);
    if (problem)
        *problem = why;
    if (!typed.ok() || !why.isEmpty())
        return std::nullopt;
    return typed.value;
}

} // namespace

PlanningPanel::PlanningPanel(QWidget *form, QObject *parent)
    : QObject(parent)
{
    const PlanningSettings kept = PlanningSettings::load();

    newLabel(form, tr("Inflatie (%/j)"), QRect(440, 736, 150, 22));
    m_inflation = newNumberEdit(form, "Inflatie", QRect(600, 736, 71, 22), NumberKind::Percentage,
        tr("Verwachte inflatie per jaar in procenten; wordt onthouden, niet in het bestand bewaard"));
    m_inflation->setAccessibleName(tr("Inflatie (%/j)"));
    m_inflation->setText(kept.haveInflation ? kept.inflation : QString::number(DefaultInflation));

    m_real = new QCheckBox(tr("Toon in euro's van vandaag"), form);
    m_real->setObjectName(QStringLiteral("ToonEurosVanVandaag"));
    m_real->setGeometry(440, 764, 330, 22);
    m_real->setToolTip(tr("Alle bedragen omgerekend naar de koopkracht van dit jaar; ROI en jaartallen blijven gelijk"));

    m_principal = new QCheckBox(tr("Schuld als restschuld"), form);
    m_principal->setObjectName(QStringLiteral("SchuldAlsRestschuld"));
    m_principal->setGeometry(690, 736, 155, 22);
    m_principal->setToolTip(tr("Toon als schuld wat van elke hypotheek nog af te lossen is; uit: alle "
                                           "betalingen die nog komen, rente inbegrepen"));
    m_principal->setAccessibleName(m_principal->text());
    m_principal->setChecked(kept.debtAsPrincipal);

    newLabel(form, tr("Maandelijkse uitgaven"), QRect(440, 796, 150, 22));
    m_spending = newNumberEdit(form, "MaandelijkseUitgaven", QRect(600, 796, 71, 22), NumberKind::Amount,
        tr("Wat u per maand uitgeeft, in euro's van vandaag; leeg: geen doel"));
    m_spending->setAccessibleName(tr("Maandelijkse uitgaven"));
    m_spending->setText(kept.monthlySpending);

    m_freeYear = newLabel(form, QString(), QRect(440, 646, 480, 20));
    m_freeYear->setObjectName(QStringLiteral("FinancieelVrij"));
    m_freeYear->setToolTip(FreeYearToolTip());
    QFont bold = m_freeYear->font();
    bold.setBold(true);
    m_freeYear->setFont(bold);

    auto mark = [this](QLineEdit *edit) {
        QString problem;
        fieldNumber(edit, edit == m_inflation ? NumberKind::Percentage : NumberKind::Amount,
            edit == m_inflation ? InflationProblem : SpendingProblem, &problem);
        markField(edit, problem);
    };
    connect(m_real, &QCheckBox::toggled, this, &PlanningPanel::shownMoneyChanged);
    connect(m_principal, &QCheckBox::toggled, this, [this](bool on) {
        PlanningSettings settings;
        settings.debtAsPrincipal = on;
        settings.saveDebtView();
        emit debtMeasureChanged();
    });
    connect(m_inflation, &QLineEdit::textChanged, this, [this, mark](const QString &text) {
        PlanningSettings settings;
        settings.inflation = text;
        settings.saveInflation();
        mark(m_inflation);
        emit shownMoneyChanged();
    });
    connect(m_spending, &QLineEdit::textChanged, this, [this, mark](const QString &text) {
        PlanningSettings settings;
        settings.monthlySpending = text;
        settings.saveSpending();
        mark(m_spending);
        emit goalChanged();
    });
    // What was remembered is marked as what is typed.
    mark(m_inflation);
    mark(m_spending);
}

double PlanningPanel::inflationPercent() const
{
    const std::optional<double> percent = fieldNumber(m_inflation, NumberKind::Percentage, InflationProblem);
    return percent && IsUsableInflation(*percent) ? *percent : 0.0;
}

std::optional<double> PlanningPanel::monthlySpending() const
{
    const std::optional<double> spending = fieldNumber(m_spending, NumberKind::Amount, SpendingProblem);
    if (!spending || !(*spending > 0.0))
        return std::nullopt;
    return spending;
}

bool PlanningPanel::showsTodaysMoney() const
{
    return m_real->isChecked();
}

DebtMeasure PlanningPanel::debtMeasure() const
{
    return m_principal->isChecked() ? DebtMeasure::RemainingPrincipal : DebtMeasure::PaymentsDue;
}

InflationTable PlanningPanel::inflationToday(const InvestmentStore &store) const
{
    return InflationTableFor(store, inflationPercent(), CurrentCalendarYear());
}

const InflationTable *PlanningPanel::shownInflation(const InvestmentStore &store) const
{
    if (!m_real->isChecked())
        return nullptr;
    m_shown = inflationToday(store);
    return &m_shown;
}

QString PlanningPanel::realMoneyCaption() const
{
    return tr("(euro's van vandaag, %1 % inflatie)").arg(QLocale(QLocale::Dutch).toString(inflationPercent(), 'f', 1));
}

void PlanningPanel::showFreeYear(const InvestmentStore &store)
{
    const std::optional<double> spending = monthlySpending();
    if (!spending) {
        m_freeYear->clear();
        return;
    }
    const int index = FreeYearIndex(store, inflationToday(store), *spending);
    if (index == NoFreeYear) {
        m_freeYear->setText(tr("Niet binnen de horizon"));
    } else {
        const long long year = static_cast<long long>(store.earliestStartYear()) + index;
        m_freeYear->setText(tr("Financieel vrij in %1").arg(year));
    }
}
