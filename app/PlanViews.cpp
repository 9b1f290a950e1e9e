#include "app/PlanViews.h"

#include "app/PlanReport.h"
#include "app/YearOverviewWindow.h"
#include "io/InvestFormat.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

PlanViews::PlanViews(QWidget *window, QMenu *fileMenu, QComboBox *yearList, PlanSource source)
    : QObject(window)
    , m_window(window)
    , m_source(std::move(source))
{
    setObjectName(QStringLiteral("PlanViews"));
    auto *overviewAction = new QAction(tr("Jaaroverzicht"), window);
    overviewAction->setObjectName(QStringLiteral("actionJaaroverzicht"));
    overviewAction->setToolTip(tr("Alle jaren van de horizon in één tabel"));
    auto *reportAction = new QAction(tr("Rapport..."), window);
    reportAction->setObjectName(QStringLiteral("actionRapport"));
    reportAction->setToolTip(tr("Het hele plan als PDF op A4"));
    auto *printAction = new QAction(tr("Rapport afdrukken..."), window);
    printAction->setObjectName(QStringLiteral("actionRapportAfdrukken"));
    printAction->setToolTip(tr("Het hele plan afdrukken"));
    printAction->setShortcut(QKeySequence::Print);
    connect(overviewAction, &QAction::triggered, this, &PlanViews::openOverview);
    connect(reportAction, &QAction::triggered, this, &PlanViews::saveReport);
    connect(printAction, &QAction::triggered, this, &PlanViews::printReport);

    if (fileMenu) {
        QAction *before = nullptr;
        for (QAction *action : fileMenu->actions()) {
            if (action->objectName() == QLatin1String("actionExit"))
                before = action;
        }
        fileMenu->insertActions(before, { overviewAction, reportAction, printAction });
        fileMenu->insertSeparator(before);
    }
    window->addAction(printAction);

    if (yearList && yearList->parentWidget()) {
        auto *button = new QPushButton(tr("Jaaroverzicht"), yearList->parentWidget());
        button->setObjectName(QStringLiteral("JaaroverzichtKnop"));
        button->setToolTip(tr("Toon alle jaren van de horizon in één tabel"));
        button->setAccessibleName(tr("Jaaroverzicht"));
        button->setGeometry(1100, yearList->y(), 140, yearList->height());
        connect(button, &QPushButton::clicked, this, &PlanViews::openOverview);
    }
}

void PlanViews::portfolioChanged()
{
    if (!m_overview || m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this]() {
        m_refreshPending = false;
        if (m_overview)
            m_overview->refresh();
    });
}

void PlanViews::openOverview()
{
    if (!m_overview) {
        m_overview = new YearOverviewWindow(m_source, m_window);
        m_overview->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        m_overview->refresh();
    }
    m_overview->show();
    m_overview->raise();
}

void PlanViews::setReportFileNameProvider(std::function<QString(const QString &)> provider)
{
    m_reportFileName = std::move(provider);
}

bool PlanViews::saveReport()
{
    const PlanState state = m_source.state();
    const QFileInfo file(state.fileName);
    const QString suggested = state.fileName.isEmpty()
        ? QDir::home().filePath(QStringLiteral("plan.pdf"))
        : file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
    QString path = m_reportFileName
        ? m_reportFileName(suggested)
        : QFileDialog::getSaveFileName(m_window, tr("Rapport opslaan"), suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    path = WithDefaultSuffix(path, QStringLiteral("pdf"));
    QString error;
    const PlanReport report(state);
    if (!report.writePdf(path, &error)) {
        QMessageBox::warning(m_window, tr("Rapport niet opgeslagen"),
            tr("Het rapport kon niet worden opgeslagen in %1:\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    return true;
}

void PlanViews::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("Rapport afdrukken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PlanReport report(m_source.state());
    report.print(&printer);
}
