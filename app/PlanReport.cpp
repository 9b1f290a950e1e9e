#include "app/PlanReport.h"

#include "app/LanguageMenu.h"

#include "charts/ChartExport.h"
#include "charts/ChartMath.h"
#include "charts/LineGraphs.h"
#include "generator/WealthLabelTable.h"
#include "grid/CellRules.h"
#include "grid/ColumnCatalogue.h"
#include "grid/NumberEntry.h"
#include "io/InvestFormat.h"
#include "io/PortfolioLoader.h"
#include "model/ColumnUsage.h"
#include "model/CostTax.h"
#include "model/DutchFormat.h"
#include "settings/ProgramSettings.h"
#include "settings/SpreadSettings.h"

#include <QBuffer>
#include <QChartView>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include <cmath>
#include <cstdio>

#ifndef QUORVANT_VERSION
#define QUORVANT_VERSION "onbekend"
#endif

namespace {

QString reportText(const char *text)
{
    return QCoreApplication::translate("PlanReport", text);
}

// The costs and tax the figures assume, as lines of the report's inputs.
QStringList CostTaxLines(const CostTaxAssumptions &a)
{
    if (a.isOff())
        return { reportText("Kosten en belasting (Box 3): niet meegerekend") };
    const auto pct = [](double value) { return DutchPercentage(value, 2) + QStringLiteral(" %"); };
    QStringList lines;
    const CostAssumptions &c = a.costs;
    lines << reportText("Kosten van vastgoed: kosten koper %1 van de kostprijs; onderhoud %2 en vaste lasten %3 van de waarde per jaar; leegstand %4 en beheer %5 van de huur")
                 .arg(pct(c.purchase), pct(c.maintenance), pct(c.fixedCharges), pct(c.vacancy), pct(c.management));
    const Box3Assumptions &b = a.box3;
    if (b.regime == Box3Regime::Off) {
        lines << reportText("Box 3: niet meegerekend");
        return lines;
    }
    const QString who = b.partners ? reportText("fiscale partners") : reportText("zonder fiscale partner");
    lines << (b.regime == Box3Regime::Actual
            ? reportText("Box 3: forfaitair rendement tot %1, daarna werkelijk rendement (tarief %2, heffingvrij rendement %3 per persoon); %4; WOZ-factor %5")
                  .arg(ActualReturnRule::FromYear)
                  .arg(pct(b.actual.rate), DutchAmount(b.actual.taxFreeReturn, 0), who, pct(b.wozFactor))
            : reportText("Box 3: forfaitair rendement; %1; WOZ-factor %2").arg(who, pct(b.wozFactor)));
    const char *const names[Box3ValueCount] = { QT_TRANSLATE_NOOP("PlanReport", "tarief"),
        QT_TRANSLATE_NOOP("PlanReport", "heffingvrij vermogen"), QT_TRANSLATE_NOOP("PlanReport", "rendement bank"),
        QT_TRANSLATE_NOOP("PlanReport", "rendement overig"), QT_TRANSLATE_NOOP("PlanReport", "rendement schulden"),
        QT_TRANSLATE_NOOP("PlanReport", "schuldendrempel") };
    for (auto y = b.overrides.cbegin(); y != b.overrides.cend(); ++y) {
        QStringList values;
        for (auto v = y.value().cbegin(); v != y.value().cend(); ++v) {
            const bool amount = v.key() == Box3Allowance || v.key() == Box3DebtThreshold;
            values << QStringLiteral("%1 %2").arg(reportText(names[v.key()]), amount ? DutchAmount(v.value(), 0) : pct(v.value()));
        }
        if (!values.isEmpty())
            lines << reportText("Box 3 in %1 (eigen invoer): %2").arg(y.key()).arg(values.join(QStringLiteral(", ")));
    }
    lines << reportText("Box 3 vereenvoudigd: geen tegenbewijsregeling, geen WOZ-tabel, geen verkoop van vastgoed");
    return lines;
}

} // namespace

namespace {

// What the window starts with when it remembers no inflation.
constexpr double DefaultInflation = 2.0;
// Width of a chart on the page, in the document's pixels (about 17 cm).
constexpr int ChartWidthOnPage = 640;
// The totals table holds "Jaar" and the nine totals; the other columns go into a second table.
constexpr int TotalsTableColumns = 10;

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

// An input figure with as few decimals as show it exactly (at most four).
QString inputFigure(double value, int column)
{
    if (column == ColStartYear)
        return QString::number(static_cast<long long>(value));
    int decimals = 0;
    while (decimals < 4) {
        const double scaled = value * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, std::fabs(scaled)))
            break;
        ++decimals;
    }
    return InputColumnKind(column) == NumberKind::Percentage ? DutchPercentage(value, decimals)
                                                             : DutchAmount(value, decimals);
}

QString tableHtml(const OverviewTable &table, const QVector<int> &columns)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
                                  "style=\"font-size: 7.5pt; border-collapse: collapse;\"><thead><tr>");
    for (int c : columns)
        html += QStringLiteral("<th bgcolor=\"#e8e8e8\">%1</th>").arg(esc(table.headers.value(c)));
    html += QStringLiteral("</tr></thead><tbody>");
    for (const QStringList &cells : table.cells) {
        html += QStringLiteral("<tr>");
        for (int c : columns)
            html += QStringLiteral("<td align=\"%1\">%2</td>").arg(c == 0 ? "center" : "right", esc(cells.value(c)));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table>");
}

QString listHtml(const QStringList &items)
{
    QString html = QStringLiteral("<ul>");
    for (const QString &item : items)
        html += QStringLiteral("<li>%1</li>").arg(item);
    return html + QStringLiteral("</ul>");
}

// One chart as the chart window draws it: a line per investment, their sum, and for net worth
// the paths' band, for cash flow the spending line; the baseline's sum dashed.
QImage chartImage(const InvestmentStore &store, bool cashFlow, const QVector<OverviewRow> &rows,
    const OverviewFigures &figures)
{
    if (rows.isEmpty())
        return QImage();
    const int firstYear = rows.first().year;
    const int years = rows.size();
    const InflationTable *real = figures.real;
    LineGraphs window;
    window.SetYearAxis(firstYear, firstYear + years - 1);

    QVector<QVector<double>> lines;
    QVector<int> drawnRows;
    for (int r = 0; r < store.maxInvestment(); ++r) {
        if (!store.block(r).projected)
            continue;
        QVector<double> values(years);
        for (int y = 0; y < years; ++y) {
            const double *s = store.record(r, y)->series;
            const double value = cashFlow ? s[SerMonthlyCashFlow] : s[SerAssets] - s[SerDebt];
            values[y] = real ? real->real(value, firstYear + y) : value;
        }
        lines.append(values);
        drawnRows.append(r);
    }
    QVector<double> sum(years), p10, p50, p90, spending, baseline;
    for (int y = 0; y < years; ++y)
        sum[y] = cashFlow ? rows.at(y).totals.monthlyCashFlow : rows.at(y).totals.netWorth();
    lines.append(sum);
    if (!cashFlow && rows.first().hasBands) {
        for (const OverviewRow &row : rows) {
            p10 << row.p10;
            p50 << row.p50;
            p90 << row.p90;
        }
        lines << p10 << p90;
    }
    int freeYear = INT_MIN;
    if (cashFlow && figures.monthlySpending && figures.today) {
        for (const OverviewRow &row : rows) {
            spending << (real ? *figures.monthlySpending : figures.today->nominal(*figures.monthlySpending, row.year));
            if (row.freeYear)
                freeYear = row.year;
        }
        lines.append(spending);
    }
    if (figures.baseline) {
        for (const OverviewRow &row : rows) {
            const BaselineYear &b = row.baseline;
            baseline << (b.available ? (cashFlow ? b.monthlyCashFlow : b.netWorth) : std::nan(""));
        }
    }
    const ValueRange range = CoveringRange(QVector<QVector<double>>(lines) << baseline);
    window.SetValueAxis(range.lower, range.upper);
    for (int i = 0; i < drawnRows.size(); ++i) {
        window.AddInvestmentSeries(drawnRows.at(i), firstYear, firstYear + years, lines.at(i));
        window.SetInvestmentType(drawnRows.at(i), InvestmentTypeNames.value(store.rowType(drawnRows.at(i))));
    }
    if (drawnRows.size() >= 2)
        window.AddSumSeries(sum);
    if (!p50.isEmpty())
        window.AddPercentileBand(p10, p50, p90);
    if (!spending.isEmpty())
        window.AddSpendingLine(spending, freeYear);
    if (!baseline.isEmpty())
        window.AddBaselineSeries(firstYear, baseline);
    window.FinishView();

    // The section's heading names the chart, so the picture goes without the title strip.
    auto *view = window.findChild<QtCharts::QChartView *>();
    if (!view)
        return QImage();
    ChartPicture picture;
    picture.chart = view->chart();
    picture.dpi = view->logicalDpiY();
    window.LayOutChart(LineGraphs::PictureLayoutSize());
    return picture.image(LineGraphs::PictureScale);
}

QString generatorHtml(const InvestFields &fields)
{
    bool used = false;
    for (int k = 0; k < GeneratorFieldCount; ++k)
        used = used || !fields.generator[k].trimmed().isEmpty();
    if (!used)
        return QString();
    const int kind = std::max(0, static_cast<int>(InvestmentTypeNames.indexOf(fields.kind)));
    QStringList items;
    for (int k = 0; k < GeneratorFieldCount; ++k) {
        const QString label = QCoreApplication::translate("WealthLabelTable", WealthLabelTable[k].value(kind).toUtf8().constData());
        if (label.isEmpty())
            continue;
        const QString stored = fields.generator[k].trimmed();
        const std::optional<double> value = NumberFromText(stored);
        QString shown = stored;
        if (value) {
            const NumberKind numberKind = GeneratorFieldKind(kind, k);
            shown = numberKind == NumberKind::Year ? QString::number(static_cast<long long>(*value))
                : numberKind == NumberKind::Percentage ? DutchPercentage(*value, std::round(*value) == *value ? 0 : 2)
                                                       : DutchAmount(*value, std::round(*value) == *value ? 0 : 2);
        }
        items << QStringLiteral("%1: %2").arg(esc(label), esc(shown));
    }
    return PlanReport::tr("<h3>Wealth Generator: %1</h3>").arg(esc(fields.kind)) + listHtml(items);
}

QString inputsHtml(const InvestmentStore &store, const InvestFields &fields)
{
    QStringList items;
    for (int r = 0; r < store.maxInvestment(); ++r) {
        if (!store.isRowComplete(r))
            continue;
        const int type = store.rowType(r);
        QStringList figures;
        for (int c = 1; c < InputColumnCount; ++c) {
            if (!ColumnApplies(type, c) || InputColumns[c].header.isEmpty())
                continue;
            const double value = store.input(r).field[c];
            figures << QStringLiteral("%1 %2").arg(ShownHeader(InputColumns[c].header), value == -1.0 ? PlanReport::tr("leeg") : inputFigure(value, c));
        }
        items << PlanReport::tr("<b>Rij %1</b> \u2013 %2: %3").arg(r + 1).arg(esc(InvestmentTypeNames.value(type)), esc(figures.join(QStringLiteral(", "))));
    }
    if (items.isEmpty())
        items << PlanReport::tr("Geen volledige investering.");
    return listHtml(items) + generatorHtml(fields);
}

} // namespace

PlanReport::PlanReport(const PlanState &state, const QDate &date)
    : m_store(std::make_unique<InvestmentStore>())
    , m_document(std::make_unique<QTextDocument>())
{
    build(state, date);
}

PlanReport::~PlanReport() = default;

QString PlanReport::PortfolioHash(const QString &portfolioText)
{
    return QString::fromLatin1(QCryptographicHash::hash(portfolioText.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString PlanReport::ProgramVersion()
{
    return QStringLiteral(QUORVANT_VERSION);
}

void PlanReport::build(const PlanState &given, const QDate &date)
{
    if (given.store) {
        m_store->setMaxInvestment(given.store->maxInvestment());
        m_store->setMaxJaren(given.store->maxJaren());
    }
    LoadPortfolioText(given.portfolioText, *m_store);
    const InvestFields fields = ParseInvestFields(given.portfolioText);

    // The paths are run here from the text, so that the band does not depend on whether the
    // window had them on.
    PlanState state = given;
    state.store = m_store.get();
    const PathSettings paths = given.pathSettings.bounded();
    state.bands = m_store->anyRowProjected() ? RunPaths(PathPortfolio::fromStore(*m_store), paths) : PathBands();
    const PlanFigures planned(state, *m_store);
    const OverviewFigures &figures = planned.figures();
    const QVector<OverviewRow> rows = YearOverviewRows(*m_store, figures);
    const OverviewTable table = YearOverviewTable(*m_store, figures);

    const QString name = given.fileName.isEmpty() ? tr("(nieuwe portefeuille)") : QFileInfo(given.fileName).fileName();
    const QLocale shown = ShownLocale();
    const QString money = state.realValues
        ? tr("in euro's van vandaag (%1, %2 % inflatie per jaar)")
              .arg(CurrentCalendarYear())
              .arg(DutchPercentage(state.inflationPercent))
        : tr("in euro's van elk jaar");

    QString html = QStringLiteral("<html><body style=\"font-size: 10pt;\">");
    // Title page.
    html += tr("<h1>Plan: %1</h1>").arg(esc(name));
    html += tr("<p>Datum: %1</p>").arg(esc(shown.toString(date, QStringLiteral("d MMMM yyyy"))));
    const QString summary = PlanSummary(rows, figures);
    html += QStringLiteral("<p style=\"font-size: 12pt;\">%1</p>")
                .arg(esc(summary.isEmpty() ? tr("Deze portefeuille heeft nog geen volledige investering.") : summary));
    if (!rows.isEmpty())
        html += tr("<p>Horizon: %1 t/m %2; bedragen %3.</p>").arg(rows.first().year).arg(rows.last().year).arg(esc(money));

    // Inputs and assumptions.
    html += tr("<h2 style=\"page-break-before: always;\">Invoer</h2>");
    html += inputsHtml(*m_store, fields);
    html += tr("<h2>Aannames</h2>");
    QStringList assumptions;
    assumptions << tr("Grenzen: %1 jaren, %2 investeringen").arg(m_store->maxJaren()).arg(m_store->maxInvestment());
    assumptions << tr("Inflatie: %1 % per jaar").arg(DutchPercentage(state.inflationPercent));
    assumptions << tr("Bedragen: %1").arg(esc(money));
    assumptions << (state.monthlySpending
            ? tr("Maandelijkse uitgaven: %1 (euro's van vandaag)").arg(DutchTotal(*state.monthlySpending))
            : tr("Maandelijkse uitgaven: geen doel"));
    assumptions << tr("Spreiding per jaar: waardestijging %1, huurstijging %2, rendement %3 procentpunt")
                       .arg(DutchPercentage(paths.valueSpread), DutchPercentage(paths.rentSpread), DutchPercentage(paths.returnSpread));
    assumptions << CostTaxLines(m_store->costTax());
    assumptions << (state.baseline ? tr("Vergeleken met: %1").arg(esc(state.baselineName))
                                   : tr("Vergeleken met: geen basis"));
    html += listHtml(assumptions);

    // The year overview: the totals, then the planning figures.
    html += tr("<h2 style=\"page-break-before: always;\">Jaaroverzicht</h2>");
    if (table.cells.isEmpty()) {
        html += tr("<p>Geen jaren: de portefeuille heeft geen volledige investering.</p>");
    } else {
        QVector<int> totals, planning { 0 };
        for (int c = 0; c < table.headers.size(); ++c)
            (c < TotalsTableColumns ? totals : planning) << c;
        html += tr("<p>Bedragen %1.</p>").arg(esc(money));
        html += tableHtml(table, totals);
        if (planning.size() > 1) {
            html += tr("<h3>Uitgaven, spreiding%1</h3>").arg(state.baseline ? tr(" en basis") : QString());
            html += tableHtml(table, planning);
        }
    }

    // The charts.
    int chartNumber = 0;
    for (bool cashFlow : { false, true }) {
        const QImage image = chartImage(*m_store, cashFlow, rows, figures);
        if (image.isNull())
            continue;
        const QUrl url(QStringLiteral("quorvant-chart://%1").arg(chartNumber++));
        m_document->addResource(QTextDocument::ImageResource, url, image);
        const int height = image.height() * ChartWidthOnPage / std::max(1, image.width());
        html += QStringLiteral("<h2 style=\"page-break-before: always;\">%1</h2><p><img src=\"%2\" width=\"%3\" height=\"%4\"></p>")
                    .arg(cashFlow ? tr("Maandelijkse cashflow") : tr("Nettowaarde"), url.toString())
                    .arg(ChartWidthOnPage)
                    .arg(height);
    }

    // Reproducibility.
    html += tr("<h2>Reproduceerbaarheid</h2>");
    QStringList facts;
    facts << tr("Programma: Quorvant %1").arg(esc(ProgramVersion()));
    facts << tr("Seed: %1").arg(paths.seed);
    facts << tr("Aantal paden: %1").arg(paths.paths);
    facts << tr("SHA-256 van de portefeuilletekst: <tt>%1</tt>").arg(PortfolioHash(given.portfolioText));
    html += listHtml(facts);
    if (given.unsaved)
        html += tr("<p><b>Let op:</b> het plan bevat wijzigingen die nog niet zijn opgeslagen; de "
                               "SHA-256 hoort bij de tekst zoals die nu zou worden opgeslagen, niet bij het bestand.</p>");
    html += tr("<p>Dezelfde portefeuilletekst geeft met dezelfde versie, aannames, seed en "
                           "hetzelfde aantal paden hetzelfde rapport.</p>");
    html += QStringLiteral("</body></html>");

    m_html = html;
    m_document->setHtml(html);
    m_document->setMetaInformation(QTextDocument::DocumentTitle, tr("Plan: %1").arg(name));
}

void PlanReport::print(QPagedPaintDevice *device) const
{
    // Without a page size of its own the document is paginated for the device, with a margin
    // and the page number at the foot of every page; header rows repeat on every page.
    m_document->print(device);
}

bool PlanReport::writePdf(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(m_document->metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Quorvant %1").arg(ProgramVersion()));
        print(&writer);
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

namespace {

void writeError(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

int RunReportCommand(const QStringList &arguments)
{
    if (arguments.size() != 4 || arguments.at(2).isEmpty() || arguments.at(3).isEmpty()) {
        writeError(PlanReport::tr("quorvant: gebruik: quorvant --report RAPPORT.pdf BESTAND\n"));
        return 1;
    }
    const QString output = arguments.at(2);
    const QString input = arguments.at(3);
    QString text;
    QString error;
    if (!ReadInvestTextFile(input, &text, &error)) {
        writeError(PlanReport::tr("quorvant: %1 kan niet worden gelezen: %2\n").arg(input, error));
        return 1;
    }
    // The planning settings the window remembers; real values are not remembered, so the
    // report shows the euros of each year as the window starts with.
    const QSettings settings = ProgramSettings();
    PlanState state;
    const InvestmentStore limits;
    state.store = &limits;
    const QVariant keptInflation = settings.value(QStringLiteral("inflation"));
    const std::optional<double> inflation = keptInflation.isValid()
        ? NumberFromText(keptInflation.toString())
        : std::optional<double>(DefaultInflation);
    state.inflationPercent = inflation && IsUsableInflation(*inflation) ? *inflation : 0.0;
    const std::optional<double> spending = NumberFromText(settings.value(QStringLiteral("monthlySpending")).toString());
    if (spending && *spending > 0.0)
        state.monthlySpending = spending;
    state.pathSettings = ReadSpreadSettings(settings);
    state.fileName = input;
    state.portfolioText = text;
    const PlanReport report(state);
    if (!report.writePdf(output, &error)) {
        writeError(PlanReport::tr("quorvant: het rapport kan niet worden geschreven naar %1: %2\n").arg(output, error));
        return 1;
    }
    return 0;
}
