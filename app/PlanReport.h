#ifndef PLANREPORT_H
#define PLANREPORT_H

#include "model/YearOverview.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QTextDocument;
QT_END_NAMESPACE

// The whole plan on A4 paper, in Dutch: a title page with a summary in words, the inputs and
// every assumption, the year overview, the net-worth and cash-flow charts, the baseline when
// one is set, and what makes the report reproducible (program version, seed, number of paths,
// the SHA-256 of the portfolio text). The portfolio is read back from its text as Open reads
// it, so that the same file gives the same report wherever it is made; only the date differs.
class PlanReport
{
    Q_DECLARE_TR_FUNCTIONS(PlanReport)

public:
    // Runs the paths of the portfolio (with the state's settings) and draws the charts.
    // The state's store gives the limits; the baseline must live as long as the report.
    explicit PlanReport(const PlanState &state, const QDate &date = QDate::currentDate());
    ~PlanReport();

    // The report as rich text, and the document that is printed.
    QString html() const { return m_html; }
    QTextDocument *document() const { return m_document.get(); }

    // Writes the PDF; the file is replaced only once it is whole. False with `error` set.
    bool writePdf(const QString &path, QString *error) const;
    // Prints on a set-up device (a printer, a PDF writer), page numbers at the foot.
    void print(QPagedPaintDevice *device) const;

    // The SHA-256 of the portfolio text as saved (UTF-8), in hexadecimal.
    static QString PortfolioHash(const QString &portfolioText);
    // The program version the report names.
    static QString ProgramVersion();

private:
    void build(const PlanState &state, const QDate &date);

    std::unique_ptr<InvestmentStore> m_store;
    std::unique_ptr<QTextDocument> m_document;
    QString m_html;
};

// "quorvant --report UIT.pdf BESTAND": writes the report of a file without a window, with the
// inflation, spending and spreads the window remembers. Returns the exit status (0 written, 1
// otherwise, with a Dutch message on standard error). `arguments` are the program's.
int RunReportCommand(const QStringList &arguments);

#endif // PLANREPORT_H
