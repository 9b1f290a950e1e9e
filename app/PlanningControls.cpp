// Today's money and the year the portfolio's cash flow covers what its owner lives on: the
// controls in the free space under the totals, and what the output grid, the totals and the
// charts show through them.

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "grid/CellRules.h"
#include "grid/NumberEntry.h"
#include "model/DutchFormat.h"
#include "model/Plausibility.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include "settings/ProgramSettings.h"

#include <QSettings>

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

const char *const NotANumberTip = "Geen getal \u2014 telt als 0";

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
        why = QString::fromUtf8(NotANumberTip);
    else if (typed.ok())
        why = rangeProblem(typed.value);
    if (problem)
        *problem = why;
    if (!typed.ok() || !why.isEmpty())
        return std::nullopt;
    return typed.value;
}

} // namespace

void MainWindow::SetUpPlanningControls()
{
    QWidget *form = ui->centralwidget;
    QSettings settings = ProgramSettings();

    newLabel(form, QStringLiteral("Inflatie (%/j)"), QRect(440, 736, 150, 22));
    inflationEdit = newNumberEdit(form, "Inflatie", QRect(600, 736, 71, 22), NumberKind::Percentage,
        QStringLiteral("Verwachte inflatie per jaar in procenten; wordt onthouden, niet in het bestand bewaard"));
    inflationEdit->setAccessibleName(QStringLiteral("Inflatie (%/j)"));
    const QVariant kept = settings.value(QStringLiteral("inflation"));
    inflationEdit->setText(kept.isValid() ? kept.toString() : QString::number(DefaultInflation));

    realCheck = new QCheckBox(QStringLiteral("Toon in euro's van vandaag"), form);
    realCheck->setObjectName(QStringLiteral("ToonEurosVanVandaag"));
    realCheck->setGeometry(440, 764, 330, 22);
    realCheck->setToolTip(QStringLiteral("Alle bedragen omgerekend naar de koopkracht van dit jaar; ROI en jaartallen blijven gelijk"));

    newLabel(form, QStringLiteral("Maandelijkse uitgaven"), QRect(440, 796, 150, 22));
    spendingEdit = newNumberEdit(form, "MaandelijkseUitgaven", QRect(600, 796, 71, 22), NumberKind::Amount,
        QStringLiteral("Wat u per maand uitgeeft, in euro's van vandaag; leeg: geen doel"));
    spendingEdit->setAccessibleName(QStringLiteral("Maandelijkse uitgaven"));
    spendingEdit->setText(settings.value(QStringLiteral("monthlySpending")).toString());

    freeYearLabel = newLabel(form, QString(), QRect(440, 646, 480, 20));
    freeYearLabel->setObjectName(QStringLiteral("FinancieelVrij"));
    QFont bold = freeYearLabel->font();
    bold.setBold(true);
    freeYearLabel->setFont(bold);

    auto refresh = [this]() {
        FillOutputGrid();
        UpdateYearTotals();
    };
    connect(realCheck, &QCheckBox::toggled, this, refresh);
    connect(inflationEdit, &QLineEdit::textChanged, this, [this, refresh](const QString &text) {
        ProgramSettings().setValue(QStringLiteral("inflation"), text);
        QString problem;
        fieldNumber(inflationEdit, NumberKind::Percentage, InflationProblem, &problem);
        markField(inflationEdit, problem);
        refresh();
        if (MonthlySpending())
            RestartPaths(); // the spending in each year's euros moved
    });
    connect(spendingEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        ProgramSettings().setValue(QStringLiteral("monthlySpending"), text);
        QString problem;
        fieldNumber(spendingEdit, NumberKind::Amount, SpendingProblem, &problem);
        markField(spendingEdit, problem);
        UpdateFreeYear();
        RestartPaths();
    });
    // What was remembered is marked as what is typed.
    for (QLineEdit *edit : { inflationEdit, spendingEdit }) {
        QString problem;
        fieldNumber(edit, edit == inflationEdit ? NumberKind::Percentage : NumberKind::Amount,
            edit == inflationEdit ? InflationProblem : SpendingProblem, &problem);
        markField(edit, problem);
    }
}

double MainWindow::InflationPercent() const
{
    const std::optional<double> percent = fieldNumber(inflationEdit, NumberKind::Percentage, InflationProblem);
    return percent && IsUsableInflation(*percent) ? *percent : 0.0;
}

std::optional<double> MainWindow::MonthlySpending() const
{
    const std::optional<double> spending = fieldNumber(spendingEdit, NumberKind::Amount, SpendingProblem);
    if (!spending || !(*spending > 0.0))
        return std::nullopt;
    return spending;
}

InflationTable MainWindow::InflationToday() const
{
    return InflationTableFor(portfolio, InflationPercent(), CurrentCalendarYear());
}

const InflationTable *MainWindow::ShownInflation() const
{
    if (!realCheck || !realCheck->isChecked())
        return nullptr;
    shownInflation = InflationToday();
    return &shownInflation;
}

QString MainWindow::RealMoneyCaption() const
{
    return QStringLiteral("(euro's van vandaag, %1 % inflatie)").arg(QLocale(QLocale::Dutch).toString(InflationPercent(), 'f', 1));
}

void MainWindow::UpdateFreeYear()
{
    if (!freeYearLabel)
        return;
    const std::optional<double> spending = MonthlySpending();
    if (!spending) {
        freeYearLabel->clear();
        return;
    }
    const int index = FreeYearIndex(portfolio, InflationToday(), *spending);
    if (index == NoFreeYear) {
        freeYearLabel->setText(QStringLiteral("Niet binnen de horizon"));
    } else {
        const long long year = static_cast<long long>(portfolio.earliestStartYear()) + index;
        freeYearLabel->setText(QStringLiteral("Financieel vrij in %1").arg(year));
    }
}
