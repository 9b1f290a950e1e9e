#include "app/CostTaxController.h"

#include "app/CostTaxDialog.h"

#include <QAction>
#include <QMenu>

CostTaxController::CostTaxController(QMenu *menu, QAction *before, QWidget *window, Read read, Apply apply)
    : QObject(window)
    , m_window(window)
    , m_read(std::move(read))
    , m_apply(std::move(apply))
{
    m_action = new QAction(tr("Kosten en belasting..."), this);
    m_action->setObjectName(QStringLiteral("actionKostenBelasting"));
    m_action->setToolTip(tr("Kosten van vastgoed en de Box 3-belasting die de doorrekening aanneemt (standaard uit)"));
    m_action->setStatusTip(m_action->toolTip());
    connect(m_action, &QAction::triggered, this, &CostTaxController::open);
    menu->insertAction(before, m_action);
}

CostTaxDialog *CostTaxController::dialog() const
{
    return m_dialog;
}

void CostTaxController::open()
{
    if (!m_dialog) {
        m_dialog = new CostTaxDialog(m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &QDialog::accepted, this, [this]() {
            // Read before the dialog goes: OK is one step of the document, nothing when unchanged.
            if (m_dialog)
                m_apply(m_dialog->assumptions());
        });
    }
    m_shown = m_read();
    m_dialog->setAssumptions(m_shown);
    m_dialog->open();
}

void CostTaxController::documentChanged()
{
    if (!m_dialog)
        return;
    const CostTaxAssumptions now = m_read();
    // The document's own step after OK changes nothing the dialog still shows.
    if (now == m_shown)
        return;
    m_shown = now;
    m_dialog->setAssumptions(now);
}
